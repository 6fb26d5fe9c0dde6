#include "csvline.h"

#include <QTextCodec>

namespace CsvLine {

QString cleanField(const QString &field)
{
    QString cleaned = field;
    cleaned.remove(QLatin1Char(','));
    if (cleaned.contains(QLatin1Char(' ')) || cleaned.contains(QLatin1Char('\t')))
        cleaned = cleaned.trimmed();
    return cleaned;
}

QStringList split(const QString &line)
{
    QStringList fields = line.split(QLatin1Char(';'));
    for (QString &field : fields)
        field = cleanField(field);
    return fields;
}

QTextCodec *codecForDeviceFile(const QString &fileName)
{
    if (fileName.contains(QLatin1String("UTF8")))
        return QTextCodec::codecForName("UTF-8");
    return QTextCodec::codecForName("Windows-1252");
}

} // namespace CsvLine
