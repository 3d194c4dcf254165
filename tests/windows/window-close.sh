#!/usr/bin/env bash
# window-close.sh PROGRAM.exe TITLE CLOSE_TOOL: under Wine, closing the program's window while it
# draws ends the program with exit code 0. CLOSE_TOOL sends the window manager's close request.
source "$(dirname "$0")/wine-session.sh"

start_wine_program "$WINDOWS_BIN/$1"
expect_scene_drawn "$2"
"$3" "$WINDOW_ID"
expect_exit_within 10 0
