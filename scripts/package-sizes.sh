#!/usr/bin/env bash
# package-sizes.sh: how much the install scripts' Debian packages take, as dpkg records them on this
# machine: the packages the scripts name, then those together with everything they depend on that
# a minimal Debian already has not (priority required and important left out). Only packages
# installed here are counted; the others are named.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
mapfile -t named < <("$here/list-packages.sh" | awk -F'`' '{ print $4 }' | tr ' ' '\n' | sort -u |
    grep .)

# sizes PACKAGE...: "count KiB" of those installed, their Installed-Size summed.
sizes() {
    dpkg-query -W -f '${db:Status-Status} ${Priority} ${Installed-Size}\n' "$@" 2>/dev/null |
        awk '$1 == "installed" && $2 != "required" && $2 != "important" { n++; kib += $3 }
             END { printf "%d %d\n", n, kib }'
}
installed=()
for package in "${named[@]}"; do
    if dpkg-query -W -f '${db:Status-Status}' "$package" 2>/dev/null | grep -qx installed; then
        installed+=("$package")
    else
        echo "not installed here, not counted: $package"
    fi
done
read -r count kib < <(sizes "${installed[@]}")
printf 'named by the scripts: %d packages, %d installed here, %d MiB\n' \
    "${#named[@]}" "$count" "$((kib / 1024))"
mapfile -t closure < <(apt-cache depends --recurse --installed --no-recommends --no-suggests \
    --no-conflicts --no-breaks --no-replaces --no-enhances "${installed[@]}" | grep -v '^[ <]' |
    sort -u)
read -r count kib < <(sizes "${closure[@]}")
printf 'with their dependencies: %d packages, %d MiB\n' "$count" "$((kib / 1024))"
