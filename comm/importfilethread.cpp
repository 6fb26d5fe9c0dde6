#include "importfilethread.h"

#include "acquisitionsink.h"
#include "treeitem.h"
#include "treemodel.h"
#include "unitentryfields.h"
#include "vxcommdevicestatus.h"
#include "vxcommmodbusmaster.h"

#include <QDebug>
#include <QModelIndex>
#include <QMutexLocker>
#include <QSet>
#include <utility>

importfileThread::importfileThread(
    VxCommModbusMaster *commModule, const QStringList &entry, TreeModel *treeModel, QObject *parent)
    : QThread(parent)
    , commMod(commModule)
    , model(treeModel)
    , unitEntry(entry)
{
    bool ok = false;
    const uint number = entry.value(UnitEntryField::Number).toUInt(&ok);
    if (ok && number >= 1 && number <= 255)
        unitAddress = number;
    // Set here, not in run(): a cancel that arrives before the thread has started must not be
    // undone by the start.
    runFlag.store(true);
    // Queued: this object lives in the thread that made it, finished() comes from the worker's.
    connect(this, &QThread::finished, this, &importfileThread::restartIfPending, Qt::QueuedConnection);
    // Direct, so the lambda runs on the thread that made the exchange: only this worker's own
    // exchanges are forwarded, not those of other workers sharing the master.
    if (commMod)
        connect(
            commMod, &VxCommModbusMaster::VxCommHealthOfUnitToUI, this,
            [this](int kind, int address, int channel, const QString &link, const QString &message,
                const QStringList &request, const QStringList &reply) {
                if (QThread::currentThread() == this)
                    emit VxCommHealthOfUnit(kind, address, channel, link, message, request, reply);
            },
            Qt::DirectConnection);
}

importfileThread::~importfileThread()
{
    runLocked.store(false);
    stopFlag.store(true);
    setRunFlag(false);
    setRemoveFlag(true);
    wait();
}

void importfileThread::setWriteParameter(TreeItem *item, int set)
{
    writeItem = item;
    writeSet = set;
}

bool importfileThread::setWriteParameter(const QModelIndex &index)
{
    if (!model || !index.isValid() || index.model() != model)
        return false;
    const int column = index.column();
    int set = -1;
    if (column >= TreeItem::SetAColumn && column < TreeItem::SetAColumn + 4)
        set = column - TreeItem::SetAColumn;
    else if (column >= TreeItem::StoredAColumn && column < TreeItem::StoredAColumn + 4)
        set = column - TreeItem::StoredAColumn;
    if (set < 0)
        return false;
    setWriteParameter(model->getItem(index), set);
    return true;
}

void importfileThread::setFileMode(int mode, const QString &path)
{
    fileMode = mode;
    filePath = path;
}

void importfileThread::setRunFlag(bool run)
{
    if (runLocked.load())
        return;
    runFlag.store(run);
    if (!run)
        wake();
}

void importfileThread::setRemoveFlag(bool remove)
{
    removeFlag.store(remove);
    if (remove)
        wake();
}

QStringList importfileThread::getUnitEntry() const
{
    QMutexLocker lock(&entryLock);
    return unitEntry;
}

void importfileThread::setInterval(ulong msecs)
{
    intervalMs.store(int(qBound<ulong>(1, msecs, 86400000ul)));
}

void importfileThread::setStop()
{
    qDebug() << "stoped ";
    restartPending.store(false);
    stopFlag.store(true);
    wake();
}

void importfileThread::threadStart()
{
    if (isRunning()) {
        restartPending.store(true);
        return;
    }
    if (acquisitionSink)
        acquisitionSink->startRecording();
    stopFlag.store(false);
    finishedFlag.store(false);
    operation = OscAcquisition;
    start(QThread::InheritPriority);
}

