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
# No reading of parameters on connect, no automatic scan, nothing saved at exit.
cat > "$INSTALL/configData/settings.set" <<'SET'
[Language];0;
[COMMUNICATION SETTINGS START];ContinueDespiteCOMFault;Delay between Msgs;isRetriesChecked;NumOfRetries;
1;35;1;2;
[PREFERENCES SETTINGS START];AutoImportActive;ImportActive;AutoScanActive;AutoSave;ExportOnlyChanged;
0;0;0;0;0;
SET

"$BUILD_DIR/bin/tarvolink-sim" --data "$INSTALL" --tcp "$ADDRESS" --size 1 >/dev/null 2>&1 &
SIM=$!
sleep 1
mkdir -p "$(dirname "$OUT")"
TARVOLINK_SCREENSHOT_SCENE=oscilloscope TARVOLINK_SCREENSHOT="$(cd "$(dirname "$OUT")" && pwd)/$(basename "$OUT")" \
    xvfb-run -a -s "-screen 0 2048x1400x24" "$INSTALL/tarvolink" --connect "tcp:$ADDRESS" 2>&1 | grep "^tarvolink:" || true
echo "$OUT"
