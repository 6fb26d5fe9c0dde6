#include "oscilloscopewidget.h"

#include "apppaths.h"
#include "conditionaltrigger.h"
#include "editfavorites.h"
#include "leveltrigger.h"
#include "oscdevicekeeper.h"
#include "oscisettings.h"
#include "oscplotarea.h"
#include "oscprintgui.h"
#include "oscunitdev.h"
#include "prompter.h"
#include "triggersettings.h"
#include "unitentryfields.h"
#include "unitregistry.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDebug>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QSlider>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <qcustomplot.h>

namespace F = UnitEntryField;

namespace {

// Data roles of an entry item in the unit lists.
enum { DeviceRole = Qt::UserRole + 1, FileUnitRole, EntryRole };

const QList<QColor> &traceColours()
{
    static const QList<QColor> colours { QColor(0, 90, 200), QColor(210, 40, 40), QColor(20, 150, 60),
        QColor(230, 140, 0), QColor(140, 60, 180), QColor(0, 160, 170), QColor(150, 100, 40),
        QColor(220, 60, 160) };
    return colours;
}

} // namespace

QPixmap OscilloscopeWidget::ledPicture(const QColor &colour)
{
    QPixmap pixmap(14, 14);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(colour);
    painter.setPen(Qt::darkGray);
    painter.drawEllipse(1, 1, 12, 12);
    return pixmap;
}

OscilloscopeWidget::OscilloscopeWidget(Prompter &prompter, OscDeviceKeeper *keeper, QWidget *parent)
    : QWidget(parent)
    , m_prompter(prompter)
    , m_keeper(keeper)
    , m_pickColour(
          [this](const QColor &old) { return QColorDialog::getColor(old, this, tr("Select Color")); })
{
    for (int i = 0; i < SettingsRecord::FavouriteSetCount; ++i)
        m_favourites[size_t(i)].name = QStringLiteral("Set ") + QChar('A' + i);
    buildForm();
    retranslateUi();
    m_flash.setInterval(500);
    connect(&m_flash, &QTimer::timeout, this, &OscilloscopeWidget::flashTrigger);
    if (m_keeper) {
        m_interval = m_keeper->interval();
        connect(m_keeper, &OscDeviceKeeper::recordingFileFailed, this,
            [this](const QString &title, const QString &text) { m_prompter.information(this, title, text); });
        // Queued: a stop whose workers have all ended already finishes inside stopRecording(),
        // and the question comes after the view has turned to "Start".
        connect(m_keeper, &OscDeviceKeeper::recordingStopped, this, &OscilloscopeWidget::recordingStopped,
            Qt::QueuedConnection);
    }
    m_samplingTime->setText(QString::number(m_interval));
    vxUISlotChangeTriggerstatus(NotActive);
    vxOscRefreshUnits();
}

OscilloscopeWidget::~OscilloscopeWidget()
{
    qDebug() << "--- > OscilloscopeWidget::~OscilloscopeWidget() called";
    m_flash.stop();
    qDebug() << "<--- OscilloscopeWidget::~OscilloscopeWidget() called";
}

