#pragma once

#include "scanoperation.h"
#include "workeroperations.h"

#include <QMutex>
#include <QStringList>
#include <QThread>
#include <QWaitCondition>
#include <atomic>

class AcquisitionSink;
class QModelIndex;
class vxCommDeviceStatus;

// The unit worker: carries out one long or repeated bus operation on one unit so that the user
// interface never waits on the bus.
//
// The object lives in the thread that created it (the user-interface thread) while run() executes
// on its own thread, so EVERY signal below is emitted from the worker thread: connect them to
// widgets with Qt::QueuedConnection (AutoConnection resolves to queued too, as the receiver lives in
// another thread; say so explicitly anyway). Flags are atomics written by the user-interface thread
// and read between exchanges. run() is a thin dispatcher over the functions of workeroperations.h,
// which tests and the command line call on their own thread.
class importfileThread : public QThread
{
    Q_OBJECT
public:
    enum Operation {
        ReadAllParameters = 0, // "Load from Drive"
        WriteParameters = 1, // "Load to Drive"
        WriteOneParameter = 2, // "ParamWrite": then the depending parameters are re-read
        // 3 to 8: the control panel's commands (WorkerOps::ControlKind), one write each
        ControlFirst = WorkerOps::RunForward,
        ControlLast = WorkerOps::ReferenceValue,
        TriplogUpdate = 9, // cyclic while runFlag, 1000 ms between passes
        OprStatusUpdate = 16, // cyclic while runFlag, 10 ms between passes
        OscAcquisition = 17, // oscilloscope cycles until setStop()
        AutoScan = 18, // the automatic scan (no unit of its own)
        AddUnit = 19, // identification of a unit added by hand
        ControlUpdate = 20 // cyclic while runFlag, 5000 ms between passes
    };

    // commMod and model are not owned; both must outlive the thread's run.
    importfileThread(VxCommModbusMaster *commMod, const QStringList &unitEntry, TreeModel *model,
        QObject *parent = nullptr);
    // Stops and waits: a running thread is never destroyed.
    ~importfileThread() override;

    void setOperation(int code) { operation = code; }
    int getOperation() const { return operation; }
    // Taken from entry field 0 at construction; set it for a unit whose entry is not numbered.
    void setUnitAddress(quint32 address) { unitAddress = address; }
    quint32 getUnitAddress() const { return unitAddress; }

    // "ContinueDespiteCOMFault": skip a failed item instead of ending with a message.
    void setIgnoreCommFault(bool ignore) { ignoreCommFault = ignore; }
    // "ExportOnlyChanged": a write of all parameters writes only values changed offline.
    void setExportOnlyChanged(bool only) { exportOnlyChanged = only; }
    // Reads of parameters go in runs of consecutive registers, one exchange per run.
    void setBlockReads(bool on) { blockReads = on; }
    // Pause after each parameter of a write of all parameters (150 ms unless a test shortens it).
    void setWritePace(int msecs) { writePaceMs = msecs; }
    int getWritePace() const { return writePaceMs; }

    // The parameter an operation 2 writes: its item and set (0..3 = A..D); the value is the one
    // the model holds for that set.
    void setWriteParameter(TreeItem *item, int set);
    // Same, from an index of a set column (shown 4..7 or stored 8..11) of the model.
    bool setWriteParameter(const QModelIndex &index);

    // Identification settings of the add-unit operation: mode 1 chooses the device description file
    // from the unit, mode 2 uses path.
    void setFileMode(int mode, const QString &path);
    // Modbus TCP port the add-unit operation connects to (502 unless a test needs another).
    void setTcpPort(quint16 port) { tcpPort = port; }
    // True when the link was opened for this unit (to be closed again when identification fails).
    void setNewLink(bool opened) { newLink = opened; }
    bool getNewLink() const { return newLink; }

