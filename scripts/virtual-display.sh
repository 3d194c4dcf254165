# Sourced: makes sure DISPLAY names a running X server, starting Xvfb on a free display number when
# there is none. Sets VIRTUAL_DISPLAY_PID when it started one. The server never resets: by default
# Xvfb resets when its last client leaves and drops a client that connects meanwhile, which fails
# programs at random between tests.
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    for number in $(seq 90 130); do
        [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] || break
    done
    Xvfb ":$number" -screen 0 1920x1200x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    VIRTUAL_DISPLAY_PID=$!
    export DISPLAY=":$number"
    for _ in $(seq 50); do
        xdpyinfo >/dev/null 2>&1 && break
        sleep 0.1
    done
fi
