# Sourced: makes sure DISPLAY names a running X server, starting Xvfb on a free display number when
# there is none. Sets VIRTUAL_DISPLAY_PID when it started one. The server never resets: by default
# Xvfb resets when its last client leaves and drops a client that connects meanwhile, which fails
# programs at random between tests. A server that dies at once (its number taken meanwhile by
# another run's) is not taken for ours: the next free number is tried.
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    VIRTUAL_DISPLAY_PID=
    for number in $(seq 90 130); do
        [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && continue
        Xvfb ":$number" -screen 0 1920x1200x24 -nolisten tcp -noreset >/dev/null 2>&1 &
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
