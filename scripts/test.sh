#!/usr/bin/env bash
# Builds everything and runs every test: unit, pictures, end-to-end under a virtual display, and
# the Windows build under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
source scripts/virtual-display.sh
trap '[ -n "${VIRTUAL_DISPLAY_PID:-}" ] && kill "$VIRTUAL_DISPLAY_PID"' EXIT

cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"

# The Windows build (mingw-w64), whose programs the windows tests run under Wine.
scripts/install-wine-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)"

ctest --preset default
