#!/usr/bin/env bash
# Runs a command with DISPLAY naming a running X server, starting Xvfb for it when there is none,
# and stops that Xvfb afterwards. Exits with the command's exit code.
set -uo pipefail

source "$(dirname "$0")/virtual-display.sh"
use_virtual_display
"$@"
