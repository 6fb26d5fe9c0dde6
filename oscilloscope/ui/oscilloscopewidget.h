#pragma once

#include "osctraceset.h"
#include "recfilereader.h"
#include "settingsrecord.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

class ConditionalTrigger;
class EditFavorites;
class LevelTrigger;
class OscControlBar;
class OscLegendTable;
class OscPlotArea;
class OscPrintGui;
class OscSignalLists;
class OscTriggerDialogs;
class OscUnitDev;
class OsciSettings;
class Prompter;
class QLineEdit;
class QPagedPaintDevice;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QTreeWidget;
class RecordingController;
class TriggerSettings;
struct TriggerSetup;

// The oscilloscope tab: signal selection per interface and unit, recording (start, pause, stop,
// save), loaded recordings, the two plots with their legend table, triggers, settings and
// favourites. Samples reach it only by the devices' queued signal; it reads a device's store
// through the device's locked accessors. The recording itself runs in the recording controller;
// the parts of the tab are classes of their own, and this one wires them and carries out the
// commands.
class OscilloscopeWidget : public QWidget
{
    Q_OBJECT
public:
    using Trace = OscTrace;

    OscilloscopeWidget(Prompter &prompter, RecordingController *recording, QWidget *parent = nullptr);
    ~OscilloscopeWidget() override;

    OscPlotArea *plots() const { return m_plots; }
    const QList<Trace> &traces() const { return m_traces->traces(); }
    QTreeWidget *unitList(int page) const;
    OscLegendTable *legend() const { return m_legend; }
    QPushButton *recordButton() const;
    QPushButton *pauseButton() const;
    QPushButton *zoomInButton() const;
    QPushButton *zoomOutButton() const;
    QSlider *zoomBar() const;
    QLineEdit *samplingTimeEdit() const;
    QPlainTextEdit *commentBox() const { return m_comment; }
    QString triggerStatusText() const;
    bool isRecording() const;
    bool isPaused() const { return m_paused; }
    bool isFileMode() const { return m_fileMode; }
    bool isTriggerInProgress() const { return m_triggerInProgress; }
    ulong samplingTime() const { return m_interval; }
    const Recording &loadedRecording() const { return m_loaded; }

    // Shows or hides graph entry `number` of a live device (or of file unit `fileUnit`).
    bool selectEntry(OscUnitDev *device, int number, bool on);
    bool selectFileEntry(int fileUnit, int number, bool on);
    // Loads a recording into "Units on File"; false (with the box shown) when it cannot be read.
    bool loadRecording(const QString &path);
    // Writes the shown recording (running or loaded) with the comment box's text to path.
    bool saveRecording(const QString &path);
    // Writes the shown recording (running or loaded) as plain CSV, as tarvolink-cli rec2csv does.
    bool saveCsv(const QString &path);
    // Prints the graphs (0) or the legend table (1) onto a printer or PDF writer; false (with
    // the box shown) when it could not.
    bool render(QPagedPaintDevice *device, int what);

    // Settings file: the section of the oscilloscope and the favourite sets.
    void applySettings(const SettingsRecord &record);
    void storeSettings(SettingsRecord &record) const;
    std::array<FavouriteSet, SettingsRecord::FavouriteSetCount> favourites() const { return m_favourites; }
    void setFavourites(const std::array<FavouriteSet, SettingsRecord::FavouriteSetCount> &sets);
    // The favourite entry of a trace of a live device (interface, unit number, entry number).
    FavouriteEntry favouriteOf(const Trace &trace) const;
    // Shows the entries of a favourite set on the connected units.
    bool applyFavouriteSet(int set);
    // Adds a shown trace to a set; false with "Param already exists" when it is there.
    bool addFavourite(int set, const FavouriteEntry &entry);

    // Colour dialog seam ("Select Color"): tests replace it.
    void setColourPicker(const std::function<QColor(const QColor &)> &picker) { m_pickColour = picker; }

