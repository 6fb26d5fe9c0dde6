#include "parameters.h"

#include "editorchoice.h"
#include "lineeditswidget.h"
#include "parameterdelegate.h"
#include "parametertoolbar.h"
#include "prompter.h"
#include "treeitem.h"
#include "treemodel.h"
#include "unitentryfields.h"
#include "valuefieldeditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

static void initParameterResources()
{
    Q_INIT_RESOURCE(parameters_ui);
}

namespace {

const int kInterface = 3;

} // namespace

Parameters::Parameters(Prompter &prompter, QWidget *parent)
    : QWidget(parent)
    , m_prompter(prompter)
    , m_printDialog(ParameterPrint::defaultPrintDialog())
{
    initParameterResources();
    m_toolBar = new ParameterToolBar(this);
    m_tree = new QTreeView(this);
    m_delegate = new ParameterDelegate(this);
    m_tree->setItemDelegate(m_delegate);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setSelectionBehavior(QAbstractItemView::SelectItems);
    // Tab and the arrow keys walk the cells; F2, Return and Space open the editor (eventFilter).
    m_tree->setTabKeyNavigation(true);
    m_tree->installEventFilter(this);
    m_tree->setAlternatingRowColors(true);
    // Menus nest four deep; a narrow indent keeps the menu numbers in their column.
    m_tree->setIndentation(12);
    // Only a drag (or double click) on the header counts as the user's choice: the header also
    // resizes sections itself, for instance the stretched last one when the window changes.
    m_tree->header()->viewport()->installEventFilter(this);
    connect(m_tree->header(), &QHeaderView::sectionResized, this, [this] {
        if (m_fitting || !m_model || !m_headerPressed)
            return;
        m_userWidths.clear();
        for (int c = 0; c < m_tree->header()->count(); ++c)
            m_userWidths << m_tree->header()->sectionSize(c);
    });

    // Limits and help beside the tree.
    auto *side = new QFrame(this);
    m_side = side;
    side->setFixedWidth(220);
    auto *grid = new QGridLayout(side);
    m_minLabel = new QLabel(side);
    m_maxLabel = new QLabel(side);
    m_min = new QLineEdit(side);
    m_max = new QLineEdit(side);
    m_min->setReadOnly(true);
    m_max->setReadOnly(true);
    grid->addWidget(m_minLabel, 0, 0);
    grid->addWidget(m_min, 0, 1);
    grid->addWidget(m_maxLabel, 1, 0);
    grid->addWidget(m_max, 1, 1);
    m_helpTitle = new QLabel(side);
    m_helpTitle->setStyleSheet(QStringLiteral("font-weight:bold; color:#636363"));
    m_helpTitle->setWordWrap(true); // the panel is narrow; some languages need two lines
    m_helpFold = new QPushButton(side);
    m_helpFold->setFlat(true);
    m_helpFold->setIcon(QIcon(QStringLiteral(":/Panel_UpArrow.png")));
    m_helpBody = new QLabel(side);
    m_helpBody->setWordWrap(true);
    auto *helpHead = new QHBoxLayout;
    helpHead->addWidget(m_helpTitle, 1);
    helpHead->addWidget(m_helpFold);
    grid->addLayout(helpHead, 2, 0, 1, 2);
    grid->addWidget(m_helpBody, 3, 0, 1, 2);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(1, 1);
    connect(m_helpFold, &QPushButton::clicked, this, [this] {
        const bool fold = m_helpBody->isVisibleTo(this);
        m_helpBody->setVisible(!fold);
        m_helpFold->setIcon(
            QIcon(fold ? QStringLiteral(":/Panel_DownArrow.png") : QStringLiteral(":/Panel_UpArrow.png")));
    });

    // On a narrow window the side panel gives its room to the sets; the limits then show in one
    // line below the tree.
    m_limitsLine = new QLabel(this);
    m_limitsLine->hide();
    auto *treeColumn = new QVBoxLayout;
    treeColumn->addWidget(m_tree, 1);
    treeColumn->addWidget(m_limitsLine);
    auto *body = new QHBoxLayout;
    body->addLayout(treeColumn, 1);
    body->addWidget(side);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_toolBar);
    layout->addLayout(body, 1);
    m_tree->viewport()->installEventFilter(this);
    const auto showLimits = [this] {
        m_limitsLine->setText(m_min->text().isEmpty() && m_max->text().isEmpty()
                ? QString()
                : QStringLiteral("%1 %2    %3 %4")
                      .arg(m_minLabel->text(), m_min->text(), m_maxLabel->text(), m_max->text()));
    };
    connect(m_min, &QLineEdit::textChanged, this, showLimits);
    connect(m_max, &QLineEdit::textChanged, this, showLimits);

    using B = ParameterToolBar;
    const auto wire = [this](B::Button b, void (Parameters::*pressed)(), void (Parameters::*clicked)()) {
        connect(m_toolBar->button(b), &QPushButton::pressed, this, pressed);
        connect(m_toolBar->button(b), &QPushButton::clicked, this, clicked);
    };
    wire(B::New, &Parameters::vxUISlotNewBtnPressed, &Parameters::vxUISlotNewBtnClicked);
    wire(B::Open, &Parameters::vxUISlotOpenBtnPressed, &Parameters::vxUISlotOpenBtnClicked);
    wire(B::Save, &Parameters::vxUISlotSaveBtnPressed, &Parameters::vxUISlotSaveBtnClicked);
    wire(B::Print, &Parameters::vxUISlotPrintBtnPressed, &Parameters::vxUISlotPrintBtnClicked);
    wire(B::Import, &Parameters::vxUISlotImportBtnPressed, &Parameters::vxUISlotImportBtnClicked);
    wire(B::Export, &Parameters::vxUISlotExportBtnPressed, &Parameters::vxUISlotExportBtnClicked);
    connect(m_toolBar->button(B::Compare), &QPushButton::pressed, this,
        &Parameters::vxUISlotComparePrmBtnPressed);
    connect(m_toolBar->button(B::Compare), &QPushButton::released, this,
        &Parameters::vxUISlotComparePrmBtnReleased);
    connect(m_toolBar->expandButton(), &QPushButton::clicked, this, &Parameters::onExpColClicked);
    connect(m_toolBar->upgradeLink(), &QLabel::linkActivated, this, &Parameters::onLinkActivated);

    connect(m_tree, &QTreeView::clicked, this, &Parameters::vxUISlotTmClicked);
    connect(m_tree, &QTreeView::doubleClicked, this, &Parameters::vxUISlotTmDoubleClicked);
    connect(m_tree, &QTreeView::expanded, this, &Parameters::UpdateExpandedTreeState);
    connect(m_tree, &QTreeView::collapsed, this, &Parameters::UpdateCollapsedTreeState);
    connect(m_delegate, &ParameterDelegate::valueCommitted, this, &Parameters::commitValue);
    connect(m_delegate, &ParameterDelegate::valueRefused, this, &Parameters::refuseValue);
    // Escape (and Return or Tab once a value is taken) ends the edit; the tree keeps the focus.
    connect(m_delegate, &QAbstractItemDelegate::closeEditor, this,
        [this](QWidget *, QAbstractItemDelegate::EndEditHint hint) { editorClosed(hint); });

    retranslateUi();
    reportActionStates();
}

