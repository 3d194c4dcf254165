#!/usr/bin/env bash
# capture-agreement.sh NATIVE_TOOL TOOL.exe FRAME [block-textures]: the capture tool built on the
# stand-in and the one built for Windows, run under Wine, draw frame FRAME at 640 x 480, and the
# two pictures agree (frame_agreement.py gives the tolerances). On failure both pictures and their
# difference are left in the working directory. The Windows build refuses --calls.
#
# block-textures: both tools load images made of large blocks of colour (make_block_textures)
# instead of the program's own, whose fine detail would put most of a textured face on an edge,
# where the tolerances above cannot judge it.
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
    make_block_textures "$textures"
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

# The platform's own Direct3D 9 has no recorder, so the Windows build has no --calls.
refused=0
timeout -k 5 60 "$WINE" "$windows_tool" --calls calls.txt >/dev/null 2>"$PROGRAM_LOG" || refused=$?
[ "$refused" -eq 2 ] && grep -q "unknown option: --calls" "$PROGRAM_LOG" ||
    fail "$windows_tool took --calls (exit $refused)"
