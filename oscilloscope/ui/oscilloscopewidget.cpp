#include "oscilloscopewidget.h"

#include "osccontrolbar.h"
#include "oscisettings.h"
#include "osclegendtable.h"
#include "oscplotarea.h"
#include "oscsignallists.h"
#include "osctriggerdialogs.h"
#include "oscunitdev.h"
#include "prompter.h"
#include "recordingcontroller.h"
#include "unitentryfields.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDebug>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSplitter>
#include <QVBoxLayout>

namespace F = UnitEntryField;

OscilloscopeWidget::OscilloscopeWidget(Prompter &prompter, RecordingController *recording, QWidget *parent)
    : QWidget(parent)
    , m_prompter(prompter)
    , m_recording(recording)
    , m_pickColour(
          [this](const QColor &old) { return QColorDialog::getColor(old, this, tr("Select Color")); })
{
    for (int i = 0; i < SettingsRecord::FavouriteSetCount; ++i)
        m_favourites[size_t(i)].name = QStringLiteral("Set ") + QChar('A' + i);
    buildForm();
    connectControls();
    retranslateUi();
    if (m_recording) {
        m_interval = m_recording->interval();
        connect(m_recording, &RecordingController::recordingFileFailed, this,
            [this](const QString &title, const QString &text) { m_prompter.information(this, title, text); });
        // Queued: a stop whose workers have all ended already finishes inside stopRecording(),
        // and the question comes after the view has turned to "Start".
        connect(m_recording, &RecordingController::recordingStopped, this,
            &OscilloscopeWidget::recordingStopped, Qt::QueuedConnection);
    }
    samplingTimeEdit()->setText(QString::number(m_interval));
    vxUISlotChangeTriggerstatus(OscControlBar::NotActive);
    vxOscRefreshUnits();
}

OscilloscopeWidget::~OscilloscopeWidget()
{
    qDebug() << "--- > OscilloscopeWidget::~OscilloscopeWidget() called";
    m_bar->setTriggerFlashing(false);
    qDebug() << "<--- OscilloscopeWidget::~OscilloscopeWidget() called";
}

// Left the chooser, the file buttons and the comment; right the controls, the plots and the legend.
void OscilloscopeWidget::buildForm()
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    auto *splitter = new QSplitter(Qt::Horizontal, this);
    layout->addWidget(splitter);
    auto *left = new QWidget(splitter);
    auto *right = new QWidget(splitter);

    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    m_bar = new OscControlBar(right);
    rightLayout->addWidget(m_bar);
    auto *plotSplit = new QSplitter(Qt::Vertical, right);
    m_plots = new OscPlotArea(m_prompter, plotSplit);
    m_traces = new OscTraceSet(m_plots, &m_loaded, this);
    m_legend = new OscLegendTable(*m_traces, plotSplit);
    plotSplit->setStretchFactor(0, 4);
    plotSplit->setStretchFactor(1, 1);
    rightLayout->addWidget(plotSplit, 1);

    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    m_lists = new OscSignalLists(*m_traces, left);
    m_triggers = new OscTriggerDialogs(m_prompter, this, [this](int iface) { return devicesOf(iface); });
    leftLayout->addWidget(m_lists, 1);
    auto *fileRows = new QGridLayout;
    m_load = new QPushButton(left);
    m_save = new QPushButton(left);
    m_print = new QPushButton(left);
    m_saveCsv = new QPushButton(left);
    fileRows->addWidget(m_load, 0, 0);
    fileRows->addWidget(m_save, 0, 1);
    fileRows->addWidget(m_print, 1, 0);
    fileRows->addWidget(m_saveCsv, 1, 1);
    leftLayout->addLayout(fileRows);
    m_comment = new QPlainTextEdit(left);
    m_comment->setMaximumHeight(70);
    leftLayout->addWidget(m_comment);

    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({ 200, 900 });
}

