#!/bin/sh
# Builds the project with ThreadSanitizer into build-tsan and runs the threaded tests (those
# registered with QT_FATAL_WARNINGS) under it. Qt itself is not instrumented; the suppressions in
# scripts/tsan.supp name only Qt-internal frames, never our own code.
set -e
cd "$(dirname "$0")/.."
scripts/deps.sh
BUILD_DIR=build-tsan CMAKE_ARGS="-DTARVOLINK_SANITIZE=thread" BUILD_TYPE=Debug scripts/build.sh
export TSAN_OPTIONS="suppressions=$(pwd)/scripts/tsan.supp halt_on_error=0 second_deadlock_stack=1 report_signal_unsafe=0 history_size=4"
cd build-tsan
# The threaded tests are the ones whose environment makes Qt warnings fatal.
# ctest prints a test's environment before its name, so both are matched by the test's number.
TESTS=$(ctest -N -V 2>/dev/null | awk '
    /^[0-9]+: +QT_FATAL_WARNINGS=1/ { threaded[$1 + 0] = 1 }
    /Test +#[0-9]+:/ { n = $2; gsub(/[#:]/, "", n); if (threaded[n + 0]) print $3 }' | sort -u | paste -sd'|')
[ -n "$TESTS" ] || { echo "no threaded tests found"; exit 1; }
ctest --output-on-failure -R "^($TESTS)\$" "$@" 2>&1 | tee tsan.log
if grep -q "WARNING: ThreadSanitizer" tsan.log; then
    echo "ThreadSanitizer reported races: see build-tsan/tsan.log"
    exit 1
fi
echo "ThreadSanitizer: no reports"
