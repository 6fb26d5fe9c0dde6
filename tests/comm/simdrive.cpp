#include "simdrive.h"

#include <QFileInfo>
#include <csignal>

bool SimDrive::startTcp(const QString &device, const QString &host, quint16 port, const QStringList &extra)
{
    return start(QStringList { QStringLiteral("--device"), device, QStringLiteral("--tcp"),
                     host + QLatin1Char(':') + QString::number(port) }
            + extra,
        "Modbus TCP on", QString());
}

bool SimDrive::startPty(const QString &device, const QString &link, const QStringList &extra)
{
    return start(QStringList { QStringLiteral("--device"), device, QStringLiteral("--pty"), link } + extra,
        "Modbus RTU on", link);
}

bool SimDrive::start(const QStringList &arguments, const QByteArray &readyMarker, const QString &link)
{
    stop();
    log.clear();
    process.setProgram(QStringLiteral(TARVOLINK_BIN_DIR "/tarvolink-sim"));
    process.setArguments(arguments);
    process.start();
    if (!process.waitForStarted(3000))
        return false;
    QByteArray out;
    for (int i = 0; i < 100 && !out.contains(readyMarker); ++i) {
        if (process.state() == QProcess::NotRunning)
            return false;
        process.waitForReadyRead(100);
        out += process.readAllStandardOutput();
    }
    if (!out.contains(readyMarker))
        return false;
    return link.isEmpty() || QFileInfo::exists(link);
}

void SimDrive::stop()
{
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(3000);
    }
}

void SimDrive::trip()
{
    if (process.state() == QProcess::Running)
        ::kill(pid_t(process.processId()), SIGUSR1);
}

QStringList SimDrive::requestLog()
{
    // The pipe is drained here; tests that use --verbose read it before it fills.
    process.waitForReadyRead(50);
    log += process.readAllStandardError();
    QStringList lines;
    for (const QByteArray &line : log.split('\n'))
        if (line.startsWith("request "))
            lines.append(QString::fromLatin1(line));
    return lines;
}
