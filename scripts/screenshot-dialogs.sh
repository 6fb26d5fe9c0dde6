#!/bin/sh
# Takes docs/screenshots/compare.png and conditional-trigger.png, each at 100 % on a 1280 x 800
# screen and at 150 % on a 1366 x 768 screen (-150.png): the program under Xvfb with the
# simulated drive connected over Modbus TCP, the dialog opened (TARVOLINK_SCREENSHOT_SCENE) and
# the whole screen pictured, so a dialog larger than the screen shows. Port 502 needs root.
set -e
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
ADDRESS=${TARVOLINK_SIM_ADDRESS:-127.0.0.63}
cmake -S . -B "$BUILD_DIR" >/dev/null
cmake --build "$BUILD_DIR" -j2 --target tarvolink tarvolink-sim >/dev/null

. scripts/screenshot-install.sh
write_settings 0 0
start_sim
mkdir -p docs/screenshots
DIR="$(pwd)/docs/screenshots"
for scene in compare:compare trigger:conditional-trigger; do
    name=${scene#*:}
    TARVOLINK_SCREENSHOT="$DIR/$name.png" TARVOLINK_SCREENSHOT_SCENE=${scene%%:*} \
        xvfb-run -a -s "-screen 0 1280x800x24" "$INSTALL/tarvolink" --connect "tcp:$ADDRESS" 2>&1 | grep "^tarvolink:" || true
    TARVOLINK_SCREENSHOT="$DIR/$name-150.png" TARVOLINK_SCREENSHOT_SCENE=${scene%%:*} QT_SCALE_FACTOR=1.5 \
        xvfb-run -a -s "-screen 0 1366x768x24" "$INSTALL/tarvolink" --connect "tcp:$ADDRESS" 2>&1 | grep "^tarvolink:" || true
    echo "$DIR/$name.png $DIR/$name-150.png"
done
