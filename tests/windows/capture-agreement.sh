#!/usr/bin/env bash
# capture-agreement.sh NATIVE_TOOL TOOL.exe FRAME [block-textures]: the capture tool built on the
# stand-in and the one built for Windows, run under Wine, draw frame FRAME at 640 x 480, and the
# two pictures agree (frame_agreement.py gives the tolerances). On failure both pictures and their
# difference are left in the working directory.
#
# block-textures: both tools load images made of 64 x 64-texel blocks of colour instead of the
# program's own. Wine's D3DX builds mip levels by point sampling (it reports the box filter as
# unhandled) where the real library averages, so images with finer detail have other mip levels
# under Wine than on Windows or the stand-in. Blocks this size give the same levels either way
# down to 4 x 4 texels, smaller than any face in these frames.
source "$(dirname "$0")/wine-session.sh"

native_tool=$1
windows_tool=$WINDOWS_BIN/$2
frame=$3
require_windows_program "$windows_tool"
kept=$PWD/$(basename "$2" .exe)-frame-$frame

native_options=(--frame "$frame" --size 640x480)
windows_options=("${native_options[@]}")
if [ "${4:-}" = block-textures ]; then
    textures=$SESSION_DIR/textures
    mkdir "$textures"
    # 4 x 4 random colours per image, each scaled up by pixel replication to a 64 x 64 block;
    # full chroma resolution so that the JPEG keeps every block one flat colour.
    for k in 0 1 2 3 4; do
        convert -seed $((k + 1)) -size 4x4 xc:black -channel RGB -fx "rand()" -scale 6400% \
            -sampling-factor 1x1 -quality 100 "$textures/tex$k.jpg"
    done
    native_options+=(--textures "$textures")
    windows_options+=(--textures "$("$WINE" winepath -w "$textures")")
fi

# Absolute paths: the tools may change the working directory to find their images.
native=$SESSION_DIR/native.png
windows=$SESSION_DIR/windows.png
timeout -k 5 60 "$native_tool" "${native_options[@]}" --out "$native" ||
    fail "$native_tool could not capture frame $frame"
windows_options+=(--out "$("$WINE" winepath -w "$windows")")
timeout -k 5 60 "$WINE" "$windows_tool" "${windows_options[@]}" >"$PROGRAM_LOG" 2>&1 ||
    fail "$windows_tool could not capture frame $frame under Wine"
if ! python3 "$(dirname "$0")/frame_agreement.py" "$native" "$windows"; then
    cp "$native" "$kept-native.png"
    cp "$windows" "$kept-windows.png"
    compare "$native" "$windows" "$kept-difference.png" || true
    fail "frame $frame differs between the stand-in and Windows (pictures: $kept-*.png)"
fi
