#pragma once

#include "importfilethread.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

struct UnitRecord;

// The cyclic workers that serve the shown tab for the current unit (status, trip log, control
// update): at most one of each, stopped and started again on every tab or unit change.
class ThreadSupervisor : public QObject
{
    Q_OBJECT
public:
    enum Tab { ParametersTab = 0, OscilloscopeTab, StatusTab, FaultLoggerTab, AlertsTab, LinkInformationTab };

    // Long enough for the slowest exchange with all its resends to end, so a stop that runs
    // out of time means a stuck link, not a slow one.
    static constexpr int StopWaitMs = 8000;

    // Creates a worker for the unit with the operation set, registered with the unit and ready to
    // start; nullptr when the unit cannot have one.
    using WorkerMaker = std::function<importfileThread *(UnitRecord *unit, int operation)>;

    explicit ThreadSupervisor(WorkerMaker maker, QObject *parent = nullptr);

    // The cyclic operations a tab needs for a unit of that name.
    static QList<int> operationsForTab(int tab, const QString &unitName);

    // Stops the running auxiliary workers (they end by themselves and are deleted by their owner)
    // and starts those the tab needs for the unit, or a probe of a silent unit; no unit: none.
    void restart(int tab, UnitRecord *unit);
    // Clears the run flags; with wait, waits for each worker up to StopWaitMs. Forgets them.
    void stopAll(bool wait);

    importfileThread *statusThread() const { return m_status; }
    importfileThread *faultThread() const { return m_fault; }
    importfileThread *controlThread() const { return m_control; }
    UnitRecord *unit() const { return m_unit; }

    // Sets the flags of every worker (run flag cleared; remove flag when remove), then waits for
    // them together up to timeoutMs (0: not at all). True when every one has ended; a control
    // hand-back keeps its flags and counts as running until it has ended.
    static bool stopWorkers(const QList<importfileThread *> &threads, bool remove, int timeoutMs);

private:
    WorkerMaker m_make;
    QPointer<importfileThread> m_status;
    QPointer<importfileThread> m_fault;
    QPointer<importfileThread> m_control;
    UnitRecord *m_unit = nullptr;
};
