#!/usr/bin/env bash
# signal-at-start.sh PROGRAM...: each program (boxring, texcross, a capture tool) handles SIGUSR1,
# the simulated device loss, from its start: it catches it before its first window exists, and one
# sent then does not end it. Programs run on until Escape; a capture tool ends its short benchmark
# by itself, with exit code 0, or 1 where the device was still lost when it set it up.
source "$(dirname "$0")/session.sh"

# catches_usr1: the program has a handler for SIGUSR1 (signal 10, bit 9 of SigCgt).
catches_usr1() {
    local mask
    mask=$(sed -n 's/^SigCgt:\t//p' "/proc/$PROGRAM_PID/status" 2>/dev/null) || return 1
    [ -n "$mask" ] && [ $((0x$mask & 0x200)) -ne 0 ]
}

for program in "$@"; do
    arguments=()
    case "$program" in *-capture) arguments=(--bench 300 --size 64x48) ;; esac
    start_program "$program" "${arguments[@]}"
    for _ in $(seq 500); do
        catches_usr1 && break
        kill -0 "$PROGRAM_PID" 2>/dev/null || fail "$program ended before it caught SIGUSR1"
        sleep 0.01
    done
    catches_usr1 || fail "$program did not catch SIGUSR1 within 5 s"
    windows=$(xdotool search --pid "$PROGRAM_PID" 2>/dev/null || true)
    [ -z "$windows" ] || fail "$program caught SIGUSR1 only once it had a window"
    kill -USR1 "$PROGRAM_PID"
    case "$program" in
        *-capture)
            for _ in $(seq 200); do
                kill -0 "$PROGRAM_PID" 2>/dev/null || break
                sleep 0.1
            done
            code=0
            wait "$PROGRAM_PID" || code=$?
            PROGRAM_PID=
            [ "$code" -le 1 ] || fail "$program ended with exit code $code"
            ;;
        *)
            wait_for_window "DirectX.*"
            hold_key Escape
            expect_exit_within 2 0
            ;;
    esac
done
