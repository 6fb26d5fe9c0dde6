#include "tabwidget.h"

#include "alarms.h"
#include "autoscansettings.h"
#include "commsettings.h"
#include "connect.h"
#include "ctrlpanelcontroller.h"
#include "ctrlpanelframe.h"
#include "faultlogger.h"
#include "filesetkeeper.h"
#include "importfilethread.h"
#include "oscdevicekeeper.h"
#include "oscilloscopewidget.h"
#include "oscplotarea.h"
#include "parameters.h"
#include "paramtransfer.h"
#include "preferences.h"
#include "prompter.h"
#include "scancontroller.h"
#include "screenfit.h"
#include "settingsbinder.h"
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
    wireViews();
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
    m_oscView = new OscilloscopeWidget(m_prompter, oscDeviceKeeper(), m_oscPage);
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
    connect(this, &TabWidget::langTranslation, oscDeviceKeeper(), &OscDeviceKeeper::onLangTranslation);
    connect(this, &TabWidget::raiseWidget, this, &TabWidget::onRaiseWidget);
    connect(this, &TabWidget::langTranslation, m_oscView, &OscilloscopeWidget::onLangTranslation);
    connect(m_oscView, &OscilloscopeWidget::bringAppToForeGround, this, &TabWidget::bringAppToForeGround);
    connect(m_oscView->plots(), &OscPlotArea::statusMessage, this, &TabWidget::statusMessage);

    wireParameters();

    UnitConnector *c = m_connector;
    connect(c, &UnitConnector::linkInformation, this, &TabWidget::appendLog);
    connect(c, &UnitConnector::alertNotifcation, this, &TabWidget::alertNotifcation);
    connect(c, &UnitConnector::alertRow, m_alarms, &alarms::addAlert);
    connect(c, &UnitConnector::unitsChanged, this, &TabWidget::refreshTree);
    connect(c, &UnitConnector::unitsChanged, m_oscView, &OscilloscopeWidget::vxOscRefreshUnits);
    connect(c, &UnitConnector::connectAttemptEnded, m_details, &Connect::enableAddUnitButtons);
    connect(c, &UnitConnector::connectAttemptEnded, this, [this] { emit busy(QString()); });
    connect(c, &UnitConnector::statusText, this, &TabWidget::statusMessage);
    // Once the attempt runs the dialog has done its part; the window shows the attempt instead.
    connect(c, &UnitConnector::connectStarted, this, [this](const QString &what) {
        m_details->closeAddUnitDialog();
        emit busy(tr("Connecting to %1...").arg(what));
    });
    // "ImportActive": the view reads as if "Load from Drive" had been pressed, with its question
    // about a running recording.
    connect(c, &UnitConnector::importRequested, this, [this](TreeModel *model, const QStringList &entry) {
        if (m_params->model() == model && F::sameUnit(m_params->unitInformation(), entry))
            m_params->vxUISlotImportBtnClicked();
    });
    connect(c, &UnitConnector::unitAccepted, this, [this](UnitRecord *record) {
        // The unit just added is the current one everywhere: tree, view, details and actions.
        setCurrentUnit(record);
        m_details->vxUISlotDisplayUnitDetails(record->entry);
        int iface = 0, row = 0;
        if (m_registry->locate(record, &iface, &row))
            m_tree->selectUnit(F::at(record->entry, F::Interface), row, false);
    });
    connect(c, &UnitConnector::unitStateChanged, this, [this](const QStringList &entry) {
        m_tree->vxUISlotUnitStatusChanged(entry);
        m_details->vxUISlotUnitStatusChanged(entry);
        if (F::sameUnit(entry, m_currentEntry)) {
            m_currentEntry = entry;
            // A unit the user disconnected gets no cyclic reads; one connected again gets them
            // back. A unit that only fell silent keeps the cycles it has; on a tab without any,
            // its probe starts and stops with the silence.
            UnitRecord *record = m_registry->find(entry);
            if (!record || record->heldDisconnected == (m_supervisor->unit() == record)
                || ThreadSupervisor::operationsForTab(currentIndex(), F::at(entry, F::Name)).isEmpty())
                setCurrentUnit(record);
            else
                vxUISlotEnableParamSettings();
        }
    });
    connect(c, &UnitConnector::unitAboutToBeRemoved, this, [this](UnitRecord *record) {
        if (m_supervisor->unit() == record)
            m_supervisor->stopAll(false);
        if (m_transfer->worker() && record->threads.contains(m_transfer->worker()))
            VxUISlotmoProgressBarClose();
        if (F::sameUnit(record->entry, m_currentEntry))
            m_currentEntry.clear();
    });
    connect(c, &UnitConnector::modelAboutToBeDeleted, this, [this](TreeModel *model) {
        if (m_params->model() == model)
            m_params->vxUISlotSetTreeView(QStringList(), nullptr);
        if (m_status->model() == model)
            m_status->vxUIGetTreeModel(QStringList(), nullptr);
        if (m_faults->model() == model)
            m_faults->vxUIGetTreeModel(QStringList(), nullptr);
    });
    connect(c, &UnitConnector::unitRemoved, this, [this](const QStringList &entry) {
        if (F::sameUnit(m_details->currentEntry(), entry))
            m_details->reset();
        m_ctrl->vxUISlotCtrlSetChanged(m_currentEntry, true);
        vxUISlotEnableParamSettings();
    });
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
    m_preferences->setBlockReads(m_settings->options().blockReads);
    if (!error.isEmpty()) {
        // The refused file's "AutoSave" is off: the preferences show it.
        m_alarms->addAlert(error);
        m_preferences->loadFrom(m_settings->record());
    }
    if (!loaded)
        return false;
    const SettingsRecord &r = m_settings->record();
    m_commSettings->loadFrom(r);
    m_preferences->loadFrom(r);
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

