#!/usr/bin/env bash
# texcross-terminate-box.sh TEXCROSS: while the box about a missing image is up, Ctrl+C (SIGINT) or
# kill (SIGTERM) ends texcross within 2 s with exit code 1, and the process showing the box with it.
source "$(dirname "$0")/texcross.sh"

copy_program "$1" "$SESSION_DIR/program" tex0.jpg
cd "$SESSION_DIR"
for signal in INT TERM; do
    # A shell starts background commands with SIGINT ignored; a terminal's Ctrl+C reaches a
    # program that has it at its default.
    start_program env --default-signal=INT "$SESSION_DIR/program/texcross"
    wait_for_message_box Info
    box_process=$(pgrep -P "$PROGRAM_PID" | head -n 1)
    [ -n "$box_process" ] || fail "no process shows the box"
    kill "-$signal" "$PROGRAM_PID"
    expect_exit_within 2 1
    for _ in $(seq 20); do
        [ "$(ps -o stat= -p "$box_process" | cut -c1)" != "" ] || break
        [ "$(ps -o stat= -p "$box_process" | cut -c1)" != Z ] || break
        sleep 0.1
    done
    case "$(ps -o stat= -p "$box_process" | cut -c1)" in
        "" | Z) ;;
        *) fail "the box's process $box_process outlived the program after SIG$signal" ;;
    esac
done
