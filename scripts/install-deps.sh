#!/bin/sh
# Installs the Debian packages needed to build, run and test the program,
# skipping those already installed.
set -eu
PACKAGES="build-essential cmake python3 qtbase5-dev qttools5-dev qttools5-dev-tools
libqt5opengl5-dev libcurl4-openssl-dev xvfb xauth libgl1-mesa-dri python3-pyftpdlib
fonts-noto-core fonts-noto-cjk libbenchmark-dev clang libclang-rt-14-dev libx11-dev
poppler-utils"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
if [ -n "$missing" ]; then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    echo "Installing:$missing"
    $SUDO apt-get update -q
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
fi
