#!/usr/bin/env bash
# Creates the throwaway Wine prefix that the Windows tests of one run share. Mono and Gecko are
# left out (WINEDLLOVERRIDES in the test environment), so nothing prompts for them.
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX must name the prefix to create}"

wineserver -k 2>/dev/null || true
rm -rf "$WINEPREFIX"
wineboot -i
wineserver -w
