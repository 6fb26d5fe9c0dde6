#!/bin/sh
# Fuzzes the readers of outside files with libFuzzer (clang, ASan + UBSan), FUZZ_SECONDS seconds
# (default 20) per target. Build in ./build-fuzz.
#   fuzz_parameters  the parameter table of a device description file (and the .dat readers on it)
#   fuzz_datfile     a parameter set file against the test device description file
#   fuzz_settings    the settings file
#   fuzz_recfile     a recording file
# FUZZ_TARGETS picks targets (default all four); further arguments go to every fuzzer.
# Seeds are the shipped device description files and the tests' .dat and settings files; inputs
# may be as long as the longest seed and more, so whole files are tried.
# Any crash, sanitizer report or hang (> 10 s for one input) makes the script fail.
set -e
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-fuzz}
SECONDS_TO_RUN=${FUZZ_SECONDS:-20}
TARGETS=${FUZZ_TARGETS:-fuzz_parameters fuzz_datfile fuzz_settings fuzz_recfile}
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
    fuzz_recfile)
        # Seeds: a two-unit recording in UTF-8 and one in Windows-1252, device files found.
        { printf '\001'; printf '3/1/2026\n1;KTZ;KTZ23 (1);V1.10;KTZV1.10.csv;\n2;RVN;RVN (2);V2.05;RVNV2.05.csv;\nTime ;Unit 1;Speed;Bits;Trip;\nTime ;Unit 2;T \302\260C;\n11:59:59 PM,750;1;-12,5;-----HL---------;F:3;\n12:00:00 AM,000;1;1,23457e+06;----------------;F:0;\n12:00:00 AM,010;2;0;\n[COMMENT]\nW\303\244rme\n'; } > "$CORPUS/seed-utf8.rec"
        { printf '\001'; printf '3/1/2026\n1;KTZ;KTZ23 (1);V1.10;KTZV1.10.csv;\nTime ;Unit 1;T \260C;\n01:02:03 PM,004;1;5;\n[COMMENT]\nK\374hler\n'; } > "$CORPUS/seed-1252.rec"
        ;;
    *) echo "unknown fuzz target $target"; exit 2 ;;
    esac
    echo "== $target: $(ls "$CORPUS" | wc -l) inputs, max_len $MAX_LEN"
    "$BUILD_DIR/bin/$target" "$CORPUS" -max_total_time="$SECONDS_TO_RUN" -timeout=10 \
        -rss_limit_mb=2048 -max_len="$MAX_LEN" -print_final_stats=1 "$@"
done
