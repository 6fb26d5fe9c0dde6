#include "tripmessages.h"

#include "csvline.h"

#include <QFile>
#include <QTextStream>

namespace {

const QLatin1String kTripStart("[TRIP MESSAGES]");
const QLatin1String kTripEnd("[TRIP MESSAGES]END");

// Row n holds the text of fault n, either as "n;text" or as "text;" alone: the second field is
// the text only when the first is the row's own number.
QString tripText(const QStringList &fields, int row)
{
    bool isNumber = false;
    const int number = fields.value(0).trimmed().toInt(&isNumber);
    const QString second = fields.value(1).trimmed();
    return isNumber && number == row && !second.isEmpty() ? second : fields.value(0).trimmed();
}

} // namespace

TripMessages TripMessages::read(QTextStream &in)
{
    QStringList texts;
    bool inSection = false;
    QString line;
    while (in.readLineInto(&line)) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        // The markers are taken with or without a trailing ";".
        const QString first = line.section(QLatin1Char(';'), 0, 0).trimmed();
        if (!inSection) {
            inSection = first == kTripStart;
            continue;
        }
        if (first == kTripEnd)
            break;
        if (line.contains(QLatin1Char(';')))
            texts.append(tripText(line.split(QLatin1Char(';')), texts.size()));
    }
    return TripMessages(texts);
}

TripMessages TripMessages::readFile(const QString &path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return TripMessages();
    QTextStream in(&file);
    in.setCodec(CsvLine::codecForDeviceFile(path));
    return read(in);
}

QString TripMessages::faultText(int number) const
{
    if (number < 0)
        number = 0;
    if (number >= m_texts.size())
        return QStringLiteral("Undefined error");
    return QString::number(number) + QLatin1Char(' ') + m_texts.at(number);
}
