#pragma once

#include "autoscaninfo.h"
#include "unitfactory.h"
#include "unitregistry.h"

#include <QModelIndex>
#include <QStringList>
#include <QWidget>
#include <memory>

class CommSettings;
class Connect;
class CurrentUnitPresenter;
class CtrlPanelController;
class CtrlPanelFrame;
class FaultLogger;
class Status;
class alarms;
class Preferences;
class ScanController;
class FileSetKeeper;
class ControlPanelHook;
class OscilloscopeHook;
class OscDeviceKeeper;
class OscilloscopeWidget;
class ParameterActions;
class Parameters;
class ParamTransfer;
class Prompter;
class QPlainTextEdit;
class QScrollArea;
class QSplitter;
class QTabWidget;
class QTreeView;
class SettingsBinder;
class SettingsDialogs;
class ThreadSupervisor;
class TreeModel;
class UnitConnector;
class UnitTreeFrame;
class VxCommModbusMaster;
class importfileThread;
struct UnitRecord;

// The tab controller: owns the connected units and their views, answers the main window's menus
// and closes everything down at exit. Each slot hands its work to the helper of that concern:
// the unit connector (connect, identify, remove), the current-unit presenter (what the views
// show), the parameter actions (transfers and menu states), the settings dialogs, the scan
// controller and the control panel's controller.
class TabWidget : public QWidget
{
    Q_OBJECT
public:
    enum Tab { ParametersTab = 0, OscilloscopeTab, StatusTab, FaultLoggerTab, AlertsTab, LinkInformationTab };

    // The prompter belongs to the main window and outlives this controller. The factory creates
    // masters, workers and models (null: the real ones).
    explicit TabWidget(
        Prompter &prompter, QWidget *parent = nullptr, std::unique_ptr<UnitFactory> factory = nullptr);
    ~TabWidget() override;

    Prompter &prompter() const { return m_prompter; }
    QTabWidget *tabs() const { return m_tabs; }
    // The unit pane beside the views; neither side can be collapsed.
    QSplitter *splitter() const { return m_splitter; }
    int currentIndex() const;
    void setCurrentIndex(int index);

    // Reads the settings file and hands its values on (the language through vxUISetLangCombo).
    // Returns whether the file could be read.
    bool readSettings();
    SettingsBinder &settings() const { return *m_settings; }

    // The control panel and the oscilloscope plug in here; both outlive the controller. Null
    // restores the defaults (no hand-back, never recording).
    void setControlPanelHook(ControlPanelHook *hook);
    void setOscilloscopeHook(OscilloscopeHook *hook);
    bool isOscRecording() const;
    // The built-in oscilloscope devices of the units (whatever hook is set).
    OscDeviceKeeper *oscDeviceKeeper() const;
    // The oscilloscope view, and the page that holds it (panels may be added beside the view).
    OscilloscopeWidget *oscilloscope() const { return m_oscView; }
    QWidget *oscilloscopePage() const { return m_oscPage; }

    // The registry and its lists by their usual names (index: 0 RS232, 1 RS485, 2 TCP/IP).
    UnitRegistry &registry() const { return *m_registry; }
    QList<QStringList> infoList(int iface) const { return m_registry->infoList(iface); }
    QList<VxCommModbusMaster *> commModList(int iface) const { return m_registry->commModList(iface); }
    QList<QList<importfileThread *>> threadList(int iface) const { return m_registry->threadList(iface); }
    QStringList currentUnit() const;
    TreeModel *modelOf(const QStringList &entry) const;

