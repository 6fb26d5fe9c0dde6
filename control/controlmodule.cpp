#include "controlmodule.h"

#include <QMutexLocker>

ControlRecord::Values ControlRecord::values() const
{
    QMutexLocker lock(&m_lock);
    return m_values;
}

void ControlRecord::set(const Values &values)
{
    QMutexLocker lock(&m_lock);
    m_values = values;
}

void ControlRecord::apply(int kind, double value)
{
    QMutexLocker lock(&m_lock);
    switch (kind) {
    case WorkerOps::RunForward:
        m_values.command = 0;
        break;
    case WorkerOps::RunBackward:
        m_values.command = 1;
        break;
    case WorkerOps::StopMotor:
        m_values.command = 2;
        break;
    case WorkerOps::ReferenceSource:
        m_values.referenceSource = int(value);
        break;
    case WorkerOps::RunStopSource:
        m_values.runSource = int(value);
        // The unit stops a motor whose commands now come from elsewhere.
        if (int(value) == WorkerOps::SourceRemote || int(value) == WorkerOps::SourceKeyboard)
            m_values.command = 2;
        break;
    case WorkerOps::ReferenceValue:
        m_values.reference = value;
        break;
    default:
        return;
    }
    m_values.pending = true;
    m_writesDone = false;
}

void ControlRecord::writesDone()
{
    QMutexLocker lock(&m_lock);
    m_writesDone = true;
}

void ControlRecord::update(const WorkerOps::ControlReadings &readings)
{
    QMutexLocker lock(&m_lock);
    if (m_values.pending) {
        m_values.pending = !m_writesDone;
        return;
    }
    if (readings.reference >= 0.0)
        m_values.reference = readings.reference;
    if (readings.referenceSource >= 0)
        m_values.referenceSource = readings.referenceSource;
    if (readings.runSource >= 0)
        m_values.runSource = readings.runSource;
    if (readings.command >= 0)
        m_values.command = readings.command;
}

ControlModule::ControlModule(
    const QStringList &entry, const DeviceFiles::ControlPanelInfo &panel, QObject *parent)
    : QObject(parent)
    , m_entry(entry)
    , m_panel(panel)
    , m_record(std::make_shared<ControlRecord>())
{ }

bool ControlModule::isControlledHere() const
{
    const ControlRecord::Values v = m_record->values();
    return (m_panel.hasRunControl() && v.runSource == WorkerOps::SourceCom)
        || (m_panel.hasReferenceControl() && v.referenceSource == WorkerOps::SourceCom);
}
