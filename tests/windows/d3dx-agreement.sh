#!/usr/bin/env bash
# d3dx-agreement.sh TOOL.exe FRAME [block-textures]: the Windows build's capture tool, run under
# Wine with Wine's D3DX switched off, and the same tool built against the D3DX 9 runtime
# (WINDOWS_D3DX9_BIN, the windows-d3dx9 preset), run with Wine's, draw frame FRAME at 640 x 480,
# and the two pictures agree to at least 45 dB (frame_agreement.py gives the other tolerances).
# The runtime's build is started with D3DX switched off too, and must fail: that shows the switch
# works, so the first tool drew without any D3DX DLL. On failure both pictures and their
# difference are left in the working directory.
#
# block-textures: both tools load images made of blocks of colour (make_block_textures) instead of
# the program's own.
source "$(dirname "$0")/wine-session.sh"
: "${WINDOWS_D3DX9_BIN:?}"

ours=$WINDOWS_BIN/$1
runtime=$WINDOWS_D3DX9_BIN/$1
frame=$2
require_windows_program "$ours"
[ -f "$runtime" ] || fail "$runtime is missing: build the tools against the D3DX runtime first" \
    "(cmake --preset windows-d3dx9 && cmake --build --preset windows-d3dx9)"
kept=$PWD/$(basename "$1" .exe)-d3dx-frame-$frame
without_d3dx="$WINEDLLOVERRIDES;d3dx9_43="

options=(--frame "$frame" --size 640x480)
if [ "${3:-}" = block-textures ]; then
    make_block_textures "$SESSION_DIR/textures"
    options+=(--textures "$("$WINE" winepath -w "$SESSION_DIR/textures")")
fi

# capture PICTURE EXE [ENVIRONMENT...]: the tool draws the frame into PICTURE, an absolute path.
capture() {
    local picture=$1 exe=$2
    shift 2
    env "$@" timeout -k 5 60 "$WINE" "$exe" "${options[@]}" \
        --out "$("$WINE" winepath -w "$picture")" >>"$PROGRAM_LOG" 2>&1
}

ours_picture=$SESSION_DIR/ours.png
runtime_picture=$SESSION_DIR/runtime.png
capture "$ours_picture" "$ours" WINEDLLOVERRIDES="$without_d3dx" ||
    fail "$ours could not capture frame $frame under Wine without D3DX"
! capture "$SESSION_DIR/unused.png" "$runtime" WINEDLLOVERRIDES="$without_d3dx" ||
    fail "$runtime ran with Wine's D3DX switched off: the switch does not work"
capture "$runtime_picture" "$runtime" || fail "$runtime could not capture frame $frame under Wine"
if ! python3 "$(dirname "$0")/frame_agreement.py" --min-psnr 45 "$ours_picture" \
    "$runtime_picture"; then
    cp "$ours_picture" "$kept-ours.png"
    cp "$runtime_picture" "$kept-runtime.png"
    compare "$ours_picture" "$runtime_picture" "$kept-difference.png" || true
    fail "frame $frame differs between our D3DX and the D3DX runtime (pictures: $kept-*.png)"
fi
