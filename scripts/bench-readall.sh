#!/bin/sh
# Builds and runs the read-all benchmark: all parameters of a shipped unit read from the drive
# simulator over loopback TCP (40 ms per exchange) and a pseudo-terminal (request bytes + 20 ms +
# one 8 ms poll interval), time against what those delays alone demand; then the same read in
# blocks (ratio, and whether both .dat files are byte-identical), also against pymodbus.
set -e
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} $CMAKE_ARGS >/dev/null
cmake --build "$BUILD_DIR" -j2 --target bench_readall >/dev/null
exec "$BUILD_DIR/bin/bench_readall" "$@" 2>/dev/null
