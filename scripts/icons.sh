#!/bin/sh
# Renders the program's icon desktop/icons/brevane.svg as the PNG sizes that
# desktops look for (desktop/icons/<size>/brevane.png). Run it after changing
# the drawing and commit the pictures; the build installs them as they are.
set -e
cd "$(dirname "$0")/../desktop/icons"
command -v rsvg-convert >/dev/null || { echo "needs rsvg-convert (apt-get install librsvg2-bin)" >&2; exit 1; }
for size in 16 24 32 48 64 128 256; do
    mkdir -p "${size}x${size}"
    rsvg-convert -w "$size" -h "$size" brevane.svg -o "${size}x${size}/brevane.png"
done
