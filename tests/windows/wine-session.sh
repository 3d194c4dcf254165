# shellcheck shell=bash
# Sourced by the Windows tests: runs one Windows program under Wine on the X display, finds its
# windows, presses keys and reads its pixels. The environment names the Wine prefix (WINEPREFIX,
# prepared once per run), the Windows build's bin/ (WINDOWS_BIN), and the Wine loader and server
# for the programs' architecture (WINE, WINESERVER): called directly, since /usr/bin/wine starts
# the 32-bit loader wherever that is installed.
source "$(dirname "${BASH_SOURCE[0]}")/../shell/x11-session.sh"
: "${WINEPREFIX:?}" "${WINDOWS_BIN:?}" "${WINE:?}" "${WINESERVER:?}"

CLEAR_COLOR="rgb(0,0,80)"
PROGRAM_NAME=

require_windows_program() {
    [ -f "$1" ] || fail "$1 is missing: build the Windows programs first" \
        "(cmake --preset windows && cmake --build --preset windows)"
}

# start_wine_program EXE: starts the program under Wine in the background.
start_wine_program() {
    require_windows_program "$1"
    PROGRAM_NAME=$(basename "$1" .exe)
    start_program "$WINE" "$1"
}

# press_key WINDOW KEY: gives the window the keyboard focus (there is no window manager to do it)
# and holds the key for 0.3 s, across several polls of a running frame loop.
press_key() {
    timeout 10 xdotool windowfocus --sync "$1" || fail "the window $1 did not take the focus"
    xdotool keydown "$2"
    sleep 0.3
    xdotool keyup "$2"
}

# forget_key_state: ends the prefix's Wine server, whose key state Wine updates only from events
# sent to its windows. A key released after the window that had the focus has gone stays down
# there, and the next program started would see it held. Only for tests that run alone.
forget_key_state() {
    "$WINESERVER" -k 2>/dev/null || true
}

# clear_fraction IMAGE: prints the share of the image's pixels that show exactly the clear colour.
clear_fraction() {
    convert "$1" -alpha off -fill black +opaque "$CLEAR_COLOR" -fill white -opaque "$CLEAR_COLOR" \
        -format "%[fx:mean]" info:
}

# expect_scene_drawn TITLE: waits until the window with this title shows the clear colour over a
# quarter to 95 % of its area, the rest being the scene drawn over it, and sets WINDOW_ID to it. A
# window that is never drawn, or drawn in the wrong colour, fails and leaves its picture in the
# working directory. The window is looked up anew for each picture: Wine may replace the X window
# when Direct3D takes it over, and import waits for ever on a window that has gone.
expect_scene_drawn() {
    local shot="$SESSION_DIR/window.png" kept="$PWD/$PROGRAM_NAME-window.png" fraction=none
    for _ in $(seq 50); do
        wait_for_window "$1"
        if timeout 5 import -window "$WINDOW_ID" "$shot" 2>/dev/null; then
            fraction=$(clear_fraction "$shot")
            awk -v f="$fraction" 'BEGIN { exit !(f >= 0.25 && f <= 0.95) }' && return
        fi
        sleep 0.2
    done
    [ -f "$shot" ] && cp "$shot" "$kept"
    fail "the window shows the clear colour over $fraction of its area, expected 0.25 to 0.95" \
        "(picture: $kept)"
}

# make_block_textures DIR: writes tex0.jpg ... tex4.jpg into DIR, images made of 64 x 64-texel
# blocks of colour: 4 x 4 random colours each, scaled up by pixel replication, with full chroma
# resolution so that the JPEG keeps every block one flat colour. Wine's D3DX builds mip levels by
# point sampling (it reports the box filter as unhandled) where the real library averages, so
# images with finer detail have other mip levels under Wine than on Windows; blocks this size give
# the same levels either way down to 4 x 4 texels, smaller than any face in the programs' frames.
make_block_textures() {
    mkdir -p "$1"
    for k in 0 1 2 3 4; do
        convert -seed $((k + 1)) -size 4x4 xc:black -channel RGB -fx "rand()" -scale 6400% \
            -sampling-factor 1x1 -quality 100 "$1/tex$k.jpg"
    done
}
