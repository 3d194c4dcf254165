#!/usr/bin/env bash
# capture-bench-quit.sh CAPTURE CLOSE_TOOL: a benchmark whose window is closed, or which is asked
# to terminate, as soon as its window shows (while the device is set up or the first frames warm
# up) ends within 5 s with exit code 1 and prints no figures.
source "$(dirname "$0")/session.sh"

for way in close terminate; do
    start_program "$1" --bench 100000 --size 64x48
    wait_for_window "DirectX lighting boxes"
    if [ "$way" = close ]; then
        "$2" "$WINDOW_ID"
    else
        kill -TERM "$PROGRAM_PID"
    fi
    expect_exit_within 5 1
    if grep -q '^frames=' "$PROGRAM_LOG"; then
        fail "after the window was told to $way, the benchmark printed $(grep '^frames=' "$PROGRAM_LOG")"
    fi
done
