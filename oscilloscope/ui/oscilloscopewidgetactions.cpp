// The oscilloscope view's commands: recording and files, the time window, triggers, the look,
// favourites and printing.
#include "apppaths.h"
#include "conditionaltrigger.h"
#include "editfavorites.h"
#include "leveltrigger.h"
#include "oscdevicekeeper.h"
#include "oscilloscopewidget.h"
#include "oscisettings.h"
#include "oscplotarea.h"
#include "oscprintgui.h"
#include "oscprintout.h"
#include "oscunitdev.h"
#include "prompter.h"
#include "safesave.h"
#include "triggersettings.h"
#include "unitentryfields.h"
#include "unitregistry.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDebug>
#include <QDir>
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
#include <QSlider>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <qcustomplot.h>
#include <utility>

namespace F = UnitEntryField;

// ---- Recording ----

void OscilloscopeWidget::vxUISlotRcrdBtnClicked()
{
    if (isRecording())
        stopRecording();
    else
        startRecording();
}

void OscilloscopeWidget::clearLiveTraces()
{
    for (int i = m_traces.size() - 1; i >= 0; --i) {
        if (m_traces.at(i).fileUnit >= 0)
            removeTrace(i);
        else
            m_plots->setPoints(m_traces.at(i).graph, {}, {});
    }
}

void OscilloscopeWidget::startRecording()
{
    if (!m_keeper)
        return;
    // A loaded recording makes way for the live one.
    if (m_fileMode) {
        m_fileMode = false;
        clearLiveTraces();
        m_loaded = Recording();
        fillFileList();
    }
    if (m_triggerSetup && m_triggerSetup->kind != TriggerSetup::NoTrigger && m_triggerDevice)
        m_keeper->applyTrigger(m_triggerDevice, *m_triggerSetup);
    m_shown.clear();
    clearLiveTraces();
    if (!m_keeper->startRecording()) {
        m_prompter.information(this, tr("Information"), tr("No unit is connected to record from"));
        return;
    }
    if (m_triggerSetup && m_triggerSetup->kind != TriggerSetup::NoTrigger && m_triggerDevice)
        vxUISlotChangeTriggerstatus(Waiting);
    m_paused = false;
    m_plots->setPaused(false);
    m_plots->follow(0.0);
    m_pause->setEnabled(true);
    setRecordTexts();
    emit vxUISigStartOscClicked();
    emit vxUISigRcrdStarted(true);
    emit vxUISigWidgetStatus(true);
}

void OscilloscopeWidget::stopRecording()
{
    if (m_triggerInProgress) {
        const auto answer
            = m_prompter.question(this, tr("Information"), tr("Trigger in Progress- Do you want to Stop?"),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, QMessageBox::Information);
        if (answer != QMessageBox::Yes)
            return;
    }
    // The units end their last cycle on their own; the save question follows once they have
    // (recordingStopped), and the record button waits for that.
    m_stopAsked = true;
    m_record->setEnabled(false);
    m_keeper->stopRecording();
    m_flash.stop();
    m_triggerLed->setPixmap(ledPicture(Qt::lightGray));
    m_triggerInProgress = false;
    m_paused = false;
    m_plots->setPaused(false);
    m_pause->setEnabled(false);
    setRecordTexts();
    emit vxUISigTimerstopped();
    emit vxUISigRcrdStarted(false);
    emit vxUISigWidgetStatus(false);
}

