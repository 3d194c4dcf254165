#!/usr/bin/env bash
# Installs what the 32-bit Windows build (the windows-x86 preset) and its tests need, where
# missing: the mingw-w64 cross compiler for i686, and Wine's 32-bit half with the 32-bit Mesa
# libraries it draws with. These need the i386 architecture, which is enabled first; only for a
# machine that runs 32-bit code (scripts/runs-32-bit-code.sh).
set -euo pipefail
source "$(dirname "$0")/packages.sh"

packages=(
    g++-mingw-w64-i686 wine32:i386 libgl1:i386 libglx-mesa0:i386 libgl1-mesa-dri:i386
)

# Once the architecture is enabled its packages are missing, so install_missing refreshes the lists.
# Where they cannot be installed, an architecture this script enabled is disabled again, so that
# later refreshes of the package lists do not fetch the i386 lists.
enabled_here=
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
    enabled_here=1
fi
if ! install_missing "${packages[@]}"; then
    [ -z "$enabled_here" ] || as_root dpkg --remove-architecture i386 || true
    exit 1
fi
