#pragma once

#include "linktap.h"

#include <QString>
#include <QVector>
#include <array>

// Per-unit link statistics over every exchange seen since the last reset (not only those the
// ring still holds). Response times go into a histogram of logarithmic bins, so an hour of
// traffic costs the same memory as a minute; the 95th percentile is read from it to within 5 %.
class LinkStatistics
{
public:
    struct Unit
    {
        QString link;
        int unit = 0;
        qint64 exchanges = 0;
        qint64 resends = 0; // attempts after the first
        std::array<qint64, int(LinkOutcome::Count)> byOutcome {}; // index 0 = ok
        qint64 minUs = 0, maxUs = 0;
        double sumUs = 0;
        qint64 lastFailureMs = 0; // 0: none yet
        LinkExchange lastFailure;
        QVector<qint64> histogram;

        qint64 failures() const { return exchanges - byOutcome[0]; }
        double meanUs() const { return exchanges ? sumUs / double(exchanges) : 0.0; }
        // The upper edge of the bin holding the 95th percentile, at most the longest time seen.
        qint64 percentileUs(double fraction = 0.95) const;
    };

    void add(const LinkExchange &exchange);
    void reset() { m_units.clear(); }
    // In the order the units were first seen.
    const QVector<Unit> &units() const { return m_units; }

    static int binOf(qint64 us);
    static qint64 binUpperUs(int bin);

private:
    QVector<Unit> m_units;
};
