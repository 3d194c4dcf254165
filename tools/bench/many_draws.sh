#!/usr/bin/env bash
# The cost of a draw: many_draws-capture --bench (N small lit cubes, one draw each) against
# plain_gl_cubes --draws N (the same cubes and per-draw changes in plain OpenGL) and, given a
# Windows build, many_draws-capture.exe under 64-bit Wine and, given a browser build (--web),
# many_draws-capture.html in headless Chromium (tools/web/capture.mjs, a fresh browser each run), run
# in turn RUNS times each for N = 8, 64, 512, 4096 and 32768. Prints each build's frames/s and
# draws/s, medians and ranges, and plots the median draws/s against N (log scales) with gnuplot
# into docs/many-draws.svg.
# With --sizes: frames/s at 64 draws a frame against the client size, 160x120 up to 4096x4096, of
# many_draws-capture and plain_gl_cubes.
# Usage: tools/bench/many_draws.sh [--web WEB_BUILD_DIR] BUILD_DIR [WINDOWS_BUILD_DIR] [RUNS]
#        tools/bench/many_draws.sh --sizes BUILD_DIR [RUNS]
# (WINDOWS_BUILD_DIR may be "" to leave Wine out and still give RUNS.)
set -euo pipefail
usage="usage: many_draws.sh [--web WEB_BUILD_DIR] BUILD_DIR [WINDOWS_BUILD_DIR] [RUNS]
       many_draws.sh --sizes BUILD_DIR [RUNS]"
