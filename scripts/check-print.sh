#!/bin/sh
# Produces the sample printouts, turns every page into a PNG (pdftoppm) for a look by eye, and
# checks the texts each printout must and must not contain (pdftotext).
# Usage: check-print.sh <print_samples program> <output folder>
set -u
program=$1
out=$2
rm -rf "$out"
mkdir -p "$out"
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$program" "$out" || { echo "print_samples failed"; exit 1; }

failures=0
for pdf in "$out"/*.pdf; do
    base=${pdf%.pdf}
    # Table cells wrap: the checks read the text as one line with single blanks.
    pdftotext "$pdf" - | tr '\n' ' ' | tr -s ' ' > "$base.txt" || { echo "pdftotext failed on $pdf"; failures=$((failures + 1)); }
    pdftoppm -r 60 -png "$pdf" "$base" || { echo "pdftoppm failed on $pdf"; failures=$((failures + 1)); }
done

# has FILE TEXT / lacks FILE TEXT
has() {
    if ! grep -qF -- "$2" "$out/$1.txt"; then
        echo "FAIL: $1 lacks \"$2\""
        failures=$((failures + 1))
    fi
}
lacks() {
    if grep -qF -- "$2" "$out/$1.txt"; then
        echo "FAIL: $1 contains \"$2\""
        failures=$((failures + 1))
    fi
}

for f in params-all params-readonly params-changed compare compare-identical; do
    has $f "Company Name: Example Pumps Ltd"
    has $f "Project: Line <2> upgrade"
    has $f "Address: Dock 7, Rotterdam, NL"
    has $f "Date: 14/03/2026"
    has $f "Time: 09:26:53"
    has $f "Serial number: SN-0042"
done
for f in params-all params-readonly params-changed; do
    has $f "Parameter Text"
    has $f "Unit Name: RVN48-003 (1)"
    has $f "Drive Version: V2.05"
done
has params-all "Motor Frequency"
has params-all "Motor Cos PHI"
lacks params-all "Encoder Speed"     # read-only
lacks params-all "Copy Set"          # a command, not a setting
has params-readonly "Encoder Speed"
has params-readonly "Copy Set"
has params-readonly "Pump <North>"
has params-changed "Motor Frequency"
has params-changed "Motor Ventilation"
has params-changed "1:30:00"
lacks params-changed "Motor Voltage"
has compare "Compare With"
has compare "Motor Frequency"
has compare "Forced"
has compare "Only in RVN48-003 (1)"
lacks compare "Files are Identical"
has compare-identical "Files are Identical"

pages=$(ls "$out"/*.png 2>/dev/null | wc -l)
if [ "$pages" -lt 5 ]; then
    echo "FAIL: only $pages PNG pages"
    failures=$((failures + 1))
fi
echo "$pages PNG pages in $out"
[ "$failures" -eq 0 ] && echo "print check passed" || echo "$failures print check failures"
[ "$failures" -eq 0 ]
