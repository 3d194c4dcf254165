# shellcheck shell=bash
# Sourced by the benchmark scripts and by the Windows tests' prefix script.
#
# make_wine_prefix PREFIX LOADER SERVER: exports WINEPREFIX=PREFIX with Wine's debug output off and
# Mono and Gecko left out (so nothing prompts for them), creates the prefix with LOADER's wineboot
# and waits for SERVER to finish with it. The prefix, if it exists, is the caller's to judge.
#
# bench_session [WINDOWS_BUILD]: a private virtual display and a folder of the script's own, $work,
# removed at exit; when WINDOWS_BUILD is not empty, a Wine prefix in it for the 64-bit Wine
# ($wine_loader), whose server ends before the folder goes.
#
# peak_kib OUTPUT COMMAND...: runs COMMAND with its standard output in OUTPUT and its standard
# error dropped, prints its peak resident memory in KiB (/usr/bin/time's, kept in OUTPUT.kib) and
# returns COMMAND's exit code.
make_wine_prefix() {
    export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    "$2" wineboot -i
    "$3" -w
}

peak_kib() {
    local output=$1 status=0
    shift
    /usr/bin/time -f %M -o "$output.kib" "$@" >"$output" 2>/dev/null || status=$?
    # After a failure, time's first line says so; the figure is the last.
    tail -n 1 "$output.kib"
    return "$status"
}

wine_loader=/usr/lib/wine/wine64
wine_server=/usr/lib/wine/wineserver64

bench_session() {
    source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/virtual-display.sh"
    work=
    # shellcheck disable=SC2016 # evaluated at exit, when $work names the folder
    use_virtual_display '[ ! -d "$work/wineprefix" ] || "$wine_server" -k 2>/dev/null; rm -rf "$work"'
    work=$(mktemp -d)
    if [ -n "${1:-}" ]; then
        make_wine_prefix "$work/wineprefix" "$wine_loader" "$wine_server" >/dev/null 2>&1
    fi
    trap 'exit 1' HUP INT TERM
}
