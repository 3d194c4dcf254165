#!/usr/bin/env bash
# desktop-untouched.sh BUILD_DIR: stands a sentinel X server in for the user's desktop, names it in
# DISPLAY and runs a representative set of the window tests through ctest: the main loop's, the
# window layer's, one picture test, one end-to-end test and, where the Windows build and Wine are
# there, one Windows test. Fails if a window ever appeared on the sentinel, or a test failed.
set -euo pipefail
build=$(cd "${1:?usage: desktop-untouched.sh BUILD_DIR}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

unset TEST_DISPLAY_FILE TESTS_ON_HOST_DISPLAY
source "$here/../../scripts/virtual-display.sh"
events=
watcher=
use_virtual_display 'kill $watcher 2>/dev/null; rm -f "$events"'
events=$(mktemp)
xev -root -event substructure >"$events" 2>&1 &
watcher=$!
sleep 1

tests='loop_tests|win32_tests|capture_pictures_tests|e2e_boxring_escape'
windows_bin=$(sed -n 's/^WINDOWS_BUILD_DIR:PATH=//p' "$build/CMakeCache.txt")/bin
wine=$(sed -n 's/^WINE64_LOADER:FILEPATH=//p' "$build/CMakeCache.txt")
if [ -x "$wine" ] && [ -f "$windows_bin/boxring.exe" ]; then
    tests="$tests|windows_boxring_escape"
fi
status=0
ctest --test-dir "$build" -R "^($tests)\$" --output-on-failure || status=$?

kill -0 "$watcher" 2>/dev/null || { echo "FAIL: the sentinel's watcher ended early" >&2; exit 1; }
if grep -q CreateNotify "$events"; then
    echo "FAIL: windows appeared on the sentinel display $DISPLAY:" >&2
    grep -A2 CreateNotify "$events" | head -n 20 >&2
    exit 1
fi
exit "$status"
