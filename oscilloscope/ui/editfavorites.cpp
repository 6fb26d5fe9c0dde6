#include "editfavorites.h"

#include "graphentries.h"
#include "oscunitdev.h"
#include "prompter.h"
#include "unitentryfields.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>

namespace F = UnitEntryField;

AddFavParam::AddFavParam(QWidget *parent)
    : QDialog(parent)
{
    auto *layout = new QGridLayout(this);
    m_label = new QLabel(this);
    m_parameter = new QLineEdit(this);
    m_parameter->setReadOnly(true);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_cancel = new QPushButton(this);
    layout->addWidget(m_label, 0, 0);
    layout->addWidget(m_parameter, 0, 1);
    layout->addWidget(m_ok, 1, 0);
    layout->addWidget(m_cancel, 1, 1);
    connect(m_ok, &QPushButton::clicked, this, &AddFavParam::okClicked);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    onLangTranslation(0);
}

void AddFavParam::onLangTranslation(int)
{
    setWindowTitle(tr("Favorites"));
    m_label->setText(tr("Parameter"));
    m_cancel->setText(tr("Cancel"));
}

EditFavorites::EditFavorites(Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_prompter(prompter)
{
    auto *grid = new QGridLayout(this);
    m_setLabel = new QLabel(this);
    m_setBox = new QComboBox(this);
    m_setBox->addItems({ QStringLiteral("Set A"), QStringLiteral("Set B"), QStringLiteral("Set C"),
        QStringLiteral("Set D") });
    m_nameLabel = new QLabel(this);
    m_name = new QLineEdit(this);
    m_rename = new QPushButton(this);
    m_modeLabel = new QLabel(this);
    m_mode = new QComboBox(this);
    m_mode->addItems({ QStringLiteral("RS232"), QStringLiteral("RS485"), QStringLiteral("TCP/IP") });
    m_unitLabel = new QLabel(this);
    m_units = new QListWidget(this);
    m_paramLabel = new QLabel(this);
    m_tree = new QTreeWidget(this);
    m_tree->setHeaderHidden(true);
    m_table = new QTableWidget(0, 4, this);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_addButton = new QPushButton(this);
    m_remove = new QPushButton(this);
    m_save = new QPushButton(this);
    m_apply = new QPushButton(this);
    m_cancel = new QPushButton(this);
    m_add = new AddFavParam(this);
    grid->addWidget(m_setLabel, 0, 0);
    grid->addWidget(m_setBox, 0, 1);
    grid->addWidget(m_nameLabel, 0, 2);
    grid->addWidget(m_name, 0, 3);
    grid->addWidget(m_rename, 0, 4);
    grid->addWidget(m_modeLabel, 1, 0);
    grid->addWidget(m_mode, 1, 1);
    grid->addWidget(m_unitLabel, 2, 0);
    grid->addWidget(m_units, 3, 0, 1, 2);
    grid->addWidget(m_paramLabel, 4, 0);
    grid->addWidget(m_tree, 5, 0, 1, 2);
    grid->addWidget(m_table, 1, 2, 5, 3);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : { m_addButton, m_remove, m_save, m_apply, m_cancel })
        buttons->addWidget(b);
    grid->addLayout(buttons, 6, 0, 1, 5);
    connect(m_setBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
        &EditFavorites::vxUISetComboChanged);
    connect(m_rename, &QPushButton::clicked, this, &EditFavorites::vxUISlotReNameClicked);
    connect(m_mode, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
        &EditFavorites::vxUISigModeComboChanged);
    connect(m_units, &QListWidget::currentRowChanged, this, &EditFavorites::fillTree);
    connect(m_addButton, &QPushButton::clicked, this, &EditFavorites::vxUISlotFavAddClicked);
    connect(m_remove, &QPushButton::clicked, this, &EditFavorites::vxUISlotFavRemoveClicked);
    connect(m_save, &QPushButton::clicked, this, &EditFavorites::vxUISlotSaveBtnReleased);
    connect(m_apply, &QPushButton::clicked, this, &EditFavorites::vxUISlotApplyBtnReleased);
    connect(m_cancel, &QPushButton::clicked, this, &EditFavorites::vxUISlotCancelBtnReleased);
    connect(m_add, &AddFavParam::okClicked, this, &EditFavorites::vxUISlotAddFavOkClicked);
    connect(m_add, &QDialog::rejected, this, &EditFavorites::vxUISlotAddFavCancelClicked);
    onLangTranslation(0);
}

void EditFavorites::onLangTranslation(int language)
{
    setWindowTitle(tr("Favorites"));
    m_setLabel->setText(tr("Select Set"));
    m_nameLabel->setText(tr("Set Name"));
    m_rename->setText(tr("Rename"));
    m_modeLabel->setText(tr("Mode"));
    m_unitLabel->setText(tr("Unit"));
    m_paramLabel->setText(tr("Parameters"));
    m_table->setHorizontalHeaderLabels({ tr("Auto\nScale"), tr("Param\nName"), tr("Curr\nVal"), tr("Unit") });
    m_addButton->setText(tr("Add"));
    m_remove->setText(tr("Remove"));
    m_save->setText(tr("Save"));
    m_apply->setText(tr("Apply"));
    m_cancel->setText(tr("Cancel"));
    m_add->onLangTranslation(language);
}

