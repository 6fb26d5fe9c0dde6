#!/bin/sh
# Builds the program with gcc --coverage into build-coverage/ (or $BUILD_DIR), runs the whole
# test suite, and prints line and branch coverage per product library and for the product as a
# whole (tests, benchmarks and generated moc/rcc code left out), then the test/product ratio.
# Extra arguments go to ctest, e.g. scripts/coverage.sh -R tst_settingsfile.
set -e
cd "$(dirname "$0")/.."
ROOT=$(pwd)
BUILD_DIR=${BUILD_DIR:-build-coverage}
JOBS=${JOBS:-2}
command -v gcovr >/dev/null || { echo "gcovr is missing: run scripts/deps.sh" >&2; exit 1; }
# Counters need the source paths the compiler saw here: a cached object from another checkout (ccache
# with a base_dir) names its sources relative to that checkout's folders, and gcov cannot find them.
export CCACHE_DISABLE=1

cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="--coverage -O0 -fprofile-update=atomic" -DCMAKE_EXE_LINKER_FLAGS="--coverage" $CMAKE_ARGS >/dev/null
cmake --build "$BUILD_DIR" -j"$JOBS"

# Counters from an earlier run would add up with this one.
find "$BUILD_DIR" -name '*.gcda' -delete
status=0
# A failed test is run once more before it counts: other checkouts on this machine may hold one of
# its loopback addresses at the same moment. Its first failure stays in the output above.
(cd "$BUILD_DIR" && { ctest -j"$JOBS" --output-on-failure "$@" || ctest --rerun-failed --output-on-failure; }) \
    || status=$?

LIBS="devicefiles comm linkmonitor linkmonitor/ui parameters parameters/ui settings widgets units units/ui app oscilloscope status control download tools"
filter=$(echo $LIBS | tr ' ' '\n' | grep -v / | paste -sd'|')
summary="$BUILD_DIR/coverage-summary.json"
# Throw and unreachable branches are the compiler's, not choices the code makes.
gcovr --root "$ROOT" --object-directory "$BUILD_DIR" --filter "($filter)/" \
    --exclude '.*_autogen/' --gcov-exclude '.*CompilerId.*' \
    --exclude-throw-branches --exclude-unreachable-branches --gcov-ignore-parse-errors \
    -j"$JOBS" --json-summary "$summary" >/dev/null

python3 - "$summary" $LIBS <<'PY'
import json, sys
files = json.load(open(sys.argv[1]))["files"]
libs = sys.argv[2:]
sums = {lib: [0, 0, 0, 0] for lib in libs}
total = [0, 0, 0, 0]
for f in files:
    name = f["filename"]
    # A file belongs to the deepest library folder that holds it (parameters/ui before parameters).
    owner = max((l for l in libs if name.startswith(l + "/")), key=len, default=None)
    if owner is None:
        continue
    values = (f["line_covered"], f["line_total"], f["branch_covered"], f["branch_total"])
    for i, v in enumerate(values):
        sums[owner][i] += v
        total[i] += v
def pct(c, t):
    return f"{100.0 * c / t:5.1f} %" if t else "    -  "
print(f"{'Library':<14}{'Lines':>20}{'Branches':>22}")
for lib in libs + ["TOTAL"]:
    lc, lt, bc, bt = total if lib == "TOTAL" else sums[lib]
    print(f"{lib:<14}{lc:>7}/{lt:<6}{pct(lc, lt)}{bc:>8}/{bt:<6}{pct(bc, bt)}")
PY
scripts/test-ratio.sh
exit $status