sizes_mode=false
web=
if [ "${1:-}" = --web ]; then
    [ $# -ge 2 ] || { echo "$usage" >&2; exit 2; }
    web=$2
    shift 2
    [ -f "$web/many_draws-capture.html" ] || {
        echo "many_draws.sh: no $web/many_draws-capture.html (source scripts/web-env.sh && build_web); $usage" >&2
        exit 2
    }
    [ -d "$(dirname "$0")/../../node_modules/puppeteer-core" ] || {
        echo "many_draws.sh: the browser runs need the Node packages (npm ci)" >&2
        exit 2
    }
fi
if [ "${1:-}" = --sizes ]; then
    sizes_mode=true
    shift
    build=${1:-}
    windows=
    runs=${2:-3}
    [ $# -le 2 ] || { echo "$usage" >&2; exit 2; }
else
    build=${1:-}
    windows=${2:-}
    runs=${3:-3}
    [ $# -le 3 ] || { echo "$usage" >&2; exit 2; }
fi
[[ "$runs" =~ ^[1-9][0-9]?$ ]] || { echo "$usage (RUNS 1 to 99)" >&2; exit 2; }
for tool in "$build/bin/many_draws-capture" "$build/bin/plain_gl_cubes" \
    ${windows:+"$windows/bin/many_draws-capture.exe"}; do
    [ -x "$tool" ] || { echo "many_draws.sh: no $tool; $usage" >&2; exit 2; }
done
plot=$(cd "$(dirname "$0")/../../docs" && pwd)/many-draws.svg
if ! $sizes_mode && ! command -v gnuplot >/dev/null; then
    echo "many_draws.sh: gnuplot is needed for the plot (scripts/install-test-deps.sh)" >&2
    exit 1
fi

# shellcheck source=tools/bench/bench_lib.sh
source "$(dirname "$0")/bench_lib.sh"
bench_session "$windows"
source "$(dirname "$0")/stats.sh"

# fps COMMAND...: the frames/s of the benchmark line COMMAND prints; fails with COMMAND.
# The rate is the line's frames over its seconds, which it gives to the millisecond: its fps, to a
# tenth, is up to a tenth out at the browser's half a frame a second.
fps() {
    local line frames seconds
    line=$("$@" 2>/dev/null | tr -d '\r')
    frames=$(field frames <<<"$line")
    seconds=$(field seconds <<<"$line")
    [[ "$frames" =~ ^[0-9]+$ && "$seconds" =~ ^[0-9.]+$ && "$seconds" != 0.000 ]] ||
        { echo "many_draws.sh: no frame rate from $*" >&2; return 1; }
    awk -v f="$frames" -v s="$seconds" 'BEGIN { printf "%.2f\n", f / s }'
}
# times FACTOR NUMBER: their product, as a whole number.
times() { awk -v f="$1" -v n="$2" 'BEGIN { printf "%.0f\n", f * n }'; }

if $sizes_mode; then
    # Frames for one to three seconds at each size on this machine, after the tools' 30 warm-up
    # frames, so that the one read-back of the last frame inside the clock weighs little.
    echo "frames/s at 64 draws a frame, $runs runs each, alternating"
    for case in 160x120:1500 320x240:1000 640x480:400 1280x960:150 2048x1536:200 4096x4096:60; do
        size=${case%:*} frames=${case#*:}
        ours=() plain=()
        for _ in $(seq "$runs"); do
            ours+=("$(fps "$build/bin/many_draws-capture" --bench "$frames" --draws 64 --size "$size")")
            plain+=("$(fps "$build/bin/plain_gl_cubes" "$frames" --draws 64 --size "$size")")
        done
        echo "$size many_draws-capture: $(with_median "${ours[@]}")"
        echo "$size plain_gl_cubes:     $(with_median "${plain[@]}")"
    done
    exit 0
fi

# Frames for one to three seconds a run on this machine at each count.
builds=("stand-in" "plain GL")
[ -z "$windows" ] || builds+=("Wine")
[ -z "$web" ] || builds+=("browser")
table=$work/draws.tsv
printf '# N\t%s\n' "$(IFS=$'\t'; echo "${builds[*]}")" >"$table"
echo "draws a frame, frames/s and draws/s of each build, $runs runs each, alternating"
for case in 8:2000 64:1200 512:500 4096:150 32768:15; do
    n=${case%:*} frames=${case#*:}
    ours=() plain=() wine=() browser=()
    for _ in $(seq "$runs"); do
        ours+=("$(fps "$build/bin/many_draws-capture" --bench "$frames" --draws "$n")")
        plain+=("$(fps "$build/bin/plain_gl_cubes" "$frames" --draws "$n")")
        if [ -n "$windows" ]; then
            wine+=("$(fps "$wine_loader" "$windows/bin/many_draws-capture.exe" --bench "$frames" \
                --draws "$n")")
        fi
        if [ -n "$web" ]; then
            browser+=("$(WEB_BUILD_DIR=$web fps node "$(dirname "$0")/../web/capture.mjs" many_draws \
                --bench "$frames" --draws "$n")")
        fi
    done
    row=$n
    for build_name in "${builds[@]}"; do
        case $build_name in
        stand-in) values=("${ours[@]}") ;;
        "plain GL") values=("${plain[@]}") ;;
        Wine) values=("${wine[@]}") ;;
        *) values=("${browser[@]}") ;;
        esac
        middle=$(median "${values[@]}")
        sorted=$(printf '%s\n' "${values[@]}" | sort -g)
        echo "N=$n $build_name: fps $(with_median "${values[@]}"); draws/s median" \
            "$(times "$n" "$middle") ($(times "$n" "$(head -n 1 <<<"$sorted")")–$(times "$n" \
            "$(tail -n 1 <<<"$sorted")"))"
        row+=$'\t'$(times "$n" "$middle")
    done
    echo "$row" >>"$table"
done

echo "plotting into $plot"
columns=${#builds[@]}
{
    echo "set terminal svg size 720,480 dynamic font 'sans,12'"
    echo "set output '$plot'"
    echo "set title 'Draws per second against draws a frame ($(date +%F), median of $runs runs)'"
    echo "set logscale xy"
    echo "set xlabel 'draws a frame (N)'"
    echo "set ylabel 'draws per second'"
    echo "set key left top"
    echo "set grid"
    printf "plot"
    for i in $(seq "$columns"); do
        printf "%s '%s' using 1:%d with linespoints title '%s'" "$([ "$i" = 1 ] || echo ,)" \
            "$table" $((i + 1)) "${builds[$((i - 1))]}"
    done
    echo
} >"$work/plot.gp"
gnuplot "$work/plot.gp"
echo "table:"
cat "$table"
