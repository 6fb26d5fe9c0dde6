#include "linkinformation.h"

#include "unitentryfields.h"

namespace F = UnitEntryField;

QString LinkInformation::row(
    const QStringList &entry, const QString &result, const QString &message, const QString &kind)
{
    QString name = F::at(entry, F::Name);
    if (name.isEmpty())
        name = QStringLiteral("no device name");
    const QString where
        = F::at(entry, F::Interface) == F::tcpIp() ? F::at(entry, F::IpAddress) : F::at(entry, F::Port);
    return F::at(entry, F::Number) + QLatin1Char('\t') + name + QLatin1Char('\t') + where + QLatin1Char('\t')
        + result + QLatin1Char('\t') + message + QStringLiteral("\t----\t") + kind;
}

QString LinkInformation::byteLine(
    int unitId, const QString &deviceName, bool transmitted, const QStringList &bytes)
{
    QString line = QString::number(unitId) + QLatin1Char('\t')
        + (deviceName.isEmpty() ? QStringLiteral("NO_UNIT_NAME") : deviceName)
        + (transmitted ? QStringLiteral("\tTx Msg: \t") : QStringLiteral("\tRx Msg:\t"));
    for (const QString &b : bytes)
        line += b + QStringLiteral("    ");
    return line;
}
