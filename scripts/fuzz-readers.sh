#!/bin/sh
# Fuzzes the readers of outside files with libFuzzer (clang, ASan + UBSan), FUZZ_SECONDS seconds
# each (default 20): the parameter table loader and the parameter set file readers, then the
# recording file reader. Build in ./build-fuzz. FUZZ_TARGETS picks targets ("parameters recfile").
# Any crash, sanitizer report or hang (> 10 s for one input) makes the script fail.
set -e
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-fuzz}
SECONDS_TO_RUN=${FUZZ_SECONDS:-20}
TARGETS=${FUZZ_TARGETS:-parameters recfile}
CC=clang CXX=clang++ cmake -S . -B "$BUILD_DIR" -DTARVOLINK_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
for target in $TARGETS; do
    cmake --build "$BUILD_DIR" -j2 --target "fuzz_$target"
    CORPUS="$BUILD_DIR/corpus-$target"
    mkdir -p "$CORPUS"
    case $target in
    parameters)
        # Seeds: the test fixture and the golden parameter set file, each behind a flags byte.
        for f in tests/parameters/data/*; do
            name=$(basename "$f")
            { printf '\000'; cat "$f"; } > "$CORPUS/seed-$name"
            { printf '\043'; cat "$f"; } > "$CORPUS/seed-de-utf8-$name"
        done
        ;;
    recfile)
        # Seeds: a two-unit recording in UTF-8 and one in Windows-1252, device files found.
        { printf '\001'; printf '3/1/2026\n1;KTZ;KTZ23 (1);V1.10;KTZV1.10.csv;\n2;RVN;RVN (2);V2.05;RVNV2.05.csv;\nTime ;Unit 1;Speed;Bits;Trip;\nTime ;Unit 2;T \302\260C;\n11:59:59 PM,750;1;-12,5;-----HL---------;F:3;\n12:00:00 AM,000;1;1,23457e+06;----------------;F:0;\n12:00:00 AM,010;2;0;\n[COMMENT]\nW\303\244rme\n'; } > "$CORPUS/seed-utf8.rec"
        { printf '\001'; printf '3/1/2026\n1;KTZ;KTZ23 (1);V1.10;KTZV1.10.csv;\nTime ;Unit 1;T \260C;\n01:02:03 PM,004;1;5;\n[COMMENT]\nK\374hler\n'; } > "$CORPUS/seed-1252.rec"
        ;;
    esac
    "$BUILD_DIR/bin/fuzz_$target" "$CORPUS" -max_total_time="$SECONDS_TO_RUN" -timeout=10 \
        -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 "$@"
done
