#!/usr/bin/env bash
# boxring-device-loss.sh BOXRING: the stand-in's simulated device loss (SIGUSR1) in a running
# boxring. While the device stays lost nothing is presented, so the window holds its last frame;
# once it may be reset, boxring resets it and draws the scene again, the spin going on from where
# it was. Escape still ends it with exit code 0.
source "$(dirname "$0")/session.sh"

SIGNALLER_PID=
end_loss_session() {
    if [ -n "$SIGNALLER_PID" ]; then
        kill "$SIGNALLER_PID" 2>/dev/null || true
    fi
    end_session
}
trap end_loss_session EXIT

# A loss lasts half a second from its last signal; signals every 0.05 s keep the device lost for as
# long as they come, with room for a late one on a busy machine.
keep_device_lost() {
    while kill -USR1 "$PROGRAM_PID" 2>/dev/null; do
        sleep 0.05
    done
}

# differing FIRST SECOND: prints how many pixels differ between the two pictures.
differing() {
    compare -metric AE "$1" "$2" null: 2>&1 || true
}

start_program "$1"
wait_for_window "DirectX lighting boxes"
sleep 1
before=$(screenshot before-loss)
expect_scene "$before"

keep_device_lost &
SIGNALLER_PID=$!
sleep 0.6
during=$(screenshot during-loss)
sleep 0.8
still=$(screenshot still-during-loss)
kill "$SIGNALLER_PID"
SIGNALLER_PID=
expect_running "while its device was lost"
[ "$(differing "$before" "$during")" != "0" ] ||
    fail "the window showed the same picture before the device was lost and while it was"
[ "$(differing "$during" "$still")" = "0" ] ||
    fail "the window's picture changed while the device was lost: a frame was presented"

# Half a second until the device may be reset, and the reset itself.
sleep 1.5
expect_running "after its device was lost"
after=$(screenshot after-loss)
[ "$(differing "$still" "$after")" != "0" ] ||
    fail "the window still showed the frame from before the loss: drawing did not resume"
expect_changing expect_scene

hold_key Escape
expect_exit_within 2 0
