#!/usr/bin/env bash
# port-log.sh CAPTURE_TOOL: a capture writes nothing on standard error; with PORT_LOG_LEVEL=info it
# writes one line each for the window, the OpenGL renderer, each back buffer and swap interval
# (the device is created with interval ONE and reset to IMMEDIATE), with the sizes asked for, and
# the GL calls of each frame presented.
source "$(dirname "$0")/session.sh"

cd "$SESSION_DIR"
"$1" --size 320x200 --out quiet.png 2>quiet.log || fail "the capture failed: $(cat quiet.log)"
[ ! -s quiet.log ] || fail "the capture wrote on standard error: $(head -n 3 quiet.log)"

PORT_LOG_LEVEL=info "$1" --size 320x200 --out told.png 2>told.log ||
    fail "the capture failed: $(cat told.log)"
expected=(
    '^win32: window "[^"]+" [0-9]+ x [0-9]+, client area 320 x 200$'
    '^d3d9: OpenGL renderer .+, version [0-9]+\.[0-9]+.*$'
    '^d3d9: back buffer 320 x 200$'
    '^d3d9: swap interval asked 1, granted -?[0-9]+$'
    '^d3d9: back buffer 320 x 200$'
    '^d3d9: swap interval asked 0, granted -?[0-9]+$'
    '^d3d9: frame 1 GL calls: made [0-9]+, skipped [0-9]+: gl[A-Za-z0-9]+ [0-9]+(, gl[A-Za-z0-9]+ [0-9]+)*$'
)
[ "$(wc -l <told.log)" -eq ${#expected[@]} ] || fail "PORT_LOG_LEVEL=info gave: $(cat told.log)"
line=0
while IFS= read -r text; do
    [[ "$text" =~ ${expected[$line]} ]] || fail "line $((line + 1)) is \"$text\""
    line=$((line + 1))
done <told.log
