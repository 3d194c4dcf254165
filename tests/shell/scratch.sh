# shellcheck shell=bash
# Sourced by the test scripts that need no display: $out, a folder of the script's own that goes at
# its exit, and fail MESSAGE, which says what failed and ends the script with 1.
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
