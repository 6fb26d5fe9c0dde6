#include "filesetkeeper.h"

#include "connect.h"
#include "importfilethread.h"
#include "parameters.h"
#include "threadsupervisor.h"
#include "treemodel.h"
#include "unitentryfields.h"
#include "unitregistry.h"
#include "unittreeframe.h"

namespace F = UnitEntryField;

FileSetKeeper::FileSetKeeper(const Views &views, QObject *parent)
    : QObject(parent)
    , m_views(views)
    , m_stopWaitMs(ThreadSupervisor::StopWaitMs)
{ }

void FileSetKeeper::add(QString unitName, QString fileName, QString inom, QString pnom, QString version,
    QString updatedName, TreeModel *model)
{
    if (!model || m_sets.contains(model))
        return;
    model->setParent(this);
    m_sets.append(model);
    m_views.tree->constructFileTree(unitName, fileName, inom, pnom, version, updatedName, model);
    // The view shows the new set: the tree and the details panel follow it, not the live unit.
    const QList<QStringList> files = m_views.tree->entries(UnitTreeFrame::FileGroup);
    m_views.tree->selectUnit(F::file(), int(files.size()) - 1, false);
    m_views.details->vxUISlotDisplayUnitDetails(files.last());
    emit changed();
}

void FileSetKeeper::remove(const QStringList &entry)
{
    const QList<QStringList> files = m_views.tree->entries(UnitTreeFrame::FileGroup);
    for (int row = 0; row < files.size(); ++row) {
        if (F::sameUnit(files.at(row), entry)) {
            remove(m_views.tree->fileModel(row));
            return;
        }
    }
}

void FileSetKeeper::remove(TreeModel *model)
{
    if (!model || !m_sets.removeOne(model))
        return;
    // A write of this set to a unit may still run: it ends first.
    UnitRegistry &reg = *m_views.registry;
    QList<importfileThread *> users;
    for (int i = 0; i < UnitRegistry::InterfaceCount; ++i)
        for (int n = 0; n < reg.count(i); ++n)
            for (importfileThread *t : reg.record(i, n)->threads)
                if (t->getModel() == model)
                    users.append(t);
    const bool ended = ThreadSupervisor::stopWorkers(users, false, m_stopWaitMs);
    m_views.tree->removeFileUnit(model);
    if (m_views.params->model() == model)
        m_views.params->vxUISlotSetTreeView(QStringList(), nullptr);
    if (F::at(m_views.details->currentEntry(), F::Interface) == F::file())
        m_views.details->reset();
    if (ended)
        delete model;
    else
        park(model, users);
    emit changed();
}

void FileSetKeeper::park(TreeModel *model, const QList<importfileThread *> &users)
{
    // A write with resends can outlast the wait and still uses the model: it is freed once the
    // last worker using it has ended, as a removed unit's record is.
    QList<QPointer<importfileThread>> &kept = m_parked[model];
    for (importfileThread *t : users) {
        kept.append(t);
        connect(
            t, &QThread::finished, this, [this, model] { releaseParked(model); }, Qt::QueuedConnection);
    }
    // A worker that ended between the wait and the connection sends no more signal.
    QMetaObject::invokeMethod(
        this, [this, model] { releaseParked(model); }, Qt::QueuedConnection);
}

void FileSetKeeper::releaseParked(TreeModel *model)
{
    auto it = m_parked.find(model);
    if (it == m_parked.end())
        return;
    for (const QPointer<importfileThread> &t : qAsConst(it.value()))
        if (t && !t->isFinished())
            return;
    m_parked.erase(it);
    delete model;
}

void FileSetKeeper::removeAll()
{
    while (!m_sets.isEmpty())
        remove(m_sets.first());
}
