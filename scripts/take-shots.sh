#!/bin/sh
# Pictures of everything a user sees of the window, for comparing the look
# before and after a change that must not alter it:
#   scripts/take-shots.sh <output folder>
#   scripts/compare-shots.py <folder before> <folder after>
# The folder gets the window on every page (page-<scene>.png), every
# monitoring and network tab (tab-*.png) and the screen a few seconds after
# an ordinary start (startup.png), all taken by scripts/screenshot.sh; the
# subfolder 1280x800 holds the pages and the start on a screen smaller than
# the window would like.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
OUT_DIR=${1:?output folder}
mkdir -p "$OUT_DIR"
# The pages of the function menu; 3 to 17 are the monitoring dialog's tabs,
# and the safety report (19) asks for a file.
"$ROOT/scripts/screenshot.sh" --pages "$OUT_DIR" 0 1 2 18 $(seq 20 36)
"$ROOT/scripts/screenshot.sh" --monitoring "$OUT_DIR"
"$ROOT/scripts/screenshot.sh" "$OUT_DIR/startup.png" 6 >/dev/null
SCREEN_SIZE=1280x800x24 "$ROOT/scripts/screenshot.sh" --pages "$OUT_DIR/1280x800" 0 1 2 18 $(seq 20 36)
SCREEN_SIZE=1280x800x24 "$ROOT/scripts/screenshot.sh" "$OUT_DIR/1280x800/startup.png" 6 >/dev/null
find "$OUT_DIR" -name '*.png' | wc -l
