#!/bin/sh
# Takes docs/screenshots/alert-list.png and alert-list-1.5.png on a 1366x768 screen: the simulated drive
# connected over Modbus TCP, tripped at once, then silent after a number of requests while the
# status cycle goes on asking, so the alert list shows the trip and the folded silence; the
# picture is taken on the alert list. The program talks Modbus TCP on port 502 only, so the
# simulator needs root to serve it on a loopback address.
set -e
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
ADDRESS=${TARVOLINK_SIM_ADDRESS:-127.0.0.67}
OUT_DIR=${1:-docs/screenshots}
cmake -S . -B "$BUILD_DIR" >/dev/null
cmake --build "$BUILD_DIR" -j2 --target tarvolink tarvolink-sim >/dev/null

. scripts/screenshot-install.sh
mkdir -p "$OUT_DIR"
OUT_DIR=$(cd "$OUT_DIR" && pwd)
write_settings 0 0
for scale in 1 1.5; do
    start_sim --trip-after 0 --silent-after 120
    suffix=$([ "$scale" = 1 ] && echo "" || echo "-$scale")
    env TARVOLINK_SCREENSHOT_WAIT=14000 TARVOLINK_SCREENSHOT_TAB=2 TARVOLINK_SCREENSHOT_FINAL_TAB=4 \
        TARVOLINK_SCREENSHOT="$OUT_DIR/alert-list$suffix.png" QT_SCALE_FACTOR=$scale \
        xvfb-run -a -s "-screen 0 1366x768x24" "$INSTALL/tarvolink" --connect "tcp:$ADDRESS" 2>&1 | grep "^tarvolink:" || true
    kill "$SIM" 2>/dev/null && wait "$SIM" 2>/dev/null || true
    SIM=
    echo "$OUT_DIR/alert-list$suffix.png"
done
