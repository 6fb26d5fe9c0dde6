// The tab controller's parameter work: Load from Drive, Load to Drive, direct sends of an edited
// value, their progress, and the compare screen.
#include "compareparameters.h"
#include "filesetkeeper.h"
#include "importfilethread.h"
#include "parameters.h"
#include "paramtransfer.h"
#include "prompter.h"
#include "scancontroller.h"
#include "settingsbinder.h"
#include "tabwidget.h"
#include "treeitem.h"
#include "treemodel.h"
#include "unitconnector.h"
#include "unitentryfields.h"
#include "unithooks.h"
#include "unitregistry.h"
#include "unittreeframe.h"

#include <QPointer>
#include <QThread>
#include <QTreeView>

namespace F = UnitEntryField;

void TabWidget::GetTreeModelslotImport(TreeModel *model, QStringList entry)
{
    startTransfer(false, model, entry);
}

void TabWidget::GetTreeModelslotExport(TreeModel *_treemodel, QStringList filelist)
{
    startTransfer(true, _treemodel, filelist);
}

void TabWidget::startTransfer(bool write, TreeModel *model, const QStringList &entry)
{
    // The parameters view has asked its questions (recording, drive differences, motor running,
    // "Copy parameters to Drive") before it sent the request.
    UnitRecord *record = m_registry->find(entry);
    if (!record || !model || transferRunning() || !checkConnected(record))
        return;
    TreeModel *own = record->model;
    record->model = model; // a set from file is written from its own model
    importfileThread *worker
        = makeWorker(record, write ? importfileThread::WriteParameters : importfileThread::ReadAllParameters);
    record->model = own;
    // The unit's own view follows the values as they reach the unit.
    if (write && model != own)
        worker->setUnitModel(own);
    m_transfer->begin(write, F::at(record->entry, F::Name), worker,
        write ? model->parametersWithoutValues(true).size() : 0);
    m_params->vxUISlotDisableImpExpWid(true);
    vxUISlotEnableParamSettings();
    worker->setRunFlag(true);
    worker->start(QThread::InheritPriority);
}

void TabWidget::vxUISlotParamWrite(TreeModel *model, QModelIndex index)
{
    UnitRecord *record = nullptr;
    for (int i = 0; i < UnitRegistry::InterfaceCount && !record; ++i)
        for (int n = 0; n < m_registry->count(i) && !record; ++n)
            if (m_registry->record(i, n)->model == model)
                record = m_registry->record(i, n);
    if (!record || transferRunning() || !checkConnected(record))
        return;
    importfileThread *worker = makeWorker(record, importfileThread::WriteOneParameter);
    if (!worker->setWriteParameter(index)) {
        m_connector->workerFinished(worker); // never started: just forget it
        return;
    }
    const QString parameter
        = model->data(model->index(index.row(), TreeItem::MenuColumn, index.parent()), Qt::DisplayRole)
              .toString()
              .trimmed();
    const QString set = QString(QChar(u'A' + (index.column() % 4)));
    const QString unitName = F::at(record->entry, F::Name);
    connect(
        worker, &QThread::finished, this,
        [this, worker = QPointer<importfileThread>(worker), parameter, set, unitName] {
            if (!worker)
                return;
            if (worker->getResult() == WorkerOps::Completed)
                emit statusMessage(tr("Sent %1 (set %2) to %3").arg(parameter, set, unitName));
            else if (worker->getResult() == WorkerOps::Failed)
                emit statusMessage(tr("Sending %1 (set %2) to %3 failed").arg(parameter, set, unitName));
        },
        Qt::QueuedConnection);
    worker->setRunFlag(true);
    worker->start(QThread::InheritPriority);
}

bool TabWidget::transferRunning() const
{
    return m_transfer->isOpen() || (m_scan && m_scan->isImporting());
}

bool TabWidget::checkConnected(const UnitRecord *record)
{
    if (F::at(record->entry, F::State) == F::connected() && !record->heldDisconnected)
        return true;
    const QString name = F::at(record->entry, F::Name);
    emit statusMessage(tr("%1: Device not connected").arg(name));
    m_prompter.critical(this, tr("Error"), tr("Device not connected"));
    return false;
}

void TabWidget::VxUISlotmoProgressBarSetRange(int start, int end)
{
    m_transfer->setRange(start, end);
}

