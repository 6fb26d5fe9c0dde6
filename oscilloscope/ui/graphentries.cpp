#include "graphentries.h"

#include "signaldecoding.h"

namespace {
// Fields of a stored signal row beside those the decoding reads.
enum { UnitField = 3, MinField = 4, MaxField = 5 };
} // namespace

namespace GraphEntries {

QVector<GraphEntry> build(const QList<QStringList> &signalRows)
{
    QVector<GraphEntry> entries;
    for (int s = 0; s < signalRows.size(); ++s) {
        const SignalDecoding::Format format = SignalDecoding::formatOf(signalRows.at(s));
        if (format.kind == SignalDecoding::Kind::BitPattern) {
            for (int bit = 0; bit < 16; ++bit)
                entries.append(GraphEntry { s, bit });
        } else {
            entries.append(GraphEntry { s, -1 });
        }
    }
    return entries;
}

GraphEntry at(const QVector<GraphEntry> &entries, int number)
{
    return number >= 0 && number < entries.size() ? entries.at(number) : GraphEntry();
}

QString name(const QList<QStringList> &signalRows, const GraphEntry &entry)
{
    if (entry.signal < 0 || entry.signal >= signalRows.size())
        return QString();
    const QString base = signalRows.at(entry.signal).value(0);
    return entry.isDigital() ? base + QStringLiteral(".Bit") + QString::number(entry.bit) : base;
}

QString unit(const QList<QStringList> &signalRows, const GraphEntry &entry)
{
    if (entry.isDigital() || entry.signal < 0 || entry.signal >= signalRows.size())
        return QString();
    return signalRows.at(entry.signal).value(UnitField);
}

bool range(const QList<QStringList> &signalRows, int signal, double *min, double *max)
{
    const QStringList row = signalRows.value(signal);
    bool okMin = false;
    bool okMax = false;
    *min = row.value(MinField).toDouble(&okMin);
    *max = row.value(MaxField).toDouble(&okMax);
    return okMin && okMax && *max > *min;
}

double scaled(double min, double max, double low, double high, double value)
{
    if (max <= min)
        return value;
    return (low * max - min * high) / (max - min) + (high - low) / (max - min) * value;
}

double unscaled(double min, double max, double low, double high, double y)
{
    if (max <= min || high <= low)
        return y;
    return min + (y - low) * (max - min) / (high - low);
}

} // namespace GraphEntries
