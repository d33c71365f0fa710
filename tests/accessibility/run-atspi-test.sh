#!/usr/bin/env bash
# Usage: run-atspi-test.sh PROGRAM SCRIPT [ARGUMENTS...]
# Runs PROGRAM the way a screen reader meets it: on a virtual X display (Xvfb),
# in a private D-Bus session with its own accessibility bus, and with Qt's
# accessibility on. Then runs the Python SCRIPT (with the system's python3,
# which has the AT-SPI bindings), which drives the program over AT-SPI.
# Every process started here is ended when the script ends, fails or times
# out. The exit status is the script's (124 when the whole run timed out).
set -euo pipefail

if [ "${1:-}" != "--inside" ]; then
    [ $# -ge 2 ] || { echo "Usage: $0 PROGRAM SCRIPT [ARGUMENTS...]" >&2; exit 2; }
    program=$(realpath "$1")
    script=$(realpath "$2")
    shift 2
    # timeout ends its whole process group: Xvfb, the buses and the program.
    exec timeout --kill-after=10 "${HCFLCM_ATSPI_TIMEOUT:-150}" \
        xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" \
        dbus-run-session -- bash "$0" --inside "$program" "$script" "$@"
fi

# Inside the virtual display and the private session bus.
shift
program=$1
script=$2
shift 2

pids=()
end_started() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
}
trap end_started EXIT
trap 'exit 143' TERM INT HUP

bus_has() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner "string:$1" 2>/dev/null | grep -q 'boolean true'
}

/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
for _ in $(seq 100); do
    bus_has org.a11y.Bus && break
    sleep 0.1
done
bus_has org.a11y.Bus || { echo "The accessibility bus did not start." >&2; exit 1; }

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$program" &
program_pid=$!
pids+=("$program_pid")

status=0
/usr/bin/python3 "$script" "$@" || status=$?
# A program that crashed or quit on its own is a failure, whatever was read.
if ! kill -0 "$program_pid" 2>/dev/null; then
    echo "FAIL: the program ended before the checks were done" >&2
    [ "$status" -ne 0 ] || status=1
fi
exit "$status"