void TabWidget::VxUISlotmoProgressBarSetProgress(int value)
{
    m_transfer->setProgress(value);
}

void TabWidget::VxUISlotmoProgressBarClose()
{
    m_transfer->close();
    m_params->vxUISlotDisableImpExpWid(false);
    vxUISlotEnableParamSettings();
}

void TabWidget::vxUISlotShowComparePrmScreen()
{
    QList<CompareParameters::Source> sources;
    for (int i = 0; i < UnitRegistry::InterfaceCount; ++i)
        for (int n = 0; n < m_registry->count(i); ++n) {
            const UnitRecord *r = m_registry->record(i, n);
            sources.append({ F::at(r->entry, F::Name), UnitRegistry::interfaceName(i), r->model });
        }
    const QList<QStringList> files = m_tree->entries(UnitTreeFrame::FileGroup);
    for (int row = 0; row < files.size(); ++row)
        sources.append({ F::at(files.at(row), F::FileDisplayName), QString(), m_tree->fileModel(row) });
    auto *dialog = new CompareParameters(m_prompter, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setSources(sources);
    dialog->setCustomerData(
        QStringList(m_settings->record().customer.begin(), m_settings->record().customer.end()));
    connect(dialog, &CompareParameters::bringAppToForeGround, this, &TabWidget::bringAppToForeGround);
    connect(this, &TabWidget::langTranslation, dialog, &CompareParameters::onLangTranslation);
    dialog->show();
}

QTreeView *TabWidget::parametersView() const
{
    return m_params->treeView();
}

void TabWidget::wireParameters()
{
    Parameters::DriveContext context;
    context.isRecording = [this] { return m_osc->isRecording(); };
    context.connectedUnits = [this] {
        QList<QStringList> units;
        for (int i = 0; i < UnitRegistry::InterfaceCount; ++i)
            for (const QStringList &entry : m_registry->infoList(i))
                if (F::at(entry, F::State) == F::connected())
                    units.append(entry);
        return units;
    };
    context.isMotorRunning = [this](const QStringList &entry) { return m_control->isMotorRunning(entry); };
    m_params->setDriveContext(context);

    connect(m_params, &Parameters::vxUISigImportBtnClicked, this, &TabWidget::GetTreeModelslotImport);
    connect(m_params, &Parameters::vxUISigExportBtnClicked, this, &TabWidget::GetTreeModelslotExport);
    connect(m_params, &Parameters::sendDataToControl, this,
        [this](QModelIndex index, QString, QString, TreeModel *model, bool, QStringList) {
            vxUISlotParamWrite(model, index);
        });
    connect(m_params, &Parameters::vxUISigSendFileName, m_fileSets, &FileSetKeeper::add);
    connect(m_params, &Parameters::vxUISigEnableParamSettings, this, &TabWidget::vxUISlotEnableParamSettings);
    connect(
        m_params, &Parameters::vxUISigComparePrmScreenShow, this, &TabWidget::vxUISlotShowComparePrmScreen);
    connect(m_params, &Parameters::alertNotification, this, &TabWidget::alertNotifcation);
    connect(m_params, &Parameters::statusMessage, this, &TabWidget::statusMessage);
    connect(m_params, &Parameters::bringAppToForeGround, this, &TabWidget::bringAppToForeGround);
    connect(this, &TabWidget::langTranslation, m_params, &Parameters::onLangTranslation);

    // The File menu does what the view's buttons do.
    connect(this, &TabWidget::newFileActionTriggered, m_params, &Parameters::vxUISlotNewBtnClicked);
    connect(this, &TabWidget::openFileActionTriggered, m_params, &Parameters::vxUISlotOpenBtnClicked);
    connect(this, &TabWidget::saveFileActionTriggered, m_params, &Parameters::vxUISlotSaveBtnClicked);
    connect(this, &TabWidget::printFileActionTriggered, m_params, &Parameters::vxUISlotPrintBtnClicked);
    connect(this, &TabWidget::LFDriveActionTriggered, m_params, &Parameters::vxUISlotImportBtnClicked);
    connect(this, &TabWidget::LTDriveActionTriggered, m_params, &Parameters::vxUISlotExportBtnClicked);
    connect(this, &TabWidget::datFileInfoActionTriggered, m_params, &Parameters::vxUISlotDatFileInfo);
}
