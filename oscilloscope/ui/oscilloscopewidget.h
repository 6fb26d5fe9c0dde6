#pragma once

#include "graphentries.h"
#include "recfilereader.h"
#include "settingsrecord.h"

#include <QColor>
#include <QHash>
#include <QModelIndex>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class ConditionalTrigger;
class EditFavorites;
class LevelTrigger;
class OscDeviceKeeper;
class OscPlotArea;
class OscPrintGui;
class OscUnitDev;
class OsciSettings;
class Prompter;
class QCPGraph;
class QComboBox;
class QLabel;
class QLineEdit;
class QPagedPaintDevice;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;
class TriggerSettings;
struct TriggerSetup;

// The oscilloscope tab: signal selection per interface and unit, recording (start, pause, stop,
// save), loaded recordings, the two plots with their legend table, triggers, settings and
// favourites. Samples reach it only by the devices' queued signal; it reads a device's store
// through the device's locked accessors.
class OscilloscopeWidget : public QWidget
{
    Q_OBJECT
public:
    enum ListPage { RS232Page = 0, RS485Page, TCPIPPage, FilePage, FavoritesPage };
    enum LegendColumn { AutoScaleColumn = 0, NameColumn, ValueColumn, UnitColumn, MinColumn, MaxColumn };
    // Trigger status texts by number.
    enum TriggerStatus { Configured = 0, NotActive = 1, Waiting = 2, Running = 3, Completed = 4 };

    OscilloscopeWidget(Prompter &prompter, OscDeviceKeeper *keeper, QWidget *parent = nullptr);
    ~OscilloscopeWidget() override;

    // One shown line: a graph entry of a live unit or of a unit of the loaded recording.
    struct Trace
    {
        QPointer<OscUnitDev> device;
        int fileUnit = -1; // index into the loaded recording's units
        int number = -1; // graph entry number
        GraphEntry entry;
        QCPGraph *graph = nullptr;
        QString name;
        QString unit;
        QColor colour;
        bool autoScale = false;
        double min = 0.0;
        double max = 0.0;
    };

    OscPlotArea *plots() const { return m_plots; }
    const QList<Trace> &traces() const { return m_traces; }
    QTreeWidget *unitList(int page) const;
    QTableWidget *legend() const { return m_legend; }
    QPushButton *recordButton() const { return m_record; }
    QPushButton *pauseButton() const { return m_pause; }
    QPushButton *zoomInButton() const { return m_zoomIn; }
    QPushButton *zoomOutButton() const { return m_zoomOut; }
    QSlider *zoomBar() const { return m_zoomBar; }
    QLineEdit *samplingTimeEdit() const { return m_samplingTime; }
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
    // Prints the graphs (0) or the legend table (1) onto a printer or PDF writer.
    void render(QPagedPaintDevice *device, int what);

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

public slots:
    // The unit lists follow the keeper's devices (a unit was accepted or removed).
    void vxOscRefreshUnits();
    // A new scan: everything shown of live units goes.
    void resetView();
    void vxUISlotRcrdBtnClicked();
    void vxUISlotPauseBtnClicked();
    void vxUISlotSaveBtnClicked();
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
    // The round indicator of the trigger state in a colour.
    static QPixmap ledPicture(const QColor &colour);
    // A unit seen again gets the signals, ranges and colours it had; closing keeps them.
    void restoreUnitChoices();
    QList<OscUnitChoice> unitChoices() const;
    void buildForm();
    void retranslateUi();
    QWidget *buildToolRow();
    void fillUnitList(int iface);
    void fillFileList();
    void onEntryToggled(QTreeWidgetItem *item, int column);
    OscUnitDev *deviceByNumber(int runningNumber) const;
    int traceIndex(const OscUnitDev *device, int fileUnit, int number) const;
    void syncChecks();
    void addTrace(Trace trace);
    void removeTrace(int index);
    void loadTracePoints(Trace &trace);
    double traceValue(const Trace &trace, double raw) const;
    void refreshLegend();
    void onLegendChanged(int row, int column);
    void onLegendDoubleClicked(int row, int column);
    void stopRecording();
    // The acquisition of a stop has ended: the last samples, then the save question.
    void recordingStopped();
    void startRecording();
    void updateZoomControls();
    void setRecordTexts();
    void flashTrigger();
    void clearLiveTraces();

    Prompter &m_prompter;
    QPointer<OscDeviceKeeper> m_keeper;
    OscPlotArea *m_plots = nullptr;
    QTabWidget *m_lists = nullptr;
    QTreeWidget *m_unitLists[5] = {};
    QComboBox *m_favSet = nullptr;
    QPushButton *m_load = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_favButton = nullptr;
    QPushButton *m_favApply = nullptr;
    QLabel *m_graphLabel = nullptr;
    QRadioButton *m_showAnalog = nullptr;
    QRadioButton *m_showDigital = nullptr;
    QRadioButton *m_showBoth = nullptr;
    QLabel *m_zoomLabel = nullptr;
    QPushButton *m_zoomIn = nullptr;
    QPushButton *m_zoomOut = nullptr;
    QSlider *m_zoomBar = nullptr;
    QPushButton *m_back2 = nullptr;
    QPushButton *m_back = nullptr;
    QPushButton *m_forward = nullptr;
    QPushButton *m_forward2 = nullptr;
    QLabel *m_samplingLabel = nullptr;
    QLineEdit *m_samplingTime = nullptr;
    QLabel *m_msecLabel = nullptr;
    QLabel *m_slowest = nullptr;
    QLabel *m_response = nullptr;
    QLabel *m_recordLabel = nullptr;
    QPushButton *m_record = nullptr;
    QPushButton *m_pause = nullptr;
    QPushButton *m_trigger = nullptr;
    QLabel *m_triggerLed = nullptr;
    QLabel *m_triggerStatus = nullptr;
    QLabel *m_settingsLink = nullptr;
    QTableWidget *m_legend = nullptr;
    QPlainTextEdit *m_comment = nullptr;

    TriggerSettings *m_triggerDialog = nullptr;
    LevelTrigger *m_levelDialog = nullptr;
    ConditionalTrigger *m_conditionalDialog = nullptr;
    OsciSettings *m_settingsDialog = nullptr;
    OscPrintGui *m_printDialog = nullptr;
    EditFavorites *m_favDialog = nullptr;

    QList<Trace> m_traces;
    QHash<const OscUnitDev *, int> m_shown; // samples already drawn per device
    Recording m_loaded;
    QString m_loadedPath;
    std::array<FavouriteSet, SettingsRecord::FavouriteSetCount> m_favourites;
    // The signals each unit showed when the program last closed, and the devices they were
    // already given back to.
    QList<OscUnitChoice> m_unitChoices;
    QList<QPointer<OscUnitDev>> m_choicesGiven;
    std::function<QColor(const QColor &)> m_pickColour;
    QPointer<OscUnitDev> m_triggerDevice;
    std::unique_ptr<TriggerSetup> m_triggerSetup;
    QTimer m_flash;
    bool m_flashOn = false;
    int m_triggerStatusCode = NotActive;
    bool m_triggerInProgress = false;
    bool m_paused = false;
    bool m_stopAsked = false; // the record button stopped the recording: ask to save at its end
    bool m_fileMode = false;
    bool m_filling = false; // lists and legend being filled: their change signals are ours
    ulong m_interval = 250;
    int m_timeUnit = 0;
    int m_nextColour = 0;
};
