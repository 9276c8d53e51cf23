#!/usr/bin/env bash
# Runs one test program as on a technician's desktop: a real X server with a
# window manager (Xvfb and openbox, each on a display of its own) and the
# Italian locale, so that message boxes hand the focus back and the C
# library reads numbers with a comma. Without them it exits 77 (skipped),
# except under CI, where they must be there. DRAVINO_SCREEN sets the
# screen's size (1280x1024x24 by default).
set -u
[ "$#" -ge 1 ] || { echo "usage: $0 PROGRAM [ARGS...]" >&2; exit 2; }
cannot_run() {
    if [ "${CI:-}" = true ]; then
        echo "FAIL!  : required under CI: $1"
        exit 1
    fi
    echo "SKIP   : $1"
    exit 77
}
for tool in Xvfb openbox; do
    command -v "$tool" >/dev/null || cannot_run "$tool is missing (make deps installs it)"
done
locale -a 2>/dev/null | grep -qix 'it_IT\.utf-\?8' || cannot_run "the it_IT.UTF-8 locale is missing (make deps generates it)"

# Whatever ends this script (the test's end, a signal, CTest's time limit
# killing it outright), the X server and the window manager end with it.
xvfb= wm=
cleanup() {
    [ -n "$wm$xvfb" ] && kill $wm $xvfb 2>/dev/null
    wait $wm $xvfb 2>/dev/null
}
trap cleanup EXIT
trap 'exit 143' TERM INT HUP

displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 "${DRAVINO_SCREEN:-1280x1024x24}" -nolisten tcp 3>"$displayfile" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.05; done
display=:$(head -n 1 "$displayfile")
rm -f "$displayfile"
if [ "$display" = ":" ]; then
    echo "FAIL!  : Xvfb did not start"
    exit 1
fi
# openbox runs its start-up command once it manages the screen.
ready=$(mktemp -u)
DISPLAY=$display openbox --sm-disable --startup "touch $ready" >/dev/null 2>&1 &
wm=$!
for _ in $(seq 200); do [ -e "$ready" ] && break; sleep 0.05; done
if [ ! -e "$ready" ]; then
    echo "FAIL!  : openbox did not take the screen"
    exit 1
fi
rm -f "$ready"
# A SIGKILL runs no trap: a watcher ends them a second after this script.
script=$$
( while kill -0 "$script" 2>/dev/null; do sleep 1; done; kill $wm $xvfb 2>/dev/null ) >/dev/null 2>&1 &

env -u LC_ALL -u LANGUAGE DISPLAY="$display" QT_QPA_PLATFORM=xcb LANG=it_IT.UTF-8 "$@"
rc=$?
exit "$rc"
