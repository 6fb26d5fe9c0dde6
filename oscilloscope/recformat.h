#pragma once

#include <QDate>
#include <QDateTime>
#include <QLatin1String>
#include <QString>
#include <QStringList>

class QTextCodec;

// The line texts of a recording file (".rec", the running "TEMP.peb" and the trigger files):
// fields separated by ";", every field followed by ";".
namespace RecFormat {

inline QLatin1String commentMarker()
{
    return QLatin1String("[COMMENT]");
}
inline QLatin1String headerTime()
{
    return QLatin1String("Time ");
}

// Written files are UTF-8: signal names and comments keep "°", "€" and "ä".
QTextCodec *writeCodec();

QString dateText(const QDate &date); // "M/d/yyyy"
QString timeText(const QDateTime &time); // "hh:mm:ss AP,zzz" (12-hour clock)
QString timeText(qint64 msecsSinceEpoch);
// Unit line: number; first three characters of the unit name; the name; entry field 11; the file
// name of the device description file (entry field 8 without its folders).
QString unitLine(int number, const QStringList &entry);
// Header line: "Time ;Unit N;" and every signal name followed by ";".
QString headerLine(int number, const QStringList &names);

} // namespace RecFormat
