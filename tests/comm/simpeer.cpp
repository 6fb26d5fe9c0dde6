#include "simpeer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

bool SimPeer::start(const QStringList &arguments, int readyTimeoutMs)
{
    // Nobody reads the simulator's log: a full pipe would stall it.
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(QStringLiteral(TARVOLINK_BIN_DIR "/tarvolink-sim"), arguments);
    if (!process.waitForStarted(3000))
        return false;
    QByteArray out;
    QElapsedTimer clock;
    clock.start();
    while (!out.contains("serving") && clock.elapsed() < readyTimeoutMs) {
        if (process.state() == QProcess::NotRunning)
            return false;
        process.waitForReadyRead(100);
        out += process.readAllStandardOutput();
    }
    return out.contains("serving");
}

void SimPeer::stop()
{
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(3000);
    }
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
    return copy(QStringLiteral(TARVOLINK_SOURCE_DIR "/data/csv_file/") + name,
        dir + QStringLiteral("/csv_file/") + name, edit);
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
