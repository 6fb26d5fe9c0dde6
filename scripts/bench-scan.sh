#!/bin/sh
# Builds and runs the scan benchmark: a 254-address loopback range scanned one address at a time,
# with the range probed first, and probed with parallel identification, side by side (several minutes: each silent address costs the
# one-by-one scan a full connection time-out).
set -e
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} $CMAKE_ARGS >/dev/null
cmake --build "$BUILD_DIR" -j2 --target bench_scan tarvolink-sim >/dev/null
exec "$BUILD_DIR/bin/bench_scan" "$@" 2>/dev/null
