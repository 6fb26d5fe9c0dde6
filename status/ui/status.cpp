#include "status.h"

#include "statuspages.h"
#include "treemodel.h"
#include "unitentryfields.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeView>
#include <QVBoxLayout>

namespace {
constexpr int UnitCaptionField = 18;
} // namespace

Status::Status(QWidget *parent)
    : QWidget(parent)
{
    buildUnitView(this, QStringLiteral("statusUnitLabel"), &m_label, &m_tree);
}

void Status::buildUnitView(QWidget *owner, const QString &labelName, QLabel **label, QTreeView **tree)
{
    auto *layout = new QVBoxLayout(owner);
    *label = new QLabel(owner);
    (*label)->setObjectName(labelName);
    QFont bold = (*label)->font();
    bold.setBold(true);
    (*label)->setFont(bold);
    *tree = new QTreeView(owner);
    (*tree)->setEditTriggers(QAbstractItemView::NoEditTriggers);
    (*tree)->setAlternatingRowColors(true);
    layout->addWidget(*label);
    layout->addWidget(*tree, 1);
}

QString Status::unitCaption(const QStringList &entry)
{
    const QString caption = UnitEntryField::at(entry, UnitCaptionField);
    return caption.isEmpty() ? UnitEntryField::at(entry, UnitEntryField::Name) : caption;
}

void Status::showRows(QTreeView *tree, TreeModel *model, const QList<int> &rows, const QList<int> &hidden)
{
    tree->setModel(model);
    if (!model)
        return;
    for (int c = 8; c < model->columnCount(); ++c)
        tree->header()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    for (int r = 0; r < model->rowCount(); ++r)
        tree->setRowHidden(r, QModelIndex(), !rows.contains(r));
    for (int c = 0; c < model->columnCount(); ++c)
        tree->setColumnHidden(c, hidden.contains(c));
    tree->setColumnWidth(0, 150);
    tree->setColumnWidth(1, 220); // the texts, wide enough for most
    tree->setColumnWidth(2, 50);
}

void Status::vxUIGetTreeModel(QStringList filelist, TreeModel *model)
{
    m_model = model;
    m_label->setText(unitCaption(filelist));
    QList<int> rows { StatusPages::ProcessRow };
    if (!StatusPages::reducedPages(UnitEntryField::at(filelist, UnitEntryField::Name)))
        rows.append(StatusPages::OperationRow);
    showRows(m_tree, model, rows, { 3, 5, 6, 7, 8, 9, 10, 11 });
    if (!model)
        return;
    if (StatusPages::ProcessRow < model->rowCount()) {
        const QModelIndex process = model->index(StatusPages::ProcessRow, 0);
        for (int r = 1; r < model->rowCount(process); ++r)
            m_tree->setRowHidden(r, process, true);
    }
    m_tree->expandAll();
}
