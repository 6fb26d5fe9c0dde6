#include "simpeer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <csignal>

bool SimPeer::start(const QStringList &arguments, int readyTimeoutMs)
{
    stop();
    if (!errorFile.isOpen() && !errorFile.open())
        return false;
    errorRead = 0;
    process.setStandardErrorFile(errorFile.fileName(), QIODevice::Truncate);
    process.start(QStringLiteral(TARVOLINK_BIN_DIR "/tarvolink-sim"), arguments);
    if (!process.waitForStarted(3000))
        return false;
    // Both modes end their start-up with a "serving" line, printed once the address listens or
    // the pseudo-terminal's link exists.
    QByteArray out;
    QElapsedTimer clock;
    clock.start();
    while (!out.contains("serving") && clock.elapsed() < readyTimeoutMs
        && process.state() == QProcess::Running) {
        process.waitForReadyRead(100);
        out += process.readAllStandardOutput();
    }
    if (out.contains("serving"))
        return true;
    stop();
    return false;
}

bool SimPeer::startTcp(const QString &address, const QStringList &options)
{
    return start(QStringList { QStringLiteral("--tcp"), address } + options);
}

bool SimPeer::startTcp(const QString &host, quint16 port, const QStringList &options)
{
    return startTcp(host + QLatin1Char(':') + QString::number(port), options);
}

bool SimPeer::startPty(const QString &link, const QStringList &options)
{
    return start(QStringList { QStringLiteral("--pty"), link } + options) && QFileInfo::exists(link);
}

void SimPeer::stop()
{
    if (process.state() == QProcess::NotRunning)
        return;
    // SIGTERM lets the simulator end as it does for a user (its pseudo-terminal link removed, a
    // coverage build's counters written); a frozen one is thawed first, and SIGKILL ends any
    // simulator that does not stop in time.
    ::kill(pid_t(process.processId()), SIGCONT);
    process.terminate();
    if (!process.waitForFinished(2000)) {
        process.kill();
        process.waitForFinished(3000);
    }
}

bool SimPeer::trip()
{
    return process.state() == QProcess::Running && ::kill(pid_t(process.processId()), SIGUSR1) == 0;
}

bool SimPeer::pause(bool frozen)
{
    return process.state() == QProcess::Running
        && ::kill(pid_t(process.processId()), frozen ? SIGSTOP : SIGCONT) == 0;
}

QStringList SimPeer::takeRequests()
{
    const QByteArray fresh = readErrorFile(errorRead);
    // Only whole lines count; a line still being written is taken next time.
    const int end = fresh.lastIndexOf('\n') + 1;
    errorRead += end;
    QStringList lines;
    for (const QByteArray &line : fresh.left(end).split('\n'))
        if (line.startsWith("request "))
            lines.append(QString::fromLatin1(line));
    return lines;
}

QString SimPeer::errorOutput() const
{
    return QString::fromLocal8Bit(readErrorFile(0));
}

QByteArray SimPeer::readErrorFile(qint64 from) const
{
    QFile file(errorFile.fileName());
    if (!file.open(QIODevice::ReadOnly) || !file.seek(from))
        return QByteArray();
    return file.readAll();
}

QStringList SimPeer::unitOptions(const QList<int> &units)
{
    QStringList options;
    for (int unit : units)
        options << QStringLiteral("--unit") << QString::number(unit);
    return options;
}

TestInstallation::TestInstallation(const QString &baseDir)
    : dir(baseDir)
{
    QDir().mkpath(dir + QStringLiteral("/configData"));
    QDir().mkpath(dir + QStringLiteral("/csv_file"));
}

bool TestInstallation::addGeneralCsv(const Edit &edit)
{
    return copy(QStringLiteral(TARVOLINK_SOURCE_DIR "/data/configData/general.csv"),
        dir + QStringLiteral("/configData/general.csv"), edit);
}

bool TestInstallation::addDeviceFile(const QString &name, const Edit &edit)
{
    return copy(QStringLiteral(TARVOLINK_SOURCE_DIR "/data/csv_file/") + name, deviceFilePath(name), edit);
}

bool TestInstallation::addDeviceFileFrom(const QString &path)
{
    return copy(path, deviceFilePath(QFileInfo(path).fileName()), Edit());
}

QString TestInstallation::deviceFilePath(const QString &name) const
{
    return dir + QStringLiteral("/csv_file/") + name;
}

bool TestInstallation::copy(const QString &from, const QString &to, const Edit &edit)
{
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = in.readAll();
    if (edit) {
        bytes = edit(bytes);
        if (bytes.isEmpty())
            return false;
    }
    QFile out(to);
    return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(bytes) == bytes.size();
}

TestInstallation::Edit replacing(const QByteArray &before, const QByteArray &after)
{
    return [before, after](QByteArray bytes) {
        if (!bytes.contains(before))
            return QByteArray();
        return bytes.replace(before, after);
    };
}

TestInstallation::Edit addingTestDrive(int code, const QByteArray &name)
{
    return [code, name](const QByteArray &bytes) {
        // The new rows keep the file's own line ends.
        const QByteArray eol = bytes.contains("\r\n") ? "\r\n" : "\n";
        const QByteArray number = QByteArray::number(code);
        const QByteArray codeRow = number + ';' + name + eol;
        const QByteArray versionRow = number + ";30002;1" + eol;
        const QByteArray withCode = replacing("[DEVICE CODE]END", codeRow + "[DEVICE CODE]END")(bytes);
        if (withCode.isEmpty())
            return withCode;
        return replacing("[VERSION ADDRESS]END", versionRow + "[VERSION ADDRESS]END")(withCode);
    };
}

QStringList SimPeer::writtenRegisters(const QStringList &requests)
{
    static const QRegularExpression write(QStringLiteral(" fc (6|16) reg (\\d+):"));
    QStringList registers;
    for (const QString &request : requests) {
        const QRegularExpressionMatch m = write.match(request);
        if (m.hasMatch())
            registers << m.captured(2);
    }
    return registers;
}
