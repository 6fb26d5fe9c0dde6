#include "compareparameters.h"

#include "printgui.h"
#include "prompter.h"
#include "screenfit.h"
#include "treeitem.h"
#include "treemodel.h"
#include "unitentryfields.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QColor kHeading(240, 240, 240);

QTableWidgetItem *headingItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    item->setBackground(kHeading);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

QTableWidgetItem *valueItem(const QString &text, bool bold = false)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(Qt::AlignCenter);
    if (bold) {
        QFont font = item->font();
        font.setWeight(99);
        item->setFont(font);
    }
    return item;
}

} // namespace

CompareParameters::CompareParameters(Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_prompter(prompter)
    , m_printDialog(ParameterPrint::defaultPrintDialog())
{
    // Closing a dialog gives the focus back to the main window.
    connect(this, &QDialog::finished, this, &CompareParameters::bringAppToForeGround);
    auto *layout = new QVBoxLayout(this);
    m_heading = new QLabel(this);
    m_heading->setStyleSheet(QStringLiteral("font-weight:bold"));
    layout->addWidget(m_heading);
    m_selectHeading = new QLabel(this);
    layout->addWidget(m_selectHeading);
    auto *groups = new QHBoxLayout;
    for (int side = 0; side < 2; ++side) {
        auto *group = new QGroupBox(this);
        group->setObjectName(side == 0 ? QStringLiteral("first") : QStringLiteral("second"));
        auto *form = new QFormLayout(group);
        m_mode[side] = new QComboBox(group);
        m_mode[side]->addItems(
            { QStringLiteral("RS232"), QStringLiteral("RS485"), QStringLiteral("TCP/IP") });
        m_unit[side] = new QComboBox(group);
        form->addRow(tr("Mode"), m_mode[side]);
        form->addRow(tr("Unit"), m_unit[side]);
        groups->addWidget(group);
        connect(
            m_mode[side], QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this, side](int index) {
                fillUnits(side);
                if (side == 0)
                    emit compareMC1IndexChanged(index);
                else
                    emit compareMC2IndexChanged(index);
            });
    }
    layout->addLayout(groups);
    m_table = new QTableWidget(this);
    m_table->setColumnCount(10);
    m_table->horizontalHeader()->hide();
    m_table->verticalHeader()->hide();
    // Both halves share the width: the set columns stretch, so neither half scrolls off.
    m_table->horizontalHeader()->setMinimumSectionSize(40);
    for (int c = 2; c < 10; ++c)
        m_table->horizontalHeader()->setSectionResizeMode(c, QHeaderView::Stretch);
    layout->addWidget(m_table, 1);
    m_result = new QLabel(this);
    m_result->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_result);
    auto *buttons = new QHBoxLayout;
    // What the last print or PDF came to, beside the buttons that made it.
    m_outcome = new QLabel(this);
    buttons->addWidget(m_outcome, 1);
    m_compare = new QPushButton(this);
    m_print = new QPushButton(this);
    m_cancel = new QPushButton(this);
    buttons->addWidget(m_compare);
    buttons->addWidget(m_print);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
    // Receivers of compareClicked() run first (a controller may refresh the sources); the dialog
    // then compares the chosen sources itself.
    connect(m_compare, &QPushButton::clicked, this, [this] {
        emit compareClicked();
        runComparison();
    });
    connect(m_print, &QPushButton::clicked, this, &CompareParameters::vxUISlotPrintBtnClicked);
    connect(m_cancel, &QPushButton::clicked, this, &CompareParameters::vxUISlotCancelBtnClicked);
    // Most of the screen for the two halves of the table, on any screen and at any scale.
    resize(ScreenFit::available(this).size() * 0.85);
    onLangTranslation(0);
    vxUIInitTable();
}

void CompareParameters::setSources(const QList<Source> &sources)
{
    m_sources = sources;
    fillUnits(0);
    fillUnits(1);
}

void CompareParameters::fillUnits(int side)
{
    const QString key = UnitEntryField::interfaceAt(m_mode[side]->currentIndex());
    m_unit[side]->clear();
    m_shown[side].clear();
    // The units of the chosen interface first; the sets opened from files follow, marked as such,
    // under every interface.
    for (bool files : { false, true }) {
        for (const Source &s : qAsConst(m_sources)) {
            if (!s.model || s.interfaceKey.isEmpty() != files || (!files && s.interfaceKey != key))
                continue;
            m_shown[side].append(s);
            m_unit[side]->addItem(files ? tr("%1 (file)").arg(s.name) : s.name);
        }
    }
}

TreeModel *CompareParameters::selectedModel(int side) const
{
    return m_shown[side].value(m_unit[side]->currentIndex()).model;
}

QString CompareParameters::selectedName(int side) const
{
    return m_shown[side].value(m_unit[side]->currentIndex()).name;
}

