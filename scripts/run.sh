#!/usr/bin/env bash
# Builds the program and starts it in a window. With no display, on a virtual one: a screenshot
# goes to build/screenshot.png (and the window alone to docs/ieproxy.png, the README's picture),
# the window is closed and the exit code reported.
source "$(dirname "$0")/common.sh"

install_packages "${PACKAGES[@]}"
build_all
setup_wine_environment

# The product is the 32-bit program; where 32-bit Wine cannot run, the 64-bit twin stands in.
if runs_32bit_natively; then
    program="$BUILD/win32/ieproxy.exe"
    say "running the 32-bit program: $program"
else
    program="$BUILD/win64/ieproxy.exe"
    say "32-bit Wine does not run natively on this machine; running the 64-bit twin: $program"
fi

if [ -n "${DISPLAY:-}" ]; then
    set +e
    "$WINE64" "$program"
    code=$?
    say "the program ended with exit code $code"
    exit 0
fi

start_display
"$WINE64" "$program" &
wine_pid=$!
# Wine draws its virtual desktop in one X window; the program's window appears inside it.
for _ in $(seq 1 150); do
    xdotool search --name 'Wine desktop' >/dev/null 2>&1 && break
    sleep 0.2
done
sleep 3
import -window root "$BUILD/screenshot.png"
say "screenshot: $BUILD/screenshot.png"
# The README's picture: the window alone, centred on the 1024 x 768 desktop, with no time stamps
# in the file, so that it changes only when the window does.
convert "$BUILD/screenshot.png" -crop 613x324+205+222 +repage -strip \
    -define png:exclude-chunks=date,time "$ROOT/docs/ieproxy.png"
say "the README's picture: $ROOT/docs/ieproxy.png"
# Without /f, taskkill asks the window to close, as the close button does.
"$WINE64" taskkill /im ieproxy.exe >/dev/null 2>&1 || true
set +e
wait "$wine_pid"
code=$?
say "the program ended with exit code $code"
