#!/usr/bin/env bash
# Screenshots of the three panels and pictures of the two printed documents,
# into docs/, on a desktop as a technician's (Xvfb with openbox, the Italian
# locale: tests/desktop.sh). Needs xvfb, openbox, imagemagick and poppler-utils.
set -euo pipefail
build=${1:-build}
cd "$(dirname "$0")/.."
cmake --build "$build" --target dravino_shots
export LC_ALL=it_IT.UTF-8 LANG=it_IT.UTF-8 2>/dev/null || true
# The workshop set for the pictures goes into settings of their own, new
# for each run, so that every language's pictures start alike; so does
# the archive the sheet is recorded in (its certificate numbered 1).
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
shots() {
    rm -rf "${config:?}"/*
    XDG_CONFIG_HOME=$config DRAVINO_ARCHIVE=$config/archivio.sqlite tests/desktop.sh "$build/dravino_shots" "$@"
}
DRAVINO_SCREEN=800x600x24 shots docs
DRAVINO_SCREEN=800x600x24 shots docs --lang en
DRAVINO_SCREEN=1280x1024x24 QT_SCALE_FACTOR=2 shots docs main-200.png
for doc in table sheet table-en sheet-en trace-page trace-page-en guided-report guided-report-en; do
    pdftoppm -png -r 60 -singlefile -gray "docs/$doc.pdf" "docs/$doc-bw"
    pdftoppm -png -r 60 -singlefile "docs/$doc.pdf" "docs/$doc"
    rm -f "docs/$doc.pdf"
done
# Every page of the calibration certificate.
for doc in certificate certificate-en; do
    rm -f docs/$doc-[0-9].png
    pdftoppm -png -r 60 "docs/$doc.pdf" "docs/$doc"
    rm -f "docs/$doc.pdf"
done
ls -l docs/*.png
# A picture that did not come out (a window shot before it was drawn) is
# a few hundred bytes: said, and the run fails.
if small=$(find docs -name '*.png' -size -2k) && [ -n "$small" ]; then
    echo "pictures that did not come out: $small" >&2
    exit 1
fi
