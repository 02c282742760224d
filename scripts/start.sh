#!/bin/sh
# Builds Brevane and starts it.
set -e
cd "$(dirname "$0")/.."
scripts/deps.sh start
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target brevane
if [ -z "$DISPLAY" ] && [ -z "$WAYLAND_DISPLAY" ]; then
    echo "No display found: start Brevane under a virtual display with  xvfb-run -a build/src/gui/brevane"
    exit 1
fi
exec build/src/gui/brevane
