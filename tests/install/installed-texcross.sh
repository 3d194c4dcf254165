#!/usr/bin/env bash
# installed-texcross.sh BUILD_DIR LAYOUT: `cmake --install` into a fresh prefix gives exactly the
# files and links listed in LAYOUT, with its list of them and the uninstall script; texcross,
# started through its link in bin/ from another folder, finds its images, draws, ends on Escape
# with 0, and writes nothing on the way.
source "$(dirname "$0")/../e2e/texcross.sh"

prefix=$SESSION_DIR/prefix
cmake --install "$1" --prefix "$prefix" >"$SESSION_DIR/install.log" ||
    fail "cmake --install failed: $(tail -n 5 "$SESSION_DIR/install.log")"
# LAYOUT, and what only `cmake --install` adds: its list of what it installed and the script that
# removes that again.
own=libexec/boxring-texcross
diff <(printf '%s\n' "$own/install-manifest.txt" "$own/uninstall" | sort - "$2") <(cd "$prefix" &&
    find . -type l -printf '%P -> %l\n' -o -type f -printf '%P\n' | sort) >&2 ||
    fail "the installed files differ from $2 (above: < expected, > installed)"

mkdir "$SESSION_DIR/elsewhere"
cd "$SESSION_DIR/elsewhere"
start_program "$prefix/bin/texcross"
expect_drawing
[ ! -s "$PROGRAM_LOG" ] || fail "texcross wrote on a normal run: $(head -n 3 "$PROGRAM_LOG")"
