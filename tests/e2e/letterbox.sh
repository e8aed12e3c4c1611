#!/usr/bin/env bash
# On a 1600 x 1200 screen the layout is scaled by 10/9 between black bars of 100 pixels, and
# sharp; without sources/ nothing stops the game nor floods standard error.
source "$(dirname "$0")/lib.sh"
E2E_SCREEN=1600x1200 e2e_setup "$1" --without-sources

E2E_SCALE_NUM=10 E2E_SCALE_DEN=9 E2E_BAR=100

e2e_start
e2e_wait_screen 20 "the scaled loading screen" loading_shown
shot=$E2E_WORK/last.ppm
# Black bars above and below; the layout's cyan corner at the screen's edge.
read -r -a p <<<"$(e2e_pixels "$shot" "800,50 5,1150 $(e2e_at 3 896)" | tr '\n' ' ')"
[ "${p[*]:0:6}" = "0 0 0 0 0 0" ] && ((p[7] > 150 && p[8] > 150)) || e2e_fail "bars and corner: ${p[*]}"

e2e_wait_screen 60 "the scaled menu" menu_shown

# An empty region of the highscores page, layout (50, 520) to (450, 780): its hatching, drawn at
# this size, never repeats a column or row, as a stretched copy does every tenth.
region=(55 677 444 288)
hatching_lit() {
    [ "$(e2e_count "$1" "${region[@]}" "rgb(41,41,41)" 2%)" -ge $((444 * 288 / 5)) ]
}
# equal_neighbours SHOT AXIS: how many columns (x) or rows (y) of the region equal the next one.
equal_neighbours() {
    local x=${region[0]} y=${region[1]} w=${region[2]} h=${region[3]} dx=1 dy=0 squeeze
    if [ "$2" = y ]; then dx=0 dy=1 squeeze="1x$((h - 1))!"; else squeeze="$((w - 1))x1!"; fi
    convert "$1" \( -clone 0 -crop "$((w - dx))x$((h - dy))+$x+$y" +repage \) \
        \( -clone 0 -crop "$((w - dx))x$((h - dy))+$((x + dx))+$((y + dy))" +repage \) -delete 0 \
        -compose difference -composite -colorspace Gray -scale "$squeeze" -threshold 0 -negate \
        -format "%[fx:int(mean*w*h+0.5)]" info:
}
e2e_key 5
e2e_wait_screen 20 "the scaled highscores page" hatching_lit
columns=$(equal_neighbours "$E2E_WORK/last.ppm" x) rows=$(equal_neighbours "$E2E_WORK/last.ppm" y)
[ "$columns" -eq 0 ] && [ "$rows" -eq 0 ] ||
    e2e_fail "the page is stretched: $columns columns and $rows rows repeat their neighbour"
e2e_escape_to 30 "the scaled menu again" menu_shown
e2e_key 6
e2e_clean_exit 20 20
e2e_log "passed"