void importfileThread::restartIfPending()
{
    if (!restartPending.exchange(false))
        return;
    // finished() comes just before the thread's very end.
    wait();
    // What the ended acquisition added after the new recording was cleared is not part of it.
    if (acquisitionSink)
        acquisitionSink->clearSamples();
    threadStart();
}

void importfileThread::Clear()
{
    qDebug() << "importfileThread::Clear()";
    if (acquisitionSink)
        acquisitionSink->clearSamples();
}

void importfileThread::CancelbtnSlotClicked()
{
    setRunFlag(false);
}

int importfileThread::Updatedependingfields(const QModelIndex &index)
{
    if (!model || !index.isValid())
        return WorkerOps::Failed;
    const int column = index.column();
    const int set = column >= TreeItem::StoredAColumn ? column - TreeItem::StoredAColumn
                                                      : column - TreeItem::SetAColumn;
    if (set < 0 || set > 3)
        return WorkerOps::Failed;
    WorkerOps::Context ctx = makeContext();
    return WorkerOps::updateDependingFields(ctx, model->getItem(index), set);
}

void importfileThread::wake()
{
    // Taking the lock orders the flag store before the sleeper's check-and-wait.
    QMutexLocker lock(&waitLock);
    waitCondition.wakeAll();
}

void importfileThread::pause(int msecs)
{
    QMutexLocker lock(&waitLock);
    if (!runFlag.load() || removeFlag.load() || (operation == OscAcquisition && stopFlag.load()))
        return;
    waitCondition.wait(&waitLock, ulong(msecs));
}

WorkerOps::Context importfileThread::makeContext()
{
    WorkerOps::Context ctx;
    ctx.master = commMod;
    ctx.unitAddress = int(unitAddress);
    ctx.entry = getUnitEntry();
    ctx.model = model;
    ctx.unitModel = unitModel;
    ctx.ignoreCommFault = ignoreCommFault;
    ctx.activeTripRegister = activeTripRegister;
    ctx.blockReads = blockReads;
    ctx.removed = [this] { return removeFlag.load(); };
    if (operation == OscAcquisition)
        ctx.running = [this] { return runFlag.load() && !stopFlag.load(); };
    else
        ctx.running = [this] { return runFlag.load(); };
    ctx.pause = [this](int msecs) { pause(msecs); };
    // Emitted on the worker thread: receivers in the user-interface thread get them queued.
    WorkerOps::Reports &out = ctx.out;
    out.progressRange = [this](int from, int to) { emit ImportThreadSigProgressBarSetRange(from, to); };
    out.progress = [this](int value) { emit ImportThreadSigProgressBarSetProgress(value); };
    out.handled = [this](int count) { handledCount.store(count); };
    out.progressClose = [this] { emit ImportThreadSigProgressBarClose(); };
    out.errorMsg = [this](const QString &message, const QString &title) {
        emit ImportThreadSigErrorMsg(message, title);
    };
    out.enableWindow = [this] { emit vxUISigEnableWindow(); };
    out.changeUnitName = [this](const QString &name) { emit vxUISigChangeUnitName(name); };
    out.statusUpdated = [this] { emit vxUISigOprStatusUpdated(); };
    out.triplogUpdated = [this] { emit vxUISigTriplogUpdated(); };
    out.activeFault = [this](int code) { emit vxUISigActiveFault(code); };
    out.controlUpdated = [this] { emit vxCtrlUpdate(); };
    out.unitInfo = [this](const QStringList &entry, const QString &deviceFile, const QString &version,
                       const QString &driveSize, double reference, const QString &referenceSource,
                       const QString &runSource, const QString &motorDirection, bool opened, int status) {
        {
            QMutexLocker lock(&entryLock);
            unitEntry = entry;
        }
        emit vxUnitInfo(entry, deviceFile, version, driveSize, reference, referenceSource, runSource,
            motorDirection, opened, status);
    };
    return ctx;
}

