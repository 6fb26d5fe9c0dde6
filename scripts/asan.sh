#!/bin/sh
# Builds the project with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer into
# build-asan and runs the tests under them (arguments go to ctest, e.g. -R tst_cli). The only
# suppression, in scripts/lsan.supp, is Qt's own offscreen platform plugin; our code is never
# suppressed.
set -e
cd "$(dirname "$0")/.."
scripts/deps.sh
# The build runs one of its programs (the user guide layout), so the options hold for it too.
export ASAN_OPTIONS="detect_leaks=1 halt_on_error=0 detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$(pwd)/scripts/lsan.supp print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1 halt_on_error=0"
BUILD_DIR=build-asan CMAKE_ARGS="-DTARVOLINK_SANITIZE=address" BUILD_TYPE=Debug scripts/build.sh
cd build-asan
ctest --output-on-failure "$@" 2>&1 | tee asan.log
if grep -qE "ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:" asan.log; then
    echo "Sanitizers reported faults: see build-asan/asan.log"
    exit 1
fi
echo "AddressSanitizer/LeakSanitizer: no reports"
