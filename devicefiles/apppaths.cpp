#include "apppaths.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QSettings>
#include <QStandardPaths>

namespace {
// Read from worker threads (identification) and written by tests or tools at start-up.
QMutex overrideMutex;
QString overrideDir;
// The user folder is prepared once per process, on the first call that needs it.
QMutex userMutex;
QString preparedUserDir;

// The folders an installation ships and a user folder is seeded from.
const char *const kSeededFolders[] = { "configData", "csv_file" };
// Which shipped file each seeded copy came from (its checksum), so that a newer installation can
// bring a copy the user never touched up to date without overwriting one the user changed.
const char kSeedRecord[] = "/configData/seeded.ini";

QByteArray checksumOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result().toHex();
}

// True when the program's own folder holds the user's files: a build folder or a copied,
// portable installation. An installed package's folder belongs to the system; its marker file
// says so even to root, for whom every folder is writable.
bool programFolderHoldsUserFiles(const QString &programDir)
{
    if (QFileInfo::exists(programDir + QStringLiteral("/tarvolink.installed")))
        return false;
    const QFileInfo config(programDir + QStringLiteral("/configData"));
    return !config.exists() || (config.isDir() && config.isWritable());
}

void seedUserFolder(const QString &installDir, const QString &userDir)
{
    QSettings record(userDir + QLatin1String(kSeedRecord), QSettings::IniFormat);
    for (const char *folder : kSeededFolders) {
        const QString from = installDir + QLatin1Char('/') + QLatin1String(folder);
        const QString to = userDir + QLatin1Char('/') + QLatin1String(folder);
        QDir().mkpath(to);
        const QStringList names = QDir(from).entryList(QDir::Files);
        for (const QString &name : names) {
            const QString source = from + QLatin1Char('/') + name;
            const QString target = to + QLatin1Char('/') + name;
            const QString key = QLatin1String(folder) + QLatin1Char('/') + name;
            const QByteArray shipped = checksumOf(source);
            if (QFileInfo::exists(target)) {
                // Replaced only when it is still the copy we made and the installation changed.
                const QByteArray seeded = record.value(key).toByteArray();
                const QByteArray present = checksumOf(target);
                if (seeded.isEmpty() || present != seeded || present == shipped)
                    continue;
                QFile::remove(target);
            }
            if (QFile::copy(source, target)) {
                QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
                record.setValue(key, shipped);
            }
        }
    }
}
} // namespace

namespace AppPaths {

QString installDir()
{
    return QCoreApplication::applicationDirPath();
}

QString userDataDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/tarvolink");
}

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
    const QString programDir = installDir();
    if (programFolderHoldsUserFiles(programDir))
        return programDir;
    QMutexLocker locker(&userMutex);
    if (preparedUserDir.isEmpty()) {
        preparedUserDir = userDataDir();
        QDir().mkpath(preparedUserDir);
        seedUserFolder(programDir, preparedUserDir);
    }
    return preparedUserDir;
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
