#include "signaldecoding.h"

#include "devicefiles.h"
#include "registerword.h"
#include "signalcatalogue.h"

namespace SignalDecoding {

Format formatOf(const QStringList &row)
{
    Format format;
    format.faultCode = row.value(SignalCatalogue::FaultCodeField).contains(QLatin1Char('Y'));
    const QString mask = row.value(SignalCatalogue::MaskField);
    if (mask.contains(QLatin1Char('N'))) {
        const QString number = row.value(SignalCatalogue::FormatField);
        if (number.contains(QLatin1Char('E')))
            format.kind = Kind::Decimal;
        else if (number.contains(QLatin1Char('N')))
            format.kind = Kind::Signed;
        else
            format.kind = Kind::Unsigned;
    } else if (format.faultCode) {
        format.kind = Kind::Unsigned;
    } else {
        format.kind = Kind::BitPattern;
        format.mask = quint16(mask.trimmed().toUInt());
    }
    return format;
}

double value(const Format &format, quint16 word)
{
    switch (format.kind) {
    case Kind::Decimal:
        return RegisterWord::decode(word);
    case Kind::Signed:
        return double(qint16(word));
    case Kind::Unsigned:
        return double(word);
    case Kind::BitPattern:
        return double(word & format.mask);
    }
    return 0.0;
}

QString bitPattern(quint16 word, quint16 mask)
{
    QString pattern(16, QLatin1Char('-'));
    QChar *out = pattern.data();
    for (int bit = 15; bit >= 0; --bit, ++out) {
        const quint16 b = quint16(1u << bit);
        if (mask & b)
            *out = QLatin1Char((word & b) ? 'H' : 'L');
    }
    return pattern;
}

QString numberText(double v)
{
    return QString::number(v, 'g', 6);
}

QString text(const Format &format, quint16 word)
{
    if (format.kind == Kind::BitPattern)
        return bitPattern(word, format.mask);
    return numberText(value(format, word));
}

QString fileText(const Format &format, quint16 word)
{
    if (format.kind == Kind::BitPattern)
        return bitPattern(word, format.mask);
    QString t = numberText(value(format, word));
    if (format.faultCode)
        return QLatin1String("F:") + t;
    t.replace(QLatin1Char('.'), QLatin1Char(','));
    return t;
}

int tableType(quint16 registerNumber)
{
    return DeviceFiles::tableTypeOf(registerNumber);
}

} // namespace SignalDecoding
