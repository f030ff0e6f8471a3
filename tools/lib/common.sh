# Shared steps of tools/run and tools/test: install what is missing, build, and prepare Wine
# and a private X display. Sourced, not run.

VELKOR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
VELKOR_BUILD=${VELKOR_BUILD:-$VELKOR_ROOT/build}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

velkor_log() { printf '\n== %s\n' "$*"; }

# Installs the Debian packages that are not there yet (root, or sudo when available).
velkor_install_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    velkor_log "installing ${missing[*]}"
    local sudo=()
    [ "$(id -u)" = 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

velkor_install_build_deps() {
    velkor_install_packages cmake make g++ googletest libgtest-dev libbenchmark-dev \
        g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix \
        binutils-mingw-w64-x86-64 binutils-mingw-w64-i686 \
        wine wine64 xvfb xauth x11-utils procps xdotool imagemagick \
        clang libclang-rt-dev
}

# velkor_build NAME [TOOLCHAIN] [TARGET...]
velkor_build() {
    local name=$1 toolchain=${2:-}
    shift 2 || shift $#
    local dir="$VELKOR_BUILD/$name" args=()
    [ -n "$toolchain" ] && args+=(-DCMAKE_TOOLCHAIN_FILE="$VELKOR_ROOT/cmake/$toolchain")
    velkor_log "building $name"
    cmake -S "$VELKOR_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Release "${args[@]}" >/dev/null
    local targets=()
    [ $# -gt 0 ] && targets=(--target "$@")
    cmake --build "$dir" -j "$(nproc)" "${targets[@]}" -- --no-print-directory >"$dir/build.log" 2>&1 ||
        { tail -60 "$dir/build.log"; return 1; }
}

# Boots a Wine prefix once and keeps it, quiet and offline:
# velkor_prepare_prefix DIR [virtual-desktop]. In a virtual desktop every window lives inside
# one X window, which spares the wait for a window manager that Xvfb does not have.
velkor_prepare_prefix() {
    export WINEPREFIX=$1
    if [ ! -f "$WINEPREFIX/.velkor-ready" ]; then
        velkor_log "preparing Wine prefix $WINEPREFIX"
        rm -rf "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1
        wineserver -w
        touch "$WINEPREFIX/.velkor-ready"
    fi
    velkor_use_virtual_desktop "${2:-}"
}

# Switches the prefix's virtual desktop on (argument "virtual-desktop") or off.
velkor_use_virtual_desktop() {
    local key='HKCU\Software\Wine\Explorer'
    if [ "${1:-}" = virtual-desktop ]; then
        [ -f "$WINEPREFIX/.velkor-desktop" ] && return 0
        wine reg add "$key" /v Desktop /d Default /f >/dev/null 2>&1
        wine reg add "$key\\Desktops" /v Default /d 1024x768 /f >/dev/null 2>&1
        touch "$WINEPREFIX/.velkor-desktop"
    else
        [ -f "$WINEPREFIX/.velkor-desktop" ] || return 0
        wine reg delete "$key" /v Desktop /f >/dev/null 2>&1
        rm -f "$WINEPREFIX/.velkor-desktop"
    fi
    wineserver -w
}

# Starts a private Xvfb display on a free number (Xvfb picks it) and exports DISPLAY.
velkor_start_xvfb() {
    local numberFile
    numberFile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numberFile" >/dev/null 2>&1 &
    VELKOR_XVFB_PID=$!
    local i
    for i in $(seq 100); do
        if [ -s "$numberFile" ]; then
            export DISPLAY=":$(tr -dc 0-9 <"$numberFile")"
            rm -f "$numberFile"
            return 0
        fi
        sleep 0.1
    done
    rm -f "$numberFile"
    echo "Xvfb did not start" >&2
    return 1
}

velkor_stop_xvfb() {
    [ -n "${VELKOR_XVFB_PID:-}" ] && kill "$VELKOR_XVFB_PID" 2>/dev/null
    VELKOR_XVFB_PID=
}
