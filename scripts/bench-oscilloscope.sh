#!/bin/sh
# Builds and runs the oscilloscope benchmarks in an optimised build (./build-bench):
# the acquisition overhead per cycle against the drive simulator, a day's sample store beside a
# store of one QVariant per value (each in its own process, so each resident size is its own),
# loading a 50 MB recording beside a QTextStream + split reader, and the memory a 100 MB recording
# of short text cells takes once read.
set -e
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-bench}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} $CMAKE_ARGS >/dev/null
cmake --build "$BUILD_DIR" -j2 --target bench_oscilloscope tarvolink-sim tarvolink_data >/dev/null
BENCH="$BUILD_DIR/bin/bench_oscilloscope"
export QT_LOGGING_RULES="*.debug=false"
"$BENCH" overhead
"$BENCH" memory
"$BENCH" memory variant
"$BENCH" load
"$BENCH" textcells 100
