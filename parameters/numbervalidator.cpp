#include "numbervalidator.h"

#include "registerword.h"

#include <QRegularExpression>

NumberValidator::NumberValidator(double min, double max, int decimals, QObject *parent)
    : QValidator(parent)
    , m_min(min)
    , m_max(max)
    , m_decimals(qMax(0, decimals))
{ }

bool NumberValidator::isPlainNumber(const QString &text, int decimals, double *value)
{
    static const QRegularExpression plain(QStringLiteral("^[+-]?(\\d+([.,](\\d*))?|[.,](\\d+))$"));
    const QRegularExpressionMatch m = plain.match(text.trimmed());
    if (!m.hasMatch())
        return false;
    const int typed = qMax(m.capturedLength(3), m.capturedLength(4));
    if (typed > decimals)
        return false;
    bool ok = false;
    const double v = RegisterWord::parseNumber(text, &ok);
    if (value)
        *value = v;
    return ok;
}

QValidator::State NumberValidator::validate(QString &input, int &) const
{
    double value = 0.0;
    if (!isPlainNumber(input, m_decimals, &value))
        return Intermediate;
    // A small tolerance: limits and values pass through binary fractions (0.1 is not exact).
    const double slack = 1e-9 * qMax(1.0, qMax(qAbs(m_min), qAbs(m_max)));
    return value >= m_min - slack && value <= m_max + slack ? Acceptable : Intermediate;
}
