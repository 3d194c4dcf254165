# Sourced: makes DISPLAY name a private X server, so that nothing is shown on, typed into or moved
# on the user's own desktop. Which one, in order:
# - the display of the tests' CTest fixture, where TEST_DISPLAY_FILE names the file it wrote;
# - the display DISPLAY names, only where TESTS_ON_HOST_DISPLAY=1 asks for it;
# - a new Xvfb on a free display number. VIRTUAL_DISPLAY_PID is set then; the caller stops it.
# The server never resets: by default Xvfb resets when its last client leaves and drops a client
# that connects meanwhile, which fails programs at random between tests. A server that dies at once
# (its number taken meanwhile by another run's) is not taken for ours: the next free number is tried.
VIRTUAL_DISPLAY_PID=
if [ -n "${TEST_DISPLAY_FILE:-}" ] && [ -s "$TEST_DISPLAY_FILE" ] &&
    DISPLAY=$(head -n 1 "$TEST_DISPLAY_FILE") xdpyinfo >/dev/null 2>&1; then
    DISPLAY=$(head -n 1 "$TEST_DISPLAY_FILE")
    export DISPLAY
elif [ "${TESTS_ON_HOST_DISPLAY:-}" = 1 ] && [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    :
else
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
        kill -0 "$VIRTUAL_DISPLAY_PID" 2>/dev/null && xdpyinfo >/dev/null 2>&1 && break
        VIRTUAL_DISPLAY_PID=
    done
    if [ -z "$VIRTUAL_DISPLAY_PID" ]; then
        echo "could not start a virtual display (Xvfb)" >&2
        exit 1
    fi
fi