void OscilloscopeWidget::buildForm()
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    auto *splitter = new QSplitter(Qt::Horizontal, this);
    layout->addWidget(splitter);

    auto *left = new QWidget(splitter);
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    m_lists = new QTabWidget(left);
    m_lists->setTabPosition(QTabWidget::West);
    for (int page = RS232Page; page <= FavoritesPage; ++page) {
        auto *tree = new QTreeWidget(m_lists);
        tree->setHeaderHidden(true);
        m_unitLists[page] = tree;
        if (page == FavoritesPage) {
            auto *favPage = new QWidget(m_lists);
            auto *favLayout = new QVBoxLayout(favPage);
            favLayout->setContentsMargins(0, 0, 0, 0);
            m_favSet = new QComboBox(favPage);
            for (int i = 0; i < SettingsRecord::FavouriteSetCount; ++i)
                m_favSet->addItem(m_favourites[size_t(i)].name);
            m_favApply = new QPushButton(favPage);
            m_favButton = new QPushButton(favPage);
            favLayout->addWidget(m_favSet);
            favLayout->addWidget(tree, 1);
            favLayout->addWidget(m_favApply);
            favLayout->addWidget(m_favButton);
            m_lists->addTab(favPage, QString());
            connect(m_favSet, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                [this] { setFavourites(m_favourites); });
            connect(m_favApply, &QPushButton::clicked, this,
                [this] { applyFavouriteSet(m_favSet->currentIndex()); });
            connect(
                m_favButton, &QPushButton::clicked, this, &OscilloscopeWidget::vxUISlotFavoritesBtnClicked);
        } else {
            m_lists->addTab(tree, QString());
            connect(tree, &QTreeWidget::itemChanged, this, &OscilloscopeWidget::onEntryToggled);
        }
    }
    leftLayout->addWidget(m_lists, 1);
    auto *fileRow = new QHBoxLayout;
    m_load = new QPushButton(left);
    m_save = new QPushButton(left);
    m_print = new QPushButton(left);
    for (QPushButton *b : { m_load, m_save, m_print })
        fileRow->addWidget(b);
    leftLayout->addLayout(fileRow);
    m_comment = new QPlainTextEdit(left);
    m_comment->setMaximumHeight(70);
    leftLayout->addWidget(m_comment);
    connect(m_load, &QPushButton::clicked, this, &OscilloscopeWidget::vxUISlotLoadBtnClicked);
    connect(m_save, &QPushButton::clicked, this, &OscilloscopeWidget::vxUISlotSaveBtnClicked);
    connect(m_print, &QPushButton::clicked, this, &OscilloscopeWidget::vxUISlotPrintBtnClicked);

    auto *right = new QWidget(splitter);
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(buildToolRow());
    auto *plotSplit = new QSplitter(Qt::Vertical, right);
    m_plots = new OscPlotArea(m_prompter, plotSplit);
    m_legend = new QTableWidget(0, 6, plotSplit);
    m_legend->verticalHeader()->hide();
    m_legend->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    plotSplit->setStretchFactor(0, 4);
    plotSplit->setStretchFactor(1, 1);
    rightLayout->addWidget(plotSplit, 1);
    connect(m_legend, &QTableWidget::cellChanged, this, &OscilloscopeWidget::onLegendChanged);
    connect(m_legend, &QTableWidget::cellDoubleClicked, this, &OscilloscopeWidget::onLegendDoubleClicked);
    connect(m_plots, &OscPlotArea::zoomChanged, this, &OscilloscopeWidget::updateZoomControls);
    connect(m_plots, &OscPlotArea::followingStopped, this, [this] {
        if (isRecording() && !m_paused)
            vxUISlotPauseBtnClicked();
    });
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({ 200, 900 });
}

