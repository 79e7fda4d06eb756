#!/usr/bin/env bash
# Builds everything and runs every test: unit tests, the tests that drive the real program (the
# 64-bit twin) under 64-bit Wine on a virtual display, the end-to-end check of the shipped 32-bit
# program under 32-bit Wine, and the program file's budget. Ends with a summary line.
source "$(dirname "$0")/common.sh"

install_packages "${PACKAGES[@]}" clang-format
check_format
build_all tests
setup_wine_environment
ctest_arguments=("$@")
shipped_setup=ok
setup_log="$BUILD/setup-32bit.log"
# Shown as it happens (it may change the host: the i386 architecture, a binfmt_misc entry) and
# kept in the log.
if ! setup_32bit_wine 2>&1 | tee "$setup_log"; then
    shipped_setup="32-bit Wine could not be set up, so the shipped 32-bit program was not run: $(tail -n1 "$setup_log")"
    ctest_arguments+=(-E 'e2e.Shipped32')
fi
start_display

say "running the tests"
set +e
(cd "$BUILD/win64" && ctest --output-on-failure --timeout 900 "${ctest_arguments[@]}")
status=$?
if [ "$shipped_setup" != ok ]; then
    say "FAILED: $shipped_setup"
    status=1
fi
# Screenshots the tests saved, for a person to look at.
for shot in "$BUILD"/screenshot-*.bmp; do
    [ -f "$shot" ] && convert "$shot" "${shot%.bmp}.png" && rm -f "$shot"
done
if [ $status -eq 0 ]; then say "SUMMARY: all tests passed"; else say "SUMMARY: tests FAILED"; fi
exit $status
