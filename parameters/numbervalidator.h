#pragma once

#include <QValidator>

// The validator of every field where a number is typed (parameter values, trigger levels, the
// reference value, plot ranges). It reads the text as RegisterWord::parseNumber does, with a
// decimal comma or a decimal point, and never refuses a key: a text that is no number, has too
// many decimals or lies out of range stays as typed (Intermediate), so the field can say why it
// refuses it instead of quietly dropping characters and taking another number.
class NumberValidator : public QValidator
{
    Q_OBJECT
public:
    NumberValidator(double min, double max, int decimals, QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;

    // Whether `text` is a plain number ("-12", "1,5", "0.25"; no exponent) with at most
    // `decimals` decimals; `value` (optional) receives it.
    static bool isPlainNumber(const QString &text, int decimals, double *value = nullptr);

private:
    double m_min;
    double m_max;
    int m_decimals;
};
