#!/bin/sh
# Builds and runs the Modbus master benchmark: per-exchange time over a pseudo-terminal and
# over loopback TCP beside libmodbus. Optional argument: exchanges per measurement (200).
set -e
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} $CMAKE_ARGS >/dev/null
cmake --build "$BUILD_DIR" -j2 --target bench_comm >/dev/null
exec "$BUILD_DIR/bin/bench_comm" "$@" 2>/dev/null
