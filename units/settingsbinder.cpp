#include "settingsbinder.h"

#include "apppaths.h"
#include "importfilethread.h"
#include "settingsfile.h"
#include "vxcommmodbusmaster.h"

bool SettingsBinder::load(QString *error)
{
    return SettingsFile::load(path(), m_record, error);
}

bool SettingsBinder::saveIfAutoSave() const
{
    return SettingsFile::saveIfAutoSave(m_record, path());
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
}