    // Operation 18: the scanning object (not owned; its stop flag ends the scan), the request, and
    // how masters are made. The masters found move to this object's thread before the thread ends.
    void setScanRequest(vxCommDeviceStatus *scanner, const rs232InfoForAutoScan &rs232,
        const rs485InfoForAutoScan &rs485, const ethernetInfoForAutoScan &range,
        const ScanOps::Options &options = ScanOps::Options());
    void setScanMasterFactory(std::function<VxCommModbusMaster *(int channel)> create);
    // The units the scan found, once vxAllUnitsInfo() came; the caller owns their masters.
    QList<ScanOps::FoundUnit> takeScanResult();

    // runFlag: 1 while an operation may continue. The setter leaves it unchanged while runLocked.
    void setRunFlag(bool run);
    bool getRunFlag() const { return runFlag.load(); }
    void setRunLocked(bool locked) { runLocked.store(locked); }
    // removeFlag: the unit is being removed; every operation ends at its next exchange without a
    // message box. Wakes a worker that is pausing.
    void setRemoveFlag(bool remove);
    bool getRemoveFlag() const { return removeFlag.load(); }
    // A write handing control back before its unit's removal: the removal leaves it to end by
    // itself and frees the unit after it.
    void setOutlivesRemoval(bool outlives) { outlivesRemoval = outlives; }
    bool getOutlivesRemoval() const { return outlivesRemoval; }
    // True once run() has finished its operation (the owner polls it before deleting).
    bool isOperationFinished() const { return finishedFlag.load(); }
    // Outcome of the last operation (WorkerOps::Result).
    int getResult() const { return result.load(); }
    // Parameters the last read or write of all parameters carried (-1: none reported).
    int getHandledCount() const { return handledCount.load(); }

    // The unit entry as the operation left it (the add-unit operation fills fields 1, 2, 8-11).
    QStringList getUnitEntry() const;

    // Control operations: the unit's "[CONTROL PANEL]" rows, the value a command writes (source
    // index or reference percent), and where the control update hands each pass (called on the
    // worker thread; it must outlive the run or be owned by the function).
    void setControlPanel(const DeviceFiles::ControlPanelInfo &info) { controlPanel = info; }
    void setOperationArg(double value) { operationArg = value; }
    double getOperationArg() const { return operationArg; }
    void setControlSink(std::function<void(const WorkerOps::ControlReadings &)> sink)
    {
        controlSink = std::move(sink);
    }

    // Status update: the register of the drive's active trip (0: not read).
    void setActiveTripRegister(int number) { activeTripRegister = number; }

