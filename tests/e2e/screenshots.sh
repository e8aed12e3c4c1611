#!/usr/bin/env bash
# screenshots.sh GAME_DIR OUT_DIR: the loading screen and the opened menu as OUT_DIR/loading.png
# and OUT_DIR/menu.png.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
out=$2
mkdir -p "$out"

e2e_start
e2e_wait_screen 20 "the loading screen" loading_shown
convert "$E2E_WORK/last.ppm" "$out/loading.png"
e2e_wait_screen 80 "the title" title_ready
sleep 0.5
e2e_shot "$out/menu.png"
e2e_key 6
e2e_clean_exit 15
e2e_log "wrote $out/loading.png and $out/menu.png"
