#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The alert list without its widgets: the current page (a header and at most 100 alerts), the
// history page and the alerts not yet in the log file, which is written every 251 alerts and
// when the list is closed.
//
// Memory stays bounded over a long service day: the pending list never holds more than
// LogEvery - 1 alerts after an add (it is emptied into the log file at LogEvery), the history page
// keeps the newest LogEvery alerts that left the current page, the current page header +
// CurrentLimit. Everything older is in the log file only.
class AlertList
{
public:
    static constexpr int CurrentLimit = 100; // the 101st alert starts a new current page
    static constexpr int LogEvery = 251; // alerts per write of the log file

    // logFilePath: the file the alerts are appended to (its folder is created when missing).
    explicit AlertList(const QString &logFilePath);
    // Writes what is still pending.
    ~AlertList();
    AlertList(const AlertList &) = delete;
    AlertList &operator=(const AlertList &) = delete;

    // "logData_" + creation time "Mdyyy_hhmmss" + ".log" in the log folder, native separators.
    static QString logFileName(const QString &logDir, const QDateTime &created);
    // The header item: the column titles joined with a tab and blanks.
    static QString headerText();
    // "date and time" + tab + three blanks + text: the item of an alert.
    static QString itemText(const QDateTime &when, const QString &text);

    // What one add changed, for the widgets that show the pages.
    enum Change {
        Appended = 0, // the item was added to the current page
        NewPage = 1, // the current page was started again: header + this item
        HistoryChanged = 2, // the previous page went to the history page (with NewPage)
        LogWritten = 4 // the pending alerts went to the log file
    };
    // Adds an alert at `when`; returns a combination of Change flags.
    int add(const QString &text, const QDateTime &when = QDateTime::currentDateTime());
    // Appends the pending alerts to the log file and empties the pending list. False when the file
    // cannot be written (the alerts are dropped all the same, so memory stays bounded).
    bool flush();

    // The current page: the header item first, then the items (empty before the first alert).
    const QStringList &current() const { return m_current; }
    const QStringList &history() const { return m_history; }
    // Alerts not yet in the log file, oldest first.
    const QStringList &pending() const { return m_pending; }
    QString logFilePath() const { return m_logFilePath; }
    int currentCount() const { return m_currentCount; }

private:
    QString m_logFilePath;
    QStringList m_current;
    QStringList m_history;
    QStringList m_pending;
    int m_currentCount = 0; // alerts on the current page
    int m_logCount = 0; // alerts since the last write of the log file
};
