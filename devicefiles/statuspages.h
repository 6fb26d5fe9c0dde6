#pragma once

#include <QString>

// The top-level menus of a unit's parameter tree that the status view and the fault logger show
// and that their cycles read.
namespace StatusPages {

constexpr int ProcessRow = 2; // of it only the first child, the reference
constexpr int OperationRow = 6;
constexpr int TriplogRow = 7;

// Drives with "QRT" in their name keep their operation values and their trip log elsewhere: the
// status view shows only the reference, and there is no trip log to show or read.
inline bool reducedPages(const QString &unitName)
{
    return unitName.contains(QLatin1String("QRT"));
}

} // namespace StatusPages
