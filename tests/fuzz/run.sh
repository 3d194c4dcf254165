#!/usr/bin/env bash
# run.sh FUZZER SECONDS OUTPUT: runs a libFuzzer target for SECONDS on the X display (Xvfb when
# DISPLAY names none), starting from the committed corpus in tests/fuzz/corpus. New inputs go to
# OUTPUT/corpus and any finding to OUTPUT/ (crash-*, timeout-*, oom-*); the committed corpus is
# only read. Exits with the fuzzer's code: 0 when it found nothing.
#
# Bounds: 5 s per input, 1 GiB resident in all, and no single allocation past 300 MB: the largest
# texture the device takes is 8192 x 8192 x 4 bytes = 256 MiB.
set -euo pipefail

if [ $# -ne 3 ]; then
    echo "usage: tests/fuzz/run.sh FUZZER SECONDS OUTPUT" >&2
    exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
fuzzer=$1
seconds=$2
output=$3
mkdir -p "$output/corpus"

export SDL_VIDEODRIVER=x11
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$here/../sanitizers/lsan.supp:print_suppressions=0}
exec "$here/../../scripts/with-display.sh" "$fuzzer" \
    -max_total_time="$seconds" -timeout=5 -rss_limit_mb=1024 -malloc_limit_mb=300 \
    -dict="$here/jpeg.dict" -artifact_prefix="$output/" -print_final_stats=1 \
    "$output/corpus" "$here/corpus"
