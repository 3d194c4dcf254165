# shellcheck shell=bash
# Sourced by the end-to-end tests: runs one program of the native build on the X display, finds
# its window, presses keys and reads its pixels.
source "$(dirname "${BASH_SOURCE[0]}")/../shell/x11-session.sh"

# hold_key KEY: holds the key down for 0.3 s, across several polls of a running frame loop. The
# pointer is moved off every window first, so none has the focus.
hold_key() {
    xdotool mousemove 1 1
    xdotool keydown "$1"
    sleep 0.3
    xdotool keyup "$1"
}

# screenshot NAME: saves the window's pixels as NAME.png in the session folder; prints the path.
# import waits for ever on a window that has gone, hence the time limit.
screenshot() {
    timeout 10 import -window "$WINDOW_ID" "$SESSION_DIR/$1.png" ||
        fail "could not read the pixels of window $WINDOW_ID"
    echo "$SESSION_DIR/$1.png"
}

# pixel_shares IMAGE: prints the share of the image's pixels in the clear colour (0, 0, 0x50) and
# the share in the boxes' red to orange, lit or in shadow, from the image's colour histogram.
pixel_shares() {
    convert "$1" -depth 8 -format %c histogram:info:- | awk -F'[(),:]+' '
        { count = $1; r = $3; g = $4; b = $5; total += count }
        r <= 5 && g <= 5 && b >= 75 && b <= 85 { clear += count }
        r > 38 && r > 2 * b && r >= g { reddish += count }
        END { print clear / total, reddish / total }'
}

# expect_scene IMAGE: at least a third of the picture is the clear colour and at least 1% shows
# the boxes.
expect_scene() {
    local clear reddish
    read -r clear reddish < <(pixel_shares "$1")
    awk -v c="$clear" 'BEGIN { exit !(c >= 0.33) }' ||
        fail "only $clear of $1 has the clear colour"
    awk -v r="$reddish" 'BEGIN { exit !(r >= 0.01) }' || fail "only $reddish of $1 shows the boxes"
}

# expect_changing CHECK: two pictures of the window half a second apart differ: it is still
# drawing. The second must pass CHECK IMAGE (expect_scene, expect_cubes_drawn).
expect_changing() {
    local before after changed
    before=$(screenshot before)
    sleep 0.5
    after=$(screenshot after)
    changed=$(compare -metric AE "$before" "$after" null: 2>&1 || true)
    [ "$changed" != "0" ] || fail "the window's pixels did not change in 0.5 s"
    "$1" "$after"
}

# window_geometry: prints "X Y WIDTH HEIGHT" of the window on the screen.
window_geometry() {
    xwininfo -id "$WINDOW_ID" | awk '
        /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }'
}

# colour_census IMAGE: prints the share of the image's pixels in the clear colour (0, 0, 0x50), the
# share in any other colour, and which of six hue sectors (0 red, 1 yellow, 2 green, 3 cyan, 4 blue,
# 5 magenta) each hold at least 0.2% of the image in bright, saturated pixels, as their digits in
# one word ("-" for none).
colour_census() {
    convert "$1" -depth 8 -format %c histogram:info:- | awk -F'[(),:]+' '
        { count = $1; r = $3; g = $4; b = $5; total += count }
        r <= 5 && g <= 5 && b >= 75 && b <= 85 { clear += count; next }
        {
            max = r > g ? (r > b ? r : b) : (g > b ? g : b)
            min = r < g ? (r < b ? r : b) : (g < b ? g : b)
            if (max < 48 || max - min < 0.35 * max) next
            if (max == r) hue = 60 * (g - b) / (max - min)
            else if (max == g) hue = 120 + 60 * (b - r) / (max - min)
            else hue = 240 + 60 * (r - g) / (max - min)
            sector[int(((hue + 390) % 360) / 60)] += count
        }
        END {
            for (s = 0; s < 6; s++) if (sector[s] >= 0.002 * total) sectors = sectors s
            print clear / total, 1 - clear / total, sectors == "" ? "-" : sectors
        }'
}

