#pragma once

#include "linktap.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QSortFilterProxyModel>
#include <QVector>
#include <deque>

class LinkDescriber;

// One exchange as the link monitor keeps it: the record and the words it was described in.
struct LinkRow
{
    LinkExchange exchange;
    QString unitName;
    QString what;
};

// The exchanges seen, newest last, in a ring of fixed capacity: appending beyond it drops the
// oldest rows and counts them. Rows come in batches; values and texts are made when shown.
class LinkMonitorModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column {
        Time,
        Link,
        Unit,
        What,
        Function,
        Register,
        Count,
        Values,
        Outcome,
        Attempt,
        Duration,
        ColumnCount
    };
    static constexpr int DefaultCapacity = 200000;

    explicit LinkMonitorModel(int capacity = DefaultCapacity, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Describes each exchange (when a describer is given) and appends the batch.
    void append(std::deque<LinkExchange> &&batch, const LinkDescriber *describer = nullptr);
    void clear();
    const LinkRow &row(int index) const;
    int capacity() const { return m_capacity; }
    // Rows pushed out of the ring since the last clear.
    qint64 dropped() const { return m_dropped; }
    // Marks failed and resent rows in the time column; drawn by the window, which knows the theme.
    void setIcons(const QIcon &failure, const QIcon &resend);

    // "2026-12-07T01:16:35.123Z"
    static QString timeText(qint64 msecsSinceEpoch);
    static QString registerText(const LinkExchange &exchange);

private:
    int ringIndex(int row) const { return (m_first + row) % m_capacity; }
    QString columnTitle(int column) const;

    const int m_capacity;
    QVector<LinkRow> m_ring;
    int m_first = 0;
    int m_size = 0;
    qint64 m_dropped = 0;
    QIcon m_failureIcon, m_resendIcon;
};

// What the monitor shows of the ring: one unit, one kind of request, failures only, a text.
class LinkMonitorFilter : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    // Empty link: every unit.
    void setUnit(const QString &link, int unit);
    // LinkPurpose::Unknown: every kind.
    void setPurpose(LinkPurpose purpose);
    void setFailuresOnly(bool only);
    void setText(const QString &text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    QString m_link;
    int m_unit = 0;
    LinkPurpose m_purpose = LinkPurpose::Unknown;
    bool m_failuresOnly = false;
    QString m_text;
};
