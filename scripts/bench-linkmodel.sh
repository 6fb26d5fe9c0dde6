#!/bin/sh
# Builds and runs the Link Monitor table benchmark offscreen: 100,000 exchanges appended to the
# ring model and to a QStandardItemModel, each shown in a table, time per batch and heap in use as
# ratios of the same run. Optional argument: exchanges per batch (100).
set -e
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-bench}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} $CMAKE_ARGS >/dev/null
cmake --build "$BUILD_DIR" -j2 --target bench_linkmodel >/dev/null
export QT_LOGGING_RULES="*.debug=false"
QT_QPA_PLATFORM=offscreen exec "$BUILD_DIR/bin/bench_linkmodel" "$@"