# expect_cubes_drawn IMAGE: at least a third of the picture is the clear colour, at least 5% is
# not, and some of it is brightly coloured: texcross's cubes are drawn.
expect_cubes_drawn() {
    local clear other sectors
    read -r clear other sectors < <(colour_census "$1")
    awk -v c="$clear" -v o="$other" 'BEGIN { exit !(c >= 0.33 && o >= 0.05) }' ||
        fail "$1 has $clear of the clear colour and $other of other colours"
    [ "$sectors" != "-" ] || fail "$1 shows no brightly coloured cube"
}

# expect_images_shown: the cubes wear images of at least four different hues. Which images face
# the camera, and which the highlight washes out, depends on the moment's angle, so the hues are
# gathered from up to ten pictures 0.2 s apart, each of which must show the cubes drawn.
expect_images_shown() {
    local seen="" clear other sectors image shot
    for shot in $(seq 10); do
        image=$(screenshot "images-$shot")
        expect_cubes_drawn "$image"
        read -r clear other sectors < <(colour_census "$image")
        seen=$(echo "$seen$sectors" | grep -o '[0-5]' | sort -u | tr -d '\n')
        [ "${#seen}" -ge 4 ] && return
        sleep 0.2
    done
    fail "the cubes showed images in the hue sectors \"$seen\" only, expected at least 4"
}

# expect_no_frame: the window shows (almost) none of the clear colour, with which every frame
# starts: nothing has been presented in it.
expect_no_frame() {
    local image clear
    image=$(screenshot no-frame)
    read -r clear _ < <(colour_census "$image")
    awk -v c="$clear" 'BEGIN { exit !(c < 0.01) }' ||
        fail "$clear of the window has the clear colour: a frame was presented"
}

# expect_peak_memory_below MEGABYTES: the running program's resident memory has never been larger.
expect_peak_memory_below() {
    local peak
    peak=$(awk '/^VmHWM:/ { print $2 }' "/proc/$PROGRAM_PID/status")
    [ "$peak" -lt $(($1 * 1024)) ] || fail "the program held up to $((peak / 1024)) MB, over $1 MB"
}

# message_box_id TITLE: prints the id of a window titled exactly TITLE, if there is one. SDL's
# message box gives its title a property type that xdotool does not match, so the tree is read.
message_box_id() {
    xwininfo -root -tree | awk -v title=" \"$1\": " 'index($0, title) { print $1; exit }'
}

# wait_for_message_box TITLE: sets BOX_ID to the message box titled TITLE once it is on the screen.
wait_for_message_box() {
    for _ in $(seq 200); do
        BOX_ID=$(message_box_id "$1" || true)
        if [ -n "$BOX_ID" ] && xwininfo -id "$BOX_ID" 2>/dev/null | grep -q IsViewable; then
            return
        fi
        kill -0 "$PROGRAM_PID" 2>/dev/null ||
            fail "the program ended before a message box \"$1\" appeared"
        sleep 0.1
    done
    fail "no message box \"$1\" appeared within 20 s"
}

# dismiss_message_box: presses Return in the box BOX_ID until it goes away; a key sent before the
# box listens for keys is lost, so it is sent again after a second.
dismiss_message_box() {
    for _ in 1 2 3; do
        xdotool key --window "$BOX_ID" Return 2>/dev/null || true
        for _ in $(seq 10); do
            xwininfo -id "$BOX_ID" >/dev/null 2>&1 || return 0
            sleep 0.1
        done
    done
    fail "the message box was still up after Return was pressed in it three times"
}

# expect_one_message CAPTION TEXT: the program showed exactly one message box with that caption,
# and it read TEXT. Every box is also written to stderr as the line "CAPTION: TEXT".
expect_one_message() {
    local lines
    lines=$(grep -c "^$1: " "$PROGRAM_LOG" || true)
    [ "$lines" -eq 1 ] || fail "$lines message boxes titled \"$1\", expected one"
    grep -qFx "$1: $2" "$PROGRAM_LOG" || fail "the message box did not read \"$2\""
}
