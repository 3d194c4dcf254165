#!/usr/bin/env bash
# list-packages.sh: prints the Debian packages that each scripts/install-*.sh installs, read from
# its packages array, as the rows of the table of them in docs/BUILDING.md. The install test
# compares that table's rows with these; after changing a script's list, put the new rows there.
set -euo pipefail
cd "$(dirname "$0")"
for script in install-*.sh; do
    packages=$(awk '/packages\+?=\(/ { listing = 1 }
        listing {
            line = $0
            sub(/#.*/, "", line)
            sub(/.*\(/, "", line)
            if (sub(/\).*/, "", line)) listing = 0
            printf "%s ", line
        }' "$script" | xargs)
    [ -n "$packages" ] || { echo "list-packages.sh: no packages array in $script" >&2; exit 1; }
    echo "| \`scripts/$script\` | \`$packages\` |"
done