void TabWidget::setCurrentUnit(UnitRecord *record)
{
    if (record) {
        m_currentEntry = record->entry;
        showUnitModel(record);
    }
    // A unit that fell silent keeps its cycles: they are what notices it answering again.
    const bool usable = record && !record->heldDisconnected;
    m_supervisor->restart(currentIndex(), usable ? record : nullptr);
    showUnitInTabViews();
    vxUISlotEnableParamSettings();
}

void TabWidget::showUnitInTabViews()
{
    const int tab = currentIndex();
    UnitRecord *record = m_registry->find(m_currentEntry);
    m_ctrlFrame->setVisible(tab == OscilloscopeTab || tab == StatusTab || tab == FaultLoggerTab);
    m_ctrl->vxUISlotCtrlSetChanged(m_currentEntry, true);
    if (tab == StatusTab)
        m_status->vxUIGetTreeModel(m_currentEntry, record ? record->model : nullptr);
    else if (tab == FaultLoggerTab)
        m_faults->vxUIGetTreeModel(m_currentEntry, record ? record->model : nullptr);
}

void TabWidget::showUnitModel(UnitRecord *record)
{
    if (m_params->model() != record->model || m_params->unitInformation() != record->entry)
        m_params->vxUISlotSetTreeView(record->entry, record->model);
}

void TabWidget::refreshTree(int iface)
{
    const QList<QStringList> list = m_registry->infoList(iface);
    if (iface == UnitRegistry::RS232)
        m_tree->constructRS232Tree(list);
    else if (iface == UnitRegistry::RS485)
        m_tree->constructRS485Tree(list);
    else
        m_tree->constructTcpIpTree(list);
}

void TabWidget::appendLog(const QString &line)
{
    qDebug().noquote() << "link information:" << line;
    m_linkLog->appendPlainText(line);
    // Every link outcome is also an alert; the byte lines of the exchanges are not.
    if (line.contains(QLatin1String("\t----\t")))
        m_alarms->addAlert(line);
    emit linkInformation(line);
}

