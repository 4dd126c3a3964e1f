#!/bin/sh
# PNG pictures of the PDF safety report of a parameter set, for reviewing
# its look: the first two pages and the plan view (the page with the "+X"
# axis label), in English and Japanese, exported by the command line on a
# private Xvfb display.
#   scripts/reportshots.sh <output folder> [parameter file]
# writes report-<lang>.pdf and report-<lang>-<page>.png into the folder.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
OUT_DIR=${1:?output folder}
SET=$(realpath "${2:-$ROOT/config/parameter/default.txt}")
mkdir -p "$OUT_DIR"
OUT_DIR=$(realpath "$OUT_DIR")
DISPLAY_NO=${DISPLAY_NO:-97}
while [ -e "/tmp/.X$DISPLAY_NO-lock" ]; do DISPLAY_NO=$((DISPLAY_NO + 1)); done
Xvfb ":$DISPLAY_NO" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
XVFB=$!
# The language is the user's choice, kept in a configuration folder of its own.
CONFIG=$(mktemp -d)
trap 'kill $XVFB 2>/dev/null || true; rm -rf "$CONFIG"' EXIT
sleep 1
for lang in en ja; do
    mkdir -p "$CONFIG/$lang/Velmora"
    printf '[General]\nLanguage=%s\n' "$lang" >"$CONFIG/$lang/Velmora/OBXZodedevIziz.conf"
    pdf="$OUT_DIR/report-$lang.pdf"
    DISPLAY=":$DISPLAY_NO" XDG_CONFIG_HOME="$CONFIG/$lang" XDG_RUNTIME_DIR="$CONFIG" \
        "$BUILD_DIR/bin/obxsetting" --export-report "$SET" "$pdf" 2>/dev/null
    pages=$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')
    pdftoppm -r 80 -png -f 1 -l 2 "$pdf" "$OUT_DIR/report-$lang"
    # The plan precedes the closing list of values outside their limits.
    page=1
    while [ "$page" -le "$pages" ]; do
        if pdftotext -f "$page" -l "$page" "$pdf" - | grep -q '^+X$'; then
            pdftoppm -r 80 -png -f "$page" -l "$page" "$pdf" "$OUT_DIR/report-$lang"
            break
        fi
        page=$((page + 1))
    done
done
