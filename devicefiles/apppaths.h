#pragma once

#include <QString>

// Every file "beside the program" is found through here, so tests and tools can point the
// whole program at another installation folder.
namespace AppPaths {

// The installation folder: the program's own folder unless overridden.
QString baseDir();
// Overrides baseDir() for this process (tests, --data of the tools). An empty text restores the default.
void setBaseDir(const QString &dir);

QString configDir(); // baseDir + "/configData"
QString csvDir(); // baseDir + "/csv_file"
QString logDir(); // baseDir + "/LogData"
QString triggerDir(); // baseDir + "/TRIGGER"
QString generalCsvPath(); // configDir + "/general.csv", native separators
QString settingsPath(); // configDir + "/settings.set"
QString tempRecordingPath(); // baseDir + "/TEMP.peb"

} // namespace AppPaths
