#!/usr/bin/env bash
# Installs the Debian packages that building and running the programs and the capture tools need,
# where they are missing: the compiler, CMake, SDL2, X11, OpenGL with Mesa's drivers, libjpeg-turbo
# and stb; and for running without a display, Xvfb and the tools that take a window's picture and
# press its keys.
set -euo pipefail
source "$(dirname "$0")/packages.sh"

# xfonts-base: the fonts SDL's message boxes draw with; a bare Xvfb has none they accept.
packages=(
    cmake g++ libsdl2-dev libgl-dev libgles-dev libx11-dev libgl1-mesa-dri libglx-mesa0
    libjpeg62-turbo-dev libstb-dev
    xvfb xauth x11-utils xfonts-base xdotool imagemagick
)

install_missing "${packages[@]}"