QWidget *OscilloscopeWidget::buildToolRow()
{
    auto *row = new QWidget(this);
    auto *rows = new QVBoxLayout(row);
    rows->setContentsMargins(0, 0, 0, 0);
    m_graphLabel = new QLabel(row);
    m_showAnalog = new QRadioButton(row);
    m_showDigital = new QRadioButton(row);
    m_showBoth = new QRadioButton(row);
    m_showBoth->setChecked(true);
    m_zoomLabel = new QLabel(row);
    m_zoomOut = new QPushButton(QStringLiteral("-"), row);
    m_zoomIn = new QPushButton(QStringLiteral("+"), row);
    m_zoomBar = new QSlider(Qt::Horizontal, row);
    m_zoomBar->setRange(0, 4);
    m_zoomBar->setPageStep(1);
    m_zoomBar->setFixedWidth(90);
    m_zoomOut->setFixedWidth(m_zoomOut->fontMetrics().horizontalAdvance(QStringLiteral("+")) * 4);
    m_zoomIn->setFixedWidth(m_zoomOut->width());
    m_back2 = new QPushButton(row);
    m_back = new QPushButton(row);
    m_forward = new QPushButton(row);
    m_forward2 = new QPushButton(row);
    m_samplingLabel = new QLabel(row);
    m_samplingTime = new QLineEdit(row);
    m_samplingTime->setMaximumWidth(60);
    m_msecLabel = new QLabel(row);
    m_slowest = new QLabel(row);
    m_response = new QLabel(row);
    m_recordLabel = new QLabel(row);
    m_record = new QPushButton(row);
    m_pause = new QPushButton(row);
    m_pause->setEnabled(false);
    m_trigger = new QPushButton(row);
    m_triggerLed = new QLabel(row);
    m_triggerLed->setPixmap(ledPicture(Qt::lightGray));
    m_triggerStatus = new QLabel(row);
    m_settingsLink = new QLabel(row);
    m_settingsLink->setTextFormat(Qt::RichText);
    // Three rows: what is shown, where and what is recorded, and how often.
    const QList<QList<QWidget *>> order {
        { m_graphLabel, m_showAnalog, m_showDigital, m_showBoth, nullptr, m_zoomLabel, m_zoomOut, m_zoomBar,
            m_zoomIn },
        { m_back2, m_back, m_forward, m_forward2, nullptr, m_recordLabel, m_record, m_pause, nullptr,
            m_trigger, m_triggerLed, m_triggerStatus },
        { m_samplingLabel, m_samplingTime, m_msecLabel, nullptr, m_slowest, nullptr, m_response, nullptr,
            m_settingsLink },
    };
    for (const QList<QWidget *> &line : order) {
        auto *layout = new QHBoxLayout;
        for (QWidget *w : line) {
            if (w)
                layout->addWidget(w);
            else
                layout->addSpacing(16);
        }
        layout->addStretch(1);
        rows->addLayout(layout);
    }
    connect(m_showAnalog, &QRadioButton::clicked, this, &OscilloscopeWidget::vxUISlotDisplayAnalogClicked);
    connect(m_showDigital, &QRadioButton::clicked, this, &OscilloscopeWidget::vxUISlotDisplayDigitalClicked);
    connect(
        m_showBoth, &QRadioButton::clicked, this, &OscilloscopeWidget::vxUISlotDisplayDigitalAnalogClicked);
    connect(m_zoomIn, &QPushButton::clicked, this, &OscilloscopeWidget::vxUISlotZoomInBtnClicked);
    connect(m_zoomOut, &QPushButton::clicked, this, &OscilloscopeWidget::vxUISlotZoomOutBtnClicked);
    connect(m_zoomBar, &QSlider::valueChanged, this, &OscilloscopeWidget::vxUISlotZoomBarMoved);
    connect(m_back2, &QPushButton::clicked, this, &OscilloscopeWidget::vxUISlotNavigateFourLeftSamples);
    connect(m_back, &QPushButton::clicked, this, &OscilloscopeWidget::vxUISlotNavigateOneLeftSamples);
    connect(m_forward, &QPushButton::clicked, this, &OscilloscopeWidget::vxUISlotNavigateOneRightSamples);
    connect(m_forward2, &QPushButton::clicked, this, &OscilloscopeWidget::vxUISlotNavigateFourRightSamples);
    connect(m_samplingTime, &QLineEdit::editingFinished, this, &OscilloscopeWidget::vxUISlotTimeEntered);
    connect(m_record, &QPushButton::clicked, this, &OscilloscopeWidget::vxUISlotRcrdBtnClicked);
    connect(m_pause, &QPushButton::clicked, this, &OscilloscopeWidget::vxUISlotPauseBtnClicked);
    connect(m_trigger, &QPushButton::clicked, this, &OscilloscopeWidget::vxUISlotTriggerBtnClicked);
    connect(m_settingsLink, &QLabel::linkActivated, this, [this] {
        settingsDialog()->show();
        settingsDialog()->raise();
    });
    updateZoomControls();
    return row;
}

void OscilloscopeWidget::retranslateUi()
{
    const QStringList pages { tr("RS232"), tr("RS485"), tr("TCP/IP"), tr("Units on File"), tr("Favorites") };
    for (int i = 0; i < pages.size(); ++i)
        m_lists->setTabText(i, pages.at(i));
    m_load->setText(tr("Load"));
    m_save->setText(tr("Save"));
    m_print->setText(tr("Print"));
    m_print->setToolTip(tr("Prints table/graph"));
    m_favButton->setText(tr("Favorites"));
    m_favApply->setText(tr("Apply"));
    m_comment->setPlaceholderText(tr("Comment"));
    m_graphLabel->setText(tr("Graph"));
    m_showAnalog->setText(tr("Analog"));
    m_showAnalog->setToolTip(tr("display only analog signals"));
    m_showDigital->setText(tr("Digital"));
    m_showDigital->setToolTip(tr("display only digital signals"));
    m_showBoth->setText(tr("Analog-Digital"));
    m_zoomLabel->setText(tr("Zoom"));
    m_back2->setText(tr("Back 2"));
    m_back->setText(tr("Back"));
    m_forward->setText(tr("Forward"));
    m_forward2->setText(tr("Forward 2"));
    m_samplingLabel->setText(tr("Set Sampling Time"));
    m_samplingTime->setToolTip(tr("Data from unit will be retrieved at this interval."));
    m_msecLabel->setText(tr("msec"));
    m_recordLabel->setText(tr("Record"));
    m_trigger->setText(tr("Trigger"));
    m_settingsLink->setText(QStringLiteral("<a href=\"settings\">%1</a>").arg(tr("Settings")));
    m_legend->setHorizontalHeaderLabels(
        { tr("Auto\nScale"), tr("Param Name"), tr("Curr\nValue"), tr("Unit"), tr("Min"), tr("Max") });
    setRecordTexts();
    vxUISlotChangeTriggerstatus(m_triggerStatusCode);
    refreshLegend();
}

