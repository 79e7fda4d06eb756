#!/usr/bin/env bash
# Builds everything and runs every test: unit tests and the tests that drive the real program
# under 64-bit Wine on a virtual display. Ends with a summary line.
source "$(dirname "$0")/common.sh"

install_packages "${PACKAGES[@]}"
build_all tests
setup_wine_environment
start_display

say "running the tests"
set +e
(cd "$BUILD/win64" && ctest --output-on-failure --timeout 600 "$@")
status=$?
# Screenshots the tests saved, for a person to look at.
for shot in "$BUILD"/screenshot-*.bmp; do
    [ -f "$shot" ] && convert "$shot" "${shot%.bmp}.png" && rm -f "$shot"
done
if [ $status -eq 0 ]; then say "SUMMARY: all tests passed"; else say "SUMMARY: tests FAILED"; fi
exit $status
