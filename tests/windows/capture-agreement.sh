#!/usr/bin/env bash
# capture-agreement.sh NATIVE_TOOL TOOL.exe FRAME: the capture tool built on the stand-in and the
# one built for Windows, run under Wine, draw frame FRAME at 640 x 480, and the two pictures agree
# (frame_agreement.py gives the tolerances). On failure both pictures and their difference are
# left in the working directory.
source "$(dirname "$0")/wine-session.sh"

native_tool=$1
windows_tool=$WINDOWS_BIN/$2
frame=$3
require_windows_program "$windows_tool"
kept=$PWD/$(basename "$2" .exe)-frame-$frame

cd "$SESSION_DIR"
timeout 60 "$native_tool" --frame "$frame" --size 640x480 --out native.png ||
    fail "$native_tool could not capture frame $frame"
timeout 60 wine "$windows_tool" --frame "$frame" --size 640x480 --out windows.png >wine.log 2>&1 ||
    fail "$windows_tool could not capture frame $frame under Wine"
if ! python3 "$TESTS_DIR/frame_agreement.py" native.png windows.png; then
    cp native.png "$kept-native.png"
    cp windows.png "$kept-windows.png"
    compare native.png windows.png "$kept-difference.png" || true
    fail "frame $frame differs between the stand-in and Windows (pictures: $kept-*.png)"
fi
