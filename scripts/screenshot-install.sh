# Sourced by the screenshot scripts: a private installation beside a copy of the program, so its
# settings file is ours to write, and the simulated drive it connects to; both go at exit.
# Needs BUILD_DIR and ADDRESS set.
INSTALL=$(mktemp -d)
SIM=
cleanup() {
    [ -n "$SIM" ] && kill "$SIM" 2>/dev/null && wait "$SIM" 2>/dev/null
    rm -rf "$INSTALL"
}
trap cleanup EXIT INT TERM
cp "$BUILD_DIR/bin/tarvolink" "$INSTALL/"
cp -r "$BUILD_DIR/bin/configData" "$BUILD_DIR/bin/csv_file" "$INSTALL/"

# write_settings LANGUAGE IMPORT: the settings file with the language index and whether the
# parameters are read at connect; never a scan, nothing saved at exit, the shortest delay.
write_settings() {
    cat > "$INSTALL/configData/settings.set" <<SET
[Language];$1;
[COMMUNICATION SETTINGS START];ContinueDespiteCOMFault;Delay between Msgs;isRetriesChecked;NumOfRetries;
1;35;1;2;
[PREFERENCES SETTINGS START];AutoImportActive;ImportActive;AutoScanActive;AutoSave;ExportOnlyChanged;
$2;$2;0;0;0;
SET
}

# start_sim [SIMULATOR OPTIONS]: serves the first size of the shipped drive on ADDRESS; stops the
# script when the address cannot be served (another simulator has it).
start_sim() {
    "$BUILD_DIR/bin/tarvolink-sim" --data "$INSTALL" --tcp "$ADDRESS" --size 1 "$@" >/dev/null 2>&1 &
    SIM=$!
    sleep 1
    kill -0 "$SIM" 2>/dev/null || { echo "tarvolink-sim could not serve $ADDRESS" >&2; exit 1; }
}
