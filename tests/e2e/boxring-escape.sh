#!/usr/bin/env bash
# boxring-escape.sh BOXRING: Escape, held while no window has the focus, ends boxring with exit
# code 0 within 2 s.
source "$(dirname "$0")/session.sh"

start_program "$1"
wait_for_window "DirectX lighting boxes"
sleep 1
expect_running "before Escape was pressed"
hold_key Escape
expect_exit_within 2 0
