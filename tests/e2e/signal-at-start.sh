#!/usr/bin/env bash
# signal-at-start.sh PROGRAM...: each program (boxring, texcross, a capture tool) handles SIGUSR1,
# the simulated device loss, from its start: it catches it before its first window exists, and one
# sent then does not end it. Programs run on until Escape; a capture tool finishes its short
# benchmark, waiting for the device lost during its set-up to come back.
source "$(dirname "$0")/session.sh"

# catches_usr1 NAME: the process is the program NAME (not yet the shell that starts it) and has a
# handler for SIGUSR1 (signal 10, bit 9 of SigCgt). Reads with builtins only, so that polling keeps
# close to the program.
catches_usr1() {
    local key value name
    read -r name <"/proc/$PROGRAM_PID/comm"
    [ "$name" = "${1:0:15}" ] || return 1
    while read -r key value; do
        if [ "$key" = SigCgt: ]; then
            [ $((0x$value & 0x200)) -ne 0 ]
            return
        fi
    done <"/proc/$PROGRAM_PID/status"
    return 1
}

for program in "$@"; do
    arguments=()
    case "$program" in *-capture) arguments=(--bench 300 --size 64x48) ;; esac
    start_program "$program" "${arguments[@]}"
    SECONDS=0
    until catches_usr1 "${program##*/}" 2>/dev/null; do
        kill -0 "$PROGRAM_PID" 2>/dev/null || fail "$program ended before it caught SIGUSR1"
        [ "$SECONDS" -lt 5 ] || fail "$program did not catch SIGUSR1 within 5 s"
    done
    # Held still while its windows are looked for, so that none is made meanwhile.
    kill -STOP "$PROGRAM_PID"
    windows=$(xdotool search --pid "$PROGRAM_PID" 2>/dev/null || true)
    [ -z "$windows" ] || fail "$program caught SIGUSR1 only once it had a window"
    kill -USR1 "$PROGRAM_PID"
    kill -CONT "$PROGRAM_PID"
    case "$program" in
        *-capture) expect_exit_within 20 0 ;;
        *)
            wait_for_window "DirectX.*"
            hold_key Escape
            expect_exit_within 2 0
            ;;
    esac
done
