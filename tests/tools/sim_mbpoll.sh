#!/bin/sh
# (mbpoll numbers registers within their table: -t 4 -r 1111 is holding register 41111.)
# The simulator checked by an independent Modbus master (mbpoll) over TCP loopback and over a
# pseudo-terminal: identification registers, a set-B parameter, and a written register served
# back. Usage: sim_mbpoll.sh <bin dir>
set -u
BIN=$1
WORK=$(mktemp -d)
SIM_PID=""
cleanup() {
    [ -n "$SIM_PID" ] && kill "$SIM_PID" 2>/dev/null && wait "$SIM_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT INT TERM
fail() { echo "FAIL: $*"; [ -f "$WORK/sim.err" ] && tail -5 "$WORK/sim.err"; exit 1; }

# Port 502 needs privileges; elsewhere the same test runs on a high port.
ADDR=127.$((1 + $$ / 256 % 255)).$(($$ % 256)).61 # this run's own loopback address
PORT=502
[ "$(id -u)" -ne 0 ] && PORT=15061

value_of() { # mbpoll output -> the value of register $1
    sed -n "s/^\[$1\]:[[:space:]]*\([0-9-]*\).*/\1/p" | head -1
}
wait_for() { # bounded wait for a condition
    i=0
    while [ $i -lt 50 ]; do eval "$1" && return 0; sleep 0.1; i=$((i + 1)); done
    return 1
}

check_unit() { # $1: mbpoll transport arguments
    got=$(mbpoll $1 -a 1 -t 3 -r 1 -c 1 -1 2>&1 | value_of 1)
    [ "$got" = "4620" ] || fail "device code: expected 4620, got '$got'"
    got=$(mbpoll $1 -a 1 -t 3 -r 2 -c 1 -1 2>&1 | value_of 2)
    [ "$got" = "266" ] || fail "version word: expected 266 (V1.10), got '$got'"
    got=$(mbpoll $1 -a 1 -t 4 -r 1111 -c 1 -1 2>&1 | value_of 1111)
    [ "$got" = "50" ] || fail "set B of 222: expected 50, got '$got'"
    mbpoll $1 -a 1 -t 4 -r 1112 -1 230 >/dev/null 2>&1 || fail "write of 41112 refused"
    got=$(mbpoll $1 -a 1 -t 4 -r 1112 -c 1 -1 2>&1 | value_of 1112)
    [ "$got" = "230" ] || fail "written register: expected 230, got '$got'"
    # a register the drive does not have is refused, as a real drive does
    mbpoll $1 -a 1 -t 4 -r 9999 -c 1 -1 2>&1 | grep -q "Illegal data address" || fail "unknown register not refused"
}

"$BIN/tarvolink-sim" --device KTZV1.10.csv --tcp $ADDR:$PORT >"$WORK/sim.out" 2>"$WORK/sim.err" &
SIM_PID=$!
wait_for "grep -q 'Modbus TCP' '$WORK/sim.out'" || fail "TCP simulator did not start"
check_unit "-m tcp -p $PORT $ADDR"
kill $SIM_PID; wait $SIM_PID 2>/dev/null; SIM_PID=""

"$BIN/tarvolink-sim" --device KTZV1.10.csv --unit 1 --unit 7 --pty "$WORK/line" >"$WORK/sim.out" 2>"$WORK/sim.err" &
SIM_PID=$!
wait_for "[ -e '$WORK/line' ]" || fail "RTU simulator did not create its pseudo-terminal"
check_unit "-m rtu -b 19200 -P none -d 8 -s 1 -o 1 $WORK/line"
# the second unit on the same line answers for itself
got=$(mbpoll -m rtu -b 19200 -P none -o 1 -a 7 -t 3 -r 1 -c 1 -1 "$WORK/line" 2>&1 | value_of 1)
[ "$got" = "4620" ] || fail "unit 7 on the shared line: expected 4620, got '$got'"
echo "PASS"
