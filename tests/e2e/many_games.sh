#!/usr/bin/env bash
# Game after game, each followed by the fresh title: no processes, zombies, open files or memory
# (within 10%) piled up, and aborted games record no highscore.
#   many_games.sh GAME_DIR [GAMES]   (default 3)
source "$(dirname "$0")/lib.sh"
games=${2:-3}
# Memory is compared with that after a game past the warm-up.
reference=$((games >= 10 ? 5 : games >= 3 ? 2 : 1))
resident_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$E2E_GAME_PID/status"; }

e2e_setup "$1"
e2e_start
started=$SECONDS
e2e_wait_screen 90 "the title" title_ready
for ((game = 1; game <= games; game++)); do
    e2e_play 60 "Runde $game"
    e2e_wait_screen 90 "the field of game $game" field_open
    e2e_escape_to 90 "the title after game $game" title_ready
    rss[game]=$(resident_kb)
    fds[game]=$(find "/proc/$E2E_GAME_PID/fd" -mindepth 1 | wc -l)
    e2e_log "game $game done: resident ${rss[game]} kB, ${fds[game]} open files"
done
e2e_log "$games games in $((SECONDS - started)) s"

# Processes running this copy of the program (the pid survives starting anew).
processes=$(for exe in /proc/[0-9]*/exe; do
    [ "$(readlink "$exe" 2>/dev/null)" = "$E2E_GAME_DIR/velmarch" ] && echo "${exe//[^0-9]/}"
done)
[ "$(wc -w <<<"$processes")" -eq 1 ] || e2e_fail "game processes: $processes"
zombies=$(ps -o pid=,stat=,comm= --ppid "$E2E_GAME_PID" | awk '$2 ~ /^Z/')
[ -z "$zombies" ] || e2e_fail "zombies left: $zombies"
[ "${fds[games]}" -le "${fds[1]}" ] || e2e_fail "open files grew from ${fds[1]} to ${fds[games]}"
last=${rss[games]} early=${rss[reference]}
((last * 10 <= early * 11)) ||
    e2e_fail "resident memory grew from $early kB after game $reference to $last kB"
# Aborted games record nothing; the list is written back as it was every time.
scores=$E2E_GAME_DIR/sources/Data/Highscores.data
[ "$(od -An -c "$scores" | tr -s ' ')" = " 0 \n" ] || e2e_fail "highscores: $(od -An -c "$scores")"

e2e_key 6
# Software graphics without vertical sync say so once per window, that is once per start.
e2e_clean_exit 20 $((20 + games))
e2e_log "passed"
