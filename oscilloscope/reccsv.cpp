#include "reccsv.h"

#include "oscunitdev.h"
#include "recfilereader.h"
#include "safesave.h"
#include "signaldecoding.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringList>
#include <QTextStream>
#include <QVector>
#include <algorithm>

namespace {

const QString kSilentNote = QStringLiteral("No answer from unit %1 in samples %2");

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"'))
        && !text.contains(QLatin1Char('\n')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1String("\""), QLatin1String("\"\""))
        + QLatin1Char('"');
}

QString csvValue(const RecordingUnit &unit, int row, int signal)
{
    const double v = unit.value(row, signal);
    switch (unit.kind(row, signal)) {
    case RecordingUnit::Number:
    case RecordingUnit::Fault:
        return SignalDecoding::numberText(v);
    default:
        return csvField(unit.cellText(row, signal));
    }
}

} // namespace

namespace RecCsv {

QString silentNote(int unit, const OscUnitDev &device)
{
    QStringList ranges;
    int first = -1;
    for (int i = 0; i <= device.sampleCount(); ++i) {
        const bool silent = i < device.sampleCount() && device.sampleState(i) != OscUnitDev::Valid;
        if (silent && first < 0)
            first = i;
        if (!silent && first >= 0) {
            ranges << (first == i - 1 ? QString::number(i) : QStringLiteral("%1-%2").arg(first + 1).arg(i));
            first = -1;
        }
    }
    return ranges.isEmpty() ? QString() : kSilentNote.arg(unit).arg(ranges.join(QLatin1String(", ")));
}

QSet<int> silentRows(const QString &comment, int unit)
{
    static const QRegularExpression note(
        QStringLiteral("^No answer from unit (\\d+) in samples ([\\d, -]+)$"),
        QRegularExpression::MultilineOption);
    QSet<int> rows;
    for (auto m = note.globalMatch(comment); m.hasNext();) {
        const QRegularExpressionMatch match = m.next();
        if (match.captured(1).toInt() != unit)
            continue;
        for (const QString &range : match.captured(2).split(QLatin1Char(','))) {
            const int first = range.section(QLatin1Char('-'), 0, 0).toInt();
            const int last
                = range.contains(QLatin1Char('-')) ? range.section(QLatin1Char('-'), 1).toInt() : first;
            for (int row = first; row >= 1 && row <= last && last - first < 10000000; ++row)
                rows.insert(row - 1);
        }
    }
    return rows;
}

bool write(const Recording &rec, QIODevice *out)
{
    QStringList header { QStringLiteral("time"), QStringLiteral("unit") };
    QVector<int> firstColumn;
    for (int u = 0; u < rec.units.size(); ++u) {
        firstColumn.append(header.size());
        for (const QString &name : rec.units[u].signalNames)
            header.append(
                csvField(rec.units.size() > 1 ? QStringLiteral("%1:%2").arg(u + 1).arg(name) : name));
    }
    struct Row
    {
        qint64 time;
        int unit;
        int row;
    };
    QVector<Row> rows;
    QVector<QSet<int>> silent;
    for (int u = 0; u < rec.units.size(); ++u) {
        silent.append(silentRows(rec.comment, u + 1));
        for (int r = 0; r < rec.units[u].rowCount(); ++r)
            rows.append({ rec.units[u].times.at(r), u, r });
    }
    std::stable_sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) { return a.time < b.time; });

    QTextStream text(out);
    text.setCodec("UTF-8");
    text << header.join(QLatin1Char(',')) << '\n';
    for (const Row &row : qAsConst(rows)) {
        const RecordingUnit &unit = rec.units.at(row.unit);
        QVector<QString> fields(header.size());
        fields[0]
            = QDateTime::fromMSecsSinceEpoch(row.time).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz"));
        fields[1] = QString::number(row.unit + 1);
        if (!silent.at(row.unit).contains(row.row)) {
            for (int s = 0; s < unit.signalCount(); ++s)
                fields[firstColumn[row.unit] + s] = csvValue(unit, row.row, s);
        }
        text << QStringList(fields.toList()).join(QLatin1Char(',')) << '\n';
    }
    text.flush();
    return text.status() == QTextStream::Ok;
}

bool writeFile(const Recording &recording, const QString &path, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = SafeSave::failureText(path, file.errorString());
        return false;
    }
    write(recording, &file);
    return SafeSave::commit(file, error);
}

} // namespace RecCsv
