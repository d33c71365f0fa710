#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12, skipping
# packages that are already there. Uses apt-get when run as root, else sudo.
# Usage: setup.sh [--package]; with --package, only what building the Debian
# package needs (build tools, Qt with its SVG module, GMP, dpkg-dev).
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    qt6-svg-dev libqt6svg6
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libgmp-dev
    dpkg-dev file
)
if [ "${1:-}" != "--package" ]; then
    packages+=(
        libgtest-dev libbenchmark-dev
        clang libclang-rt-14-dev
        xvfb xauth x11-utils imagemagick
        poppler-utils
        dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0 xclip
        fonts-liberation fonts-noto-core fonts-noto-cjk
        desktop-file-utils appstream lintian
    )
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    apt=(apt-get)
elif command -v sudo >/dev/null 2>&1; then
    apt=(sudo apt-get)
else
    echo "Missing packages (${missing[*]}): run this script as root to install them." >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${apt[@]}" update -qq
"${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
