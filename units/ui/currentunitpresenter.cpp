#include "currentunitpresenter.h"

#include "alarms.h"
#include "connect.h"
#include "ctrlpanelcontroller.h"
#include "ctrlpanelframe.h"
#include "faultlogger.h"
#include "parameters.h"
#include "prompter.h"
#include "status.h"
#include "threadsupervisor.h"
#include "treemodel.h"
#include "unitconnector.h"
#include "unitentryfields.h"
#include "unithooks.h"
#include "unitregistry.h"
#include "unittreeframe.h"

#include <QDebug>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTreeView>

namespace F = UnitEntryField;

CurrentUnitPresenter::CurrentUnitPresenter(const Views &views, QObject *parent)
    : QObject(parent)
    , m_v(views)
{ }

void CurrentUnitPresenter::follow(UnitConnector *c)
{
    connect(c, &UnitConnector::linkInformation, this, &CurrentUnitPresenter::appendLog);
    connect(c, &UnitConnector::alertRow, m_v.alerts, &alarms::addAlert);
    connect(c, &UnitConnector::unitsChanged, this, &CurrentUnitPresenter::refreshTree);
    connect(c, &UnitConnector::connectAttemptEnded, m_v.details, &Connect::enableAddUnitButtons);
    connect(c, &UnitConnector::connectAttemptEnded, this, [this] { emit busy(QString()); });
    // Once the attempt runs the dialog has done its part; the window shows the attempt instead.
    connect(c, &UnitConnector::connectStarted, this, [this](const QString &what) {
        m_v.details->closeAddUnitDialog();
        emit busy(tr("Connecting to %1...").arg(what));
    });
    // "ImportActive": the view reads as if "Load from Drive" had been pressed, with its question
    // about a running recording.
    connect(c, &UnitConnector::importRequested, this, [this](TreeModel *model, const QStringList &entry) {
        if (m_v.params->model() == model && F::sameUnit(m_v.params->unitInformation(), entry))
            m_v.params->vxUISlotImportBtnClicked();
    });
    connect(c, &UnitConnector::unitAccepted, this, [this](UnitRecord *record) {
        // The unit just added is the current one everywhere: tree, view, details and actions.
        setCurrentUnit(record);
        m_v.details->vxUISlotDisplayUnitDetails(record->entry);
        int iface = 0, row = 0;
        if (m_v.registry->locate(record, &iface, &row))
            m_v.tree->selectUnit(F::at(record->entry, F::Interface), row, false);
    });
    connect(c, &UnitConnector::unitStateChanged, this, [this](const QStringList &entry) {
        m_v.tree->vxUISlotUnitStatusChanged(entry);
        m_v.details->vxUISlotUnitStatusChanged(entry);
        if (F::sameUnit(entry, m_currentEntry)) {
            m_currentEntry = entry;
            // A unit the user disconnected gets no cyclic reads; one connected again gets them
            // back. A unit that only fell silent keeps the cycles it has; on a tab without any,
            // its probe starts and stops with the silence.
            UnitRecord *record = m_v.registry->find(entry);
            if (!record || record->heldDisconnected == (m_v.supervisor->unit() == record)
                || ThreadSupervisor::operationsForTab(m_v.tabs->currentIndex(), F::at(entry, F::Name))
                       .isEmpty())
                setCurrentUnit(record);
            else
                m_v.updateActions();
        }
    });
    connect(c, &UnitConnector::unitAboutToBeRemoved, this, [this](UnitRecord *record) {
        if (m_v.supervisor->unit() == record)
            m_v.supervisor->stopAll(false);
        m_v.unitGoing(record);
        if (F::sameUnit(record->entry, m_currentEntry))
            m_currentEntry.clear();
    });
    connect(c, &UnitConnector::modelAboutToBeDeleted, this, [this](TreeModel *model) {
        if (m_v.params->model() == model)
            m_v.params->vxUISlotSetTreeView(QStringList(), nullptr);
        if (m_v.status->model() == model)
            m_v.status->vxUIGetTreeModel(QStringList(), nullptr);
        if (m_v.faults->model() == model)
            m_v.faults->vxUIGetTreeModel(QStringList(), nullptr);
    });
    connect(c, &UnitConnector::unitRemoved, this, [this](const QStringList &entry) {
        if (F::sameUnit(m_v.details->currentEntry(), entry))
            m_v.details->reset();
        m_v.ctrl->vxUISlotCtrlSetChanged(m_currentEntry, true);
        m_v.updateActions();
    });
}

