#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The drive simulator tarvolink-sim as a peer of the worker tests and the benchmark: started on
// a loopback address or a new pseudo-terminal, ended (killed) by its destructor so that a failing
// test leaves nothing behind. Its --verbose request log is collected from stderr.
class SimDrive
{
public:
    ~SimDrive() { stop(); }
    // Serves `device` on host:port; extra arguments add faults (--silent-after N, --slow MS ...).
    bool startTcp(const QString &device, const QString &host, quint16 port, const QStringList &extra = {});
    // Serves `device` on a new pseudo-terminal reached through the symbolic link `link`.
    bool startPty(const QString &device, const QString &link, const QStringList &extra = {});
    void stop();
    // Sends SIGUSR1: every simulated drive trips at once.
    void trip();
    qint64 pid() const { return process.processId(); }
    // The request lines of --verbose so far ("request N unit U fc F reg R: bytes").
    QStringList requestLog();

private:
    bool start(const QStringList &arguments, const QByteArray &readyMarker, const QString &link);
    QProcess process;
    QByteArray log;
};
