#pragma once

#include <QDateTime>
#include <QStringList>
#include <functional>
#include <limits>

// What the trigger dialogs hand to a unit's device at record start.
struct TriggerSetup
{
    enum Kind { NoTrigger = 0, Level = 1, Conditional = 2 };
    enum Type { Falling = 0, Rising = 1, Both = 2 };
    enum Condition { And = 0, Or = 1 };
    enum StopRule { Single = 0, TotalSize = 1, TotalDuration = 2 };

    // One watched graph entry. Rising watches the low level, Falling the high level.
    struct Group
    {
        int column = 1; // value column: signal index + 1 (column 0 holds the time)
        bool digital = false; // one bit of a bit-field signal
        int bit = 0; // 0..15 for a digital entry
        int type = Falling;
        double low = 0.0;
        double high = 0.0;
    };

    int kind = NoTrigger;
    Group a, b; // b only for the conditional trigger
    int condition = And;
    int beforeMs = 0;
    int afterMs = 0;
    int stopRule = Single;
    double maxTotalBytes = 0.0; // TotalSize: megabytes x 1000000
    qint64 maxTotalDurationMs = 0; // TotalDuration
    QStringList comment; // written into each trigger file's comment section
};

// The trigger state of one device and its evaluation after each valid sample. The device calls
// it under its lock; sample values come through the accessors, so tests feed plain numbers.
class OscTrigger
{
public:
    // A sample of the watched column: its value and, for bit-field signals, its bit pattern.
    using ValueAt = std::function<double(int column, int index)>;
    // 'H', 'L' or '-' of bit `bit` of the column's sample.
    using BitAt = std::function<char(int column, int index, int bit)>;

    // What happened in one evaluation; the device turns it into signals and a file.
    struct Outcome
    {
        bool started = false; // emit vxOscTriggerStart()
        bool capture = false; // write a trigger file of samples [from, to]
        int from = 0;
        int to = 0;
        QDateTime triggerTime;
    };

    // Record start: armed cleared, waiting set (for a trigger kind), totals and clocks reset.
    void apply(const TriggerSetup &settings, const QDateTime &now);
    // Recording stopped: nothing is watched any more.
    void stop();
    void setSamplingInterval(int msecs) { m_intervalMs = msecs; }

    // After the valid sample `newest` (index in the store): evaluates the event, then the capture.
    Outcome evaluate(int newest, const ValueAt &value, const BitAt &bit, const QDateTime &now);
    // After a capture's file was written (`bytes` < 0: it could not be opened and counts nothing).
    // True when the stop rule ended the trigger. Either way the capture is over, and the device
    // emits vxOscTriggerStop() once.
    bool captureWritten(qint64 bytes, const QDateTime &now);

    const TriggerSetup &settings() const { return m_settings; }
    int kind() const { return m_settings.kind; }
    bool isWaiting() const { return m_waiting; }
    bool isCapturing() const { return m_capturing; }
    bool isArmed() const { return m_armed; }
    qint64 totalWritten() const { return m_totalWritten; }
    int capturesWritten() const { return m_captures; }

private:
    bool levelCrossed(const TriggerSetup::Group &g, double previous, double current) const;
    bool digitalCrossed(const TriggerSetup::Group &g, char previous, char current) const;
    bool groupFires(const TriggerSetup::Group &g, double *remembered, int newest, const ValueAt &value,
        const BitAt &bit) const;

    TriggerSetup m_settings;
    bool m_waiting = false;
    bool m_capturing = false;
    bool m_armed = false;
    double m_rememberedA = std::numeric_limits<double>::quiet_NaN();
    double m_rememberedB = std::numeric_limits<double>::quiet_NaN();
    int m_intervalMs = 250;
    // The sample evaluated last: failed cycles between it and the newest one are never compared.
    int m_previous = -1;
    int m_windowStart = 0;
    int m_windowEnd = 0;
    QDateTime m_triggerTime;
    QDateTime m_stopRuleStart;
    qint64 m_totalWritten = 0;
    int m_captures = 0;
};