void CompareParameters::vxUIInitTable()
{
    m_table->clearSpans();
    m_table->setRowCount(2);
    m_table->setHorizontalHeaderLabels(QVector<QString>(10).toList());
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 10; ++c)
            m_table->setItem(r, c, headingItem(QString()));
    }
    m_table->item(0, 0)->setText(tr("Menu"));
    m_table->item(0, 1)->setText(tr("Parameter"));
    m_table->item(0, 2)->setText(tr("Compare"));
    m_table->item(0, 6)->setText(tr("Compare With"));
    m_table->setSpan(0, 2, 1, 4);
    m_table->setSpan(0, 6, 1, 4);
    const QStringList sets { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
        QStringLiteral("D") };
    for (int i = 0; i < 4; ++i) {
        m_table->item(1, 2 + i)->setText(sets.at(i));
        m_table->item(1, 6 + i)->setText(sets.at(i));
    }
    m_table->setColumnWidth(0, 60);
    m_table->setColumnWidth(1, 200);
    m_result->clear();
}

int CompareParameters::addRow(const QString &menu, const QString &text)
{
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    m_table->setItem(row, 0, valueItem(menu));
    auto *textItem = valueItem(text);
    textItem->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_table->setItem(row, 1, textItem);
    return row;
}

void CompareParameters::showResult(const ParameterCompare::Result &result)
{
    vxUIInitTable();
    for (const auto &d : result.differences) {
        const int row = addRow(d.first->text(TreeItem::MenuColumn), d.first->text(TreeItem::TextColumn));
        for (int set = 0; set < 4; ++set) {
            m_table->setItem(row, 2 + set, valueItem(d.first->text(TreeItem::SetAColumn + set), d.sets[set]));
            m_table->setItem(
                row, 6 + set, valueItem(d.second->text(TreeItem::SetAColumn + set), d.sets[set]));
        }
    }
    // Parameters only one side has are no difference in value, but the user must see them:
    // they are listed under a heading of their own, the missing side marked "-".
    const auto oneSided = [this](const QList<TreeItem *> &items, int side, const QString &title) {
        if (items.isEmpty())
            return;
        const int heading = m_table->rowCount();
        m_table->insertRow(heading);
        auto *item = headingItem(title);
        QFont font = item->font();
        font.setItalic(true);
        item->setFont(font);
        m_table->setItem(heading, 0, item);
        m_table->setSpan(heading, 0, 1, 10);
        for (const TreeItem *p : items) {
            const int row = addRow(p->text(TreeItem::MenuColumn), p->text(TreeItem::TextColumn));
            for (int set = 0; set < 4; ++set) {
                m_table->setItem(row, 2 + 4 * side + set, valueItem(p->text(TreeItem::SetAColumn + set)));
                m_table->setItem(row, 2 + 4 * (1 - side) + set, valueItem(QStringLiteral("-")));
            }
        }
    };
    oneSided(result.onlyInFirst, 0, tr("Only in %1").arg(selectedName(0)));
    oneSided(result.onlyInSecond, 1, tr("Only in %1").arg(selectedName(1)));
    if (result.identical())
        m_result->setText(tr("Files are Identical"));
    else if (result.differences.isEmpty())
        m_result->setText(tr("The parameters both sides have are identical"));
}

void CompareParameters::runComparison()
{
    TreeModel *first = selectedModel(0);
    TreeModel *second = selectedModel(1);
    if (!first || !second) {
        vxUIInitTable();
        m_prompter.information(this, tr("Information"), tr("Select Unit"));
        return;
    }
    showResult(ParameterCompare::compare(first, second));
}

void CompareParameters::vxUISlotPrintBtnClicked()
{
    delete m_printChoice;
    m_printChoice = new CompPrintGui(this);
    m_printChoice->setAttribute(Qt::WA_DeleteOnClose);
    connect(
        m_printChoice, &CompPrintGui::vxUiComparisonPrint, this, &CompareParameters::vxUiComparisonPrintint);
    m_printChoice->open();
}

void CompareParameters::vxUiComparisonPrintint(int output)
{
    TreeModel *first = selectedModel(0);
    TreeModel *second = selectedModel(1);
    if (!first || !second)
        return;
    // Computed again: a unit may have been read or removed since the table was filled.
    const ParameterCompare::Result result = ParameterCompare::compare(first, second);
    ParameterPrint::Header header;
    header.customerData = m_customerData;
    header.unitName = selectedName(0) + QStringLiteral(" / ") + selectedName(1);
    const QString html = ParameterPrint::comparisonHtml(result, selectedName(0), selectedName(1), header);
    m_outcome->setText(
        ParameterPrint::printOrSavePdf(html, output == CompPrintGui::ToPdf, this, m_prompter, m_printDialog));
}

void CompareParameters::vxUISlotCancelBtnClicked()
{
    reject();
}

void CompareParameters::onLangTranslation(int)
{
    setWindowTitle(tr("Compare Parameters"));
    m_heading->setText(tr("Add Units to Compare"));
    m_selectHeading->setText(tr("Select Unit"));
    findChild<QGroupBox *>(QStringLiteral("first"))->setTitle(tr("Select Parameters to compare"));
    findChild<QGroupBox *>(QStringLiteral("second"))->setTitle(tr("Select Parameters to be compared with"));
    m_compare->setText(tr("Compare"));
    m_print->setText(tr("Print"));
    m_cancel->setText(tr("Cancel"));
}
