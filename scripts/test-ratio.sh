#!/bin/sh
# Prints the size of the tests against the product: non-blank lines of .cpp, .h and .py
# under tests/ against the same under the product folders and tools/.
set -e
cd "$(dirname "$0")/.."
PRODUCT="devicefiles comm linkmonitor parameters settings widgets units app oscilloscope status control download tools"
count() {
    find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.py' \) -print0 2>/dev/null \
        | xargs -0 -r cat | grep -cv '^[[:space:]]*$' || true
}
existing=""
for d in $PRODUCT; do
    [ -d "$d" ] && existing="$existing $d"
done
tests=$(count tests)
product=$(count $existing)
awk -v t="$tests" -v p="$product" 'BEGIN {
    printf "Test lines:    %6d\nProduct lines: %6d\nRatio:         %6.2f\n", t, p, (p > 0 ? t / p : 0) }'
