#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the Release build
# first, then the Debian package built and checked (lintian, the menu entry,
# the AppStream data, its files, the unpacked program), then the whole suite
# again built with clang under AddressSanitizer and UndefinedBehaviorSanitizer,
# with a short fuzzing run of the number cores.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh -DBUILD_TESTING=ON -DHCFLCM_BUILD_BENCH=ON
ctest --test-dir build --output-on-failure -j 2
bash scripts/check-package.sh

CC=clang CXX=clang++ cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DHCFLCM_SANITIZE=ON -DHCFLCM_FUZZ=ON -DHCFLCM_BUILD_BENCH=OFF -DBUILD_TESTING=ON
cmake --build build-sanitize -j "$(nproc)"
ctest --test-dir build-sanitize --output-on-failure -j 2
