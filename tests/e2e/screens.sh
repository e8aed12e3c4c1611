#!/usr/bin/env bash
# The program's screens in one run, from a folder without player data: loading, menu, the three
# pages, the name entry left with Escape, the highscores shown and emptied with C (saved on
# closing), a name stored, and a game through its loading screen, curtain, door, field, pause,
# closing to black and the fresh title. The loader echoes level 1's keyword lines.
#   screens.sh GAME_DIR
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
data=$E2E_GAME_DIR/sources/Data
rm -rf "$data"
text=$E2E_GAME_DIR/sources/Text
printf 'Die Front\r\n' >"$text/Story/Story.txt"
printf 'Zeile %s\r\n' 1 2 3 4 5 6 7 8 >"$text/HowToPlay/How To Play.txt"
printf 'Idee\r\n' >"$text/Credits/Topics.txt"
printf 'A. Autor\r\n' >"$text/Credits/Names.txt"
bytes() { od -An -c "$1" 2>/dev/null | tr -s ' '; }

# red_rows_shown "Y..." SHOT: red text from x 50 on each of the rows starting at these y.
red_rows_shown() {
    local y
    for y in $1; do e2e_area "$2" 50 "$y" 300 24 "rgb(255,0,0)" 8% 40 || return 1; done
}
story_shown() { red_rows_shown 100 "$1" && ! red_rows_shown 130 "$1"; }
instructions_shown() { red_rows_shown "100 130 310" "$1"; }
# A credits pair beside the middle: red topic ending at x 710, cyan name from x 730.
credits_shown() {
    e2e_area "$1" 560 225 150 36 "rgb(255,0,0)" 8% 40 && e2e_area "$1" 730 225 150 36 "rgb(0,255,255)" 8% 40
}
# The curtain: the panels hidden and the white inner edges of its halves.
curtain_shown() {
    e2e_area "$1" 40 300 280 200 "rgb(0,100,0)" 3% 0 999 && e2e_area "$1" 0 95 1440 10 "rgb(255,255,255)" 2% 80
}
# The door: no curtain edges and the top of the left panel (covered longest) hidden.
door_shown() {
    e2e_area "$1" 40 30 280 40 "rgb(0,100,0)" 3% 0 99 && e2e_area "$1" 0 95 1440 10 "rgb(255,255,255)" 2% 0 19
}
all_black() { [ "$(convert "$1" -colorspace Gray -format "%[fx:int(255*maxima)]" info:)" -le 8 ]; }
# A loaded machine may miss a short stage between two screenshots: the next stage counts too.
opening_shown() { curtain_shown "$1" || door_shown "$1" || field_shown "$1"; }
closed() { all_black "$1" || loading_shown "$1" || menu_shown "$1"; }
closing_shown() { door_shown "$1" || curtain_shown "$1" || closed "$1"; }
game_loading() { loading_shown "$1" || opening_shown "$1"; }

e2e_start
e2e_wait_screen 20 "the loading screen" loading_shown
e2e_wait_screen 80 "the title" title_ready
for page in "2 story_shown" "3 instructions_shown" "4 credits_shown"; do
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
e2e_wait_screen 10 "the empty list" highscore_rows_shown 0
[ "$(cat "$data/Highscores.data")" = "$stored" ] || e2e_fail "the file changed before the screen closed"
e2e_escape_to 20 "the menu after the highscores" menu_shown
[ "$(bytes "$data/Highscores.data")" = " 0 \n" ] || e2e_fail "file after clearing: $(bytes "$data/Highscores.data")"

e2e_key 1
e2e_wait_screen 20 "the name entry again" name_entry_shown
# The hyphen is refused, the x taken back.
e2e_type "Ace 7-x"
e2e_key BackSpace Return
e2e_wait_screen 30 "the game's loading screen or its opening" game_loading
[ "$(bytes "$data/Info.data")" = " A c e 7 \n" ] || e2e_fail "stored name: $(bytes "$data/Info.data")"
e2e_wait_screen 20 "the curtain or the door opening" opening_shown
e2e_wait_screen 10 "the field with its HUD" field_shown
e2e_key p
e2e_wait_screen 10 "the pause overlay" pause_shown
e2e_key p
e2e_wait_screen 10 "the field again" field_shown
e2e_key Escape
e2e_wait_screen 10 "the door or the curtain closing" closing_shown
e2e_wait_screen 20 "the black of the closing" closed
e2e_wait_screen 90 "the fresh title" title_ready
keywords='^(tower|track|block|item|soldier)$'
expected=$(grep -E "$keywords" "$E2E_GAME_DIR/sources/Levels/Level_1.txt" | tr -d '\r')
[ -n "$expected" ] && [ "$(grep -E "$keywords" "$E2E_WORK/stdout.log")" = "$expected" ] ||
    e2e_fail "standard output holds other keyword lines than level 1's"
e2e_key 6
# Software graphics without vertical sync say so once per window, that is once per start.
e2e_clean_exit 20 21
e2e_log "passed"
