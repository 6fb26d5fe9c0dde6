#!/bin/sh
# Fuzzes the parameter table loader and the parameter set file readers with libFuzzer
# (clang, ASan + UBSan) for FUZZ_SECONDS seconds (default 20). Build in ./build-fuzz.
# Any crash, sanitizer report or hang (> 10 s for one input) makes the script fail.
set -e
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-fuzz}
SECONDS_TO_RUN=${FUZZ_SECONDS:-20}
CC=clang CXX=clang++ cmake -S . -B "$BUILD_DIR" -DTARVOLINK_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" -j2 --target fuzz_parameters
CORPUS="$BUILD_DIR/corpus-parameters"
mkdir -p "$CORPUS"
# Seeds: the test fixture and the golden parameter set file, each behind a flags byte.
for f in tests/parameters/data/*; do
    name=$(basename "$f")
    { printf '\000'; cat "$f"; } > "$CORPUS/seed-$name"
    { printf '\043'; cat "$f"; } > "$CORPUS/seed-de-utf8-$name"
done
exec "$BUILD_DIR/bin/fuzz_parameters" "$CORPUS" -max_total_time="$SECONDS_TO_RUN" -timeout=10 \
    -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 "$@"
