#!/usr/bin/env bash
# Fails when the end-to-end driver holds a test that no CTest entry runs.
# Arguments: the Wine loader, the driver, and a negative gtest filter of every entry's filters.
set -euo pipefail
wine=$1 driver=$2 filter=$3
listing=$("$wine" "$driver" --gtest_list_tests "--gtest_filter=$filter" | tr -d '\r')
[ -n "$("$wine" "$driver" --gtest_list_tests | tr -d '\r')" ] || { echo "FAIL: the driver lists no tests"; exit 1; }
if grep -q '^  ' <<<"$listing"; then
    echo "FAIL: no CTest entry runs these tests; add their suite to E2E_SUITES in tests/CMakeLists.txt:"
    echo "$listing"
    exit 1
fi
echo "every test of the driver is run by an entry"
