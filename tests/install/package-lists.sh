#!/usr/bin/env bash
# package-lists.sh README: the README's table of what each install script installs (its rows that
# name a script) is what the scripts' own lists give, row for row.
set -euo pipefail
readme=${1:?usage: package-lists.sh README}
here=$(cd "$(dirname "$0")" && pwd)
if ! diff <("$here/../../scripts/list-packages.sh") <(grep '^| `scripts/install-' "$readme"); then
    echo "FAIL: the install scripts' package lists (<) and the README's (>) differ;" \
        "scripts/list-packages.sh prints the rows" >&2
    exit 1
fi
