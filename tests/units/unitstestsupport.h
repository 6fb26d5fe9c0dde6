#pragma once

#include <QString>

// A test installation in dir: the shipped general.csv plus the small test drive "TST" and its
// device description file. Returns the device file path, or an empty text on failure.
QString prepareTestInstallation(const QString &dir);

// True when this process may bind port 502 (the program always talks Modbus TCP on 502).
bool canServePort502();

// Reads one holding register with mbpoll (an independent Modbus master) over TCP; -1 on failure.
int mbpollReadHolding(const QString &address, int unit, int registerNumber);
