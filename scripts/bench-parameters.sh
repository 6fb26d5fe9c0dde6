#!/bin/sh
# Builds and runs the parameter tree benchmark (load, save and open of a 3,000-parameter unit).
# Optimised build in ./build-bench unless BUILD_DIR says otherwise.
set -e
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-bench}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} >/dev/null
cmake --build "$BUILD_DIR" -j2 --target bench_parameters
exec "$BUILD_DIR/bin/bench_parameters" "$@"
