#!/bin/sh
# Refreshes the translation sources translations/vx_*.ts from the program's texts with lupdate:
# new texts come in as unfinished entries (tst_translations lists them), translations already
# made stay, texts no longer in the program are dropped. Run from anywhere; needs lupdate (Qt 5).
set -e
cd "$(dirname "$0")/.."
LUPDATE=${LUPDATE:-lupdate}
for ts in translations/vx_*.ts; do
    "$LUPDATE" -silent -no-obsolete -locations none -recursive \
        app comm control devicefiles download linkmonitor oscilloscope parameters settings status units widgets \
        -ts "$ts"
done
echo "Updated: $(ls translations/vx_*.ts | tr '\n' ' ')"
