#include "apppaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QMutex>
#include <QMutexLocker>

namespace {
// Read from worker threads (identification) and written by tests or tools at start-up.
QMutex overrideMutex;
QString overrideDir;
} // namespace

namespace AppPaths {

QString baseDir()
{
    {
        QMutexLocker locker(&overrideMutex);
        if (!overrideDir.isEmpty())
            return overrideDir;
    }
    const QString fromEnv = qEnvironmentVariable("TARVOLINK_HOME");
    if (!fromEnv.isEmpty())
        return QDir::cleanPath(fromEnv);
    return QCoreApplication::applicationDirPath();
}

void setBaseDir(const QString &dir)
{
    QMutexLocker locker(&overrideMutex);
    overrideDir = dir.isEmpty() ? QString() : QDir::cleanPath(QDir(dir).absolutePath());
}

QString configDir()
{
    return baseDir() + QStringLiteral("/configData");
}
QString csvDir()
{
    return baseDir() + QStringLiteral("/csv_file");
}
QString logDir()
{
    return baseDir() + QStringLiteral("/LogData");
}
QString triggerDir()
{
    return baseDir() + QStringLiteral("/TRIGGER");
}
QString generalCsvPath()
{
    return QDir::toNativeSeparators(configDir() + QStringLiteral("/general.csv"));
}
QString settingsPath()
{
    return configDir() + QStringLiteral("/settings.set");
}
QString tempRecordingPath()
{
    return baseDir() + QStringLiteral("/TEMP.peb");
}

} // namespace AppPaths