    // The dialogs, made on first use.
    TriggerSettings *triggerSettings();
    LevelTrigger *levelTrigger();
    ConditionalTrigger *conditionalTrigger();
    OsciSettings *settingsDialog();
    OscPrintGui *printDialog();
    EditFavorites *favoritesDialog();
    // The devices of an interface (0 RS232, 1 RS485, 2 TCP/IP), in the order they were accepted.
    QList<OscUnitDev *> devicesOf(int iface) const;
    // The trigger to apply at the next record start, and the unit it watches.
    void setTrigger(OscUnitDev *device, const TriggerSetup &setup);

signals:
    void vxUISigRcrdStarted(bool recording);
    void vxUISigStartOscClicked();
    void vxUISigTimerstopped();
    void vxUISigSetThreadInterval(ulong msecs);
    void vxOscUISaveFinished();
    void vxUISigFavOkClicked();
    void vxUISigFavCancelClicked();
    void vxUISigWidgetStatus(bool);
    void langTranslation(int);
    void bringAppToForeGround();
    // A line for the window's status bar (where a file was saved).
    void statusMessage(QString text);

public slots:
    // The unit lists follow the recording controller's devices (a unit was accepted or removed).
    void vxOscRefreshUnits();
    // A new scan: everything shown of live units goes.
    void resetView();
    void vxUISlotRcrdBtnClicked();
    void vxUISlotPauseBtnClicked();
    void vxUISlotSaveBtnClicked();
    void vxUISlotSaveCsvClicked();
    void vxUISlotLoadBtnClicked();
    void vxUISlotPrintBtnClicked();
    void vxUIOscilloscopePrint(int what, int output);
    void SaveRecinTempFile();
    void vxUISlotZoomInBtnClicked();
    void vxUISlotZoomOutBtnClicked();
    void vxUISlotZoomBarMoved(int position);
    void vxUISlotNavigateOneLeftSamples();
    void vxUISlotNavigateFourLeftSamples();
    void vxUISlotNavigateOneRightSamples();
    void vxUISlotNavigateFourRightSamples();
    void vxUISlotDisplayAnalogClicked();
    void vxUISlotDisplayDigitalClicked();
    void vxUISlotDisplayDigitalAnalogClicked();
    void vxUISlotTimeEntered();
    void vxOscSendSelectedlistForDisplay(
        OscUnitDev *device, QStringList names, QList<QStringList> rows, QStringList currentValues);
    void vxUISlotAlertTriggerstart();
    void vxUISlotAlertTriggerstop();
    void vxUISlotChangeTriggerstatus(int status);
    void vxUISlotTriggerBtnClicked();
    void vxUISlotFavoritesBtnClicked();
    void vxUISlotWhiteClrClicked();
    void vxUISlotBlackClrClicked();
    void vxUISlotThinBtnClicked();
    void vxUISlotFatBtnClicked();
    void vxUISlotYesGridClicked(int grey);
    void vxUISlotNoGridClicked();
    void vxUISlotColorBarMoved(int grey);
    void onLangTranslation(int language);

private:
    // A unit seen again gets the signals, ranges and colours it had; closing keeps them.
    void restoreUnitChoices();
    QList<OscUnitChoice> unitChoices() const;
    void buildForm();
    void connectControls();
    void retranslateUi();
    void fillUnitLists();
    // A device's signal names followed the language: its list and traces follow them.
    void onDeviceTranslated();
    // The loaded recording's names in the language chosen.
    void retranslateLoaded();
    QStringList exportCaption() const;
    QString valueAxisTitle() const;
    OscUnitDev *deviceByNumber(int runningNumber) const;
    void onColourRequested(int row);
    void stopRecording();
    // The acquisition of a stop has ended: the last samples, then the save question.
    void recordingStopped();
    void startRecording();
    void updateZoomControls();
    void setRecordTexts();

    Prompter &m_prompter;
    QPointer<RecordingController> m_recording;
    OscPlotArea *m_plots = nullptr;
    OscTraceSet *m_traces = nullptr;
    OscSignalLists *m_lists = nullptr;
    OscControlBar *m_bar = nullptr;
    OscLegendTable *m_legend = nullptr;
    QPushButton *m_load = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_saveCsv = nullptr;
    QPlainTextEdit *m_comment = nullptr;

    OscTriggerDialogs *m_triggers = nullptr;
    OsciSettings *m_settingsDialog = nullptr;
    OscPrintGui *m_printDialog = nullptr;
    EditFavorites *m_favDialog = nullptr;

    Recording m_loaded;
    QString m_loadedPath;
    std::array<FavouriteSet, SettingsRecord::FavouriteSetCount> m_favourites;
    // The signals each unit showed when the program last closed, and the devices they were
    // already given back to.
    QList<OscUnitChoice> m_unitChoices;
    QList<QPointer<OscUnitDev>> m_choicesGiven;
    std::function<QColor(const QColor &)> m_pickColour;
    bool m_triggerInProgress = false;
    bool m_paused = false;
    bool m_stopAsked = false; // the record button stopped the recording: ask to save at its end
    bool m_fileMode = false;
    ulong m_interval = 250;
    int m_timeUnit = 0;
    int m_language = 0;
};
