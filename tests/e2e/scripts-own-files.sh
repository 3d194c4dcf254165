#!/usr/bin/env bash
# scripts-own-files.sh BUILD_DIR: the scripts touch only what they made. The benchmark comparison
# keeps its timings in a file of its own (made by mktemp, so under TMPDIR) and removes it whether it
# ends or is ended; preparing the Windows tests' Wine prefix leaves alone one the tests did not make.
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
compare=
trap '[ -n "$compare" ] && kill -KILL -- "-$compare" 2>/dev/null; rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
export TMPDIR=$work/tmp
mkdir "$TMPDIR"

# A run to its end: whether it succeeds (or fails, as where a sanitizer reports the GL library's
# leaks) it leaves nothing.
"$here/tools/bench/compare.sh" "$1" 5 1 >/dev/null 2>&1 || true
[ -z "$(ls -A "$TMPDIR")" ] || fail "compare.sh left $(ls "$TMPDIR")"

setsid "$here/tools/bench/compare.sh" "$1" 10000000 1 >/dev/null 2>&1 &
compare=$!
for _ in $(seq 100); do
    [ -n "$(ls -A "$TMPDIR")" ] && break
    sleep 0.1
done
[ -n "$(ls -A "$TMPDIR")" ] || fail "compare.sh keeps no file under TMPDIR while it runs"
kill -TERM -- "-$compare"
wait "$compare" || true
compare=
[ -z "$(ls -A "$TMPDIR")" ] || fail "compare.sh, ended, left $(ls "$TMPDIR")"

mkdir "$work/own-prefix"
touch "$work/own-prefix/system.reg"
WINEPREFIX=$work/own-prefix "$here/tests/windows/prepare-prefix.sh" 2>/dev/null &&
    fail "prepare-prefix.sh took over a prefix it did not make"
[ -f "$work/own-prefix/system.reg" ] || fail "prepare-prefix.sh deleted a prefix it did not make"
