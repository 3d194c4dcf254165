#!/usr/bin/env bash
# The browser build beside the native one: runs PROGRAM-capture --bench natively (on a virtual
# display) and in headless Chromium in turn, RUNS times each, and prints each run's frames/s and
# first frame with their medians and spread (least–most), then the pages' weight (what a browser
# downloads to run each program). Each benchmark reads its first and last frame back before its
# clock stops, so only frames drawn count. The browser's figure is checked against a loop paced by
# the display's refresh (--paced, PACED_FRAMES frames): that loop cannot exceed the refresh rate,
# and the unpaced figure must not fall below it. Each browser run starts a fresh Chromium, so its
# first frame includes the browser's start; tools/web/first_frame.mjs sets the pages' first frames
# against their floor in one browser.
# Usage: tools/web/bench.sh PROGRAM [FRAMES] [RUNS]   (after building the default and web presets)
set -euo pipefail
cd "$(dirname "$0")/../.."
program=${1:?usage: bench.sh boxring|texcross [FRAMES] [RUNS]}
frames=${2:-2000}
runs=${3:-5}
# Five seconds at 60 Hz.
PACED_FRAMES=300

source scripts/virtual-display.sh
use_virtual_display

source "$(dirname "$0")/../bench/stats.sh"

native=() browser=() paced=() native_first=() browser_first=()
for _ in $(seq "$runs"); do
    line=$("build/bin/$program-capture" --bench "$frames" 2>/dev/null)
    native+=("$(echo "$line" | field fps)")
    native_first+=("$(echo "$line" | field first_frame_ms)")
    line=$(node tools/web/capture.mjs "$program" --bench "$frames")
    browser+=("$(echo "$line" | field fps)")
    browser_first+=("$(echo "$line" | field first_frame_ms)")
    line=$(node tools/web/capture.mjs "$program" --bench "$PACED_FRAMES" --paced)
    paced+=("$(echo "$line" | field fps)")
done
echo "native fps: $(with_median "${native[@]}")"
echo "browser fps: $(with_median "${browser[@]}")"
echo "browser fps paced by the display's refresh: $(with_median "${paced[@]}")"
echo "native first frame from process start, ms: $(with_median "${native_first[@]}")"
echo "browser first frame from navigation, ms: $(with_median "${browser_first[@]}")"

files=(build-web/"$program".html build-web/"$program".js build-web/"$program".wasm
    build-web/program_page.js build-web/page.css build-web/source_panel.js
    build-web/source/"$program"/* build-web/source/common/*)
[ "$program" = texcross ] && files+=(build-web/tex{0,1,2,3,4}.jpg)
echo "page weight, bytes: $(cat "${files[@]}" | wc -c) (${#files[@]} files: the page, its script and style, the program, its images and sources)"
