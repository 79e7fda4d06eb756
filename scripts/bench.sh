#!/usr/bin/env bash
# Benchmarks: builds everything and measures start-up, one set-proxy action, the idle window,
# memory and the program file's size, side by side with yardsticks run in the same session.
# Prints a table and writes it to build/benchmarks.md.
source "$(dirname "$0")/common.sh"

install_packages "${PACKAGES[@]}"
build_all tests
setup_wine_environment
start_display

report="$BUILD/benchmarks.md"
say "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(wine64_version)"
"$WINE64" "$BUILD/win64/tests/bench.exe"

# CPU time of the whole process, wake-ups of its UI thread (its context switches: the message loop
# should sleep until a message comes) and peak memory of an idle window, read from Linux: the
# program runs as one Linux process whose first thread is its UI thread.
ticks_per_second=$(getconf CLK_TCK)
read_counters() {
    local pid=$1 fields
    read -r -a fields < <(cut -d')' -f2- "/proc/$pid/stat")
    echo "$((fields[11] + fields[12])) $(awk '/ctxt_switches/ {s += $2} END {print s}' "/proc/$pid/task/$pid/status")"
}
measure_idle() {
    local program=$1 pid before after hwm
    # Wine runs the program in the process it was started as: its own process id is known here.
    "$WINE64" "$program" >/dev/null 2>&1 &
    pid=$!
    sleep 5
    [ -r "/proc/$pid/stat" ] || { echo "FAILED: $program is not running" >&2; return 1; }
    read -r -a before < <(read_counters "$pid")
    sleep 10
    read -r -a after < <(read_counters "$pid")
    hwm=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$(( (after[0] - before[0]) * 1000 / ticks_per_second )) $((after[1] - before[1])) $hwm"
}
say "idle windows, 10 s each ..."
read -r -a program_idle < <(measure_idle "$BUILD/win64/ieproxy.exe")
read -r -a baseline_idle < <(measure_idle "$BUILD/win64/tests/bench/baseline_window.exe")
{
    echo
    echo "| idle window, 10 s | ieproxy | baseline |"
    echo "|---|---|---|"
    echo "| CPU time | ${program_idle[0]} ms | ${baseline_idle[0]} ms |"
    echo "| UI thread wake-ups (context switches) | ${program_idle[1]} | ${baseline_idle[1]} |"
    echo "| peak resident memory (VmHWM) | ${program_idle[2]} KiB | ${baseline_idle[2]} KiB |"
    echo "| peak memory ieproxy / baseline | $(awk "BEGIN {printf \"%.2f\", ${program_idle[2]} / ${baseline_idle[2]}}") | |"
    echo
    echo "32-bit program file imports: $(i686-w64-mingw32-objdump -p "$BUILD/win32/ieproxy.exe" | awk '/DLL Name:/ {printf "%s ", $3}')"
} | tee -a "$report"
say "table written to $report"
