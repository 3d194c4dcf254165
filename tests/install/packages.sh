#!/usr/bin/env bash
# packages.sh BUILD_DIR LAYOUT: cpack makes a .tar.gz and a .deb of the build, each holding exactly
# the files and links listed in LAYOUT (the .deb under usr/); the .deb depends on the libraries
# the programs load, and lintian finds no error or warning in it; its menu entries and AppStream
# metadata validate, and the capture tools' manual pages say what their --help says.
set -euo pipefail
# shellcheck source=tests/shell/scratch.sh
source "$(dirname "$0")/../shell/scratch.sh"

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

lintian --fail-on error,warning "$deb" >"$out/lintian.log" 2>&1 ||
    fail "lintian: $(grep -E '^[EW]: ' "$out/lintian.log" || tail -n 5 "$out/lintian.log")"

root=$out/root
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root"/usr/share/applications/*.desktop >&2 || fail "desktop-file-validate"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.xml >"$out/appstream.log" 2>&1 ||
    fail "appstreamcli validate: $(cat "$out/appstream.log")"

# The words from the description on, as --help prints them and as the page reads under its
# DESCRIPTION, OPTIONS and EXIT STATUS headings.
words() { awk '{ for (i = 1; i <= NF; i++) print $i }'; }
for tool in boxring-capture texcross-capture; do
    diff <("$root/usr/bin/$tool" --help | sed '1,/^$/d' | words) \
        <(MANWIDTH=1000 LC_ALL=C.UTF-8 man -l "$root/usr/share/man/man1/$tool.1.gz" |
            sed -n '/^DESCRIPTION$/,/^SEE ALSO$/{/^[A-Z]/!p}' | words) >&2 ||
        fail "$tool's manual page differs from its --help (< --help, > manual page)"
done
