#!/usr/bin/env bash
# Start-up to quitting: the loading screen, the menu, key 6 and a clean exit.
#   menu.sh GAME_DIR [--without-sources | --damaged-sources] [--system-audio]
# --damaged-sources spoils every picture, font, sound and the music in turn: cut in half, empty,
# garbage, or a folder in place of the file. --system-audio leaves the audio driver to the
# program (on a machine without a sound device it must fall back to silence quietly).
source "$(dirname "$0")/lib.sh"
without=""
damaged=""
systemAudio=""
for option in "${@:2}"; do
    case $option in
    --without-sources) without=$option ;;
    --damaged-sources) damaged=1 ;;
    --system-audio) systemAudio=1 ;;
    *) e2e_fail "unknown option $option" ;;
    esac
done
e2e_setup "$1" $without
if [ -n "$damaged" ]; then
    n=0
    while read -r file; do
        case $((n++ % 4)) in
        0) truncate -s $(($(stat -c %s "$file") / 2)) "$file" ;;
        1) : >"$file" ;;
        2) head -c 3000 /dev/urandom >"$file" ;;
        3) rm "$file" && mkdir "$file" ;;
        esac
    done < <(find "$E2E_GAME_DIR/sources/Images" "$E2E_GAME_DIR/sources/Fonts" \
        "$E2E_GAME_DIR/sources/Sounds" -type f | sort)
    # The music streams and loops: cut off after a moment of sound, it wraps again and again.
    find "$E2E_GAME_DIR/sources/Music" -type f -exec truncate -s 20000 {} +
    e2e_log "damaged $n files and cut the music short"
fi
[ -z "$systemAudio" ] || unset ALSOFT_DRIVERS

e2e_start
e2e_wait_screen 20 "the loading screen" loading_shown
e2e_wait_screen 60 "the menu" menu_shown
e2e_wait_screen 20 "the footer" menu_footer_shown

e2e_key 6
pressed=$SECONDS
# The panels close over the entries and the screen fades to black before the program ends.
e2e_wait_screen 15 "the panels closing" menu_covered
e2e_wait_exit 15
[ "$E2E_EXIT" -eq 0 ] || e2e_fail "exit code $E2E_EXIT"
(( SECONDS - pressed >= 2 )) || e2e_fail "ended without its closing animation"
e2e_quiet_stderr 20
e2e_log "passed"
