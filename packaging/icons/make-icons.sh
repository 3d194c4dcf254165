#!/usr/bin/env bash
# make-icons.sh [BUILD_DIR]: remakes the programs' icons in this folder from their own pictures:
# the frame the README shows (boxring's 120th, texcross's 40th), drawn by the capture tools of
# BUILD_DIR (default build) on llvmpipe under a private virtual display, cropped to its middle
# square; PROGRAM-SIZE.png for the hicolor theme and PROGRAM.ico, several sizes in one, for the
# Windows executables.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:-build}/bin" && pwd)
source "$here/../../scripts/virtual-display.sh"
work=
use_virtual_display 'rm -rf "$work"'
work=$(mktemp -d)

for program_frame in boxring:120 texcross:40; do
    program=${program_frame%:*}
    SDL_VIDEODRIVER=x11 LIBGL_ALWAYS_SOFTWARE=1 GALLIUM_DRIVER=llvmpipe \
        "$bin/$program-capture" --frame "${program_frame#*:}" --out "$work/$program.png"
    convert "$work/$program.png" -gravity center -crop 480x480+0+0 +repage "$work/square.png"
    for size in 48 128 256; do
        convert "$work/square.png" -resize "${size}x$size" -strip "$here/$program-$size.png"
    done
    convert "$work/square.png" -define icon:auto-resize=256,48,32,16 "$here/$program.ico"
done
