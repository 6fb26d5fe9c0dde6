#include "unitconnector.h"

#include "apppaths.h"
#include "importfilethread.h"
#include "linkinformation.h"
#include "prompter.h"
#include "scanoperation.h"
#include "settingsbinder.h"
#include "signalcatalogue.h"
#include "threadsupervisor.h"
#include "treemodel.h"
#include "unitentryfields.h"
#include "unitfactory.h"
#include "unithooks.h"
#include "unitregistry.h"
#include "vxcommmodbusmaster.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QMutexLocker>
#include <QPointer>

namespace F = UnitEntryField;

UnitConnector::UnitConnector(const Context &context, QObject *parent)
    : QObject(parent)
    , m_ctx(context)
{ }

UnitConnector::~UnitConnector() = default;

QString UnitConnector::deviceFilePath(const QString &deviceFile)
{
    if (deviceFile.isEmpty() || QFileInfo(deviceFile).isAbsolute())
        return deviceFile;
    return QDir(AppPaths::csvDir()).filePath(deviceFile);
}

void UnitConnector::log(const QStringList &entry, const QString &result, const QString &message)
{
    emit linkInformation(LinkInformation::row(entry, result, message));
}

QString UnitConnector::describe(const QStringList &entry)
{
    const QString number = F::at(entry, F::Number);
    if (F::at(entry, F::Interface) == F::tcpIp())
        return tr("unit %1 at %2").arg(number, F::at(entry, F::IpAddress));
    return tr("unit %1 on %2").arg(number, F::at(entry, F::Port));
}

void UnitConnector::error(const QString &text)
{
    m_ctx.prompter->critical(m_ctx.parent, tr("Error"), text);
}

bool UnitConnector::connectUnit(const Request &r)
{
    const auto refuse = [this] {
        emit connectAttemptEnded();
        return false;
    };
    if (r.deviceNo < 1 || r.deviceNo > 255 || r.tcpDevineNo < 1 || r.tcpDevineNo > 255) {
        error(tr("Invalid Unit Number: Unit range is 1-255"));
        return refuse();
    }
    if (m_ctx.osc->isRecording()) {
        m_ctx.prompter->information(
            m_ctx.parent, tr("Information"), tr("Oscilloscope record in progress.\nPlease stop recording"));
        return refuse();
    }
    if (r.datafilemode == 2 && r.filepath.isEmpty()) {
        m_ctx.prompter->information(m_ctx.parent, tr("Information"), tr("No csv file information"));
        return refuse();
    }

    const int iface = UnitRegistry::interfaceIndex(r.connectMode);
    QStringList entry = F::emptyEntry();
    entry[F::Interface] = r.connectMode;
    if (iface < 0) {
        error(tr("No channel information"));
        log(entry, tr("failure"), tr("No channel information"));
        return refuse();
    }
    const bool serial = iface != UnitRegistry::TCPIP;
    const int number = serial ? r.deviceNo : r.tcpDevineNo;
    entry[F::Number] = QString::number(number);
    if (serial) {
        entry[F::Port] = r.port;
        entry[F::Baudrate] = QString::number(r.baudrate);
        entry[F::Parity] = r.parity;
    } else {
        entry[F::IpAddress] = r.ipAddr;
    }

    auto record = std::make_unique<UnitRecord>();
    record->entry = entry;
    record->fileMode = r.datafilemode;
    record->filePath = r.filepath;
    UnitRegistry &reg = *m_ctx.registry;

    if (serial) {
        VxCommModbusMaster *shared = nullptr;
        for (int list : { int(UnitRegistry::RS232), int(UnitRegistry::RS485) }) {
            const auto check = UnitRegistry::checkPort(reg.infoList(list), number, r.port, r.connectMode);
            if (check.outcome == UnitRegistry::PortCheck::Refused) {
                error(check.message);
                return refuse();
            }
            if (check.outcome == UnitRegistry::PortCheck::Shared)
                shared = reg.record(list, check.sharedIndex)->master;
        }
        if (shared) {
            record->master = shared;
        } else {
            VxCommModbusMaster *master = m_ctx.factory->createMaster(UnitRegistry::channelOf(iface));
            m_ctx.settings->configureMaster(master);
            const int opened = master->VxCommOpenSerialLink(r.port, r.baudrate, r.parity);
            if (opened == -14 || opened == -15 || opened < 0) {
                const QString fault = master->VxCommSerialOpenFault();
                delete master;
                const bool alreadyOpen = opened == -15;
                error(alreadyOpen         ? tr("Port already open")
                        : fault.isEmpty() ? tr("Port is not Opened")
                                          : tr("Port is not Opened") + QStringLiteral("\n") + fault);
                log(entry, tr("failure"), alreadyOpen ? tr("Port already open") : tr("port not open"));
                return refuse();
            }
            reg.adoptMaster(master);
            m_ctx.watchMaster(master);
            record->master = master;
            record->masterCreated = true;
        }
    } else {
        for (const QStringList &other : reg.infoList(UnitRegistry::TCPIP)) {
            if (F::at(other, F::IpAddress) == r.ipAddr) {
                error(tr("Unit is already activated"));
                log(entry, tr("failure"), tr("duplicate ip address"));
                return refuse();
            }
        }
        VxCommModbusMaster *master = m_ctx.factory->createMaster(UnitRegistry::channelOf(iface));
        m_ctx.settings->configureMaster(master);
        reg.adoptMaster(master);
        m_ctx.watchMaster(master);
        record->master = master;
        record->masterCreated = true;
    }
    record->master->VxCommSetChannel(UnitRegistry::channelOf(iface));
    record->master->VxCommSetUnitAddress(number);

    UnitRecord *pending = reg.addPending(std::move(record));
    importfileThread *worker = m_ctx.makeWorker(pending, importfileThread::AddUnit);
    worker->setFileMode(r.datafilemode, r.filepath);
    worker->setNewLink(pending->masterCreated && serial);
    worker->start(QThread::InheritPriority);
    emit connectStarted(describe(pending->entry));
    return true;
}

