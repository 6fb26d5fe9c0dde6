#include "registerword.h"

#include <QtMath>
#include <cmath>

namespace RegisterWord {

namespace {

constexpr int kMinExponent = -8;
constexpr int kMaxExponent = 7;
constexpr int kMaxDecimals = 16;

bool isWhole(double y)
{
    return std::fabs(y - std::round(y)) <= 1e-9 * std::max(1.0, std::fabs(y));
}

double powerOfTen(int exponent)
{
    // Dividing by an exact power of ten keeps 0.3 as the double nearest to 0.3 (3 * 0.1 would not).
    double p = 1.0;
    for (int i = 0; i < std::abs(exponent); ++i)
        p *= 10.0;
    return p;
}

quint16 decimalWord(int exponent, int mantissa)
{
    return quint16(0x8000 | ((exponent & 0xF) << 11) | (mantissa & 0x7FF));
}

} // namespace

quint16 encode(double value)
{
    if (std::isnan(value))
        return 0;
    if (std::isinf(value))
        return decimalWord(kMaxExponent, value > 0 ? 1023 : -1023);

    int decimals = 0;
    while (decimals < kMaxDecimals && !isWhole(value * powerOfTen(decimals)))
        ++decimals;
    const bool whole = decimals == 0 && isWhole(value);

    if (whole && value >= 0.0 && value <= 32767.0)
        return quint16(std::llround(value));
    if (whole && value >= -1000.0 && value < 0.0)
        return decimalWord(0, int(std::llround(value)));

    // Scale down until the rounded mantissa fits the 11 signed bits. The limit is the field's
    // own range (1023 / -1024), so every word a unit reports encodes back to itself.
    const bool negative = value < 0.0;
    const double limit = negative ? 1024.0 : 1023.0;
    int exponent = -decimals;
    double magnitude = std::fabs(value) * powerOfTen(decimals);
    while (std::floor(magnitude + 0.5) > limit) {
        magnitude /= 10.0;
        ++exponent;
    }
    // Below the smallest exponent the number rounds towards zero rather than wrapping into a
    // huge value; above the largest it saturates.
    while (exponent < kMinExponent) {
        magnitude /= 10.0;
        ++exponent;
    }
    if (exponent > kMaxExponent) {
        exponent = kMaxExponent;
        magnitude = 1023.0;
    }
    int mantissa = int(std::floor(magnitude + 0.5));
    if (mantissa == 0)
        return 0;
    if (negative)
        mantissa = -mantissa;
    if (exponent == 0 && mantissa >= 0)
        return quint16(mantissa);
    return decimalWord(exponent, mantissa);
}

quint16 encode(const QString &text)
{
    return encode(parseNumber(text));
}

double decode(quint16 word)
{
    if (!(word & 0x8000))
        return double(word);
    int mantissa = word & 0x7FF;
    if (mantissa & 0x400)
        mantissa -= 0x800;
    int exponent = (word >> 11) & 0xF;
    if (exponent & 0x8)
        exponent -= 0x10;
    if (exponent >= 0)
        return mantissa * powerOfTen(exponent);
    return mantissa / powerOfTen(exponent);
}

QString decodeText(quint16 word)
{
    return formatNumber(decode(word));
}

double parseNumber(const QString &text, bool *ok)
{
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool good = false;
    double v = t.toDouble(&good);
    // "nan" and "inf" read as numbers, but no register holds them.
    good = good && std::isfinite(v);
    if (!good)
        v = 0.0;
    if (ok)
        *ok = good;
    return v;
}

QString formatNumber(double value)
{
    if (value == 0.0)
        return QStringLiteral("0");
    // 12 significant digits hide binary noise (0.30000000000000004) but keep every value a
    // register word or a scaled 16-bit integer can take.
    QString text = QString::number(value, 'f', 12);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}

} // namespace RegisterWord
