#!/usr/bin/env bash
# where-32-bit-runs.sh COMMAND...: runs a test of the 32-bit Windows build where this machine runs
# 32-bit code; elsewhere prints why in one line and exits 77, which ctest reports as skipped.
if ! reason=$("$(dirname "$0")/../../scripts/runs-32-bit-code.sh" 2>&1); then
    echo "skipped: $reason"
    exit 77
fi
exec "$@"
