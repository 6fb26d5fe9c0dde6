#pragma once

#include "loopback.h"

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>
#include <functional>

// The drive simulator tarvolink-sim as the unit of a test or benchmark: ready once it prints its
// "serving" line, killed by stop() or the destructor so that a failing test leaves nothing behind.
class SimPeer
{
public:
    ~SimPeer() { stop(); }
    // Starts the simulator with `arguments` and waits at most `readyTimeoutMs` until it serves.
    bool start(const QStringList &arguments, int readyTimeoutMs = 5000);
    // Serves Modbus TCP on `address` ("HOST" for port 502, or "HOST:PORT"); `options` name the
    // device, the data folder and any faults (--silent-after N, --slow MS ...).
    bool startTcp(const QString &address, const QStringList &options = {});
    bool startTcp(const QString &host, quint16 port, const QStringList &options = {});
    // Serves Modbus RTU on a new pseudo-terminal reached through the symbolic link `link`.
    bool startPty(const QString &link, const QStringList &options = {});
    void stop();
    // SIGUSR1: every simulated drive trips at once.
    bool trip();
    // Freezes and thaws the simulator (SIGSTOP / SIGCONT): a unit that stops answering and comes back.
    bool pause(bool paused);
    // The request lines of --verbose ("request N unit U fc F reg R: bytes") logged since the start
    // or the previous call.
    QStringList takeRequests();
    // The registers written (function codes 6 and 16) among such request lines, in order.
    static QStringList writtenRegisters(const QStringList &requests);
    // Everything the simulator wrote to stderr since the start, for a failure message.
    QString errorOutput() const;

    // The options that put the given unit numbers on a serial line.
    static QStringList unitOptions(const QList<int> &units);

private:
    QByteArray readErrorFile(qint64 from) const;

    QProcess process;
    // stderr goes to a file: a verbose log then never stalls the simulator on a full pipe, however
    // long a test leaves it unread, and every line the simulator wrote before answering is there.
    QTemporaryFile errorFile;
    qint64 errorRead = 0;
};

// An installation folder (configData/general.csv and csv_file/) built from the shipped data,
// each file optionally edited on the way, for faults that live in the PC's files.
class TestInstallation
{
public:
    using Edit = std::function<QByteArray(QByteArray)>;
    explicit TestInstallation(const QString &baseDir);
    bool addGeneralCsv(const Edit &edit = Edit());
    // A shipped description file by name.
    bool addDeviceFile(const QString &name, const Edit &edit = Edit());
    // A description file of a test's own (its full path), under the same name.
    bool addDeviceFileFrom(const QString &path);
    QString baseDir() const { return dir; }
    QString deviceFilePath(const QString &name) const;

private:
    bool copy(const QString &from, const QString &to, const Edit &edit);
    QString dir;
};

// An edit that replaces one exact text and fails the copy when the text is not there, so a
// change of the shipped data cannot silently turn a fault case into a plain copy.
TestInstallation::Edit replacing(const QByteArray &before, const QByteArray &after);

// An edit of general.csv that adds a test drive: its device code row, and its version read from
// input register 30002 of its first unit.
TestInstallation::Edit addingTestDrive(int code, const QByteArray &name);
