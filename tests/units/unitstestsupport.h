#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <QTest>

// A test installation in dir: the shipped general.csv plus the small test drive "TST" and its
// device description file. Returns the device file path, or an empty text on failure.
QString prepareTestInstallation(const QString &dir);

// True when this process may bind port 502 (the program always talks Modbus TCP on 502).
bool canServePort502();

// Reads one holding register with mbpoll (an independent Modbus master) over TCP; -1 on failure.
int mbpollReadHolding(const QString &address, int unit, int registerNumber);

// The program talks Modbus TCP on port 502 only; a test that serves it skips where it cannot.
#define SKIP_UNLESS_PORT_502()                                                                               \
    if (!canServePort502())                                                                                  \
    QSKIP("the program talks Modbus TCP on port 502 only, which needs root to serve on loopback")

// Runs the event loop until `pred` holds; false when it still does not after `ms`.
template <typename Pred> bool waitFor(Pred pred, int ms = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!pred()) {
        if (clock.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QTest::qSleep(5);
    }
    return true;
}
