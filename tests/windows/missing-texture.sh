#!/usr/bin/env bash
# missing-texture.sh PROGRAM.exe: a copy of the program beside its images but for tex2.jpg, started
# from another folder, shows a message box titled "Info" under Wine and, once that is dismissed
# with Return, ends with exit code 1.
source "$(dirname "$0")/wine-session.sh"

# The key pressed stays down in the Wine server once the window has gone: forget it however the
# test ends.
trap 'end_session; forget_key_state' EXIT

require_windows_program "$WINDOWS_BIN/$1"
copy=$SESSION_DIR/program
mkdir "$copy"
cp "$WINDOWS_BIN/$1" "$WINDOWS_BIN"/tex{0,1,3,4}.jpg "$copy"

start_wine_program "$copy/$1"
wait_for_window Info
press_key "$WINDOW_ID" Return
expect_exit_within 10 1
