#!/usr/bin/env bash
# Game after game in one run. The first game passes every stage: the name entry, the game's
# loading screen, the curtain and the door opening on the field and its HUD, pause and resume,
# Escape with its closing transition to black; the loader echoes level 1's keyword lines. Each
# game (a name, the field, Escape) is followed by the fresh title screen the program starts anew
# into. Starting anew must not pile up processes, open files or memory: at the end one game
# process is left, no zombie, as many open files as after the first game, and resident memory
# within 10% of what it was early on. Aborted games record no highscore.
#   many_games.sh GAME_DIR [GAMES]   (default 2)
source "$(dirname "$0")/lib.sh"
games=${2:-2}
# Memory after the last game is compared with that after game 5 in a long run (past any warm-up),
# after an early game in a short one.
reference=$((games >= 10 ? 5 : games >= 3 ? 2 : 1))

# The curtain over the screen: the panels hidden and the white inner edges of its halves.
curtain_shown() {
    [ "$(e2e_count "$1" 40 300 280 200 "rgb(0,100,0)" 3%)" -lt 1000 ] &&
        [ "$(e2e_count "$1" 0 95 1440 10 "rgb(255,255,255)" 2%)" -ge 80 ]
}
# The door over the screen, once the curtain has gone: no curtain edges and the top of the left
# panel hidden (the leaves open from the middle, so the top stays covered longest).
door_shown() {
    [ "$(e2e_count "$1" 40 30 280 40 "rgb(0,100,0)" 3%)" -lt 100 ] &&
        [ "$(e2e_count "$1" 0 95 1440 10 "rgb(255,255,255)" 2%)" -lt 20 ]
}
all_black() { [ "$(convert "$1" -colorspace Gray -format "%[fx:int(255*maxima)]" info:)" -le 8 ]; }
# The curtain and the door last about 2.6 s each and the black a moment: a loaded machine may take
# its screenshots too slowly to catch one, so the next stage counts too.
opening_shown() { curtain_shown "$1" || door_shown "$1" || field_shown "$1"; }
closed() { all_black "$1" || loading_shown "$1" || menu_shown "$1"; }
closing_shown() { door_shown "$1" || curtain_shown "$1" || closed "$1"; }
# The pause overlay: black but for its two lines at y 400 and 500.
pause_shown() {
    [ "$(e2e_count "$1" 0 0 1440 390 "rgb(0,0,0)" 2%)" -ge $((1440 * 390 - 10)) ] &&
        [ "$(e2e_count "$1" 300 395 840 70 "rgb(255,255,255)" 8%)" -ge 200 ] &&
        [ "$(e2e_count "$1" 300 495 840 60 "rgb(255,255,255)" 8%)" -ge 100 ] &&
        [ "$(e2e_count "$1" 0 600 1440 300 "rgb(0,0,0)" 2%)" -ge $((1440 * 300 - 10)) ]
}

# Processes running this copy of the program (the pid survives starting anew).
game_processes() {
    local exe
    for exe in /proc/[0-9]*/exe; do
        [ "$(readlink "$exe" 2>/dev/null)" = "$E2E_GAME_DIR/velmarch" ] && echo "${exe//[^0-9]/}"
    done
}
resident_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$E2E_GAME_PID/status"; }
open_files() { find "/proc/$E2E_GAME_PID/fd" -mindepth 1 | wc -l; }
zombies() { ps -o stat= --ppid "$E2E_GAME_PID" | grep -c '^Z'; }

e2e_setup "$1"
scores=$E2E_GAME_DIR/sources/Data/Highscores.data
e2e_start
started=$SECONDS
for ((game = 1; game <= games; game++)); do
    ((game > 1)) || e2e_wait_screen 90 "the title" title_ready
    e2e_key 1
    e2e_wait_screen 60 "the name entry" name_entry_shown
    e2e_type "Runde $game"
    e2e_key Return
    if ((game == 1)); then
        e2e_wait_screen 20 "the game's loading screen" loading_shown
        e2e_wait_screen 20 "the curtain or the door opening" opening_shown
        e2e_wait_screen 10 "the field with its HUD" field_shown
        e2e_key p
        e2e_wait_screen 10 "the pause overlay" pause_shown
        e2e_key p
        e2e_wait_screen 10 "the field again" field_shown
        e2e_key Escape
        e2e_wait_screen 10 "the door or the curtain closing" closing_shown
        e2e_wait_screen 20 "the black of the closing" closed
    else
        e2e_wait_screen 90 "the field of game $game" field_open
    fi
    e2e_escape_to 90 "the title after game $game" title_ready
    rss[game]=$(resident_kb)
    fds[game]=$(open_files)
    e2e_log "game $game done: resident ${rss[game]} kB, ${fds[game]} open files"
    if ((game == 1)); then
        keywords='^(tower|track|block|item|soldier)$'
        expected=$(grep -E "$keywords" "$E2E_GAME_DIR/sources/Levels/Level_1.txt" | tr -d '\r')
        [ -n "$expected" ] && [ "$(grep -E "$keywords" "$E2E_WORK/stdout.log")" = "$expected" ] ||
            e2e_fail "standard output holds other keyword lines than level 1's"
    fi
done
e2e_log "$games games in $((SECONDS - started)) s"

processes=$(game_processes | wc -l)
[ "$processes" -eq 1 ] || e2e_fail "$processes game processes: $(game_processes | tr '\n' ' ')"
[ "$(zombies)" -eq 0 ] || e2e_fail "zombies left: $(ps -o pid=,stat=,comm= --ppid "$E2E_GAME_PID")"
[ "${fds[games]}" -le "${fds[1]}" ] || e2e_fail "open files grew from ${fds[1]} to ${fds[games]}"
last=${rss[games]} early=${rss[reference]}
((last * 10 <= early * 11)) ||
    e2e_fail "resident memory grew from $early kB after game $reference to $last kB"
# Aborted games record nothing; the list is written back as it was every time.
[ "$(od -An -c "$scores" | tr -s ' ')" = " 0 \n" ] || e2e_fail "highscores: $(od -An -c "$scores")"

e2e_key 6
e2e_wait_exit 20
[ "$E2E_EXIT" -eq 0 ] || e2e_fail "exit code $E2E_EXIT"
# Software graphics without vertical sync say so once per window, that is once per start.
e2e_quiet_stderr $((20 + games))
e2e_log "passed"
