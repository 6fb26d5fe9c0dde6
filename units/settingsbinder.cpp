#include "settingsbinder.h"

#include "apppaths.h"
#include "importfilethread.h"
#include "settingsfile.h"
#include "vxcommmodbusmaster.h"

#include <QFileInfo>

bool SettingsBinder::load(QString *error)
{
    m_options = ProgramOptions::load(optionsPath());
    return SettingsFile::load(path(), m_record, error);
}

bool SettingsBinder::saveIfAutoSave() const
{
    return SettingsFile::saveIfAutoSave(m_record, path());
}

bool SettingsBinder::saveOptions() const
{
    return m_options.save(optionsPath());
}

QString SettingsBinder::optionsPath() const
{
    return m_path.isEmpty() ? ProgramOptions::defaultPath()
                            : QFileInfo(m_path).absolutePath() + QStringLiteral("/tarvolink.ini");
}

QString SettingsBinder::path() const
{
    return m_path.isEmpty() ? AppPaths::settingsPath() : m_path;
}

int SettingsBinder::retries() const
{
    return m_record.retriesEnabled ? int(m_record.retries) : 0;
}

void SettingsBinder::configureMaster(VxCommModbusMaster *master) const
{
    master->VxCommSetMsgDelay(int(m_record.delayMs));
    master->VxCommSetNoOfRetries(retries());
}

void SettingsBinder::configureWorker(importfileThread *worker) const
{
    worker->setIgnoreCommFault(m_record.continueDespiteFault);
    worker->setExportOnlyChanged(m_record.exportOnlyChanged);
    worker->setBlockReads(m_options.blockReads);
}
