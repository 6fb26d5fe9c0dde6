#include "scanrequest.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace ScanRules {

QString unitTextPattern()
{
    return QStringLiteral("^((([0-9]+)-([0-9]+))|[,]|[0-9]+)+$");
}

QString octetPattern()
{
    return QStringLiteral("(?:[0-1]?[0-9]?[0-9]|2[0-4][0-9]|25[0-5])");
}

UnitTextError expandUnitText(const QString &text, QVector<int> *units)
{
    units->clear();
    // "1-3,2" names unit 2 twice; it is asked once, in the place it was first named.
    const auto add = [units](int unit) {
        if (!units->contains(unit))
            units->append(unit);
    };
    const auto number = [](const QString &piece, int *value) {
        bool ok = false;
        *value = piece.trimmed().toInt(&ok);
        return ok;
    };
    for (const QString &piece : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList ends = piece.split(QLatin1Char('-'));
        if (ends.size() > 2)
            return UnitTextError::InvalidRange;
        int first = 0, last = 0;
        if (ends.size() == 1) {
            // A single number outside 1 to 255 would address nobody (0 is the broadcast).
            if (!number(ends.at(0), &first) || first < 1 || first > 255)
                return UnitTextError::InvalidUnitNumber;
            add(first);
            continue;
        }
        if (!number(ends.at(0), &first) || !number(ends.at(1), &last) || first >= last)
            return UnitTextError::InvalidRange;
        if (last > 255 || first < 1)
            return UnitTextError::InvalidUnitNumber;
        for (int n = first; n <= last; ++n)
            add(n);
    }
    return UnitTextError::None;
}

QString unitTextMessage(UnitTextError error, int interfaceNumber)
{
    switch (error) {
    case UnitTextError::None:
        return QString();
    case UnitTextError::InvalidRange:
        return QCoreApplication::translate("ScanRules", "Please provide valid unit range");
    case UnitTextError::InvalidUnitNumber:
        break;
    }
    return interfaceNumber == 1 ? QCoreApplication::translate(
               "ScanRules", "Invalid Unit Number on RS232 interface: Unit range is 1-255")
                                : QCoreApplication::translate("ScanRules",
                                    "Invalid Unit Number on RS485 interface: Unit range is 1-255");
}

QStringList octets(const QString &address)
{
    static const QRegularExpression octet(QLatin1Char('^') + octetPattern() + QLatin1Char('$'));
    QStringList parts = address.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return {};
    for (QString &part : parts) {
        part = part.trimmed();
        if (!octet.match(part).hasMatch())
            return {};
        part = QString::number(part.toInt()); // "060" and "60" are one address
    }
    return parts;
}

namespace {
bool isFour(const QStringList &address)
{
    return octets(address.join(QLatin1Char('.'))).size() == 4;
}
bool isZero(const QStringList &address)
{
    return octets(address.join(QLatin1Char('.'))) == QStringList { "0", "0", "0", "0" };
}
} // namespace

bool isValidIpRange(const QStringList &start, const QStringList &end)
{
    if (!isFour(start) || !isFour(end))
        return false;
    const QStringList s = octets(start.join(QLatin1Char('.')));
    const QStringList e = octets(end.join(QLatin1Char('.')));
    return s.mid(0, 3) == e.mid(0, 3) && s.at(3).toInt() <= e.at(3).toInt();
}

QStringList ipAddresses(const ethernetInfoForAutoScan &range)
{
    if (!isFour(range.startIp) || !isFour(range.endIp) || isZero(range.startIp) || isZero(range.endIp))
        return {};
    const QStringList s = octets(range.startIp.join(QLatin1Char('.')));
    const QStringList e = octets(range.endIp.join(QLatin1Char('.')));
    if (s == e)
        return { s.join(QLatin1Char('.')) };
    const QString prefix = QStringList(s.mid(0, 3)).join(QLatin1Char('.')) + QLatin1Char('.');
    QStringList addresses;
    for (int last = s.at(3).toInt(); last <= e.at(3).toInt(); ++last)
        addresses.append(prefix + QString::number(last));
    return addresses;
}

int progressTotal(const rs232InfoForAutoScan &rs232, const rs485InfoForAutoScan &rs485,
    const ethernetInfoForAutoScan &range)
{
    // Each unit number counts once however many ports it is tried on.
    return int(rs232.units.size() + rs485.units.size() + ipAddresses(range).size());
}

} // namespace ScanRules

namespace ScanRules {

namespace {
bool blankAddress(const QString &text)
{
    QString rest = text;
    rest.remove(QLatin1Char('.'));
    return rest.trimmed().isEmpty();
}
} // namespace

QString validateForm(
    const ScanForm &form, QVector<int> *rs232Units, QVector<int> *rs485Units, ethernetInfoForAutoScan *range)
{
    rs232Units->clear();
    rs485Units->clear();
    *range = ethernetInfoForAutoScan();
    const bool noRange = blankAddress(form.startIp) && blankAddress(form.endIp);
    if (form.rs232Ports.isEmpty() && form.rs485Ports.isEmpty() && noRange)
        return QCoreApplication::translate("ScanRules", "Please provide required information");
    if ((!form.rs232Ports.isEmpty() && form.rs232Units.trimmed().isEmpty())
        || (!form.rs485Ports.isEmpty() && form.rs485Units.trimmed().isEmpty()))
        return QCoreApplication::translate("ScanRules", "Please provide unit range");
    for (const QString &port : form.rs232Ports) {
        if (form.rs485Ports.contains(port))
            return QCoreApplication::translate("ScanRules", "Duplicate configuration in RS232 and RS485");
    }
    if (!form.rs232Ports.isEmpty()) {
        const UnitTextError e = expandUnitText(form.rs232Units, rs232Units);
        if (e != UnitTextError::None)
            return unitTextMessage(e, 1);
    }
    if (!form.rs485Ports.isEmpty()) {
        const UnitTextError e = expandUnitText(form.rs485Units, rs485Units);
        if (e != UnitTextError::None)
            return unitTextMessage(e, 2);
    }
    if (!noRange) {
        const QStringList start = octets(form.startIp);
        const QStringList end = octets(form.endIp);
        if (!isValidIpRange(start, end))
            return QCoreApplication::translate("ScanRules", "Please provide valid TCP/IP range");
        range->startIp = start;
        range->endIp = end;
    }
    return QString();
}

} // namespace ScanRules
