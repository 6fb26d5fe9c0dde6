#!/bin/sh
# Installs the build into a temporary root (as the package does) and starts the window and the
# command line from there with an empty home folder: the user's data folder is created and seeded,
# the user's files go there, nothing is written below the install root, and a newer installation
# adds and refreshes device files without overwriting those the user changed.
#   install_tree.sh BUILD_DIR
set -eu
BUILD=$1
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
ROOT=$WORK/root
fail() { echo "FAIL: $*"; exit 1; }

DESTDIR=$ROOT cmake --install "$BUILD" --prefix /usr >/dev/null
PROGRAM=$ROOT/usr/lib/tarvolink
for f in usr/bin/tarvolink usr/bin/tarvolink-cli usr/bin/tarvolink-sim \
    usr/lib/tarvolink/configData/general.csv usr/lib/tarvolink/configData/vx_de_DE.qm \
    usr/lib/tarvolink/UserGuideTarvolink.pdf usr/share/man/man1/tarvolink-cli.1.gz usr/share/man/man1/tarvolink.1.gz \
    usr/share/applications/org.tarvolink.Tarvolink.desktop \
    usr/share/metainfo/org.tarvolink.Tarvolink.metainfo.xml usr/share/mime/packages/tarvolink.xml \
    usr/share/icons/hicolor/48x48/apps/tarvolink.png usr/share/icons/hicolor/scalable/apps/tarvolink.svg \
    usr/share/doc/tarvolink/copyright; do
    [ -e "$ROOT/$f" ] || fail "$f is not installed"
done
[ -n "$(ls "$PROGRAM"/csv_file/*.csv)" ] || fail "no device description files installed"
zcat "$ROOT/usr/share/man/man1/tarvolink-cli.1.gz" | grep -q '^\.SS rec2csv' || fail "manual page lacks rec2csv"

# The launcher, the description and the file types as the desktop's own tools read them.
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$ROOT/usr/share/applications/org.tarvolink.Tarvolink.desktop" \
        || fail "desktop file"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$ROOT/usr/share/metainfo/org.tarvolink.Tarvolink.metainfo.xml" \
        >/dev/null || fail "metainfo"
fi
if command -v update-mime-database >/dev/null; then
    mkdir -p "$WORK/mime/packages"
    cp "$ROOT/usr/share/mime/packages/tarvolink.xml" "$WORK/mime/packages/"
    update-mime-database "$WORK/mime" 2>"$WORK/mime.err" || fail "MIME types: $(cat "$WORK/mime.err")"
    grep -q 'application/x-tarvolink-parameters:\*\.dat' "$WORK/mime/globs" || fail "no .dat type"
    grep -q 'application/x-tarvolink-recording:\*\.rec' "$WORK/mime/globs" || fail "no .rec type"
fi

VERSION=$("$ROOT/usr/bin/tarvolink-cli" --version)
[ "$VERSION" = "tarvolink-cli $(sed -n 's/.*project(Tarvolink VERSION \([0-9.]*\).*/\1/p' \
    "$(dirname "$0")/../../CMakeLists.txt")" ] || fail "version: $VERSION"

# Nothing below the install root may change from here on.
listing() { (cd "$ROOT" && find . -print0 | sort -z | xargs -0 ls -ld --time-style=+%s | \
    awk '{ print $1, $5, $6, $7 }') ; }
listing > "$WORK/before"

export HOME=$WORK/home
unset XDG_DATA_HOME TARVOLINK_HOME
USER_DIR=$HOME/.local/share/tarvolink
# The installed simulator on a pseudo-terminal, and the installed window connected to it: the
# window saves a picture and ends once the unit is identified.
timeout 280 "$ROOT/usr/bin/tarvolink-sim" --device KTZV1.12.csv --unit 5 --pty "$WORK/line" \
    >"$WORK/sim.log" 2>&1 &
SIM=$!
trap 'kill $SIM 2>/dev/null; rm -rf "$WORK"' EXIT
for i in $(seq 50); do [ -e "$WORK/line" ] && break; sleep 0.1; done
QT_QPA_PLATFORM=offscreen TARVOLINK_SCREENSHOT=$WORK/window.png timeout 240 "$ROOT/usr/bin/tarvolink" \
    --connect "rs485:$WORK/line:5:19200" >"$WORK/window.log" 2>&1 || fail "window: $(tail "$WORK/window.log")"
[ -s "$WORK/window.png" ] || fail "the window did not start"
[ -n "$(ls "$USER_DIR/LogData")" ] || fail "no alert log in the user folder"
[ -f "$USER_DIR/configData/general.csv" ] || fail "user folder not seeded with general.csv"
[ -f "$USER_DIR/configData/vx_de_DE.qm" ] || fail "user folder lacks the translations"
[ "$(ls "$USER_DIR/csv_file" | wc -l)" -eq "$(ls "$PROGRAM/csv_file" | wc -l)" ] \
    || fail "user folder lacks device description files"

# The command line finds its installation in the same user folder, from its first start on.
cli() { timeout 30 "$ROOT/usr/bin/tarvolink-cli" identify --tcp 127.0.0.1:9 --retries 1 >/dev/null 2>&1 || true; }
HOME=$WORK/home2 cli
[ -f "$WORK/home2/.local/share/tarvolink/configData/general.csv" ] || fail "the command line seeded nothing"
listing > "$WORK/after"
diff "$WORK/before" "$WORK/after" >/dev/null || fail "written below the install root: $(diff "$WORK/before" "$WORK/after")"

# A newer installation: one file the user changed, one untouched, one new.
changed=$(ls "$PROGRAM/csv_file" | sed -n 1p)
untouched=$(ls "$PROGRAM/csv_file" | sed -n 2p)
echo "; the user's own line" >> "$USER_DIR/csv_file/$changed"
echo "; newer" >> "$PROGRAM/csv_file/$changed"
echo "; newer" >> "$PROGRAM/csv_file/$untouched"
cp "$PROGRAM/csv_file/$untouched" "$PROGRAM/csv_file/NEWV9.99.csv"
cli
tail -n 1 "$USER_DIR/csv_file/$changed" | grep -q "the user's own line" || fail "the user's change was overwritten"
cmp -s "$PROGRAM/csv_file/$untouched" "$USER_DIR/csv_file/$untouched" || fail "untouched file not refreshed"
[ -f "$USER_DIR/csv_file/NEWV9.99.csv" ] || fail "new device description file not added"
echo "install tree: ok"
