# End-to-end harness: the real program under an X server of its own, driven with xdotool and read
# from screenshots with imagemagick, run from a copy of its folder in a scratch folder (kept with
# the screenshots and the game's output when the test fails).

set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/setup.sh"
E2E_WORK=""
E2E_GAME_PID=""
E2E_FAILED=0
# Limits are what a quiet machine needs times E2E_PATIENCE: a loaded one is many times slower.
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

# A pid is forgotten once waited for: the system may give it to another process.
e2e_waited() {
    wait "$E2E_GAME_PID"
    local code=$?
    E2E_GAME_PID=""
    return "$code"
}

e2e_cleanup() {
    e2e_running && { kill "$E2E_GAME_PID"; sleep 0.5; kill -9 "$E2E_GAME_PID" 2>/dev/null; }
    [ -z "$E2E_GAME_PID" ] || e2e_waited 2>/dev/null
    velmarch_stop_x
    [ "$E2E_FAILED" -ne 0 ] || [ -n "${E2E_KEEP:-}" ] || rm -rf "$E2E_WORK"
}

# e2e_setup [GAME_DIR [--without-sources]]: E2E_WORK, an X server of E2E_SCREEN, E2E_GAME_DIR.
# The content is copied, not linked: a test that spoils a file must not spoil the build's.
e2e_setup() {
    E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/velmarch-e2e.XXXXXX") ||
        { echo "FAIL: no scratch folder" >&2; exit 1; }
    trap e2e_cleanup EXIT
    velmarch_start_x "${E2E_SCREEN:-1440x900}" || e2e_fail "no X server"
    export ALSOFT_DRIVERS=${ALSOFT_DRIVERS:-null}
    E2E_GAME_DIR=$E2E_WORK/game
    mkdir -p "$E2E_GAME_DIR"
    [ $# -gt 0 ] || return 0
    cp "$1/velmarch" "$E2E_GAME_DIR/" || e2e_fail "no program at $1/velmarch"
    [ "${2:-}" = --without-sources ] || cp -rL "$1/sources" "$E2E_GAME_DIR/" || e2e_fail "cannot copy $1/sources"
}

# e2e_start [PROGRAM [ARGUMENT...]]: the game (./velmarch) in E2E_GAME_DIR, output in E2E_WORK.
e2e_start() {
    [ $# -gt 0 ] || set -- ./velmarch
    (cd "$E2E_GAME_DIR" && exec "$@" >"$E2E_WORK/stdout.log" 2>"$E2E_WORK/stderr.log") &
    E2E_GAME_PID=$!
    e2e_log "started the game, pid $E2E_GAME_PID"
}

# True while the game runs (a finished child not yet waited for is in state Z).
e2e_running() {
    [ -n "$E2E_GAME_PID" ] && [ -r "/proc/$E2E_GAME_PID/stat" ] &&
        [ "$(awk '{print $3}' "/proc/$E2E_GAME_PID/stat" 2>/dev/null)" != Z ]
}

# e2e_clean_exit SECONDS [MAX_LINES]: exit code 0 in time, at most MAX_LINES on standard error.
e2e_clean_exit() {
    local deadline=$((SECONDS + $1 * E2E_PATIENCE)) code lines
    while e2e_running; do
        ((SECONDS < deadline)) || e2e_fail "the game still runs after $(($1 * E2E_PATIENCE)) s"
        sleep 0.1
    done
    e2e_waited
    code=$?
    e2e_log "the game ended with exit code $code"
    [ "$code" -eq 0 ] || e2e_fail "exit code $code"
    lines=$(wc -l <"$E2E_WORK/stderr.log")
    [ "$lines" -le "${2:-$lines}" ] || e2e_fail "$lines lines on standard error, at most $2 expected"
}

# e2e_shot FILE: the screen, or the game's window with E2E_SHOT_WINDOW=game. Uncompressed (.ppm):
# compressing would take the CPU the game needs.
e2e_shot() {
    local window=root
    [ "${E2E_SHOT_WINDOW:-root}" = root ] || window=$(e2e_window) || return 1
    import -window "$window" -depth 8 "$1" 2>/dev/null
}

# e2e_wait_screen SECONDS WHAT CHECK [ARGS...]: screenshots until `CHECK ARGS... SHOT` succeeds
# (left in E2E_WORK/last.ppm). With E2E_REPEAT set, presses that key now and every ten seconds.
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

# Escape until the screen shows: a screen still opening reads no keys, and the next one ignores it.
e2e_escape_to() { E2E_REPEAT=Escape e2e_wait_screen "$@"; }

# The game's window (fails when there is none).
e2e_window() { xdotool search --name '^Velmarch v1.0$' 2>/dev/null | head -n 1 | grep .; }

# e2e_key KEY... (xdotool names) and e2e_type TEXT, into the game's window.
e2e_focus() {
    local window
    window=$(e2e_window) && [ "$(xdotool getwindowfocus 2>/dev/null)" != "$window" ] &&
        xdotool windowfocus --sync "$window" 2>/dev/null
}
e2e_key() { e2e_focus; e2e_log "keys: $*"; xdotool key --delay 80 "$@"; }
e2e_type() { e2e_focus; xdotool type --delay 80 "$1"; }

# e2e_play SECONDS NAME [CHECK...]: from the menu, the name entry (seen by CHECK, by default
# name_entry_shown) within SECONDS, NAME typed and taken: a game starts.
e2e_play() {
    local seconds=$1 name=$2
    shift 2
    [ $# -gt 0 ] || set -- name_entry_shown
    e2e_key 1
    e2e_wait_screen "$seconds" "the name entry" "$@"
    e2e_type "$name"
    e2e_key Return
}

# --- Reading the screen ---

# Layout pixels -> screen pixels: a letterboxed test sets the scale and the bar above the layout.
E2E_SCALE_NUM=1 E2E_SCALE_DEN=1 E2E_BAR=0
e2e_at() { echo "$(($1 * E2E_SCALE_NUM / E2E_SCALE_DEN)),$(($2 * E2E_SCALE_NUM / E2E_SCALE_DEN + E2E_BAR))"; }

# e2e_pixels FILE "X,Y X,Y ...": one line "R G B" per screen point, in order.
e2e_pixels() {
    local format="" p
    for p in $2; do format+="%[fx:int(255*p{$p}.r+0.5)] %[fx:int(255*p{$p}.g+0.5)] %[fx:int(255*p{$p}.b+0.5)]\n"; done
    convert "$1" -format "$format" info:
}

# e2e_count FILE X Y W H COLOUR FUZZ: the screen region's pixels within FUZZ of COLOUR (a marker
# colour first, so that black counts too).
e2e_count() {
    local marker="rgb(1,2,3)"
    convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -fuzz "$7" -fill "$marker" -opaque "$6" \
        -fuzz 0 -fill black +opaque "$marker" -fill white -opaque "$marker" \
        -precision 12 -format "%[fx:int(mean*w*h+0.5)]" info:
}

# e2e_area FILE X Y W H COLOUR FUZZ MIN [MAX]: MIN to MAX such pixels in the layout's region.
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

# The title ready for keys: its footer typed (the cheaper check, first) and its entries shown.
title_ready() { e2e_area "$1" 1380 870 50 30 "rgb(255,255,255)" 8% 10 && menu_shown "$1"; }

# A game has opened: the HUD's yellow marker line across the field.
field_open() { e2e_area "$1" 420 58 640 10 "rgb(255,255,0)" 5% 2000; }

# The field with its HUD: yellow and green marker lines, green panels, the white level title.
field_shown() {
    field_open "$1" && e2e_area "$1" 420 850 640 10 "rgb(0,255,0)" 5% 2000 &&
        e2e_area "$1" 40 300 280 200 "rgb(0,100,0)" 3% 30000 &&
        e2e_area "$1" 1140 300 280 200 "rgb(0,100,0)" 3% 30000 &&
        e2e_area "$1" 100 20 160 60 "rgb(255,255,255)" 8% 50
}

# The pause overlay: black but for its two lines at y 400 and 500.
pause_shown() {
    local s=$E2E_SCALE_NUM d=$E2E_SCALE_DEN
    e2e_area "$1" 0 0 1440 390 "rgb(0,0,0)" 2% $((1440 * 390 * s * s / d / d - 10)) &&
        e2e_area "$1" 300 395 840 70 "rgb(255,255,255)" 8% 200 &&
        e2e_area "$1" 300 495 840 60 "rgb(255,255,255)" 8% 100 &&
        e2e_area "$1" 0 600 1440 300 "rgb(0,0,0)" 2% $((1440 * 300 * s * s / d / d - 10))
}

# The name entry, faded in: the text field's black outline at both ends and the red prompt.
name_entry_shown() {
    e2e_area "$1" 478 253 4 24 "rgb(0,0,0)" 3% 90 && e2e_area "$1" 958 253 4 24 "rgb(0,0,0)" 3% 90 &&
        e2e_area "$1" 300 200 840 40 "rgb(255,0,0)" 8% 200
}

# highscore_rows_shown N SHOT: white place numbers in exactly the first N rows (y 130, 160, ...);
# for 0 the empty message.
highscore_rows_shown() {
    local i
    for ((i = 0; i < $1; i++)); do e2e_area "$2" 100 $((130 + 30 * i)) 40 22 "rgb(255,255,255)" 8% 15 || return 1; done
    e2e_area "$2" 100 $((130 + 30 * $1)) 1000 22 "rgb(255,255,255)" 8% 0 0 &&
        { [ "$1" -gt 0 ] || e2e_area "$2" 300 425 840 50 "rgb(255,255,255)" 8% 200; }
}
