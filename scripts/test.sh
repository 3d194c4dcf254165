#!/usr/bin/env bash
# Builds everything and runs every test: unit, pictures, end-to-end under a virtual display, the
# Windows build under Wine, installing and packaging both builds, the browser build's pages in
# headless Chromium; then the native tests again under the sanitizers, and a short run of the
# texture loader's fuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/install-test-deps.sh
scripts/install-web-deps.sh

cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"

# The 64-bit Windows build (mingw-w64), whose programs the windows tests run under 64-bit Wine.
scripts/install-wine-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)"
# Its capture tools once more, linking the D3DX 9 runtime, to check that ours draws the same.
cmake --preset windows-d3dx9 >/dev/null
cmake --build --preset windows-d3dx9 -j "$(nproc)"

# The 32-bit Windows build, only where 32-bit programs run and its packages can be installed; its
# tests report themselves skipped elsewhere.
if ! reason=$(scripts/runs-32-bit-code.sh 2>&1); then
    echo "Not building the 32-bit Windows build (windows-x86): $reason"
elif ! scripts/install-wine-x86-deps.sh; then
    echo "Not building the 32-bit Windows build (windows-x86): its packages could not be installed"
else
    cmake --preset windows-x86 >/dev/null
    cmake --build --preset windows-x86 -j "$(nproc)"
fi

# The browser build (Emscripten), whose pages the web tests open in Chromium.
(
    source scripts/web-env.sh
    build_web
    install_node_packages
)

ctest --preset default
# Whatever DISPLAY names, no test opens a window there.
tests/shell/desktop-untouched.sh build

# ---- Sanitizers: the same native tests, Wine's aside, built with AddressSanitizer, LeakSanitizer
# and UndefinedBehaviorSanitizer. Any report fails the test that met it.
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$(nproc)"
ctest --preset asan

# ---- Fuzzing: the texture loader's fuzzer, built with clang and libFuzzer, runs for 20 s from its
# seed corpus. A crash, a hang or an oversized allocation fails it.
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"
ctest --preset fuzz