void CurrentUnitPresenter::setCurrentUnit(UnitRecord *record)
{
    if (record) {
        m_currentEntry = record->entry;
        showUnitModel(record);
    }
    // A unit that fell silent keeps its cycles: they are what notices it answering again.
    const bool usable = record && !record->heldDisconnected;
    m_v.supervisor->restart(m_v.tabs->currentIndex(), usable ? record : nullptr);
    showUnitInTabViews();
    m_v.updateActions();
}

void CurrentUnitPresenter::showUnitInTabViews()
{
    const int tab = m_v.tabs->currentIndex();
    UnitRecord *record = m_v.registry->find(m_currentEntry);
    m_v.ctrlFrame->setVisible(tab == ThreadSupervisor::OscilloscopeTab || tab == ThreadSupervisor::StatusTab
        || tab == ThreadSupervisor::FaultLoggerTab);
    m_v.ctrl->vxUISlotCtrlSetChanged(m_currentEntry, true);
    if (tab == ThreadSupervisor::StatusTab)
        m_v.status->vxUIGetTreeModel(m_currentEntry, record ? record->model : nullptr);
    else if (tab == ThreadSupervisor::FaultLoggerTab)
        m_v.faults->vxUIGetTreeModel(m_currentEntry, record ? record->model : nullptr);
}

void CurrentUnitPresenter::showUnitModel(UnitRecord *record)
{
    if (m_v.params->model() != record->model || m_v.params->unitInformation() != record->entry)
        m_v.params->vxUISlotSetTreeView(record->entry, record->model);
}

void CurrentUnitPresenter::refreshTree(int iface)
{
    const QList<QStringList> list = m_v.registry->infoList(iface);
    if (iface == UnitRegistry::RS232)
        m_v.tree->constructRS232Tree(list);
    else if (iface == UnitRegistry::RS485)
        m_v.tree->constructRS485Tree(list);
    else
        m_v.tree->constructTcpIpTree(list);
}

void CurrentUnitPresenter::appendLog(const QString &line)
{
    qDebug().noquote() << "link information:" << line;
    m_v.linkLog->appendPlainText(line);
    // Every link outcome is also an alert; the byte lines of the exchanges are not.
    if (line.contains(QLatin1String("\t----\t")))
        m_v.alerts->addAlert(line);
    emit linkInformation(line);
}

void CurrentUnitPresenter::tabChanged(int index)
{
    // The oscilloscope stays in front while it records.
    if (m_shownTab == ThreadSupervisor::OscilloscopeTab && index != ThreadSupervisor::OscilloscopeTab
        && m_v.osc()->isRecording()) {
        m_v.prompter->information(
            m_v.parent, tr("Information"), tr("Oscilloscope record in progress.\nPlease stop recording"));
        const QSignalBlocker block(m_v.tabs);
        m_v.tabs->setCurrentIndex(ThreadSupervisor::OscilloscopeTab);
        return;
    }
    m_shownTab = index;
    UnitRecord *record = m_v.registry->find(m_currentEntry);
    // A unit that fell silent keeps its cycles: they are what notices it answering again.
    const bool usable = record && !record->heldDisconnected;
    m_v.supervisor->restart(index, usable ? record : nullptr);
    showUnitInTabViews();
    if (index == ThreadSupervisor::ParametersTab)
        m_v.params->treeView()->viewport()->update();
}

void CurrentUnitPresenter::unitTreeClicked(const QModelIndex &index, const QStringList &list)
{
    if (!index.isValid())
        return;
    if (F::at(list, F::Interface) == F::file()) {
        if (TreeModel *model = m_v.tree->fileModel(index.row()))
            m_v.params->vxUISlotSetTreeView(list, model);
        m_v.details->vxUISlotDisplayUnitDetails(list);
        return;
    }
    UnitRecord *record = m_v.registry->find(list);
    if (!record)
        return;
    showUnitModel(record);
    if (F::at(record->entry, F::State) == F::connected())
        setCurrentUnit(record);
    m_v.details->vxUISlotDisplayUnitDetails(record->entry);
}
