#!/bin/sh
# Takes docs/screenshots/main-window.png (and main-window-150.png: 150 % scale on a 1366 x 768
# screen, QT_SCALE_FACTOR=1.5): the program under Xvfb with the simulated drive connected
# over Modbus TCP at start (--connect) and its parameters read, pictured once the window has settled
# (TARVOLINK_SCREENSHOT). The program talks Modbus TCP on port 502 only, so the simulator needs root
# to serve it on a loopback address.
set -e
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
ADDRESS=${TARVOLINK_SIM_ADDRESS:-127.0.0.61}
OUT=${1:-docs/screenshots/main-window.png}
cmake -S . -B "$BUILD_DIR" >/dev/null
cmake --build "$BUILD_DIR" -j2 --target tarvolink tarvolink-sim >/dev/null

# A private installation beside a copy of the program, so its settings file is ours to write.
INSTALL=$(mktemp -d)
SIM=
cleanup() {
    [ -n "$SIM" ] && kill "$SIM" 2>/dev/null && wait "$SIM" 2>/dev/null
    rm -rf "$INSTALL"
}
trap cleanup EXIT INT TERM
cp "$BUILD_DIR/bin/tarvolink" "$INSTALL/"
cp -r "$BUILD_DIR/bin/configData" "$BUILD_DIR/bin/csv_file" "$INSTALL/"
# "Load from Drive" on connect, no automatic scan, nothing saved at exit, the shortest message delay.
cat > "$INSTALL/configData/settings.set" <<'SET'
[Language];0;
[COMMUNICATION SETTINGS START];ContinueDespiteCOMFault;Delay between Msgs;isRetriesChecked;NumOfRetries;
1;35;1;2;
[PREFERENCES SETTINGS START];AutoImportActive;ImportActive;AutoScanActive;AutoSave;ExportOnlyChanged;
1;1;0;0;0;
SET

"$BUILD_DIR/bin/tarvolink-sim" --data "$INSTALL" --tcp "$ADDRESS" --size 1 >/dev/null 2>&1 &
SIM=$!
sleep 1
mkdir -p "$(dirname "$OUT")"
DIR="$(cd "$(dirname "$OUT")" && pwd)"
BASE="$(basename "$OUT" .png)"
TARVOLINK_SCREENSHOT="$DIR/$BASE.png" \
    xvfb-run -a -s "-screen 0 1280x800x24" "$INSTALL/tarvolink" --connect "tcp:$ADDRESS" 2>&1 | grep "^tarvolink:" || true
echo "$OUT"
TARVOLINK_SCREENSHOT="$DIR/$BASE-150.png" QT_SCALE_FACTOR=1.5 \
    xvfb-run -a -s "-screen 0 1366x768x24" "$INSTALL/tarvolink" --connect "tcp:$ADDRESS" 2>&1 | grep "^tarvolink:" || true
echo "$DIR/$BASE-150.png"