Parameters::~Parameters()
{
    // Models made here die with the view's children, after this object is half gone: they must
    // not call back.
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    for (TreeModel *model : findChildren<TreeModel *>(QString(), Qt::FindDirectChildrenOnly))
        disconnect(model, nullptr, this, nullptr);
}

bool Parameters::isUnitSet() const
{
    const QString interface = m_unitInfo.value(kInterface);
    return !interface.isEmpty() && interface != QLatin1String("FILE");
}

QString Parameters::shownName() const
{
    const QString display = m_unitInfo.value(UnitEntryField::FileDisplayName);
    return display.isEmpty() ? m_unitInfo.value(UnitEntryField::Name) : display;
}

Parameters::ActionStates Parameters::actionStates() const
{
    ActionStates s;
    const bool haveModel = !m_model.isNull();
    // While a transfer runs the user cannot operate: the worker is writing the values that a
    // save, a printout or a comparison would read.
    const bool idle = !m_impExpDisabled;
    s.newSet = idle;
    s.open = idle;
    s.save = s.print = s.compare = haveModel && idle;
    s.datFileInfo = haveModel;
    s.loadFromDrive = haveModel && isUnitSet() && !m_impExpDisabled;
    s.loadToDrive = haveModel && !m_impExpDisabled;
    return s;
}