    UnitTreeFrame *unitTree() const { return m_tree; }
    Connect *detailsPanel() const { return m_details; }
    Parameters *parameters() const { return m_params; }
    // The tree of the parameters view.
    QTreeView *parametersView() const;
    // Parameter sets opened from files or made new, owned here while they are listed.
    FileSetKeeper *fileSets() const { return m_fileSets; }
    QPlainTextEdit *linkInformationLog() const { return m_linkLog; }
    ParamTransfer *transfer() const { return m_transfer; }
    ThreadSupervisor *supervisor() const { return m_supervisor; }
    Status *statusView() const { return m_status; }
    FaultLogger *faultLogger() const { return m_faults; }
    alarms *alertList() const { return m_alarms; }
    CtrlPanelFrame *ctrlPanel() const { return m_ctrlFrame; }
    CtrlPanelController *ctrlController() const { return m_ctrl; }

    // Before the quit question: offers to save the sets from files that have unsaved edits.
    // Returns false when the user chose to stay (Cancel, or a save not carried out).
    bool offerToSaveFileSets();
    CommSettings *commSettingsDialog() const;
    Preferences *preferencesDialog() const;
    ScanController *scanController() const { return m_scan; }
    // The login's role (0 "Normal", 1 "Service") as the views' access level 1 or 2.
    void setUserRole(int roleIndex);
    int accessLevel() const { return m_accessLevel; }
    // Every entry into the main view; the first one offers the automatic scan.
    void onMainViewEntered();

    // Whether the program may close; when it may, everything is closed down already.
    bool closeFunction();
    // Stops the auxiliary threads and removes every unit: RS232, then RS485, then TCP/IP.
    // keepFileSets keeps the parameter sets opened from files.
    void cleanallData(bool keepFileSets);

signals:
    void newFileActionTriggered();
    void openFileActionTriggered();
    void saveFileActionTriggered();
    void printFileActionTriggered();
    void LFDriveActionTriggered();
    void LTDriveActionTriggered();
    void datFileInfoActionTriggered();
    void bringAppToForeGround();
    void newAction(bool enabled);
    void openAction(bool enabled);
    void saveAction(bool enabled);
    void printAction(bool enabled);
    void compareAction(bool enabled);
    void LFDAction(bool enabled);
    void LTDAction(bool enabled);
    void LangAction(bool enabled);
    void datFileInfoAction(bool enabled);
    void vxUISetLangCombo(uint index);
    void alertNotifcation(QString text);
    void langTranslation(int index);
    void raiseWidget();
    // The access level of the views after a login: 1 "Normal", 2 "Service".
    void accessLevelChanged(int level);
    // Every link-information row, as it is added to the log.
    void linkInformation(QString row);
    // What an action of the user came to (read, written, sent, refused), for the status bar.
    void statusMessage(QString text);
    // Something that takes time is under way (empty text: it ended); the window shows it's busy.
    void busy(QString text);

public slots:
    // Tab switched: the status cycle runs on the Status tab, the trip-log cycle on the Fault Logger tab.
    void onTabChange(int index);
    void onRaiseWidget();
    void vxUISlotEnableParamSettings();
    void onColButClick();
    void onExpButClick();
    void onAddUnitBtnClicked();
    void onAddUnitClicked(int deviceNo, QString port, int baudrate, QString parity, int tcpDevineNo,
        QString ipAddr, QString connectMode, int datafilemode, QString filepath);
    void vxUISlotUnitDisconnectClicked(QString str, QStringList fileList);
    void vxUISlotUnitRemoveClicked(QStringList fileList, bool cleanUp);
    void GetTreeModelslotImport(TreeModel *model, QStringList entry);
    void GetTreeModelslotExport(TreeModel *_treemodel, QStringList filelist);
    // Writes the value of one set column of a unit's model to the unit, then re-reads its dependants.
    void vxUISlotParamWrite(TreeModel *model, QModelIndex index);
    void vxUISlotUnitTreeClicked(QModelIndex index, QString, QStringList list);
    void vxUISlotCatchCommErr(int msgType, int unitId, int commType, QString portName, QString errMsg,
        QStringList txData, QStringList rxData);
    void vxUnitAddedManuallyInfo(QStringList entry, QString deviceFile, QString version, QString driveSize,
        double reference, QString referenceSource, QString runSource, QString motorDirection, bool newLink,
        int status);
    void VxUISlotmoProgressBarSetRange(int start, int end);
    void VxUISlotmoProgressBarSetProgress(int value);
    void VxUISlotmoProgressBarClose();
    void VxUISlotErrorMsg(QString message, QString title);
    void vxUISlotShowComparePrmScreen();
    void vxUISlotPreferencesSelected();
    void vxUISlotCustomerDataSelected();
    void vxUISlotCommSettingsSelected();
    // The communication settings changed: every master takes the delay and retries.
    void vxUISlotCommOkClicked();
    void vxUISlotPrefOkClicked();
    void onLangTranslation(int index);
    // The control panel (each forwards to the panel's controller).
    void vxUISlotCatchCtrlPanelSignal(
        QStringList filelist, int f_type, double val, bool RemoveSettingFlag = false);
    void vxUIslotCtrlFwdBtnClicked();
    void vxUIslotCtrlBwdBtnClicked();
    void vxUIslotCtrlStpBtnClicked();
    void vxUISlotCtrlRefValEntered();
    void vxUISlotCtrlRefSrcChanged(int index);
    void vxUISlotCtrlRunStopSrcChanged(int index);
    void vxUISlotCtrlSetChanged(QStringList list, bool flag);
    void vxUICtrlUpdate();
    // The parameter texts of every unit's tree switch to the language column.
    void vxUILanIndexChanged(int index);
    void onScanUnitsBtnClicked();
    void onContinueScanClicked();
    void vxUISlotStartScanClicked(
        rs232InfoForAutoScan rs232Info, rs485InfoForAutoScan rs485Info, ethernetInfoForAutoScan tcpIpstruct);
    void vxUISlotCancelAutoScan();
    void vxUISlotSetSignalValue(int scanned, int found);
    void vxUISlotForScanningWindow();
    // End of a scan: every unit found is registered as a connect does.
    void vxAllConnectedUnitsInfo();
    void vxUISlotAutoScanChangeUnitName();

private:
    void buildForm();
    void wireViews();
    void wireParameters();
    void wireOscilloscope();
    void wireStatusAndControl();
    void wireSettingsAndScan();
    void retranslateUi();
    importfileThread *makeWorker(UnitRecord *unit, int operation);
    void watchMaster(QObject *master);

