#include "oscsignallists.h"

#include "graphentries.h"
#include "osctraceset.h"
#include "oscunitdev.h"
#include "recfilereader.h"
#include "unitentryfields.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

// The texts keep the translation context of the oscilloscope view, whichever part shows them.

namespace F = UnitEntryField;

namespace {

// Data roles of an entry item. Items keep the device's running number, never its address: a
// removed unit's item finds nothing.
enum { DeviceRole = Qt::UserRole + 1, FileUnitRole, EntryRole };

} // namespace

OscSignalLists::OscSignalLists(const OscTraceSet &traces, QWidget *parent)
    : QTabWidget(parent)
    , m_traces(traces)
{
    setTabPosition(QTabWidget::West);
    for (int page = RS232Page; page <= FavoritesPage; ++page) {
        auto *tree = new QTreeWidget(this);
        tree->setHeaderHidden(true);
        m_lists[page] = tree;
        if (page == FavoritesPage) {
            auto *favPage = new QWidget(this);
            auto *favLayout = new QVBoxLayout(favPage);
            favLayout->setContentsMargins(0, 0, 0, 0);
            m_favSet = new QComboBox(favPage);
            for (int i = 0; i < SettingsRecord::FavouriteSetCount; ++i)
                m_favSet->addItem(QStringLiteral("Set ") + QChar('A' + i));
            m_favApply = new QPushButton(favPage);
            m_favButton = new QPushButton(favPage);
            favLayout->addWidget(m_favSet);
            favLayout->addWidget(tree, 1);
            favLayout->addWidget(m_favApply);
            favLayout->addWidget(m_favButton);
            addTab(favPage, QString());
        } else {
            addTab(tree, QString());
            connect(tree, &QTreeWidget::itemChanged, this, &OscSignalLists::onItemChanged);
        }
    }
}

void OscSignalLists::retranslateUi()
{
    const QStringList pages { QCoreApplication::translate("OscilloscopeWidget", "RS232"),
        QCoreApplication::translate("OscilloscopeWidget", "RS485"),
        QCoreApplication::translate("OscilloscopeWidget", "TCP/IP"),
        QCoreApplication::translate("OscilloscopeWidget", "Units on File"),
        QCoreApplication::translate("OscilloscopeWidget", "Favorites") };
    for (int i = 0; i < pages.size(); ++i)
        setTabText(i, pages.at(i));
    m_favButton->setText(QCoreApplication::translate("OscilloscopeWidget", "Favorites"));
    m_favApply->setText(QCoreApplication::translate("OscilloscopeWidget", "Apply"));
}

QTreeWidget *OscSignalLists::list(int page) const
{
    return page >= 0 && page <= FavoritesPage ? m_lists[page] : nullptr;
}

void OscSignalLists::fillUnitList(int iface, const QList<OscUnitDev *> &devices)
{
    QTreeWidget *tree = m_lists[iface];
    m_filling = true;
    tree->clear();
    for (OscUnitDev *device : devices) {
        auto *unitItem = new QTreeWidgetItem(tree);
        unitItem->setText(0,
            F::at(device->unitEntry(), F::Number) + QStringLiteral(": ")
                + F::at(device->unitEntry(), F::Name));
        const QList<QStringList> rows = device->signalRows();
        const QVector<GraphEntry> entries = GraphEntries::build(rows);
        for (int n = 0; n < entries.size(); ++n) {
            auto *item = new QTreeWidgetItem(unitItem);
            item->setText(0, GraphEntries::name(rows, entries.at(n)));
            item->setData(0, DeviceRole, device->runningNumber());
            item->setData(0, EntryRole, n);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(0, m_traces.indexOf(device, -1, n) >= 0 ? Qt::Checked : Qt::Unchecked);
        }
    }
    tree->expandAll();
    m_filling = false;
}

