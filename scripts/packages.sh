# shellcheck shell=bash
# Sourced: as_root COMMAND...: runs the command as root, through sudo for another user.
# install_missing PACKAGE...: installs, with apt-get, those of the Debian packages that are not
# installed yet, refreshing the package lists first; does nothing when all are there. Another
# package manager at work (an unattended upgrade, a second install) is waited for, up to 5 minutes.
# A list that fails to refresh (a mirror in the middle of a sync) is only warned about: apt keeps
# the lists it has, and the install itself fails if the packages cannot be had from them.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        echo "Installing packages needs root, and there is no sudo: run this as root." >&2
        return 1
    fi
}

install_missing() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    as_root apt-get -o DPkg::Lock::Timeout=300 update -qq ||
        echo "Warning: not every package list could be refreshed; installing from the lists there are." >&2
    as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 \
        install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}
