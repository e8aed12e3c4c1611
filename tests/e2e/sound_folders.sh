#!/usr/bin/env bash
# Every sound file and the music replaced by a folder (which the audio library would read
# forever): a page, the name entry and a game still run and end cleanly, in silence, with one
# line on standard error for each load of a bad file.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/screens_lib.sh"
e2e_setup "$1"
while read -r file; do
    rm "$file" && mkdir "$file"
done < <(find "$E2E_GAME_DIR/sources/Sounds" "$E2E_GAME_DIR/sources/Music" -type f)

e2e_start
e2e_wait_screen 60 "the menu" menu_shown
e2e_key 5
e2e_wait_screen 20 "the highscores" highscores_empty_shown
e2e_key Escape
e2e_wait_screen 30 "the menu after the highscores" menu_shown

e2e_key 1
e2e_wait_screen 20 "the name entry" name_entry_shown
e2e_type "Stille"
e2e_key Return
e2e_wait_screen 60 "the field with its HUD" field_shown
# Keys pressed while the door still opens are not read: press again until the game closes.
field_gone() { ! field_shown "$1"; }
for try in 1 2 3 4 5; do
    e2e_key Escape
    sleep 1
    e2e_shot "$E2E_WORK/after-escape.png"
    field_gone "$E2E_WORK/after-escape.png" && break
done
e2e_wait_screen 60 "a fresh title screen" menu_shown
e2e_key 6
e2e_wait_exit 20
[ "$E2E_EXIT" -eq 0 ] || e2e_fail "exit code $E2E_EXIT"

# Loads of bad files: the music and the menu's click (twice: before and after the game), the
# page's click, the name entry's two and the game's eight.
# (The X server without vertical sync says so once per window.)
guarded='^Failed to open sound file "sources/(Sounds|Music)/.*" \(not a readable file\)$'
other=$(grep -v -E "$guarded" "$E2E_WORK/stderr.log" | grep -v -c '^Setting vertical sync not supported$')
[ "$other" -eq 0 ] || e2e_fail "$other other lines on standard error"
lines=$(grep -c -E "$guarded" "$E2E_WORK/stderr.log")
[ "$lines" -eq 15 ] || e2e_fail "$lines lines about bad sound files, 15 expected"
e2e_log "passed"
