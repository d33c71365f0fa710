#!/usr/bin/env bash
# Installs what is missing, builds, and starts the calculator. Without a
# display it shows the window on a virtual one instead and saves its picture
# as build/window.png.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/app/hcflcm
fi
bash scripts/window-picture.sh build/app/hcflcm build/window.png
echo "No display here: the window ran on a virtual display; its picture is $(pwd)/build/window.png"
