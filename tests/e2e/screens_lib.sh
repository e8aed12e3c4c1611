# --- Checks of the records and the menu pages ---

# The name entry, faded in: the text field's black outline at both ends and the red prompt.
name_entry_shown() {
    [ "$(e2e_count "$1" 478 253 4 24 "rgb(0,0,0)" 3%)" -ge 90 ] &&
        [ "$(e2e_count "$1" 958 253 4 24 "rgb(0,0,0)" 3%)" -ge 90 ] &&
        [ "$(e2e_count "$1" 300 200 840 40 "rgb(255,0,0)" 8%)" -ge 200 ]
}

# highscore_rows_shown N SHOT: white place numbers in the first N rows (y 130, 160, ...) and
# none in the row after them.
highscore_rows_shown() {
    local rows=$1 shot=$2 i
    for ((i = 0; i < rows; i++)); do
        [ "$(e2e_count "$shot" 100 $((130 + 30 * i)) 40 22 "rgb(255,255,255)" 8%)" -ge 15 ] || return 1
    done
    [ "$(e2e_count "$shot" 100 $((130 + 30 * rows)) 1000 22 "rgb(255,255,255)" 8%)" -eq 0 ]
}

# The highscores screen with an empty list: its message in the middle and no rows.
highscores_empty_shown() {
    [ "$(e2e_count "$1" 300 425 840 50 "rgb(255,255,255)" 8%)" -ge 200 ] &&
        [ "$(e2e_count "$1" 100 130 1000 22 "rgb(255,255,255)" 8%)" -eq 0 ]
}

# red_rows_shown "Y..." SHOT: red text from x 50 on each of the rows starting at these y.
red_rows_shown() {
    local y
    for y in $1; do
        [ "$(e2e_count "$2" 50 "$y" 300 24 "rgb(255,0,0)" 8%)" -ge 40 ] || return 1
    done
}

# A credits pair beside the middle: red topic ending at x 710, cyan name from x 730.
credits_pair_shown() {
    [ "$(e2e_count "$1" 560 225 150 36 "rgb(255,0,0)" 8%)" -ge 40 ] &&
        [ "$(e2e_count "$1" 730 225 150 36 "rgb(0,255,255)" 8%)" -ge 40 ]
}

# A game has opened: the HUD's yellow marker line across the field.
field_open() { [ "$(e2e_count "$1" 420 58 640 10 "rgb(255,255,0)" 5%)" -ge 2000 ]; }
