#!/usr/bin/env bash
# run.sh PROGRAM: builds and runs boxring or texcross. Without a display it runs the program on a
# virtual one (Xvfb) for about 4 s, saves a screenshot of its window to build/PROGRAM-screenshot.png
# and ends it with Escape.
# run.sh PROGRAM --web: builds the browser build and serves it on 127.0.0.1 until Ctrl+C, printing
# the page's address. Without a display it opens the page in headless Chromium instead, saves a
# screenshot to build/PROGRAM-web-screenshot.png and stops.
set -euo pipefail
cd "$(dirname "$0")/.."

program=${1:-}
case "$program" in
boxring) title="DirectX lighting boxes" ;;
texcross) title="DirectX textures" ;;
*)
    echo "usage: scripts/run.sh boxring|texcross [--web]" >&2
    exit 2
    ;;
esac

has_display() {
    [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1
}

if [ "${2:-}" = "--web" ]; then
    scripts/install-web-deps.sh
    source scripts/web-env.sh
    build_web
    if has_display || [ -n "${WAYLAND_DISPLAY:-}" ]; then
        exec node tools/web/serve.mjs build-web "$program.html"
    fi
    install_node_packages
    mkdir -p build
    exec node tools/web/serve.mjs build-web "$program.html" --screenshot "build/$program-web-screenshot.png"
elif [ -n "${2:-}" ]; then
    echo "usage: scripts/run.sh boxring|texcross [--web]" >&2
    exit 2
fi

# Only the programs: the tests and benchmarks need more packages (scripts/test.sh installs them).
scripts/install-deps.sh
cmake --preset default -DBUILD_TESTING=OFF -DBUILD_BENCHMARKS=OFF >/dev/null
cmake --build --preset default -j "$(nproc)"

if has_display; then
    exec "build/bin/$program"
fi

source scripts/virtual-display.sh
use_virtual_display
"build/bin/$program" &
pid=$!
sleep 4

screenshot="build/$program-screenshot.png"
window=$(xdotool search --all --onlyvisible --pid "$pid" --name "^$title\$" | head -n 1 || true)
if [ -n "$window" ]; then
    if timeout 10 import -window "$window" "$screenshot"; then
        echo "Screenshot of the window: $screenshot"
    else
        echo "Could not take a picture of the window."
    fi
else
    echo "No window titled \"$title\" to take a picture of."
fi

xdotool keydown Escape
sleep 0.3
xdotool keyup Escape
for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "$program was still running 5 s after Escape; stopping it."
    kill -KILL "$pid"
fi
status=0
wait "$pid" || status=$?
echo "$program exited with code $status."
