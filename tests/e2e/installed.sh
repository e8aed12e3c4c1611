#!/usr/bin/env bash
# The unpacked package plays as an installed game: the player's folder under XDG_DATA_HOME holds
# the name, nothing is written into the installed tree, the fresh start after a game keeps its
# window (letterboxed when grown) and folder, and a second start finds both again, from a home
# folder whose own sources/ is no game's and is left alone.
#   installed.sh PACKAGE_DIR       (the folder holding velmarch_*.deb)
source "$(dirname "$0")/lib.sh"

debs=("$1"/velmarch_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || e2e_fail "not one package in $1: ${debs[*]}"

E2E_SCREEN=1920x1200 e2e_setup
# window_home WHAT: the 1440 x 900 window moved to the corner, so that shots of it are whole.
window_home() {
    local window size
    window=$(e2e_window) && xdotool windowmove "$window" 0 0 2>/dev/null
    size=$(xdotool getwindowgeometry "$window" | sed -n 's/^ *Geometry: //p')
    [ "$size" = 1440x900 ] || e2e_fail "$1 has a window of $size, not 1440x900"
}
E2E_SHOT_WINDOW=game
root=$E2E_WORK/root
dpkg-deb -x "${debs[0]}" "$root" || e2e_fail "cannot unpack ${debs[0]}"
export HOME=$E2E_WORK/home XDG_DATA_HOME=$E2E_WORK/data
folder=$XDG_DATA_HOME/velmarch
mkdir -p "$HOME"
touch "$E2E_WORK/unpacked"
sleep 1 # so that anything written later is newer

e2e_start "$root/usr/games/velmarch" --windowed
e2e_wait_screen 60 "the menu" menu_shown
first=$(e2e_window)
window_home "the game"
e2e_play 20 "Tester"
e2e_wait_screen 30 "the game's field" field_open
e2e_key Escape

# The fresh start's own window, grown to 1600 x 1200: the title at 10/9 between 100-pixel bars.
for _ in $(seq $((75 * E2E_PATIENCE))); do
    window=$(e2e_window)
    [ -n "$window" ] && [ "$window" != "$first" ] && break
    e2e_running || e2e_fail "the game ended instead of starting afresh"
    sleep 0.2
done
window_home "the fresh start"
tr '\0' ' ' <"/proc/$E2E_GAME_PID/cmdline" | grep -q -- '--windowed' || e2e_fail "the fresh start lost --windowed"
xdotool windowsize "$window" 1600 1200
grown_menu_shown() {
    local E2E_SCALE_NUM=10 E2E_SCALE_DEN=9 E2E_BAR=100
    [ "$(identify -format %wx%h "$1")" = 1600x1200 ] && menu_shown "$1" &&
        [ "$(e2e_count "$1" 0 0 1600 100 "rgb(0,0,0)" 1%)" -eq 160000 ]
}
e2e_wait_screen 90 "the fresh title in the grown window" grown_menu_shown

[ "$(tr -d '\r' <"$folder/sources/Data/Info.data")" = Tester ] || e2e_fail "no name in $folder/sources/Data"
[ "$(readlink "$folder/sources/Levels")" = "$root/usr/share/games/velmarch/Levels" ] ||
    e2e_fail "sources/Levels is not a link to the installed content"
written=$(find "$root" -newer "$E2E_WORK/unpacked")
[ -z "$written" ] || e2e_fail "written inside the installed tree: $written"
kill "$E2E_GAME_PID"
e2e_waited
grep -q velmarch: "$E2E_WORK/stderr.log" && e2e_fail "the game complained: $(grep velmarch: "$E2E_WORK/stderr.log")"

# Started again from the home folder, full screen, beside an unrelated ~/sources: the same
# folder, the same name, and the player's own sources/ as it was.
E2E_SHOT_WINDOW=root
E2E_SCALE_NUM=4 E2E_SCALE_DEN=3
E2E_GAME_DIR=$HOME
mkdir -p "$HOME/sources/thesis"
echo "Chapter one" >"$HOME/sources/thesis/draft.tex"
own=$(find "$HOME/sources" -printf '%p %s %T@\n')
data=$(stat -c %i "$folder/sources/Data")
e2e_start "$root/usr/games/velmarch"
started() { loading_shown "$1" || menu_shown "$1"; }
e2e_wait_screen 60 "the second start's loading screen or menu" started
[ "$(readlink "/proc/$E2E_GAME_PID/cwd")" = "$folder" ] || e2e_fail "the second start runs in $(readlink "/proc/$E2E_GAME_PID/cwd")"
[ "$(stat -c %i "$folder/sources/Data")" = "$data" ] && [ "$(tr -d '\r' <"$folder/sources/Data/Info.data")" = Tester ] ||
    e2e_fail "the second start did not keep the game folder's data"
[ "$(find "$HOME/sources" -printf '%p %s %T@\n')" = "$own" ] && ! grep -q velmarch: "$E2E_WORK/stderr.log" ||
    e2e_fail "the second start complained or wrote into the home folder's sources/"
[ -z "$(find "$root" -newer "$E2E_WORK/unpacked")" ] || e2e_fail "the second start wrote inside the installed tree"
e2e_log "passed"
