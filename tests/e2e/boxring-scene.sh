#!/usr/bin/env bash
# boxring-scene.sh BOXRING: the window is titled, placed and sized as a 640 x 480 window at
# (100, 100) would be on Windows, and shows the boxes on the clear colour while they turn.
source "$(dirname "$0")/session.sh"

start_program "$1"
wait_for_window "DirectX lighting boxes"
geometry=$(window_geometry)
[ "$geometry" = "108 131 624 441" ] ||
    fail "client area at $geometry, expected 108 131 624 441 (x y width height)"
sleep 1
expect_changing expect_scene
hold_key Escape
expect_exit_within 2 0
