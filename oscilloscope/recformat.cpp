#include "recformat.h"

#include "unitentryfields.h"

#include <QLocale>
#include <QTextCodec>

namespace RecFormat {

QTextCodec *writeCodec()
{
    return QTextCodec::codecForName("UTF-8");
}

QString dateText(const QDate &date)
{
    return QLocale::c().toString(date, QStringLiteral("M/d/yyyy"));
}

QString timeText(const QDateTime &time)
{
    return QLocale::c().toString(time, QStringLiteral("hh:mm:ss AP,zzz"));
}

QString timeText(qint64 msecsSinceEpoch)
{
    return timeText(QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch));
}

QString unitLine(int number, const QStringList &entry)
{
    const QString name = UnitEntryField::at(entry, UnitEntryField::Name);
    QString file = UnitEntryField::at(entry, UnitEntryField::DeviceFile);
    const QChar separator = file.contains(QLatin1Char('/')) ? QLatin1Char('/') : QLatin1Char('\\');
    file = file.section(separator, -1);
    return QString::number(number) + QLatin1Char(';') + name.left(3) + QLatin1Char(';') + name
        + QLatin1Char(';') + UnitEntryField::at(entry, UnitEntryField::Version) + QLatin1Char(';') + file
        + QLatin1Char(';');
}

QString headerLine(int number, const QStringList &names)
{
    QString line = headerTime() + QLatin1String(";Unit ") + QString::number(number) + QLatin1Char(';');
    for (const QString &name : names)
        line += name + QLatin1Char(';');
    return line;
}

} // namespace RecFormat