    Prompter &m_prompter;
    std::unique_ptr<UnitFactory> m_factory;
    std::unique_ptr<UnitRegistry> m_registry;
    std::unique_ptr<SettingsBinder> m_settings;
    std::unique_ptr<ControlPanelHook> m_defaultControl;
    std::unique_ptr<OscilloscopeHook> m_defaultOsc;
    ControlPanelHook *m_control;
    OscilloscopeHook *m_osc;
    UnitConnector *m_connector = nullptr;
    ThreadSupervisor *m_supervisor = nullptr;
    ParamTransfer *m_transfer = nullptr;
    CurrentUnitPresenter *m_presenter = nullptr;
    ParameterActions *m_actions = nullptr;
    SettingsDialogs *m_dialogs = nullptr;
    ScanController *m_scan = nullptr;

    QSplitter *m_splitter = nullptr;
    QScrollArea *m_paneScroll = nullptr;
    QWidget *m_unitPane = nullptr;
    UnitTreeFrame *m_tree = nullptr;
    Connect *m_details = nullptr;
    QTabWidget *m_tabs = nullptr;
    Parameters *m_params = nullptr;
    FileSetKeeper *m_fileSets = nullptr;
    alarms *m_alarms = nullptr;
    Status *m_status = nullptr;
    FaultLogger *m_faults = nullptr;
    CtrlPanelFrame *m_ctrlFrame = nullptr;
    CtrlPanelController *m_ctrl = nullptr;
    QPlainTextEdit *m_linkLog = nullptr;
    QWidget *m_oscPage = nullptr;
    OscilloscopeWidget *m_oscView = nullptr;
    bool m_closedDown = false;
    int m_accessLevel = 1;
};