    // Where the acquisition's samples go (not owned; must outlive the run).
    void setAcquisitionSink(AcquisitionSink *sink) { acquisitionSink = sink; }
    bool getStopFlag() const { return stopFlag.load(); }
    ulong getInterval() const { return ulong(intervalMs.load()); }
    VxCommModbusMaster *getCommModule() const { return commMod; }
    TreeModel *getModel() const { return model; }
    // A write of all parameters from a set that is not the unit's own: each value written, and
    // what depends on it, is stored in the unit's model too (not owned; must outlive the run).
    void setUnitModel(TreeModel *unit) { unitModel = unit; }

signals:
    // An import or export has ended: the views may be used again.
    void vxUISigEnableWindow();
    // Result of the add-unit operation (status 1 = identified, negative = failure code).
    void vxUnitInfo(QStringList entry, QString deviceFile, QString version, QString driveSize,
        double reference, QString referenceSource, QString runSource, QString motorDirection, bool newLink,
        int status);
    // The Modbus master's reports of this worker's own exchanges, forwarded (connect queued to the
    // log); the owner connects either this or the master's own signal, not both.
    void VxCommHealthOfUnit(int kind, int unitAddress, int channel, QString linkName, QString message,
        QStringList requestBytes, QStringList replyBytes);
    void ImportThreadSigProgressBarSetRange(int RStart, int REnd);
    void ImportThreadSigProgressBarSetProgress(int ProgressVal);
    void ImportThreadSigProgressBarClose();
    // Message and title for a message box shown by the receiver.
    void ImportThreadSigErrorMsg(QString message, QString title);
    // The unit name parameter was read from the unit.
    void vxUISigChangeUnitName(QString name);
    // Scan progress: candidates tried, units found.
    void vxUISigSetScanValue(int scanned, int found);
    // The scan has ended (finished or cancelled): its result can be taken.
    void vxAllUnitsInfo();
    void vxUICloseScanningWindow();
    // One pass of the status update stored new values in the model: views may refresh.
    void vxUISigOprStatusUpdated();
    // The status update read the drive's active trip (0 = none): once per run, then on each change.
    void vxUISigActiveFault(int code);
    // One pass of the trip-log update stored new values in the model: the fault logger may refresh.
    void vxUISigTriplogUpdated();
    // One pass of the control update handed the unit's control state to the control sink.
    void vxCtrlUpdate();

public slots:
    // Acquisition (operation 17). New sampling interval, read before each pause.
    void setInterval(ulong msecs);
    // Ends the acquisition: the cycle in progress completes, a pause ends at once.
    void setStop();
    // Resets the device's recording state, clears the stop flag and starts the acquisition. A
    // thread still ending its last acquisition (a stuck exchange) is not waited for: the new
    // acquisition starts when it has ended.
    void threadStart();
    // Record start: the device empties its sample store.
    void Clear();
    // Clears runFlag (progress dialog "Cancel", tab change, close-down): the current parameter is
    // finished, then the operation ends.
    void CancelbtnSlotClicked();
    // Sets the scanning object's stop flag: the scan ends before its next candidate.
    void vxUISlotCancelAutoScan();
    // Re-reads every parameter that depends on the one at index (a set column) and stores it in
    // the model. Runs on the calling thread; returns a WorkerOps::Result.
    int Updatedependingfields(const QModelIndex &index);

protected:
    void run() override;

private:
    WorkerOps::Context makeContext();
    void restartIfPending();
    // Interruptible pause: returns early when runFlag is cleared or removeFlag set.
    void pause(int msecs);
    void wake();

    VxCommModbusMaster *commMod; // not owned
    TreeModel *model; // not owned
    TreeModel *unitModel = nullptr; // not owned
    quint32 unitAddress = 1;
    int operation = -1;
    bool ignoreCommFault = false;
    bool blockReads = false;
    std::atomic<int> handledCount { -1 };
    bool exportOnlyChanged = false;
    int writePaceMs = WorkerOps::DefaultWritePaceMs;
    TreeItem *writeItem = nullptr;
    int writeSet = 0;
    int fileMode = 1;
    QString filePath;
    quint16 tcpPort = 502;
    bool newLink = false;
    DeviceFiles::ControlPanelInfo controlPanel;
    double operationArg = 0.0;
    int activeTripRegister = 0;
    bool outlivesRemoval = false;
    std::function<void(const WorkerOps::ControlReadings &)> controlSink;

    void runScan();

    vxCommDeviceStatus *scanner = nullptr; // not owned
    rs232InfoForAutoScan scanRs232;
    rs485InfoForAutoScan scanRs485;
    ethernetInfoForAutoScan scanRange;
    ScanOps::Options scanOptions;
    std::function<VxCommModbusMaster *(int)> createScanMaster;
    QMutex scanLock; // the result is taken by the owner after the thread reported it
    QList<ScanOps::FoundUnit> scanResult;

    AcquisitionSink *acquisitionSink = nullptr; // not owned
    std::atomic<bool> stopFlag { false };
    std::atomic<int> intervalMs { 250 };
    std::atomic<bool> runFlag { false };
    std::atomic<bool> runLocked { false };
    std::atomic<bool> removeFlag { false };
    std::atomic<bool> finishedFlag { false };
    std::atomic<bool> restartPending { false }; // threadStart() came while the thread still ran
    std::atomic<int> result { 0 };

    mutable QMutex entryLock; // the entry is read by the owner while add-unit writes it
    QStringList unitEntry;

    QMutex waitLock; // guards nothing but the wait condition's sleep
    QWaitCondition waitCondition;
};
