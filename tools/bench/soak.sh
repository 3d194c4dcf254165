#!/usr/bin/env bash
# soak.sh CAPTURE FRAMES [SECONDS [OPTION...]]: runs CAPTURE --bench FRAMES OPTION...
# (boxring-capture or texcross-capture; --size WxH draws smaller frames, so that a million of them
# take minutes rather than hours) and samples its resident memory (VmRSS) every SECONDS (default
# 10) while it runs. Prints one line per sample, then the benchmark's own line and a summary:
#   rss_start_kb=A rss_end_kb=B rss_max_kb=C growth_kb=B-A
# The first sample is taken once the program has drawn for SECONDS, past start-up. Exits with the
# benchmark's exit code. Draws on a private virtual display (Xvfb) that it starts and stops, as the
# other benchmark scripts do.
set -euo pipefail

if [ $# -lt 2 ]; then
    echo "usage: tools/bench/soak.sh CAPTURE FRAMES [SECONDS [OPTION...]]" >&2
    exit 2
fi
capture=$1
frames=$2
interval=${3:-10}
shift $(($# < 3 ? $# : 3))

source "$(dirname "$0")/../../scripts/virtual-display.sh"
output=
use_virtual_display 'rm -f "$output"'
output=$(mktemp)

"$capture" --bench "$frames" "$@" >"$output" &
pid=$!

rss_kb() {
    awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || true
}

start=
last=
max=0
began=$SECONDS
while sleep "$interval" && kill -0 "$pid" 2>/dev/null; do
    rss=$(rss_kb)
    [ -n "$rss" ] || break
    echo "t=$((SECONDS - began))s rss_kb=$rss"
    start=${start:-$rss}
    last=$rss
    [ "$rss" -gt "$max" ] && max=$rss
done

status=0
wait "$pid" || status=$?
cat "$output"
if [ -n "$start" ]; then
    echo "rss_start_kb=$start rss_end_kb=$last rss_max_kb=$max growth_kb=$((last - start))"
else
    echo "the benchmark ended before the first sample"
fi
exit "$status"
