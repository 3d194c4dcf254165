#!/usr/bin/env bash
# frame-calls.sh CAPTURE_TOOL "EXPECTED CALLS" "EXPECTED LINE" [trace]: the record of frame 3
# (--calls) lists exactly the Direct3D 9 methods the scene's source calls, in order, and the text
# record holds the expected line; frame 1's begins with the scene's setup. Its pictures: the first
# clear leaves the clear colour everywhere, each draw changes some pixels, and the last draw's
# picture is the frame written with --out, which recording leaves as it is without. Bad
# destinations are refused in words. With "trace", apitrace witnesses the record's GL calls,
# skipped values and GLSL (record-against-trace.py).
source "$(dirname "$0")/session.sh"

tool=$1
cd "$SESSION_DIR" || exit 1
"$tool" --frame 3 --out plain.png 2>log || fail "the capture failed: $(cat log)"
"$tool" --frame 3 --out recorded.png --calls calls.json --call-pictures pictures 2>log ||
    fail "the recorded capture failed: $(cat log)"
cmp -s plain.png recorded.png || fail "recording the calls changed the frame"
"$tool" --frame 3 --out recorded.png --calls calls.txt 2>log || fail "$(cat log)"
grep -qxF "$3" calls.txt || fail "calls.txt lacks \"$3\": $(head -n 40 calls.txt)"
# Frame 1 holds the scene's setup, from the device's first call on.
"$tool" --frame 1 --out first.png --calls first.txt 2>log || fail "$(cat log)"
grep -q '^1\. CreateVertexBuffer(' first.txt || fail "frame 1 does not begin with the setup: $(head -n 3 first.txt)"

python3 - "$2" <<'PYTHON' || fail "the record of frame 3 is not what the scene draws"
import json, subprocess, sys

def pixels(path):
    return subprocess.run(["convert", path, "-depth", "8", "rgb:-"], check=True,
                          capture_output=True).stdout

record = json.load(open("calls.json"))
assert record["version"] == 1, record["version"]
methods = [call["call"].split("(")[0] for call in record["calls"]]
expected = sys.argv[1].split()
assert methods == expected, "calls %s, expected %s" % (methods, expected)
drawn = [call for call in record["calls"] if call.get("drew")]
assert drawn and all(call["drew"]["picture"] for call in drawn), "a clear or draw lacks its picture"
first = pixels("pictures/" + drawn[0]["drew"]["picture"])
assert first == bytes([0, 0, 0x50]) * (len(first) // 3), "the first clear left another colour"
previous = first
for call in drawn[1:]:
    picture = pixels("pictures/" + call["drew"]["picture"])
    if call["call"].startswith("DrawIndexedPrimitive"):
        assert picture != previous, "call %d changed no pixel" % call["number"]
        assert call["drew"]["vertexShader"].startswith("#version"), "call %d lacks its GLSL"
    previous = picture
assert previous == pixels("recorded.png"), "the last draw's picture is not the frame"
PYTHON

if [ "${4:-}" = trace ]; then
    apitrace trace --api gl --output "$PWD/frame.trace" "$tool" --frame 3 --out "$PWD/traced.png" \
        --calls "$PWD/traced.json" >/dev/null 2>&1 || fail "the traced capture failed"
    apitrace dump --color=never --arg-names=yes frame.trace >frame.dump || fail "apitrace dump failed"
    "$(dirname "$0")/record-against-trace.py" traced.json frame.dump 3 >log ||
        fail "the record's GL calls are not the traced ones: $(head -n 20 log)"
fi

expect_refused() {
    local code=$1 words=$2 got=0
    shift 2
    "$tool" "$@" >/dev/null 2>log || got=$?
    [ "$got" -eq "$code" ] || fail "$* exited with $got, not $code"
    grep -q "$words" log || fail "$* did not say \"$words\": $(cat log)"
}
expect_refused 2 "takes no --calls" --bench 3 --calls calls.txt
expect_refused 2 "goes with --calls only" --call-pictures pictures
mkdir folder
expect_refused 1 "could not write" --frame 1 --out f.png --calls folder
expect_refused 1 "could not write" --frame 1 --out f.png --calls /dev/full
expect_refused 1 "cannot make the picture folder" --frame 1 --out f.png --calls c.txt \
    --call-pictures plain.png
exit 0
