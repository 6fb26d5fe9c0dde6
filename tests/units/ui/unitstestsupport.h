#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

// A test installation in dir: the shipped general.csv plus the small test drive "TST" and its
// device description file. Returns the device file path, or an empty text on failure.
QString prepareTestInstallation(const QString &dir);

// True when this process may bind port 502 (the program always talks Modbus TCP on 502).
bool canServePort502();

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

// main() of a widget test run with every warning fatal: without a runtime directory Qt warns.
#define TARVOLINK_WIDGET_TEST_MAIN(TestClass)                                                                \
    int main(int argc, char *argv[])                                                                         \
    {                                                                                                        \
        QTemporaryDir runtime;                                                                               \
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {                                                \
            QFile::setPermissions(                                                                           \
                runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);   \
            qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());                                        \
        }                                                                                                    \
        QApplication app(argc, argv);                                                                        \
        TestClass test;                                                                                      \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