void OscSignalLists::fillFileList(const Recording &recording)
{
    QTreeWidget *tree = m_lists[FilePage];
    m_filling = true;
    tree->clear();
    for (int u = 0; u < recording.units.size(); ++u) {
        const RecordingUnit &unit = recording.units.at(u);
        auto *unitItem = new QTreeWidgetItem(tree);
        unitItem->setText(0, QString::number(u + 1) + QStringLiteral(": ") + unit.unitLine.value(2));
        const QVector<GraphEntry> entries = GraphEntries::build(unit.catalogue.signalRows);
        for (int n = 0; n < entries.size(); ++n) {
            if (entries.at(n).signal >= unit.signalCount())
                break;
            auto *item = new QTreeWidgetItem(unitItem);
            item->setText(0, GraphEntries::name(unit.catalogue.signalRows, entries.at(n)));
            item->setData(0, FileUnitRole, u);
            item->setData(0, EntryRole, n);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(0, m_traces.indexOf(nullptr, u, n) >= 0 ? Qt::Checked : Qt::Unchecked);
        }
    }
    tree->expandAll();
    m_filling = false;
}

void OscSignalLists::showFavourites(const std::array<FavouriteSet, SettingsRecord::FavouriteSetCount> &sets)
{
    const int current = std::max(0, m_favSet->currentIndex());
    {
        const QSignalBlocker block(m_favSet);
        for (int i = 0; i < SettingsRecord::FavouriteSetCount; ++i) {
            const QString name = sets[size_t(i)].name.isEmpty() ? QStringLiteral("Set ") + QChar('A' + i)
                                                                : sets[size_t(i)].name;
            m_favSet->setItemText(i, name);
        }
    }
    QTreeWidget *tree = m_lists[FavoritesPage];
    tree->clear();
    for (const FavouriteEntry &e : sets[size_t(current)].entries) {
        auto *item = new QTreeWidgetItem(tree);
        item->setText(0, e.text2 + QStringLiteral(" ") + e.text3 + QStringLiteral(": ") + e.text0);
    }
}

void OscSignalLists::turnToUnits()
{
    const int page = currentIndex();
    if (page > TCPIPPage || m_lists[page]->topLevelItemCount() > 0)
        return;
    for (int iface = 0; iface < F::InterfaceCount; ++iface)
        if (m_lists[iface]->topLevelItemCount() > 0) {
            setCurrentIndex(iface);
            return;
        }
}

void OscSignalLists::onItemChanged(QTreeWidgetItem *item, int column)
{
    if (m_filling || column != 0 || !item->parent())
        return;
    const bool on = item->checkState(0) == Qt::Checked;
    const int number = item->data(0, EntryRole).toInt();
    if (item->data(0, FileUnitRole).isValid())
        emit fileEntryToggled(item->data(0, FileUnitRole).toInt(), number, on);
    else
        emit liveEntryToggled(item->data(0, DeviceRole).toInt(), number, on);
}

bool OscSignalLists::isShown(const QTreeWidgetItem *item, int page) const
{
    const int number = item->data(0, EntryRole).toInt();
    if (page == FilePage)
        return m_traces.indexOf(nullptr, item->data(0, FileUnitRole).toInt(), number) >= 0;
    const int runningNumber = item->data(0, DeviceRole).toInt();
    for (const OscTrace &t : m_traces.traces())
        if (t.fileUnit < 0 && t.device && t.device->runningNumber() == runningNumber && t.number == number)
            return true;
    return false;
}

void OscSignalLists::syncChecks()
{
    m_filling = true;
    for (int page = RS232Page; page <= FilePage; ++page) {
        QTreeWidget *tree = m_lists[page];
        for (int u = 0; u < tree->topLevelItemCount(); ++u) {
            QTreeWidgetItem *unit = tree->topLevelItem(u);
            for (int c = 0; c < unit->childCount(); ++c) {
                QTreeWidgetItem *item = unit->child(c);
                item->setCheckState(0, isShown(item, page) ? Qt::Checked : Qt::Unchecked);
            }
        }
    }
    m_filling = false;
}