void Parameters::reportActionStates()
{
    const ActionStates s = actionStates();
    using B = ParameterToolBar;
    m_toolBar->setButtonEnabled(B::Save, s.save);
    m_toolBar->setButtonEnabled(B::Print, s.print);
    m_toolBar->setButtonEnabled(B::Compare, s.compare);
    m_toolBar->setButtonEnabled(B::Import, s.loadFromDrive);
    m_toolBar->setButtonEnabled(B::Export, s.loadToDrive);
    // A set from file has no unit to send to: its edits go with "Load to Drive".
    m_toolBar->sendDirectly()->setEnabled(m_model && isUnitSet());
    m_toolBar->setUnitName(m_model ? shownName() : QString());
    emit vxUISigEnableParamSettings();
}

void Parameters::vxUISlotSetTreeView(QStringList list, TreeModel *model)
{
    closeEditor();
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    m_unitInfo = list;
    m_fitting = true;
    m_tree->setModel(model);
    if (model) {
        // Only the four sets as shown are for the user; the stored forms travel in the file.
        for (int c = TreeItem::DefaultColumn; c < TreeItem::ColumnCount; ++c)
            m_tree->setColumnHidden(c, c == TreeItem::DefaultColumn || c >= TreeItem::StoredAColumn);
    }
    m_fitting = false;
    if (model) {
        fitColumns();
        connect(model, &QObject::destroyed, this, [this] {
            m_editIndex = QPersistentModelIndex();
            m_unitInfo.clear();
            reportActionStates();
        });
        // A language change or a new read rebuilds the rows; the user's fold state stays.
        connect(model, &QAbstractItemModel::modelReset, this, &Parameters::restoreTreeExapandCollapseSet);
    }
    m_min->clear();
    m_max->clear();
    restoreTreeExapandCollapseSet();
    reportActionStates();
    // The control panel drives a unit; a set from file has none.
    emit vxUISigEnableCtrlSettings(model && isUnitSet());
    emit sendTreeModel(list, model);
}

QString Parameters::stateKey() const
{
    // One fold state per unit or file: interface, number, port, address, shown file name.
    return QStringList { m_unitInfo.value(UnitEntryField::Interface),
        m_unitInfo.value(UnitEntryField::Number), m_unitInfo.value(UnitEntryField::Port),
        m_unitInfo.value(UnitEntryField::IpAddress), m_unitInfo.value(UnitEntryField::DeviceFile),
        m_unitInfo.value(UnitEntryField::FileDisplayName) }
        .join(QLatin1Char('|'));
}

QString Parameters::pathOf(const QModelIndex &index) const
{
    QStringList parts;
    for (QModelIndex i = index.siblingAtColumn(0); i.isValid(); i = i.parent())
        parts.prepend(i.data().toString());
    return parts.join(QLatin1Char('/'));
}

