#include "linkmonitorwindow.h"

#include "linkrecords.h"
#include "prompter.h"
#include "screenfit.h"
#include "treemodel.h"
#include "unitentryfields.h"
#include "unitregistry.h"
#include "vxcommmodbusmaster.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int DrainIntervalMs = 200; // a batch five times a second keeps the view fluid
constexpr int StatisticsEvery = 5; // batches between two refreshes of the statistics

// A filled disc with a white mark: it carries its own background, so it reads on light and dark
// themes alike.
QIcon markIcon(const QColor &fill, const QString &mark)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255, 200), 2));
    painter.setBrush(fill);
    painter.drawEllipse(QRectF(2, 2, 28, 28));
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(20);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, mark);
    return QIcon(pixmap);
}

QString unitKey(const QString &link, int unit)
{
    return link + QLatin1Char('@') + QString::number(unit);
}

QString ms(double us)
{
    return QString::number(us / 1000.0, 'f', 1);
}

} // namespace

LinkMonitorWindow::UnitResolver LinkMonitorWindow::unitsOf(const UnitRegistry &registry)
{
    return [&registry](const QString &link, int unit, QString *name, const TreeModel **model) {
        for (int iface = 0; iface < UnitRegistry::InterfaceCount; ++iface) {
            for (int i = 0; i < registry.count(iface); ++i) {
                const UnitRecord *record = registry.record(iface, i);
                if (record->master && record->master->VxCommLinkName() == link
                    && record->entry.value(UnitEntryField::Number).toInt() == unit) {
                    *name = record->entry.value(UnitEntryField::Name);
                    *model = record->model;
                    return true;
                }
            }
        }
        return false;
    };
}

LinkMonitorWindow::LinkMonitorWindow(Prompter &prompter, UnitResolver resolver, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_prompter(prompter)
    , m_resolver(std::move(resolver))
    , m_model(new LinkMonitorModel(LinkMonitorModel::DefaultCapacity, this))
    , m_filter(new LinkMonitorFilter(this))
    , m_timer(new QTimer(this))
{
    m_filter->setSourceModel(m_model);
    m_failureIcon = markIcon(QColor(200, 30, 30), QStringLiteral("!"));
    m_model->setIcons(m_failureIcon, markIcon(QColor(215, 140, 0), QStringLiteral("\u21bb")));
    build();
    retranslate();
    m_timer->setInterval(DrainIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &LinkMonitorWindow::drain);
}

LinkMonitorWindow::~LinkMonitorWindow()
{
    listen(false);
}

void LinkMonitorWindow::build()
{
    setObjectName(QStringLiteral("linkMonitor"));
    // Most of the screen it opens on, whatever its size and scale, and never more than it has.
    resize(ScreenFit::available(this).size() * 0.85);
    m_unitBox = new QComboBox(this);
    m_unitBox->addItem(QString(), QString());
    // The choosers give way on a narrow or scaled screen; their lists still open at full width.
    m_unitBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_unitBox->setMinimumContentsLength(10);
    m_kindBox = new QComboBox(this);
    m_kindBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_kindBox->setMinimumContentsLength(10);
    for (LinkPurpose purpose :
        { LinkPurpose::Unknown, LinkPurpose::Parameters, LinkPurpose::DeviceCode, LinkPurpose::Status,
            LinkPurpose::TripLog, LinkPurpose::ControlPanel, LinkPurpose::Oscilloscope, LinkPurpose::Scan })
        m_kindBox->addItem(QString(), int(purpose));
    m_failuresOnly = new QCheckBox(this);
    m_search = new QLineEdit(this);
    m_search->setClearButtonEnabled(true);
    m_pause = new QPushButton(this);
    m_pause->setCheckable(true);
    m_clear = new QPushButton(this);
    m_save = new QPushButton(this);
    m_resetStatistics = new QPushButton(this);

    auto *filters = new QHBoxLayout;
    filters->addWidget(m_unitBox);
    filters->addWidget(m_kindBox);
    filters->addWidget(m_failuresOnly);
    filters->addWidget(m_search, 1);

    m_table = new QTableView(this);
    m_table->setModel(m_filter);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    // Fixed row heights: the view never measures rows, whatever the ring holds.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    QHeaderView *header = m_table->horizontalHeader();
    const int widths[LinkMonitorModel::ColumnCount] = { 125, 85, 130, 250, 40, 55, 40, 100, 85, 40, 50 };
    for (int column = 0; column < LinkMonitorModel::ColumnCount; ++column)
        header->resizeSection(column, widths[column]);
    header->setSectionResizeMode(LinkMonitorModel::What, QHeaderView::Stretch);

    m_statisticsTree = new QTreeWidget(this);
    m_statisticsTree->setColumnCount(1);
    m_statisticsTree->setHeaderHidden(true);
    m_statisticsTree->setRootIsDecorated(true);
    // Long lines scroll sideways instead of ending in "…": a cut figure is no figure.
    m_statisticsTree->header()->setStretchLastSection(false);
    m_statisticsTree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_statisticsTree->setTextElideMode(Qt::ElideNone);
    auto *side = new QWidget(this);
    auto *sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(m_statisticsTree);
    sideLayout->addWidget(m_resetStatistics);

    auto *splitter = new QSplitter(this);
    splitter->addWidget(m_table);
    splitter->addWidget(side);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);

    m_counts = new QLabel(this);
    m_counts->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(splitter, 1);
    // What is done with the rows sits below them, beside their count, so the filter row fits a
    // small or scaled screen in every language.
    auto *rows = new QHBoxLayout;
    rows->addWidget(m_counts, 1);
    rows->addWidget(m_pause);
    rows->addWidget(m_clear);
    rows->addWidget(m_save);
    layout->addLayout(rows);

    connect(m_unitBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
        &LinkMonitorWindow::applyUnitFilter);
    connect(m_kindBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] {
        m_filter->setPurpose(LinkPurpose(m_kindBox->currentData().toInt()));
        refreshCounts();
    });
    connect(m_failuresOnly, &QCheckBox::toggled, this, [this](bool on) {
        m_filter->setFailuresOnly(on);
        refreshCounts();
    });
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_filter->setText(text);
        refreshCounts();
    });
    connect(m_pause, &QPushButton::toggled, this, [this](bool paused) {
        if (!paused)
            m_table->scrollToBottom();
    });
    connect(m_clear, &QPushButton::clicked, this, [this] {
        m_model->clear();
        refreshCounts();
    });
    connect(m_save, &QPushButton::clicked, this, &LinkMonitorWindow::saveCsv);
    connect(m_resetStatistics, &QPushButton::clicked, this, [this] {
        m_statistics.reset();
        refreshStatistics();
    });
}

