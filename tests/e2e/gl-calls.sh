#!/usr/bin/env bash
# gl-calls.sh CAPTURE_TOOL EXPECTED [APITRACE_CHECK BUILD_DIR PROGRAM]: a frame of the program
# makes exactly the GL calls EXPECTED names, as the stand-in's GL seam counts them (the port log's
# "made N, skipped M: function count, ..." without the skipped count), a frame being the calls
# from one Present to the next. With the apitrace check (tools/bench/gl_calls.sh), an outside
# witness: apitrace sees as many calls in a frame as the seam made, so no GL call goes around the
# seam, and none of them repeats a value the context holds.
source "$(dirname "$0")/session.sh"

cd "$SESSION_DIR" || exit 1
PORT_LOG_LEVEL=info "$1" --bench 3 >/dev/null 2>log || fail "the capture failed: $(cat log)"
# The last frame also reads the picture back: the one before it is a plain frame.
frame=$(grep ' GL calls: ' log | tail -n 2 | head -n 1)
[ -n "$frame" ] || fail "the port log has no frame's GL calls: $(cat log)"
made=$(sed -E 's/.* GL calls: made ([0-9]+), skipped [0-9]+(: .*)?$/made \1\2/' <<<"$frame")
[ "$made" = "$2" ] || fail "a frame made \"$made\", not \"$2\""

[ $# -eq 5 ] || exit 0
total=$(sed -E 's/^made ([0-9]+).*/\1/' <<<"$made")
traced=$("$3" "$4" "$5" 3) || fail "apitrace saw calls that repeat a value: $traced"
[[ "$traced" == *"calls in frame 2: $total, repeating a value already set: 0"* ]] ||
    fail "apitrace saw another frame than the seam's $total calls: $traced"
