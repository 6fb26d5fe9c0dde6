#pragma once

#include <QString>

// Holding register `registerNumber` (40001..) of unit `unit` as a 16-bit word, read by mbpoll, an
// independent Modbus master; -1 when the read fails. For TCP `link` is "HOST" (port 502) or
// "HOST:PORT"; for RTU it is the serial device, at 38400 baud with even parity.
int mbpollReadHolding(const QString &link, int unit, int registerNumber, bool rtu = false);
