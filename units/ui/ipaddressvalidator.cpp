#include "ipaddressvalidator.h"

#include <QRegularExpression>

namespace {

const QRegularExpression &octetPattern()
{
    static const QRegularExpression re(QStringLiteral("^(?:[0-1]?[0-9]?[0-9]|2[0-4][0-9]|25[0-5])$"));
    return re;
}

QStringList octets(const QString &text)
{
    QString compact = text;
    compact.remove(QLatin1Char(' '));
    return compact.split(QLatin1Char('.'));
}

} // namespace

IpAddressValidator::IpAddressValidator(QObject *parent)
    : QValidator(parent)
{ }

QValidator::State IpAddressValidator::validate(QString &input, int &) const
{
    const QStringList parts = octets(input);
    if (parts.size() > 4)
        return Invalid;
    bool complete = parts.size() == 4;
    for (const QString &part : parts) {
        if (part.isEmpty()) {
            complete = false;
            continue;
        }
        // Every one- to three-digit text up to 255 matches, so an octet that does not match cannot
        // become valid by typing more digits.
        if (!octetPattern().match(part).hasMatch())
            return Invalid;
    }
    return complete ? Acceptable : Intermediate;
}

bool IpAddressValidator::isComplete(const QString &text)
{
    const QStringList parts = octets(text);
    if (parts.size() != 4)
        return false;
    for (const QString &part : parts) {
        if (part.isEmpty() || !octetPattern().match(part).hasMatch())
            return false;
    }
    return true;
}

QString IpAddressValidator::normalized(const QString &text)
{
    if (!isComplete(text))
        return text;
    QStringList parts = octets(text);
    for (QString &part : parts)
        part = QString::number(part.toInt());
    return parts.join(QLatin1Char('.'));
}
