#!/bin/sh
# Takes docs/screenshots/status-view.png and fault-logger.png (the alert list: screenshot-alerts.sh): the program under Xvfb with the
# simulated drive connected over Modbus TCP at start, the drive tripped once and then run forward
# from the command line through "COM", so the status values, the trip log with its fault text and
# the control panel beside them all show something. SCALE (e.g. 1.5) sets QT_SCALE_FACTOR and
# adds "-SCALE" to the file names. The program talks Modbus TCP on port 502 only, so the
# simulator needs root to serve it on a loopback address.
set -e
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
ADDRESS=${TARVOLINK_SIM_ADDRESS:-127.0.0.66}
OUT_DIR=${1:-docs/screenshots}
SCALE=${SCALE:-}
cmake -S . -B "$BUILD_DIR" >/dev/null
cmake --build "$BUILD_DIR" -j2 --target tarvolink tarvolink-sim tarvolink-cli >/dev/null

. scripts/screenshot-install.sh
# Nothing read at connect: the cycles of the shown tab read what it needs.
write_settings 0 0
start_sim --trip-after 0
CLI="$BUILD_DIR/bin/tarvolink-cli"
for action in "--run-source COM" "--ref-source COM" "--ref 80" "--forward"; do
    # shellcheck disable=SC2086
    "$CLI" control --data "$INSTALL" --tcp "$ADDRESS" $action >/dev/null
done
sleep 2
mkdir -p "$OUT_DIR"
OUT_DIR=$(cd "$OUT_DIR" && pwd)
SUFFIX=${SCALE:+-$SCALE}
for shot in "2 status-view" "3 fault-logger"; do
    set -- $shot
    env TARVOLINK_SCREENSHOT_WAIT=9000 TARVOLINK_SCREENSHOT_TAB=$1 TARVOLINK_SCREENSHOT="$OUT_DIR/$2$SUFFIX.png" ${SCALE:+QT_SCALE_FACTOR=$SCALE} \
        xvfb-run -a -s "-screen 0 1920x1200x24" "$INSTALL/tarvolink" --connect "tcp:$ADDRESS" 2>&1 | grep "^tarvolink:" || true
    echo "$OUT_DIR/$2$SUFFIX.png"
done
