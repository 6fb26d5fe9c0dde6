#!/bin/sh
# Builds and runs the Link Monitor tap benchmark: the Modbus master's exchange time with nobody
# listening and with one listener, interleaved in one run, over a pseudo-terminal and loopback TCP
# against pymodbus. Optional argument: exchanges of each kind per transport (300).
set -e
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-bench}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} $CMAKE_ARGS >/dev/null
cmake --build "$BUILD_DIR" -j2 --target bench_linktap >/dev/null
exec "$BUILD_DIR/bin/bench_linktap" "$@" 2>/dev/null