void UnitConnector::identificationResult(const QStringList &entry, const QString &deviceFile, int status)
{
    UnitRegistry &reg = *m_ctx.registry;
    UnitRecord *found = nullptr;
    for (UnitRecord *p : reg.pending()) {
        if (F::sameUnit(p->entry, entry)) {
            found = p;
            break;
        }
    }
    if (!found)
        return; // the attempt was abandoned (close-down) before its result came in
    std::unique_ptr<UnitRecord> record = reg.takePending(found);

    if (status < 0) {
        QString message;
        switch (status) {
        case -4:
            message = tr("No Connection with given IP");
            break;
        case -2:
            message = tr("No CSV File");
            break;
        case -1:
            message = tr("Invalid CSV File");
            break;
        default:
            message = tr("No Device Link");
        }
        log(record->entry, tr("failure"), message);
        emit statusText(tr("Could not connect %1: %2").arg(describe(record->entry), message));
        dispose(std::move(record));
        emit connectAttemptEnded();
        return;
    }

    record->entry = entry;
    accept(std::move(record), deviceFile.isEmpty() ? F::at(entry, F::DeviceFile) : deviceFile, true);
}

bool UnitConnector::acceptScanned(const QStringList &entry, VxCommModbusMaster *master)
{
    if (!master)
        return false;
    UnitRegistry &reg = *m_ctx.registry;
    // The units of one RS485 port share their master: it is adopted and watched once.
    if (!reg.ownsMaster(master)) {
        reg.adoptMaster(master);
        m_ctx.watchMaster(master);
    }
    auto record = std::make_unique<UnitRecord>();
    record->entry = entry;
    record->master = master;
    record->masterCreated = true;
    return accept(std::move(record), F::at(entry, F::DeviceFile), false);
}

