#!/usr/bin/env bash
# Runs one test program as on a technician's desktop: a real X server with a
# window manager (Xvfb and openbox, each on a display of its own) and the
# Italian locale, so that message boxes hand the focus back and the C
# library reads numbers with a comma.
set -u
[ "$#" -ge 1 ] || { echo "usage: $0 PROGRAM [ARGS...]" >&2; exit 2; }
for tool in Xvfb openbox; do
    command -v "$tool" >/dev/null || { echo "SKIP   : $tool is missing (make deps installs it)"; exit 0; }
done
if ! locale -a 2>/dev/null | grep -qix 'it_IT\.utf-\?8'; then
    echo "FAIL!  : the it_IT.UTF-8 locale is missing (make deps generates it)"
    exit 1
fi

displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.05; done
display=:$(head -n 1 "$displayfile")
rm -f "$displayfile"
if [ "$display" = ":" ]; then
    echo "FAIL!  : Xvfb did not start"
    kill "$xvfb" 2>/dev/null
    exit 1
fi
DISPLAY=$display openbox --sm-disable >/dev/null 2>&1 &
wm=$!
sleep 1 # openbox takes the screen

env -u LC_ALL -u LANGUAGE DISPLAY="$display" QT_QPA_PLATFORM=xcb LANG=it_IT.UTF-8 "$@"
rc=$?
kill "$wm" "$xvfb" 2>/dev/null
wait "$wm" "$xvfb" 2>/dev/null
exit "$rc"
