#!/usr/bin/env bash
# draws-option.sh TOOL: many_draws-capture lists --draws in its usage and takes its value as it
# takes the other counts, in digits alone and from 1 to 1000000; anything else exits 2 with one
# line naming --draws. Offscreen, the largest count draws a frame.
set -uo pipefail
tool=$1
# shellcheck source=tests/shell/scratch.sh
source "$(dirname "$0")/../shell/scratch.sh"

"$tool" --help | grep -qF -- "--draws N        cubes drawn a frame, each with its own draw, 1 to 1000000" ||
    fail "--help does not list --draws with its range"
for bad in 0 -5 +5 05 5.0 abc "" " 5" 1000001 99999999999999999999; do
    code=0
    env -u DISPLAY -u WAYLAND_DISPLAY "$tool" --draws "$bad" 2>"$out/stderr" || code=$?
    [ "$code" -eq 2 ] || fail "--draws \"$bad\" exited with $code, expected 2"
    [ "$(wc -l <"$out/stderr")" -eq 1 ] && grep -qF "bad value for --draws" "$out/stderr" ||
        fail "--draws \"$bad\" said: $(cat "$out/stderr")"
done
SDL_VIDEODRIVER=offscreen "$tool" --draws 1000000 --size 8x6 --out "$out/frame.png" ||
    fail "--draws 1000000 did not draw a frame"
[ -s "$out/frame.png" ] || fail "--draws 1000000 wrote no picture"
