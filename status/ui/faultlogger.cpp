#include "faultlogger.h"

#include "status.h"
#include "statuspages.h"
#include "treeitem.h"
#include "treemodel.h"
#include "tripdecoding.h"
#include "unitentryfields.h"

#include <QDebug>
#include <QLabel>
#include <QStyledItemDelegate>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

// Shows a trip group's fault number with the text of "[TRIP MESSAGES]", and "Undefined error"
// for a number the file has no text for.
class TripTextDelegate : public QStyledItemDelegate
{
public:
    TripTextDelegate(const FaultLogger *view, QObject *parent)
        : QStyledItemDelegate(parent)
        , m_view(view)
    { }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const TreeModel *model = m_view->model();
        if (!model || index.model() != model || index.column() != TreeItem::SetAColumn)
            return;
        const TreeItem *item = model->getItem(index);
        if (TripDecoding::isFaultNumber(*model, item))
            option->text = m_view->trips().faultText(TripDecoding::faultNumber(*model, item));
    }

private:
    const FaultLogger *m_view;
};

} // namespace

FaultLogger::FaultLogger(QWidget *parent)
    : QWidget(parent)
{
    Status::buildUnitView(this, QStringLiteral("faultUnitLabel"), &m_label, &m_tree);
    m_tree->setItemDelegate(new TripTextDelegate(this, m_tree));
    connect(m_tree, &QTreeView::expanded, this, &FaultLogger::UpdateExpandedTreeState);
    connect(m_tree, &QTreeView::collapsed, this, &FaultLogger::UpdateCollapsedTreeState);
}

void FaultLogger::UpdateExpandedTreeState(QModelIndex Indx)
{
    if (m_model && !m_restoring)
        m_model->setExpandcollapseFlag(ExpansionView, Indx, true);
}

void FaultLogger::UpdateCollapsedTreeState(QModelIndex Indx)
{
    if (m_model && !m_restoring)
        m_model->setExpandcollapseFlag(ExpansionView, Indx, false);
}

void FaultLogger::vxUIGetTreeModel(QStringList filelist, TreeModel *model)
{
    qDebug() << "fault vxUIGetTreeModel" << UnitEntryField::at(filelist, UnitEntryField::Name);
    m_restoring = true;
    m_model = model;
    m_label->setText(Status::unitCaption(filelist));
    QList<int> rows;
    if (!StatusPages::reducedPages(UnitEntryField::at(filelist, UnitEntryField::Name)))
        rows.append(StatusPages::TriplogRow);
    Status::showRows(m_tree, model, rows, { 3, 5, 6, 7, 8, 9, 10, 11 });
    if (model && model->deviceFileName() != m_messagesFile) {
        m_messagesFile = model->deviceFileName();
        m_trips = TripMessages::readFile(m_messagesFile);
    }
    if (model && StatusPages::TriplogRow < model->rowCount()) {
        if (!model->hasExpandState(ExpansionView)) {
            // The trip row and the way down to the newest trip, remembered like branches the user
            // opened, so they stay open around the user's own.
            const QList<const TreeItem *> groups = TripDecoding::tripGroups(*model);
            QModelIndex index = groups.isEmpty() ? model->index(StatusPages::TriplogRow, 0)
                                                 : model->indexOf(groups.first());
            for (; index.isValid(); index = index.parent()) {
                m_tree->expand(index);
                model->setExpandcollapseFlag(ExpansionView, index, true);
            }
        } else {
            for (const QPersistentModelIndex &index : model->expandedIndexes(ExpansionView))
                if (index.isValid())
                    m_tree->expand(index);
        }
    }
    m_restoring = false;
}