void OscilloscopeWidget::connectControls()
{
    connect(m_traces, &OscTraceSet::changed, this, [this] {
        m_lists->syncChecks();
        m_legend->refresh();
    });
    connect(m_lists, &OscSignalLists::liveEntryToggled, this, [this](int runningNumber, int number, bool on) {
        selectEntry(deviceByNumber(runningNumber), number, on);
    });
    connect(m_lists, &OscSignalLists::fileEntryToggled, this, &OscilloscopeWidget::selectFileEntry);
    connect(m_lists->favouriteSetBox(), QOverload<int>::of(&QComboBox::currentIndexChanged), this,
        [this] { setFavourites(m_favourites); });
    connect(m_lists->applyButton(), &QPushButton::clicked, this,
        [this] { applyFavouriteSet(m_lists->favouriteSetBox()->currentIndex()); });
    connect(m_lists->favouritesButton(), &QPushButton::clicked, this,
        &OscilloscopeWidget::vxUISlotFavoritesBtnClicked);
    connect(m_load, &QPushButton::clicked, this, &OscilloscopeWidget::vxUISlotLoadBtnClicked);
    connect(m_save, &QPushButton::clicked, this, &OscilloscopeWidget::vxUISlotSaveBtnClicked);
    connect(m_print, &QPushButton::clicked, this, &OscilloscopeWidget::vxUISlotPrintBtnClicked);
    connect(m_saveCsv, &QPushButton::clicked, this, &OscilloscopeWidget::vxUISlotSaveCsvClicked);
    connect(m_plots, &OscPlotArea::plotSaved, this, [this](const QString &path) {
        emit statusMessage(tr("Plot saved to %1").arg(QDir::toNativeSeparators(path)));
    });
    m_plots->setExportTexts([this] { return exportCaption(); }, [this] { return valueAxisTitle(); });

    connect(m_legend, &OscLegendTable::autoScaleToggled, this, [this](int row, bool on) {
        m_traces->setAutoScale(row, on);
        m_plots->replot();
    });
    connect(m_legend, &OscLegendTable::rangeEdited, this, [this](int row, double min, double max) {
        m_traces->setRange(row, min, max);
        m_plots->replot();
    });
    connect(m_legend, &OscLegendTable::colourRequested, this, &OscilloscopeWidget::onColourRequested);
    connect(m_triggers, &OscTriggerDialogs::statusChanged, this,
        &OscilloscopeWidget::vxUISlotChangeTriggerstatus);
    connect(this, &OscilloscopeWidget::langTranslation, m_triggers, &OscTriggerDialogs::langTranslation);
    connect(m_triggers, &OscTriggerDialogs::bringAppToForeGround, this,
        &OscilloscopeWidget::bringAppToForeGround);
    connect(m_plots, &OscPlotArea::zoomChanged, this, &OscilloscopeWidget::updateZoomControls);
    connect(m_plots, &OscPlotArea::followingStopped, this, [this] {
        if (isRecording() && !m_paused)
            vxUISlotPauseBtnClicked();
    });

    OscControlBar *bar = m_bar;
    connect(
        bar->analogButton(), &QRadioButton::clicked, this, &OscilloscopeWidget::vxUISlotDisplayAnalogClicked);
    connect(bar->digitalButton(), &QRadioButton::clicked, this,
        &OscilloscopeWidget::vxUISlotDisplayDigitalClicked);
    connect(bar->bothButton(), &QRadioButton::clicked, this,
        &OscilloscopeWidget::vxUISlotDisplayDigitalAnalogClicked);
    connect(bar->zoomInButton(), &QPushButton::clicked, this, &OscilloscopeWidget::vxUISlotZoomInBtnClicked);
    connect(
        bar->zoomOutButton(), &QPushButton::clicked, this, &OscilloscopeWidget::vxUISlotZoomOutBtnClicked);
    connect(bar->zoomBar(), &QSlider::valueChanged, this, &OscilloscopeWidget::vxUISlotZoomBarMoved);
    connect(bar->fitAllButton(), &QPushButton::clicked, this, [this] {
        if (m_plots->fitAll())
            m_plots->replot();
    });
    connect(bar->autoRangeButton(), &QPushButton::clicked, this, [this] {
        m_plots->autoValueRange();
        m_plots->replot();
    });
    connect(bar->stepButton(-4), &QPushButton::clicked, this,
        &OscilloscopeWidget::vxUISlotNavigateFourLeftSamples);
    connect(bar->stepButton(-1), &QPushButton::clicked, this,
        &OscilloscopeWidget::vxUISlotNavigateOneLeftSamples);
    connect(bar->stepButton(1), &QPushButton::clicked, this,
        &OscilloscopeWidget::vxUISlotNavigateOneRightSamples);
    connect(bar->stepButton(4), &QPushButton::clicked, this,
        &OscilloscopeWidget::vxUISlotNavigateFourRightSamples);
    connect(
        bar->samplingTimeEdit(), &QLineEdit::editingFinished, this, &OscilloscopeWidget::vxUISlotTimeEntered);
    connect(bar->recordButton(), &QPushButton::clicked, this, &OscilloscopeWidget::vxUISlotRcrdBtnClicked);
    connect(bar->pauseButton(), &QPushButton::clicked, this, &OscilloscopeWidget::vxUISlotPauseBtnClicked);
    connect(
        bar->triggerButton(), &QPushButton::clicked, this, &OscilloscopeWidget::vxUISlotTriggerBtnClicked);
    connect(bar->settingsLink(), &QLabel::linkActivated, this, [this] {
        settingsDialog()->show();
        settingsDialog()->raise();
    });
    updateZoomControls();
}

