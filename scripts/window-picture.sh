#!/usr/bin/env bash
# Usage: window-picture.sh PROGRAM OUT.png
# Starts PROGRAM on a virtual X display (Xvfb, real X11 platform), waits for its
# main window, saves a picture of it as OUT.png and ends the program.
set -euo pipefail
program=$(realpath "$1")
out=$(realpath -m "$2")
mkdir -p "$(dirname "$out")"

xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash -c '
    set -euo pipefail
    QT_QPA_PLATFORM=xcb "$0" &
    pid=$!
    trap "kill $pid 2>/dev/null || true" EXIT
    id=""
    for _ in $(seq 100); do
        id=$(xwininfo -root -tree | grep -F "\"Factorization, HCF & LCM of Numbers\"" | awk "{print \$1}" | head -n 1 || true)
        [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || { echo "The window did not appear." >&2; exit 1; }
    sleep 1
    import -window "$id" "$1"
' "$program" "$out"
