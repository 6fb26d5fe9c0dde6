#pragma once

#include <QValidator>

// Checks a dotted IPv4 address octet by octet while it is typed into a masked field: blanks left by
// the input mask are ignored, an octet above 255 is refused at once, a partly typed address is
// Intermediate and only four valid octets are Acceptable.
class IpAddressValidator : public QValidator
{
    Q_OBJECT
public:
    explicit IpAddressValidator(QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;

    // Four octets, each matching the octet pattern (blanks of the mask ignored).
    static bool isComplete(const QString &text);
    // The address without mask blanks and without leading zeros in its octets ("010" is 10, not an
    // octal 8 as some resolvers would read it); the text unchanged when it is not complete.
    static QString normalized(const QString &text);
};
