#!/bin/sh
# Builds the project with ThreadSanitizer into build-tsan and runs the tests labelled "threaded"
# under it (the THREADED ones, and those whose threads run in tarvolink-cli or without fatal Qt
# warnings). Arguments go to ctest. Every process reports into build-tsan/tsan-reports/, so races
# in the programs a test starts (tarvolink-cli, tarvolink-sim) count as well.
# Qt and glib are not instrumented; scripts/tsan.supp names only their libraries, never our code.
set -e
cd "$(dirname "$0")/.."
scripts/deps.sh
BUILD_DIR=build-tsan CMAKE_ARGS="-DTARVOLINK_SANITIZE=thread" BUILD_TYPE=Debug scripts/build.sh
cd build-tsan
rm -rf tsan-reports
mkdir tsan-reports
export TSAN_OPTIONS="suppressions=$(cd .. && pwd)/scripts/tsan.supp halt_on_error=0 second_deadlock_stack=1 report_signal_unsafe=0 history_size=4 log_path=$(pwd)/tsan-reports/tsan"
status=0
ctest --output-on-failure -L threaded "$@" > tsan.log 2>&1 || status=$?
cat tsan.log
if grep -qs "WARNING: ThreadSanitizer" tsan-reports/*; then
    grep -h -A40 "WARNING: ThreadSanitizer" tsan-reports/* | head -400
    echo "ThreadSanitizer reported races in $(grep -ls 'WARNING: ThreadSanitizer' tsan-reports/* | wc -l) processes: see build-tsan/tsan-reports/"
    exit 1
fi
[ "$status" -eq 0 ] || { echo "threaded tests failed under ThreadSanitizer: see build-tsan/tsan.log"; exit 1; }
echo "ThreadSanitizer: no reports"
