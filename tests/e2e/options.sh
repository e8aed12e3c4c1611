#!/usr/bin/env bash
# The command line: --help and --version answer and exit 0, anything else is refused with exit
# code 2 and nothing starts. (--windowed is played in installed.sh, --fullscreen in
# display_modes.sh.)
#   options.sh GAME_DIR
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" --without-sources
program=$E2E_GAME_DIR/velmarch

# expect CODE STDOUT_PATTERN STDERR_PATTERN ARGUMENT...: the exit code and what each stream holds
# (an empty pattern: nothing at all).
expect() {
    local code=$1 patterns=("$2" "$3") streams=("$E2E_WORK/out" "$E2E_WORK/err") i
    shift 3
    "$program" "$@" >"${streams[0]}" 2>"${streams[1]}"
    local got=$?
    [ "$got" -eq "$code" ] || e2e_fail "velmarch $*: exit code $got, not $code"
    for i in 0 1; do
        if [ -z "${patterns[i]}" ]; then
            [ ! -s "${streams[i]}" ] || e2e_fail "velmarch $*: unexpected output: $(cat "${streams[i]}")"
        else
            grep -qE -- "${patterns[i]}" "${streams[i]}" || e2e_fail "velmarch $*: no '${patterns[i]}' in $(cat "${streams[i]}")"
        fi
    done
}
expect 0 '^Usage: velmarch .*--fullscreen \| --windowed' '' --help
expect 0 'Settings\.data' '' --windowed --fullscreen --help
expect 0 '^Velmarch 1\.0$' '' --version
expect 2 '' "^velmarch: unknown option '--full'\$" --full
expect 2 '' "unknown option '-h'" -h
expect 2 '' "^Usage: velmarch" play
expect 2 '' "unknown option '--nope'" --windowed --nope --help
[ "$(wc -l <"$E2E_WORK/err")" -eq 2 ] || e2e_fail "a refusal is more than the line and the usage"
e2e_log "passed"
