#!/usr/bin/env bash
# boxring-close.sh BOXRING CLOSE_TOOL: the window manager's close request, as its close button
# sends it, ends boxring with exit code 0 within 2 s.
source "$(dirname "$0")/session.sh"

start_program "$1"
wait_for_window "DirectX lighting boxes"
sleep 1
expect_running "before the window was closed"
"$2" "$WINDOW_ID"
expect_exit_within 2 0
