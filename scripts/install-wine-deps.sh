#!/usr/bin/env bash
# Installs what the Windows build and its tests need, where missing: the mingw-w64 cross compiler,
# and Wine with its 32-bit half. Wine's Direct3D 9 draws through OpenGL, so the 32-bit Mesa
# libraries (llvmpipe) come too; the 32-bit packages need the i386 architecture enabled.
set -euo pipefail

packages=(
    g++-mingw-w64-i686 wine wine32:i386 libgl1:i386 libglx-mesa0:i386 libgl1-mesa-dri:i386
)

export DEBIAN_FRONTEND=noninteractive
update=false
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    update=true
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    update=true
fi
if $update; then
    apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
