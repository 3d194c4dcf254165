#!/usr/bin/env bash
# readme_figures.sh [--memory] [BUILD_DIR]: runs again the commands behind the README's figures and
# prints each figure as the README gives it beside what this machine measures now.
#
# Peak memory, which the machine's load does not change, is compared: a figure more than 10 % from
# what is measured fails the run (exit 1). Frame rates, ratios and times are printed beside the
# README's rows for a reader to judge: ratios within their stated spread, absolute times only as
# this machine's. With --memory it measures the native memory figures alone (a pictures test runs
# that); without, the rest follows: peak memory under Wine (where the windows preset is built),
# the stand-in against plain GL, the texture loading benchmark, the browser build beside the
# native one (where build-web/ is built and `npm ci` was run), the long runs' resident memory and
# the frames after a million (an hour on a quiet 2-core machine).
# BUILD_DIR is the default preset's build (default build). Everything runs on a private virtual
# display, in files of its own under TMPDIR.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
readme=$root/README.md
memory_only=
if [ "${1:-}" = --memory ]; then
    memory_only=1
    shift
fi
[ $# -le 1 ] || { echo "usage: tools/bench/readme_figures.sh [--memory] [BUILD_DIR]" >&2; exit 2; }
build=$(cd "${1:-$root/build}" && pwd)
bin=$build/bin
for tool in boxring-capture texcross-capture plain_gl_cubes load_textures scan_heavy_jpeg; do
    [ -x "$bin/$tool" ] || { echo "no $bin/$tool: build the default preset first" >&2; exit 2; }
done

source "$root/scripts/virtual-display.sh"
source "$here/bench_lib.sh"
work=
wine=/usr/lib/wine/wine64
wine_server=/usr/lib/wine/wineserver64
# Wine's server for the script's own prefix, where it made one, ends before its files go.
use_virtual_display '[ ! -d "$work/wineprefix" ] || "$wine_server" -k 2>/dev/null; rm -rf "$work"'
work=$(mktemp -d)
source "$here/stats.sh"

# readme_row START: the README's table row that begins with "| START".
readme_row() {
    local row
    row=$(grep -F -m 1 "| $1" "$readme") || { echo "the README has no row \"$1\"" >&2; exit 2; }
    echo "$row"
}

# readme_number START CELL INDEX: the INDEXth number (thousands' commas dropped) in the CELLth cell
# of that row.
readme_number() {
    readme_row "$1" | awk -F'|' -v cell="$(($2 + 1))" -v index_="$3" '{
        text = $cell
        gsub(/,/, "", text)
        n = 0
        while (match(text, /[0-9]+(\.[0-9]+)?/)) {
            if (++n == index_) { print substr(text, RSTART, RLENGTH); exit }
            text = substr(text, RSTART + RLENGTH)
        }
    }'
}

failed=0
# compare_memory WHAT README_MIB MEASURED_KIB: prints both, and fails the run beyond 10 %.
compare_memory() {
    local verdict
    verdict=$(awk -v readme="$2" -v kib="$3" 'BEGIN {
        mib = kib / 1024
        off = (mib - readme) / readme * 100
        printf "README %s MiB, measured %.1f MiB (%+.1f %%)%s", readme, mib, off,
            (off > 10 || off < -10) ? ": MORE THAN 10 % OFF" : ""
    }')
    echo "$1: $verdict"
    case "$verdict" in *OFF) failed=1 ;; esac
}

echo "== Peak memory (/usr/bin/time; the README's Performance section)"
row="peak memory, boxring / texcross"
compare_memory "boxring-capture --bench 2000" "$(readme_number "$row" 2 1)" \
    "$(peak_kib "$work/out" "$bin/boxring-capture" --bench 2000)"
compare_memory "texcross-capture --bench 2000" "$(readme_number "$row" 2 2)" \
    "$(peak_kib "$work/out" "$bin/texcross-capture" --bench 2000)"
compare_memory "plain_gl_cubes 2000" "$(readme_number "$row" 2 3)" \
    "$(peak_kib "$work/out" "$bin/plain_gl_cubes" 2000)"

echo "== Loading one texture at the largest sizes (load_textures)"
"$bin/scan_heavy_jpeg" 8192 22 "$work/scans-22.jpg"
"$bin/scan_heavy_jpeg" 8192 1 "$work/scans-1.jpg"
for k in 0 1 2 3 4; do
    convert -size 4097x4097 "xc:rgb($((k * 50)),128,200)" -quality 90 "$work/solid-$k.jpg"
