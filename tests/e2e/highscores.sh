#!/usr/bin/env bash
# Key 5 shows the stored list row by row; C empties it, and after Escape the file holds the
# empty list. With --read-only the game and data folders are marked read-only: the screens work
# the same, the list stays as it was, a name is not stored but the game starts, and each failed
# save is reported in one line.
#   highscores.sh GAME_DIR [--read-only]
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/screens_lib.sh"
e2e_setup "$1"
data=$E2E_GAME_DIR/sources/Data
mkdir -p "$data"

# With --endless-files the list and the credits' texts are links to endless devices: each is read
# only up to its bound, the screens show as usual and the memory stays that of a normal run.
if [ "${2:-}" = --endless-files ]; then
    credits=$E2E_GAME_DIR/sources/Text/Credits
    mkdir -p "$credits"
    ln -sf /dev/urandom "$data/Highscores.data"
    ln -sf /dev/zero "$credits/Topics.txt"
    ln -sf /dev/urandom "$credits/Names.txt"
    top_places_shown() {
        local i
        for i in 0 1 2; do
            [ "$(e2e_count "$1" 100 $((130 + 30 * i)) 40 22 "rgb(255,255,255)" 8%)" -ge 15 ] || return 1
        done
    }
    first_name_shown() { [ "$(e2e_count "$1" 730 225 400 36 "rgb(0,255,255)" 8%)" -ge 40 ]; }
    e2e_start
    e2e_wait_screen 60 "the menu" menu_shown
    e2e_key 5
    e2e_wait_screen 90 "the first places of the list" top_places_shown
    e2e_key Escape
    e2e_wait_screen 60 "the menu after the highscores" menu_shown
    e2e_key 4
    e2e_wait_screen 90 "the credits' first name" first_name_shown
    e2e_key Escape
    e2e_wait_screen 120 "the menu after the credits" menu_shown
    peak=$(awk '/^VmHWM/ {print $2}' "/proc/$E2E_GAME_PID/status")
    e2e_log "peak memory ${peak} KiB"
    [ "${peak:-0}" -lt $((1024 * 1024)) ] || e2e_fail "peak memory ${peak} KiB"
    [ "$(grep -c '^Velmarch: .* was ignored$' "$E2E_WORK/stderr.log")" -ge 3 ] ||
        e2e_fail "no note that the files were cut"
    e2e_key 6
    e2e_wait_exit 30
    [ "$E2E_EXIT" -eq 0 ] || e2e_fail "exit code $E2E_EXIT"
    # Saving the list must not follow its link onto the device.
    [ -c /dev/urandom ] || e2e_fail "saving the list replaced /dev/urandom"
    e2e_log "passed"
    exit 0
fi
stored=$'3\nAlpha\n5300\n812\nBravo\n2100\n340\nCharlie\n900\n75'
printf '%s' "$stored" >"$data/Highscores.data"
readOnly=${2:-}
[ -z "$readOnly" ] || chmod a-w "$data" "$E2E_GAME_DIR/sources"

e2e_start
e2e_wait_screen 60 "the menu" menu_shown
e2e_wait_screen 20 "the footer" menu_footer_shown

e2e_key 5
e2e_wait_screen 20 "three highscore rows" highscore_rows_shown 3
e2e_key c
e2e_wait_screen 10 "the empty list" highscores_empty_shown
[ "$(cat "$data/Highscores.data")" = "$stored" ] || e2e_fail "the file changed before the screen closed"
e2e_key Escape
e2e_wait_screen 20 "the menu after the highscores" menu_shown
if [ -z "$readOnly" ]; then
    [ "$(od -An -c "$data/Highscores.data" | tr -s ' ')" = " 0 \n" ] ||
        e2e_fail "file after clearing: $(od -An -c "$data/Highscores.data")"
else
    [ "$(cat "$data/Highscores.data")" = "$stored" ] || e2e_fail "a read-only list changed"
    [ "$(grep -c 'cannot save' "$E2E_WORK/stderr.log")" -eq 1 ] || e2e_fail "not one report"
    # A name that cannot be stored still starts the game.
    e2e_key 1
    e2e_wait_screen 30 "the name entry" name_entry_shown
    e2e_type "Nur Lesen"
    e2e_key Return
    e2e_wait_screen 90 "the game" field_open
    [ ! -e "$data/Info.data" ] || e2e_fail "a name was stored"
    [ "$(grep -c 'cannot save' "$E2E_WORK/stderr.log")" -eq 2 ] || e2e_fail "not one report for the name"
    chmod u+w "$data" "$E2E_GAME_DIR/sources"
    e2e_log "passed"
    exit 0
fi

e2e_key 6
e2e_wait_exit 15
[ "$E2E_EXIT" -eq 0 ] || e2e_fail "exit code $E2E_EXIT"
e2e_log "passed"
