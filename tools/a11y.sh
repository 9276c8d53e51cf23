#!/usr/bin/env bash
# Dravino as a screen reader meets it: a real X server with a window
# manager, a session bus with the AT-SPI accessibility bus, Italian locale;
# tools/a11y.py prints the tree and the Tab cycle of every panel.
# Needs xvfb, openbox, at-spi2-core, dbus and python3-pyatspi (make a11y).
set -euo pipefail
build=${1:-build}
cd "$(dirname "$0")/.."
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.05; done
export DISPLAY=:$(head -n 1 "$displayfile")
rm -f "$displayfile"
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
trap 'kill $wm $xvfb 2>/dev/null || true' EXIT
sleep 1
export LANG=it_IT.UTF-8 QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
dbus-run-session -- bash -c "/usr/libexec/at-spi-bus-launcher --launch-immediately & sleep 1; /usr/bin/python3 tools/a11y.py '$build/dravino'"
