#!/usr/bin/env bash
# texcross-unreadable-image.sh TEXCROSS: beside a tex0.jpg it may not read, texcross shows the
# texture failure and ends with exit code 1. Run as root, the program runs as the unprivileged user
# 65534 instead, since permissions do not stop root from reading; where that user cannot run it or
# can still read the file, the test is skipped (exit code 77).
source "$(dirname "$0")/texcross.sh"

skip() {
    echo "SKIP: $*"
    exit 77
}

folder=$SESSION_DIR/program
copy_program "$1" "$folder"
chmod 000 "$folder/tex0.jpg"

run_as=()
if [ "$(id -u)" -eq 0 ]; then
    run_as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    # The user must reach the copy, and the display through a cookie it may read, if there is one.
    chmod 755 "$SESSION_DIR"
    cookie=${XAUTHORITY:-$HOME/.Xauthority}
    if [ -r "$cookie" ]; then
        cp "$cookie" "$SESSION_DIR/xauthority"
        chmod 644 "$SESSION_DIR/xauthority"
        export XAUTHORITY=$SESSION_DIR/xauthority
    fi
    "${run_as[@]}" true 2>/dev/null || skip "cannot switch to user 65534"
    "${run_as[@]}" xdpyinfo >/dev/null 2>&1 || skip "user 65534 cannot open the display $DISPLAY"
fi
"${run_as[@]}" test -r "$folder/tex0.jpg" && skip "tex0.jpg stays readable after chmod 000"

start_program "${run_as[@]}" "$folder/texcross"
expect_texture_failure
