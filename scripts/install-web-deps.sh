#!/usr/bin/env bash
# Installs the Debian packages the browser build and its tests need, where they are missing:
# Emscripten (the compiler), Chromium (the browser the tests drive), Node.js and npm (the test
# runner and its packages), stb (the JPEG decoder compiled into the pages).
set -euo pipefail
source "$(dirname "$0")/packages.sh"

packages=(emscripten chromium nodejs libstb-dev)
# Some machines' Node.js package brings npm itself, and Debian's npm package conflicts with it.
command -v npm >/dev/null || packages+=(npm)
install_missing "${packages[@]}"
