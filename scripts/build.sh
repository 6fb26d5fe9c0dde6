#!/bin/sh
# Configures and builds into ./build (or $BUILD_DIR): everything, or only the targets named.
set -e
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
# Unity builds (several sources compiled as one) halve a build from scratch on two cores.
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} \
    -DCMAKE_UNITY_BUILD=${UNITY_BUILD:-ON} $CMAKE_ARGS >/dev/null
if [ $# -gt 0 ]; then
    cmake --build "$BUILD_DIR" -j"$(nproc)" --target "$@"
else
    cmake --build "$BUILD_DIR" -j"$(nproc)"
fi
