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

. scripts/screenshot-install.sh
start_sim
mkdir -p docs/screenshots
for pair in 3:de 1:sv; do
    index=${pair%%:*}
    code=${pair#*:}
    # "Load from Drive" on connect.
    write_settings "$index" 1
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
