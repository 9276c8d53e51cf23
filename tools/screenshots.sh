#!/usr/bin/env bash
# Screenshots of the three panels and pictures of the two printed documents,
# into docs/. Needs xvfb, imagemagick and poppler-utils.
set -euo pipefail
build=${1:-build}
cd "$(dirname "$0")/.."
cmake --build "$build" --target dravino_shots
export LC_ALL=it_IT.UTF-8 LANG=it_IT.UTF-8 2>/dev/null || true
# The workshop set for the pictures goes into settings of their own.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 800x600x24 -dpi 96" "$build/dravino_shots" docs
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 800x600x24 -dpi 96" "$build/dravino_shots" docs --lang en
QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
    "$build/dravino_shots" docs main-200.png
for doc in table sheet table-en sheet-en; do
    pdftoppm -png -r 60 -singlefile -gray "docs/$doc.pdf" "docs/$doc-bw"
    pdftoppm -png -r 60 -singlefile "docs/$doc.pdf" "docs/$doc"
    rm -f "docs/$doc.pdf"
done
ls -l docs/*.png
