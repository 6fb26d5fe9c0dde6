#pragma once

#include "promptedtest.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class TabWidget;
class UnitFactory;

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

// The tab controller of a test against the simulator: a fresh test installation, the scripted
// prompter, the controller set for a simulator that answers at once (no pause between messages,
// no retries, nothing imported or saved) and the link information rows it logs.
class TabFixture : public PromptedTest
{
public:
    // In init(): false when the installation could not be built.
    bool setUp();
    // In cleanup(): ends the controller, then checks the prompts.
    void tearDown();
    TabWidget &makeTab(std::unique_ptr<UnitFactory> factory = nullptr);
    // The simulator's options for the test drive, then `extra`.
    QStringList simArgs(const QStringList &extra = {}) const;
    void connectTcp(const QString &ip, int unit = 1);
    void connectSerial(const QString &iface, const QString &port, int unit);
    bool waitRow(const QString &needle, int ms = 10000);
    int rowsWith(const QString &needle) const;
    // Reads every parameter of the unit; true once the progress dialog has gone.
    bool readAll(const QStringList &entry);
    QString path(const QString &name) const { return dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> dir;
    QString device;
    std::unique_ptr<TabWidget> tab;
    QStringList rows;
};
