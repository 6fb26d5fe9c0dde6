#pragma once

#include <QString>
#include <QStringList>

class QTextCodec;

// The line format shared by general.csv and the device description files.
namespace CsvLine {

// Splits at ";" keeping empty fields; removes every "," from each field and trims a field
// that contains a blank.
QStringList split(const QString &line);

// Cleans one field as split() does.
QString cleanField(const QString &field);

// "UTF8" in the file name means UTF-8; every other device description file is Windows-1252.
QTextCodec *codecForDeviceFile(const QString &fileName);

} // namespace CsvLine
