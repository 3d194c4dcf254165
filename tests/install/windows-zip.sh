#!/usr/bin/env bash
# windows-zip.sh WINDOWS_BUILD_DIR: cpack makes a .zip of the Windows build whose one top folder
# holds both programs, the capture tools, texcross's images, the README and the licence. Skipped
# (77) where there is no Windows build.
set -euo pipefail
[ -f "$1/CPackConfig.cmake" ] || exit 77
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

cpack --config "$1/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || {
    echo "FAIL: cpack failed: $(tail -n 5 "$out/cpack.log")" >&2
    exit 1
}
expected=$(printf '%s\n' boxring.exe texcross.exe boxring-capture.exe texcross-capture.exe \
    tex{0..4}.jpg README.md LICENSE | sort)
zips=("$out"/boxring-texcross-*.zip)
found=$(cmake -E tar tf "${zips[0]}" | grep -v '/$' | sed 's|^[^/]*/||' | sort)
diff <(echo "$expected") <(echo "$found") >&2 || {
    echo "FAIL: the .zip's files differ (< expected, > in ${zips[0]##*/})" >&2
    exit 1
}
