#!/usr/bin/env bash
# texcross-missing-texture.sh TEXCROSS: beside all its images but tex2.jpg, texcross shows one
# message box "Info" saying the texture could not be loaded, before it draws any frame, and ends
# with exit code 1 once the box is dismissed.
source "$(dirname "$0")/texcross.sh"

copy_program "$1" "$SESSION_DIR/program" tex0.jpg tex1.jpg tex3.jpg tex4.jpg
cd "$SESSION_DIR"
start_program "$SESSION_DIR/program/texcross"
expect_texture_failure
