# Shared by the scripts: where things are, package installation, the Wine prefix and the display.
# Source it; it sets `set -euo pipefail`.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"
WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

PACKAGES=(cmake make g++ g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools googletest
          wine wine64 fonts-wine xvfb xdotool imagemagick fonts-wqy-microhei locales)

say() { printf '== %s\n' "$*"; }
wine64_version() { "$WINE64" --version 2>/dev/null || echo "Wine"; }

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the Debian packages that are missing.
install_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    say "installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Builds the 32-bit program and the 64-bit twin; with "tests", the twin brings the test suite.
build_all() {
    local tests=${1:-}
    local flag=OFF
    [ "$tests" = tests ] && flag=ON
    cmake -S "$ROOT" -B "$BUILD/win32" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-i686.cmake" >/dev/null
    cmake --build "$BUILD/win32" -j "$(nproc)"
    cmake -S "$ROOT" -B "$BUILD/win64" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-x86_64.cmake" \
        -DIEPROXY_BUILD_TESTS="$flag" >/dev/null
    cmake --build "$BUILD/win64" -j "$(nproc)"
}

# Wine reads its ANSI code page from the locale: zh_CN gives code page 936. The glibc locale is
# generated into the build tree so that Linux file names and arguments arrive right.
setup_wine_environment() {
    export LOCPATH="$BUILD/locale"
    if [ ! -d "$LOCPATH/zh_CN.UTF-8" ]; then
        mkdir -p "$LOCPATH"
        localedef -i zh_CN -f UTF-8 "$LOCPATH/zh_CN.UTF-8"
    fi
    # (the shell itself cannot take this locale; it only passes it on)
    { export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8; } 2>/dev/null
    export WINEPREFIX="$BUILD/wine-prefix" WINEARCH=win64 WINELOADER="$WINE64" WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    if [ ! -f "$WINEPREFIX/.ieproxy-ready" ]; then
        say "creating the Wine prefix $WINEPREFIX"
        rm -rf "$WINEPREFIX"
        # Without a display the prefix is made in seconds.
        env -u DISPLAY "$WINE64" wineboot -i >/dev/null 2>&1
        # Every program runs on one virtual desktop drawn by Wine, with window captions.
        env -u DISPLAY "$WINE64" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
        env -u DISPLAY "$WINE64" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
        "$WINESERVER" -w
        touch "$WINEPREFIX/.ieproxy-ready"
    fi
}

# A virtual X display of our own for as long as the calling script runs.
start_display() {
    local fifo="$BUILD/.display"
    rm -f "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    local n=0
    while [ ! -s "$fifo" ] && [ $n -lt 100 ]; do sleep 0.1; n=$((n + 1)); done
    [ -s "$fifo" ] || { echo "Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(head -n1 "$fifo")"
    trap stop_display EXIT
}

stop_display() {
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w 2>/dev/null || true
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}
