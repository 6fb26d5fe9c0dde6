#include "oscdevicekeeper.h"

#include "importfilethread.h"
#include "oscunitdev.h"
#include "unitentryfields.h"
#include "unitregistry.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <algorithm>

OscDeviceKeeper::OscDeviceKeeper(QObject *parent)
    : QObject(parent)
{
    m_autoSave.setInterval(AutoSaveMs);
    connect(&m_autoSave, &QTimer::timeout, this, [this] {
        qDebug() << "Automatic save started";
        appendRunningFile();
    });
    qRegisterMetaType<RecordingWriter::Status>();
    m_stopWait.setSingleShot(true);
    m_stopWait.setInterval(StopWaitMs);
    connect(&m_stopWait, &QTimer::timeout, this, &OscDeviceKeeper::finishStop);
}

OscDeviceKeeper::~OscDeviceKeeper()
{
    waitForThreads();
    // Close-down: a worker still in an exchange is waited for by its destructor.
    while (!m_units.isEmpty())
        delete removeDevice(m_units.first().device);
}

QObject *OscDeviceKeeper::createDevice(const QStringList &entry, const QString &deviceFile)
{
    return createDeviceOnMaster(entry, deviceFile, nullptr);
}

QObject *OscDeviceKeeper::createDeviceOnMaster(
    const QStringList &entry, const QString &deviceFile, VxCommModbusMaster *master)
{
    QStringList deviceEntry = entry;
    while (deviceEntry.size() <= UnitEntryField::DeviceFile)
        deviceEntry.append(QString());
    if (!deviceFile.isEmpty())
        deviceEntry[UnitEntryField::DeviceFile] = deviceFile;
    const int unitNumber = UnitEntryField::at(entry, UnitEntryField::Number).toInt();
    Unit unit;
    unit.device = new OscUnitDev(deviceEntry, ++m_runningNumber, unitNumber, m_language, this);
    qDebug() << "oscidevcsvfilestatus" << unit.device->catalogueValid();
    unit.device->setInterval(m_interval);
    connect(this, &OscDeviceKeeper::vxUISigSetThreadInterval, unit.device, &OscUnitDev::setInterval);
    connect(this, &OscDeviceKeeper::vxUISigGetLastxaxis2value, unit.device,
        &OscUnitDev::vxOscSlotUpdateLastxaxis2value);
    if (master) {
        unit.worker = new importfileThread(master, deviceEntry, nullptr, this);
        unit.worker->setOscDevice(unit.device);
        unit.worker->setInterval(m_interval);
        // Worker and keeper both live in the user-interface thread: these run at once, so a
        // start that follows a clear finds the store already empty.
        connect(this, &OscDeviceKeeper::vxUISigStartOscClicked, unit.worker, &importfileThread::threadStart);
        connect(this, &OscDeviceKeeper::vxUISigTimerstopped, unit.worker, &importfileThread::setStop);
        connect(
            this, &OscDeviceKeeper::vxUISigSetThreadInterval, unit.worker, &importfileThread::setInterval);
        connect(this, &OscDeviceKeeper::vxOscUISaveFinished, unit.worker, &importfileThread::Clear);
        // Queued from the worker's thread: the stop completes in this thread once all have ended.
        connect(
            unit.worker, &QThread::finished, this,
            [this] {
                if (m_stopping && workersEnded())
                    finishStop();
            },
            Qt::QueuedConnection);
    }
    m_units.append(unit);
    return unit.device;
}

bool OscDeviceKeeper::deviceValid(QObject *device) const
{
    for (const Unit &unit : m_units)
        if (unit.device == device)
            return !unit.device->catalogueFaulty();
    return true;
}

QThread *OscDeviceKeeper::removeDevice(QObject *device)
{
    for (int i = 0; i < m_units.size(); ++i) {
        if (m_units.at(i).device != device)
            continue;
        const Unit unit = m_units.takeAt(i);
        if (unit.worker) {
            unit.worker->disconnect(this);
            disconnect(this, nullptr, unit.worker, nullptr);
            unit.worker->setStop();
            unit.worker->setRemoveFlag(true);
            if (unit.worker->isRunning() && !unit.worker->isOperationFinished()) {
                // Still in an exchange: the device stays with the worker until both go.
                unit.worker->setParent(nullptr);
                unit.device->setParent(unit.worker);
                return unit.worker;
            }
            delete unit.worker; // ended, or ending this moment: its destructor waits for the end
        }
        delete unit.device;
        return nullptr;
    }
    return nullptr;
}

