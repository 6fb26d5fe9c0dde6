#!/bin/sh
# Configures and builds into ./build (or $BUILD_DIR).
set -e
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} $CMAKE_ARGS >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)"