bool UnitConnector::accept(std::unique_ptr<UnitRecord> record, const QString &deviceFile, bool manual)
{
    UnitRegistry &reg = *m_ctx.registry;
    const QStringList entry = record->entry;
    while (record->entry.size() < F::Count)
        record->entry.append(QString());
    record->entry[F::State] = F::connected();
    const QString file = deviceFilePath(deviceFile);
    record->model = m_ctx.factory->createModel(
        file, m_ctx.settings->record().language, F::at(entry, F::Inom), F::at(entry, F::Pnom));
    record->controlModule = m_ctx.control->createControlModule(record->entry, file);
    record->oscDevice = m_ctx.osc->createDeviceOnMaster(record->entry, file, record->master);
    const SignalCatalogue catalogue
        = SignalCatalogueReader::readFile(file, m_ctx.settings->record().language);
    record->activeTripRegister = catalogue.activeTripRegister();
    record->trips = catalogue.trips;
    const int iface = UnitRegistry::interfaceIndex(F::at(entry, F::Interface));
    UnitRecord *accepted = reg.append(std::move(record));
    log(accepted->entry, tr("success"), tr("device link established"));
    if (accepted->model) {
        for (const QString &overlap : accepted->model->registerOverlaps())
            log(accepted->entry, tr("warning"), tr("register overlap in the CSV file: %1").arg(overlap));
    }
    emit unitsChanged(iface);
    emit unitAccepted(accepted);
    if (manual) {
        emit statusText(
            tr("Connected %1 (%2)").arg(F::at(accepted->entry, F::Name), describe(accepted->entry)));
        emit connectAttemptEnded();
    }

    if (!accepted->model || !accepted->model->isValid() || !m_ctx.osc->deviceValid(accepted->oscDevice)) {
        error(tr("Error in CSV file \n Please provide correct CSV file"));
        removeUnit(accepted->entry, !manual);
        return false;
    }
    // A scan reads all its units at once afterwards ("AutoImportActive").
    if (manual && m_ctx.settings->record().importActive)
        emit importRequested(accepted->model, accepted->entry);
    return true;
}

void UnitConnector::markInMaster(UnitRecord *record, bool connected)
{
    const int address = F::at(record->entry, F::Number).toInt();
    // Under the master's lock, so no exchange of another worker sees half a change.
    QMutexLocker lock(record->master->VxCommMutex());
    record->master->VxCommAddUnitHealth(
        address, connected ? QString(F::connected()) : QString(F::disconnected()), connected ? "1" : "0");
}

void UnitConnector::disconnectOrReconnect(const QString &str, const QStringList &entry)
{
    UnitRecord *record = m_ctx.registry->find(entry);
    if (!record || record->reconnecting)
        return;
    if (str.contains(tr("Disconnect"))) {
        markInMaster(record, false);
        if (F::at(record->entry, F::Interface) != F::tcpIp()) {
            // The adapter is left to other programs while no unit on it is connected; Connect
            // opens it again.
            QMutexLocker lock(record->master->VxCommMutex());
            if (record->master->VxCommConnectedUnitCount() == 0)
                record->master->VxCommCloseLink();
        }
        record->heldDisconnected = true;
        record->entry[F::State] = F::disconnected();
        log(record->entry, tr("success"), tr("device link disconnected"));
        emit unitStateChanged(record->entry);
        return;
    }

    VxCommModbusMaster *master = record->master;
    const bool serial = F::at(record->entry, F::Interface) != F::tcpIp();
    if (serial && !master->VxCommIsLinkOpen()) {
        const int opened = master->VxCommOpenSerialLink(F::at(record->entry, F::Port),
            F::at(record->entry, F::Baudrate).toInt(), F::at(record->entry, F::Parity));
        if (opened < 0) {
            error(tr("Config Error"));
            log(record->entry, tr("failure"), tr("device link not reconnected"));
            return;
        }
    }
    markInMaster(record, true);
    record->reconnecting = true;
    importfileThread *worker = m_ctx.makeWorker(record, importfileThread::AddUnit);
    worker->setFileMode(record->fileMode, record->filePath);
    worker->setNewLink(false);
    QPointer<importfileThread> guard(worker);
    connect(
        worker, &importfileThread::vxUnitInfo, this,
        [this, record, guard](
            QStringList, QString, QString, QString, double, QString, QString, QString, bool, int status) {
            if (guard)
                reconnectResult(record, guard.data(), status);
        },
        Qt::QueuedConnection);
    worker->start(QThread::InheritPriority);
}

