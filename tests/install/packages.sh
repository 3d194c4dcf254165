#!/usr/bin/env bash
# packages.sh BUILD_DIR LAYOUT: cpack makes a .tar.gz and a .deb of the build, each holding exactly
# the files and links listed in LAYOUT (the .deb under usr/), and the .deb depends on the libraries
# the programs load.
set -euo pipefail
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cpack --config "$1/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    fail "cpack failed: $(tail -n 5 "$out/cpack.log")"
deb=$(find "$out" -maxdepth 1 -name 'boxring-texcross_*.deb')
tarball=$(find "$out" -maxdepth 1 -name 'boxring-texcross-*.tar.gz')
[ -f "$deb" ] && [ -f "$tarball" ] || fail "cpack made no .deb and .tar.gz: $(ls "$out")"

# listing FIELDS...: the `tar tv`-style listing on standard input as LAYOUT's lines, the folder
# prefix (./usr/, the tarball's top folder) and folders left out.
listing() {
    awk '$1 !~ /^d/ { sub(/^(\.\/usr|[^/]*)\//, "", $6); print $6 ($7 == "->" ? " -> " $8 : "") }' |
        sort
}
diff <(sort "$2") <(dpkg-deb -c "$deb" | listing) >&2 || fail "the .deb's files differ from $2"
diff <(sort "$2") <(tar -tvzf "$tarball" | listing) >&2 || fail "the .tar.gz's files differ from $2"

depends=$(dpkg-deb -f "$deb" Depends)
for library in libsdl2-2.0-0 libx11-6 libgl1 libjpeg62-turbo libstb0 libstdc++6; do
    tr ',' '\n' <<<"$depends" | awk '{ print $1 }' | grep -qxF "$library" ||
        fail "the .deb does not depend on $library: $depends"
done
