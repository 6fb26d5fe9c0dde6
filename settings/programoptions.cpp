#include "programoptions.h"

#include "apppaths.h"

#include <QSettings>

namespace {
const QString BlockReadsKey = QStringLiteral("Communication/ReadInBlocks");
const QString GeometryKey = QStringLiteral("Window/Geometry");
const QString PanesKey = QStringLiteral("Window/Panes");
} // namespace

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
    // Only its own key: the window's layout is written by the window.
    file.setValue(BlockReadsKey, blockReads);
    file.sync();
    return file.status() == QSettings::NoError;
}

QString ProgramOptions::defaultPath()
{
    return AppPaths::configDir() + QStringLiteral("/tarvolink.ini");
}

WindowLayout WindowLayout::load(const QString &path)
{
    const QSettings file(path, QSettings::IniFormat);
    return { file.value(GeometryKey).toByteArray(), file.value(PanesKey).toByteArray() };
}

bool WindowLayout::save(const QString &path) const
{
    QSettings file(path, QSettings::IniFormat);
    file.setValue(GeometryKey, geometry);
    file.setValue(PanesKey, panes);
    file.sync();
    return file.status() == QSettings::NoError;
}
