#pragma once

#include "programoptions.h"
#include "settingsrecord.h"

#include <QString>

class VxCommModbusMaster;
class importfileThread;

// The settings of this run: read once at start, handed to every master and worker created, and
// written back at close only when "AutoSave" is set.
class SettingsBinder
{
public:
    // Reads the settings file and the program's options file; false when the settings file could
    // not be opened (its defaults stay).
    bool load(QString *error = nullptr);
    // Writes the options file at once: it is no part of the settings file saved at exit.
    bool saveOptions() const;
    // Writes the file when the record's AutoSave is set; returns whether it wrote.
    bool saveIfAutoSave() const;
    // The file read and written; the installation's settings file unless set.
    QString path() const;
    void setPath(const QString &path) { m_path = path; }
    // The options file, beside the settings file.
    QString optionsPath() const;

    SettingsRecord &record() { return m_record; }
    const SettingsRecord &record() const { return m_record; }
    ProgramOptions &options() { return m_options; }

    // Resends per exchange: the retry count, none while retries are switched off.
    int retries() const;
    void configureMaster(VxCommModbusMaster *master) const;
    void configureWorker(importfileThread *worker) const;

private:
    QString m_path;
    SettingsRecord m_record;
    ProgramOptions m_options;
};