void OscilloscopeWidget::recordingStopped()
{
    m_record->setEnabled(true);
    if (!m_keeper || !std::exchange(m_stopAsked, false))
        return; // a close-down: no questions
    // The last samples of every device, then the save question.
    for (OscUnitDev *device : m_keeper->devices())
        vxOscSendSelectedlistForDisplay(device, {}, {}, device->currentValues());
    const auto answer = m_prompter.question(this, tr("Information"), tr("Do you want to save rec file?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, QMessageBox::Information);
    if (answer == QMessageBox::Yes)
        vxUISlotSaveBtnClicked();
    else
        SaveRecinTempFile();
}

void OscilloscopeWidget::SaveRecinTempFile()
{
    qDebug() << "Automatic save started";
    if (m_keeper && !m_fileMode)
        m_keeper->writer().append();
    qDebug() << "SAVING REC FILE";
}

void OscilloscopeWidget::vxUISlotPauseBtnClicked()
{
    if (!isRecording())
        return;
    m_paused = !m_paused;
    m_plots->setPaused(m_paused);
    if (!m_paused) {
        double newest = 0.0;
        for (const Trace &t : qAsConst(m_traces))
            if (t.device && t.graph->dataCount() > 0)
                newest = std::max(newest, (t.graph->data()->constEnd() - 1)->key);
        m_plots->follow(newest);
        m_plots->replot();
    }
    setRecordTexts();
}

void OscilloscopeWidget::vxUISlotSaveBtnClicked()
{
    const QString path = m_prompter.saveFileName(
        this, tr("Press Browse to enter file name"), QString(), QStringLiteral("REC (*.rec)"));
    if (path.isEmpty())
        return;
    saveRecording(
        path.endsWith(QLatin1String(".rec"), Qt::CaseInsensitive) ? path : path + QStringLiteral(".rec"));
}

bool OscilloscopeWidget::saveRecording(const QString &path)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    // A loaded recording is written back as it was read, with the comment box as its comment.
    QString error;
    const RecordingWriter::Status status = m_fileMode
        ? RecordingWriter::saveCopy(m_loadedPath, path, m_comment->toPlainText(), &error)
        : m_keeper ? m_keeper->writer().save(path, m_comment->toPlainText(), &error)
                   : RecordingWriter::InvalidFilepath;
    QGuiApplication::restoreOverrideCursor();
    if (status != RecordingWriter::Written) {
        QString text = error.isEmpty() ? RecordingWriter::message(status) : error;
        // The recording itself is not lost: say where it still is.
        if (!m_fileMode && m_keeper)
            text += QLatin1Char('\n')
                + tr("The recording is kept in %1")
                      .arg(QDir::toNativeSeparators(m_keeper->writer().runningFile()));
        m_prompter.information(this, tr("Information"), text);
    }
    return status == RecordingWriter::Written;
}

void OscilloscopeWidget::vxUISlotLoadBtnClicked()
{
    const QString path
        = m_prompter.openFileName(this, tr("Open rec file"), QString(), QStringLiteral("REC (*.rec)"));
    if (!path.isEmpty())
        loadRecording(path);
}

bool OscilloscopeWidget::loadRecording(const QString &path)
{
    if (isRecording()) {
        m_prompter.information(
            this, tr("Information"), tr("Oscilloscope record in progress.\nPlease stop recording"));
        return false;
    }
    Recording recording;
    const RecFileReader::Status status = RecFileReader::read(path, &recording);
    if (status != RecFileReader::Loaded) {
        m_prompter.critical(this, RecFileReader::title(status), RecFileReader::message(status));
        return false;
    }
    for (int i = m_traces.size() - 1; i >= 0; --i)
        removeTrace(i);
    m_loaded = recording;
    m_loadedPath = path;
    m_fileMode = true;
    m_comment->setPlainText(m_loaded.comment);
    fillFileList();
    m_lists->setCurrentIndex(FilePage);
    m_plots->follow(0.0);
    m_plots->replot();
    return true;
}

// ---- Time window ----

void OscilloscopeWidget::updateZoomControls()
{
    const int level = m_plots ? m_plots->zoomLevel() : 1;
    m_zoomIn->setEnabled(level < OscPlotArea::MaxZoom);
    m_zoomOut->setEnabled(level > 1);
    int position = 0;
    while ((1 << position) < level)
        ++position;
    const QSignalBlocker block(m_zoomBar);
    m_zoomBar->setValue(position);
}

void OscilloscopeWidget::vxUISlotZoomInBtnClicked()
{
    if (m_plots->zoomIn())
        m_plots->replot();
}

void OscilloscopeWidget::vxUISlotZoomOutBtnClicked()
{
    if (m_plots->zoomOut())
        m_plots->replot();
}

void OscilloscopeWidget::vxUISlotZoomBarMoved(int position)
{
    m_plots->setZoomLevel(1 << std::clamp(position, 0, 4));
    m_plots->replot();
}

void OscilloscopeWidget::vxUISlotNavigateOneLeftSamples()
{
    m_plots->step(-1);
    m_plots->replot();
}

void OscilloscopeWidget::vxUISlotNavigateFourLeftSamples()
{
    m_plots->step(-4);
    m_plots->replot();
}

void OscilloscopeWidget::vxUISlotNavigateOneRightSamples()
{
    m_plots->step(1);
    m_plots->replot();
}

void OscilloscopeWidget::vxUISlotNavigateFourRightSamples()
{
    m_plots->step(4);
    m_plots->replot();
}

void OscilloscopeWidget::vxUISlotDisplayAnalogClicked()
{
    m_showAnalog->setChecked(true);
    m_plots->setDisplay(OscPlotArea::AnalogOnly);
}

void OscilloscopeWidget::vxUISlotDisplayDigitalClicked()
{
    m_showDigital->setChecked(true);
    m_plots->setDisplay(OscPlotArea::DigitalOnly);
}

void OscilloscopeWidget::vxUISlotDisplayDigitalAnalogClicked()
{
    m_showBoth->setChecked(true);
    m_plots->setDisplay(OscPlotArea::AnalogAndDigital);
}

void OscilloscopeWidget::vxUISlotTimeEntered()
{
    bool ok = false;
    const int msecs = m_samplingTime->text().trimmed().toInt(&ok);
    if (!ok || msecs <= 9) {
        m_samplingTime->setText(QString::number(m_interval));
        return;
    }
    m_interval = ulong(msecs);
    if (m_keeper)
        m_keeper->setInterval(m_interval);
    emit vxUISigSetThreadInterval(m_interval);
}

// ---- Triggers ----

QString OscilloscopeWidget::triggerStatusText() const
{
    return m_triggerStatus->text();
}

void OscilloscopeWidget::vxUISlotChangeTriggerstatus(int status)
{
    static const char *const texts[] = { QT_TR_NOOP("Configured"), QT_TR_NOOP("Not Active"),
        QT_TR_NOOP("Waiting..."), QT_TR_NOOP("Running..."), QT_TR_NOOP("Completed") };
    m_triggerStatusCode = status >= Configured && status <= Completed ? status : NotActive;
    m_triggerStatus->setText(tr(texts[m_triggerStatusCode]));
}

void OscilloscopeWidget::vxUISlotAlertTriggerstart()
{
    m_triggerInProgress = true;
    m_flash.start();
    vxUISlotChangeTriggerstatus(Running);
}

void OscilloscopeWidget::vxUISlotAlertTriggerstop()
{
    m_flash.stop();
    m_triggerLed->setPixmap(ledPicture(Qt::lightGray));
    vxUISlotChangeTriggerstatus(m_triggerInProgress ? Completed : Configured);
    m_triggerInProgress = false;
}

void OscilloscopeWidget::flashTrigger()
{
    m_flashOn = !m_flashOn;
    m_triggerLed->setPixmap(ledPicture(m_flashOn ? Qt::red : Qt::lightGray));
}

void OscilloscopeWidget::setTrigger(OscUnitDev *device, const TriggerSetup &setup)
{
    m_triggerDevice = device;
    m_triggerSetup = std::make_unique<TriggerSetup>(setup);
}

void OscilloscopeWidget::vxUISlotTriggerBtnClicked()
{
    triggerSettings()->show();
    triggerSettings()->raise();
}

TriggerSettings *OscilloscopeWidget::triggerSettings()
{
    if (!m_triggerDialog) {
        m_triggerDialog = new TriggerSettings(this);
        connect(m_triggerDialog, &TriggerSettings::vxUISigNoTrigger, this, [this](int) {
            TriggerSetup none;
            setTrigger(nullptr, none);
            vxUISlotChangeTriggerstatus(NotActive);
        });
        connect(m_triggerDialog, &TriggerSettings::levelTriggerChosen, this, [this] {
            levelTrigger()->setUnitSource([this](int iface) { return devicesOf(iface); });
            levelTrigger()->show();
        });
        connect(m_triggerDialog, &TriggerSettings::conditionalTriggerChosen, this, [this] {
            conditionalTrigger()->setUnitSource([this](int iface) { return devicesOf(iface); });
            conditionalTrigger()->show();
        });
        connect(
            this, &OscilloscopeWidget::langTranslation, m_triggerDialog, &TriggerSettings::onLangTranslation);
        connect(m_triggerDialog, &TriggerSettings::bringAppToForeGround, this,
            &OscilloscopeWidget::bringAppToForeGround);
    }
    return m_triggerDialog;
}

LevelTrigger *OscilloscopeWidget::levelTrigger()
{
    if (!m_levelDialog) {
        m_levelDialog = new LevelTrigger(m_prompter, this);
        connect(m_levelDialog, &LevelTrigger::vxUISigChangeTriggerstatus, this,
            &OscilloscopeWidget::vxUISlotChangeTriggerstatus);
        connect(m_levelDialog, &LevelTrigger::confirmed, this,
            [this] { setTrigger(m_levelDialog->device(), m_levelDialog->setup()); });
        connect(this, &OscilloscopeWidget::langTranslation, m_levelDialog, &LevelTrigger::onLangTranslation);
        connect(m_levelDialog, &LevelTrigger::bringAppToForeGround, this,
            &OscilloscopeWidget::bringAppToForeGround);
    }
    return m_levelDialog;
}

ConditionalTrigger *OscilloscopeWidget::conditionalTrigger()
{
    if (!m_conditionalDialog) {
        m_conditionalDialog = new ConditionalTrigger(m_prompter, this);
        connect(m_conditionalDialog, &ConditionalTrigger::vxUISigChangeTriggerstatus, this,
            &OscilloscopeWidget::vxUISlotChangeTriggerstatus);
        connect(m_conditionalDialog, &ConditionalTrigger::confirmed, this,
            [this] { setTrigger(m_conditionalDialog->device(), m_conditionalDialog->setup()); });
        connect(this, &OscilloscopeWidget::langTranslation, m_conditionalDialog,
            &ConditionalTrigger::onLangTranslation);
        connect(m_conditionalDialog, &ConditionalTrigger::bringAppToForeGround, this,
            &OscilloscopeWidget::bringAppToForeGround);
    }
    return m_conditionalDialog;
}

// ---- Look, settings file ----

void OscilloscopeWidget::vxUISlotWhiteClrClicked()
{
    vxUISlotColorBarMoved(255);
}

void OscilloscopeWidget::vxUISlotBlackClrClicked()
{
    vxUISlotColorBarMoved(0);
}

void OscilloscopeWidget::vxUISlotThinBtnClicked()
{
    m_plots->setFat(false);
    m_plots->replot();
}

void OscilloscopeWidget::vxUISlotFatBtnClicked()
{
    m_plots->setFat(true);
    m_plots->replot();
}

void OscilloscopeWidget::vxUISlotYesGridClicked(int grey)
{
    m_plots->setBackground(grey);
    m_plots->setGrid(true);
    m_plots->replot();
}

void OscilloscopeWidget::vxUISlotNoGridClicked()
{
    m_plots->setGrid(false);
    m_plots->replot();
}

void OscilloscopeWidget::vxUISlotColorBarMoved(int grey)
{
    m_plots->setBackground(grey);
    m_plots->replot();
}

OsciSettings *OscilloscopeWidget::settingsDialog()
{
    if (!m_settingsDialog) {
        m_settingsDialog = new OsciSettings(this);
        m_settingsDialog->setState(m_plots->background(), m_plots->isFat(), m_plots->grid());
        connect(m_settingsDialog, &OsciSettings::vxUISigWhiteClrClicked, this,
            &OscilloscopeWidget::vxUISlotWhiteClrClicked);
        connect(m_settingsDialog, &OsciSettings::vxUISigBlackClrClicked, this,
            &OscilloscopeWidget::vxUISlotBlackClrClicked);
        connect(m_settingsDialog, &OsciSettings::vxUISigThinBtnClicked, this,
            &OscilloscopeWidget::vxUISlotThinBtnClicked);
        connect(m_settingsDialog, &OsciSettings::vxUISigFatBtnClicked, this,
            &OscilloscopeWidget::vxUISlotFatBtnClicked);
        connect(m_settingsDialog, &OsciSettings::vxUISigYesGridClicked, this,
            &OscilloscopeWidget::vxUISlotYesGridClicked);
        connect(m_settingsDialog, &OsciSettings::vxUISigNoGridClicked, this,
            &OscilloscopeWidget::vxUISlotNoGridClicked);
        connect(m_settingsDialog, &OsciSettings::vxUISigColorBarMoved, this,
            &OscilloscopeWidget::vxUISlotColorBarMoved);
        connect(m_settingsDialog, &OsciSettings::bringAppToForeGround, this,
            &OscilloscopeWidget::bringAppToForeGround);
        connect(
            this, &OscilloscopeWidget::langTranslation, m_settingsDialog, &OsciSettings::onLangTranslation);
    }
    return m_settingsDialog;
}

void OscilloscopeWidget::applySettings(const SettingsRecord &record)
{
    m_plots->setBackground(int(std::min(record.oscBackground, 255u)));
    m_plots->setFat(record.oscLineWidth != 0);
    m_plots->setGrid(record.oscGrid);
    if (record.oscGraphView == 0)
        vxUISlotDisplayAnalogClicked();
    else if (record.oscGraphView == 1)
        vxUISlotDisplayDigitalClicked();
    else
        vxUISlotDisplayDigitalAnalogClicked();
    m_samplingTime->setText(QString::number(record.oscSamplingTime));
    vxUISlotTimeEntered();
    m_timeUnit = int(record.oscTimeUnit);
    setFavourites(record.favourites);
    m_unitChoices = record.oscUnits;
    m_choicesGiven.clear();
    restoreUnitChoices();
    if (m_settingsDialog)
        m_settingsDialog->setState(m_plots->background(), m_plots->isFat(), m_plots->grid());
    m_plots->replot();
}

void OscilloscopeWidget::storeSettings(SettingsRecord &record) const
{
    record.oscBackground = uint(m_plots->background());
    record.oscLineWidth = m_plots->isFat() ? 1 : 0;
    record.oscGrid = m_plots->grid();
    record.oscGraphView = uint(m_plots->display());
    record.oscSamplingTime = uint(m_interval);
    record.oscTimeUnit = uint(m_timeUnit);
    record.favourites = m_favourites;
    record.oscUnits = unitChoices();
}

// ---- Favourites ----

void OscilloscopeWidget::setFavourites(
    const std::array<FavouriteSet, SettingsRecord::FavouriteSetCount> &sets)
{
    m_favourites = sets;
    const int current = std::max(0, m_favSet->currentIndex());
    {
        const QSignalBlocker block(m_favSet);
        for (int i = 0; i < SettingsRecord::FavouriteSetCount; ++i) {
            const QString name = m_favourites[size_t(i)].name.isEmpty()
                ? QStringLiteral("Set ") + QChar('A' + i)
                : m_favourites[size_t(i)].name;
            m_favSet->setItemText(i, name);
        }
    }
    QTreeWidget *tree = m_unitLists[FavoritesPage];
    tree->clear();
    for (const FavouriteEntry &e : m_favourites[size_t(current)].entries) {
        auto *item = new QTreeWidgetItem(tree);
        item->setText(0, e.text2 + QStringLiteral(" ") + e.text3 + QStringLiteral(": ") + e.text0);
    }
}

FavouriteEntry OscilloscopeWidget::favouriteOf(const Trace &trace) const
{
    FavouriteEntry e;
    e.text0 = trace.name;
    e.flag1 = trace.autoScale;
    if (trace.device) {
        e.text2 = F::at(trace.device->unitEntry(), F::Interface);
        e.text3 = QString::number(trace.device->unitNumber());
    }
    e.text4 = QString::number(trace.number);
    e.flag5 = true;
    return e;
}

bool OscilloscopeWidget::addFavourite(int set, const FavouriteEntry &entry)
{
    if (set < 0 || set >= SettingsRecord::FavouriteSetCount)
        return false;
    FavouriteSet &s = m_favourites[size_t(set)];
    for (const FavouriteEntry &e : qAsConst(s.entries))
        if (e.text2 == entry.text2 && e.text3 == entry.text3 && e.text4 == entry.text4) {
            m_prompter.information(this, tr("Information"), tr("Param already exists"));
            return false;
        }
    s.entries.append(entry);
    setFavourites(m_favourites);
    return true;
}

bool OscilloscopeWidget::applyFavouriteSet(int set)
{
    if (set < 0 || set >= SettingsRecord::FavouriteSetCount || m_favourites[size_t(set)].entries.isEmpty()) {
        m_prompter.critical(this, tr("Error"), tr("Favourite list is empty"));
        return false;
    }
    for (const FavouriteEntry &e : m_favourites[size_t(set)].entries) {
        const int iface = UnitRegistry::interfaceIndex(e.text2);
        for (OscUnitDev *device : devicesOf(iface)) {
            if (QString::number(device->unitNumber()) != e.text3)
                continue;
            if (selectEntry(device, e.text4.toInt(), true)) {
                const int index = traceIndex(device, -1, e.text4.toInt());
                m_traces[index].autoScale = e.flag1;
                loadTracePoints(m_traces[index]);
            }
        }
    }
    for (int iface = 0; iface < UnitRegistry::InterfaceCount; ++iface)
        fillUnitList(iface);
    refreshLegend();
    m_plots->replot();
    emit vxUISigFavOkClicked();
    return true;
}

EditFavorites *OscilloscopeWidget::favoritesDialog()
{
    if (!m_favDialog) {
        m_favDialog = new EditFavorites(m_prompter, this);
        connect(m_favDialog, &EditFavorites::vxUISigFavOkClicked, this, [this] {
            setFavourites(m_favDialog->sets());
            emit vxUISigFavOkClicked();
        });
        connect(m_favDialog, &EditFavorites::vxUISigFavCancelClicked, this,
            &OscilloscopeWidget::vxUISigFavCancelClicked);
        connect(m_favDialog, &EditFavorites::vxUISigModeComboChanged, this,
            [this](int iface) { m_favDialog->setUnits(devicesOf(iface)); });
        connect(this, &OscilloscopeWidget::langTranslation, m_favDialog, &EditFavorites::onLangTranslation);
        connect(m_favDialog, &EditFavorites::bringAppToForeGround, this,
            &OscilloscopeWidget::bringAppToForeGround);
    }
    return m_favDialog;
}

void OscilloscopeWidget::vxUISlotFavoritesBtnClicked()
{
    EditFavorites *dialog = favoritesDialog();
    dialog->setSets(m_favourites, m_favSet->currentIndex());
    dialog->setUnits(devicesOf(dialog->mode()));
    dialog->show();
    dialog->raise();
}

// ---- Printing ----

OscPrintGui *OscilloscopeWidget::printDialog()
{
    if (!m_printDialog) {
        m_printDialog = new OscPrintGui(this);
        connect(m_printDialog, &OscPrintGui::vxUIOscilloscopePrinting, this,
            &OscilloscopeWidget::vxUIOscilloscopePrint);
        connect(m_printDialog, &OscPrintGui::bringAppToForeGround, this,
            &OscilloscopeWidget::bringAppToForeGround);
        connect(this, &OscilloscopeWidget::langTranslation, m_printDialog, &OscPrintGui::onLangTranslation);
    }
    return m_printDialog;
}

void OscilloscopeWidget::vxUISlotPrintBtnClicked()
{
    printDialog()->show();
    printDialog()->raise();
}

void OscilloscopeWidget::vxUIOscilloscopePrint(int what, int output)
{
    if (output == OscPrintGui::Pdf) {
        QString path
            = m_prompter.saveFileName(this, tr("Save pdf file"), QString(), QStringLiteral("(*.pdf)"));
        if (path.isEmpty())
            return;
        if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
            path += QStringLiteral(".pdf");
        QPdfWriter pdf(path);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Landscape);
        render(&pdf, what);
        return;
    }
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        render(&printer, what);
}

void OscilloscopeWidget::render(QPagedPaintDevice *device, int what)
{
    if (!OscPrintout::render(device, what, m_plots, m_legend))
        m_prompter.information(this, tr("Information"), tr("Invalid Filepath"));
}

void OscilloscopeWidget::resetView()
{
    for (int i = m_traces.size() - 1; i >= 0; --i)
        if (m_traces.at(i).fileUnit < 0)
            removeTrace(i);
    m_shown.clear();
    m_plots->clearMarkers();
    vxOscRefreshUnits();
}
