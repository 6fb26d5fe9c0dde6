#include "dependencytable.h"

#include "registerword.h"

#include <QVector>
#include <cmath>

namespace DependencyTable {

namespace {

// How the limits of one selection value are found.
enum class Derive {
    Fixed, // the texts of the case
    SymmetricSpeed, // -max speed .. +max speed
    Frequency, // -2 x nominal frequency .. +2 x nominal frequency
    Current, // 0 .. 2 x nominal current
    Power, // 0 .. 2 x nominal power
    Torque, // -torque limit .. +torque limit
};

struct Case
{
    QVector<int> values;
    Derive derive;
    const char *min;
    const char *max;
};

using Table = QVector<Case>;

const Table &rampTimeTable()
{
    static const Table t { { { 0 }, Derive::Fixed, "0.00", "3600" }, { { 1 }, Derive::Fixed, "0.50", "3600" },
        { { 2 }, Derive::Fixed, "0.000", "10000" } };
    return t;
}

const Table &torqueTable()
{
    static const Table t { { { 0 }, Derive::Fixed, "0", "400" }, { { 1 }, Derive::Fixed, "-400", "400" },
        { { 2 }, Derive::Fixed, "-300", "300" } };
    return t;
}

const Table &analogueTable()
{
    static const Table t { { { 0 }, Derive::Fixed, "0", "100" }, { { 1 }, Derive::Fixed, "-100", "100" },
        { { 2 }, Derive::Fixed, "-1250", "1250" }, { { 3 }, Derive::Fixed, "-10000", "10000" } };
    return t;
}

const Table &fieldbusTable()
{
    static const Table t { { { 0 }, Derive::Fixed, "0", "65535" },
        { { 1 }, Derive::Fixed, "-16384", "16384" }, { { 2 }, Derive::Fixed, "-65535", "65535" } };
    return t;
}

const Table &comparatorTable()
{
    static const Table t { { { 1 }, Derive::SymmetricSpeed, "", "" }, { { 2 }, Derive::Frequency, "", "" },
        { { 3 }, Derive::Current, "", "" }, { { 4 }, Derive::Power, "", "" },
        { { 5 }, Derive::Torque, "", "" }, { { 6 }, Derive::Fixed, "0", "1000" },
        { { 7 }, Derive::Fixed, "0", "400" }, { { 8 }, Derive::Fixed, "0", "1250" },
        { { 9, 16, 17, 18, 19 }, Derive::Fixed, "0", "100" },
        { { 10, 11, 12 }, Derive::Fixed, "-100", "300" }, { { 13 }, Derive::Fixed, "-100", "1000000" },
        { { 14, 15 }, Derive::Fixed, "0", "65535" } };
    return t;
}

struct SelectionRule
{
    int selector;
    QVector<int> dependents;
    const Table *table;
};

const QVector<SelectionRule> &selectionRules()
{
    static const QVector<SelectionRule> rules {
        { 7, { 15, 16, 17, 18 }, &rampTimeTable() }, // "310" ramp time range
        { 19, { 20, 21, 22, 23, 24, 25 }, &torqueTable() }, // "341" torque limit mode
        { 26, { 27, 28, 29, 30, 31, 32, 33 }, &analogueTable() }, // "351" analogue signal range
        { 34, { 35 }, &fieldbusTable() }, // "392" process data 1 format
        { 36, { 37, 38 }, &fieldbusTable() }, // "396" process data 2 format
        { 39, { 40, 41 }, &fieldbusTable() }, // "39B" process data 3 format
        { 42, { 43, 44, 45 }, &comparatorTable() }, // "6111" comparator 1 signal
        { 46, { 47, 48, 49 }, &comparatorTable() }, // "6121" comparator 2 signal
        { 50, { 51, 52, 53 }, &comparatorTable() }, // "6131" comparator 3 signal
        { 54, { 55, 56, 57 }, &comparatorTable() }, // "6141" comparator 4 signal
    };
    return rules;
}

const QVector<int> &presetSpeeds()
{
    static const QVector<int> p { 10, 11, 12, 13, 14 }; // "323".."328"
    return p;
}

QString text(double v)
{
    return RegisterWord::formatNumber(v);
}

std::optional<Limits> symmetric(const std::optional<double> &v, double factor = 1.0)
{
    if (!v)
        return std::nullopt;
    const double m = std::fabs(*v) * factor;
    return Limits { text(-m), text(m) };
}

std::optional<Limits> fromZero(const std::optional<double> &v, double factor)
{
    if (!v)
        return std::nullopt;
    return Limits { QStringLiteral("0"), text(std::fabs(*v) * factor) };
}

std::optional<Limits> caseLimits(const Case &c, const ValueAt &valueAt)
{
    switch (c.derive) {
    case Derive::Fixed:
        return Limits { QString::fromLatin1(c.min), QString::fromLatin1(c.max) };
    case Derive::SymmetricSpeed:
        return symmetric(valueAt(MaxSpeed));
    case Derive::Frequency:
        return symmetric(valueAt(Frequency), 2.0);
    case Derive::Current:
        return fromZero(valueAt(NominalCurrent), 2.0);
    case Derive::Power:
        return fromZero(valueAt(NominalPower), 2.0);
    case Derive::Torque:
        return symmetric(valueAt(TorqueLimit));
    }
    return std::nullopt;
}

} // namespace

const QStringList &menuNumbers()
{
    static const QStringList numbers { "213", "222", "223", "224", "225", "226", "241", "310", "321", "322",
        "323", "324", "325", "327", "328", "333", "335", "33D", "33I", "341", "343", "344", "345", "346",
        "347", "348", "351", "362", "363", "364", "365", "366", "367", "368", "392", "393", "396", "397",
        "398", "39B", "39C", "39N", "6111", "6112", "6113", "6115", "6121", "6122", "6123", "6125", "6131",
        "6132", "6133", "6135", "6141", "6142", "6143", "6145", "721" };
    return numbers;
}

int selectorOf(int position)
{
    for (const SelectionRule &rule : selectionRules()) {
        if (rule.dependents.contains(position))
            return rule.selector;
    }
    return -1;
}

std::optional<Limits> limits(int position, const ValueAt &valueAt)
{
    if (position == MinSpeed) {
        const auto max = valueAt(MaxSpeed);
        if (!max)
            return std::nullopt;
        return Limits { QStringLiteral("0"), text(*max) };
    }
    if (position == MaxSpeed) {
        const auto min = valueAt(MinSpeed);
        if (!min)
            return std::nullopt;
        return Limits { text(*min), QString() }; // empty: the row's own maximum stays
    }
    if (presetSpeeds().contains(position))
        return symmetric(valueAt(MaxSpeed));

    for (const SelectionRule &rule : selectionRules()) {
        if (!rule.dependents.contains(position))
            continue;
        const auto selection = valueAt(rule.selector);
        if (!selection)
            return std::nullopt;
        const int v = int(std::lround(*selection));
        for (const Case &c : *rule.table) {
            if (c.values.contains(v))
                return caseLimits(c, valueAt);
        }
        return std::nullopt;
    }
    return std::nullopt;
}

QList<int> dependentsOf(int position)
{
    QList<int> result;
    for (int p = 0; p < Count; ++p) {
        if (selectorOf(p) == position)
            result.append(p);
    }
    if (position == MaxSpeed) {
        result.append(MinSpeed);
        for (int p : presetSpeeds())
            result.append(p);
        for (const SelectionRule &rule : selectionRules()) {
            if (rule.table == &comparatorTable())
                result += rule.dependents.toList();
        }
    }
    if (position == MinSpeed)
        result.append(MaxSpeed);
    if (position == Frequency || position == NominalCurrent || position == NominalPower
        || position == TorqueLimit) {
        for (const SelectionRule &rule : selectionRules()) {
            if (rule.table == &comparatorTable())
                result += rule.dependents.toList();
        }
    }
    return result;
}

int normalisedPoles(long long poles)
{
    if (poles % 2 != 0)
        poles -= 1;
    if (poles < 2)
        poles = 2;
    return int(qMin<long long>(poles, 1000000));
}

std::optional<int> polesFromSpeedEdit(const QString &frequency, const QString &speed)
{
    const double s = RegisterWord::parseNumber(speed);
    if (s == 0.0)
        return std::nullopt;
    const double poles = 120.0 * RegisterWord::parseNumber(frequency) / s;
    return normalisedPoles(std::llround(qBound(-1e12, poles, 1e12)));
}

std::optional<int> polesFromFrequencyEdit(const QString &frequency, const QString &speed)
{
    // Whole-number arithmetic here: the frequency editor offers whole hertz only.
    const long long s = std::llround(std::trunc(qBound(-1e12, RegisterWord::parseNumber(speed), 1e12)));
    if (s == 0)
        return std::nullopt;
    const long long f = std::llround(std::trunc(qBound(-1e12, RegisterWord::parseNumber(frequency), 1e12)));
    return normalisedPoles(120 * f / s);
}

int polesEntered(const QString &text)
{
    const QString whole = text.section(QLatin1Char(','), 0, 0);
    return normalisedPoles(std::llround(qBound(-1e12, RegisterWord::parseNumber(whole), 1e12)));
}

} // namespace DependencyTable
