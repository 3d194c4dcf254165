#!/usr/bin/env bash
# uninstall.sh BUILD_DIR: `cmake --install` into a prefix that already holds folders and files of
# its own, twice, with cpack run in between (which rewrites the build tree's install_manifest.txt
# with its own staging paths); then the installed uninstall script leaves the prefix as it was
# before: the folders it had, their files, nothing more. The install's list names nothing outside
# the prefix, and nothing beside the prefix changes.
set -euo pipefail
# shellcheck source=tests/shell/scratch.sh
source "$(dirname "$0")/../shell/scratch.sh"
# tree DIR: every folder, file and link under DIR, one a line.
tree() {
    (cd "$1" && find . -mindepth 1 -printf '%y %P\n' | sort)
}

root=$out/root
prefix=$root/prefix
mkdir -p "$prefix"/bin "$prefix"/share/applications "$prefix"/share/man "$root"/beside
echo theirs >"$prefix"/share/applications/other.desktop
echo theirs >"$root"/beside/file
before=$(tree "$root")

install_into_prefix() {
    cmake --install "$1" --prefix "$prefix" >"$out/install.log" 2>&1 ||
        fail "cmake --install failed: $(tail -n 5 "$out/install.log")"
}
install_into_prefix "$1"
cpack --config "$1/CPackConfig.cmake" -B "$out/packages" >"$out/cpack.log" 2>&1 ||
    fail "cpack failed: $(tail -n 5 "$out/cpack.log")"
install_into_prefix "$1"

manifest=$prefix/libexec/boxring-texcross/install-manifest.txt
[ -f "$manifest" ] || fail "the install left no list of what it installed ($manifest)"
outside=$(grep -v "^[fd] $prefix/" "$manifest" || true)
[ -z "$outside" ] || fail "the install's list names paths outside the prefix: $outside"

"$prefix"/libexec/boxring-texcross/uninstall >"$out/uninstall.log" 2>&1 ||
    fail "uninstall failed: $(cat "$out/uninstall.log")"
diff <(echo "$before") <(tree "$root") >&2 ||
    fail "after uninstalling, the prefix and what is beside it differ (< before, > after)"
