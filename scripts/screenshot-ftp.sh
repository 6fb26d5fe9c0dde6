#!/bin/sh
# Takes docs/screenshots/ftp-window.png: the device file download window listing the test FTP
# server (pyftpdlib on loopback), pictured by the window test under Xvfb.
set -e
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
OUT=${1:-docs/screenshots/ftp-window.png}
cmake -S . -B "$BUILD_DIR" >/dev/null
cmake --build "$BUILD_DIR" -j2 --target tst_ftpwindow >/dev/null
mkdir -p "$(dirname "$OUT")"
TARVOLINK_FTP_SCREENSHOT="$(cd "$(dirname "$OUT")" && pwd)/$(basename "$OUT")" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1280x800x24" "$BUILD_DIR/bin/tst_ftpwindow" connectListsAndNavigates >/dev/null
echo "$OUT"
