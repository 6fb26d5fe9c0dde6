#pragma once

#include <QDateTime>
#include <QString>

// One alert as a person reads it: which unit, what failed and how, taken apart from the row the
// program logs (a link-information row, "title: message", or a plain notification).
struct AlertEvent
{
    enum Severity { Success, Notice, Warning, Failure };
    enum Kind {
        Text, // a message of its own ("Error: Comm Error", "Invalid password")
        LinkRow, // a link-information row with a message ("drive trip: 1 Motor I2t")
        NoAnswer, // an exchange the unit did not answer
        CommError, // an exchange that failed otherwise (CRC, port, length ...)
        Refused, // the unit answered with an exception
        ScanCandidate, // an address the scan tried that did not answer: the scan's result
        LinkDetail // the link's own report of an exchange that fails: logged, not an alert
    };

    Severity severity = Notice;
    Kind kind = Text;
    QString unitId; // unit number text; empty when the text is about no unit
    QString unitName; // "KTZ23-2P5 (5)"; empty or "no device name" before identification
    QString link; // port or IP address
    int code = 0; // the engine's result code or the exception number
    QString address; // register of the failed exchange
    bool write = false;
    int attempt = 1; // 1 for the first try, n + 1 for the n-th resend
    QString detail; // the message or the engine's error text

    static AlertEvent parse(const QString &text);

    // Shown in the list and on the alert line (failures, warnings, notices).
    bool isAlert() const { return severity != Success && kind != ScanCandidate && kind != LinkDetail; }
    // Same unit on the same link; empty when the text names no unit.
    QString unitKey() const;
    // Rows with the same key are one alert repeated.
    QString foldKey() const;
    // "KTZ23-2P5 (5)", or "unit 5 on COM3" before the unit has a name.
    QString unitLabel() const;
    // "KTZ23-2P5 (5): no answer to a read of 44501 after 3 attempts".
    QString sentence(int attempts) const;
};

// An alert and its repeats: the count of occurrences, the time of the first and the last, the
// most attempts one occurrence took.
struct AlertFold
{
    AlertEvent event;
    QDateTime first;
    QDateTime last;
    int count = 1;
    int attempts = 1;

    AlertFold() = default;
    AlertFold(const AlertEvent &e, const QDateTime &when);
    // Takes a repeat of this alert in; false (nothing changed) when `e` is another alert. A resend
    // of an exchange only raises the attempts: it is the same occurrence.
    bool absorb(const AlertEvent &e, const QDateTime &when);
    QString sentence() const { return event.sentence(attempts); }
    // "sentence (12×)" once repeated.
    QString sentenceWithCount() const;
};

// What the alert line shows: the newest alert as a sentence, its repeats counted in place; a
// success of the unit it names (the unit answers again, its trip cleared) ends it.
class AlertLineState
{
public:
    enum Outcome {
        Ignored, // not an alert, and not the end of the one shown
        Cleared, // the shown alert is over: the line goes empty
        Shown, // a new alert: shown, blinking from the start
        Counted // a repeat of the shown alert: its text changes, the blink goes on
    };
    Outcome take(const QString &text, const QDateTime &when = QDateTime::currentDateTime());
    void clear() { m_shown = false; }
    QString text() const { return m_shown ? m_fold.sentenceWithCount() : QString(); }
    bool isFailure() const { return m_shown && m_fold.event.severity == AlertEvent::Failure; }

private:
    AlertFold m_fold;
    bool m_shown = false;
};
