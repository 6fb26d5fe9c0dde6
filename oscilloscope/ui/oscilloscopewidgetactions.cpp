// The oscilloscope view's commands: recording and files, the time window, triggers, the look,
// favourites and printing.
#include "editfavorites.h"
#include "osccontrolbar.h"
#include "oscilloscopewidget.h"
#include "oscisettings.h"
#include "osclegendtable.h"
#include "oscplotarea.h"
#include "oscprintgui.h"
#include "oscprintout.h"
#include "oscsignallists.h"
#include "osctriggerdialogs.h"
#include "oscunitdev.h"
#include "prompter.h"
#include "reccsv.h"
#include "recordingcontroller.h"
#include "triggersettings.h"
#include "unitentryfields.h"

#include <QComboBox>
#include <QDebug>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
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

void OscilloscopeWidget::startRecording()
{
    if (!m_recording)
        return;
    // A loaded recording makes way for the live one.
    if (m_fileMode) {
        m_fileMode = false;
        m_traces->clearForLive();
        m_loaded = Recording();
        m_lists->fillFileList(m_loaded);
    }
    if (m_triggers->isArmed())
        m_recording->applyTrigger(m_triggers->device(), m_triggers->setup());
    m_traces->forgetDrawnSamples();
    m_traces->clearForLive();
    if (!m_recording->startRecording()) {
        m_prompter.information(this, tr("Information"), tr("No unit is connected to record from"));
        return;
    }
    if (m_triggers->isArmed())
        vxUISlotChangeTriggerstatus(OscControlBar::Waiting);
    m_paused = false;
    m_plots->setPaused(false);
    m_plots->follow(0.0);
    pauseButton()->setEnabled(true);
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
    recordButton()->setEnabled(false);
    m_recording->stopRecording();
    m_bar->setTriggerFlashing(false);
    m_triggerInProgress = false;
    m_paused = false;
    m_plots->setPaused(false);
    pauseButton()->setEnabled(false);
    setRecordTexts();
    emit vxUISigTimerstopped();
    emit vxUISigRcrdStarted(false);
    emit vxUISigWidgetStatus(false);
}

void OscilloscopeWidget::recordingStopped()
{
    recordButton()->setEnabled(true);
    if (!m_recording || !std::exchange(m_stopAsked, false))
        return; // a close-down: no questions
    // The last samples of every device, then the save question.
    for (OscUnitDev *device : m_recording->devices())
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
    if (m_recording && !m_fileMode)
        m_recording->writer().append();
    qDebug() << "SAVING REC FILE";
}

void OscilloscopeWidget::vxUISlotPauseBtnClicked()
{
    if (!isRecording())
        return;
    m_paused = !m_paused;
    m_plots->setPaused(m_paused);
    if (!m_paused) {
        m_plots->follow(m_traces->newestLiveX());
        m_plots->replot();
    }
    setRecordTexts();
}

void OscilloscopeWidget::vxUISlotSaveBtnClicked()
{
    const QString path
        = m_prompter.saveFileName(this, tr("Save Recording"), QString(), QStringLiteral("REC (*.rec)"));
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
        : m_recording ? m_recording->writer().save(path, m_comment->toPlainText(), &error)
                      : RecordingWriter::InvalidFilepath;
    QGuiApplication::restoreOverrideCursor();
    if (status != RecordingWriter::Written) {
        QString text = error.isEmpty() ? RecordingWriter::message(status) : error;
        // The recording itself is not lost: say where it still is.
        if (!m_fileMode && m_recording)
            text += QLatin1Char('\n')
                + tr("The recording is kept in %1")
                      .arg(QDir::toNativeSeparators(m_recording->writer().runningFile()));
        m_prompter.information(this, tr("Information"), text);
    } else {
        emit statusMessage(tr("Recording saved to %1").arg(QDir::toNativeSeparators(path)));
    }
    return status == RecordingWriter::Written;
}

void OscilloscopeWidget::vxUISlotSaveCsvClicked()
{
    const QString path
        = m_prompter.saveFileName(this, tr("Save as CSV"), QString(), QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty())
        return;
    saveCsv(path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) ? path : path + QStringLiteral(".csv"));
}

