#!/usr/bin/env bash
# A read-only game folder, every sound and the music a folder: the list shows and C empties the
# screen but not the file, the name is not stored yet the game starts, and the program ends
# cleanly, silent, with one line on standard error per failed save and per bad sound.
#   hostile_folder.sh GAME_DIR
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
data=$E2E_GAME_DIR/sources/Data
mkdir -p "$data"
while read -r file; do
    rm "$file" && mkdir "$file"
done < <(find "$E2E_GAME_DIR/sources/Sounds" "$E2E_GAME_DIR/sources/Music" -type f)
stored=$'3\nAlpha\n5300\n812\nBravo\n2100\n340\nCharlie\n900\n75'
printf '%s' "$stored" >"$data/Highscores.data"
chmod a-w "$data" "$E2E_GAME_DIR/sources"
saves() { grep -c 'cannot save' "$E2E_WORK/stderr.log"; }

e2e_start
e2e_wait_screen 60 "the menu" title_ready
e2e_key 5
e2e_wait_screen 20 "three highscore rows" highscore_rows_shown 3
e2e_key c
e2e_wait_screen 10 "the empty list" highscore_rows_shown 0
e2e_escape_to 30 "the menu after the highscores" menu_shown
[ "$(cat "$data/Highscores.data")" = "$stored" ] || e2e_fail "a read-only list changed"
[ "$(saves)" -eq 1 ] || e2e_fail "not one report for the list"

e2e_play 20 "Stille"
e2e_wait_screen 60 "the field with its HUD" field_shown
[ ! -e "$data/Info.data" ] || e2e_fail "a name was stored"
[ "$(saves)" -eq 2 ] || e2e_fail "not one report for the name"
e2e_escape_to 60 "a fresh title screen" title_ready
e2e_key 6
e2e_clean_exit 20
[ "$(cat "$data/Highscores.data")" = "$stored" ] || e2e_fail "the game changed a read-only list"

# Loads of bad files: the music and the menu's click (twice: before and after the game), the
# page's click, the name entry's two and the game's eight. (The X server without vertical sync
# says so once per window.)
guarded='^Failed to open sound file "sources/(Sounds|Music)/.*" \(not a readable file\)$'
other=$(grep -v -E "$guarded|cannot save|^Setting vertical sync not supported$" "$E2E_WORK/stderr.log")
[ -z "$other" ] || e2e_fail "other lines on standard error: $other"
lines=$(grep -c -E "$guarded" "$E2E_WORK/stderr.log")
[ "$lines" -eq 15 ] || e2e_fail "$lines lines about bad sound files, 15 expected"
chmod u+w "$data" "$E2E_GAME_DIR/sources"
e2e_log "passed"
