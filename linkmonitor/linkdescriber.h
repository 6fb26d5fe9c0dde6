#pragma once

#include "linktap.h"

#include <QCoreApplication>
#include <QHash>
#include <QMutex>
#include <QString>

class TreeModel;

// The parameters of one unit by the register they start at, set offset included.
class LinkDictionary
{
public:
    struct Entry
    {
        QString name; // menu and text, "222 Motor frequency"
        int set = -1; // 0..3 = A..D for a parameter with one value per set, else -1
    };
    // Built on the model's thread; afterwards a plain value any thread may read.
    static LinkDictionary fromModel(const TreeModel &model);
    void add(int registerNumber, const Entry &entry) { m_entries.insert(registerNumber, entry); }
    const Entry *find(int registerNumber) const;
    bool isEmpty() const { return m_entries.isEmpty(); }

private:
    QHash<int, Entry> m_entries;
};

// Says what an exchange asked for in the drive's words ("222 Motor frequency, set B",
// "software version", "oscilloscope block 2") from the units it was told about. Thread-safe: the
// command line describes on its writer thread while the units are registered on the main one.
class LinkDescriber
{
    Q_DECLARE_TR_FUNCTIONS(LinkMonitor)
public:
    // `name` is the unit's name in the unit tree.
    void setUnit(const QString &link, int unit, const QString &name, const LinkDictionary &dictionary);
    void forgetUnits();
    QString unitName(const QString &link, int unit) const;
    QString describe(const LinkExchange &exchange) const;

    static QString purposeText(LinkPurpose purpose);
    // "ok", "exception 2", "time-out" ... translated.
    static QString outcomeText(const LinkExchange &exchange);
    static QString outcomeKindText(LinkOutcome outcome);
    static QString setLetter(int set) { return QString(QChar('A' + set)); }
    // Values of an exchange in one line: those written by a write, else those read.
    static QString valuesText(const LinkExchange &exchange, int most = 16);

private:
    struct Unit
    {
        QString name;
        LinkDictionary dictionary;
    };
    static QString key(const QString &link, int unit)
    {
        return link + QLatin1Char('@') + QString::number(unit);
    }
    mutable QMutex m_lock;
    QHash<QString, Unit> m_units;
};
