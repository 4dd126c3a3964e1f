#!/bin/sh
# Installs what is missing, builds, and runs every test (and a short fuzz run).
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
"$ROOT/scripts/install-deps.sh"
BUILD_DIR=$BUILD_DIR "$ROOT/scripts/build.sh"
cd "$BUILD_DIR"
ctest --output-on-failure -j "$(nproc)"
if [ -x "$ROOT/scripts/fuzz.sh" ]; then
    "$ROOT/scripts/fuzz.sh"
fi
