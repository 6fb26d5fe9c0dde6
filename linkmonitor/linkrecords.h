#pragma once

#include "linktap.h"

#include <QJsonObject>
#include <QString>

class LinkMonitorModel;
class QAbstractItemModel;

// The exchanges written out: CSV for a colleague, JSON lines and one-line traces for scripts.
// The words are the program's own, untranslated, so that files read the same in every language.
namespace LinkRecords {

// Comma-separated, decimal point, ISO 8601 times in UTC, raw bytes as hex. `shown` (a filter
// over `model`) limits the rows to those it shows. False with *error when the file cannot be written;
// a file already there stays as it was.
bool saveCsv(
    const QString &fileName, const LinkMonitorModel &model, const QAbstractItemModel *shown, QString *error);

// One exchange as an object: the fields of the record plus the unit name and what was asked for.
QJsonObject toJson(const LinkExchange &exchange, const QString &unitName, const QString &what);

// "12:00:01.234 192.168.0.5 unit 1 fc 3 40222 x1 222 Motor frequency, set A = 500 ok 1 12.3 ms"
QString traceLine(const LinkExchange &exchange, const QString &unitName, const QString &what);

QString outcomeWord(const LinkExchange &exchange);

} // namespace LinkRecords
