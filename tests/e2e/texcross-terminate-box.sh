#!/usr/bin/env bash
# texcross-terminate-box.sh TEXCROSS: while the box about a missing image is up, Ctrl+C (SIGINT),
# kill (SIGTERM), a closed terminal (SIGHUP) or Ctrl+\ (SIGQUIT) ends texcross with exit code 1,
# and SIGKILL ends it with 137; however it ends, within 2 s neither the program nor the process
# showing its box is left, and no window of it (the box, the main window) is on the display.
source "$(dirname "$0")/texcross.sh"

# gone PROCESS: the process has ended (a zombie has ended too).
gone() {
    case "$(ps -o stat= -p "$1" | cut -c1)" in
        "" | Z) return 0 ;;
        *) return 1 ;;
    esac
}

copy_program "$1" "$SESSION_DIR/program" tex0.jpg
cd "$SESSION_DIR"
for case in "INT 1" "TERM 1" "HUP 1" "QUIT 1" "KILL 137"; do
    read -r signal code <<<"$case"
    # A shell starts background commands with SIGINT and SIGQUIT ignored; a terminal's Ctrl+C and
    # Ctrl+\ reach a program that has them at their default.
    start_program env --default-signal=INT,QUIT "$SESSION_DIR/program/texcross"
    wait_for_message_box Info
    box_process=$(pgrep -P "$PROGRAM_PID" | head -n 1)
    [ -n "$box_process" ] || fail "no process shows the box"
    kill "-$signal" "$PROGRAM_PID"
    for _ in $(seq 20); do
        ! kill -0 "$PROGRAM_PID" 2>/dev/null && gone "$box_process" &&
            [ -z "$(message_box_id Info)$(message_box_id "DirectX textures")" ] && break
        sleep 0.1
    done
    expect_exit_within 0 "$code"
    gone "$box_process" || fail "the box's process $box_process outlived the program (SIG$signal)"
    for title in Info "DirectX textures"; do
        [ -z "$(message_box_id "$title")" ] ||
            fail "the window \"$title\" stayed on the display 2 s after SIG$signal"
    done
done
