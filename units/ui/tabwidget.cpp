#include "tabwidget.h"

#include "alarms.h"
#include "autoscansettings.h"
#include "commsettings.h"
#include "connect.h"
#include "ctrlpanelcontroller.h"
#include "ctrlpanelframe.h"
#include "currentunitpresenter.h"
#include "faultlogger.h"
#include "filesetkeeper.h"
#include "importfilethread.h"
#include "oscdevicekeeper.h"
#include "oscilloscopewidget.h"
#include "oscplotarea.h"
#include "parameteractions.h"
#include "parameters.h"
#include "paramtransfer.h"
#include "preferences.h"
#include "prompter.h"
#include "scancontroller.h"
#include "screenfit.h"
#include "settingsbinder.h"
#include "settingsdialogs.h"
#include "status.h"
#include "threadsupervisor.h"
#include "treeitem.h"
#include "treemodel.h"
#include "unitconnector.h"
#include "unitentryfields.h"
#include "unitfactory.h"
#include "unithooks.h"
#include "unitregistry.h"
#include "unittreeframe.h"
#include "vxcommmodbusmaster.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

namespace F = UnitEntryField;

TabWidget::TabWidget(Prompter &prompter, QWidget *parent, std::unique_ptr<UnitFactory> factory)
    : QWidget(parent)
    , m_prompter(prompter)
    , m_factory(factory ? std::move(factory) : std::make_unique<UnitFactory>())
    , m_registry(std::make_unique<UnitRegistry>())
    , m_settings(std::make_unique<SettingsBinder>())
    , m_defaultControl(std::make_unique<ControlPanelHook>())
    , m_defaultOsc(std::make_unique<OscDeviceKeeper>())
    , m_control(m_defaultControl.get())
    , m_osc(m_defaultOsc.get())
{
    buildForm();

    UnitConnector::Context ctx;
    ctx.prompter = &m_prompter;
    ctx.parent = this;
    ctx.registry = m_registry.get();
    ctx.factory = m_factory.get();
    ctx.settings = m_settings.get();
    ctx.control = m_control;
    ctx.osc = m_osc;
    ctx.makeWorker = [this](UnitRecord *unit, int op) { return makeWorker(unit, op); };
    ctx.watchMaster = [this](QObject *master) { watchMaster(master); };
    m_connector = new UnitConnector(ctx, this);
    m_supervisor
        = new ThreadSupervisor([this](UnitRecord *unit, int op) { return makeWorker(unit, op); }, this);
    m_transfer = new ParamTransfer(this);
    m_fileSets = new FileSetKeeper({ m_tree, m_params, m_details, m_registry.get() }, this);
    connect(m_fileSets, &FileSetKeeper::changed, this, &TabWidget::vxUISlotEnableParamSettings);
    wireStatusAndControl();
    wireParameters();
    wireViews();
    wireOscilloscope();
    wireSettingsAndScan();
    retranslateUi();
}

TabWidget::~TabWidget()
{
    // Without a confirmed quit (tests, an aborted start) the units still go in their proper order.
    if (!m_closedDown)
        cleanallData(true);
    // The last workers of removed units are waited for only now, with the window gone: their
    // masters go with the registry.
    m_connector->drainRetiring(ThreadSupervisor::StopWaitMs);
}

