#include "ftpnames.h"

#include <QRegularExpression>

namespace FtpNames {

bool isCsvName(const QString &name)
{
    // Device file names carry their version ("RVNV2.05.csv"), so dots are allowed, ".." is not.
    static const QRegularExpression csv(
        QStringLiteral("^[\\p{L}\\p{N}._-]+\\.csv$"), QRegularExpression::CaseInsensitiveOption);
    return csv.match(name).hasMatch() && !name.contains(QLatin1String(".."));
}

bool isSafeLocalName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name.contains(QLatin1String(".."))
        || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))
        || name.contains(QLatin1Char(':')))
        return false;
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return false;
    }
    return true;
}

QString shown(const QString &name)
{
    QString text = name;
    for (QChar &c : text) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            c = QLatin1Char('?');
    }
    return text;
}

} // namespace FtpNames
