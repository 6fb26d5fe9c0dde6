#include "osctrigger.h"

#include <cmath>

namespace {
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// Whether a crossing in that direction is one the trigger waits for.
bool crossingWanted(int type, bool falling, bool rising)
{
    switch (type) {
    case TriggerSetup::Falling:
        return falling;
    case TriggerSetup::Rising:
        return rising;
    default:
        return falling || rising;
    }
}
} // namespace

void OscTrigger::apply(const TriggerSetup &settings, const QDateTime &now)
{
    m_settings = settings;
    m_armed = false;
    m_capturing = false;
    m_waiting = settings.kind != TriggerSetup::NoTrigger;
    m_rememberedA = m_rememberedB = NaN;
    m_previous = -1;
    m_stopRuleStart = now;
    m_totalWritten = 0;
    m_captures = 0;
}

void OscTrigger::stop()
{
    m_waiting = false;
    m_capturing = false;
    m_armed = false;
}

bool OscTrigger::levelCrossed(const TriggerSetup::Group &g, double previous, double current) const
{
    // Strict on both sides: a value that only touches the level is no crossing.
    return crossingWanted(g.type, previous > g.high && current < g.high, previous < g.low && current > g.low);
}

bool OscTrigger::digitalCrossed(const TriggerSetup::Group &g, char previous, char current) const
{
    return crossingWanted(g.type, previous == 'H' && current == 'L', previous == 'L' && current == 'H');
}

bool OscTrigger::groupFires(const TriggerSetup::Group &g, double *remembered, int newest,
    const ValueAt &value, const BitAt &bit) const
{
    if (m_previous < 0 || m_previous >= newest)
        return false;
    if (g.digital)
        return digitalCrossed(g, bit(g.column, m_previous, g.bit), bit(g.column, newest, g.bit));
    const double current = value(g.column, newest);
    if (!remembered)
        return levelCrossed(g, value(g.column, m_previous), current);
    // Conditional groups compare with the last value seen on the starting side of the level, so
    // the two signals need not cross in the very same pair of samples.
    const bool fires = levelCrossed(g, *remembered, current);
    const bool aboveHigh = current > g.high;
    const bool belowLow = current < g.low;
    if ((g.type == TriggerSetup::Falling && aboveHigh) || (g.type == TriggerSetup::Rising && belowLow)
        || (g.type == TriggerSetup::Both && (aboveHigh || belowLow)))
        *remembered = current;
    return fires;
}

OscTrigger::Outcome OscTrigger::evaluate(
    int newest, const ValueAt &value, const BitAt &bit, const QDateTime &now)
{
    Outcome out;
    if (m_settings.kind == TriggerSetup::NoTrigger)
        return out;
    if (m_armed && m_waiting && !m_capturing) {
        bool event = false;
        if (m_settings.kind == TriggerSetup::Level) {
            event = groupFires(m_settings.a, nullptr, newest, value, bit);
        } else {
            const bool a = groupFires(m_settings.a, &m_rememberedA, newest, value, bit);
            const bool b = groupFires(m_settings.b, &m_rememberedB, newest, value, bit);
            event = m_settings.condition == TriggerSetup::And ? (a && b) : (a || b);
            if (event) {
                // A fired group needs a new crossing: without this the remembered values would
                // fire again at every sample that stays past the level.
                m_rememberedA = m_rememberedB = NaN;
            }
        }
        if (event) {
            m_triggerTime = now;
            m_waiting = false;
            m_capturing = true;
            m_windowStart = newest;
            m_windowEnd = newest;
            out.started = true;
        }
    }
    m_armed = true;
    m_previous = newest;
    if (m_capturing && m_triggerTime.msecsTo(now) >= m_settings.afterMs) {
        m_waiting = true;
        m_windowEnd = newest;
        const int before = m_intervalMs > 0 ? m_settings.beforeMs / m_intervalMs : 0;
        m_windowStart = qMax(0, m_windowStart - before);
        out.capture = true;
        out.from = m_windowStart;
        out.to = m_windowEnd;
        out.triggerTime = m_triggerTime;
        m_capturing = false;
        m_armed = false;
    }
    return out;
}

bool OscTrigger::captureWritten(qint64 bytes, const QDateTime &now)
{
    if (bytes >= 0) {
        m_totalWritten += bytes;
        ++m_captures;
    }
    bool stop = false;
    switch (m_settings.stopRule) {
    case TriggerSetup::Single:
        stop = true;
        break;
    case TriggerSetup::TotalSize:
        stop = double(m_totalWritten) > m_settings.maxTotalBytes;
        break;
    case TriggerSetup::TotalDuration:
        stop = m_stopRuleStart.msecsTo(now) >= m_settings.maxTotalDurationMs;
        break;
    default:
        stop = true;
        break;
    }
    if (stop) {
        m_waiting = false;
        m_capturing = false;
    }
    return stop;
}
