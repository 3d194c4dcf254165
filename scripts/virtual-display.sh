# shellcheck shell=bash
# Sourced: gives a script a private X server, so that nothing is shown on, typed into or moved on
# the user's own desktop.
#
# use_virtual_display [CLEANUP]: start_virtual_display, and at the script's exit runs CLEANUP (a
# command, evaluated then, for the script's own files and processes) and stop_virtual_display.
# It takes the EXIT trap: a script that needs one of its own uses the two below in it instead.
#
# start_virtual_display: makes DISPLAY name a private X server. Which one, in order:
# - the display of the tests' CTest fixture, where TEST_DISPLAY_FILE names the file it wrote;
# - the display DISPLAY names, only where TESTS_ON_HOST_DISPLAY=1 asks for it;
# - a new Xvfb on a free display number, whose process id VIRTUAL_DISPLAY_PID holds.
# The server never resets: by default Xvfb resets when its last client leaves and drops a client
# that connects meanwhile, which fails programs at random between tests. A server that dies at once
# (its number taken meanwhile by another run's) is not taken for ours: the next free number is tried.
# Exits the script with 1 when no server could be started.
#
# stop_virtual_display: ends the Xvfb that start_virtual_display started, if it started one.
VIRTUAL_DISPLAY_PID=

use_virtual_display() {
    start_virtual_display
    # The cleanup is the caller's text, evaluated at exit; its failure neither keeps the server
    # running nor changes the script's exit code.
    # shellcheck disable=SC2064
    trap "{ ${1:-:}; } || true; stop_virtual_display" EXIT
}

start_virtual_display() {
    if [ -n "${TEST_DISPLAY_FILE:-}" ] && [ -s "$TEST_DISPLAY_FILE" ] &&
        DISPLAY=$(head -n 1 "$TEST_DISPLAY_FILE") xdpyinfo >/dev/null 2>&1; then
        DISPLAY=$(head -n 1 "$TEST_DISPLAY_FILE")
        export DISPLAY
        return
    fi
    if [ "${TESTS_ON_HOST_DISPLAY:-}" = 1 ] && [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        return
    fi
    local number
    for number in $(seq 90 130); do
        [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && continue
        Xvfb ":$number" -screen 0 1920x1200x24 -nolisten tcp -noreset </dev/null >/dev/null 2>&1 &
        VIRTUAL_DISPLAY_PID=$!
        export DISPLAY=":$number"
        for _ in $(seq 50); do
            kill -0 "$VIRTUAL_DISPLAY_PID" 2>/dev/null || break
            xdpyinfo >/dev/null 2>&1 && break
            sleep 0.1
        done
        kill -0 "$VIRTUAL_DISPLAY_PID" 2>/dev/null && xdpyinfo >/dev/null 2>&1 && return
        VIRTUAL_DISPLAY_PID=
    done
    echo "could not start a virtual display (Xvfb)" >&2
    exit 1
}

stop_virtual_display() {
    if [ -n "${VIRTUAL_DISPLAY_PID:-}" ]; then
        kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true
        VIRTUAL_DISPLAY_PID=
    fi
}