bool OscilloscopeWidget::saveCsv(const QString &path)
{
    // A live recording is read back from its running file, brought up to date first: the same
    // rows a saved .rec holds, so the CSV is the one rec2csv makes of that file.
    Recording running;
    const Recording *recording = &m_loaded;
    if (!m_fileMode) {
        RecFileReader::Status status = RecFileReader::FileNotFound;
        if (m_recording && m_recording->writer().append() == RecordingWriter::Written)
            status = RecFileReader::read(m_recording->writer().runningFile(), &running);
        if (status != RecFileReader::Loaded) {
            m_prompter.information(this, tr("Information"), tr("There is no recording to save"));
            return false;
        }
        recording = &running;
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QString error;
    const bool written = RecCsv::writeFile(*recording, path, &error);
    QGuiApplication::restoreOverrideCursor();
    if (!written) {
        m_prompter.information(this, tr("Information"), error);
        return false;
    }
    emit statusMessage(tr("CSV saved to %1").arg(QDir::toNativeSeparators(path)));
    return true;
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
    const RecFileReader::Status status
        = RecFileReader::read(path, &recording, RecFileReader::deviceFileLookup(m_language));
    if (status != RecFileReader::Loaded) {
        m_prompter.critical(this, RecFileReader::title(status), RecFileReader::message(status));
        return false;
    }
    m_traces->removeAll();
    m_loaded = recording;
    m_loadedPath = path;
    m_fileMode = true;
    m_comment->setPlainText(m_loaded.comment);
    m_lists->fillFileList(m_loaded);
    m_lists->setCurrentIndex(OscSignalLists::FilePage);
    m_plots->follow(0.0);
    m_plots->replot();
    return true;
}

// ---- Time window ----

void OscilloscopeWidget::updateZoomControls()
{
    m_bar->showZoomLevel(m_plots->zoomLevel(), OscPlotArea::MaxZoom);
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
    m_bar->analogButton()->setChecked(true);
    m_plots->setDisplay(OscPlotArea::AnalogOnly);
}

void OscilloscopeWidget::vxUISlotDisplayDigitalClicked()
{
    m_bar->digitalButton()->setChecked(true);
    m_plots->setDisplay(OscPlotArea::DigitalOnly);
}

void OscilloscopeWidget::vxUISlotDisplayDigitalAnalogClicked()
{
    m_bar->bothButton()->setChecked(true);
    m_plots->setDisplay(OscPlotArea::AnalogAndDigital);
}

void OscilloscopeWidget::vxUISlotTimeEntered()
{
    bool ok = false;
    const int msecs = samplingTimeEdit()->text().trimmed().toInt(&ok);
    if (!ok || msecs <= 9) {
        samplingTimeEdit()->setText(QString::number(m_interval));
        return;
    }
    m_interval = ulong(msecs);
    if (m_recording)
        m_recording->setInterval(m_interval);
    emit vxUISigSetThreadInterval(m_interval);
}

// ---- Triggers ----

QString OscilloscopeWidget::triggerStatusText() const
{
    return m_bar->triggerStatusText();
}

void OscilloscopeWidget::vxUISlotChangeTriggerstatus(int status)
{
    m_bar->setTriggerStatus(status);
}

void OscilloscopeWidget::vxUISlotAlertTriggerstart()
{
    m_triggerInProgress = true;
    m_bar->setTriggerFlashing(true);
    vxUISlotChangeTriggerstatus(OscControlBar::Running);
}

void OscilloscopeWidget::vxUISlotAlertTriggerstop()
{
    m_bar->setTriggerFlashing(false);
    vxUISlotChangeTriggerstatus(m_triggerInProgress ? OscControlBar::Completed : OscControlBar::Configured);
    m_triggerInProgress = false;
}

void OscilloscopeWidget::setTrigger(OscUnitDev *device, const TriggerSetup &setup)
{
    m_triggers->setTrigger(device, setup);
}

void OscilloscopeWidget::vxUISlotTriggerBtnClicked()
{
    triggerSettings()->show();
    triggerSettings()->raise();
}

TriggerSettings *OscilloscopeWidget::triggerSettings()
{
    return m_triggers->settings();
}

LevelTrigger *OscilloscopeWidget::levelTrigger()
{
    return m_triggers->level();
}

ConditionalTrigger *OscilloscopeWidget::conditionalTrigger()
{
    return m_triggers->conditional();
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
    samplingTimeEdit()->setText(QString::number(record.oscSamplingTime));
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
    m_lists->showFavourites(m_favourites);
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
        const int iface = F::interfacePosition(e.text2);
        for (OscUnitDev *device : devicesOf(iface)) {
            if (QString::number(device->unitNumber()) != e.text3)
                continue;
            if (selectEntry(device, e.text4.toInt(), true))
                m_traces->setAutoScale(m_traces->indexOf(device, -1, e.text4.toInt()), e.flag1);
        }
    }
    fillUnitLists();
    m_legend->refresh();
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
    dialog->setSets(m_favourites, m_lists->favouriteSetBox()->currentIndex());
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
        if (render(&pdf, what))
            emit statusMessage(tr("PDF saved to %1").arg(QDir::toNativeSeparators(path)));
        return;
    }
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        render(&printer, what);
}

bool OscilloscopeWidget::render(QPagedPaintDevice *device, int what)
{
    if (OscPrintout::render(device, what, m_plots, m_legend))
        return true;
    m_prompter.information(this, tr("Information"), tr("Invalid Filepath"));
    return false;
}
