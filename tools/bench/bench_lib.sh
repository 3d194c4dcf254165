# shellcheck shell=bash
# Sourced by the benchmark scripts and by the Windows tests' prefix script.
#
# make_wine_prefix PREFIX LOADER SERVER: exports WINEPREFIX=PREFIX with Wine's debug output off and
# Mono and Gecko left out (so nothing prompts for them), creates the prefix with LOADER's wineboot
# and waits for SERVER to finish with it. The prefix, if it exists, is the caller's to judge.
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
