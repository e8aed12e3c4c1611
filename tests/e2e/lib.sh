# End-to-end harness: the real program under an X server of its own (so that tests run side by
# side, at any screen size), driven with xdotool and read from screenshots with imagemagick. A test
# sources it, calls e2e_setup and e2e_start, then waits for screens (e2e_wait_screen SECONDS WHAT
# CHECK), presses keys and waits for the exit. The game runs from a copy of its folder in a scratch
# folder, kept with the screenshots and the game's output when the test fails.

set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/setup.sh"
E2E_WORK=""
E2E_GAME_PID=""
E2E_FAILED=0
# Limits are what a quiet machine needs times E2E_PATIENCE: a loaded one may be many times slower,
# and polling costs nothing when the screen comes early.
E2E_PATIENCE=${E2E_PATIENCE:-4}

e2e_log() { echo "[e2e $(date +%T.%3N)] $*"; }

e2e_fail() {
    E2E_FAILED=1
    echo "FAIL: $*" >&2
    echo "--- game's standard error:" >&2
    tail -n 40 "$E2E_WORK/stderr.log" >&2 2>/dev/null
    echo "--- screenshots and logs kept in $E2E_WORK" >&2
    exit 1
}

e2e_cleanup() {
    if e2e_running; then
        kill "$E2E_GAME_PID"
        sleep 0.5
        kill -9 "$E2E_GAME_PID" 2>/dev/null
    fi
    [ -z "$E2E_GAME_PID" ] || wait "$E2E_GAME_PID" 2>/dev/null
    velmarch_stop_x
    [ "$E2E_FAILED" -ne 0 ] || [ -n "${E2E_KEEP:-}" ] || rm -rf "$E2E_WORK"
}

