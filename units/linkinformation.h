#pragma once

#include <QString>
#include <QStringList>

// The texts of the link-information log: one row per link outcome and the byte lines of each exchange.
namespace LinkInformation {

inline QString kindLink()
{
    return QStringLiteral("Link Information");
}
inline QString kindError()
{
    return QStringLiteral("error information");
}
// A scan candidate that did not answer: logged, but the scan's result rather than an alert.
inline QString kindScan()
{
    return QStringLiteral("scan result");
}

// unit number, device name ("no device name" when empty), port or address, result, message,
// "\t----\t", kind; fields separated by tabs.
QString row(const QStringList &entry, const QString &result, const QString &message,
    const QString &kind = kindLink());

// "5\tRVN-1 (5)\tTx Msg: \t01    03    ..." — every byte followed by four blanks. An empty name
// is written "NO_UNIT_NAME".
QString byteLine(int unitId, const QString &deviceName, bool transmitted, const QStringList &bytes);

} // namespace LinkInformation
