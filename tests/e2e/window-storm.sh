#!/usr/bin/env bash
# window-storm.sh EXECUTABLE TITLE CHECK: while the program runs, its window is resized through
# sizes from 1 x 1 to 4000 x 3000 (slowly, then in a burst), minimised and restored over and over,
# moved on and off the screen, and covered by another client's window and by a second instance of
# the program. The program never ends, draws on after each storm (its pixels change and pass
# CHECK IMAGE: expect_scene or expect_cubes_drawn), and Escape still ends it with exit code 0.
# X refuses a width or height of 0 (BadValue), so 1 is the smallest size a window can be given.
source "$(dirname "$0")/session.sh"

COVER_PIDS=()
end_storm() {
    for pid in "${COVER_PIDS[@]}"; do
        kill -KILL "$pid" 2>/dev/null || true
    done
    end_session
}
trap end_storm EXIT

check=$3

# resize WIDTH HEIGHT: asks the X server for that size of the program's window.
resize() {
    xdotool windowsize "$WINDOW_ID" "$1" "$2"
}

# expect_drawing_after WHAT: the program is running and its picture changes and shows the scene.
expect_drawing_after() {
    expect_running "after $1"
    sleep 0.5
    expect_changing "$check"
}

start_program "$1"
wait_for_window "$2"
sleep 1
expect_changing "$check"

for size in 1x1 640x1 1x480 4000x3000 2x2 1920x1200 4000x1 1x3000 320x240; do
    resize "${size%x*}" "${size#*x}"
    sleep 0.3
    expect_running "with its window at $size"
done
for _ in $(seq 40); do
    resize $((RANDOM % 2000 + 1)) $((RANDOM % 1500 + 1))
done
xdotool windowsize --sync "$WINDOW_ID" 800 600
[ "$(window_geometry | cut -d' ' -f3-)" = "800 600" ] || fail "the window was not resized"
expect_drawing_after "its window was resized"

# Without a window manager nothing acts on the minimise request; unmapping the window is what a
# window manager would do with it, and mapping it again is the restore.
for _ in $(seq 5); do
    xdotool windowminimize "$WINDOW_ID"
    xdotool windowunmap --sync "$WINDOW_ID"
    sleep 0.2
    expect_running "while its window was minimised"
    xdotool windowmap --sync "$WINDOW_ID"
    sleep 0.1
done
expect_drawing_after "its window was minimised and restored"

for place in -700,-500 1800,1100 -300,200 0,0 100,100; do
    xdotool windowmove --sync "$WINDOW_ID" "${place%,*}" "${place#*,}"
    sleep 0.2
    expect_running "with its window moved to $place"
done
expect_drawing_after "its window was moved"

xmessage -geometry 900x700+0+0 "covering the window" &
COVER_PIDS+=($!)
sleep 1
expect_running "while another client's window covered it"
kill "${COVER_PIDS[-1]}"
expect_drawing_after "the covering window went away"

# A second instance opens its window at the same place, over the first one's.
setsid "$1" >"$SESSION_DIR/second.log" 2>&1 &
COVER_PIDS+=($!)
sleep 2
kill -0 "${COVER_PIDS[-1]}" 2>/dev/null || fail "the second instance ended on its own"
expect_running "while a second instance covered it"
# SDL turns SIGTERM into a quit request: the second instance closes its window and ends.
kill -TERM "${COVER_PIDS[-1]}"
expect_drawing_after "the second instance ended"

hold_key Escape
expect_exit_within 2 0
