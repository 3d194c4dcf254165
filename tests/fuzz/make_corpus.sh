#!/usr/bin/env bash
# Writes the seed corpus of the texture loader's fuzzer into tests/fuzz/corpus: small JPEGs the
# loader takes (baseline, grey, progressive, odd sizes that get scaled) and broken ones it must
# refuse (truncated, corrupted entropy data, declared sizes of zero and past the device's limit,
# CMYK, a PNG under a .jpg name, 500 scans over 8192 x 8192). Every file is a few KB at most. Needs
# ImageMagick's convert, and the build's scan_heavy_jpeg (build/bin, or SCAN_HEAVY_JPEG).
set -euo pipefail
out=$(cd "$(dirname "$0")" && pwd)/corpus
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A picture with edges and gradients, so the entropy data is not trivial.
convert -size 48x32 gradient:red-blue -fill yellow -draw "circle 24,16 30,20" "$work/source.png"

convert "$work/source.png" -quality 75 -sampling-factor 2x2 "$out/baseline-420.jpg"
convert "$work/source.png" -resize 33x17! -quality 90 -sampling-factor 1x1 "$out/odd-size-444.jpg"
convert "$work/source.png" -resize 16x16! -colorspace Gray "$out/grey.jpg"
convert "$work/source.png" -interlace JPEG -quality 60 "$out/progressive.jpg"
convert "$work/source.png" -resize 1x1! "$out/one-pixel.jpg"
convert "$work/source.png" -colorspace CMYK "$out/cmyk.jpg"
convert "$work/source.png" "png:$out/png-named-jpg.jpg"

# write_at FILE OFFSET BYTE...: overwrites bytes of FILE at OFFSET with the given hex bytes.
write_at() {
    local file=$1 offset=$2
    shift 2
    printf '%b' "$(printf '\\x%s' "$@")" | dd of="$file" bs=1 seek="$offset" conv=notrunc status=none
}

# with_size NAME HEIGHT_HI HEIGHT_LO WIDTH_HI WIDTH_LO: a copy of baseline-420.jpg whose frame
# header (FF C0, length, precision, height, width) declares another size.
with_size() {
    local name=$1 offset
    shift
    offset=$(LC_ALL=C grep -obUaP '\xff\xc0' "$out/baseline-420.jpg" | head -n 1 | cut -d: -f1)
    cp "$out/baseline-420.jpg" "$out/$name"
    write_at "$out/$name" $((offset + 5)) "$@"
}
with_size declared-60000x60000.jpg ea 60 ea 60
with_size declared-8192x8192.jpg 20 00 20 00
with_size declared-8193-wide.jpg 00 20 20 01
with_size declared-zero-high.jpg 00 00 00 30

size=$(stat -c %s "$out/baseline-420.jpg")
head -c $((size / 2)) "$out/baseline-420.jpg" >"$out/truncated.jpg"
cp "$out/baseline-420.jpg" "$out/corrupt-entropy.jpg"
write_at "$out/corrupt-entropy.jpg" $((size - 40)) ff 00 13 37 ff d9 00 ff

# Nine KB that ask for 500 passes over an 8192 x 8192 image: refused by the decoding work budget.
"${SCAN_HEAVY_JPEG:-$out/../../../build/bin/scan_heavy_jpeg}" 8192 500 "$out/scans-500-8192.jpg"
