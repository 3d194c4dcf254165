#!/usr/bin/env bash
# texcross-elsewhere.sh TEXCROSS: started by its full path from a folder without images, texcross
# still finds the images beside its executable and draws.
source "$(dirname "$0")/texcross.sh"

cd "$SESSION_DIR"
start_program "$1"
expect_drawing
