#!/bin/sh
# Installs what is missing, builds, and starts the program.
set -e
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
exec "${BUILD_DIR:-build}/bin/tarvolink" "$@"
