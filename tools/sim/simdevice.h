#pragma once

#include <QString>

class SimUnit;

// Fills a simulated drive from the installation data: identification registers from
// general.csv, parameters with their delivered values, record-value signals, control panel
// registers and the trip log, all from one device description file.
namespace SimDevice {

// The device description file for --device: a name in csv_file, a path, or (empty) the
// first model shipped. Empty result with `error` set when there is none.
QString resolveDeviceFile(const QString &argument, QString *error);

// Version word and sub-version word that a file name such as "ABCV2.05.csv" or
// "ABCP1.10-01.03_UTF8.csv" stands for; false when the name carries no version.
bool versionFromFileName(const QString &fileName, quint16 *version, quint16 *subVersion);

bool populate(SimUnit &unit, const QString &deviceFile, int sizeCode, QString *error);

} // namespace SimDevice
