#!/usr/bin/env bash
# capture-options.sh CAPTURE_TOOL VERSION: --help and -h print the usage, with every option and its
# range, on standard output and exit 0 (1 where it cannot be written); --version prints VERSION; an
# unknown option exits 2 with one line that points to --help. None of them needs a display, and
# with SDL_VIDEODRIVER=offscreen the tool draws a frame without one.
set -uo pipefail
tool=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# run EXPECTED_CODE ARGUMENTS...: runs the tool without a display, into $out/stdout and stderr.
run() {
    local expected=$1 code=0
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY "$tool" "$@" >"$out/stdout" 2>"$out/stderr" || code=$?
    [ "$code" -eq "$expected" ] || fail "$* exited with $code, expected $expected"
}

for help in --help -h; do
    run 0 --frame 3 "$help"
    [ ! -s "$out/stderr" ] || fail "$help wrote on standard error: $(cat "$out/stderr")"
    for text in "--frame N" "1 to 10000000 (default 1)" "--out FILE.png" "(default frame.png)" \
        "--bench N" "--size WxH" "1x1 to 8192x8192 (default 640x480)" "--textures DIR" \
        "-h, --help" "--version"; do
        grep -qF -- "$text" "$out/stdout" || fail "$help does not mention \"$text\""
    done
done
run 0 --version
[ "$(cat "$out/stdout")" = "$tool $2" ] || fail "--version printed \"$(cat "$out/stdout")\""
run 2 --fast
[ "$(wc -l <"$out/stderr")" -eq 1 ] && grep -q -- "--fast.*--help" "$out/stderr" ||
    fail "an unknown option gave: $(cat "$out/stderr")"
[ ! -s "$out/stdout" ] || fail "an unknown option wrote on standard output"
code=0
"$tool" --help >/dev/full 2>/dev/null || code=$?
[ "$code" -eq 1 ] || fail "--help into a full device exited with $code, expected 1"

SDL_VIDEODRIVER=offscreen run 0 --size 64x48 --out "$out/frame.png"
[ "$(identify -format %wx%h "$out/frame.png")" = 64x48 ] || fail "no 64 x 48 frame offscreen"
