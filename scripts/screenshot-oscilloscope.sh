#!/bin/sh
# Takes docs/screenshots/oscilloscope.png: the program under Xvfb with the simulated drive connected
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
TARVOLINK_SCREENSHOT_SCENE=oscilloscope TARVOLINK_SCREENSHOT="$(cd "$(dirname "$OUT")" && pwd)/$(basename "$OUT")" \
    xvfb-run -a -s "-screen 0 2048x1400x24" "$INSTALL/tarvolink" --connect "tcp:$ADDRESS" 2>&1 | grep "^tarvolink:" || true
echo "$OUT"
