#!/bin/sh
# Installs what is missing, builds, starts the bundled drive simulator and then the program.
# The simulated drives stop when the program ends.
set -e
cd "$(dirname "$0")/.."
scripts/deps.sh
# Only what runs here; scripts/test.sh builds everything.
scripts/build.sh tarvolink tarvolink-sim
BIN=${BUILD_DIR:-build}/bin
LINE=${TARVOLINK_SIM_LINE:-/tmp/tarvolink-sim-line}
SIM_PIDS=""
cleanup() { [ -n "$SIM_PIDS" ] && kill $SIM_PIDS 2>/dev/null; true; }
trap cleanup EXIT INT TERM

# A KTZ drive as unit 5 on a simulated RS485 line (a pseudo-terminal).
"$BIN/tarvolink-sim" --device KTZV1.12.csv --unit 5 --pty "$LINE" &
SIM_PIDS="$!"
# An RVN drive on Ethernet; Modbus TCP port 502 needs root (or a lowered
# net.ipv4.ip_unprivileged_port_start), otherwise only the serial drive runs.
if "$BIN/tarvolink-sim" --device RVNV2.05.csv --tcp 127.0.0.27 & then
    SIM_PIDS="$SIM_PIDS $!"
fi
sleep 1
cat <<INFO

Simulated drives are running; the RS485 drive is connected at start. To add one by hand,
press "Add Unit" in Tarvolink:
  RS485 page:  Unit 5, Port $LINE (type it in), Baudrate 19200, Parity N,8,1, Automatic
  TCP/IP page: Unit 1, IP Address 127.0.0.27, Automatic

INFO
if [ $# -eq 0 ]; then
    set -- --connect "rs485:$LINE:5:19200"
fi
"$BIN/tarvolink" "$@"
