#include "programoptions.h"

#include "apppaths.h"

#include <QSettings>

namespace {
const QString BlockReadsKey = QStringLiteral("Communication/ReadInBlocks");
}

ProgramOptions ProgramOptions::load(const QString &path)
{
    ProgramOptions options;
    const QSettings file(path, QSettings::IniFormat);
    options.blockReads = file.value(BlockReadsKey, options.blockReads).toBool();
    return options;
}

bool ProgramOptions::save(const QString &path) const
{
    QSettings file(path, QSettings::IniFormat);
    file.setValue(BlockReadsKey, blockReads);
    file.sync();
    return file.status() == QSettings::NoError;
}

QString ProgramOptions::defaultPath()
{
    return AppPaths::configDir() + QStringLiteral("/tarvolink.ini");
}
