#include "unittreeframe.h"

#include "unitentryfields.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

namespace F = UnitEntryField;

// The arrows live in this library's resources; a static library's resources must be pulled in by
// hand or the linker drops them.
static void initUnitsResources()
{
    Q_INIT_RESOURCE(units);
}

namespace {

const int markSize = 12;

QString groupLinkText(const QString &caption, bool unfolded)
{
    const QString picture
        = unfolded ? QStringLiteral(":/Panel_UpArrow.png") : QStringLiteral(":/Panel_DownArrow.png");
    return QStringLiteral("<a href=\"fold\" style=\"text-decoration:none;\"><img src=\"%1\"> %2</a>")
        .arg(picture, caption.toHtmlEscaped());
}

} // namespace

UnitTreeFrame::UnitTreeFrame(QWidget *parent)
    : QWidget(parent)
    , m_scanBtn(new QPushButton(this))
    , m_addBtn(new QPushButton(this))
    , m_favorites(new QLabel(this))
{
    initUnitsResources();
    setObjectName(QStringLiteral("UnitTreeFrame"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_scanBtn);
    buttons->addWidget(m_addBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    for (int g = 0; g < GroupCount; ++g) {
        buildGroup(static_cast<Group>(g), this);
        layout->addWidget(m_groups[g].link);
        layout->addWidget(m_groups[g].view);
    }
    layout->addWidget(m_favorites);
    layout->addStretch();

    connect(m_scanBtn, &QPushButton::clicked, this, &UnitTreeFrame::vxUISigScanUnitsBtnClicked);
    // The automatic scan and the favourite signal sets have no dialog yet.
    m_scanBtn->hide();
    m_favorites->hide();
    connect(m_addBtn, &QPushButton::clicked, this, &UnitTreeFrame::vxUISigAddUnitBtnClicked);
    connect(m_favorites, &QLabel::linkActivated, this, &UnitTreeFrame::vxUISigFavoritesClicked);
    connect(m_groups[RS232Group].link, &QLabel::linkActivated, this, &UnitTreeFrame::rs232ListVisibility);
    connect(m_groups[RS485Group].link, &QLabel::linkActivated, this, &UnitTreeFrame::rs485ListVisibility);
    connect(m_groups[TcpIpGroup].link, &QLabel::linkActivated, this, &UnitTreeFrame::tcpIpListVisibility);
    connect(m_groups[FileGroup].link, &QLabel::linkActivated, this, &UnitTreeFrame::fileListVisibility);
    connect(m_groups[RS232Group].view, &QTreeView::clicked, this, &UnitTreeFrame::rs232viewClicked);
    connect(m_groups[RS485Group].view, &QTreeView::clicked, this, &UnitTreeFrame::rs485viewClicked);
    connect(m_groups[TcpIpGroup].view, &QTreeView::clicked, this, &UnitTreeFrame::tcpIpviewClicked);
    connect(m_groups[FileGroup].view, &QTreeView::clicked, this, &UnitTreeFrame::fileviewClicked);

    retranslateUi();
}

void UnitTreeFrame::buildGroup(Group g, QWidget *parent)
{
    GroupWidgets &w = m_groups[g];
    w.link = new QLabel(parent);
    w.link->setTextFormat(Qt::RichText);
    w.link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    w.model = new QStandardItemModel(0, 2, this);
    w.view = new QTreeView(parent);
    w.view->setModel(w.model);
    w.view->setHeaderHidden(true);
    w.view->setRootIsDecorated(false);
    w.view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    w.view->setSelectionBehavior(QAbstractItemView::SelectRows);
    w.view->setSelectionMode(QAbstractItemView::SingleSelection);
    w.view->header()->setSectionResizeMode(MarkColumn, QHeaderView::Fixed);
    w.view->header()->resizeSection(MarkColumn, markSize + 8);
    w.view->header()->setStretchLastSection(true);
}

QString UnitTreeFrame::statusStyle(const QString &state)
{
    const QString colour = state == F::connected() ? QStringLiteral("green") : QStringLiteral("yellow");
    return QStringLiteral("background-color:") + colour
        + QStringLiteral(
            ";border-style: outset; border-width: 2px; border-color:transparent;border-radius:5px");
}

int UnitTreeFrame::groupOf(const QString &interfaceName)
{
    if (interfaceName == F::rs232())
        return RS232Group;
    if (interfaceName == F::rs485())
        return RS485Group;
    if (interfaceName == F::tcpIp())
        return TcpIpGroup;
    if (interfaceName == F::file())
        return FileGroup;
    return -1;
}

QString UnitTreeFrame::rowText(const QStringList &entry)
{
    if (F::at(entry, F::Interface) == F::file() && !F::at(entry, F::FileDisplayName).isEmpty())
        return F::at(entry, F::FileDisplayName);
    // Before identification has named it, a unit is known by its number only.
    const QString name = F::at(entry, F::Name);
    return name.isEmpty() ? F::at(entry, F::Number) : name;
}

void UnitTreeFrame::appendRow(Group g, const QStringList &entry)
{
    GroupWidgets &w = m_groups[g];
    auto *mark = new QStandardItem;
    auto *name = new QStandardItem(rowText(entry));
    name->setToolTip(name->text());
    w.model->appendRow({ mark, name });
    w.entries << entry;
    if (g == FileGroup)
        return;
    auto *markLabel = new QLabel;
    markLabel->setFixedSize(markSize, markSize);
    markLabel->setStyleSheet(statusStyle(F::at(entry, F::State)));
    w.view->setIndexWidget(w.model->index(w.model->rowCount() - 1, MarkColumn), markLabel);
}

void UnitTreeFrame::rebuild(Group g, const QList<QStringList> &entries)
{
    GroupWidgets &w = m_groups[g];
    // The same unit stays selected across a rebuild, without a new click being reported.
    QStringList selected;
    const QModelIndex current = w.view->selectionModel()->currentIndex();
    if (current.isValid() && w.view->selectionModel()->isSelected(current)
        && current.row() < w.entries.size())
        selected = w.entries.at(current.row());

    w.model->removeRows(0, w.model->rowCount());
    w.entries.clear();
    for (const QStringList &entry : entries)
        appendRow(g, entry);

    if (!selected.isEmpty()) {
        for (int row = 0; row < w.entries.size(); ++row) {
            if (F::sameUnit(w.entries.at(row), selected)) {
                w.view->setCurrentIndex(w.model->index(row, NameColumn));
                break;
            }
        }
    }
}

void UnitTreeFrame::constructRS232Tree(QList<QStringList> rs232list)
{
    rebuild(RS232Group, rs232list);
}
void UnitTreeFrame::constructRS485Tree(QList<QStringList> rs485list)
{
    rebuild(RS485Group, rs485list);
}
void UnitTreeFrame::constructTcpIpTree(QList<QStringList> tcpIplist)
{
    rebuild(TcpIpGroup, tcpIplist);
}

void UnitTreeFrame::constructFileTree(QString unitName, QString fileName, QString inom, QString pnom,
    QString version, QString updatedName, TreeModel *model)
{
    QStringList entry = UnitEntryField::emptyEntry();
    entry[F::Name] = unitName;
    entry[F::Interface] = F::file();
    entry[F::DeviceFile] = fileName;
    entry[F::Inom] = inom;
    entry[F::Pnom] = pnom;
    entry[F::Version] = version;
    entry[F::FileDisplayName] = updatedName;
    appendRow(FileGroup, entry);
    m_fileModels << model;
}

TreeModel *UnitTreeFrame::fileModel(int row) const
{
    return m_fileModels.value(row, nullptr);
}

bool UnitTreeFrame::removeFileUnit(TreeModel *model)
{
    const int row = m_fileModels.indexOf(model);
    if (row < 0)
        return false;
    m_fileModels.removeAt(row);
    m_groups[FileGroup].entries.removeAt(row);
    m_groups[FileGroup].model->removeRow(row);
    return true;
}

void UnitTreeFrame::clearFileTree()
{
    m_fileModels.clear();
    m_groups[FileGroup].entries.clear();
    m_groups[FileGroup].model->removeRows(0, m_groups[FileGroup].model->rowCount());
}

QLabel *UnitTreeFrame::statusMark(Group g, int row) const
{
    const GroupWidgets &w = m_groups[g];
    if (row < 0 || row >= w.model->rowCount())
        return nullptr;
    return qobject_cast<QLabel *>(w.view->indexWidget(w.model->index(row, MarkColumn)));
}

void UnitTreeFrame::vxUISlotUnitStatusChanged(QStringList entry)
{
    const int g = groupOf(F::at(entry, F::Interface));
    if (g < 0 || g == FileGroup)
        return;
    GroupWidgets &w = m_groups[g];
    for (int row = 0; row < w.entries.size(); ++row) {
        if (!F::sameUnit(w.entries.at(row), entry))
            continue;
        w.entries[row] = entry;
        w.model->item(row, NameColumn)->setText(rowText(entry));
        if (QLabel *mark = statusMark(static_cast<Group>(g), row))
            mark->setStyleSheet(statusStyle(F::at(entry, F::State)));
        return;
    }
}

void UnitTreeFrame::setGivenName(const QStringList &entry, const QString &name)
{
    const int g = groupOf(F::at(entry, F::Interface));
    if (g < 0 || g == FileGroup)
        return;
    GroupWidgets &w = m_groups[g];
    for (int row = 0; row < w.entries.size(); ++row) {
        if (F::sameUnit(w.entries.at(row), entry))
            w.model->item(row, NameColumn)->setToolTip(name);
    }
}

void UnitTreeFrame::toggle(Group g)
{
    GroupWidgets &w = m_groups[g];
    w.unfolded = !w.unfolded;
    w.view->setHidden(!w.unfolded);
    retranslateUi();
}

void UnitTreeFrame::rs232ListVisibility()
{
    toggle(RS232Group);
}
void UnitTreeFrame::rs485ListVisibility()
{
    toggle(RS485Group);
}
void UnitTreeFrame::tcpIpListVisibility()
{
    toggle(TcpIpGroup);
}
void UnitTreeFrame::fileListVisibility()
{
    toggle(FileGroup);
}

void UnitTreeFrame::rowClicked(Group g, const QModelIndex &index)
{
    const GroupWidgets &w = m_groups[g];
    if (!index.isValid() || index.model() != w.model || index.row() >= w.entries.size())
        return;
    // One current unit for the whole tree: a pick in one group clears the others.
    for (int other = 0; other < GroupCount; ++other) {
        if (other != g)
            m_groups[other].view->clearSelection();
    }
    const QStringList entry = w.entries.at(index.row());
    emit vxUISigUnitClicked(index, F::at(entry, F::DeviceFile), entry);
}

void UnitTreeFrame::rs232viewClicked(QModelIndex index)
{
    rowClicked(RS232Group, index);
}
void UnitTreeFrame::rs485viewClicked(QModelIndex index)
{
    rowClicked(RS485Group, index);
}
void UnitTreeFrame::tcpIpviewClicked(QModelIndex index)
{
    rowClicked(TcpIpGroup, index);
}
void UnitTreeFrame::fileviewClicked(QModelIndex index)
{
    rowClicked(FileGroup, index);
}

bool UnitTreeFrame::selectUnit(const QString &interfaceName, int row, bool notify)
{
    const int g = groupOf(interfaceName);
    if (g < 0 || row < 0 || row >= m_groups[g].model->rowCount())
        return false;
    const QModelIndex index = m_groups[g].model->index(row, NameColumn);
    m_groups[g].view->setCurrentIndex(index);
    for (int other = 0; other < GroupCount; ++other) {
        if (other != g)
            m_groups[other].view->clearSelection();
    }
    if (notify)
        rowClicked(static_cast<Group>(g), index);
    return true;
}

int UnitTreeFrame::selectedRow(Group g) const
{
    const QModelIndexList rows = m_groups[g].view->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void UnitTreeFrame::clearSelection()
{
    for (GroupWidgets &w : m_groups)
        w.view->clearSelection();
}

void UnitTreeFrame::onLangTranslation(int)
{
    retranslateUi();
}

void UnitTreeFrame::retranslateUi()
{
    m_scanBtn->setText(tr("Scan Units"));
    m_scanBtn->setToolTip(tr("Scans the units automatically \n depending on configuration settings"));
    m_addBtn->setText(tr("Add Unit"));
    m_addBtn->setToolTip(tr("Opens window to provide unit details \n inorder to establish connection"));
    static const char *const captions[GroupCount] = { QT_TR_NOOP("Units on RS232"),
        QT_TR_NOOP("Units on RS485"), QT_TR_NOOP("Units on TCP/IP"), QT_TR_NOOP("Units on File") };
    for (int g = 0; g < GroupCount; ++g)
        m_groups[g].link->setText(groupLinkText(tr(captions[g]), m_groups[g].unfolded));
    m_favorites->setText(QStringLiteral("<a href=\"favorites\" style=\"text-decoration:none;\">%1</a>")
                             .arg(tr("Favorites").toHtmlEscaped()));
}