void EditFavorites::setSets(const Sets &sets, int current)
{
    m_sets = sets;
    m_shown = std::clamp(current, 0, int(SettingsRecord::FavouriteSetCount) - 1);
    const QSignalBlocker block(m_setBox);
    m_setBox->setCurrentIndex(m_shown);
    showSet(m_shown);
}

int EditFavorites::currentSet() const
{
    return m_shown;
}

int EditFavorites::mode() const
{
    return m_mode->currentIndex();
}

void EditFavorites::showSet(int index)
{
    m_shown = index;
    m_name->setText(m_sets[size_t(index)].name);
    m_table->setRowCount(0);
    for (const FavouriteEntry &e : m_sets[size_t(index)].entries)
        vxUIAppendRow({ e.flag1 ? QStringLiteral("1") : QStringLiteral("0"), e.text0, QString(),
            e.text2 + QLatin1Char(' ') + e.text3 });
}

void EditFavorites::vxUIAppendRow(QStringList list)
{
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    auto *scale = new QTableWidgetItem;
    scale->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    scale->setCheckState(list.value(0) == QLatin1String("1") ? Qt::Checked : Qt::Unchecked);
    m_table->setItem(row, 0, scale);
    for (int c = 1; c < 4; ++c) {
        auto *item = new QTableWidgetItem(list.value(c));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        m_table->setItem(row, c, item);
    }
}

// The table's auto-scale choices go back into the shown set.
void EditFavorites::vxUIStoreData()
{
    QList<FavouriteEntry> &entries = m_sets[size_t(m_shown)].entries;
    for (int r = 0; r < m_table->rowCount() && r < entries.size(); ++r)
        entries[r].flag1 = m_table->item(r, 0)->checkState() == Qt::Checked;
}

void EditFavorites::vxUISetComboChanged(int index)
{
    vxUIStoreData();
    showSet(index);
}

void EditFavorites::vxUISlotReNameClicked()
{
    m_sets[size_t(m_shown)].name = m_name->text().trimmed();
}

void EditFavorites::setUnits(const QList<OscUnitDev *> &devices)
{
    m_devices.clear();
    m_units->clear();
    for (OscUnitDev *device : devices) {
        m_devices.append(device);
        m_units->addItem(F::at(device->unitEntry(), F::Number) + QStringLiteral(": ")
            + F::at(device->unitEntry(), F::Name));
    }
    if (!devices.isEmpty())
        m_units->setCurrentRow(0);
    fillTree();
}

void EditFavorites::fillTree()
{
    m_tree->clear();
    const int row = m_units->currentRow();
    if (row < 0 || row >= m_devices.size() || !m_devices.at(row))
        return;
    const QList<QStringList> rows = m_devices.at(row)->signalRows();
    const QVector<GraphEntry> entries = GraphEntries::build(rows);
    for (int n = 0; n < entries.size(); ++n) {
        auto *item = new QTreeWidgetItem(m_tree);
        item->setText(0, GraphEntries::name(rows, entries.at(n)));
        item->setData(0, Qt::UserRole, n);
    }
}

bool EditFavorites::chosenEntry(FavouriteEntry *entry) const
{
    const int row = m_units->currentRow();
    QTreeWidgetItem *item = m_tree->currentItem();
    if (!item || row < 0 || row >= m_devices.size() || !m_devices.at(row))
        return false;
    const OscUnitDev *device = m_devices.at(row);
    entry->text0 = item->text(0);
    entry->flag1 = false;
    entry->text2 = F::at(device->unitEntry(), F::Interface);
    entry->text3 = QString::number(device->unitNumber());
    entry->text4 = QString::number(item->data(0, Qt::UserRole).toInt());
    entry->flag5 = true;
    return true;
}

void EditFavorites::vxUISlotFavAddClicked()
{
    FavouriteEntry entry;
    if (!chosenEntry(&entry))
        return;
    emit vxUISigGetAddFavParamList();
    m_add->parameter()->setText(entry.text0);
    m_add->show();
}

void EditFavorites::vxUISlotAddFavOkClicked()
{
    m_add->hide();
    FavouriteEntry entry;
    if (!chosenEntry(&entry))
        return;
    for (const FavouriteEntry &e : m_sets[size_t(m_shown)].entries)
        if (e.text2 == entry.text2 && e.text3 == entry.text3 && e.text4 == entry.text4) {
            m_prompter.information(this, tr("Information"), tr("Param already exists"));
            return;
        }
    vxUIStoreData();
    m_sets[size_t(m_shown)].entries.append(entry);
    showSet(m_shown);
    emit vxUISigAddFavOkClicked();
}

void EditFavorites::vxUISlotAddFavCancelClicked()
{
    m_add->hide();
}

void EditFavorites::vxUISlotFavRemoveClicked()
{
    const int row = m_table->currentRow();
    if (row < 0 || row >= m_sets[size_t(m_shown)].entries.size())
        return;
    vxUIStoreData();
    m_sets[size_t(m_shown)].entries.removeAt(row);
    showSet(m_shown);
}

void EditFavorites::vxUISlotSaveBtnReleased()
{
    vxUIStoreData();
    vxUISlotReNameClicked();
    hide();
    emit vxUISigFavOkClicked();
}

void EditFavorites::vxUISlotApplyBtnReleased()
{
    vxUISlotSaveBtnReleased();
}

void EditFavorites::vxUISlotCancelBtnReleased()
{
    hide();
    emit vxUISigFavCancelClicked();
}
