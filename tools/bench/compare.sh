#!/usr/bin/env bash
# Runs boxring-capture --bench and the plain SDL2 + OpenGL cubes in turn, RUNS times each, and
# prints the medians: frames per second of both, their ratio (each run's ratio is taken against
# the plain run right after it, so that both saw the same load on the machine), the first
# frame's time from process start, and the capture tool's peak memory.
# Usage: tools/bench/compare.sh BUILD_DIR [FRAMES] [RUNS]
set -euo pipefail
build=${1:?usage: compare.sh BUILD_DIR [FRAMES] [RUNS]}
frames=${2:-2000}
runs=${3:-5}

source "$(dirname "$0")/../../scripts/virtual-display.sh"
timing=
use_virtual_display 'rm -f "$timing"'
timing=$(mktemp)
trap 'exit 1' HUP INT TERM

source "$(dirname "$0")/stats.sh"

ours=() plain=() first=() memory=()
for _ in $(seq "$runs"); do
    line=$(/usr/bin/time -v -o "$timing" "$build/bin/boxring-capture" --bench "$frames" 2>/dev/null)
    ours+=("$(echo "$line" | field fps)")
    first+=("$(echo "$line" | field first_frame_ms)")
    memory+=("$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$timing")")
    plain+=("$("$build/bin/plain_gl_cubes" "$frames" | field fps)")
done

echo "boxring-capture fps: $(with_median "${ours[@]}")"
echo "plain_gl_cubes fps:  $(with_median "${plain[@]}")"
ratios=()
for i in "${!ours[@]}"; do
    ratios+=("$(echo "${ours[$i]} ${plain[$i]}" | awk '{ printf "%.3f", $1 / $2 }')")
done
echo "ratio per run: $(with_median "${ratios[@]}")"
echo "first_frame_ms: $(with_median "${first[@]}")"
echo "peak memory KiB: $(with_median "${memory[@]}")"
