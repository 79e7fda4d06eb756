# Shared by the scripts: where things are, package installation, the Wine prefix and the display.
# Source it; it sets `set -euo pipefail`.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"
WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
# Where 32-bit Wine runs under qemu, qemu needs the upper part of the 32-bit address space kept for
# itself, or Wine cannot map its shared user data (c0000018).
export QEMU_RESERVED_VA=0xc0000000

PACKAGES=(cmake make g++ g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools googletest
          wine wine64 fonts-wine xvfb xdotool imagemagick fonts-wqy-microhei locales git zip unzip)

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

# Builds the 32-bit program and the 64-bit twin; with "tests", the twin brings the test suite and
# every warning is an error.
build_all() {
    local tests=${1:-}
    local flag=OFF
    [ "$tests" = tests ] && flag=ON
    build_program "$flag"
    cmake -S "$ROOT" -B "$BUILD/win64" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-x86_64.cmake" \
        -DIEPROXY_BUILD_TESTS="$flag" -DIEPROXY_WARNINGS_AS_ERRORS="$flag" >/dev/null
    cmake --build "$BUILD/win64" -j "$(nproc)"
}

# The 32-bit program, the product: build/win32/ieproxy.exe. The argument: warnings as errors (ON).
build_program() {
    cmake -S "$ROOT" -B "$BUILD/win32" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-i686.cmake" \
        -DIEPROXY_WARNINGS_AS_ERRORS="${1:-OFF}" >/dev/null
    cmake --build "$BUILD/win32" -j "$(nproc)"
}

# The sources keep the committed clang-format style.
check_format() {
    local files
    mapfile -t files < <(cd "$ROOT" && git ls-files '*.cpp' '*.h')
    (cd "$ROOT" && clang-format --dry-run --Werror "${files[@]}") ||
        { say "FAILED: the sources above differ from the clang-format style (clang-format -i fixes them)"; return 1; }
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
    export WINEARCH=win64 WINELOADER="$WINE64" WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEPREFIX="$BUILD/wine-prefix"
    create_prefix "$WINEPREFIX"
}

# A Wine prefix made under the zh_CN locale, in which every program runs on one virtual desktop
# drawn by Wine (with window captions). It is marked ready only when every step succeeded (each
# step returns on failure: `set -e` does not act inside a function called from a condition).
create_prefix() {
    local prefix=$1
    if [ ! -f "$prefix/.ieproxy-ready" ]; then
        say "creating the Wine prefix $prefix"
        rm -rf "$prefix"
        # Without a display the prefix is made in seconds.
        prefix_command "$prefix" wineboot -i || { echo "wineboot failed in $prefix"; return 1; }
        prefix_command "$prefix" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f &&
            prefix_command "$prefix" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f ||
            { echo "cannot set up the virtual desktop in $prefix"; return 1; }
        WINEPREFIX="$prefix" "$WINESERVER" -w
        touch "$prefix/.ieproxy-ready"
    fi
    mark_unmanaged "$prefix"
}

# Runs a Wine command in a prefix, without a display (faster) and without its output.
prefix_command() {
    local prefix=$1
    shift
    env -u DISPLAY WINEPREFIX="$prefix" "$WINE64" "$@" >/dev/null 2>&1
}

# Where Wine's windows are X windows without a window manager, Wine waits about 2 s for every
# window that closes, a message box included, unless the program's windows are unmanaged. (On
# the virtual desktop the wait does not arise.) It changes nothing in the programs.
mark_unmanaged() {
    local prefix=$1 program
    [ -f "$prefix/.ieproxy-unmanaged" ] && return 0
    for program in ieproxy.exe baseline_window.exe; do
        prefix_command "$prefix" reg add "HKCU\\Software\\Wine\\AppDefaults\\$program\\X11 Driver" /v Managed /d N /f ||
            { echo "cannot mark $program unmanaged in $prefix"; return 1; }
    done
    WINEPREFIX="$prefix" "$WINESERVER" -w
    touch "$prefix/.ieproxy-unmanaged"
}

# Whether 32-bit Linux programs, and so 32-bit Wine, run here without emulation.
runs_32bit_natively() {
    [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ] && [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

# 32-bit Wine for the shipped 32-bit program, and a prefix that runs 32-bit programs beside the
# 64-bit ones: build/wine-prefix-wow64. Where the machine cannot run 32-bit Linux programs, 32-bit
# Wine runs under qemu's user-mode emulation (slow: about 40 s a process).
QEMU_I386_BINFMT=':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F'
setup_32bit_wine() {
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        say "adding the i386 architecture to this machine's packages (for wine32:i386)"
        as_root dpkg --add-architecture i386 || { echo "cannot add the i386 architecture"; return 1; }
        as_root apt-get update -qq || { echo "apt-get update failed"; return 1; }
    fi
    install_packages wine32:i386 qemu-user-static || { echo "cannot install wine32:i386 and qemu-user-static"; return 1; }
    if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
        say "32-bit programs cannot run natively here: 32-bit Wine runs under qemu"
        [ -f /proc/sys/fs/binfmt_misc/status ] ||
            as_root mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc || { echo "cannot mount binfmt_misc"; return 1; }
        if [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
            say "registering qemu-i386 with this machine's binfmt_misc, for 32-bit Linux programs"
            echo "$QEMU_I386_BINFMT" | as_root tee /proc/sys/fs/binfmt_misc/register >/dev/null ||
                { echo "cannot register qemu-i386 with binfmt_misc"; return 1; }
        fi
        /usr/lib/wine/wine --version >/dev/null 2>&1 || { echo "32-bit Wine does not start, even under qemu"; return 1; }
    fi
    # The prefix gets its 32-bit half only when it is made while 32-bit Wine can run.
    create_prefix "$BUILD/wine-prefix-wow64" || return 1
    [ -f "$BUILD/wine-prefix-wow64/drive_c/windows/syswow64/kernel32.dll" ] || { echo "the prefix has no 32-bit system"; return 1; }
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
    local prefix
    for prefix in "$BUILD/wine-prefix" "$BUILD/wine-prefix-wow64"; do
        [ -d "$prefix" ] || continue
        WINEPREFIX="$prefix" "$WINESERVER" -k 2>/dev/null || true
        WINEPREFIX="$prefix" "$WINESERVER" -w 2>/dev/null || true
    done
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}
