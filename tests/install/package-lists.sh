#!/usr/bin/env bash
# package-lists.sh DOC: the table in DOC (docs/BUILDING.md) of what each install script installs
# (its rows that name a script) is what the scripts' own lists give, row for row.
set -euo pipefail
doc=${1:?usage: package-lists.sh DOC}
here=$(cd "$(dirname "$0")" && pwd)
if ! diff <("$here/../../scripts/list-packages.sh") <(grep '^| `scripts/install-' "$doc"); then
    echo "FAIL: the install scripts' package lists (<) and those in $doc (>) differ;" \
        "scripts/list-packages.sh prints the rows" >&2
    exit 1
fi