void UnitConnector::reconnectResult(UnitRecord *record, importfileThread *worker, int status)
{
    int iface = 0, index = 0;
    // The unit may have gone while identification ran; then the record is no longer listed.
    if (!m_ctx.registry->locate(record, &iface, &index) || !record->threads.contains(worker))
        return;
    record->reconnecting = false;
    if (status >= 0) {
        record->heldDisconnected = false;
        record->entry[F::State] = F::connected();
        log(record->entry, tr("success"), tr("device link reconnected"));
        emit unitStateChanged(record->entry);
        m_ctx.prompter->information(m_ctx.parent, tr("Information"), tr("Device Link is established"));
        return;
    }
    QString box = tr("No Device Link"), row = tr("device link not reconnected");
    if (status == -2)
        box = row = tr("No CSV File found");
    else if (status == -1)
        box = row = tr("Invalid CSV File");
    markInMaster(record, false);
    record->heldDisconnected = true;
    record->entry[F::State] = F::disconnected();
    error(box);
    log(record->entry, tr("failure"), row);
    emit unitStateChanged(record->entry);
}

bool UnitConnector::removeUnit(const QStringList &entry, bool cleanUp)
{
    if (m_ctx.osc->isRecording()) {
        error(tr("Oscilloscope Record in Progress.Please stop before Removing"));
        return false;
    }
    UnitRegistry &reg = *m_ctx.registry;
    int iface = 0, index = 0;
    UnitRecord *record = reg.find(entry, &iface, &index);
    if (!record)
        return false;
    if (!cleanUp && F::at(record->entry, F::State) == F::connected()
        && !m_ctx.control->offerControlSource({ record->entry }))
        return false;

    emit unitAboutToBeRemoved(record);
    // Flags for every worker of the unit (the status, trip-log and control cycles included), but
    // no wait: a worker in an exchange with a slow unit would hold up the window. What still runs
    // keeps the record, and with it the master, until its finished() has come (workerFinished).
    // The acquisition thread ends with the device.
    bool ended = ThreadSupervisor::stopWorkers(record->threads, true, 0);
    if (auto *left = qobject_cast<importfileThread *>(m_ctx.osc->removeDevice(record->oscDevice))) {
        // The acquisition is still in an exchange on the unit's master: the record stays until
        // it has ended.
        record->threads.append(left);
        QPointer<importfileThread> guard(left);
        connect(
            left, &QThread::finished, this,
            [this, guard] {
                if (guard)
                    workerFinished(guard.data());
            },
            Qt::QueuedConnection);
        ended = false;
    }
    record->oscDevice = nullptr;
    log(record->entry, tr("success"), tr("device link removed"));
    if (iface != UnitRegistry::RS232)
        emit alertNotifcation(LinkInformation::row(record->entry, tr("success"), tr("device link removed")));
    m_ctx.control->removeControlModule(record->controlModule);
    record->controlModule = nullptr;
    std::unique_ptr<UnitRecord> taken = reg.take(iface, index);
    taken->entry[F::State] = F::disconnected();
    const QStringList last = taken->entry;
    if (ended)
        finalize(std::move(taken));
    else
        reg.addRetiring(std::move(taken)); // freed when its last worker has ended
    emit unitsChanged(iface);
    emit unitRemoved(last);
    if (reg.total() == 0)
        m_ctx.control->showNoUnit();
    return true;
}

