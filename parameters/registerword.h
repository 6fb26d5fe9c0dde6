#pragma once

#include <QString>
#include <QtGlobal>

// The 16-bit register word in which the units exchange parameter and signal values: a plain
// integer 0..32767 (bit 15 clear) or a decimal number mantissa x 10^exponent (bit 15 set,
// exponent in bits 11-14, mantissa in bits 0-10, both two's complement).
// Pure functions: the drive simulator and the command line use them too.
namespace RegisterWord {

// Encodes a number. Whole numbers 0..32767 stay plain; whole numbers -1000..-1 use exponent 0;
// everything else is rounded to the nearest word of the decimal form. Out-of-range magnitudes
// saturate at +-1023 x 10^7 and numbers too small for exponent -8 round to zero.
quint16 encode(double value);

// Parses a shown number (a decimal comma is accepted; text that is no number counts as 0,
// as the units' own editors do) and encodes it.
quint16 encode(const QString &text);

// The value a word stands for.
double decode(quint16 word);

// decode() as the shortest text that reads back to the same value ("0.5", "32800", "-2").
QString decodeText(quint16 word);

// Reads a shown number: "," is taken as the decimal point, surrounding blanks are ignored.
// `ok` (optional) tells whether the text was a number; the result is 0 when it was not.
double parseNumber(const QString &text, bool *ok = nullptr);

// The shortest text for a number, without exponent notation for the range the words cover.
QString formatNumber(double value);

} // namespace RegisterWord