void LinkMonitorWindow::retranslate()
{
    setWindowTitle(tr("Link Monitor"));
    m_unitBox->setItemText(0, tr("All units"));
    for (int i = 0; i < m_kindBox->count(); ++i) {
        const LinkPurpose purpose = LinkPurpose(m_kindBox->itemData(i).toInt());
        m_kindBox->setItemText(i,
            purpose == LinkPurpose::Unknown          ? tr("All requests")
                : purpose == LinkPurpose::DeviceCode ? tr("identification")
                                                     : LinkDescriber::purposeText(purpose));
    }
    m_failuresOnly->setText(tr("Failures and resends only"));
    m_search->setPlaceholderText(tr("Search"));
    m_pause->setText(tr("Pause"));
    m_pause->setToolTip(tr("Keeps recording but stops following the newest exchange"));
    m_clear->setText(tr("Clear"));
    m_save->setText(tr("Save as CSV..."));
    m_resetStatistics->setText(tr("Reset statistics"));
    emit m_model->headerDataChanged(Qt::Horizontal, 0, LinkMonitorModel::ColumnCount - 1);
    // Number columns at least as wide as their titles in the language now in force.
    QHeaderView *header = m_table->horizontalHeader();
    for (int column = LinkMonitorModel::Function; column < LinkMonitorModel::ColumnCount; ++column) {
        const int title
            = header->fontMetrics().horizontalAdvance(m_model->headerData(column, Qt::Horizontal).toString());
        header->resizeSection(column, qMax(header->sectionSize(column), title + 14));
    }
    refreshStatistics();
    refreshCounts();
}

void LinkMonitorWindow::onLangTranslation(int)
{
    retranslate();
}

void LinkMonitorWindow::showEvent(QShowEvent *event)
{
    listen(true);
    QWidget::showEvent(event);
}

void LinkMonitorWindow::closeEvent(QCloseEvent *event)
{
    drain();
    listen(false);
    emit bringAppToForeGround();
    event->accept();
}

void LinkMonitorWindow::listen(bool on)
{
    if (on && !m_tap) {
        // Room for several seconds of the busiest links between two drains.
        m_tap = LinkTap::subscribe(50000);
        m_timer->start();
    } else if (!on && m_tap) {
        m_timer->stop();
        LinkTap::unsubscribe(m_tap);
        m_tap.reset();
    }
}

void LinkMonitorWindow::drain()
{
    if (!m_tap)
        return;
    std::deque<LinkExchange> batch = m_tap->take();
    if (batch.empty())
        return;
    learnUnits(batch);
    for (const LinkExchange &e : batch)
        m_statistics.add(e);
    m_model->append(std::move(batch), &m_describer);
    if (!m_pause->isChecked())
        m_table->scrollToBottom();
    if (++m_batches % StatisticsEvery == 0
        || m_statisticsTree->topLevelItemCount() != m_statistics.units().size())
        refreshStatistics();
    refreshCounts();
}

