#!/bin/sh
# Fuzzes the readers of outside input with libFuzzer, FUZZ_SECONDS seconds (default 120) per
# target. Build in ./build-fuzz, where all our libraries are built with ASan, UBSan and the
# fuzzer's coverage, so every line a target reaches gives feedback and is checked.
#   fuzz_parameters    the parameter table of a device description file
#   fuzz_datfile       a parameter set file against the test device description file
#   fuzz_settings      the settings file
#   fuzz_recfile       a recording file
#   fuzz_passwordfile  the service password file
#   fuzz_ftplisting    the entries of a server's listing and the checks on their names
#   fuzz_modbusreply   RTU and TCP replies checked against their request, and the values taken out
# FUZZ_TARGETS picks targets (default all); further arguments go to every fuzzer.
# Seeds are the shipped device description files, the tests' .dat and settings files and files of
# several kinds written here (Windows-1252, CRLF, byte order mark, cut short, recordings of one
# and two units, long ones); inputs may be as long as the longest seed and more, so whole files
# are tried. Any crash, sanitizer report or hang (> 10 s for one input) makes the script fail.
set -e
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-fuzz}
SECONDS_TO_RUN=${FUZZ_SECONDS:-120}
TARGETS=${FUZZ_TARGETS:-fuzz_parameters fuzz_datfile fuzz_settings fuzz_recfile fuzz_passwordfile fuzz_ftplisting fuzz_modbusreply}
CC=clang CXX=clang++ nice -n 10 cmake -S . -B "$BUILD_DIR" -DTARVOLINK_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
for target in $TARGETS; do
    nice -n 10 cmake --build "$BUILD_DIR" -j2 --target "$target"
done

