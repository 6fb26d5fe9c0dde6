#pragma once

#include <QString>

// Every file "beside the program" is found through here, so tests and tools can point the
// whole program at another installation folder.
namespace AppPaths {

// The folder every file below is found in: the program's own folder when it can hold the user's
// files (a build or a portable copy), otherwise the user's data folder (userDataDir), created and
// seeded from the installation on first use. setBaseDir() and TARVOLINK_HOME override both.
QString baseDir();
// The folder the program was installed in (read-only once installed): the user guide lives here.
QString installDir();
// The per-user folder of an installed program, e.g. ~/.local/share/tarvolink.
QString userDataDir();
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
