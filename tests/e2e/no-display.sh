#!/usr/bin/env bash
# no-display.sh EXECUTABLE: started where there is no display at all (no DISPLAY, no
# WAYLAND_DISPLAY, no SDL_VIDEODRIVER), the program does not run on unseen on one of SDL's
# invisible drivers: it says there is no display, shows the Direct3D failure as the text of its
# message box, and ends with exit code 1 within 10 s.
set -uo pipefail

output=$(mktemp)
trap 'rm -f "$output"' EXIT

status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout -s KILL 10 "$1" >"$output" 2>&1 ||
    status=$?

fail() {
    echo "FAIL: $*" >&2
    echo "--- program output:" >&2
    cat "$output" >&2
    exit 1
}

[ "$status" -ne 137 ] || fail "the program was still running after 10 s"
[ "$status" -eq 1 ] || fail "exit code $status, expected 1"
grep -q "^Cannot open a display" "$output" || fail "the program did not say there is no display"
grep -q "^Info: Błąd inicjalizacji Direct3D!$" "$output" || fail "no Direct3D failure message"