void OscilloscopeWidget::setRecordTexts()
{
    if (isRecording()) {
        m_record->setText(tr("Stop"));
        m_record->setToolTip(tr("Stops the recording and displaying the graphs"));
    } else {
        m_record->setText(tr("Start"));
        m_record->setToolTip(tr("Starts the recording and displaying the selected graphs"));
    }
    if (m_paused) {
        m_pause->setText(tr("Resume"));
        m_pause->setToolTip(tr("Resumes the displaying of selected graphs"));
    } else {
        m_pause->setText(tr("Pause"));
        m_pause->setToolTip(
            tr("Pauses the displaying of selected graphs \nwhile recording continues in background"));
    }
}

void OscilloscopeWidget::onLangTranslation(int language)
{
    Q_UNUSED(language)
    retranslateUi();
    emit langTranslation(language);
}

QTreeWidget *OscilloscopeWidget::unitList(int page) const
{
    return page >= 0 && page <= FavoritesPage ? m_unitLists[page] : nullptr;
}

bool OscilloscopeWidget::isRecording() const
{
    return m_keeper && m_keeper->isRecording();
}

QList<OscUnitDev *> OscilloscopeWidget::devicesOf(int iface) const
{
    QList<OscUnitDev *> list;
    if (!m_keeper)
        return list;
    for (OscUnitDev *device : m_keeper->devices())
        if (UnitRegistry::interfaceIndex(F::at(device->unitEntry(), F::Interface)) == iface)
            list.append(device);
    return list;
}

// ---- Unit lists and traces ----

