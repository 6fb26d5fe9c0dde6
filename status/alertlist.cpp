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
        + created.toString(QStringLiteral("Mdyyy_hhmmss")) + QStringLiteral(".log"));
}

QString AlertList::headerText()
{
    return QStringLiteral("Date and Time\t   Unit ID\t   Unit Name\t   Description");
}

QString AlertList::itemText(const QDateTime &when, const QString &text)
{
    return when.toString(Qt::TextDate) + QStringLiteral("\t   ") + text;
}

int AlertList::add(const QString &text, const QDateTime &when)
{
    const QString item = itemText(when, text);
    // The log file gets the time of each alert too: a log of bare texts tells nothing of when.
    m_pending.append(item);
    ++m_logCount;
    int change = Appended;
    if (m_current.isEmpty())
        m_current.append(headerText());
    m_current.append(item);
    if (++m_currentCount > CurrentLimit) {
        // The alerts leaving the current page go to the history page, newest kept.
        m_history += m_current.mid(1, m_current.size() - 2);
        if (m_history.size() > LogEvery)
            m_history.erase(m_history.begin(), m_history.end() - LogEvery);
        m_current = QStringList { headerText(), item };
        m_currentCount = 1;
        change |= NewPage | HistoryChanged;
    }
    if (m_logCount >= LogEvery) {
        flush();
        change |= LogWritten;
    }
    return change;
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
