#!/usr/bin/env bash
# capture-options.sh CAPTURE_TOOL VERSION: --help and -h print the usage, with every option and its
# range, on standard output and exit 0; --version prints VERSION; an unknown option, or a count or
# size not written as the browser's capture tool takes it (digits alone, the first not 0), exits 2
# with one line that points to --help. None of them needs a display, and with
# SDL_VIDEODRIVER=offscreen the tool draws a frame without one. Every output that cannot be written
# (standard output, the picture) gives exit code 1 and a message; --out through a symbolic link
# writes the file the link points to, made anew or replaced, and leaves the link as it was.
set -uo pipefail
tool=$1
# shellcheck source=tests/shell/scratch.sh
source "$(dirname "$0")/../shell/scratch.sh"

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

# Counts and sizes as the browser's tool takes them (^[1-9][0-9]*$), and nothing else.
for bad in "--frame +5" "--frame  5" "--frame 5 " "--frame -5" "--frame 05" "--frame 0" \
    "--frame 5.0" "--frame 0x10" "--bench +5" "--bench  5" "--frame 10000001" \
    "--size  10x10" "--size 10x 10" "--size +10x10" "--size 10x+10" "--size 10x10 " \
    "--size 010x10" "--size 10x" "--size 8193x10"; do
    run 2 "${bad%% *}" "${bad#* }"
    [ "$(wc -l <"$out/stderr")" -eq 1 ] && grep -qF -- "bad value for ${bad%% *}" "$out/stderr" ||
        fail "$bad gave: $(cat "$out/stderr")"
done

SDL_VIDEODRIVER=offscreen run 0 --size 64x48 --out "$out/frame.png"
[ "$(identify -format %wx%h "$out/frame.png")" = 64x48 ] || fail "no 64 x 48 frame offscreen"

# Each output into a full device, or where no file can be made: exit code 1 and a message.
for case in "stdout --help" "stdout --version" "stdout --bench 1 --size 8x8" \
    "picture --size 8x8 --out /dev/full" "picture --size 8x8 --out $out/no-folder/frame.png"; do
    read -r output arguments <<<"$case"
    code=0
    if [ "$output" = stdout ]; then
        # shellcheck disable=SC2086 # the arguments are words
        SDL_VIDEODRIVER=offscreen "$tool" $arguments >/dev/full 2>"$out/stderr" || code=$?
    else
        # shellcheck disable=SC2086
        SDL_VIDEODRIVER=offscreen "$tool" $arguments >"$out/stdout" 2>"$out/stderr" || code=$?
    fi
    [ "$code" -eq 1 ] || fail "$arguments, its $output not writable, exited with $code, expected 1"
    grep -q "could not write" "$out/stderr" ||
        fail "$arguments, its $output not writable, said: $(cat "$out/stderr")"
done

# --out through a link: to a file that exists, to none yet (absolute, relative to the link's
# folder). The link stays, and the file it names holds the picture.
mkdir -p "$out/pictures" "$out/links"
echo old >"$out/pictures/old.png"
for case in "old.png $out/pictures/old.png" "new.png $out/pictures/new.png" \
    "relative.png ../pictures/relative.png"; do
    read -r link target <<<"$case"
    ln -s "$target" "$out/links/$link"
    SDL_VIDEODRIVER=offscreen run 0 --size 8x6 --out "$out/links/$link"
    [ "$(readlink "$out/links/$link")" = "$target" ] || fail "--out $link did not leave its link"
    [ "$(identify -format %wx%h "$out/pictures/$link")" = 8x6 ] ||
        fail "--out $link did not write the picture to the file its link names"
done