void OscilloscopeWidget::vxOscRefreshUnits()
{
    // Traces of devices that went with their unit go too.
    for (int i = m_traces.size() - 1; i >= 0; --i)
        if (m_traces.at(i).fileUnit < 0 && !m_traces.at(i).device)
            removeTrace(i);
    for (int iface = 0; iface < UnitRegistry::InterfaceCount; ++iface)
        fillUnitList(iface);
    // An empty interface list gives way to one that has units.
    const int page = m_lists->currentIndex();
    if (page <= TCPIPPage && m_unitLists[page]->topLevelItemCount() == 0)
        for (int iface = 0; iface < UnitRegistry::InterfaceCount; ++iface)
            if (m_unitLists[iface]->topLevelItemCount() > 0) {
                m_lists->setCurrentIndex(iface);
                break;
            }
    if (m_keeper)
        for (OscUnitDev *device : m_keeper->devices()) {
            // Unique: a device refreshed twice keeps a single connection.
            connect(device, &OscUnitDev::vxOscsigSendForDisplay, this,
                &OscilloscopeWidget::vxOscSendSelectedlistForDisplay,
                Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
            connect(device, &OscUnitDev::vxOscTriggerStart, this,
                &OscilloscopeWidget::vxUISlotAlertTriggerstart,
                Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
            connect(device, &OscUnitDev::vxOscTriggerStop, this,
                &OscilloscopeWidget::vxUISlotAlertTriggerstop,
                Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
        }
    restoreUnitChoices();
    refreshLegend();
    m_plots->replot();
}

void OscilloscopeWidget::fillUnitList(int iface)
{
    QTreeWidget *tree = m_unitLists[iface];
    m_filling = true;
    tree->clear();
    for (OscUnitDev *device : devicesOf(iface)) {
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
            item->setCheckState(0, traceIndex(device, -1, n) >= 0 ? Qt::Checked : Qt::Unchecked);
        }
    }
    tree->expandAll();
    m_filling = false;
}

void OscilloscopeWidget::fillFileList()
{
    QTreeWidget *tree = m_unitLists[FilePage];
    m_filling = true;
    tree->clear();
    for (int u = 0; u < m_loaded.units.size(); ++u) {
        const RecordingUnit &unit = m_loaded.units.at(u);
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
            item->setCheckState(0, traceIndex(nullptr, u, n) >= 0 ? Qt::Checked : Qt::Unchecked);
        }
    }
    tree->expandAll();
    m_filling = false;
}

void OscilloscopeWidget::onEntryToggled(QTreeWidgetItem *item, int column)
{
    if (m_filling || column != 0 || !item->parent())
        return;
    const bool on = item->checkState(0) == Qt::Checked;
    const int number = item->data(0, EntryRole).toInt();
    if (item->data(0, FileUnitRole).isValid())
        selectFileEntry(item->data(0, FileUnitRole).toInt(), number, on);
    else
        selectEntry(deviceByNumber(item->data(0, DeviceRole).toInt()), number, on);
}

// Items keep the device's running number, never its address: a removed unit's item finds nothing.
OscUnitDev *OscilloscopeWidget::deviceByNumber(int runningNumber) const
{
    if (m_keeper)
        for (OscUnitDev *device : m_keeper->devices())
            if (device->runningNumber() == runningNumber)
                return device;
    return nullptr;
}

int OscilloscopeWidget::traceIndex(const OscUnitDev *device, int fileUnit, int number) const
{
    for (int i = 0; i < m_traces.size(); ++i) {
        const Trace &t = m_traces.at(i);
        if (t.number == number && t.fileUnit == fileUnit && (fileUnit >= 0 || t.device == device))
            return i;
    }
    return -1;
}

bool OscilloscopeWidget::selectEntry(OscUnitDev *device, int number, bool on)
{
    if (!device)
        return false;
    const int index = traceIndex(device, -1, number);
    if (!on) {
        if (index >= 0)
            removeTrace(index);
        return index >= 0;
    }
    if (index >= 0)
        return true;
    const QList<QStringList> rows = device->signalRows();
    Trace trace;
    trace.device = device;
    trace.number = number;
    trace.entry = GraphEntries::at(GraphEntries::build(rows), number);
    if (!trace.entry.isValid())
        return false;
    trace.name = GraphEntries::name(rows, trace.entry);
    trace.unit = GraphEntries::unit(rows, trace.entry);
    GraphEntries::range(rows, trace.entry.signal, &trace.min, &trace.max);
    addTrace(trace);
    return true;
}

bool OscilloscopeWidget::selectFileEntry(int fileUnit, int number, bool on)
{
    if (fileUnit < 0 || fileUnit >= m_loaded.units.size())
        return false;
    const int index = traceIndex(nullptr, fileUnit, number);
    if (!on) {
        if (index >= 0)
            removeTrace(index);
        return index >= 0;
    }
    if (index >= 0)
        return true;
    const RecordingUnit &unit = m_loaded.units.at(fileUnit);
    Trace trace;
    trace.fileUnit = fileUnit;
    trace.number = number;
    trace.entry = GraphEntries::at(GraphEntries::build(unit.catalogue.signalRows), number);
    if (!trace.entry.isValid() || trace.entry.signal >= unit.signalCount())
        return false;
    trace.name = QString::number(fileUnit + 1) + QStringLiteral(": ")
        + GraphEntries::name(unit.catalogue.signalRows, trace.entry);
    trace.unit = GraphEntries::unit(unit.catalogue.signalRows, trace.entry);
    GraphEntries::range(unit.catalogue.signalRows, trace.entry.signal, &trace.min, &trace.max);
    addTrace(trace);
    if (!isRecording())
        m_plots->follow(0.0);
    return true;
}

// The check marks of the lists follow the shown traces, however a trace came or went.
void OscilloscopeWidget::syncChecks()
{
    m_filling = true;
    for (int page = RS232Page; page <= FilePage; ++page) {
        QTreeWidget *tree = m_unitLists[page];
        for (int u = 0; u < tree->topLevelItemCount(); ++u) {
            QTreeWidgetItem *unit = tree->topLevelItem(u);
            for (int c = 0; c < unit->childCount(); ++c) {
                QTreeWidgetItem *item = unit->child(c);
                const int number = item->data(0, EntryRole).toInt();
                const bool shown = page == FilePage
                    ? traceIndex(nullptr, item->data(0, FileUnitRole).toInt(), number) >= 0
                    : traceIndex(deviceByNumber(item->data(0, DeviceRole).toInt()), -1, number) >= 0;
                item->setCheckState(0, shown ? Qt::Checked : Qt::Unchecked);
            }
        }
    }
    m_filling = false;
}

void OscilloscopeWidget::addTrace(Trace trace)
{
    trace.colour = traceColours().at(m_nextColour++ % traceColours().size());
    trace.graph = m_plots->addTrace(trace.name, trace.colour, trace.entry.isDigital());
    // The cursor and the markers report the signal's own value, also of an auto-scaled trace.
    const QCPGraph *graph = trace.graph;
    m_plots->setTraceUnit(trace.graph, trace.unit, [this, graph](double y) {
        for (const Trace &t : qAsConst(m_traces))
            if (t.graph == graph && t.autoScale && !t.entry.isDigital())
                return GraphEntries::unscaled(t.min, t.max, OscPlotArea::ScaleLow, OscPlotArea::ScaleHigh, y);
        return y;
    });
    loadTracePoints(trace);
    m_traces.append(trace);
    syncChecks();
    refreshLegend();
    m_plots->replot();
}

void OscilloscopeWidget::removeTrace(int index)
{
    m_plots->removeTrace(m_traces.at(index).graph);
    m_traces.removeAt(index);
    syncChecks();
    refreshLegend();
    m_plots->replot();
}

double OscilloscopeWidget::traceValue(const Trace &trace, double raw) const
{
    if (trace.entry.isDigital())
        return (quint32(raw) >> trace.entry.bit) & 1u;
    if (trace.autoScale)
        return GraphEntries::scaled(trace.min, trace.max, OscPlotArea::ScaleLow, OscPlotArea::ScaleHigh, raw);
    return raw;
}

// Every point the source holds, read again (a new trace, a changed auto scale or range).
void OscilloscopeWidget::loadTracePoints(Trace &trace)
{
    QVector<double> xs;
    QVector<double> ys;
    if (trace.fileUnit >= 0) {
        const RecordingUnit &unit = m_loaded.units.at(trace.fileUnit);
        xs.reserve(unit.rowCount());
        ys.reserve(unit.rowCount());
        for (int r = 0; r < unit.rowCount(); ++r) {
            xs.append(unit.x.at(r));
            ys.append(traceValue(trace, unit.value(r, trace.entry.signal)));
        }
    } else if (trace.device) {
        const int n = m_shown.value(trace.device, 0);
        for (int i = 0; i < n; ++i) {
            xs.append(trace.device->xValue(i));
            const double raw = trace.entry.isDigital() ? trace.device->word(trace.entry.signal, i)
                                                       : trace.device->value(trace.entry.signal, i);
            ys.append(traceValue(trace, raw));
        }
    }
    m_plots->setPoints(trace.graph, xs, ys);
}

void OscilloscopeWidget::vxOscSendSelectedlistForDisplay(
    OscUnitDev *device, QStringList names, QList<QStringList> rows, QStringList currentValues)
{
    Q_UNUSED(names)
    Q_UNUSED(rows)
    if (!device || !m_keeper || !m_keeper->devices().contains(device))
        return;
    const int from = m_shown.value(device, 0);
    const int to = device->sampleCount();
    if (to < from) { // the store was cleared for a new recording
        m_shown.insert(device, 0);
        return;
    }
    m_shown.insert(device, to);
    QVector<double> xs;
    for (int i = from; i < to; ++i)
        xs.append(device->xValue(i));
    int slowest = 0;
    for (OscUnitDev *d : m_keeper->devices())
        slowest = std::max(slowest, d->lastCycleTime());
    m_response->setText(tr("Response Time") + QStringLiteral(": %1 ms").arg(device->lastCycleTime()));
    m_slowest->setText(tr("Slowest Device") + QStringLiteral(": %1 ms").arg(slowest));
    for (int t = 0; t < m_traces.size(); ++t) {
        Trace &trace = m_traces[t];
        if (trace.device != device || xs.isEmpty())
            continue;
        QVector<double> ys;
        ys.reserve(xs.size());
        for (int i = from; i < to; ++i) {
            const double raw = trace.entry.isDigital() ? device->word(trace.entry.signal, i)
                                                       : device->value(trace.entry.signal, i);
            ys.append(traceValue(trace, raw));
        }
        m_plots->addPoints(trace.graph, xs, ys);
        QString current = currentValues.value(trace.entry.signal);
        if (trace.entry.isDigital())
            current = current.mid(15 - trace.entry.bit, 1);
        if (QTableWidgetItem *cell = m_legend->item(t, ValueColumn))
            cell->setText(current.isEmpty() ? tr("No data") : current);
    }
    if (!xs.isEmpty())
        m_plots->follow(xs.last());
    if (!m_paused)
        m_plots->replot();
}
