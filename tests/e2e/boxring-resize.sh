#!/usr/bin/env bash
# boxring-resize.sh BOXRING: resizing, minimising and restoring the window do not end boxring,
# which goes on drawing the scene over the new client area; Escape still ends it.
source "$(dirname "$0")/session.sh"

start_program "$1"
wait_for_window "DirectX lighting boxes"
sleep 1

xdotool windowsize --sync "$WINDOW_ID" 800 600
sleep 0.5
expect_running "after its window was resized"
[ "$(window_geometry | cut -d' ' -f3-)" = "800 600" ] || fail "the window was not resized"
expect_changing expect_scene

# Without a window manager nothing acts on the minimise request; unmapping the window is what a
# window manager would do with it, and mapping it again is the restore.
xdotool windowminimize "$WINDOW_ID"
xdotool windowunmap --sync "$WINDOW_ID"
sleep 1
expect_running "while its window was minimised"
xdotool windowmap --sync "$WINDOW_ID"
sleep 0.5
expect_running "after its window was restored"
expect_changing expect_scene

hold_key Escape
expect_exit_within 2 0
