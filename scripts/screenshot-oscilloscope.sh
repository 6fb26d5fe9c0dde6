#!/bin/sh
# Takes docs/screenshots/oscilloscope.png (and oscilloscope-150.png: 150 % scale on a 1366 x 768
# screen, QT_SCALE_FACTOR=1.5): the program under Xvfb with the simulated drive connected
# over Modbus TCP at start (--connect) and its parameters read, pictured once the window has settled
# (TARVOLINK_SCREENSHOT). The program talks Modbus TCP on port 502 only, so the simulator needs root
# to serve it on a loopback address.
set -e
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
ADDRESS=${TARVOLINK_SIM_ADDRESS:-127.0.0.62}
OUT=${1:-docs/screenshots/oscilloscope.png}
cmake -S . -B "$BUILD_DIR" >/dev/null
cmake --build "$BUILD_DIR" -j2 --target tarvolink tarvolink-sim >/dev/null

. scripts/screenshot-install.sh
# No reading of parameters on connect.
write_settings 0 0
start_sim
mkdir -p "$(dirname "$OUT")"
DIR="$(cd "$(dirname "$OUT")" && pwd)"
BASE="$(basename "$OUT" .png)"
TARVOLINK_SCREENSHOT_SCENE=oscilloscope TARVOLINK_SCREENSHOT="$DIR/$BASE.png" \
    xvfb-run -a -s "-screen 0 2048x1400x24" "$INSTALL/tarvolink" --connect "tcp:$ADDRESS" 2>&1 | grep "^tarvolink:" || true
echo "$OUT"
TARVOLINK_SCREENSHOT_SCENE=oscilloscope TARVOLINK_SCREENSHOT="$DIR/$BASE-150.png" QT_SCALE_FACTOR=1.5 \
    xvfb-run -a -s "-screen 0 1366x768x24" "$INSTALL/tarvolink" --connect "tcp:$ADDRESS" 2>&1 | grep "^tarvolink:" || true
echo "$DIR/$BASE-150.png"
