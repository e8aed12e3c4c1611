# End-to-end harness: the real program under an X server of its own (so that tests run side by
# side), driven with xdotool and read from screenshots with imagemagick. A test sources it, calls
# e2e_setup GAME_DIR and e2e_start, then waits for screens (e2e_wait_screen SECONDS WHAT CHECK),
# presses keys and waits for the exit. The game runs from a temporary copy of its folder, so what
# it writes never touches the build; the copy is kept when the test fails.

set -uo pipefail

E2E_GAME_PID=""
E2E_WORK=""
E2E_GAME_DIR=""
E2E_EXIT=""
E2E_FAILED=0
E2E_XVFB_PID=""

e2e_log() { echo "[e2e $(date +%T.%3N)] $*"; }

e2e_fail() {
    E2E_FAILED=1
    echo "FAIL: $*" >&2
    if [ -n "$E2E_WORK" ]; then
        echo "--- game's standard error:" >&2
        tail -n 40 "$E2E_WORK/stderr.log" >&2 2>/dev/null
        echo "--- screenshots and logs kept in $E2E_WORK" >&2
    fi
    exit 1
}

e2e_cleanup() {
    if [ -n "$E2E_GAME_PID" ] && e2e_running; then
        kill "$E2E_GAME_PID" 2>/dev/null
        sleep 0.5
        kill -9 "$E2E_GAME_PID" 2>/dev/null
    fi
    [ -n "$E2E_GAME_PID" ] && wait "$E2E_GAME_PID" 2>/dev/null
    if [ -n "$E2E_XVFB_PID" ]; then
        kill "$E2E_XVFB_PID" 2>/dev/null
        wait "$E2E_XVFB_PID" 2>/dev/null
    fi
    if [ "$E2E_FAILED" -eq 0 ] && [ -n "$E2E_WORK" ] && [ -z "${E2E_KEEP:-}" ]; then
        rm -rf "$E2E_WORK"
    fi
}

# e2e_own_display WIDTHxHEIGHT: a private X server with a screen of that size replaces DISPLAY
# for the rest of the test (call before e2e_setup); it is stopped at the end.
e2e_own_display() {
    local number
    number=$(mktemp "${TMPDIR:-/tmp}/velmarch-e2e-x.XXXXXX")
    Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp -noreset 3>"$number" 2>/dev/null &
    E2E_XVFB_PID=$!
    trap e2e_cleanup EXIT
    local tries
    for tries in $(seq 100); do
        [ -s "$number" ] && break
        sleep 0.1
    done
    [ -s "$number" ] || e2e_fail "no X server of size $1"
    export DISPLAY=":$(tr -d '[:space:]' <"$number")"
    rm -f "$number"
    e2e_log "own X server $DISPLAY at $1"
}

# e2e_setup BUILT_GAME_DIR [--without-sources]
e2e_setup() {
    # Each test has an X server of its own, so that tests can run side by side.
    [ -n "$E2E_XVFB_PID" ] || e2e_own_display 1440x900
    local built=$1
    [ -x "$built/velmarch" ] || e2e_fail "no program at $built/velmarch"
    E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/velmarch-e2e.XXXXXX")
    trap e2e_cleanup EXIT
    E2E_GAME_DIR=$E2E_WORK/game
    mkdir -p "$E2E_GAME_DIR"
    cp "$built/velmarch" "$E2E_GAME_DIR/"
    if [ "${2:-}" != "--without-sources" ] && [ -d "$built/sources" ]; then
        cp -r "$built/sources" "$E2E_GAME_DIR/"
    fi
    export ALSOFT_DRIVERS=${ALSOFT_DRIVERS:-null}
}

# e2e_start [PROGRAM [ARGUMENT...]]: starts the game (./velmarch) in its folder; its output goes
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

# e2e_shot FILE: the whole screen as a PNG, or only the game's window when E2E_SHOT_WINDOW=game.
e2e_shot() {
    local window=root
    [ "${E2E_SHOT_WINDOW:-root}" = root ] || window=$(e2e_window) || return 1
    import -window "$window" "$1" 2>/dev/null
}

