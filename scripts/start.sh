#!/bin/sh
# Builds Brevane with everything it needs to show and print its forms, and
# starts it. Without a display it says so at once, before installing or
# building anything.
set -e
cd "$(dirname "$0")/.."
if [ -z "$DISPLAY" ] && [ -z "$WAYLAND_DISPLAY" ]; then
    echo "No display found: Brevane opens a window. Run this from a desktop session, or under a virtual display:" >&2
    echo "    xvfb-run -a scripts/start.sh" >&2
    exit 1
fi
scripts/deps.sh start
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# The program's target makes the page screens, print templates and print data.
cmake --build build -j"$(nproc)" --target brevane
exec build/src/gui/brevane "$@"
