#pragma once

#include "settingsrecord.h"

class QIODevice;
class QString;

// Reads and writes the settings file "settings.set" (UTF-8, one ";"-terminated field list per line).
namespace SettingsFile {

// Fills record from the file. Returns false when the file cannot be opened; the record is then
// left exactly as it was, so every dialog keeps its built-in defaults. A file far larger than
// any settings file is not read: *error says so, and "AutoSave" is switched off in the record
// so that the file is not replaced by defaults at exit.
bool load(const QString &path, SettingsRecord &record, QString *error = nullptr);

// Reads the settings text from device (already open for reading) into record. Values that are
// missing, empty or unusable keep what record held; lines not understood go to record.kept.
void read(QIODevice &device, SettingsRecord &record);

// Writes the whole settings text to device (already open for writing). Returns false on a write error.
bool write(QIODevice &device, const SettingsRecord &record);

// Replaces the file by the record. The new content becomes visible only once completely written,
// so a failure at any point leaves the previous file as it was. Returns whether the file was written.
bool save(const SettingsRecord &record, const QString &path);

// The close-down rule: the file is written only when the record's "AutoSave" preference is set;
// otherwise it keeps its old content. Returns whether it wrote.
bool saveIfAutoSave(const SettingsRecord &record, const QString &path);

} // namespace SettingsFile
