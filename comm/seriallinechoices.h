#pragma once

#include <QString>
#include <algorithm>
#include <array>

// The baud rates and framings a serial unit can be set to. The dialogs list them in this order
// and the settings file stores positions in these lists, so the order is part of the file format.
namespace SerialLineChoices {

inline constexpr std::array<int, 7> baudRates { 2400, 4800, 9600, 19200, 38400, 57600, 115200 };
inline constexpr std::array<const char *, 4> framings { "N,8,1", "N,8,2", "E,8,1", "O,8,1" };

inline bool isBaudRate(int rate)
{
    return std::find(baudRates.begin(), baudRates.end(), rate) != baudRates.end();
}

inline bool isFraming(const QString &text)
{
    return std::any_of(
        framings.begin(), framings.end(), [&text](const char *f) { return text == QLatin1String(f); });
}

// "2400, 4800, ..." for messages.
inline QString baudRateList()
{
    QString text;
    for (int rate : baudRates)
        text += (text.isEmpty() ? QString() : QStringLiteral(", ")) + QString::number(rate);
    return text;
}

} // namespace SerialLineChoices
