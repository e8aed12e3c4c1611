#!/usr/bin/env bash
# A game from the title screen: the name entry, the game's loading screen, the curtain and the
# door opening on the field and its HUD, pause and resume, Escape with its closing transition and
# a fresh title screen. An aborted game records no highscore.
#   game.sh GAME_DIR
source "$(dirname "$0")/lib.sh"

# --- What the game screen shows ---

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

# Nothing but black: the brightest pixel is nearly black.
all_black() {
    [ "$(convert "$1" -colorspace Gray -format "%[fx:int(255*maxima)]" info:)" -le 8 ]
}

# The end of the closing: black, or already the fresh start when the black frames fell between
# two screenshots (a loaded machine takes them slowly).
closed() {
    all_black "$1" || loading_shown "$1" || menu_shown "$1"
}

opening_shown() { curtain_shown "$1" || door_shown "$1" || field_shown "$1"; }
closing_shown() { door_shown "$1" || curtain_shown "$1" || closed "$1"; }

# The pause overlay: black but for its two lines at y 400 and 500.
pause_shown() {
    [ "$(e2e_count "$1" 0 0 1440 390 "rgb(0,0,0)" 2%)" -ge $((1440 * 390 - 10)) ] &&
        [ "$(e2e_count "$1" 300 395 840 70 "rgb(255,255,255)" 8%)" -ge 200 ] &&
        [ "$(e2e_count "$1" 300 495 840 60 "rgb(255,255,255)" 8%)" -ge 100 ] &&
        [ "$(e2e_count "$1" 0 600 1440 300 "rgb(0,0,0)" 2%)" -ge $((1440 * 300 - 10)) ]
}

e2e_setup "$1"
scores="$E2E_GAME_DIR/sources/Data/Highscores.data"
e2e_start
e2e_wait_screen 60 "the menu" menu_shown
e2e_wait_screen 20 "the footer" menu_footer_shown

e2e_key 1
sleep 2 # the name entry fades in
e2e_type "Tester"
e2e_key Return
e2e_wait_screen 20 "the game's loading screen" loading_shown
# The curtain and the door last about 2.6 s each; a loaded machine may take its screenshots too
# slowly to catch them, so the opening counts as seen once either or the field shows.
e2e_wait_screen 20 "the curtain or the door opening" opening_shown
e2e_wait_screen 10 "the field with its HUD" field_shown

e2e_key p
e2e_wait_screen 10 "the pause overlay" pause_shown
e2e_key p
e2e_wait_screen 10 "the field again" field_shown

e2e_key Escape
e2e_wait_screen 10 "the door or the curtain closing" closing_shown
e2e_wait_screen 20 "the black of the closing" closed
e2e_wait_screen 60 "a fresh title screen" menu_shown

# The loader echoed level 1's keyword lines, in the file's order.
keywords='^(tower|track|block|item|soldier)$'
expected=$(grep -E "$keywords" "$E2E_GAME_DIR/sources/Levels/Level_1.txt" | tr -d '\r')
echoed=$(grep -E "$keywords" "$E2E_WORK/stdout.log")
[ -n "$expected" ] || e2e_fail "level 1 has no keyword lines"
[ "$echoed" = "$expected" ] || e2e_fail "standard output holds other keyword lines than level 1's"

# The name entry writes the list back as it was; the aborted game adds nothing.
if [ -f "$scores" ]; then
    [ "$(head -n 1 "$scores" | tr -d '\r')" = "0" ] || e2e_fail "a highscore was recorded: $(cat "$scores")"
fi

e2e_key 6
e2e_wait_exit 20
[ "$E2E_EXIT" -eq 0 ] || e2e_fail "exit code $E2E_EXIT"
e2e_log "passed"
