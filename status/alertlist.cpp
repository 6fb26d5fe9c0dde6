#include "alertlist.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

AlertList::AlertList(const QString &logFilePath)
    : m_logFilePath(logFilePath)
{ }

AlertList::~AlertList()
{
    // Alerts of the last part of a session would otherwise never reach the file.
    flush();
}

QString AlertList::logFileName(const QString &logDir, const QDateTime &created)
{
    return QDir::toNativeSeparators(logDir + QStringLiteral("/logData_")
        + created.toString(QStringLiteral("yyyyMMdd_hhmmss")) + QStringLiteral(".log"));
}

QString AlertList::itemText(const QDateTime &when, const QString &text)
{
    return when.toString(Qt::TextDate) + QStringLiteral("\t   ") + text;
}

int AlertList::add(const QString &text, const QDateTime &when)
{
    // The log file gets the time of each row too: a log of bare texts tells nothing of when.
    m_pending.append(itemText(when, text));
    int change = Logged;
    if (++m_logCount >= LogEvery) {
        flush();
        change |= LogWritten;
    }
    const AlertEvent event = AlertEvent::parse(text);
    if (!event.isAlert())
        return change;
    for (int row = m_current.size() - 1; row >= 0; --row) {
        if (m_current[row].absorb(event, when)) {
            m_foldedRow = row;
            return change | Folded;
        }
    }
    if (m_current.size() >= CurrentLimit) {
        // The alerts leaving the current page go to the history page, newest kept.
        m_history += m_current;
        if (m_history.size() > LogEvery)
            m_history.erase(m_history.begin(), m_history.end() - LogEvery);
        m_current.clear();
        change |= NewPage | HistoryChanged;
    }
    m_current.append(AlertFold(event, when));
    return change | Appended;
}

void AlertList::clear()
{
    m_current.clear();
    m_history.clear();
    m_foldedRow = -1;
}

QString AlertList::exportText(const QVector<AlertFold> &rows)
{
    QString text;
    for (const AlertFold &row : rows)
        text += row.last.toString(Qt::TextDate) + QLatin1Char('\t') + QString::number(row.count)
            + QLatin1Char('\t') + row.sentence() + QLatin1Char('\n');
    return text;
}

bool AlertList::flush()
{
    m_logCount = 0;
    if (m_pending.isEmpty())
        return true;
    const QStringList lines = m_pending;
    m_pending.clear();
    QDir().mkpath(QFileInfo(m_logFilePath).absolutePath());
    QFile file(m_logFilePath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out.setCodec("UTF-8");
    for (const QString &line : lines)
        out << line << '\n';
    out.flush();
    return file.error() == QFile::NoError;
}
