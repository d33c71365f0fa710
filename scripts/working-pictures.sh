#!/usr/bin/env bash
# Usage: working-pictures.sh [BUILD_DIR]
# Saves the pictures of the working that the README shows into docs/: a small
# program (bench/app/WorkingPictures.cpp) drives the real window on the
# offscreen platform, clicks each command, opens the Working window and saves
# its picture as PNG, then takes a picture of the Working window itself.
# BUILD_DIR (default build) must be configured with -DHCFLCM_BUILD_BENCH=ON.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target working_pictures -j 2
mkdir -p docs
"$build/bench/app/working_pictures" docs