done
# load_row START FILE...: the row's result, time and peak memory beside this machine's.
load_row() {
    local start=$1 kib
    shift
    # A file the loader refuses still has its peak memory.
    kib=$(peak_kib "$work/out" "$bin/load_textures" "$@") || true
    echo "README: $(readme_row "$start")"
    sed 's|.*/|    |' "$work/out"
    compare_memory "    peak" "$(readme_number "$start" 4 1)" "$kib"
}
load_row "22 scans" "$work/scans-22.jpg"
load_row "one scan" "$work/scans-1.jpg"
load_row "500 scans" "$root/tests/fuzz/corpus/scans-500-8192.jpg"
load_row "five solid 4097" "$work"/solid-{0,1,2,3,4}.jpg

if [ -n "$memory_only" ]; then
    exit "$failed"
fi

windows_bin=$(sed -n 's/^WINDOWS_BUILD_DIR:PATH=//p' "$build/CMakeCache.txt")/bin
if [ -x "$wine" ] && [ -f "$windows_bin/boxring-capture.exe" ]; then
    echo "== Peak memory under 64-bit Wine, in a prefix of its own (made first: a minute or more)"
    make_wine_prefix "$work/wineprefix" "$wine" "$wine_server" >/dev/null 2>&1
    row="peak memory under 64-bit Wine"
    for program_index in boxring:1 texcross:2; do
        program=${program_index%:*}
        compare_memory "$program-capture.exe --bench 2000" \
            "$(readme_number "$row" 2 "${program_index#*:}")" \
            "$(peak_kib "$work/out" "$wine" "$windows_bin/$program-capture.exe" --bench 2000)"
    done
else
    echo "== Wine: no 64-bit Windows build at $windows_bin, or no $wine"
fi

echo "== boxring-capture against plain SDL2 + OpenGL: tools/bench/compare.sh $build 2000 5"
for row in "boxring / plain GL" "first frame from process start"; do
    echo "README: $(readme_row "$row")"
done
"$here/compare.sh" "$build" 2000 5

echo "== texcross's five images: texture_loading_bench"
echo "README: $(readme_row "loading texcross's five images")"
(cd "$bin" && ./texture_loading_bench 2>/dev/null)

if [ -f "$root/build-web/boxring.html" ] && [ -d "$root/node_modules" ]; then
    echo "== The browser build: tools/web/bench.sh PROGRAM 2000 5"
    for row in "page weight" "first frame from navigation" "frames/s in the browser" \
        "frames/s natively, same runs" "frames 1, 100, 1000 against"; do
        echo "README: $(readme_row "$row")"
    done
    for program in boxring texcross; do
        echo "-- $program"
        "$root/tools/web/bench.sh" "$program" 2000 5
        for frame in 1 100 1000; do
            node "$root/tools/web/capture.mjs" "$program" --frame "$frame" --out "$work/web.png"
            echo "frame $frame: $(compare -metric PSNR "$work/web.png" \
                "$root/tests/pictures/golden/$program-frame$frame.png" null: 2>&1) dB"
        done
    done
else
    echo "== The browser build: not built (source scripts/web-env.sh && build_web; npm ci)"
fi

echo "== Long runs: tools/bench/soak.sh"
for program_row in "boxring:resident memory over 1,000,000 boxring" \
    "texcross:resident memory over 1,000,000 texcross"; do
    program=${program_row%%:*}
    row=${program_row#*:}
    options=(30)
    if [ "$program" = texcross ]; then
        options=(60 --size 160x120)
    fi
    "$here/soak.sh" "$bin/$program-capture" 1000000 "${options[@]}" | tee "$work/soak"
    compare_memory "$program, resident at the first sample" \
        "$(awk -v kib="$(readme_number "$row" 2 1)" 'BEGIN { print kib / 1024 }')" \
        "$(sed -n 's/.*rss_start_kb=\([0-9]*\).*/\1/p' "$work/soak")"
done

echo "== Frames 999999 and 1000000 at 160 x 120 differ in (README's Long runs: 4,242 and 3,153)"
for program in boxring texcross; do
    for frame in 999999 1000000; do
        SDL_VIDEODRIVER=x11 LIBGL_ALWAYS_SOFTWARE=1 GALLIUM_DRIVER=llvmpipe \
            "$bin/$program-capture" --frame "$frame" --size 160x120 --out "$work/$frame.png"
    done
    echo "$program: $(compare -metric AE "$work/999999.png" "$work/1000000.png" null: 2>&1) pixels"
done
exit "$failed"