void Parameters::restoreTreeExapandCollapseSet()
{
    if (!m_model)
        return;
    const ExpandState state = m_expandStates.value(stateKey());
    m_restoring = true;
    m_expandAll = state.all;
    if (state.all) {
        m_tree->expandAll();
    } else {
        m_tree->collapseAll();
        m_model->forEachItem([this, &state](TreeItem *item) {
            if (item->childCount() == 0)
                return;
            const QModelIndex index = m_model->indexOf(item);
            if (state.expanded.contains(pathOf(index)))
                m_tree->expand(index);
        });
    }
    m_restoring = false;
    m_toolBar->showExpanded(m_expandAll);
}

void Parameters::UpdateExpandedTreeState(QModelIndex index)
{
    if (!m_restoring && m_model)
        m_expandStates[stateKey()].expanded.insert(pathOf(index));
}

void Parameters::UpdateCollapsedTreeState(QModelIndex index)
{
    if (m_restoring || !m_model)
        return;
    ExpandState &state = m_expandStates[stateKey()];
    state.expanded.remove(pathOf(index));
    state.all = false;
}

void Parameters::vxUIExpandAllClicked()
{
    if (!m_model)
        return;
    ExpandState &state = m_expandStates[stateKey()];
    m_expandAll = !m_expandAll;
    state.all = m_expandAll;
    state.expanded.clear();
    m_restoring = true;
    if (m_expandAll)
        m_tree->expandAll();
    else
        m_tree->collapseAll();
    m_restoring = false;
    m_toolBar->showExpanded(m_expandAll);
}

void Parameters::onExpColClicked()
{
    vxUIExpandAllClicked();
}

void Parameters::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const bool narrow = width() < NarrowWidth;
    m_side->setVisible(!narrow);
    m_limitsLine->setVisible(narrow);
}

void Parameters::fitColumns()
{
    if (!m_model)
        return;
    // Menu, text and unit keep a readable width; the four sets share what is left, so all of
    // them stay in view down to a narrow window (below that the tree scrolls).
    QHeaderView *header = m_tree->header();
    const QScopedValueRollback<bool> fitting(m_fitting, true);
    if (!m_userWidths.isEmpty()) {
        // What the user dragged stays, through window resizes and other units alike.
        for (int c = 0; c < m_userWidths.size() && c < header->count(); ++c)
            if (!header->isSectionHidden(c))
                header->resizeSection(c, m_userWidths[c]);
        return;
    }
    const int available = m_tree->viewport()->width();
    const int menu = menuColumnWidth();
    const int unit = 60;
    const int text = qBound(120, available - menu - unit - 4 * 90, 260);
    const int set = qMax(70, (available - menu - unit - text) / 4);
    header->resizeSection(TreeItem::MenuColumn, menu);
    header->resizeSection(TreeItem::TextColumn, text);
    header->resizeSection(TreeItem::UnitColumn, unit);
    for (int i = 0; i < 4; ++i)
        header->resizeSection(TreeItem::SetAColumn + i, set);
}

int Parameters::menuColumnWidth() const
{
    // The menu number is the parameter's name: the column holds the widest one at its depth,
    // indentation and branch mark included, in the view's own font.
    const QFontMetrics metrics(m_tree->font());
    int widest = metrics.horizontalAdvance(
        m_tree->header()->model()->headerData(TreeItem::MenuColumn, Qt::Horizontal).toString());
    QList<QPair<QModelIndex, int>> pending { { QModelIndex(), 1 } };
    while (!pending.isEmpty()) {
        const auto [parent, depth] = pending.takeLast();
        for (int row = 0; row < m_model->rowCount(parent); ++row) {
            const QModelIndex index = m_model->index(row, TreeItem::MenuColumn, parent);
            widest = qMax(widest,
                depth * m_tree->indentation() + metrics.horizontalAdvance(index.data().toString().trimmed()));
            if (m_model->hasChildren(index))
                pending.append({ index, depth + 1 });
        }
    }
    return qMax(80, widest + 2 * metrics.averageCharWidth() + 8);
}