void TabWidget::buildForm()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_splitter = new QSplitter(Qt::Horizontal, this);
    layout->addWidget(m_splitter);

    // On a short screen the unit pane scrolls rather than squeezing its lists and details.
    m_unitPane = new QWidget;
    m_unitPane->setObjectName(QStringLiteral("unitPane"));
    // Never narrower than what it holds, also when the control panel shows below the details.
    m_paneScroll = ScreenFit::scrolling(m_unitPane, m_splitter);
    // The window's own background shows through, as without the scroll area.
    m_paneScroll->setStyleSheet(
        QStringLiteral("QScrollArea, #qt_scrollarea_viewport, #unitPane { background: transparent; }"));
    auto *paneLayout = new QVBoxLayout(m_unitPane);
    paneLayout->setContentsMargins(0, 0, 0, 0);
    m_tree = new UnitTreeFrame(m_unitPane);
    m_details = new Connect(m_prompter, m_unitPane);
    paneLayout->addWidget(m_tree, 1);
    paneLayout->addWidget(m_details);
    // Beside the oscilloscope, status and fault logger views: shown while one of them is.
    m_ctrlFrame = new CtrlPanelFrame(m_unitPane);
    m_ctrlFrame->hide();
    paneLayout->addWidget(m_ctrlFrame);

    m_tabs = new QTabWidget(m_splitter);
    m_params = new Parameters(m_prompter, m_tabs);
    m_tabs->addTab(m_params, QString());
    // The oscilloscope page lays its view out in a row, so a panel can stand beside it.
    m_oscPage = new QWidget(m_tabs);
    auto *oscLayout = new QHBoxLayout(m_oscPage);
    oscLayout->setContentsMargins(0, 0, 0, 0);
    m_oscView = new OscilloscopeWidget(m_prompter, &oscDeviceKeeper()->recording(), m_oscPage);
    oscLayout->addWidget(m_oscView, 1);
    // The oscilloscope needs more width than a small or scaled screen has: it scrolls sideways
    // there instead of widening every tab (a tab widget is as wide as its widest page).
    auto *oscScroll = new QScrollArea(m_tabs);
    oscScroll->setWidgetResizable(true);
    oscScroll->setFrameShape(QFrame::NoFrame);
    oscScroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    oscScroll->setWidget(m_oscPage);
    m_tabs->addTab(oscScroll, QString());
    m_status = new Status(m_tabs);
    m_faults = new FaultLogger(m_tabs);
    m_alarms = new alarms(m_tabs);
    m_alarms->setPrompter(&m_prompter);
    m_tabs->addTab(m_status, QString());
    m_tabs->addTab(m_faults, QString());
    m_tabs->addTab(m_alarms, QString());
    m_linkLog = new QPlainTextEdit(m_tabs);
    m_linkLog->setReadOnly(true);
    // Every exchange may add lines; the oldest go first so a long session stays small.
    m_linkLog->setMaximumBlockCount(5000);
    m_tabs->addTab(m_linkLog, QString());
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    // A pane dragged to nothing would hide the units and their buttons until the next start: the
    // unit pane keeps the width its buttons and names need, whatever view is beside it.
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setSizes({ 260, 900 });
}

void TabWidget::wireViews()
{
    CurrentUnitPresenter::Views v;
    v.prompter = &m_prompter;
    v.parent = this;
    v.tabs = m_tabs;
    v.tree = m_tree;
    v.details = m_details;
    v.params = m_params;
    v.status = m_status;
    v.faults = m_faults;
    v.alerts = m_alarms;
    v.linkLog = m_linkLog;
    v.ctrlFrame = m_ctrlFrame;
    v.ctrl = m_ctrl;
    v.registry = m_registry.get();
    v.supervisor = m_supervisor;
    v.osc = [this] { return m_osc; };
    v.updateActions = [this] { vxUISlotEnableParamSettings(); };
    v.unitGoing = [this](const UnitRecord *record) {
        if (m_transfer->worker() && record->threads.contains(m_transfer->worker()))
            VxUISlotmoProgressBarClose();
    };
    m_presenter = new CurrentUnitPresenter(v, this);
    m_presenter->follow(m_connector);
    connect(m_presenter, &CurrentUnitPresenter::linkInformation, this, &TabWidget::linkInformation);
    connect(m_presenter, &CurrentUnitPresenter::busy, this, &TabWidget::busy);
    connect(m_connector, &UnitConnector::alertNotifcation, this, &TabWidget::alertNotifcation);
    connect(m_connector, &UnitConnector::statusText, this, &TabWidget::statusMessage);

    connect(m_tabs, &QTabWidget::currentChanged, this, &TabWidget::onTabChange);
    connect(m_tree, &UnitTreeFrame::vxUISigUnitClicked, this, &TabWidget::vxUISlotUnitTreeClicked);
    connect(m_tree, &UnitTreeFrame::vxUISigAddUnitBtnClicked, this, &TabWidget::onAddUnitBtnClicked);
    connect(m_details, &Connect::vxUISigAddUnitClicked, this, &TabWidget::onAddUnitClicked);
    connect(
        m_details, &Connect::vxUISigUnitDisconnectClicked, this, &TabWidget::vxUISlotUnitDisconnectClicked);
    connect(m_details, &Connect::vxUISigUnitRemoveClicked, this, &TabWidget::vxUISlotUnitRemoveClicked);
    connect(m_details, &Connect::bringAppToForeGround, this, &TabWidget::bringAppToForeGround);
    connect(this, &TabWidget::langTranslation, m_tree, &UnitTreeFrame::onLangTranslation);
    connect(this, &TabWidget::langTranslation, m_details, &Connect::onLangTranslation);
    connect(this, &TabWidget::raiseWidget, this, &TabWidget::onRaiseWidget);
}

