#!/usr/bin/env bash
# On a screen without a 1440 x 900 mode (here 1600 x 1200) the game still fills the screen: the
# layout is scaled by 10/9 to 1600 x 1000 between black bars of 100 pixels above and below.
source "$(dirname "$0")/lib.sh"
e2e_own_display 1600x1200
e2e_setup "$1" --without-sources

# Layout pixel (x, y) -> screen pixel.
at() { echo "$(($1 * 10 / 9)),$(($2 * 10 / 9 + 100))"; }

boxes_scaled() {
    local points="" i colour
    for i in 0 1 2 3 4 5 6 7 8 9; do points+="$(at $((370 + 72 * i)) 710) "; done
    while read -r colour; do
        [ "$colour" = "0 255 255" ] || [ "$colour" = "150 150 150" ] || return 1
    done < <(e2e_pixels "$1" "$points")
}

entries_scaled() {
    local row
    for row in 0 1 2 3 4 5; do
        [ "$(e2e_count "$1" 400 $((100 + (200 + 50 * row) * 10 / 9)) 500 45 "rgb(255,0,0)" 8%)" -ge 30 ] ||
            return 1
    done
}

e2e_start
e2e_wait_screen 20 "the scaled loading screen" boxes_scaled
shot=$E2E_WORK/last.png
read -r -a bar < <(e2e_pixels "$shot" "800,50")
read -r -a lowerBar < <(e2e_pixels "$shot" "5,1150")
read -r -a bottomLeft < <(e2e_pixels "$shot" "$(at 3 896)")
[ "${bar[*]}" = "0 0 0" ] && [ "${lowerBar[*]}" = "0 0 0" ] || e2e_fail "no black bars: ${bar[*]} / ${lowerBar[*]}"
((bottomLeft[1] > 150 && bottomLeft[2] > 150)) || e2e_fail "the layout's cyan corner is not at the screen's edge: ${bottomLeft[*]}"

e2e_wait_screen 60 "the scaled menu" entries_scaled
e2e_key 6
e2e_wait_exit 20
[ "$E2E_EXIT" -eq 0 ] || e2e_fail "exit code $E2E_EXIT"
e2e_log "passed"
