#!/bin/sh
# Takes docs/screenshots/link-monitor.png and link-monitor-150.png: the program under Xvfb on a
# 1366x768 screen with the Link Monitor open from the start, the simulated drive connected over
# Modbus TCP and an oscilloscope recording running; the simulator is frozen for a moment during
# it, so time-outs and resends show beside the exchanges that went through. Once at 100 % and
# once with QT_SCALE_FACTOR=1.5. The program talks Modbus TCP on port 502 only, so the simulator
# needs root to serve it on a loopback address.
set -e
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
ADDRESS=${TARVOLINK_SIM_ADDRESS:-127.0.0.67}
OUT_DIR=${1:-docs/screenshots}
cmake -S . -B "$BUILD_DIR" >/dev/null
cmake --build "$BUILD_DIR" -j2 --target tarvolink tarvolink-sim >/dev/null

. scripts/screenshot-install.sh
write_settings 0 0
start_sim
mkdir -p "$OUT_DIR"
OUT_DIR=$(cd "$OUT_DIR" && pwd)
for scale in 1 1.5; do
    NAME=link-monitor$([ "$scale" = 1 ] || echo "-150").png
    env TARVOLINK_SCREENSHOT_SCENE=linkmonitor TARVOLINK_SCREENSHOT_WAIT=7000 TARVOLINK_SCREENSHOT="$OUT_DIR/$NAME" \
        QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 1366x768x24" "$INSTALL/tarvolink" --connect "tcp:$ADDRESS" \
        2>&1 | grep "^tarvolink:" &
    APP=$!
    # Linked and recording after about three seconds: the drive then falls silent for a moment.
    sleep 5
    kill -STOP "$SIM"
    sleep 1.5
    kill -CONT "$SIM"
    wait "$APP" || true
    echo "$OUT_DIR/$NAME"
done
