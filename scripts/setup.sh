# Shared set-up of scripts/play, scripts/test and scripts/screenshots: installs the Debian
# packages that are missing and builds. Sourced, not run.

VELMARCH_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Installs the packages of scripts/apt-packages that are not installed yet; does nothing (and
# needs no network) when all are there.
velmarch_install_packages() {
    local package missing=()
    while read -r package; do
        package=${package%%#*}
        package=${package//[[:space:]]/}
        [ -n "$package" ] || continue
        if [ "$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null)" != installed ]; then
            missing+=("$package")
        fi
    done <"$VELMARCH_ROOT/scripts/apt-packages"
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing ${missing[*]}"
    "${sudo[@]}" apt-get update &&
        "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

# velmarch_build DIR BUILD_TYPE [CMAKE_OPTION...]: configures (once) and builds what changed.
velmarch_build() {
    local dir=$1 type=$2
    shift 2
    # A tree configured for another generator cannot be switched in place.
    if [ -f "$dir/CMakeCache.txt" ] && ! grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$' "$dir/CMakeCache.txt"; then
        rm -rf "$dir/CMakeCache.txt" "$dir/CMakeFiles"
    fi
    mkdir -p "$dir"
    cmake -S "$VELMARCH_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" "$@" >"$dir/configure.log" 2>&1 ||
        { cat "$dir/configure.log"; return 1; }
    cmake --build "$dir" -j "$(nproc)"
}

# velmarch_start_x [WIDTHxHEIGHT]: starts a virtual X server, at the game's size unless given, on
# a free display number and exports DISPLAY; velmarch_stop_x ends it.
VELMARCH_XVFB_PID=""
velmarch_start_x() {
    local state
    state=$(mktemp -d "${TMPDIR:-/tmp}/velmarch-x.XXXXXX") || return 1
    Xvfb -displayfd 3 -screen 0 "${1:-1440x900}x24" -nolisten tcp -noreset 3>"$state/display" 2>"$state/log" &
    VELMARCH_XVFB_PID=$!
    local tries
    for tries in $(seq 100); do
        [ -s "$state/display" ] && break
        kill -0 "$VELMARCH_XVFB_PID" 2>/dev/null || { cat "$state/log"; return 1; }
        sleep 0.1
    done
    [ -s "$state/display" ] || { echo "Xvfb did not start"; return 1; }
    export DISPLAY=":$(tr -d '[:space:]' <"$state/display")"
    rm -rf "$state"
    echo "Virtual X server on $DISPLAY"
}

velmarch_stop_x() {
    if [ -n "$VELMARCH_XVFB_PID" ]; then
        kill "$VELMARCH_XVFB_PID" 2>/dev/null
        wait "$VELMARCH_XVFB_PID" 2>/dev/null
        VELMARCH_XVFB_PID=""
    fi
}

# --- The Debian package ---

# velmarch_package BUILD_DIR: makes BUILD_DIR/package/velmarch_VERSION_ARCH.deb from what the
# build holds (build it first) and prints the file's path.
velmarch_package() {
    local dir
    dir=$(cd "$1" && pwd) || return 1
    rm -f "$dir"/package/velmarch_*.deb
    (cd "$dir" && cpack -G DEB >"$dir/cpack.log" 2>&1) || { cat "$dir/cpack.log"; return 1; }
    ls "$dir"/package/velmarch_*.deb
}
