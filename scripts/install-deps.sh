#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, where they are missing.
set -euo pipefail

# xfonts-base: the fonts SDL's message boxes draw with; a bare Xvfb has none they accept.
# clang and libclang-rt-14-dev: the fuzz preset's compiler and its libFuzzer and sanitizer runtimes.
packages=(
    cmake g++ pkg-config libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
    libsdl2-dev libgl-dev libx11-dev libxtst-dev libgl1-mesa-dri libglx-mesa0
    libturbojpeg0-dev libpng-dev libstb-dev
    xvfb xauth x11-utils xfonts-base xdotool imagemagick
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
