#!/bin/sh
# uninstall: removes what `cmake --install` put in this prefix, as install-manifest.txt beside this
# script lists it: every file and link ("f PATH"), then every folder the install made ("d PATH"),
# where nothing else has been put in it since. Folders that were there before the install, and
# whatever else they hold, stay. Exits 1 if anything listed could not be removed.
set -eu
manifest=$(dirname -- "$0")/install-manifest.txt
if [ ! -f "$manifest" ]; then
    echo "uninstall: $manifest is missing, so what to remove is unknown" >&2
    exit 1
fi
if grep -qv '^[fd] /' "$manifest"; then
    echo "uninstall: $manifest is damaged (a line neither \"f /PATH\" nor \"d /PATH\")," \
        "so nothing was removed" >&2
    exit 1
fi

status=0
exec 3<"$manifest"
while IFS= read -r line <&3; do
    path=${line#? }
    case $line in
    f*) rm -f -- "$path" || status=1 ;;
    d*)
        if [ -d "$path" ] && ! rmdir -- "$path" 2>/dev/null; then
            echo "uninstall: kept $path: it holds what the install did not put there" >&2
        fi
        ;;
    esac
done
exit "$status"
