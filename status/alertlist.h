#pragma once

#include "alertevent.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

// The alert list without its widgets: the current page (at most 100 alerts), the history page and
// the rows not yet in the log file, which is written every 251 rows and when the list is closed.
//
// The log file keeps every row as the program reported it, successes and scan results included;
// the pages show only alerts, and a repeat of an alert already on the current page raises its count
// instead of adding a row (a silent unit reports several failed exchanges a second).
//
// Memory stays bounded over a long service day: the pending list never holds more than
// LogEvery - 1 rows after an add (it is emptied into the log file at LogEvery), the history page
// keeps the newest LogEvery alerts that left the current page, the current page CurrentLimit.
// Everything older is in the log file only.
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

    // "logData_" + creation time "yyyyMMdd_hhmmss" + ".log" in the log folder, native separators.
    static QString logFileName(const QString &logDir, const QDateTime &created);
    // "date and time" + tab + three blanks + text: the line of the log file.
    static QString itemText(const QDateTime &when, const QString &text);

    // What one add changed, for the widgets that show the pages.
    enum Change {
        Logged = 0, // only logged: not an alert
        Appended = 1, // a new alert row at the end of the current page
        NewPage = 2, // the current page was started again with this alert
        HistoryChanged = 4, // the previous page went to the history page (with NewPage)
        LogWritten = 8, // the pending rows went to the log file
        Folded = 16 // a repeat: the row at foldedRow() counts it
    };
    // Adds a reported row at `when`; returns a combination of Change flags.
    int add(const QString &text, const QDateTime &when = QDateTime::currentDateTime());
    // Appends the pending alerts to the log file and empties the pending list. False when the file
    // cannot be written (the alerts are dropped all the same, so memory stays bounded).
    bool flush();

    // Empties both pages; the log file and the rows pending for it stay.
    void clear();

    const QVector<AlertFold> &current() const { return m_current; }
    const QVector<AlertFold> &history() const { return m_history; }
    // The row of the current page the last Folded add counted.
    int foldedRow() const { return m_foldedRow; }
    // Rows not yet in the log file, oldest first.
    const QStringList &pending() const { return m_pending; }
    QString logFilePath() const { return m_logFilePath; }

    // "last time<TAB>count<TAB>sentence" per row: what Copy and Save give.
    static QString exportText(const QVector<AlertFold> &rows);

private:
    QString m_logFilePath;
    QVector<AlertFold> m_current;
    QVector<AlertFold> m_history;
    QStringList m_pending;
    int m_foldedRow = -1;
    int m_logCount = 0; // rows since the last write of the log file
};
