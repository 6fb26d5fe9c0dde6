#pragma once

#include <QStringList>

class QObject;
class QThread;
class VxCommModbusMaster;
class importfileThread;

// What the controller needs from the control panel. The panel plugs in here; until it does, the
// default hands nothing back and keeps no modules.
class ControlPanelHook
{
public:
    virtual ~ControlPanelHook() = default;
    // Offers the "Control Source" hand-back for the units controlled through the program before they
    // go (one unit, or all at close). False: the user cancelled, nothing may be removed. The
    // panel's dialog finds its own parent window.
    virtual bool offerControlSource(const QList<QStringList> &units)
    {
        Q_UNUSED(units)
        return true;
    }
    // The unit's control module, read from its device description file; owned by the panel.
    virtual QObject *createControlModule(const QStringList &entry, const QString &deviceFile)
    {
        Q_UNUSED(entry)
        Q_UNUSED(deviceFile)
        return nullptr;
    }
    virtual void removeControlModule(QObject *module) { Q_UNUSED(module) }
    // Whether the unit's motor runs by a command of the program (forward or backward).
    virtual bool isMotorRunning(const QStringList &entry) const
    {
        Q_UNUSED(entry)
        return false;
    }
    // No unit is left: the panel shows "No Unit".
    virtual void showNoUnit() { }
    // A control worker of the unit (commands 3 to 8, the control update 20) is about to start:
    // the panel hands it the unit's control rows and, for the update, where its readings go.
    virtual void prepareWorker(importfileThread *worker, QObject *module, int operation)
    {
        Q_UNUSED(worker)
        Q_UNUSED(module)
        Q_UNUSED(operation)
    }
};

// What the controller needs from the oscilloscope. The default never records and keeps no devices.
class OscilloscopeHook
{
public:
    virtual ~OscilloscopeHook() = default;
    virtual bool isRecording() const { return false; }
    // The unit's oscilloscope device; owned by the oscilloscope.
    virtual QObject *createDevice(const QStringList &entry, const QString &deviceFile)
    {
        Q_UNUSED(entry)
        Q_UNUSED(deviceFile)
        return nullptr;
    }
    // The same with the master the unit's acquisition reads through (not owned; it outlives the
    // device). The default has no use for the master.
    virtual QObject *createDeviceOnMaster(
        const QStringList &entry, const QString &deviceFile, VxCommModbusMaster *master)
    {
        Q_UNUSED(master)
        return createDevice(entry, deviceFile);
    }
    // False when the device's recording section of the device description file is faulty.
    virtual bool deviceValid(QObject *device) const
    {
        Q_UNUSED(device)
        return true;
    }
    // Drops the unit's device. An acquisition worker still in an exchange is not waited for: it
    // is returned, with the device in its keeping, and the caller deletes it once it has ended.
    virtual QThread *removeDevice(QObject *device)
    {
        Q_UNUSED(device)
        return nullptr;
    }
    // Waits for every acquisition thread to end (close-down); a running recording is stopped first.
    virtual void waitForThreads() { }
    // A unit's link state changed.
    virtual void unitStateChanged(const QStringList &entry) { Q_UNUSED(entry) }
};
