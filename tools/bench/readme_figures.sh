#!/usr/bin/env bash
# readme_figures.sh [--memory] [BUILD_DIR]: runs again the commands behind the figures of
# docs/PERFORMANCE.md and prints each figure as it gives it beside what this machine measures now.
# The figures come from readme_figures.tsv; one that docs/PERFORMANCE.md no longer holds stops the
# run (exit 2), so the two keep the same numbers whatever the wording.
#
# Peak memory, which the machine's load does not change, is compared: a figure further from what
# is measured than its tolerance (10 %) fails the run (exit 1). Frame rates, ratios and times are
# printed beside the documented rows for a reader to judge: ratios within their stated spread,
# absolute times only as this machine's. With --memory it measures the native memory figures alone
# (a pictures test runs that); without, the rest follows: peak memory under Wine (where the
# windows preset is built), the stand-in against plain GL, the texture loading benchmark, the
# browser build beside the native one (where build-web/ is built and `npm ci` was run), the long
# runs' resident memory and the frames after a million (an hour on a quiet 2-core machine).
# BUILD_DIR is the default preset's build (default build). Everything runs on a private virtual
# display, in files of its own under TMPDIR.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
readme=$root/docs/PERFORMANCE.md
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

declare -A figure unit tolerance
while IFS=$'\t' read -r key value value_unit value_tolerance; do
    case "$key" in '#'* | '') continue ;; esac
    grep -qF -- "$value" "$readme" || {
        echo "docs/PERFORMANCE.md no longer gives $key's figure \"$value\"" \
            "(tools/bench/readme_figures.tsv)" >&2
        exit 2
    }
    figure[$key]=$value unit[$key]=$value_unit tolerance[$key]=$value_tolerance
done <"$here/readme_figures.tsv"

# shellcheck source=tools/bench/bench_lib.sh
source "$here/bench_lib.sh"
# The Wine prefix, where there is a Windows build to run, is made further on.
bench_session ""
wine=$wine_loader
source "$here/stats.sh"

# readme KEY...: prints each key's figure as docs/PERFORMANCE.md gives it.
readme() {
    local key
    for key in "$@"; do
        echo "README $key: ${figure[$key]}"
    done
}

failed=0
# compare_memory WHAT KEY MEASURED_KIB: prints the key's figure and the measurement in MiB, and
# fails the run beyond the figure's tolerance.
compare_memory() {
    local verdict
    verdict=$(awk -v text="${figure[$2]}" -v readme="${figure[$2]//,/}" -v unit="${unit[$2]}" \
        -v most="${tolerance[$2]}" -v kib="$3" 'BEGIN {
        if (unit == "KiB") readme /= 1024
        mib = kib / 1024
        off = (mib - readme) / readme * 100
        printf "README %s %s, measured %.1f MiB (%+.1f %%)%s", text, unit, mib, off,
            (off > most || off < -most) ? ": MORE THAN " most " % OFF" : ""
    }')
    echo "$1: $verdict"
    case "$verdict" in *OFF) failed=1 ;; esac
}

echo "== Peak memory (/usr/bin/time; docs/PERFORMANCE.md)"
compare_memory "boxring-capture --bench 2000" peak_boxring \
    "$(peak_kib "$work/out" "$bin/boxring-capture" --bench 2000)"
compare_memory "texcross-capture --bench 2000" peak_texcross \
    "$(peak_kib "$work/out" "$bin/texcross-capture" --bench 2000)"
compare_memory "plain_gl_cubes 2000" peak_plain_gl "$(peak_kib "$work/out" "$bin/plain_gl_cubes" 2000)"

echo "== Loading one texture at the largest sizes (load_textures)"
"$bin/scan_heavy_jpeg" 8192 22 "$work/scans-22.jpg"
"$bin/scan_heavy_jpeg" 8192 1 "$work/scans-1.jpg"
for k in 0 1 2 3 4; do
    convert -size 4097x4097 "xc:rgb($((k * 50)),128,200)" -quality 90 "$work/solid-$k.jpg"
done
# load_row KEY FILE...: the files' results and times, and their peak memory beside the key's.
load_row() {
    local key=$1 kib
    shift
    # A file the loader refuses still has its peak memory.
    kib=$(peak_kib "$work/out" "$bin/load_textures" "$@") || true
    echo "$key:"
    sed 's|.*/|    |' "$work/out"
    compare_memory "    peak" "$key" "$kib"
}
load_row load_22_scans "$work/scans-22.jpg"
load_row load_one_scan "$work/scans-1.jpg"
load_row load_500_scans "$root/tests/fuzz/corpus/scans-500-8192.jpg"
load_row load_five_solid "$work"/solid-{0,1,2,3,4}.jpg

if [ -n "$memory_only" ]; then
    exit "$failed"
fi

windows_bin=$(sed -n 's/^WINDOWS_BUILD_DIR:PATH=//p' "$build/CMakeCache.txt")/bin
if [ -x "$wine" ] && [ -f "$windows_bin/boxring-capture.exe" ]; then
    echo "== Peak memory under 64-bit Wine, in a prefix of its own (made first: a minute or more)"
    make_wine_prefix "$work/wineprefix" "$wine" "$wine_server" >/dev/null 2>&1
    for program in boxring texcross; do
        compare_memory "$program-capture.exe --bench 2000" "wine_peak_$program" \
            "$(peak_kib "$work/out" "$wine" "$windows_bin/$program-capture.exe" --bench 2000)"
    done
else
    echo "== Wine: no 64-bit Windows build at $windows_bin, or no $wine"
fi

echo "== boxring-capture against plain SDL2 + OpenGL: tools/bench/compare.sh $build 2000 5"
readme plain_gl_ratio first_frame_boxring first_frame_texcross
"$here/compare.sh" "$build" 2000 5

echo "== texcross's five images: texture_loading_bench"
readme five_images
(cd "$bin" && ./texture_loading_bench 2>/dev/null)

if [ -f "$root/build-web/boxring.html" ] && [ -d "$root/node_modules" ]; then
    echo "== The browser build: tools/web/bench.sh PROGRAM 2000 5"
    for program in boxring texcross; do
        echo "-- $program"
        readme "web_weight_$program" "web_first_frame_$program" "web_fps_$program" \
            "web_native_fps_$program" "web_psnr_$program"
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
for program in boxring texcross; do
    options=(30)
    if [ "$program" = texcross ]; then
        options=(60 --size 160x120)
    fi
    "$here/soak.sh" "$bin/$program-capture" 1000000 "${options[@]}" | tee "$work/soak"
    compare_memory "$program, resident at the first sample" "soak_rss_$program" \
        "$(sed -n 's/.*rss_start_kb=\([0-9]*\).*/\1/p' "$work/soak")"
done

echo "== Frames 999999 and 1000000 at 160 x 120 differ in"
for program in boxring texcross; do
    readme "frames_differ_$program"
    for frame in 999999 1000000; do
        SDL_VIDEODRIVER=x11 LIBGL_ALWAYS_SOFTWARE=1 GALLIUM_DRIVER=llvmpipe \
            "$bin/$program-capture" --frame "$frame" --size 160x120 --out "$work/$frame.png"
    done
    echo "$program: $(compare -metric AE "$work/999999.png" "$work/1000000.png" null: 2>&1) pixels"
done
exit "$failed"
