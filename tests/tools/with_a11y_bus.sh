#!/usr/bin/env bash
# Runs a window test where Qt passes its accessibility events on: on an X
# display of its own (Qt's AT-SPI bridge lives in its X11 platform), in a
# D-Bus session of its own whose accessibility bus is already running.
# Usage: with_a11y_bus.sh <test program> [arguments...]
set -euo pipefail
. "$(dirname "$0")/../../tools/lib/session.sh"
make_tmp
start_xvfb 1024x768x24 || exit 1
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_RUNTIME_DIR=$tmp
# Started before the program: Qt only joins a bus that is there when it starts.
exec dbus-run-session -- bash -c '
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress >/dev/null || exit 1
    exec "$@"' with_a11y_bus "$@"
