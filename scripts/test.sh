#!/bin/sh
# Installs what is missing, builds, and runs every test, then every test
# again under the sanitizers (and a short fuzz run).
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
"$ROOT/scripts/install-deps.sh"
BUILD_DIR=$BUILD_DIR "$ROOT/scripts/build.sh"
cd "$BUILD_DIR"
ctest --output-on-failure -j "$(nproc)"
# The same tests again under AddressSanitizer and UBSan, in build-asan.
"$ROOT/scripts/sanitize-test.sh"
if [ -x "$ROOT/scripts/fuzz.sh" ]; then
    "$ROOT/scripts/fuzz.sh"
fi
