#!/usr/bin/env bash
# Runs boxring-capture and texcross-capture --bench of two builds in turn, RUNS times each, the
# builds alternating so that both see the same load on the machine, and prints each one's frames
# per second with the medians.
# Usage: tools/bench/compare_builds.sh OLD_BUILD_DIR NEW_BUILD_DIR [FRAMES] [RUNS]
set -euo pipefail
old=${1:?usage: compare_builds.sh OLD_BUILD_DIR NEW_BUILD_DIR [FRAMES] [RUNS]}
new=${2:?usage: compare_builds.sh OLD_BUILD_DIR NEW_BUILD_DIR [FRAMES] [RUNS]}
frames=${3:-2000}
runs=${4:-5}

source "$(dirname "$0")/../../scripts/virtual-display.sh"
use_virtual_display

source "$(dirname "$0")/stats.sh"
fps() { "$1" --bench "$frames" | field fps; }

for program in boxring texcross; do
    old_fps=() new_fps=()
    for _ in $(seq "$runs"); do
        old_fps+=("$(fps "$old/bin/$program-capture")")
        new_fps+=("$(fps "$new/bin/$program-capture")")
    done
    echo "$program old fps: $(with_median "${old_fps[@]}")"
    echo "$program new fps: $(with_median "${new_fps[@]}")"
done
