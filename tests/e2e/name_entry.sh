#!/usr/bin/env bash
# Key 1 asks for a name: Escape leads back to the menu without one; letters, digits and blanks
# followed by Enter are stored for the game, without the digit that opened the screen. On a
# fresh install the data folder is created.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/screens_lib.sh"
e2e_setup "$1"
data=$E2E_GAME_DIR/sources/Data
rm -rf "$data"

e2e_start
e2e_wait_screen 60 "the menu" menu_shown
e2e_wait_screen 20 "the footer" menu_footer_shown

e2e_key 1
e2e_wait_screen 20 "the name entry" name_entry_shown
e2e_key Escape
e2e_wait_screen 20 "the menu after Escape" menu_shown
[ ! -e "$data/Info.data" ] || e2e_fail "Escape stored a name"

e2e_key 1
e2e_wait_screen 20 "the name entry again" name_entry_shown
# The hyphen is refused, the x taken back.
e2e_type "Ace 7-x"
e2e_key BackSpace Return
for _ in $(seq 50); do
    [ -s "$data/Info.data" ] && break
    sleep 0.2
done
[ "$(od -An -c "$data/Info.data" | tr -s ' ')" = " A c e 7 \n" ] ||
    e2e_fail "stored name: $(od -An -c "$data/Info.data" 2>/dev/null)"
# The highscore list, opened while the screen ran, was written back into the new folder.
[ "$(od -An -c "$data/Highscores.data" | tr -s " ")" = " 0 \n" ] || e2e_fail "no empty highscore list after the name entry"
e2e_log "passed"
