#!/usr/bin/env bash
# skip-without.sh PATH HOW COMMAND...: runs COMMAND where PATH exists. Elsewhere it says in one line
# that the test is skipped, which of its inputs is missing and HOW to make it, and exits 77, which
# ctest reports as skipped: a test of a build that was not made ends at once instead of failing.
# Calls chain: skip-without.sh A "..." skip-without.sh B "..." COMMAND...
set -euo pipefail
if [ $# -lt 3 ]; then
    echo "usage: skip-without.sh PATH HOW COMMAND..." >&2
    exit 2
fi
if [ ! -e "$1" ]; then
    echo "skipped: $1 is missing ($2)"
    exit 77
fi
shift 2
exec "$@"