void OscDeviceKeeper::waitForThreads()
{
    qDebug() << "--->vxUIWaitForOsciThreadStop";
    // A recording still running at close-down ends properly: the running file gets its last rows
    // and nothing is left recording that would refuse the removal of the units after it.
    if (m_recording)
        stopRecording();
    for (const Unit &unit : qAsConst(m_units))
        if (unit.worker)
            unit.worker->setStop();
    QDeadlineTimer deadline(StopWaitMs);
    for (const Unit &unit : qAsConst(m_units))
        if (unit.worker)
            unit.worker->wait(deadline);
    if (m_stopping)
        finishStop();
    qDebug() << "<---vxUIWaitForOsciThreadStop";
}

QList<OscUnitDev *> OscDeviceKeeper::devices() const
{
    QList<OscUnitDev *> list;
    for (const Unit &unit : m_units)
        list.append(unit.device);
    auto rank = [](const OscUnitDev *device) {
        const int iface = UnitRegistry::interfaceIndex(
            UnitEntryField::at(device->unitEntry(), UnitEntryField::Interface));
        return iface < 0 ? UnitRegistry::InterfaceCount : iface;
    };
    std::stable_sort(list.begin(), list.end(),
        [&rank](const OscUnitDev *a, const OscUnitDev *b) { return rank(a) < rank(b); });
    return list;
}

importfileThread *OscDeviceKeeper::worker(const OscUnitDev *device) const
{
    for (const Unit &unit : m_units)
        if (unit.device == device)
            return unit.worker;
    return nullptr;
}

void OscDeviceKeeper::setInterval(ulong msecs)
{
    if (msecs < 10)
        return;
    m_interval = msecs;
    emit vxUISigSetThreadInterval(msecs);
}

void OscDeviceKeeper::onLangTranslation(int language)
{
    m_language = language;
    for (const Unit &unit : qAsConst(m_units))
        unit.device->onLangTranslation(language);
}

bool OscDeviceKeeper::startRecording()
{
    if (m_recording)
        return true;
    bool any = false;
    for (const Unit &unit : qAsConst(m_units))
        any = any || unit.worker;
    if (!any)
        return false;
    // A stop still waiting for its workers is over: its rows are written before the new start.
    if (m_stopping)
        finishStop();
    emit vxOscUISaveFinished();
    QList<OscUnitDev *> taking;
    for (OscUnitDev *device : devices())
        if (worker(device))
            taking.append(device);
    m_writer.setDevices(taking);
    m_writer.start();
    m_recording = true;
    emit vxUISigStartOscClicked();
    m_autoSave.start();
    return true;
}

bool OscDeviceKeeper::stopRecording()
{
    if (!m_recording)
        return false;
    m_autoSave.stop();
    emit vxUISigTimerstopped();
    for (const Unit &unit : qAsConst(m_units))
        unit.device->stopTrigger();
    m_recording = false;
    m_stopping = true;
    if (workersEnded())
        finishStop();
    else
        m_stopWait.start();
    return true;
}

bool OscDeviceKeeper::workersEnded() const
{
    for (const Unit &unit : m_units)
        if (unit.worker && unit.worker->isRunning() && !unit.worker->isOperationFinished())
            return false;
    return true;
}

void OscDeviceKeeper::finishStop()
{
    if (!m_stopping)
        return;
    m_stopping = false;
    m_stopWait.stop();
    emit recordingStopped(appendRunningFile());
}

void OscDeviceKeeper::applyTrigger(OscUnitDev *device, const TriggerSetup &settings)
{
    if (device)
        device->applyTrigger(settings);
}

RecordingWriter::Status OscDeviceKeeper::appendRunningFile()
{
    const RecordingWriter::Status status = m_writer.append();
    if (status != RecordingWriter::Written)
        emit recordingFileFailed(tr("Information"), RecordingWriter::message(status));
    return status;
}
