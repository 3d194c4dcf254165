#!/usr/bin/env bash
# The browser build beside the native one: runs PROGRAM-capture --bench natively (on a virtual
# display) and in headless Chromium in turn, RUNS times each, and prints each run's frames/s and
# first frame and their medians, then the pages' weight (what a browser downloads to run each
# program).
# Usage: tools/web/bench.sh PROGRAM [FRAMES] [RUNS]   (after building the default and web presets)
set -euo pipefail
cd "$(dirname "$0")/../.."
program=${1:?usage: bench.sh boxring|texcross [FRAMES] [RUNS]}
frames=${2:-2000}
runs=${3:-5}

source scripts/virtual-display.sh
use_virtual_display

source "$(dirname "$0")/../bench/stats.sh"

native=() browser=() native_first=() browser_first=()
for _ in $(seq "$runs"); do
    line=$("build/bin/$program-capture" --bench "$frames" 2>/dev/null)
    native+=("$(echo "$line" | field fps)")
    native_first+=("$(echo "$line" | field first_frame_ms)")
    line=$(node tools/web/capture.mjs "$program" --bench "$frames")
    browser+=("$(echo "$line" | field fps)")
    browser_first+=("$(echo "$line" | field first_frame_ms)")
done
echo "native fps:  $(with_median "${native[@]}")"
echo "browser fps: $(with_median "${browser[@]}")"
echo "native first frame from process start, ms: $(with_median "${native_first[@]}")"
echo "browser first frame from navigation, ms: $(with_median "${browser_first[@]}")"

files=(build-web/"$program".html build-web/"$program".js build-web/"$program".wasm
    build-web/program_page.js build-web/page.css)
[ "$program" = texcross ] && files+=(build-web/tex{0,1,2,3,4}.jpg)
echo "page weight, bytes: $(cat "${files[@]}" | wc -c) (${files[*]##*/})"
