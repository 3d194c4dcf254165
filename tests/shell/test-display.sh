#!/usr/bin/env bash
# test-display.sh start|stop FILE: the CTest fixture that gives a test run one private X display.
# start runs Xvfb apart from the test (its own session, no output), and writes its display name
# and process id to FILE, where scripts/virtual-display.sh finds them; stop ends it and removes FILE.
# With TESTS_ON_HOST_DISPLAY=1 it starts none, and the tests use the display DISPLAY names.
set -euo pipefail
file=${2:?usage: test-display.sh start|stop FILE}

case "$1" in
    start)
        rm -f "$file"
        [ "${TESTS_ON_HOST_DISPLAY:-}" = 1 ] && exit 0
        unset TEST_DISPLAY_FILE
        source "$(dirname "$0")/../../scripts/virtual-display.sh"
        start_virtual_display
        printf '%s\n%s\n' "$DISPLAY" "$VIRTUAL_DISPLAY_PID" >"$file"
        ;;
    stop)
        if [ -s "$file" ]; then
            kill "$(sed -n 2p "$file")" 2>/dev/null || true
            rm -f "$file"
        fi
        ;;
    *)
        echo "usage: test-display.sh start|stop FILE" >&2
        exit 2
        ;;
esac