# seed CORPUS PREFIX FILE...: copies each file into the corpus behind PREFIX (octal escapes).
seed() {
    corpus=$1
    prefix=$2
    shift 2
    for f in "$@"; do
        [ -f "$f" ] || continue
        { printf "$prefix"; cat "$f"; } > "$corpus/seed-$(basename "$f")-$(printf '%s' "$prefix" | tr -dc 0-9)"
    done
}
DEVICE_FILES=$(ls data/csv_file/*.csv tests/parameters/data/*.csv tests/tools/cli/data/*.csv 2>/dev/null)
SETTINGS_FILES=$(find tests -name '*.set' | sort)

# Parameter set files of several kinds, made from the tests' files: as written (UTF-8), in
# Windows-1252 with CRLF line ends, with a byte order mark, header only, and values with commas.
DAT_DIR="$BUILD_DIR/seed-dat"
rm -rf "$DAT_DIR"
mkdir -p "$DAT_DIR"
for f in $(find tests -name '*.dat' | sort); do
    b=$(basename "$f" .dat)
    cp "$f" "$DAT_DIR/$b.dat"
    iconv -f UTF-8 -t WINDOWS-1252 "$f" | sed 's/$/\r/' > "$DAT_DIR/$b-1252-crlf.dat"
    { printf '\357\273\277'; cat "$f"; } > "$DAT_DIR/$b-bom.dat"
    sed -n '1,/CUSTOMER DATA_END/p' "$f" > "$DAT_DIR/$b-header.dat"
    sed '/PARAMETER SETS/,$ s/\([0-9]\)\.\([0-9]\)/\1,\2/g' "$f" > "$DAT_DIR/$b-commas.dat"
done
DAT_FILES=$(ls "$DAT_DIR"/*.dat)

# Recordings of several kinds: two units in UTF-8, Windows-1252 with CRLF, the running file's
# "PEBB" line, a trigger file past midnight with foreign lines, and a long one of three units.
REC_DIR="$BUILD_DIR/seed-rec"
rm -rf "$REC_DIR"
mkdir -p "$REC_DIR"
printf '3/1/2026\n1;KTZ;KTZ23 (1);V1.10;KTZV1.10.csv;\n2;RVN;RVN (2);V2.05;RVNV2.05.csv;\nTime ;Unit 1;Speed;Bits;Trip;\nTime ;Unit 2;T \302\260C;\n11:59:59 PM,750;1;-12,5;-----HL---------;F:3;\n12:00:00 AM,000;1;1,23457e+06;----------------;F:0;\n12:00:00 AM,010;2;0;\n[COMMENT]\nW\303\244rme\n' > "$REC_DIR/two-units-utf8.rec"
printf '3/1/2026\r\n1;KTZ;KTZ23 (1);V1.10;KTZV1.10.csv;\r\nTime ;Unit 1;T \260C;Mode;\r\n01:02:03 PM,004;1;5;Auto;\r\n01:02:03 PM,104;1;5,5;Hand;\r\n[COMMENT]\r\nK\374hler\r\n' > "$REC_DIR/ansi-crlf.rec"
printf '12/31/2025\nPEBB;;;\n1;KTZ;KTZ23 (7);V1.10;KTZV1.10.csv;\nTime ;Unit 1;Current [A];Voltage;\n09:00:00 AM,000;1;0,0;400;\n09:00:00 AM,050;1;12,75;399,5;\n' > "$REC_DIR/running.peb"
printf '6/15/2026\n1;RVN;RVN (3);V2.05;RVNV2.05.csv;\n[TRIGGER];Level;12,5;\nTime ;Unit 1;Speed;Torque;\n11:59:59 PM,990;1;1500;-0,25;\n12:00:00 AM,005;1;1499;-0,5;\n[PRETRIGGER];20;\n12:00:00 AM,020;1;1498;0;\n' > "$REC_DIR/trigger-midnight.rec"
{
    printf '1/2/2026\n'
    for u in 1 2 3; do printf '%d;KTZ;KTZ23 (%d);V1.10;KTZV1.10.csv;\n' $u $u; done
    for u in 1 2 3; do printf 'Time ;Unit %d;Speed;Current;Status;\n' $u; done
    awk 'BEGIN { for (i = 0; i < 600; i++) printf "10:%02d:%02d AM,%03d;%d;%d;%d,%d;%s;\n", i / 60 % 60, i % 60, i * 7 % 1000, i % 3 + 1, i * 3, i % 50, i % 10, (i % 7 ? "----H-----------" : "F:12") }'
} > "$REC_DIR/long-three-units.rec"
REC_FILES=$(ls "$REC_DIR"/*)

LONGEST=$(for f in $DEVICE_FILES $DAT_FILES $SETTINGS_FILES $REC_FILES; do wc -c < "$f"; done | sort -n | tail -1)
MAX_LEN=$((LONGEST * 2 + 1024))

for target in $TARGETS; do
    CORPUS="$BUILD_DIR/corpus-$target"
    mkdir -p "$CORPUS"
    case $target in
    fuzz_parameters)
        # The first byte chooses language, codec and empty values: English/Windows-1252 and
        # Deutsch/UTF-8 of every device description file.
        seed "$CORPUS" '\000' $DEVICE_FILES
        seed "$CORPUS" '\043' $DEVICE_FILES
        ;;
    fuzz_datfile) seed "$CORPUS" '' $DAT_FILES ;;
    fuzz_settings) seed "$CORPUS" '' $SETTINGS_FILES ;;
    fuzz_recfile)
        # The first byte decides whether the units' device description files are found.
        seed "$CORPUS" '\001' $REC_FILES
        seed "$CORPUS" '\000' "$REC_DIR/two-units-utf8.rec"
        ;;
    fuzz_passwordfile)
        printf '80 98 117 37 53\nsecond line\n' > "$CORPUS/seed-password"
        printf '84 -9223372036854775808 9223372036854775807\r\n' > "$CORPUS/seed-extremes"
        printf '\t65  67 \303\244 65536 55297' > "$CORPUS/seed-damaged"
        ;;
    fuzz_ftplisting)
        # Flags, size shift; name, owner, group and time text, NUL-separated.
        printf '\001\003KTZV1.10.csv\000ftp\000ftp\000Dec 06 12:00' > "$CORPUS/seed-file"
        printf '\000\011..\\evil.CSV\000\000\000Feb 29  2024' > "$CORPUS/seed-parent"
        printf '\003\002sub\000root\000wheel\000Jan  1 00:00' > "$CORPUS/seed-dir"
        ;;
    fuzz_modbusreply)
        # Request bytes (table, number, count, unit and direction), then a reply.
        printf '\003\000\012\001\012\005\003\004\000\001\000\002\000\000' > "$CORPUS/seed-holding"
        printf '\000\000\000\011\003\001\017\000\000\000\012\000\000' > "$CORPUS/seed-coils"
        printf '\003\000\001\000\012\005\203\002\000\000' > "$CORPUS/seed-exception"
        printf '\003\000\002\001\013\005\020\000\001\000\002\000\000' > "$CORPUS/seed-write"
        ;;
    *) echo "unknown fuzz target $target"; exit 2 ;;
    esac
    echo "== $target: $(ls "$CORPUS" | wc -l) inputs, max_len $MAX_LEN"
    # A failing input is kept in the build folder, never in the source tree.
    "$BUILD_DIR/bin/$target" "$CORPUS" -max_total_time="$SECONDS_TO_RUN" -timeout=10 \
        -artifact_prefix="$BUILD_DIR/$target-" \
        -rss_limit_mb=2048 -max_len="$MAX_LEN" -print_final_stats=1 "$@"
done
