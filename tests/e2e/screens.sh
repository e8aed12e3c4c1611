#!/usr/bin/env bash
# The menu's screens in one run, from a folder without player data: the loading screen and the
# menu; keys 2, 3 and 4 type or slide in the story, the instructions and the credits; key 1 asks
# for a name and Escape leads back without one, the list written back into a new data folder;
# key 5 shows the stored list row by row and C empties it, saved when the screen closes; then a
# name of letters, digits and blanks is stored, without the digit that opened the screen, and the
# game loads.
#   screens.sh GAME_DIR
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
data=$E2E_GAME_DIR/sources/Data
rm -rf "$data"
# Short texts of known layout keep the openings brief.
text=$E2E_GAME_DIR/sources/Text
printf 'Die Front\r\n' >"$text/Story/Story.txt"
printf 'Zeile %s\r\n' 1 2 3 4 5 6 7 8 >"$text/HowToPlay/How To Play.txt"
printf 'Idee\r\n' >"$text/Credits/Topics.txt"
printf 'A. Autor\r\n' >"$text/Credits/Names.txt"
bytes() { od -An -c "$1" 2>/dev/null | tr -s ' '; }

e2e_start
e2e_wait_screen 20 "the loading screen" loading_shown
e2e_wait_screen 60 "the menu" menu_shown
e2e_wait_screen 20 "the footer" menu_footer_shown

story_shown() { red_rows_shown 100 "$1" && ! red_rows_shown 130 "$1"; }
# Eight lines 30 pixels apart: the last starts at y 310.
instructions_shown() { red_rows_shown "100 130 310" "$1"; }
for page in "2 story_shown" "3 instructions_shown" "4 credits_pair_shown"; do
    e2e_key "${page% *}"
    e2e_wait_screen 20 "page ${page% *}" "${page#* }"
    e2e_escape_to 30 "the menu after page ${page% *}" menu_shown
done

e2e_key 1
e2e_wait_screen 20 "the name entry" name_entry_shown
e2e_escape_to 20 "the menu after Escape" menu_shown
[ ! -e "$data/Info.data" ] || e2e_fail "Escape stored a name"
[ "$(bytes "$data/Highscores.data")" = " 0 \n" ] || e2e_fail "no empty list in the new data folder"

stored=$'3\nAlpha\n5300\n812\nBravo\n2100\n340\nCharlie\n900\n75'
printf '%s' "$stored" >"$data/Highscores.data"
e2e_key 5
e2e_wait_screen 20 "three highscore rows" highscore_rows_shown 3
e2e_key c
e2e_wait_screen 10 "the empty list" highscores_empty_shown
[ "$(cat "$data/Highscores.data")" = "$stored" ] || e2e_fail "the file changed before the screen closed"
e2e_escape_to 20 "the menu after the highscores" menu_shown
[ "$(bytes "$data/Highscores.data")" = " 0 \n" ] || e2e_fail "file after clearing: $(bytes "$data/Highscores.data")"

e2e_key 1
e2e_wait_screen 20 "the name entry again" name_entry_shown
# The hyphen is refused, the x taken back.
e2e_type "Ace 7-x"
e2e_key BackSpace Return
e2e_wait_screen 30 "the game's loading screen" loading_shown
[ "$(bytes "$data/Info.data")" = " A c e 7 \n" ] || e2e_fail "stored name: $(bytes "$data/Info.data")"
e2e_quiet_stderr 20
e2e_log "passed"
