#!/usr/bin/env bash
# Full screen and window on a 1920 x 1200 screen: F11 and Alt+Enter switch on the menu and in a
# game, and after each switch the same screen shows on, scaled by 4/3 on the full screen and 1:1
# in the window (moved to the corner). The choice and the sound (M, its box shown; M types in the
# name entry) are saved; a game goes on through a switch unpaused, a paused one stays paused; the
# fresh start after the game is on the screen the game ended on (its arguments say so). Standard
# output is a pipe whose reader has gone: the level loader's echo must not end the game.
#   display_modes.sh GAME_DIR
source "$(dirname "$0")/lib.sh"
E2E_SCREEN=1920x1200 e2e_setup "$1"
data=$E2E_GAME_DIR/sources/Data
rm -rf "$data"
settings() { tr '\n' ' ' <"$data/Settings.data" 2>/dev/null; }

# in_window CHECK SHOT: the check at 1:1 with nothing but black right of the window.
in_window() {
    local E2E_SCALE_NUM=1 E2E_SCALE_DEN=1 window
    window=$(e2e_window) && xdotool windowmove "$window" 0 0 2>/dev/null
    "$1" "$2" && [ "$(e2e_count "$2" 1460 0 460 1200 "rgb(0,0,0)" 1%)" -eq $((460 * 1200)) ]
}
on_full_screen() {
    local E2E_SCALE_NUM=4 E2E_SCALE_DEN=3
    "$1" "$2"
}
# The sound's box, muted: its ten segments grey.
muted_shown() { e2e_area "$1" 583 114 274 14 "rgb(90,90,90)" 3% 2500; }

(cd "$E2E_GAME_DIR" && exec ./velmarch --windowed 2>"$E2E_WORK/stderr.log" > >(exec true)) &
E2E_GAME_PID=$!
e2e_wait_screen 80 "the title in a window" in_window title_ready
e2e_key F11
e2e_wait_screen 20 "the title on the full screen" on_full_screen title_ready
e2e_key alt+Return
e2e_wait_screen 20 "the title in a window again" in_window title_ready
[ "$(settings)" = "mute=no volume=100 fullscreen=no " ] || e2e_fail "settings: $(settings)"
e2e_key m
e2e_wait_screen 10 "the muted sound's box" in_window muted_shown
[ "$(settings)" = "mute=yes volume=100 fullscreen=no " ] || e2e_fail "settings: $(settings)"

e2e_play 20 "Max" in_window name_entry_shown
e2e_wait_screen 40 "the game's field in a window" in_window field_shown
[ "$(tr -d '\r\n' <"$data/Info.data")" = Max ] || e2e_fail "the name entry took $(cat "$data/Info.data")"
e2e_key F11
e2e_wait_screen 20 "the field on the full screen, unpaused" on_full_screen field_shown
e2e_key p
e2e_wait_screen 10 "the pause on the full screen" on_full_screen pause_shown
e2e_key F11
e2e_wait_screen 20 "the pause in a window" in_window pause_shown
e2e_key alt+Return
e2e_wait_screen 20 "the pause on the full screen again" on_full_screen pause_shown
[ "$(settings)" = "mute=yes volume=100 fullscreen=yes " ] || e2e_fail "settings: $(settings)"
e2e_key Escape
# The fresh start runs in the same process; its arguments name the screen the game ended on.
args() { tr '\0' ' ' <"/proc/$E2E_GAME_PID/cmdline" 2>/dev/null; }
for ((wait = 0; wait < 600 * E2E_PATIENCE; ++wait)); do
    [[ $(args) == *--fullscreen* ]] && break
    e2e_running || e2e_fail "the game ended instead of starting anew"
    sleep 0.1
done
[[ $(args) == *--fullscreen* ]] || e2e_fail "the fresh start is not on the full screen: $(args)"
e2e_log "passed"
