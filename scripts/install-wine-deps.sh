#!/usr/bin/env bash
# Installs what the Windows build and its tests need, where missing: the mingw-w64 cross compiler,
# and Wine with its 32-bit half. Wine's Direct3D 9 draws through OpenGL, so the 32-bit Mesa
# libraries (llvmpipe) come too; the 32-bit packages need the i386 architecture enabled.
set -euo pipefail
source "$(dirname "$0")/packages.sh"

packages=(
    g++-mingw-w64-i686 wine wine32:i386 libgl1:i386 libglx-mesa0:i386 libgl1-mesa-dri:i386
)

# Once the architecture is enabled its packages are missing, so install_missing refreshes the lists.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
fi
install_missing "${packages[@]}"
