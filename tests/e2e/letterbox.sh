#!/usr/bin/env bash
# On a screen without a 1440 x 900 mode (here 1600 x 1200) the game still fills the screen: the
# layout is scaled by 10/9 to 1600 x 1000 between black bars of 100 pixels above and below.
source "$(dirname "$0")/lib.sh"
e2e_own_display 1600x1200
e2e_setup "$1" --without-sources

E2E_SCALE_NUM=10
E2E_SCALE_DEN=9
E2E_BAR=100

e2e_start
e2e_wait_screen 20 "the scaled loading screen" loading_shown
shot=$E2E_WORK/last.png
read -r -a bar < <(e2e_pixels "$shot" "800,50")
read -r -a lowerBar < <(e2e_pixels "$shot" "5,1150")
read -r -a bottomLeft < <(e2e_pixels "$shot" "$(e2e_at 3 896)")
[ "${bar[*]}" = "0 0 0" ] && [ "${lowerBar[*]}" = "0 0 0" ] || e2e_fail "no black bars: ${bar[*]} / ${lowerBar[*]}"
((bottomLeft[1] > 150 && bottomLeft[2] > 150)) || e2e_fail "the layout's cyan corner is not at the screen's edge: ${bottomLeft[*]}"

e2e_wait_screen 60 "the scaled menu" menu_shown
e2e_key 6
e2e_wait_exit 20
[ "$E2E_EXIT" -eq 0 ] || e2e_fail "exit code $E2E_EXIT"
e2e_log "passed"
