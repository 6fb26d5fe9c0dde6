#pragma once

#include "devicefiles.h"
#include "workeroperations.h"

#include <QMutex>
#include <QObject>
#include <QStringList>
#include <memory>

// The control state of one unit as the panel shows it: reference, both sources, the last motor
// command and whether a new value waits to be written. Written by the user-interface thread
// (panel actions) and by the control-update worker, so every access takes its lock.
class ControlRecord
{
public:
    struct Values
    {
        double reference = 0.0; // percent, 0 to 100
        int referenceSource = WorkerOps::SourceRemote;
        int runSource = WorkerOps::SourceRemote;
        int command = 3; // 0 forward, 1 backward, 2 stop, anything else unknown
        bool pending = false;
    };

    Values values() const;
    // A panel action of `kind` (WorkerOps::ControlKind) with its value, as it updates the record;
    // sets the pending flag.
    void apply(int kind, double value);
    // What the control update read (failed reads leave their field as it is). While a value is
    // pending the readings are dropped: a pass that read the unit before the write would undo
    // it. The first pass after writesDone() is dropped too, then the unit's values count again.
    void update(const WorkerOps::ControlReadings &readings);
    // Every write of the panel's values has ended.
    void writesDone();
    void set(const Values &values);

private:
    mutable QMutex m_lock;
    Values m_values;
    bool m_writesDone = false;
};

// One unit's control module: its "[CONTROL PANEL]" rows and its control record. The record is
// shared with the workers that read and write it, so a worker still ending after the unit was
// removed never touches freed memory.
class ControlModule : public QObject
{
    Q_OBJECT
public:
    ControlModule(
        const QStringList &entry, const DeviceFiles::ControlPanelInfo &panel, QObject *parent = nullptr);

    const QStringList &entry() const { return m_entry; }
    const DeviceFiles::ControlPanelInfo &panel() const { return m_panel; }
    std::shared_ptr<ControlRecord> record() const { return m_record; }
    // Whether the unit's control runs through this program: run/stop or reference from "COM".
    bool isControlledHere() const;

private:
    QStringList m_entry;
    DeviceFiles::ControlPanelInfo m_panel;
    std::shared_ptr<ControlRecord> m_record;
};
