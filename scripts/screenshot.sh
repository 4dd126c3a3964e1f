#!/bin/sh
# Pictures of the program for reviewing its look, taken on a private Xvfb
# display with the program running offline on its default parameter set.
#   scripts/screenshot.sh [output.png] [seconds to wait]
#       the whole screen a few seconds after the program started
#   scripts/screenshot.sh --pages <output folder> <scene number>...
#       the main window on each given page (page-<scene>.png), e.g. 20 23 36
#   scripts/screenshot.sh --monitoring <output folder>
#       every monitoring and network tab with a fixed monitor record
# SCREEN_SIZE sets the display's size (default 1920x1080x24).
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
# The first display number from 97 on that no other X server holds.
DISPLAY_NO=${DISPLAY_NO:-97}
while [ -e "/tmp/.X$DISPLAY_NO-lock" ]; do DISPLAY_NO=$((DISPLAY_NO + 1)); done
Xvfb ":$DISPLAY_NO" -screen 0 "${SCREEN_SIZE:-1920x1080x24}" -nolisten tcp >/dev/null 2>&1 &
XVFB=$!
# A runtime folder of its own, so that the program's single-instance lock
# does not meet a copy that the user runs.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'kill $XVFB 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT
sleep 1
export DISPLAY=":$DISPLAY_NO"

if [ "${1:-}" = "--pages" ]; then
    shift
    OUT_DIR=${1:?output folder}
    shift
    mkdir -p "$OUT_DIR"
    "$BUILD_DIR/bin/obx-pageshots" "$OUT_DIR" "$@" 2>/dev/null
    exit 0
fi

if [ "${1:-}" = "--monitoring" ]; then
    OUT_DIR=${2:?output folder}
    mkdir -p "$OUT_DIR"
    "$BUILD_DIR/bin/obx-pageshots" "$OUT_DIR" monitoring 2>/dev/null
    exit 0
fi

OUT=${1:-$BUILD_DIR/screenshot.png}
WAIT=${2:-4}
"$BUILD_DIR/bin/obxsetting" >/dev/null 2>&1 &
APP=$!
sleep "$WAIT"
"$BUILD_DIR/bin/obx-screenshot" "$OUT"
kill $APP 2>/dev/null || true
wait $APP 2>/dev/null || true
echo "$OUT"
