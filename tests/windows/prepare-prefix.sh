#!/usr/bin/env bash
# Creates the throwaway Wine prefix that the Windows tests of one run share, as the benchmark
# scripts make theirs (make_wine_prefix: Mono and Gecko left out, so nothing prompts). A prefix that
# exists is replaced only when it carries the mark this script leaves in the prefixes it makes:
# any other is somebody's own, and is neither touched nor its Wine server ended.
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX must name the prefix to create}" "${WINE:?}" "${WINESERVER:?}"
mark=$WINEPREFIX/made-by-the-windows-tests

if [ -e "$WINEPREFIX" ] && [ ! -f "$mark" ]; then
    echo "$WINEPREFIX was not made by the tests: not replacing it" >&2
    exit 1
fi
if [ -e "$WINEPREFIX" ]; then
    "$WINESERVER" -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
fi
mkdir -p "$WINEPREFIX"
touch "$mark"
source "$(dirname "$0")/../../scripts/virtual-display.sh"
source "$(dirname "$0")/../../tools/bench/bench_lib.sh"
use_virtual_display
make_wine_prefix "$WINEPREFIX" "$WINE" "$WINESERVER"
