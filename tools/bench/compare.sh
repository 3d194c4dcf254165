#!/usr/bin/env bash
# Runs PROGRAM-capture --bench and the plain SDL2 + OpenGL drawing of the same scene in turn (and,
# given a Windows build, the Windows capture tool under 64-bit Wine), RUNS times each, and prints
# the medians with their range: frames per second of each, the ratios (each run's ratio is taken
# between runs right after one another, so that both saw the same load on the machine), the first
# frame's time from process start of both, and the capture tool's peak memory.
# Usage: tools/bench/compare.sh BUILD_DIR [FRAMES] [RUNS] [PROGRAM] [WINDOWS_BUILD_DIR]
#        PROGRAM: boxring (the default) or texcross
set -euo pipefail
usage="usage: compare.sh BUILD_DIR [FRAMES] [RUNS] [boxring|texcross] [WINDOWS_BUILD_DIR]"
build=${1:?$usage}
frames=${2:-2000}
runs=${3:-5}
program=${4:-boxring}
windows=${5:-}
case "$program" in
boxring) plain_scene=() ;;
texcross) plain_scene=(--textured "$build/bin") ;;
*) echo "$usage" >&2; exit 2 ;;
esac

# shellcheck source=tools/bench/bench_lib.sh
source "$(dirname "$0")/bench_lib.sh"
bench_session "$windows"

source "$(dirname "$0")/stats.sh"

# with_median_line NAME VALUE...: the values, their median and their range.
with_median_line() { echo "$1: $(with_median "${@:2}")"; }
# ratios A B: each run's A / B.
ratios() {
    local -n a=$1 b=$2
    for i in "${!a[@]}"; do
        echo "${a[$i]} ${b[$i]}" | awk '{ printf "%.3f\n", $1 / $2 }'
    done
}

ours=() plain=() wine=() first=() plain_first=() memory=()
for _ in $(seq "$runs"); do
    kib=$(peak_kib "$work/line" "$build/bin/$program-capture" --bench "$frames")
    ours+=("$(field fps <"$work/line")")
    first+=("$(field first_frame_ms <"$work/line")")
    memory+=("$kib")
    line=$("$build/bin/plain_gl_cubes" "$frames" "${plain_scene[@]}")
    plain+=("$(echo "$line" | field fps)")
    plain_first+=("$(echo "$line" | field first_frame_ms)")
    if [ -n "$windows" ]; then
        wine+=("$("$wine_loader" "$windows/bin/$program-capture.exe" --bench "$frames" \
            2>/dev/null | tr -d '\r' | field fps)")
    fi
done

with_median_line "$program-capture fps" "${ours[@]}"
with_median_line "plain_gl_cubes fps" "${plain[@]}"
mapfile -t plain_ratios < <(ratios ours plain)
with_median_line "ratio to plain GL per run" "${plain_ratios[@]}"
if [ -n "$windows" ]; then
    with_median_line "$program-capture.exe under Wine fps" "${wine[@]}"
    mapfile -t wine_ratios < <(ratios ours wine)
    with_median_line "ratio to Wine per run" "${wine_ratios[@]}"
fi
with_median_line "first_frame_ms" "${first[@]}"
with_median_line "plain_gl_cubes first_frame_ms" "${plain_first[@]}"
mapfile -t first_ratios < <(ratios first plain_first)
with_median_line "first frame ratio to plain GL per run" "${first_ratios[@]}"
with_median_line "peak memory KiB" "${memory[@]}"