bool Parameters::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_tree->viewport() && event->type() == QEvent::Resize)
        fitColumns();
    if (watched == m_tree->header()->viewport()) {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
            m_headerPressed = true;
        else if (event->type() == QEvent::MouseButtonRelease)
            m_headerPressed = false;
    }
    if (watched == m_tree && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_F2:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (key->modifiers() & ~Qt::KeypadModifier)
                break;
            vxUISlotTmClicked(m_tree->currentIndex());
            return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            if (key->modifiers() & ~Qt::ShiftModifier)
                break;
            moveToNextSet(key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier));
            return true;
        case Qt::Key_Escape:
            if (m_editIndex.isValid()) {
                closeEditor();
                return true;
            }
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Parameters::moveToNextSet(bool back)
{
    // Tab walks the sets A to D of a row, then on to set A of the next row (the view alone would
    // go down a row, as the arrow keys do).
    const QModelIndex at = m_tree->currentIndex();
    if (!at.isValid())
        return;
    constexpr int first = TreeItem::SetAColumn, last = TreeItem::SetAColumn + 3;
    int column = at.column() + (back ? -1 : 1);
    QModelIndex row = at;
    if (back && column < first) {
        row = m_tree->indexAbove(at);
        column = last;
    } else if (column < first) {
        column = first;
    } else if (column > last) {
        row = m_tree->indexBelow(at);
        column = first;
    }
    if (row.isValid())
        m_tree->setCurrentIndex(row.siblingAtColumn(column));
}

void Parameters::editorClosed(QAbstractItemDelegate::EndEditHint hint)
{
    const QModelIndex at = m_editIndex;
    closeEditor();
    m_tree->setFocus();
    if (!at.isValid())
        return;
    const int step = hint == QAbstractItemDelegate::EditNextItem ? 1
        : hint == QAbstractItemDelegate::EditPreviousItem        ? -1
                                                                 : 0;
    const int column = at.column() + step;
    const QPersistentModelIndex next(
        step != 0 && column >= TreeItem::SetAColumn && column < TreeItem::SetAColumn + 4
            ? at.sibling(at.row(), column)
            : at);
    // After the view's own handling of the same hint, which would move to the next row instead.
    QTimer::singleShot(0, this, [this, next] {
        if (next.isValid())
            m_tree->setCurrentIndex(next);
    });
}

void Parameters::refuseValue(const QModelIndex &index, const QString &text, bool typing)
{
    if (!m_model || !index.isValid() || index.model() != m_model)
        return;
    const TreeItem *item = m_model->getItem(index);
    const int set = index.column() - TreeItem::SetAColumn;
    const DependencyTable::Limits limits = m_model->limits(item, set >= 0 && set < 4 ? set : 0);
    const QString name = QStringLiteral("%1 %2").arg(
        item->text(TreeItem::MenuColumn).trimmed(), item->text(TreeItem::TextColumn).trimmed());
    const QString range = limits.min.isEmpty() && limits.max.isEmpty()
        ? QString()
        : tr("The range is %1 to %2.").arg(limits.min, limits.max);
    if (typing) {
        emit statusMessage(tr("%1: that key is not accepted here. %2").arg(name, range).trimmed());
        return;
    }
    emit statusMessage(tr("%1: \"%2\" was not taken. %3").arg(name, text, range).trimmed());
    m_prompter.warning(this, tr("Warning"),
        (tr("\"%1\" is not a valid value for %2.").arg(text, name) + QLatin1Char('\n') + range).trimmed());
}

void Parameters::closeEditor()
{
    if (m_editIndex.isValid()) {
        m_tree->closePersistentEditor(m_editIndex);
        // A row grown to hold its editor returns to its own height.
        m_tree->doItemsLayout();
    }
    m_editIndex = QPersistentModelIndex();
}

