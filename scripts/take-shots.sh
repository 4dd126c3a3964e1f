#!/bin/sh
# Pictures of everything a user sees of the window, for comparing the look
# before and after a change that must not alter it:
#   scripts/take-shots.sh <output folder>
#   scripts/compare-shots.py <folder before> <folder after>
# The folder gets the window on every page (page-<scene>.png), every
# monitoring and network tab (tab-*.png) and the screen a few seconds after
# an ordinary start (startup.png), all taken by scripts/screenshot.sh; the
# subfolder 1280x800 holds the pages and the start on a screen smaller than
# the window would like. Each page is taken the first time it shows after
# the start, and again (subfolder again) after the page taken before it
# showed in between, so that the function menu has the same groups open
# both times; the script ends by naming every page whose first showing
# differs (scripts/compare-shots.py --again <output folder>).
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
OUT_DIR=${1:?output folder}
mkdir -p "$OUT_DIR"
# The pages of the function menu; 3 to 17 are the monitoring dialog's tabs,
# and the safety report (19) asks for a file.
PAGES="0 1 2 18 $(seq 20 36)"
# shellcheck disable=SC2086
AGAIN=$(set -- $PAGES; before=$2; for page; do
    printf '%s +%s %s ' "$page" "$before" "$page"
    before=$page
done)
for SIZE in 1920x1080x24 1280x800x24; do
    DIR=$OUT_DIR
    [ "$SIZE" = 1920x1080x24 ] || DIR=$OUT_DIR/${SIZE%x24}
    # shellcheck disable=SC2086
    SCREEN_SIZE=$SIZE "$ROOT/scripts/screenshot.sh" --pages "$DIR" $PAGES
    # A page's second picture replaces its first.
    # shellcheck disable=SC2086
    SCREEN_SIZE=$SIZE "$ROOT/scripts/screenshot.sh" --pages "$DIR/again" $AGAIN
    SCREEN_SIZE=$SIZE "$ROOT/scripts/screenshot.sh" "$DIR/startup.png" 6 >/dev/null
done
"$ROOT/scripts/screenshot.sh" --monitoring "$OUT_DIR"
find "$OUT_DIR" -name '*.png' | wc -l
"$ROOT/scripts/compare-shots.py" --again "$OUT_DIR"
