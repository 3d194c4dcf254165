#!/usr/bin/env bash
# texcross-scene.sh TEXCROSS: started in its own folder, texcross opens its window and draws the
# cubes, each wearing its own image, on the clear colour while they turn; Escape held across a poll
# ends it with exit code 0 within 2 s.
source "$(dirname "$0")/texcross.sh"

cd "$(dirname "$1")"
start_program "$1"
expect_drawing
