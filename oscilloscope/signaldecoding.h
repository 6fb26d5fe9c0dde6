#pragma once

#include <QString>
#include <QStringList>

// How the 16-bit word of a recordable signal becomes its value and its texts.
namespace SignalDecoding {

enum class Kind : quint8 {
    Decimal, // the decimal floating register word
    Signed, // two's complement 16 bit
    Unsigned, // 0..65535 (fault numbers too)
    BitPattern // 16 characters "H" / "L" / "-", bit 15 first
};

// The decoding a signal row asks for (rows shorter than a full row decode as unsigned).
struct Format
{
    Kind kind = Kind::Unsigned;
    quint16 mask = 0; // BitPattern: the bits in use
    bool faultCode = false; // the value is a fault number ("F:" in recording files)
};
Format formatOf(const QStringList &signalRow);

double value(const Format &format, quint16 word);
// "H" for a set bit of the mask, "L" for a clear one, "-" outside the mask.
QString bitPattern(quint16 word, quint16 mask);
// A number as the shortest text of up to 6 significant digits ("0.5", "1.23457e+06").
QString numberText(double value);
// The value as shown: the number, or the bit pattern.
QString text(const Format &format, quint16 word);
// The value as a recording file holds it: decimal comma, "F:" before a fault number.
QString fileText(const Format &format, quint16 word);

// Modbus table of a block's start register: 1 coils, 2 inputs, 3 input registers, 4 the rest.
int tableType(quint16 registerNumber);

} // namespace SignalDecoding
