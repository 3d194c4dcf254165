#!/usr/bin/env bash
# texcross-long-path.sh TEXCROSS: an executable path of 259 characters still fits the program's
# path buffer, so started from a folder without images it finds those beside it. A longer path
# leaves the program without its folder: even started from a folder holding images it loads none
# of them, and shows the texture failure and ends with exit code 1.
source "$(dirname "$0")/texcross.sh"

# The executable's path is its folder's and "/texcross", 9 characters more.
fitting=$(deep_folder fitting $((259 - 9)))
copy_program "$1" "$fitting"
too_long=$(deep_folder too-long 300)
copy_program "$1" "$too_long"
mkdir "$SESSION_DIR/empty"
copy_program "$1" "$SESSION_DIR/images"

cd "$SESSION_DIR/empty"
start_program "$fitting/texcross"
expect_drawing

cd "$SESSION_DIR/images"
start_program "$too_long/texcross"
expect_texture_failure
