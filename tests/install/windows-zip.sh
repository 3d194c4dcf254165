#!/usr/bin/env bash
# windows-zip.sh WINDOWS_BUILD_DIR: cpack makes a .zip of the 64-bit Windows build, named
# ...-win64.zip, whose one top folder holds both programs, the capture tools, texcross's images,
# a readme of its own for Windows (naming them, in Windows' line ends) and the licence; every
# .exe in it imports only DLLs that Windows itself ships, so that it runs on a stock Windows with
# nothing installed (mingw-w64's objdump reads the imports); and the two programs carry an icon
# and version information naming the package's version (icoutils' wrestool lists and extracts the
# resources). Skipped (77) where there is no Windows build.
set -euo pipefail
if [ ! -f "$1/CPackConfig.cmake" ]; then
    echo "skipped: $1 holds no Windows build" \
        "(cmake --preset windows && cmake --build --preset windows)"
    exit 77
fi
objdump=x86_64-w64-mingw32-objdump
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# The DLLs of Windows 10 and 11 that the programs may import; d3dx9_43.dll is not one of them.
windows_dlls='^(kernel32|user32|gdi32|d3d9|msvcrt)\.dll$'

cpack --config "$1/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || {
    echo "FAIL: cpack failed: $(tail -n 5 "$out/cpack.log")" >&2
    exit 1
}
zips=("$out"/boxring-texcross-*-win64.zip)
[ -f "${zips[0]}" ] || {
    echo "FAIL: cpack made no ...-win64.zip: $(cd "$out" && echo *.zip)" >&2
    exit 1
}
expected=$(printf '%s\n' boxring.exe texcross.exe boxring-capture.exe texcross-capture.exe \
    tex{0..4}.jpg README.txt LICENSE | sort)
found=$(cmake -E tar tf "${zips[0]}" | grep -v '/$' | sed 's|^[^/]*/||' | sort)
diff <(echo "$expected") <(echo "$found") >&2 || {
    echo "FAIL: the .zip's files differ (< expected, > in ${zips[0]##*/})" >&2
    exit 1
}

mkdir "$out/unpacked"
(cd "$out/unpacked" && cmake -E tar xf "${zips[0]}")
status=0
# The readme is Windows' own: Notepad's line ends, and it names every program and image it holds.
readme=("$out"/unpacked/*/README.txt)
if grep -qv $'\r$' "${readme[0]}"; then
    echo "FAIL: README.txt has lines that do not end in CR LF" >&2
    status=1
fi
for file in "$out"/unpacked/*/*.exe "$out"/unpacked/*/tex0.jpg; do
    grep -qF "${file##*/}" "${readme[0]}" || {
        echo "FAIL: README.txt does not name ${file##*/}" >&2
        status=1
    }
done
for exe in "$out"/unpacked/*/*.exe; do
    format=$("$objdump" -f "$exe" | sed -n 's/.*file format //p')
    [ "$format" = pei-x86-64 ] || {
        echo "FAIL: ${exe##*/} is $format, not a 64-bit Windows program" >&2
        status=1
    }
    imports=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p')
    [ -n "$imports" ] || { echo "FAIL: no imports read from ${exe##*/}" >&2; status=1; }
    for dll in $imports; do
        if ! echo "$dll" | tr '[:upper:]' '[:lower:]' | grep -Eq "$windows_dlls"; then
            echo "FAIL: ${exe##*/} imports $dll, which Windows does not ship" >&2
            status=1
        fi
    done
done

version=${zips[0]##*/boxring-texcross-}
version=${version%-win64.zip}
for exe in "$out"/unpacked/*/{boxring,texcross}.exe; do
    resources=$(wrestool -l "$exe")
    for type in group_icon version; do
        grep -q "type=$type " <<<"$resources" || {
            echo "FAIL: ${exe##*/} has no $type resource: $resources" >&2
            status=1
        }
    done
    strings=$(wrestool -x --raw --type=16 "$exe" | strings -el | paste -sd ' ')
    for field in "FileVersion $version" "ProductVersion $version" "ProductName boxring-texcross"; do
        grep -qF " $field " <<<"$strings" || {
            echo "FAIL: ${exe##*/}'s version information lacks \"$field\": $strings" >&2
            status=1
        }
    done
done
exit "$status"
