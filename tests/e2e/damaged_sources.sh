#!/usr/bin/env bash
# Spoiled content from start-up to quitting: pictures, fonts and sounds cut, emptied, garbage or
# folders, the looping music cut short, the list and the credits links to endless devices, the
# audio driver the program's own choice. Every screen still shows, endless files are read to their
# bounds only, and key 6 closes the menu with its animation and ends cleanly without a flood.
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
ln -sf /dev/urandom "$sources/Data/Highscores.data"
ln -sf /dev/zero "$sources/Text/Credits/Topics.txt"
ln -sf /dev/urandom "$sources/Text/Credits/Names.txt"
unset ALSOFT_DRIVERS

first_name_shown() { e2e_area "$1" 730 225 400 36 "rgb(0,255,255)" 8% 40; }

e2e_start
e2e_wait_screen 20 "the loading screen" loading_shown
e2e_wait_screen 80 "the title" title_ready
e2e_key 5
e2e_wait_screen 90 "the first places of the list" places_shown 3
e2e_escape_to 60 "the menu after the highscores" menu_shown
e2e_key 4
e2e_wait_screen 90 "the credits' first name" first_name_shown
e2e_escape_to 120 "the menu after the credits" menu_shown
peak=$(awk '/^VmHWM/ {print $2}' "/proc/$E2E_GAME_PID/status")
e2e_log "peak memory ${peak} KiB"
[ "${peak:-0}" -lt $((1024 * 1024)) ] || e2e_fail "peak memory ${peak} KiB"
[ "$(grep -c '^Velmarch: .* was ignored$' "$E2E_WORK/stderr.log")" -ge 3 ] ||
    e2e_fail "no note that the files were cut"

e2e_key 6
pressed=$SECONDS
# The closing animation may fall between two screenshots on a loaded machine: the time counts.
e2e_clean_exit 15 20
((SECONDS - pressed >= 2)) || e2e_fail "ended without its closing animation"
# Saving the list must not follow its link onto the device.
[ -c /dev/urandom ] || e2e_fail "saving the list replaced /dev/urandom"
e2e_log "passed"
