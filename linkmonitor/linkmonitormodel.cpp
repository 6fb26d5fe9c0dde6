#include "linkmonitormodel.h"

#include "linkdescriber.h"

#include <QColor>
#include <QDateTime>

namespace {

bool isIdentification(LinkPurpose purpose)
{
    return purpose == LinkPurpose::DeviceCode || purpose == LinkPurpose::SoftwareVersion
        || purpose == LinkPurpose::DriveSize;
}

} // namespace

LinkMonitorModel::LinkMonitorModel(int capacity, QObject *parent)
    : QAbstractTableModel(parent)
    , m_capacity(capacity > 0 ? capacity : 1)
{ }

int LinkMonitorModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_size;
}

int LinkMonitorModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

const LinkRow &LinkMonitorModel::row(int index) const
{
    return m_ring.at(ringIndex(index));
}

void LinkMonitorModel::setIcons(const QIcon &failure, const QIcon &resend)
{
    m_failureIcon = failure;
    m_resendIcon = resend;
}

QString LinkMonitorModel::timeText(qint64 msecsSinceEpoch)
{
    return QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch, Qt::UTC).toString(Qt::ISODateWithMs);
}

QString LinkMonitorModel::registerText(const LinkExchange &e)
{
    return e.firstRegister > 0 ? QString::number(e.firstRegister) : QString();
}

QVariant LinkMonitorModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_size)
        return QVariant();
    const LinkRow &r = row(index.row());
    const LinkExchange &e = r.exchange;
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case Time:
            return QDateTime::fromMSecsSinceEpoch(e.timeMs).toString(QStringLiteral("HH:mm:ss.zzz"));
        case Link:
            return e.link;
        case Unit:
            return r.unitName.isEmpty() ? QString::number(e.unit)
                                        : QStringLiteral("%1 %2").arg(e.unit).arg(r.unitName);
        case What:
            return r.what;
        case Function:
            return e.function;
        case Register:
            return registerText(e);
        case Count:
            return e.count;
        case Values:
            return LinkDescriber::valuesText(e);
        case Outcome:
            return LinkDescriber::outcomeText(e);
        case Attempt:
            return e.attempt;
        case Duration:
            return QString::number(double(e.durationUs) / 1000.0, 'f', 1);
        default:
            return QVariant();
        }
    }
    if (role == Qt::DecorationRole && index.column() == Time) {
        if (e.failed())
            return m_failureIcon;
        if (e.attempt > 1)
            return m_resendIcon;
        return QVariant();
    }
    // Translucent tints read on light and dark themes alike.
    if (role == Qt::BackgroundRole) {
        if (e.failed())
            return QColor(230, 40, 40, 70);
        if (e.attempt > 1)
            return QColor(240, 170, 0, 70);
        return QVariant();
    }
    if (role == Qt::TextAlignmentRole && index.column() >= Function && index.column() != Values
        && index.column() != Outcome)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole && (index.column() == Values || index.column() == What)) {
        return QStringLiteral("%1\n> %2\n< %3")
            .arg(LinkDescriber::valuesText(e, 125), QString::fromLatin1(e.request.toHex(' ')),
                QString::fromLatin1(e.reply.toHex(' ')));
    }
    return QVariant();
}

QString LinkMonitorModel::columnTitle(int column) const
{
    switch (column) {
    case Time:
        return tr("Time");
    case Link:
        return tr("Link");
    case Unit:
        return tr("Unit");
    case What:
        return tr("Asked for");
    case Function:
        return tr("Function");
    case Register:
        return tr("Register");
    case Count:
        return tr("Count");
    case Values:
        return tr("Values");
    case Outcome:
        return tr("Outcome");
    case Attempt:
        return tr("Attempt");
    case Duration:
        return tr("ms");
    default:
        return QString();
    }
}

QVariant LinkMonitorModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return columnTitle(section);
    return QVariant();
}

void LinkMonitorModel::append(std::deque<LinkExchange> &&batch, const LinkDescriber *describer)
{
    if (batch.empty())
        return;
    // More than the ring holds: only the newest count.
    if (int(batch.size()) > m_capacity) {
        m_dropped += qint64(batch.size()) - m_capacity;
        batch.erase(batch.begin(), batch.end() - m_capacity);
    }
    const int incoming = int(batch.size());
    int overflow = m_size + incoming - m_capacity;
    if (overflow > 0) {
        // Dropped a hundredth of the ring at a time: every removal at the front costs the filter
        // and the view a pass over all rows, so it is done once per many batches.
        overflow = qMin(m_size, qMax(overflow, m_capacity / 100));
        beginRemoveRows(QModelIndex(), 0, overflow - 1);
        m_first = (m_first + overflow) % m_capacity;
        m_size -= overflow;
        m_dropped += overflow;
        endRemoveRows();
    }
    beginInsertRows(QModelIndex(), m_size, m_size + incoming - 1);
    for (LinkExchange &e : batch) {
        LinkRow r;
        if (describer) {
            r.unitName = describer->unitName(e.link, e.unit);
            r.what = describer->describe(e);
        }
        r.exchange = std::move(e);
        const int at = ringIndex(m_size);
        if (at < m_ring.size())
            m_ring[at] = std::move(r);
        else
            m_ring.append(std::move(r));
        ++m_size;
    }
    endInsertRows();
}

void LinkMonitorModel::clear()
{
    beginResetModel();
    m_ring.clear();
    m_first = m_size = 0;
    m_dropped = 0;
    endResetModel();
}

void LinkMonitorFilter::setUnit(const QString &link, int unit)
{
    m_link = link;
    m_unit = unit;
    invalidateFilter();
}

void LinkMonitorFilter::setPurpose(LinkPurpose purpose)
{
    m_purpose = purpose;
    invalidateFilter();
}

void LinkMonitorFilter::setFailuresOnly(bool only)
{
    m_failuresOnly = only;
    invalidateFilter();
}

void LinkMonitorFilter::setText(const QString &text)
{
    m_text = text.trimmed();
    invalidateFilter();
}

bool LinkMonitorFilter::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    const auto *model = static_cast<const LinkMonitorModel *>(sourceModel());
    const LinkRow &r = model->row(sourceRow);
    const LinkExchange &e = r.exchange;
    if (m_failuresOnly && !e.failed() && e.attempt == 1)
        return false;
    if (!m_link.isEmpty() && (e.link != m_link || e.unit != m_unit))
        return false;
    if (m_purpose != LinkPurpose::Unknown && e.purpose != m_purpose
        && !(isIdentification(m_purpose) && isIdentification(e.purpose)))
        return false;
    if (m_text.isEmpty())
        return true;
    for (const QString &text :
        { r.what, r.unitName, e.link, LinkDescriber::outcomeText(e), LinkMonitorModel::registerText(e) }) {
        if (text.contains(m_text, Qt::CaseInsensitive))
            return true;
    }
    return false;
}
