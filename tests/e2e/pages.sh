#!/usr/bin/env bash
# Keys 2, 3 and 4 open the story, the instructions and the credits; each types or slides in its
# text and goes back to the menu with Escape.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/screens_lib.sh"
e2e_setup "$1"
# Short texts of known layout keep the openings brief.
text=$E2E_GAME_DIR/sources/Text
mkdir -p "$text/Story" "$text/HowToPlay" "$text/Credits"
printf 'Die Front\r\n' >"$text/Story/Story.txt"
printf 'Zeile %s\r\n' 1 2 3 4 5 6 7 8 >"$text/HowToPlay/How To Play.txt"
printf 'Idee\r\n' >"$text/Credits/Topics.txt"
printf 'A. Autor\r\n' >"$text/Credits/Names.txt"

e2e_start
e2e_wait_screen 60 "the menu" menu_shown
e2e_wait_screen 20 "the footer" menu_footer_shown

story_shown() { red_rows_shown 100 "$1" && ! red_rows_shown 130 "$1"; }
e2e_key 2
e2e_wait_screen 20 "the story" story_shown
e2e_key Escape
e2e_wait_screen 30 "the menu after the story" menu_shown

# Eight lines 30 pixels apart: the last starts at y 310.
e2e_key 3
e2e_wait_screen 20 "the instructions" red_rows_shown "100 130 310"
e2e_key Escape
e2e_wait_screen 30 "the menu after the instructions" menu_shown

e2e_key 4
e2e_wait_screen 20 "the credits" credits_pair_shown
e2e_key Escape
e2e_wait_screen 30 "the menu after the credits" menu_shown

e2e_key 6
e2e_wait_exit 15
[ "$E2E_EXIT" -eq 0 ] || e2e_fail "exit code $E2E_EXIT"
e2e_quiet_stderr 20
e2e_log "passed"
