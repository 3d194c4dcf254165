#!/usr/bin/env bash
# root-folder.sh PROGRAM.exe: a copy of the program with its images in the root folder of drive C:
# of the tests' prefix, started while the drive's current folder is another one without images,
# takes its images from the root and draws; Escape ends it with exit code 0.
source "$(dirname "$0")/wine-session.sh"

# The copies are the test's own, in the throwaway prefix: removed however the test ends.
root=$WINEPREFIX/drive_c
trap 'rm -f "$root/$1" "$root"/tex{0..4}.jpg; end_session; forget_key_state' EXIT

require_windows_program "$WINDOWS_BIN/$1"
cp "$WINDOWS_BIN/$1" "$WINDOWS_BIN"/tex{0..4}.jpg "$root/"
cd "$root/windows"
start_wine_program "$root/$1"
expect_scene_drawn "DirectX textures"
press_key "$WINDOW_ID" Escape
expect_exit_within 10 0
