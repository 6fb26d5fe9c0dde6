#include "threadsupervisor.h"

#include "importfilethread.h"
#include "statuspages.h"
#include "unitentryfields.h"
#include "unitrecord.h"

#include <QDeadlineTimer>

ThreadSupervisor::ThreadSupervisor(WorkerMaker maker, QObject *parent)
    : QObject(parent)
    , m_make(std::move(maker))
{ }

QList<int> ThreadSupervisor::operationsForTab(int tab, const QString &unitName)
{
    QList<int> operations;
    // The control panel stands beside the oscilloscope, status and fault logger views.
    if (tab == OscilloscopeTab || tab == StatusTab || tab == FaultLoggerTab)
        operations.append(importfileThread::ControlUpdate);
    if (tab == StatusTab)
        operations.append(importfileThread::OprStatusUpdate);
    if (tab == FaultLoggerTab && !StatusPages::reducedPages(unitName))
        operations.append(importfileThread::TriplogUpdate);
    return operations;
}

void ThreadSupervisor::restart(int tab, UnitRecord *unit)
{
    stopAll(false);
    m_unit = unit;
    if (!unit)
        return;
    QList<int> operations = operationsForTab(tab, unit->entry.value(1));
    // A unit that fell silent is probed whatever tab is shown: its first answer marks it connected
    // again. The status values are what every unit has.
    const bool probe = operations.isEmpty()
        && UnitEntryField::at(unit->entry, UnitEntryField::State) == UnitEntryField::disconnected();
    if (probe)
        operations.append(importfileThread::OprStatusUpdate);
    for (int op : operations) {
        importfileThread *worker = m_make(unit, op);
        if (!worker)
            continue;
        worker->setRunFlag(true);
        if (probe)
            worker->setIgnoreCommFault(true); // a probe that finds silence raises no box
        (op == importfileThread::OprStatusUpdate        ? m_status
                : op == importfileThread::TriplogUpdate ? m_fault
                                                        : m_control)
            = worker;
        worker->start(QThread::InheritPriority);
    }
}

void ThreadSupervisor::stopAll(bool wait)
{
    QList<importfileThread *> running;
    for (QPointer<importfileThread> *p : { &m_status, &m_fault, &m_control }) {
        if (*p)
            running.append(p->data());
        p->clear();
    }
    m_unit = nullptr;
    if (wait)
        stopWorkers(running, false, StopWaitMs);
    else
        for (importfileThread *t : running)
            t->CancelbtnSlotClicked();
}

bool ThreadSupervisor::stopWorkers(const QList<importfileThread *> &threads, bool remove, int timeoutMs)
{
    for (importfileThread *t : threads) {
        if (t->getOutlivesRemoval())
            continue;
        if (remove)
            t->setRemoveFlag(true);
        t->CancelbtnSlotClicked();
    }
    QDeadlineTimer deadline(timeoutMs);
    bool allEnded = true;
    for (importfileThread *t : threads) {
        // A hand-back not started yet is started when the one before it ends.
        const bool ended = t->wait(deadline) && (t->isFinished() || !t->getOutlivesRemoval());
        allEnded = ended && allEnded;
    }
    return allEnded;
}