void OscilloscopeWidget::retranslateUi()
{
    m_lists->retranslateUi();
    m_load->setText(tr("Load"));
    m_save->setText(tr("Save"));
    m_print->setText(tr("Print"));
    m_print->setToolTip(tr("Prints table/graph"));
    m_saveCsv->setText(tr("Save as CSV"));
    m_saveCsv->setToolTip(tr("Saves the shown recording as plain CSV, one column per signal"));
    m_comment->setPlaceholderText(tr("Comment"));
    m_bar->retranslateUi(isRecording(), m_paused);
    m_legend->retranslateUi();
    m_legend->refresh();
}

void OscilloscopeWidget::setRecordTexts()
{
    m_bar->setRecordTexts(isRecording(), m_paused);
}

void OscilloscopeWidget::onLangTranslation(int language)
{
    m_language = language;
    retranslateLoaded();
    retranslateUi();
    emit langTranslation(language);
}

void OscilloscopeWidget::onDeviceTranslated()
{
    m_traces->retranslate();
    fillUnitLists();
    m_legend->refresh();
    m_plots->replot();
}

void OscilloscopeWidget::retranslateLoaded()
{
    const RecFileReader::CatalogueLookup lookup = RecFileReader::deviceFileLookup(m_language);
    bool renamed = false;
    for (RecordingUnit &unit : m_loaded.units) {
        SignalCatalogue fresh;
        // Only the names change: a file edited since the recording would not fit its columns.
        if (!lookup(unit.deviceFile, &fresh) || fresh.signalCount() != unit.catalogue.signalCount())
            continue;
        for (int i = 0; i < fresh.signalCount(); ++i)
            unit.catalogue.signalRows[i][SignalCatalogue::NameField] = fresh.signalRows.at(i).value(0);
        renamed = true;
    }
    if (!renamed)
        return;
    m_traces->retranslate();
    m_lists->fillFileList(m_loaded);
    m_plots->replot();
}

QStringList OscilloscopeWidget::exportCaption() const
{
    QStringList lines { m_traces->unitNames().join(QStringLiteral(", ")) };
    const QDateTime start = m_traces->firstSampleTime();
    if (start.isValid())
        lines << tr("Recorded %1").arg(QLocale().toString(start, QLocale::ShortFormat));
    lines.removeAll(QString());
    return lines;
}

// The analog plot's value axis: the units of its traces, and what an auto-scaled trace shows.
QString OscilloscopeWidget::valueAxisTitle() const
{
    QStringList units;
    for (const Trace &t : traces()) {
        if (t.entry.isDigital())
            continue;
        const QString unit = t.autoScale ? tr("% of range") : t.unit;
        if (!unit.isEmpty() && !units.contains(unit))
            units << unit;
    }
    return units.join(QStringLiteral(", "));
}

QTreeWidget *OscilloscopeWidget::unitList(int page) const
{
    return m_lists->list(page);
}

QPushButton *OscilloscopeWidget::recordButton() const
{
    return m_bar->recordButton();
}

