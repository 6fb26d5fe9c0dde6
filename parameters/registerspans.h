#pragma once

#include <QStringList>
#include <QVector>

class TreeItem;

// How many registers each parameter occupies, taken from the device description file alone.
//
// A text parameter occupies the registers its length (field 24, in characters, two per register)
// needs; a time or date parameter occupies the registers field 24 names (1 to 3) or, without a
// number there, three when the next register any parameter of the same table uses is three or
// four registers on, else one (the last parameter of a table reads no register beyond it);
// every other parameter occupies one. No span ever reaches a register that belongs
// to another parameter: a declared span that would is cut short, and the overlap is reported.
//
// Time and date words: with three registers, hours (tenths of an hour for "T_HHMMSST"), minutes
// and seconds, or year, month and day. With fewer than three, one word:
//  - "T" and "T_HHMMSST": whole seconds since 0:00:00 (at most 18:12:15);
//  - "T_YYMMDD": year since 2000 in bits 15-9, month in bits 8-5, day in bits 4-0.
namespace RegisterSpans {

// Sets the span of every parameter of `items` and returns one text per overlap found in the
// file ("menu 61 (register 40161) declares 3 registers, menu 62 uses 40162").
QStringList assign(const QVector<TreeItem *> &items);

} // namespace RegisterSpans
