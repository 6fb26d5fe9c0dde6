#include "simpeer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QThread>
#include <csignal>
#include <unistd.h>

namespace {
const char *simPath()
{
    return TARVOLINK_BIN_DIR "/tarvolink-sim";
}
} // namespace

bool SimPeer::start(const QStringList &arguments)
{
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(QString::fromLatin1(simPath()), arguments);
    return m_process.waitForStarted(5000);
}

bool SimPeer::startTcp(const QString &dataDir, const QString &address, const QStringList &extra)
{
    if (!start(QStringList { QStringLiteral("--data"), dataDir, QStringLiteral("--tcp"), address } + extra))
        return false;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 5000 && m_process.state() == QProcess::Running) {
        QTcpSocket probe;
        probe.connectToHost(address, 502);
        if (probe.waitForConnected(200))
            return true;
        QThread::msleep(50);
    }
    return false;
}

bool SimPeer::startPty(
    const QString &dataDir, const QString &link, const QList<int> &units, const QStringList &extra)
{
    QStringList args { QStringLiteral("--data"), dataDir, QStringLiteral("--pty"), link };
    for (int unit : units)
        args << QStringLiteral("--unit") << QString::number(unit);
    if (!start(args + extra))
        return false;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 5000 && m_process.state() == QProcess::Running) {
        if (QFileInfo::exists(link))
            return true;
        QThread::msleep(20);
    }
    return false;
}

void SimPeer::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    pause(false); // a frozen process would not end on SIGTERM
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

bool SimPeer::pause(bool paused)
{
    const qint64 pid = m_process.processId();
    return pid > 0 && ::kill(pid_t(pid), paused ? SIGSTOP : SIGCONT) == 0;
}

QString SimPeer::output()
{
    return QString::fromLocal8Bit(m_process.readAll());
}

QString prepareTestInstallation(const QString &dir)
{
    const QString config = dir + QStringLiteral("/configData");
    const QString csv = dir + QStringLiteral("/csv_file");
    if (!QDir().mkpath(config) || !QDir().mkpath(csv))
        return QString();
    QFile shipped(QStringLiteral(TARVOLINK_BIN_DIR "/configData/general.csv"));
    if (!shipped.open(QIODevice::ReadOnly))
        return QString();
    QString general = QString::fromUtf8(shipped.readAll());
    // The test drive's code and its version register join the shipped tables.
    general.replace(QStringLiteral("[DEVICE CODE]END"), QStringLiteral("4690;TST\n[DEVICE CODE]END"));
    general.replace(
        QStringLiteral("[VERSION ADDRESS]END"), QStringLiteral("4690;30002;1\n[VERSION ADDRESS]END"));
    QFile out(config + QStringLiteral("/general.csv"));
    if (!out.open(QIODevice::WriteOnly) || out.write(general.toUtf8()) < 0)
        return QString();
    out.close();
    const QString device = csv + QStringLiteral("/TSTV1.00.csv");
    QFile::remove(device);
    if (!QFile::copy(QStringLiteral(TARVOLINK_SOURCE_DIR "/tests/parameters/data/TSTV1.00.csv"), device))
        return QString();
    return device;
}

bool canServePort502()
{
    return geteuid() == 0;
}

int mbpollReadHolding(const QString &address, int unit, int registerNumber)
{
    QProcess mbpoll;
    mbpoll.start(QStringLiteral("mbpoll"),
        { QStringLiteral("-m"), QStringLiteral("tcp"), QStringLiteral("-a"), QString::number(unit),
            QStringLiteral("-t"), QStringLiteral("4"), QStringLiteral("-r"),
            QString::number(registerNumber - 40000), QStringLiteral("-c"), QStringLiteral("1"),
            QStringLiteral("-1"), address });
    if (!mbpoll.waitForFinished(5000)) {
        mbpoll.kill();
        mbpoll.waitForFinished(1000);
        return -1;
    }
    const QString text = QString::fromLocal8Bit(mbpoll.readAllStandardOutput());
    const QRegularExpression value(QStringLiteral("\\[%1\\]:\\s*(-?\\d+)").arg(registerNumber - 40000));
    const auto match = value.match(text);
    return match.hasMatch() ? match.captured(1).toInt() & 0xFFFF : -1;
}