void Parameters::vxUISlotTmClicked(QModelIndex index)
{
    if (!index.isValid() || !m_model || index.model() != m_model)
        return;
    closeEditor();
    const TreeItem *item = m_model->getItem(index);
    if (!item || item->isMenu())
        return;
    const int column = index.column();
    const int set = column - TreeItem::SetAColumn;
    const DependencyTable::Limits limits = m_model->limits(item, set >= 0 && set < 4 ? set : 0);
    m_min->setText(limits.min);
    m_max->setText(limits.max);
    if (ParameterDelegate::choiceFor(index).kind == EditorChoice::None || m_impExpDisabled)
        return;
    m_editIndex = index;
    m_tree->openPersistentEditor(index);
    if (QWidget *editor = m_tree->indexWidget(index))
        editor->setFocus();
}

void Parameters::vxUISlotTmDoubleClicked(QModelIndex index)
{
    vxUISlotTmClicked(index);
}

void Parameters::commitValue(const QModelIndex &index, const QString &text, bool lineEdit)
{
    if (!m_model || !index.isValid() || index.model() != m_model)
        return;
    if (!m_model->setData(index, text, Qt::EditRole)) {
        refuseValue(index, text, false);
        return;
    }
    const TreeItem *item = m_model->getItem(index);
    const int set = index.column() - TreeItem::SetAColumn;
    // Dependent limits (a selection changed) show at once.
    const DependencyTable::Limits limits = m_model->limits(item, set);
    m_min->setText(limits.min);
    m_max->setText(limits.max);
    // Replaces whatever an earlier refused value left in the status bar.
    emit statusMessage(
        tr("%1 %2 is now %3 in set %4")
            .arg(item->text(TreeItem::MenuColumn).trimmed(), item->text(TreeItem::TextColumn).trimmed(),
                item->text(TreeItem::SetAColumn + set), QString(QChar(u'A' + set))));
    // A file set has no unit to send to; its edits go with "Load to Drive".
    if (m_toolBar->sendDirectly()->isChecked() && isUnitSet())
        emit sendDataToControl(index, item->text(TreeItem::SetAColumn + set),
            item->text(TreeItem::StoredAColumn + set), m_model, lineEdit, m_unitInfo);
}

void Parameters::updateTreeValue(QString text)
{
    commitValue(m_editIndex, text, false);
}

void Parameters::updateTreeValue()
{
    if (auto *editor = qobject_cast<specialwidgets *>(m_tree->indexWidget(m_editIndex)))
        updateTreeValue(editor->isCombo() ? editor->comboBox()->currentText() : editor->lineEdit()->text());
}

void Parameters::updateLineEditTreeValue()
{
    auto *editor = qobject_cast<specialwidgets *>(m_tree->indexWidget(m_editIndex));
    if (editor && !editor->isCombo() && editor->lineEdit()->hasAcceptableInput())
        commitValue(m_editIndex, editor->lineEdit()->text(), true);
}

void Parameters::updateLineEditTreeValue1()
{
    updateLineEditTreeValue();
}

void Parameters::update3LETreeValue()
{
    auto *editor = qobject_cast<LineEditsWidget *>(m_tree->indexWidget(m_editIndex));
    if (editor && editor->isAcceptable())
        commitValue(m_editIndex, editor->text(), true);
}

void Parameters::vxUISlotDisableImpExpWid(bool disable)
{
    m_impExpDisabled = disable;
    if (disable)
        closeEditor();
    reportActionStates();
}

void Parameters::onLinkActivated(QString)
{
    emit vxUISigUpgradeCsvClicked();
}

void Parameters::onLangTranslation(int language)
{
    m_language = uint(qMax(0, language));
    retranslateUi();
}

void Parameters::retranslateUi()
{
    m_toolBar->retranslateUi();
    m_toolBar->setUnitName(m_model ? shownName() : QString());
    m_minLabel->setText(tr("Min"));
    m_maxLabel->setText(tr("Max"));
    m_min->setToolTip(tr("Minimum limit of the parameter selected in the view"));
    m_max->setToolTip(tr("Maximum limit of the parameter selected in the view"));
    m_helpTitle->setText(tr("Parameter Help"));
    m_helpBody->setText(tr("Please refer help manual."));
}