# e2e_setup [GAME_DIR [--without-sources]]: the scratch folder E2E_WORK, an X server with a screen
# of E2E_SCREEN (1440x900 unless set), and a copy of the built game in E2E_GAME_DIR.
e2e_setup() {
    E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/velmarch-e2e.XXXXXX")
    trap e2e_cleanup EXIT
    velmarch_start_x "${E2E_SCREEN:-1440x900}" || e2e_fail "no X server"
    export ALSOFT_DRIVERS=${ALSOFT_DRIVERS:-null}
    E2E_GAME_DIR=$E2E_WORK/game
    mkdir -p "$E2E_GAME_DIR"
    [ $# -gt 0 ] || return 0
    cp "$1/velmarch" "$E2E_GAME_DIR/" || e2e_fail "no program at $1/velmarch"
    [ "${2:-}" = --without-sources ] || cp -r "$1/sources" "$E2E_GAME_DIR/"
}

# e2e_start [PROGRAM [ARGUMENT...]]: starts the game (./velmarch) in E2E_GAME_DIR; its output goes
# to stdout.log and stderr.log in E2E_WORK.
e2e_start() {
    [ $# -gt 0 ] || set -- ./velmarch
    (cd "$E2E_GAME_DIR" && exec "$@" >"$E2E_WORK/stdout.log" 2>"$E2E_WORK/stderr.log") &
    E2E_GAME_PID=$!
    e2e_log "started the game, pid $E2E_GAME_PID"
}

# True while the game's process exists and has not ended (a finished child that has not been
# waited for still has a /proc entry, in state Z).
e2e_running() {
    [ -n "$E2E_GAME_PID" ] && [ -r "/proc/$E2E_GAME_PID/stat" ] &&
        [ "$(awk '{print $3}' "/proc/$E2E_GAME_PID/stat" 2>/dev/null)" != Z ]
}

# e2e_clean_exit SECONDS [MAX_LINES]: the game ends in time with exit code 0, having written at
# most MAX_LINES to standard error (no flood).
e2e_clean_exit() {
    local deadline=$((SECONDS + $1 * E2E_PATIENCE)) code lines
    while e2e_running; do
        ((SECONDS < deadline)) || e2e_fail "the game still runs after $(($1 * E2E_PATIENCE)) s"
        sleep 0.1
    done
    wait "$E2E_GAME_PID"
    code=$?
    e2e_log "the game ended with exit code $code"
    [ "$code" -eq 0 ] || e2e_fail "exit code $code"
    lines=$(wc -l <"$E2E_WORK/stderr.log")
    [ "$lines" -le "${2:-$lines}" ] || e2e_fail "$lines lines on standard error, at most $2 expected"
}

# e2e_shot FILE: the whole screen, or only the game's window when E2E_SHOT_WINDOW=game. Polling
# takes uncompressed shots (.ppm): compressing them would take the CPU the game needs.
e2e_shot() {
    local window=root
    [ "${E2E_SHOT_WINDOW:-root}" = root ] || window=$(e2e_window) || return 1
    import -window "$window" -depth 8 "$1" 2>/dev/null
}

# e2e_wait_screen SECONDS WHAT CHECK [ARGS...]: takes screenshots until `CHECK ARGS... SHOT`
# succeeds, left in E2E_WORK/last.ppm; fails when the time is up or the game has ended. With
# E2E_REPEAT set, presses that key now and every ten seconds.
e2e_wait_screen() {
    local deadline=$((SECONDS + $1 * E2E_PATIENCE)) what=$2 shot=$E2E_WORK/wait.ppm press=0
    shift 2
    while ((SECONDS < deadline)); do
        e2e_running || e2e_fail "the game ended while waiting for $what"
        if [ -n "${E2E_REPEAT:-}" ] && ((SECONDS >= press)); then
            e2e_key "$E2E_REPEAT"
            press=$((SECONDS + 10))
        fi
        if e2e_shot "$shot" && "$@" "$shot"; then
            cp "$shot" "$E2E_WORK/last.ppm"
            e2e_log "saw $what"
            return 0
        fi
        sleep 0.2
    done
    convert "$shot" "$E2E_WORK/timeout.png" 2>/dev/null
    e2e_fail "no $what in time (last screen: $E2E_WORK/timeout.png)"
}

# e2e_escape_to SECONDS WHAT CHECK [ARGS...]: presses Escape, again every ten seconds, until the
# screen CHECK looks for shows. A screen still opening does not read keys yet, and nothing that
# follows a screen left with Escape reads it.
e2e_escape_to() { E2E_REPEAT=Escape e2e_wait_screen "$@"; }

# The game's window (fails when there is none).
e2e_window() { xdotool search --name '^Velmarch v1.0$' 2>/dev/null | head -n 1 | grep .; }

# e2e_key KEY... (xdotool names: 6, Escape, Return, BackSpace, a ...) and e2e_type TEXT, as a
# player types. The game's window has the focus as soon as it shows full screen (nothing else
# takes it without a window manager), but make sure.
e2e_focus() {
    local window
    window=$(e2e_window) && [ "$(xdotool getwindowfocus 2>/dev/null)" != "$window" ] &&
        xdotool windowfocus --sync "$window" 2>/dev/null
}
e2e_key() { e2e_focus; e2e_log "keys: $*"; xdotool key --delay 80 "$@"; }
e2e_type() { e2e_focus; xdotool type --delay 80 "$1"; }

# --- Reading the screen ---

# Layout pixels -> screen pixels. A test on a letterboxed screen sets the scale (a fraction) and
# the height of the bar above the layout; the checks below then look at the scaled places.
E2E_SCALE_NUM=1
E2E_SCALE_DEN=1
E2E_BAR=0
e2e_at() { echo "$(($1 * E2E_SCALE_NUM / E2E_SCALE_DEN)),$(($2 * E2E_SCALE_NUM / E2E_SCALE_DEN + E2E_BAR))"; }

# e2e_pixels FILE "X,Y X,Y ...": one line "R G B" per screen point, in order.
e2e_pixels() {
    local format="" p
    for p in $2; do format+="%[fx:int(255*p{$p}.r+0.5)] %[fx:int(255*p{$p}.g+0.5)] %[fx:int(255*p{$p}.b+0.5)]\n"; done
    convert "$1" -format "$format" info:
}

# e2e_count FILE X Y W H COLOUR FUZZ: how many pixels of the screen's region lie within FUZZ (e.g.
# 10%) of COLOUR (e.g. "rgb(255,0,0)").
e2e_count() {
    # Matching pixels first take a marker colour, so that black can be counted too.
    local marker="rgb(1,2,3)"
    convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -fuzz "$7" -fill "$marker" -opaque "$6" \
        -fuzz 0 -fill black +opaque "$marker" -fill white -opaque "$marker" \
        -precision 12 -format "%[fx:int(mean*w*h+0.5)]" info:
}

# e2e_area FILE X Y W H COLOUR FUZZ MIN [MAX]: at least MIN (and at most MAX) such pixels in the
# layout's region.
e2e_area() {
    local s=$E2E_SCALE_NUM d=$E2E_SCALE_DEN n
    n=$(e2e_count "$1" $(($2 * s / d)) $(($3 * s / d + E2E_BAR)) $(($4 * s / d)) $(($5 * s / d)) "$6" "$7")
    [ "$n" -ge "$8" ] && [ "$n" -le "${9:-$n}" ]
}

# The loading screen: its ten boxes at y 700, each cyan or grey.
loading_shown() {
    local points="" i colour
    for i in 0 1 2 3 4 5 6 7 8 9; do points+="$(e2e_at $((370 + 72 * i)) 710) "; done
    while read -r colour; do
        [ "$colour" = "0 255 255" ] || [ "$colour" = "150 150 150" ] || return 1
    done < <(e2e_pixels "$1" "$points")
}

# The menu with its panels open: red ink in each of the six entry rows, from x 360.
menu_shown() {
    local row
    for row in 0 1 2 3 4 5; do e2e_area "$1" 360 $((200 + 50 * row)) 500 45 "rgb(255,0,0)" 8% 30 || return 1; done
}

# The title screen ready for keys: its footer typed (white ink just left of x 1430 near the
# bottom; checked first, it is the cheaper check) and its entries shown.
title_ready() { e2e_area "$1" 1380 870 50 30 "rgb(255,255,255)" 8% 10 && menu_shown "$1"; }

# A game has opened: the HUD's yellow marker line across the field.
field_open() { e2e_area "$1" 420 58 640 10 "rgb(255,255,0)" 5% 2000; }

# The open field with its HUD: the yellow and green marker lines across the field, the panels'
# green screens and the level title in white.
field_shown() {
    field_open "$1" && e2e_area "$1" 420 850 640 10 "rgb(0,255,0)" 5% 2000 &&
        e2e_area "$1" 40 300 280 200 "rgb(0,100,0)" 3% 30000 &&
        e2e_area "$1" 1140 300 280 200 "rgb(0,100,0)" 3% 30000 &&
        e2e_area "$1" 100 20 160 60 "rgb(255,255,255)" 8% 50
}

# The name entry, faded in: the text field's black outline at both ends and the red prompt.
name_entry_shown() {
    e2e_area "$1" 478 253 4 24 "rgb(0,0,0)" 3% 90 && e2e_area "$1" 958 253 4 24 "rgb(0,0,0)" 3% 90 &&
        e2e_area "$1" 300 200 840 40 "rgb(255,0,0)" 8% 200
}

# highscore_rows_shown N SHOT: white place numbers in the first N rows (y 130, 160, ...) and
# none in the row after them; with N 0 the empty list's message in the middle instead.
highscore_rows_shown() {
    local i
    for ((i = 0; i < $1; i++)); do
        e2e_area "$2" 100 $((130 + 30 * i)) 40 22 "rgb(255,255,255)" 8% 15 || return 1
    done
    e2e_area "$2" 100 $((130 + 30 * $1)) 1000 22 "rgb(255,255,255)" 8% 0 0 &&
        { [ "$1" -gt 0 ] || e2e_area "$2" 300 425 840 50 "rgb(255,255,255)" 8% 200; }
}
