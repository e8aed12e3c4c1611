#!/usr/bin/env bash
# Spoiled content from start-up to quitting: pictures, fonts and sounds cut, emptied, garbage or
# folders, the looping music cut short, FIFOs without a writer in place of the name, the list, the
# levels and the text pages, the audio driver the program's own choice. Every screen still shows
# within seconds, a game starts on an empty field, nothing is saved over a FIFO, and key 6 closes
# the menu with its animation and ends cleanly without a flood.
#   damaged_sources.sh GAME_DIR
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
sources=$E2E_GAME_DIR/sources
n=0
while read -r file; do
    case $((n++ % 4)) in
    0) truncate -s $(($(stat -c %s "$file") / 2)) "$file" ;;
    1) : >"$file" ;;
    2) head -c 3000 /dev/urandom >"$file" ;;
    3) rm "$file" && mkdir "$file" ;;
    esac
done < <(find "$sources/Images" "$sources/Fonts" "$sources/Sounds" -type f | sort)
find "$sources/Music" -type f -exec truncate -s 20000 {} +
mkdir -p "$sources/Data"
fifos=("$sources/Data/Info.data" "$sources/Data/Highscores.data" "$sources"/Levels/Level_*.txt
       "$sources"/Text/*/*.txt)
[ ${#fifos[@]} -eq 11 ] || e2e_fail "not 11 data, level and page files: ${fifos[*]}"
for file in "${fifos[@]}"; do
    rm -f "$file" && mkfifo "$file" || e2e_fail "cannot make a FIFO at $file"
done
unset ALSOFT_DRIVERS

# A page: its white title at the top, the menu gone.
page_shown() { e2e_area "$1" 400 10 640 60 "rgb(255,255,255)" 8% 200 && ! menu_shown "$1"; }

e2e_start
e2e_wait_screen 20 "the loading screen" loading_shown
e2e_wait_screen 80 "the title" title_ready
# Every screen within a few seconds of its key (on a quiet machine).
e2e_key 5
e2e_wait_screen 5 "the empty list" highscore_rows_shown 0
e2e_escape_to 10 "the menu after the highscores" menu_shown
for page in 2 3 4; do
    e2e_key $page
    e2e_wait_screen 5 "page $page" page_shown
    e2e_escape_to 10 "the menu after page $page" menu_shown
done
e2e_play 5 "Rohr"
e2e_wait_screen 20 "the empty field" field_shown
e2e_escape_to 30 "a fresh title screen" title_ready
peak=$(awk '/^VmHWM/ {print $2}' "/proc/$E2E_GAME_PID/status")
e2e_log "peak memory ${peak} KiB"
[ "${peak:-0}" -lt $((1024 * 1024)) ] || e2e_fail "peak memory ${peak} KiB"

e2e_key 6
pressed=$SECONDS
# The closing animation may fall between two screenshots on a loaded machine: the time counts.
# Each bad file read says so in a line or two, each time a screen loads it: about 160 lines.
e2e_clean_exit 15 200
((SECONDS - pressed >= 2)) || e2e_fail "ended without its closing animation"
for file in "${fifos[@]}"; do
    [ -p "$file" ] || e2e_fail "$file is no longer a FIFO"
done
# The list is kept, not saved over, each time a screen held it, and the name is not stored.
grep -q 'cannot save .*Highscores.data: it could not be read' "$E2E_WORK/stderr.log" ||
    e2e_fail "no note that the list was kept"
grep -q 'cannot save .*Info.data' "$E2E_WORK/stderr.log" || e2e_fail "no note that the name was not stored"
e2e_log "passed"