void UnitConnector::dispose(std::unique_ptr<UnitRecord> record)
{
    if (ThreadSupervisor::stopWorkers(record->threads, true, 0))
        finalize(std::move(record));
    else
        m_ctx.registry->addRetiring(std::move(record));
}

void UnitConnector::finalize(std::unique_ptr<UnitRecord> record)
{
    for (importfileThread *worker : record->threads) {
        worker->wait();
        delete worker;
    }
    record->threads.clear();
    if (record->master) {
        // The master may stay with other units of its RS485 port: it must forget this one. Taken
        // once the unit's own workers have ended, so only another unit's exchange can hold the lock.
        QMutexLocker lock(record->master->VxCommMutex());
        record->master->VxCommRemoveUnitHealth(F::at(record->entry, F::Number).toInt());
    }
    if (record->model) {
        emit modelAboutToBeDeleted(record->model);
        delete record->model;
        record->model = nullptr;
    }
    VxCommModbusMaster *master = record->master;
    record.reset();
    // Another unit on the same RS485 port keeps the master and its open port.
    const bool closed = m_ctx.registry->releaseMaster(master);
    qDebug() << (closed ? "com not in use" : "com in use");
}

void UnitConnector::workerFinished(importfileThread *worker)
{
    UnitRegistry &reg = *m_ctx.registry;
    QList<UnitRecord *> all = reg.pending() + reg.retiring();
    for (int i = 0; i < UnitRegistry::InterfaceCount; ++i)
        for (int n = 0; n < reg.count(i); ++n)
            all.append(reg.record(i, n));
    for (UnitRecord *record : all) {
        if (!record->threads.removeOne(worker))
            continue;
        // finished() comes from the worker's thread just before it ends; wait for the very end.
        worker->wait();
        worker->deleteLater();
        if (record->threads.isEmpty() && reg.retiring().contains(record))
            finalize(reg.takeRetiring(record));
        return;
    }
}

void UnitConnector::setHooks(ControlPanelHook *control, OscilloscopeHook *osc)
{
    m_ctx.control = control;
    m_ctx.osc = osc;
}

void UnitConnector::abandonPending()
{
    for (UnitRecord *record : m_ctx.registry->pending())
        dispose(m_ctx.registry->takePending(record));
}

int UnitConnector::retiringCount() const
{
    return m_ctx.registry->retiring().size();
}

void UnitConnector::drainRetiring(int timeoutMs)
{
    for (UnitRecord *record : m_ctx.registry->retiring()) {
        if (ThreadSupervisor::stopWorkers(record->threads, true, timeoutMs))
            finalize(m_ctx.registry->takeRetiring(record));
    }
}

void UnitConnector::activeFaultRead(UnitRecord *record, int code)
{
    int iface = 0, index = 0;
    // The unit may have gone while the reading was under way.
    if (!m_ctx.registry->locate(record, &iface, &index) || code == record->activeFault)
        return;
    const int before = record->activeFault;
    record->activeFault = code;
    // The first reading of a unit that is not tripped announces nothing.
    if (code <= 0 && before <= 0)
        return;
    const QString row = code > 0
        ? LinkInformation::row(record->entry, tr("failure"),
            tr("drive trip: %1").arg(record->trips.faultText(code)), LinkInformation::kindError())
        : LinkInformation::row(record->entry, tr("success"),
            tr("drive trip cleared: %1").arg(record->trips.faultText(before)), LinkInformation::kindError());
    emit alertRow(row);
    emit alertNotifcation(row);
}

void UnitConnector::stateChanged(UnitRecord *record, const QString &state)
{
    const bool recovered = F::at(record->entry, F::State) == F::disconnected() && state == F::connected();
    record->entry[F::State] = state;
    emit unitStateChanged(record->entry);
    m_ctx.osc->unitStateChanged(record->entry);
    if (!recovered)
        return;
    // The unit answers again: its failure on the alert line is over.
    const QString row = LinkInformation::row(record->entry, tr("success"), tr("device answers again"));
    emit linkInformation(row);
    emit alertNotifcation(row);
}

