#!/usr/bin/env bash
# texcross-folder-names.sh TEXCROSS: started through a symbolic link, texcross loads the images
# beside the file the link points to. An executable in a folder whose name holds a '\', which
# Windows would read as two folders, loads no images from any other folder (here a/b, which holds
# them): it shows the texture failure and ends with exit code 1.
source "$(dirname "$0")/texcross.sh"

copy_program "$1" "$SESSION_DIR/installed"
mkdir "$SESSION_DIR/links"
ln -s "$SESSION_DIR/installed/texcross" "$SESSION_DIR/links/texcross"
mkdir "$SESSION_DIR/a\\b"
cp "$1" "$SESSION_DIR/a\\b/"
copy_program "$1" "$SESSION_DIR/a/b"
cd "$SESSION_DIR"

start_program "$SESSION_DIR/links/texcross"
expect_drawing

start_program "$SESSION_DIR/a\\b/texcross"
expect_texture_failure
