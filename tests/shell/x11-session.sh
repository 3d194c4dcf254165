# shellcheck shell=bash
# Sourced by the tests that run one program in a real window on a private X display (see
# scripts/virtual-display.sh): a folder for the session, the program started in a process group of its own and
# ended with it, failing with the program's output, finding its windows and collecting its exit
# code. The display runs no window manager, so no window has the keyboard focus unless a test
# gives it one.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/virtual-display.sh"
start_virtual_display

SESSION_DIR=$(mktemp -d)
PROGRAM_LOG=$SESSION_DIR/program.log
PROGRAM_PID=
WINDOW_ID=
EXIT_CODE=

end_session() {
    if [ -n "$PROGRAM_PID" ]; then
        kill -KILL -- "-$PROGRAM_PID" 2>/dev/null || true
    fi
    stop_virtual_display
    rm -rf "$SESSION_DIR"
}
trap end_session EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -s "$PROGRAM_LOG" ]; then
        echo "--- program output:" >&2
        tail -n 20 "$PROGRAM_LOG" >&2
    fi
    exit 1
}

# start_program EXECUTABLE [ARGUMENTS...]: starts the program in the background, in a process group
# of its own so that what it starts (SDL shows message boxes from a child process) ends with it.
# The executable may be a command that runs the program in its place (prlimit, setpriv, wine).
start_program() {
    setsid "$@" >"$PROGRAM_LOG" 2>&1 &
    PROGRAM_PID=$!
}

# wait_for_window TITLE: sets WINDOW_ID to the program's visible window with exactly this title.
# A window of a program that an earlier test killed may outlive it for a moment, so the window is
# looked up by the program's process id too.
wait_for_window() {
    for _ in $(seq 200); do
        WINDOW_ID=$(xdotool search --all --onlyvisible --pid "$PROGRAM_PID" --name "^$1\$" \
            2>/dev/null | head -n 1 || true)
        [ -n "$WINDOW_ID" ] && return
        kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the program ended before a window \"$1\" appeared"
        sleep 0.1
    done
    fail "no window titled \"$1\" appeared within 20 s"
}

expect_running() {
    kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the program ended $*"
}

# expect_exit_within SECONDS CODE: the program ends within that time with that exit code.
expect_exit_within() {
    for _ in $(seq $(($1 * 10))); do
        kill -0 "$PROGRAM_PID" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$PROGRAM_PID" 2>/dev/null && fail "the program was still running $1 s later"
    EXIT_CODE=0
    wait "$PROGRAM_PID" || EXIT_CODE=$?
    PROGRAM_PID=
    [ "$EXIT_CODE" -eq "$2" ] || fail "exit code $EXIT_CODE, expected $2"
}
