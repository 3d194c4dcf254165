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
timing=$(mktemp)
trap 'rm -f "$timing"; [ -n "${VIRTUAL_DISPLAY_PID:-}" ] && kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true' EXIT
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

ours_median=$(printf '%s\n' "${ours[@]}" | median)
plain_median=$(printf '%s\n' "${plain[@]}" | median)
echo "boxring-capture fps: ${ours[*]} (median $ours_median)"
echo "plain_gl_cubes fps:  ${plain[*]} (median $plain_median)"
ratios=()
for i in "${!ours[@]}"; do
    ratios+=("$(echo "${ours[$i]} ${plain[$i]}" | awk '{ printf "%.3f", $1 / $2 }')")
done
echo "ratio per run: ${ratios[*]} (median $(printf '%s\n' "${ratios[@]}" | median))"
echo "first_frame_ms: ${first[*]} (median $(printf '%s\n' "${first[@]}" | median))"
echo "peak memory KiB: ${memory[*]} (median $(printf '%s\n' "${memory[@]}" | median))"