void UnitConnector::activityChanged(int unitId, int commType, const QString &linkName, const QString &message)
{
    UnitRegistry &reg = *m_ctx.registry;
    const int iface = commType - 1;
    QString state;
    if (message == QLatin1String("Device-Inactive"))
        state = F::disconnected();
    else if (message == QLatin1String("Device-Active"))
        state = F::connected();
    else
        return;
    VxCommModbusMaster *master = nullptr;
    for (int n = 0; n < reg.count(iface); ++n) {
        UnitRecord *r = reg.record(iface, n);
        const QString link
            = iface == UnitRegistry::TCPIP ? F::at(r->entry, F::IpAddress) : F::at(r->entry, F::Port);
        if (F::at(r->entry, F::Number).toInt() == unitId && link == linkName) {
            master = r->master;
            if (F::at(r->entry, F::State) != state)
                stateChanged(r, state);
        }
    }
    if (!master)
        return;
    // Units sharing the port follow their master's own view of them.
    for (int n = 0; n < reg.count(iface); ++n) {
        UnitRecord *r = reg.record(iface, n);
        if (r->master != master || r->reconnecting)
            continue;
        // Connected for the master means: not disconnected by the user and answering lately.
        const QStringList health = master->VxCommGetUnitHealth(F::at(r->entry, F::Number).toInt());
        if (health.isEmpty())
            continue;
        const bool answering = health.value(1) == F::connected() && health.value(2) != QLatin1String("0");
        const QString own = answering && (iface == UnitRegistry::TCPIP || master->VxCommIsLinkOpen())
            ? QString(F::connected())
            : QString(F::disconnected());
        if (F::at(r->entry, F::State) != own)
            stateChanged(r, own);
    }
}

void UnitConnector::healthReport(int msgType, int unitId, int commType, const QString &portName,
    const QString &errMsg, const QStringList &txData, const QStringList &rxData)
{
    QStringList entry;
    for (const QStringList &e : m_ctx.registry->infoList(commType - 1)) {
        const QString link = commType == 3 ? F::at(e, F::IpAddress) : F::at(e, F::Port);
        if (F::at(e, F::Number).toInt() == unitId && link == portName)
            entry = e;
    }
    const QString name = F::at(entry, F::Name);
    if (!txData.isEmpty())
        emit linkInformation(LinkInformation::byteLine(unitId, name, true, txData));
    if (!rxData.isEmpty())
        emit linkInformation(LinkInformation::byteLine(unitId, name, false, rxData));

    const bool listed = !entry.isEmpty();
    if (!listed) {
        // A unit not (or no longer) listed: the report still says where it came from.
        entry = QStringList { QString::number(unitId), QString(), QString(),
            UnitRegistry::interfaceName(commType - 1), commType == 3 ? QString() : portName, QString(),
            QString(), commType == 3 ? portName : QString() };
    }
    if (msgType == 1 || msgType == 3) {
        const QString row = LinkInformation::row(
            entry, msgType == 3 ? tr("failure") : tr("warning"), errMsg, LinkInformation::kindError());
        emit linkInformation(row); // the log adds it to the alerts too
        emit alertNotifcation(row);
    } else if (msgType == ScanOps::SilentCandidate) {
        // Logged for the record; the scan's summary says what was found.
        emit linkInformation(LinkInformation::row(entry, tr("failure"), errMsg, LinkInformation::kindScan()));
    } else if (msgType == 2) {
        activityChanged(unitId, commType, portName, errMsg);
    } else if (msgType == VxCommModbusMaster::HealthNote && listed) {
        emit linkInformation(LinkInformation::row(entry, tr("success"), errMsg));
    }
}
