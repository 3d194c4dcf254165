#!/usr/bin/env bash
# texcross-bad-images.sh TEXCROSS: with tex0.jpg replaced by each kind of file the loader cannot
# take, texcross shows the texture failure and ends with exit code 1: no crash, no hang, and its
# memory stays bounded, also for a header that declares a huge picture. Each case runs with the
# address space limited to 2 GiB, three times what a normal run reserves, so that an attempt to
# allocate a huge picture fails at once instead of taking the machine's memory.
source "$(dirname "$0")/texcross.sh"

ADDRESS_SPACE_LIMIT=$((2 << 30))
SOURCE=$(dirname "$1")/tex0.jpg

# with_frame_size HEIGHT WIDTH FILE: writes to FILE a copy of tex0.jpg whose baseline frame header
# (marker FF C0, length, precision, then height and width as big-endian 16-bit numbers) declares a
# picture of HEIGHT x WIDTH.
with_frame_size() {
    local offset
    offset=$(LC_ALL=C grep -obUaP '\xff\xc0' "$SOURCE" | head -n 1 | cut -d: -f1)
    [ -n "$offset" ] || fail "$SOURCE has no baseline frame header"
    cp "$SOURCE" "$3"
    printf '%b' "$(printf '\\x%02x' $(($1 >> 8)) $(($1 & 255)) $(($2 >> 8)) $(($2 & 255)))" |
        dd of="$3" bs=1 seek=$((offset + 5)) conv=notrunc status=none
}

# make_bad_image CASE FILE: puts at FILE what the case names.
make_bad_image() {
    case $1 in
    empty) : >"$2" ;;
    truncated) head -c $(($(stat -c %s "$SOURCE") / 2)) "$SOURCE" >"$2" ;;
    random) head -c 4096 /dev/urandom >"$2" ;;
    random-after-start) { printf '\xff\xd8\xff' && head -c 4096 /dev/urandom; } >"$2" ;;
    huge) with_frame_size 60000 60000 "$2" ;;
    zero-height) with_frame_size 0 256 "$2" ;;
    directory) mkdir "$2" ;;
    png) convert "$SOURCE" "png:$2" ;;
    esac
}

# AddressSanitizer reserves terabytes of address space for its shadow memory before main, so a
# program built with it cannot start under the limit; its own ceiling on a single allocation,
# which ends the program with a report, stands in for it.
if grep -qa __asan_init "$1"; then
    export ASAN_OPTIONS="${ASAN_OPTIONS:-}:max_allocation_size_mb=$((ADDRESS_SPACE_LIMIT >> 20))"
    limit=()
else
    limit=(prlimit --as="$ADDRESS_SPACE_LIMIT")
fi

for bad in empty truncated random random-after-start huge zero-height directory png; do
    echo "tex0.jpg: $bad"
    folder=$SESSION_DIR/$bad
    copy_program "$1" "$folder" tex1.jpg tex2.jpg tex3.jpg tex4.jpg
    make_bad_image "$bad" "$folder/tex0.jpg"
    start_program "${limit[@]}" "$folder/texcross"
    expect_texture_failure
done
