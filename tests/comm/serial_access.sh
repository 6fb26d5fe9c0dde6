#!/bin/sh
# A serial port the user may not open: the command line names the port and what to do about it
# (exit status 3), instead of a bare "port not open". Needs root to hand the port to another user.
#   serial_access.sh BIN_DIR
set -u
BIN=$1
if [ "$(id -u)" -ne 0 ] || ! command -v setpriv >/dev/null || ! command -v socat >/dev/null; then
    echo "needs root, setpriv and socat"; exit 77
fi
WORK=$(mktemp -d)
socat pty,raw,echo=0,link="$WORK/adapter" pty,raw,echo=0,link="$WORK/drive" &
SOCAT=$!
trap 'kill $SOCAT 2>/dev/null; rm -rf "$WORK"' EXIT
for i in $(seq 50); do [ -e "$WORK/adapter" ] && break; sleep 0.1; done
chmod 711 "$WORK"
chmod 600 "$(readlink "$WORK/adapter")"
setpriv --reuid=65534 --regid=65534 --clear-groups "$BIN/tarvolink-cli" identify --rtu "$WORK/adapter" \
    --unit 1 --retries 1 --data "$BIN" 2>"$WORK/err" >/dev/null
status=$?
[ "$status" -eq 3 ] || { echo "FAIL: exit status $status: $(cat "$WORK/err")"; exit 1; }
grep -q "You have no access to $WORK/adapter. Add your user to the group that owns it (dialout)" "$WORK/err" \
    || { echo "FAIL: $(cat "$WORK/err")"; exit 1; }
echo "serial access: ok"