# e2e_pixels FILE "X,Y X,Y ...": one line "R G B" per point, in order.
e2e_pixels() {
    local file=$1 format="" point x y
    for point in $2; do
        x=${point%,*}
        y=${point#*,}
        format+="%[fx:int(255*p{$x,$y}.r+0.5)] %[fx:int(255*p{$x,$y}.g+0.5)] %[fx:int(255*p{$x,$y}.b+0.5)]\n"
    done
    convert "$file" -format "$format" info:
}

# e2e_count FILE X Y W H COLOUR FUZZ: how many pixels of the region lie within FUZZ (e.g. 10%)
# of COLOUR (e.g. "rgb(255,0,0)").
e2e_count() {
    # Matching pixels first take a marker colour, so that black can be counted too.
    local marker="rgb(1,2,3)"
    convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -fuzz "$7" -fill "$marker" -opaque "$6" \
        -fuzz 0 -fill black +opaque "$marker" -fill white -opaque "$marker" \
        -precision 12 -format "%[fx:int(mean*w*h+0.5)]" info:
}

# Limits are what a quiet machine needs times E2E_PATIENCE: a loaded one may be many times slower,
# and polling costs nothing when the screen comes early.
E2E_PATIENCE=${E2E_PATIENCE:-4}

# e2e_wait_screen SECONDS WHAT CHECK [ARGS...]: takes screenshots until `CHECK ARGS... SHOT`
# succeeds; fails when the time is up or the game has ended. The matching shot is left in
# E2E_WORK/last.png.
e2e_wait_screen() {
    local timeout=$(($1 * E2E_PATIENCE)) what=$2
    shift 2
    local deadline=$((SECONDS + timeout)) shot="$E2E_WORK/wait.png" press=0
    while ((SECONDS < deadline)); do
        e2e_running || e2e_fail "the game ended while waiting for $what"
        if [ -n "${E2E_REPEAT:-}" ] && ((SECONDS >= press)); then
            e2e_key "$E2E_REPEAT"
            press=$((SECONDS + 10))
        fi
        if e2e_shot "$shot" && "$@" "$shot"; then
            cp "$shot" "$E2E_WORK/last.png"
            e2e_log "saw $what"
            return 0
        fi
        sleep 0.2
    done
    cp "$shot" "$E2E_WORK/timeout.png" 2>/dev/null
    e2e_fail "no $what after ${timeout}s (last screen: $E2E_WORK/timeout.png)"
}

# e2e_escape_to SECONDS WHAT CHECK [ARGS...]: presses Escape, again every ten seconds, until the
# screen CHECK looks for shows. A screen still opening does not read keys yet, and nothing that
# follows a screen left with Escape reads it.
e2e_escape_to() { E2E_REPEAT=Escape e2e_wait_screen "$@"; }

# The game's window (fails when there is none).
e2e_window() { xdotool search --name '^Velmarch v1.0$' 2>/dev/null | head -n 1 | grep .; }

# The game's window has keyboard focus as soon as it is shown full screen; without a window
# manager nothing else takes it, but make sure before typing.
e2e_focus() {
    local window
    window=$(e2e_window) && [ "$(xdotool getwindowfocus 2>/dev/null)" != "$window" ] &&
        xdotool windowfocus --sync "$window" 2>/dev/null
}

# e2e_window_home: moves the game's window (windowed mode; there is no window manager) to the
# top left corner, so that shots of it are whole, and prints its size (e.g. 1440x900).
e2e_window_home() {
    local window
    window=$(e2e_window) || return 1
    xdotool windowmove "$window" 0 0 2>/dev/null
    xdotool getwindowgeometry "$window" | sed -n 's/^ *Geometry: //p'
}

# e2e_key KEY...: xdotool key names (6, Escape, Return, space, BackSpace, a ...).
e2e_key() {
    e2e_focus
    e2e_log "keys: $*"
    xdotool key --delay 80 "$@"
}

# e2e_type TEXT: types text as a player would.
e2e_type() {
    e2e_focus
    xdotool type --delay 80 "$1"
}

# e2e_wait_exit SECONDS: waits for the game to end; its exit code is left in E2E_EXIT.
e2e_wait_exit() {
    local deadline=$((SECONDS + $1 * E2E_PATIENCE))
    while e2e_running; do
        ((SECONDS < deadline)) || e2e_fail "the game still runs after $(($1 * E2E_PATIENCE)) s"
        sleep 0.1
    done
    wait "$E2E_GAME_PID"
    E2E_EXIT=$?
    e2e_log "the game ended with exit code $E2E_EXIT"
}

# e2e_quiet_stderr MAX: the game's standard error has at most MAX lines (no flood).
e2e_quiet_stderr() {
    local lines
    lines=$(wc -l <"$E2E_WORK/stderr.log")
    [ "$lines" -le "$1" ] || e2e_fail "$lines lines on standard error, at most $1 expected"
}

# --- Checks of the shell's screens, for any test that passes through them ---

# Layout pixels -> screen pixels. A test on a letterboxed screen sets the scale (a fraction) and
# the height of the bar above the layout; these checks then look at the scaled places.
E2E_SCALE_NUM=1
E2E_SCALE_DEN=1
E2E_BAR=0
e2e_sx() { echo $(($1 * E2E_SCALE_NUM / E2E_SCALE_DEN)); }
e2e_sy() { echo $(($1 * E2E_SCALE_NUM / E2E_SCALE_DEN + E2E_BAR)); }
e2e_at() { echo "$(e2e_sx "$1"),$(e2e_sy "$2")"; }

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
    for row in 0 1 2 3 4 5; do
        [ "$(e2e_count "$1" "$(e2e_sx 360)" "$(e2e_sy $((200 + 50 * row)))" 500 45 "rgb(255,0,0)" 8%)" -ge 30 ] ||
            return 1
    done
}

# The menu's footer has been typed: white ink just left of x 1430 near the bottom.
menu_footer_shown() {
    [ "$(e2e_count "$1" 1380 870 50 30 "rgb(255,255,255)" 8%)" -ge 10 ]
}

# The title screen ready for keys: its footer typed (checked first, it is the cheaper check) and
# its entries shown.
title_ready() { menu_footer_shown "$1" && menu_shown "$1"; }


# The open field with its HUD: the yellow and green marker lines across the field, the panels'
# green screens and the level title in white.
field_shown() {
    [ "$(e2e_count "$1" 420 58 640 10 "rgb(255,255,0)" 5%)" -ge 2000 ] &&
        [ "$(e2e_count "$1" 420 850 640 10 "rgb(0,255,0)" 5%)" -ge 2000 ] &&
        [ "$(e2e_count "$1" 40 300 280 200 "rgb(0,100,0)" 3%)" -ge 30000 ] &&
        [ "$(e2e_count "$1" 1140 300 280 200 "rgb(0,100,0)" 3%)" -ge 30000 ] &&
        [ "$(e2e_count "$1" 100 20 160 60 "rgb(255,255,255)" 8%)" -ge 50 ]
}

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
