#include "linkrecords.h"

#include "linkdescriber.h"
#include "linkmonitormodel.h"
#include "safesave.h"

#include <QDateTime>
#include <QJsonArray>
#include <QSaveFile>
#include <QSortFilterProxyModel>
#include <QTextStream>

namespace {

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"'))
        && !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString numbers(const QVector<quint16> &values)
{
    QStringList texts;
    for (quint16 v : values)
        texts << QString::number(v);
    return texts.join(QLatin1Char(' '));
}

QJsonArray jsonNumbers(const QVector<quint16> &values)
{
    QJsonArray array;
    for (quint16 v : values)
        array.append(int(v));
    return array;
}

QString durationMs(const LinkExchange &e)
{
    return QString::number(double(e.durationUs) / 1000.0, 'f', 3); // always a decimal point
}

} // namespace

QString LinkRecords::outcomeWord(const LinkExchange &e)
{
    if (e.outcome == LinkOutcome::Exception)
        return QStringLiteral("exception %1").arg(e.exception);
    return QString::fromLatin1(LinkTap::outcomeName(e.outcome));
}

bool LinkRecords::saveCsv(
    const QString &fileName, const LinkMonitorModel &model, const QAbstractItemModel *shown, QString *error)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        if (error)
            *error = SafeSave::failureText(fileName, file.errorString());
        return false;
    }
    QTextStream out(&file);
    out.setCodec("UTF-8");
    out << "time,link,unit,unit name,asked for,kind,function,register,count,written,values,outcome,"
           "exception,attempt,duration ms,request,reply\n";
    const auto *filter = qobject_cast<const QSortFilterProxyModel *>(shown);
    const int rows = filter ? filter->rowCount() : model.rowCount();
    for (int i = 0; i < rows; ++i) {
        const int source = filter ? filter->mapToSource(filter->index(i, 0)).row() : i;
        const LinkRow &r = model.row(source);
        const LinkExchange &e = r.exchange;
        const QStringList fields { LinkMonitorModel::timeText(e.timeMs), e.link, QString::number(e.unit),
            r.unitName, r.what, QString::fromLatin1(LinkTap::purposeName(e.purpose)),
            QString::number(e.function), QString::number(e.firstRegister), QString::number(e.count),
            numbers(e.writtenValues()), numbers(e.replyValues()), outcomeWord(e),
            QString::number(e.exception), QString::number(e.attempt), durationMs(e),
            QString::fromLatin1(e.request.toHex(' ')), QString::fromLatin1(e.reply.toHex(' ')) };
        QStringList quoted;
        for (const QString &field : fields)
            quoted << csvField(field);
        out << quoted.join(QLatin1Char(',')) << '\n';
    }
    out.flush();
    return SafeSave::commit(file, error);
}

QJsonObject LinkRecords::toJson(const LinkExchange &e, const QString &unitName, const QString &what)
{
    QJsonObject o;
    o.insert(QStringLiteral("time"), LinkMonitorModel::timeText(e.timeMs));
    o.insert(QStringLiteral("time_ms"), double(e.timeMs));
    o.insert(QStringLiteral("link"), e.link);
    o.insert(QStringLiteral("unit"), e.unit);
    o.insert(QStringLiteral("unit_name"), unitName);
    o.insert(QStringLiteral("function"), e.function);
    o.insert(QStringLiteral("register"), e.firstRegister);
    o.insert(QStringLiteral("count"), e.count);
    o.insert(QStringLiteral("kind"), QString::fromLatin1(LinkTap::purposeName(e.purpose)));
    o.insert(QStringLiteral("asked_for"), what);
    o.insert(QStringLiteral("written"), jsonNumbers(e.writtenValues()));
    o.insert(QStringLiteral("values"), jsonNumbers(e.replyValues()));
    o.insert(QStringLiteral("exception"), e.exception);
    o.insert(QStringLiteral("request"), QString::fromLatin1(e.request.toHex(' ')));
    o.insert(QStringLiteral("reply"), QString::fromLatin1(e.reply.toHex(' ')));
    o.insert(QStringLiteral("attempt"), e.attempt);
    o.insert(QStringLiteral("duration_ms"), double(e.durationUs) / 1000.0);
    o.insert(QStringLiteral("outcome"), QString::fromLatin1(LinkTap::outcomeName(e.outcome)));
    return o;
}

QString LinkRecords::traceLine(const LinkExchange &e, const QString &unitName, const QString &what)
{
    const bool write = !e.writtenValues().isEmpty();
    const QString values = numbers(write ? e.writtenValues() : e.replyValues());
    QString line
        = QStringLiteral("%1 %2 unit %3")
              .arg(QDateTime::fromMSecsSinceEpoch(e.timeMs).toString(QStringLiteral("HH:mm:ss.zzz")), e.link)
              .arg(e.unit);
    if (!unitName.isEmpty())
        line += QStringLiteral(" (%1)").arg(unitName);
    line += QStringLiteral(" fc %1 %2 x%3").arg(e.function).arg(e.firstRegister).arg(e.count);
    if (!what.isEmpty())
        line += QLatin1Char(' ') + what;
    if (!values.isEmpty())
        line += (write ? QStringLiteral(" <- ") : QStringLiteral(" = ")) + values;
    line += QLatin1Char(' ') + outcomeWord(e);
    if (e.attempt > 1)
        line += QStringLiteral(" attempt %1").arg(e.attempt);
    return line + QStringLiteral(" %1 ms").arg(durationMs(e));
}