QPushButton *OscilloscopeWidget::pauseButton() const
{
    return m_bar->pauseButton();
}

QPushButton *OscilloscopeWidget::zoomInButton() const
{
    return m_bar->zoomInButton();
}

QPushButton *OscilloscopeWidget::zoomOutButton() const
{
    return m_bar->zoomOutButton();
}

QSlider *OscilloscopeWidget::zoomBar() const
{
    return m_bar->zoomBar();
}

QLineEdit *OscilloscopeWidget::samplingTimeEdit() const
{
    return m_bar->samplingTimeEdit();
}

bool OscilloscopeWidget::isRecording() const
{
    return m_recording && m_recording->isRecording();
}

QList<OscUnitDev *> OscilloscopeWidget::devicesOf(int iface) const
{
    return m_recording ? m_recording->devicesOf(iface) : QList<OscUnitDev *>();
}

// ---- Unit lists and traces ----

void OscilloscopeWidget::fillUnitLists()
{
    for (int iface = 0; iface < F::InterfaceCount; ++iface)
        m_lists->fillUnitList(iface, devicesOf(iface));
}

void OscilloscopeWidget::vxOscRefreshUnits()
{
    // Traces of devices that went with their unit go too.
    m_traces->removeGone();
    fillUnitLists();
    m_lists->turnToUnits();
    if (m_recording)
        for (OscUnitDev *device : m_recording->devices()) {
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
            connect(device, &OscUnitDev::langTranslationDone, this, &OscilloscopeWidget::onDeviceTranslated,
                Qt::UniqueConnection);
        }
    restoreUnitChoices();
    m_legend->refresh();
    m_plots->replot();
}

// Items keep the device's running number, never its address: a removed unit's item finds nothing.
OscUnitDev *OscilloscopeWidget::deviceByNumber(int runningNumber) const
{
    if (m_recording)
        for (OscUnitDev *device : m_recording->devices())
            if (device->runningNumber() == runningNumber)
                return device;
    return nullptr;
}

bool OscilloscopeWidget::selectEntry(OscUnitDev *device, int number, bool on)
{
    return m_traces->selectEntry(device, number, on);
}

bool OscilloscopeWidget::selectFileEntry(int fileUnit, int number, bool on)
{
    const bool shown = m_traces->indexOf(nullptr, fileUnit, number) >= 0;
    if (!m_traces->selectFileEntry(fileUnit, number, on))
        return false;
    if (on && !shown && !isRecording())
        m_plots->follow(0.0);
    return true;
}

void OscilloscopeWidget::onColourRequested(int row)
{
    const QColor colour = m_pickColour(traces().at(row).colour);
    if (!colour.isValid())
        return;
    m_traces->setColour(row, colour);
    m_legend->refresh();
    m_plots->replot();
}

void OscilloscopeWidget::vxOscSendSelectedlistForDisplay(
    OscUnitDev *device, QStringList names, QList<QStringList> rows, QStringList currentValues)
{
    Q_UNUSED(names)
    Q_UNUSED(rows)
    if (!device || !m_recording || !m_recording->devices().contains(device))
        return;
    double newest = 0.0;
    const int drawn = m_traces->drawNewSamples(device, &newest);
    if (drawn < 0)
        return;
    int slowest = 0;
    for (OscUnitDev *d : m_recording->devices())
        slowest = std::max(slowest, d->lastCycleTime());
    m_bar->showResponseTimes(device->lastCycleTime(), slowest);
    if (drawn > 0) {
        for (int t = 0; t < traces().size(); ++t) {
            const Trace &trace = traces().at(t);
            if (trace.device != device)
                continue;
            QString current = currentValues.value(trace.entry.signal);
            if (trace.entry.isDigital())
                current = current.mid(15 - trace.entry.bit, 1);
            m_legend->setCurrentValue(t, current.isEmpty() ? tr("No data") : current);
        }
        m_plots->follow(newest);
    }
    if (!m_paused)
        m_plots->replot();
}

void OscilloscopeWidget::resetView()
{
    m_traces->removeLive();
    m_traces->forgetDrawnSamples();
    m_plots->clearMarkers();
    vxOscRefreshUnits();
}