// Everything the oscilloscope view is told by the controller, in one place.
void TabWidget::wireOscilloscope()
{
    connect(this, &TabWidget::langTranslation, oscDeviceKeeper(), &OscDeviceKeeper::onLangTranslation);
    connect(this, &TabWidget::langTranslation, m_oscView, &OscilloscopeWidget::onLangTranslation);
    connect(m_oscView, &OscilloscopeWidget::bringAppToForeGround, this, &TabWidget::bringAppToForeGround);
    connect(m_oscView, &OscilloscopeWidget::statusMessage, this, &TabWidget::statusMessage);
    connect(m_connector, &UnitConnector::unitsChanged, m_oscView, &OscilloscopeWidget::vxOscRefreshUnits);
}

int TabWidget::currentIndex() const
{
    return m_tabs->currentIndex();
}

void TabWidget::setCurrentIndex(int index)
{
    m_tabs->setCurrentIndex(index);
}

bool TabWidget::readSettings()
{
    QString error;
    const bool loaded = m_settings->load(&error);
    Preferences *preferences = m_dialogs->preferences();
    preferences->setBlockReads(m_settings->options().blockReads);
    if (!error.isEmpty()) {
        // The refused file's "AutoSave" is off: the preferences show it.
        m_alarms->addAlert(error);
        preferences->loadFrom(m_settings->record());
    }
    if (!loaded)
        return false;
    const SettingsRecord &r = m_settings->record();
    m_dialogs->commSettings()->loadFrom(r);
    preferences->loadFrom(r);
    m_scan->settingsDialog()->loadFrom(r);
    m_params->setCustomerData(QStringList(r.customer.begin(), r.customer.end()));
    m_params->setLanguage(r.language);
    m_oscView->applySettings(r);
    emit vxUISetLangCombo(r.language);
    // The communication settings and preferences are applied from the record as units are made;
    // scan, oscilloscope, customer and favourite values wait in it for their dialogs.
    return true;
}

void TabWidget::setControlPanelHook(ControlPanelHook *hook)
{
    m_control = hook ? hook : m_defaultControl.get();
    m_connector->setHooks(m_control, m_osc);
}

void TabWidget::setOscilloscopeHook(OscilloscopeHook *hook)
{
    m_osc = hook ? hook : m_defaultOsc.get();
    m_connector->setHooks(m_control, m_osc);
}

OscDeviceKeeper *TabWidget::oscDeviceKeeper() const
{
    return static_cast<OscDeviceKeeper *>(m_defaultOsc.get());
}

bool TabWidget::isOscRecording() const
{
    return m_osc->isRecording();
}

QStringList TabWidget::currentUnit() const
{
    return m_presenter->currentEntry();
}

TreeModel *TabWidget::modelOf(const QStringList &entry) const
{
    UnitRecord *record = m_registry->find(entry);
    return record ? record->model : nullptr;
}

