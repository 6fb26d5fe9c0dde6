#!/bin/sh
# Builds and runs the replot benchmarks of the oscilloscope view offscreen in an optimised build
# (./build-bench): the steady state of 8 graphs taking one sample each, a full replot of
# 8 x 100,000 points with thin and fat pens, and a day at 250 ms over its whole span, each beside
# a QCustomPlot as it comes (or one drawing every point) measured in the same run.
set -e
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-bench}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} $CMAKE_ARGS >/dev/null
cmake --build "$BUILD_DIR" -j2 --target bench_oscview >/dev/null
export QT_LOGGING_RULES="*.debug=false"
QT_QPA_PLATFORM=offscreen "$BUILD_DIR/bin/bench_oscview" "$@"