void LinkMonitorWindow::learnUnits(const std::deque<LinkExchange> &batch)
{
    QString last;
    for (const LinkExchange &e : batch) {
        const QString key = unitKey(e.link, e.unit);
        if (key == last)
            continue;
        last = key;
        QString name;
        const TreeModel *unitModel = nullptr;
        const bool known = m_knownModels.contains(key);
        if (m_resolver && m_resolver(e.link, e.unit, &name, &unitModel)) {
            // A unit connected again may have another description file.
            if (!known || m_knownModels.value(key) != unitModel) {
                m_describer.setUnit(e.link, e.unit, name,
                    unitModel ? LinkDictionary::fromModel(*unitModel) : LinkDictionary());
                m_knownModels.insert(key, unitModel);
            }
        }
        // Named once the unit is known: identification talks to it before it has a name.
        const QString text
            = QStringLiteral("%1 %2 \u2013 %3").arg(e.unit).arg(m_describer.unitName(e.link, e.unit), e.link);
        const int item = m_unitBox->findData(key);
        if (item < 0)
            m_unitBox->addItem(text, key);
        else
            m_unitBox->setItemText(item, text);
    }
}

void LinkMonitorWindow::applyUnitFilter()
{
    const QString key = m_unitBox->currentData().toString();
    const int at = key.lastIndexOf(QLatin1Char('@'));
    m_filter->setUnit(at < 0 ? QString() : key.left(at), at < 0 ? 0 : key.mid(at + 1).toInt());
    refreshCounts();
}

void LinkMonitorWindow::refreshCounts()
{
    const qint64 dropped = m_model->dropped() + (m_tap ? m_tap->dropped() : 0);
    m_counts->setText(tr("%1 exchanges shown, %2 kept, %3 dropped as the oldest")
                          .arg(m_filter->rowCount())
                          .arg(m_model->rowCount())
                          .arg(dropped));
}

void LinkMonitorWindow::refreshStatistics()
{
    // One column of "label: value" lines, so the pane stays narrow beside the table.
    m_statisticsTree->clear();
    for (const LinkStatistics::Unit &unit : m_statistics.units()) {
        auto *top = new QTreeWidgetItem(m_statisticsTree,
            { QStringLiteral("%1 %2 \u2013 %3")
                    .arg(unit.unit)
                    .arg(m_describer.unitName(unit.link, unit.unit), unit.link) });
        const auto add = [](QTreeWidgetItem *parent, const QString &label, const QString &value) {
            return new QTreeWidgetItem(parent, { label + QStringLiteral(": ") + value });
        };
        add(top, tr("Exchanges"), QString::number(unit.exchanges));
        QTreeWidgetItem *failures = add(top, tr("Failures"), QString::number(unit.failures()));
        for (int k = 1; k < int(LinkOutcome::Count); ++k) {
            if (unit.byOutcome[size_t(k)] > 0)
                add(failures, LinkDescriber::outcomeKindText(LinkOutcome(k)),
                    QString::number(unit.byOutcome[size_t(k)]));
        }
        add(top, tr("Resends"), QString::number(unit.resends));
        new QTreeWidgetItem(new QTreeWidgetItem(top, { tr("Response min / mean / 95 % / max") }),
            { QStringLiteral("%1 / %2 / %3 / %4 ms")
                    .arg(ms(double(unit.minUs)), ms(unit.meanUs()), ms(double(unit.percentileUs())),
                        ms(double(unit.maxUs))) });
        add(top, tr("Last failure"),
            unit.lastFailureMs ? QStringLiteral("%1 %2").arg(
                QDateTime::fromMSecsSinceEpoch(unit.lastFailureMs).toString(QStringLiteral("HH:mm:ss.zzz")),
                LinkDescriber::outcomeText(unit.lastFailure))
                               : tr("none"));
        if (unit.failures() > 0)
            top->setIcon(0, m_failureIcon);
    }
    m_statisticsTree->expandAll();
}

void LinkMonitorWindow::showLastFailure()
{
    for (int row = m_filter->rowCount() - 1; row >= 0; --row) {
        const QModelIndex index = m_filter->index(row, 0);
        if (m_model->row(m_filter->mapToSource(index).row()).exchange.failed()) {
            m_pause->setChecked(true); // stay there while the ring fills
            m_table->scrollTo(index, QAbstractItemView::PositionAtCenter);
            m_table->selectRow(row);
            return;
        }
    }
}

void LinkMonitorWindow::saveCsv()
{
    QString fileName = m_prompter.saveFileName(this, tr("Save as CSV"), QString(), tr("CSV files (*.csv)"));
    if (fileName.isEmpty())
        return;
    if (!fileName.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        fileName += QLatin1String(".csv");
    QString error;
    if (!LinkRecords::saveCsv(fileName, *m_model, m_filter, &error))
        m_prompter.critical(this, tr("Error"), tr("The exchanges could not be saved: %1").arg(error));
}
