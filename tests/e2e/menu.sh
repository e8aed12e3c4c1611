#!/usr/bin/env bash
# Start-up to quitting: the loading screen, the menu, key 6 and a clean exit.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "${2:-}"

e2e_start
e2e_wait_screen 20 "the loading screen" loading_shown
e2e_wait_screen 60 "the menu" menu_shown
e2e_wait_screen 20 "the footer" menu_footer_shown

e2e_key 6
pressed=$SECONDS
# The panels close and the screen fades to black before the program ends.
e2e_wait_screen 15 "the black screen of the closing" black_shown
e2e_wait_exit 15
[ "$E2E_EXIT" -eq 0 ] || e2e_fail "exit code $E2E_EXIT"
(( SECONDS - pressed >= 2 )) || e2e_fail "ended without its closing animation"
e2e_quiet_stderr 20
e2e_log "passed"
