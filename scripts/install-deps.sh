#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, where they are missing.
set -euo pipefail
source "$(dirname "$0")/packages.sh"

# xfonts-base: the fonts SDL's message boxes draw with; a bare Xvfb has none they accept.
# clang and libclang-rt-14-dev: the fuzz preset's compiler and its libFuzzer and sanitizer runtimes.
packages=(
    cmake g++ pkg-config libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
    libsdl2-dev libgl-dev libx11-dev libxtst-dev libgl1-mesa-dri libglx-mesa0
    libjpeg62-turbo-dev libturbojpeg0-dev libpng-dev libstb-dev
    xvfb xauth x11-utils xfonts-base xdotool imagemagick
)

install_missing "${packages[@]}"