void importfileThread::run()
{
    finishedFlag.store(false);
    WorkerOps::Context ctx = makeContext();
    int outcome = WorkerOps::Completed;
    switch (operation) {
    case ReadAllParameters:
        outcome = WorkerOps::readAllParameters(ctx);
        break;
    case WriteParameters: {
        WorkerOps::WriteOptions options;
        options.exportOnlyChanged = exportOnlyChanged;
        options.paceMs = writePaceMs;
        outcome = WorkerOps::writeParameters(ctx, options);
        break;
    }
    case WriteOneParameter:
        outcome = WorkerOps::writeOneParameter(ctx, writeItem, writeSet);
        break;
    case TriplogUpdate:
        outcome = WorkerOps::triplogUpdate(ctx);
        break;
    case OprStatusUpdate:
        outcome = WorkerOps::oprStatusUpdate(ctx);
        break;
    case OscAcquisition:
        outcome = WorkerOps::acquire(ctx, acquisitionSink, [this] { return intervalMs.load(); });
        break;
    case ControlUpdate:
        outcome = WorkerOps::controlUpdate(ctx, controlPanel, controlSink);
        break;
    case AddUnit: {
        WorkerOps::AddUnitRequest request;
        request.fileMode = fileMode;
        request.filePath = filePath;
        request.tcpPort = tcpPort;
        request.newLink = newLink;
        outcome = WorkerOps::addUnit(ctx, request);
        break;
    }
    case AutoScan:
        runScan();
        break;
    default:
        if (operation >= ControlFirst && operation <= ControlLast)
            outcome = WorkerOps::controlCommand(ctx, controlPanel, operation, operationArg);
        break;
    }
    result.store(outcome);
    finishedFlag.store(true);
    exit(0);
}

void importfileThread::setScanRequest(vxCommDeviceStatus *scanning, const rs232InfoForAutoScan &rs232,
    const rs485InfoForAutoScan &rs485, const ethernetInfoForAutoScan &range, const ScanOps::Options &options)
{
    scanner = scanning;
    scanRs232 = rs232;
    scanRs485 = rs485;
    scanRange = range;
    scanOptions = options;
}

void importfileThread::setScanMasterFactory(std::function<VxCommModbusMaster *(int)> create)
{
    createScanMaster = std::move(create);
}

QList<ScanOps::FoundUnit> importfileThread::takeScanResult()
{
    QMutexLocker lock(&scanLock);
    return std::exchange(scanResult, {});
}

void importfileThread::vxUISlotCancelAutoScan()
{
    if (scanner)
        scanner->VxCommSetStopScanFlag(true);
}

void importfileThread::runScan()
{
    if (!scanner || !createScanMaster) {
        emit vxAllUnitsInfo();
        emit vxUICloseScanningWindow();
        return;
    }
    ScanOps::Hooks hooks;
    // Masters live in this thread while the scan uses them; the ones kept move to the owner's
    // thread before the result is handed over, the others go here.
    hooks.createMaster = [this](int channel) { return createScanMaster(channel); };
    hooks.discardMaster = [](VxCommModbusMaster *master) { delete master; };
    hooks.report = [this](int kind, int unit, int channel, const QString &link, const QString &message) {
        emit VxCommHealthOfUnit(kind, unit, channel, link, message, {}, {});
    };
    hooks.progress = [this](int scanned, int found) { emit vxUISigSetScanValue(scanned, found); };
    QList<ScanOps::FoundUnit> found
        = ScanOps::runScan(*scanner, scanRs232, scanRs485, scanRange, hooks, scanOptions);
    QSet<VxCommModbusMaster *> moved;
    for (const ScanOps::FoundUnit &unit : found) {
        if (!moved.contains(unit.master)) {
            unit.master->moveToThread(thread());
            moved.insert(unit.master);
        }
    }
    {
        QMutexLocker lock(&scanLock);
        scanResult = found;
    }
    emit vxAllUnitsInfo();
    emit vxUICloseScanningWindow();
}
