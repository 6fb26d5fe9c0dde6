#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The parameters on which other parameters' limits and values depend, and the rules that tie
// them together: the pole number computed from frequency and speed, and the minimum and
// maximum of an item chosen by the value of a selection item in the same parameter set.
// The full table and the reasoning behind it are in dependencytable.md beside this file.
namespace DependencyTable {

// Menu numbers of the dependency items, by position.
const QStringList &menuNumbers();

enum Position {
    Frequency = 1, // "222"
    // The rules take the motor's nominal current and power from the parameters marked "Inom" and
    // "Pnom" in field 26 of the device description file (our files: 224 and 221), not from the
    // list entries at these positions.
    NominalCurrent = 2, // "223" in the list
    NominalPower = 3, // "224" in the list
    Speed = 4, // "225"
    Poles = 5, // "226"
    MinSpeed = 8, // "321"
    MaxSpeed = 9, // "322"
    TorqueLimit = 20, // "343"
    Count = 59
};

struct Limits
{
    QString min;
    QString max;
};

// Numeric value of the dependency item at a position in the set being looked at, or nothing
// when that item is absent (or empty) in the model.
using ValueAt = std::function<std::optional<double>(int position)>;

// Position of the item whose value selects the limits of `position`; -1 when the limits of
// `position` do not come from a selection (they may still be derived, see limits()).
int selectorOf(int position);

// Limits of the item at `position` for the current values, or nothing when they stay those of
// its definition row (no rule, selection value without an entry, a needed item missing).
std::optional<Limits> limits(int position, const ValueAt &valueAt);

// Positions whose limits change when the value at `position` changes.
QList<int> dependentsOf(int position);

// Pole number rules. Each returns nothing when no pole number can be computed (speed 0).
std::optional<int> polesFromSpeedEdit(const QString &frequency, const QString &speed);
std::optional<int> polesFromFrequencyEdit(const QString &frequency, const QString &speed);
int polesEntered(const QString &text);
// An odd pole number is reduced by one; fewer than 2 poles become 2.
int normalisedPoles(long long poles);

} // namespace DependencyTable
