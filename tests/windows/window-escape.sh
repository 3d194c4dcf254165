#!/usr/bin/env bash
# window-escape.sh PROGRAM.exe TITLE: under Wine the program opens its window with this title and
# draws its scene over the clear colour; Escape held across a poll ends it with exit code 0.
source "$(dirname "$0")/wine-session.sh"

# The key pressed stays down in the Wine server once the window has gone: forget it however the
# test ends.
trap 'end_session; forget_key_state' EXIT

start_wine_program "$WINDOWS_BIN/$1"
expect_scene_drawn "$2"
press_key "$WINDOW_ID" Escape
expect_exit_within 10 0