void TabWidget::onTabChange(int index)
{
    // The oscilloscope stays in front while it records.
    if (m_shownTab == OscilloscopeTab && index != OscilloscopeTab && m_osc->isRecording()) {
        m_prompter.information(
            this, tr("Information"), tr("Oscilloscope record in progress.\nPlease stop recording"));
        const QSignalBlocker block(m_tabs);
        m_tabs->setCurrentIndex(OscilloscopeTab);
        return;
    }
    m_shownTab = index;
    UnitRecord *record = m_registry->find(m_currentEntry);
    // A unit that fell silent keeps its cycles: they are what notices it answering again.
    const bool usable = record && !record->heldDisconnected;
    m_supervisor->restart(index, usable ? record : nullptr);
    showUnitInTabViews();
    if (index == ParametersTab)
        m_params->treeView()->viewport()->update();
}

void TabWidget::onRaiseWidget()
{
    m_transfer->raise();
}

void TabWidget::vxUISlotEnableParamSettings()
{
    const Parameters::ActionStates states = m_params->actionStates();
    // A disconnected unit keeps the menu actions, as the view keeps its buttons: both answer
    // "Device not connected" rather than the menu going grey without a word.
    const bool busy = transferRunning();
    emit newAction(states.newSet);
    emit openAction(states.open);
    emit saveAction(states.save);
    emit printAction(states.print);
    emit compareAction(states.compare);
    emit LFDAction(states.loadFromDrive && !busy);
    emit LTDAction(states.loadToDrive && !busy);
    emit datFileInfoAction(states.datFileInfo);
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
        m_ctrl->vxUISlotCtrlSetChanged(m_currentEntry, true);
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
    if (!index.isValid())
        return;
    if (F::at(list, F::Interface) == F::file()) {
        if (TreeModel *model = m_tree->fileModel(index.row()))
            m_params->vxUISlotSetTreeView(list, model);
        m_details->vxUISlotDisplayUnitDetails(list);
        return;
    }
    UnitRecord *record = m_registry->find(list);
    if (!record)
        return;
    showUnitModel(record);
    if (F::at(record->entry, F::State) == F::connected())
        setCurrentUnit(record);
    m_details->vxUISlotDisplayUnitDetails(record->entry);
}

void TabWidget::vxUISlotCatchCommErr(int msgType, int unitId, int commType, QString portName, QString errMsg,
    QStringList txData, QStringList rxData)
{
    m_connector->healthReport(msgType, unitId, commType, portName, errMsg, txData, rxData);
}

void TabWidget::VxUISlotErrorMsg(QString message, QString title)
{
    m_alarms->addAlert(title + QStringLiteral(": ") + message.trimmed());
    if (title == QLatin1String("Information"))
        m_prompter.information(this, title, message);
    else if (title == QLatin1String("Warning"))
        m_prompter.warning(this, title, message);
    else
        m_prompter.critical(this, title, message);
}

void TabWidget::onLangTranslation(int index)
{
    vxUILanIndexChanged(index);
    retranslateUi();
    emit langTranslation(index);
}

bool TabWidget::offerToSaveFileSets()
{
    QList<int> rows;
    QStringList names;
    const QList<QStringList> files = m_tree->entries(UnitTreeFrame::FileGroup);
    for (int row = 0; row < files.size(); ++row) {
        const TreeModel *model = m_tree->fileModel(row);
        if (model && model->hasUnsavedEdits()) {
            rows.append(row);
            names.append(F::at(files.at(row), F::FileDisplayName));
        }
    }
    if (rows.isEmpty())
        return true;
    const auto answer = m_prompter.question(this, tr("Warning"),
        tr("These parameter sets have changes that are not saved:\n%1\n\nDo you want to save them?")
            .arg(names.join(QLatin1Char('\n'))),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::Warning);
    if (answer == QMessageBox::No)
        return true;
    if (answer != QMessageBox::Yes)
        return false;
    for (int row : qAsConst(rows)) {
        TreeModel *model = m_tree->fileModel(row);
        m_params->vxUISlotSetTreeView(files.at(row), model);
        m_details->vxUISlotDisplayUnitDetails(files.at(row));
        m_params->vxUISlotSaveBtnClicked();
        if (model->hasUnsavedEdits())
            return false; // the save was cancelled or failed (and said so): stay
    }
    return true;
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
    if (!controlled.isEmpty() && !m_control->offerControlSource(this, controlled))
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
