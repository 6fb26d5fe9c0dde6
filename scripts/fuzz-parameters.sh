#!/bin/sh
# Fuzzes what reads parameter data and settings from outside with libFuzzer (clang, ASan + UBSan),
# FUZZ_SECONDS seconds (default 20) per target. Build in ./build-fuzz.
#   fuzz_parameters  the parameter table of a device description file (and the .dat readers on it)
#   fuzz_datfile     a parameter set file against the test device description file
#   fuzz_settings    the settings file
# FUZZ_TARGETS picks targets (default all three); further arguments go to every fuzzer.
# Seeds are the shipped device description files and the tests' .dat and settings files; inputs
# may be as long as the longest seed and more, so whole files are tried.
# Any crash, sanitizer report or hang (> 10 s for one input) makes the script fail.
set -e
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-fuzz}
SECONDS_TO_RUN=${FUZZ_SECONDS:-20}
TARGETS=${FUZZ_TARGETS:-fuzz_parameters fuzz_datfile fuzz_settings}
CC=clang CXX=clang++ cmake -S . -B "$BUILD_DIR" -DTARVOLINK_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
for target in $TARGETS; do
    cmake --build "$BUILD_DIR" -j2 --target "$target"
done

# seed CORPUS PREFIX FILE...: copies each file into the corpus behind PREFIX (octal escapes).
seed() {
    corpus=$1
    prefix=$2
    shift 2
    for f in "$@"; do
        [ -f "$f" ] || continue
        { printf "$prefix"; cat "$f"; } > "$corpus/seed-$(basename "$f")-$(printf '%s' "$prefix" | tr -dc 0-9)"
    done
}
DEVICE_FILES=$(ls data/csv_file/*.csv tests/parameters/data/*.csv tests/tools/cli/data/*.csv 2>/dev/null)
DAT_FILES=$(find tests -name '*.dat' | sort)
SETTINGS_FILES=$(find tests -name '*.set' | sort)
LONGEST=$(for f in $DEVICE_FILES $DAT_FILES $SETTINGS_FILES; do wc -c < "$f"; done | sort -n | tail -1)
MAX_LEN=$((LONGEST * 2 + 1024))

for target in $TARGETS; do
    CORPUS="$BUILD_DIR/corpus-$target"
    mkdir -p "$CORPUS"
    case $target in
    fuzz_parameters)
        # The first byte chooses language, codec and empty values: English/Windows-1252 and
        # Deutsch/UTF-8 of every device description file, the .dat files through the same target.
        seed "$CORPUS" '\000' $DEVICE_FILES $DAT_FILES
        seed "$CORPUS" '\043' $DEVICE_FILES
        ;;
    fuzz_datfile) seed "$CORPUS" '' $DAT_FILES ;;
    fuzz_settings) seed "$CORPUS" '' $SETTINGS_FILES ;;
    *) echo "unknown fuzz target $target"; exit 2 ;;
    esac
    echo "== $target: $(ls "$CORPUS" | wc -l) inputs, max_len $MAX_LEN"
    "$BUILD_DIR/bin/$target" "$CORPUS" -max_total_time="$SECONDS_TO_RUN" -timeout=10 \
        -rss_limit_mb=2048 -max_len="$MAX_LEN" -print_final_stats=1 "$@"
done