importfileThread *TabWidget::makeWorker(UnitRecord *unit, int operation)
{
    if (!unit || !unit->master)
        return nullptr;
    importfileThread *worker = m_factory->createWorker(unit->master, unit->entry, unit->model);
    worker->setOperation(operation);
    m_settings->configureWorker(worker);
    if ((operation >= importfileThread::ControlFirst && operation <= importfileThread::ControlLast)
        || operation == importfileThread::ControlUpdate)
        m_control->prepareWorker(worker, unit->controlModule, operation);
    unit->threads.append(worker);
    // Every signal of a worker comes from its own thread: all connections are queued so the
    // widgets are only touched here, in the user-interface thread.
    // Guarded: the worker may be freed by a removal before this queued call arrives, and a new
    // worker may then live at the same address.
    QPointer<importfileThread> guard(worker);
    connect(
        worker, &QThread::finished, this,
        [this, guard] {
            if (!guard)
                return;
            if (m_transfer->worker() == guard.data())
                VxUISlotmoProgressBarClose(); // also when the worker ended without a word (unit removed)
            if (m_transfer->last().worker == guard.data())
                emit statusMessage(m_transfer->outcomeText(guard->getResult(), guard->getHandledCount()));
            m_connector->workerFinished(guard.data());
        },
        Qt::QueuedConnection);
    if (operation == importfileThread::OprStatusUpdate) {
        worker->setActiveTripRegister(unit->activeTripRegister);
        connect(
            worker, &importfileThread::vxUISigActiveFault, this,
            [this, unit](int code) { m_connector->activeFaultRead(unit, code); }, Qt::QueuedConnection);
    }
    if (operation == importfileThread::ReadAllParameters || operation == importfileThread::WriteParameters) {
        connect(worker, &importfileThread::ImportThreadSigProgressBarSetRange, this,
            &TabWidget::VxUISlotmoProgressBarSetRange, Qt::QueuedConnection);
        connect(worker, &importfileThread::ImportThreadSigProgressBarSetProgress, this,
            &TabWidget::VxUISlotmoProgressBarSetProgress, Qt::QueuedConnection);
        connect(worker, &importfileThread::ImportThreadSigProgressBarClose, this,
            &TabWidget::VxUISlotmoProgressBarClose, Qt::QueuedConnection);
    }
    // A reconnect reports its own outcome; everything else shows the worker's messages.
    if (!(operation == importfileThread::AddUnit && unit->reconnecting))
        connect(worker, &importfileThread::ImportThreadSigErrorMsg, this, &TabWidget::VxUISlotErrorMsg,
            Qt::QueuedConnection);
    if (operation == importfileThread::AddUnit && !unit->reconnecting)
        connect(worker, &importfileThread::vxUnitInfo, this, &TabWidget::vxUnitAddedManuallyInfo,
            Qt::QueuedConnection);
    connect(
        worker, &importfileThread::vxUISigChangeUnitName, this,
        [this, unit](const QString &name) {
            // The unit may have been removed meanwhile: only a listed record is touched.
            int iface = 0, index = 0;
            if (m_registry->locate(unit, &iface, &index))
                m_tree->setGivenName(unit->entry, name);
        },
        Qt::QueuedConnection);
    return worker;
}

void TabWidget::watchMaster(QObject *master)
{
    connect(static_cast<VxCommModbusMaster *>(master), &VxCommModbusMaster::VxCommHealthOfUnitToUI, this,
        &TabWidget::vxUISlotCatchCommErr, Qt::QueuedConnection);
}

void TabWidget::onTabChange(int index)
{
    m_presenter->tabChanged(index);
}

void TabWidget::onRaiseWidget()
{
    m_transfer->raise();
}

void TabWidget::vxUISlotEnableParamSettings()
{
    m_actions->updateActionStates();
}

void TabWidget::onColButClick()
{
    m_paneScroll->hide();
}

void TabWidget::onExpButClick()
{
    m_paneScroll->show();
}

void TabWidget::onAddUnitBtnClicked()
{
    m_details->showAddUnitDialog();
}

void TabWidget::onAddUnitClicked(int deviceNo, QString port, int baudrate, QString parity, int tcpDevineNo,
    QString ipAddr, QString connectMode, int datafilemode, QString filepath)
{
    m_connector->connectUnit(
        { deviceNo, port, baudrate, parity, tcpDevineNo, ipAddr, connectMode, datafilemode, filepath });
}

