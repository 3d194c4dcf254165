#!/usr/bin/env bash
# where-32-bit-runs.sh COMMAND...: runs a test of the 32-bit Windows build where it can run: on a
# machine that runs 32-bit code, with 32-bit Wine ($WINE) installed and the build in $WINDOWS_BIN.
# Elsewhere it prints why in one line and exits 77, which ctest reports as skipped.
if ! reason=$("$(dirname "$0")/../../scripts/runs-32-bit-code.sh" 2>&1); then
    echo "skipped: $reason"
    exit 77
fi
if [ ! -x "$WINE" ]; then
    echo "skipped: 32-bit Wine ($WINE) is not installed (scripts/install-wine-x86-deps.sh)"
    exit 77
fi
if [ ! -d "$WINDOWS_BIN" ]; then
    echo "skipped: the 32-bit Windows build is not in $WINDOWS_BIN (cmake --build --preset windows-x86)"
    exit 77
fi
exec "$@"
