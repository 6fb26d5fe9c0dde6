#!/bin/sh
# Takes docs/screenshots/main-window-de.png and main-window-sv.png: the program under Xvfb in
# Deutsch and in Svenska (language stored in the settings file), with the simulated drive
# connected over Modbus TCP and its parameters read. Port 502 on loopback needs root.
set -e
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
ADDRESS=${TARVOLINK_SIM_ADDRESS:-127.0.0.62}
cmake -S . -B "$BUILD_DIR" >/dev/null
cmake --build "$BUILD_DIR" -j2 --target tarvolink tarvolink-sim tarvolink_translations >/dev/null

INSTALL=$(mktemp -d)
SIM=
cleanup() {
    [ -n "$SIM" ] && kill "$SIM" 2>/dev/null && wait "$SIM" 2>/dev/null
    rm -rf "$INSTALL"
}
trap cleanup EXIT INT TERM
cp "$BUILD_DIR/bin/tarvolink" "$INSTALL/"
cp -r "$BUILD_DIR/bin/configData" "$BUILD_DIR/bin/csv_file" "$INSTALL/"
"$BUILD_DIR/bin/tarvolink-sim" --data "$INSTALL" --tcp "$ADDRESS" --size 1 >/dev/null 2>&1 &
SIM=$!
sleep 1
mkdir -p docs/screenshots
for pair in 3:de 1:sv; do
    index=${pair%%:*}
    code=${pair#*:}
    # "Load from Drive" on connect, no automatic scan, nothing saved at exit.
    cat > "$INSTALL/configData/settings.set" <<SET
[Language];$index;
[COMMUNICATION SETTINGS START];ContinueDespiteCOMFault;Delay between Msgs;isRetriesChecked;NumOfRetries;
1;35;1;2;
[PREFERENCES SETTINGS START];AutoImportActive;ImportActive;AutoScanActive;AutoSave;ExportOnlyChanged;
1;1;0;0;0;
SET
    OUT="$(pwd)/docs/screenshots/main-window-$code.png"
    TARVOLINK_SCREENSHOT="$OUT" xvfb-run -a -s "-screen 0 1280x800x24" "$INSTALL/tarvolink" \
        --connect "tcp:$ADDRESS" 2>&1 | grep "^tarvolink:" || true
    echo "$OUT"
done