void TabWidget::vxUnitAddedManuallyInfo(QStringList entry, QString deviceFile, QString, QString,
    double reference, QString referenceSource, QString runSource, QString motorDirection, bool, int status)
{
    m_connector->identificationResult(entry, deviceFile, status);
    if (status >= 0 && m_registry->find(entry)) {
        m_ctrl->setInitialValues(entry, reference, referenceSource, runSource, motorDirection);
        m_ctrl->vxUISlotCtrlSetChanged(currentUnit(), true);
    }
}

void TabWidget::vxUISlotUnitDisconnectClicked(QString str, QStringList fileList)
{
    m_connector->disconnectOrReconnect(str, fileList);
}

void TabWidget::vxUISlotUnitRemoveClicked(QStringList fileList, bool cleanUp)
{
    if (F::at(fileList, F::Interface) == F::file()) {
        m_fileSets->remove(fileList);
        return;
    }
    m_connector->removeUnit(fileList, cleanUp);
}

void TabWidget::vxUISlotUnitTreeClicked(QModelIndex index, QString, QStringList list)
{
    m_presenter->unitTreeClicked(index, list);
}

void TabWidget::vxUISlotCatchCommErr(int msgType, int unitId, int commType, QString portName, QString errMsg,
    QStringList txData, QStringList rxData)
{
    m_connector->healthReport(msgType, unitId, commType, portName, errMsg, txData, rxData);
}

void TabWidget::VxUISlotErrorMsg(QString message, QString title)
{
    // Workers name the box by its English title; the person reads it in the chosen language.
    const bool information = title == QLatin1String("Information");
    const bool warning = title == QLatin1String("Warning");
    const QString shown = information ? tr("Information") : warning ? tr("Warning") : tr("Error");
    m_alarms->addAlert(shown + QStringLiteral(": ") + message.trimmed());
    if (information)
        m_prompter.information(this, shown, message);
    else if (warning)
        m_prompter.warning(this, shown, message);
    else
        m_prompter.critical(this, shown, message);
}

void TabWidget::onLangTranslation(int index)
{
    vxUILanIndexChanged(index);
    retranslateUi();
    emit langTranslation(index);
}

bool TabWidget::offerToSaveFileSets()
{
    return m_actions->offerToSaveFileSets();
}

bool TabWidget::closeFunction()
{
    if (m_osc->isRecording()) {
        m_prompter.critical(this, tr("Error"), tr("Oscilloscope Record in Progress.Please stop before Exit"));
        return false;
    }
    QList<QStringList> controlled;
    for (int i = 0; i < UnitRegistry::InterfaceCount; ++i)
        for (const QStringList &entry : m_registry->infoList(i))
            if (F::at(entry, F::State) == F::connected())
                controlled.append(entry);
    if (!controlled.isEmpty() && !m_control->offerControlSource(controlled))
        return false;
    m_oscView->storeSettings(m_settings->record());
    m_settings->saveIfAutoSave();
    cleanallData(false);
    return true;
}

void TabWidget::cleanallData(bool keepFileSets)
{
    // A running scan ends first: its masters and results belong to the registry's lifetime.
    m_scan->abandon();
    // Not waited for: the removals below flag every worker and keep its unit until it has ended.
    m_supervisor->stopAll(false);
    m_transfer->close();
    m_osc->waitForThreads();
    m_connector->abandonPending();
    // RS232 first, then RS485, then TCP/IP; a removal that is refused ends the loop for that list.
    for (int i = 0; i < UnitRegistry::InterfaceCount; ++i) {
        while (m_registry->count(i) > 0) {
            if (!m_connector->removeUnit(m_registry->record(i, 0)->entry, true))
                break;
        }
    }
    if (!keepFileSets)
        m_fileSets->removeAll();
    m_details->reset();
    m_tree->clearSelection();
    m_closedDown = true;
}

void TabWidget::retranslateUi()
{
    m_tabs->setTabText(ParametersTab, tr("Parameters"));
    m_tabs->setTabText(OscilloscopeTab, tr("Oscilloscope"));
    m_tabs->setTabText(StatusTab, tr("Status"));
    m_tabs->setTabText(FaultLoggerTab, tr("Fault Logger"));
    m_tabs->setTabText(AlertsTab, tr("Alerts"));
    m_tabs->setTabText(LinkInformationTab, tr("Link Information"));
}
