#!/usr/bin/env bash
# Installs what the 64-bit Windows build and its tests need, where missing: the mingw-w64 cross
# compiler for x86-64 and 64-bit Wine. Wine's Direct3D 9 draws through the host's OpenGL (Mesa's
# llvmpipe), which install-deps.sh installs. Nothing 32-bit: see install-wine-x86-deps.sh.
set -euo pipefail
source "$(dirname "$0")/packages.sh"

packages=(g++-mingw-w64-x86-64 wine64)
install_missing "${packages[@]}"
