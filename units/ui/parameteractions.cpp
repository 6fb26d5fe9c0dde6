#include "parameteractions.h"

#include "compareparameters.h"
#include "connect.h"
#include "importfilethread.h"
#include "parameters.h"
#include "paramtransfer.h"
#include "prompter.h"
#include "settingsbinder.h"
#include "treeitem.h"
#include "treemodel.h"
#include "unitconnector.h"
#include "unitentryfields.h"
#include "unitregistry.h"
#include "unittreeframe.h"

#include <QPointer>
#include <QThread>

namespace F = UnitEntryField;

ParameterActions::ParameterActions(const Context &context, QObject *parent)
    : QObject(parent)
    , m_ctx(context)
{ }

void ParameterActions::startTransfer(bool write, TreeModel *model, const QStringList &entry)
{
    // The parameters view has asked its questions (recording, drive differences, motor running,
    // "Copy parameters to Drive") before it sent the request.
    UnitRecord *record = m_ctx.registry->find(entry);
    if (!record || !model || transferRunning() || !checkConnected(record))
        return;
    TreeModel *own = record->model;
    record->model = model; // a set from file is written from its own model
    importfileThread *worker = m_ctx.makeWorker(
        record, write ? importfileThread::WriteParameters : importfileThread::ReadAllParameters);
    record->model = own;
    // The unit's own view follows the values as they reach the unit.
    if (write && model != own)
        worker->setUnitModel(own);
    m_ctx.transfer->begin(write, F::at(record->entry, F::Name), worker,
        write ? model->parametersWithoutValues(true).size() : 0);
    m_ctx.params->vxUISlotDisableImpExpWid(true);
    updateActionStates();
    worker->setRunFlag(true);
    worker->start(QThread::InheritPriority);
}

void ParameterActions::writeParameter(TreeModel *model, const QModelIndex &index)
{
    UnitRegistry &registry = *m_ctx.registry;
    UnitRecord *record = nullptr;
    for (int i = 0; i < UnitRegistry::InterfaceCount && !record; ++i)
        for (int n = 0; n < registry.count(i) && !record; ++n)
            if (registry.record(i, n)->model == model)
                record = registry.record(i, n);
    if (!record || transferRunning() || !checkConnected(record))
        return;
    importfileThread *worker = m_ctx.makeWorker(record, importfileThread::WriteOneParameter);
    if (!worker->setWriteParameter(index)) {
        m_ctx.connector->workerFinished(worker); // never started: just forget it
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

bool ParameterActions::transferRunning() const
{
    return m_ctx.transfer->isOpen() || (m_ctx.scanImporting && m_ctx.scanImporting());
}

bool ParameterActions::checkConnected(const UnitRecord *record)
{
    if (F::at(record->entry, F::State) == F::connected() && !record->heldDisconnected)
        return true;
    const QString name = F::at(record->entry, F::Name);
    emit statusMessage(tr("%1: Device not connected").arg(name));
    m_ctx.prompter->critical(m_ctx.parent, tr("Error"), tr("Device not connected"));
    return false;
}

void ParameterActions::setProgressRange(int start, int end)
{
    m_ctx.transfer->setRange(start, end);
}

void ParameterActions::setProgress(int value)
{
    m_ctx.transfer->setProgress(value);
}

void ParameterActions::closeProgress()
{
    m_ctx.transfer->close();
    m_ctx.params->vxUISlotDisableImpExpWid(false);
    updateActionStates();
}

void ParameterActions::showCompareScreen()
{
    QList<CompareParameters::Source> sources;
    const UnitRegistry &registry = *m_ctx.registry;
    for (int i = 0; i < UnitRegistry::InterfaceCount; ++i)
        for (int n = 0; n < registry.count(i); ++n) {
            const UnitRecord *r = registry.record(i, n);
            sources.append({ F::at(r->entry, F::Name), UnitRegistry::interfaceName(i), r->model });
        }
    const QList<QStringList> files = m_ctx.tree->entries(UnitTreeFrame::FileGroup);
    for (int row = 0; row < files.size(); ++row)
        sources.append({ F::at(files.at(row), F::FileDisplayName), QString(), m_ctx.tree->fileModel(row) });
    auto *dialog = new CompareParameters(*m_ctx.prompter, m_ctx.parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setSources(sources);
    const auto &customer = m_ctx.settings->record().customer;
    dialog->setCustomerData(QStringList(customer.begin(), customer.end()));
    connect(dialog, &CompareParameters::bringAppToForeGround, this, &ParameterActions::bringAppToForeGround);
    connect(this, &ParameterActions::langTranslation, dialog, &CompareParameters::onLangTranslation);
    dialog->show();
}

void ParameterActions::updateActionStates()
{
    const Parameters::ActionStates states = m_ctx.params->actionStates();
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

bool ParameterActions::offerToSaveFileSets()
{
    QList<int> rows;
    QStringList names;
    const QList<QStringList> files = m_ctx.tree->entries(UnitTreeFrame::FileGroup);
    for (int row = 0; row < files.size(); ++row) {
        const TreeModel *model = m_ctx.tree->fileModel(row);
        if (model && model->hasUnsavedEdits()) {
            rows.append(row);
            names.append(F::at(files.at(row), F::FileDisplayName));
        }
    }
    if (rows.isEmpty())
        return true;
    const auto answer = m_ctx.prompter->question(m_ctx.parent, tr("Warning"),
        tr("These parameter sets have changes that are not saved:\n%1\n\nDo you want to save them?")
            .arg(names.join(QLatin1Char('\n'))),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::Warning);
    if (answer == QMessageBox::No)
        return true;
    if (answer != QMessageBox::Yes)
        return false;
    for (int row : qAsConst(rows)) {
        TreeModel *model = m_ctx.tree->fileModel(row);
        m_ctx.params->vxUISlotSetTreeView(files.at(row), model);
        m_ctx.details->vxUISlotDisplayUnitDetails(files.at(row));
        m_ctx.params->vxUISlotSaveBtnClicked();
        if (model->hasUnsavedEdits())
            return false; // the save was cancelled or failed (and said so): stay
    }
    return true;
}
