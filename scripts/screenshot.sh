#!/bin/sh
# Starts the program on a private Xvfb display and saves a screenshot.
#   scripts/screenshot.sh [output.png] [seconds to wait] [program arguments...]
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
OUT=${1:-$ROOT/build/screenshot.png}
WAIT=${2:-4}
[ $# -gt 0 ] && shift
[ $# -gt 0 ] && shift
DISPLAY_NO=${DISPLAY_NO:-97}
Xvfb ":$DISPLAY_NO" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
XVFB=$!
trap 'kill $XVFB 2>/dev/null || true' EXIT
sleep 1
DISPLAY=":$DISPLAY_NO" "$BUILD_DIR/bin/obxsetting" "$@" >/dev/null 2>&1 &
APP=$!
sleep "$WAIT"
DISPLAY=":$DISPLAY_NO" "$BUILD_DIR/bin/obx-screenshot" "$OUT"
kill $APP 2>/dev/null || true
wait $APP 2>/dev/null || true
echo "$OUT"
