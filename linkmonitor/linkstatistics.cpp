#include "linkstatistics.h"

#include <QtMath>

namespace {
// Bin k holds times up to 10 us x 1.1^k: 170 bins reach past 100 s.
constexpr int BinCount = 170;
constexpr double FirstEdgeUs = 10.0;
constexpr double Growth = 1.1;
} // namespace

int LinkStatistics::binOf(qint64 us)
{
    if (us <= FirstEdgeUs)
        return 0;
    const int bin = int(std::ceil(std::log(double(us) / FirstEdgeUs) / std::log(Growth) - 1e-9));
    return qBound(0, bin, BinCount - 1);
}

qint64 LinkStatistics::binUpperUs(int bin)
{
    return qint64(std::ceil(FirstEdgeUs * std::pow(Growth, bin)));
}

qint64 LinkStatistics::Unit::percentileUs(double fraction) const
{
    const qint64 wanted = qint64(std::ceil(fraction * double(exchanges)));
    qint64 seen = 0;
    for (int bin = 0; bin < histogram.size(); ++bin) {
        seen += histogram.at(bin);
        if (seen >= wanted && seen > 0)
            return qBound(minUs, binUpperUs(bin), maxUs);
    }
    return maxUs;
}

void LinkStatistics::add(const LinkExchange &e)
{
    Unit *unit = nullptr;
    for (Unit &known : m_units) {
        if (known.unit == e.unit && known.link == e.link) {
            unit = &known;
            break;
        }
    }
    if (!unit) {
        m_units.append(Unit());
        unit = &m_units.last();
        unit->link = e.link;
        unit->unit = e.unit;
        unit->histogram.fill(0, BinCount);
        unit->minUs = e.durationUs;
    }
    ++unit->exchanges;
    if (e.attempt > 1)
        ++unit->resends;
    ++unit->byOutcome[size_t(e.outcome)];
    unit->minUs = qMin(unit->minUs, e.durationUs);
    unit->maxUs = qMax(unit->maxUs, e.durationUs);
    unit->sumUs += double(e.durationUs);
    ++unit->histogram[binOf(e.durationUs)];
    if (e.failed()) {
        unit->lastFailureMs = e.timeMs;
        unit->lastFailure = e;
    }
}
