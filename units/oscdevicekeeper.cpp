#include "oscdevicekeeper.h"

#include "importfilethread.h"
#include "oscunitdev.h"
#include "unitentryfields.h"
#include "unitregistry.h"

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
}

OscDeviceKeeper::~OscDeviceKeeper()
{
    waitForThreads();
    while (!m_units.isEmpty())
        removeDevice(m_units.first().device);
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
    }
    m_units.append(unit);
    return unit.device;
}

void OscDeviceKeeper::removeDevice(QObject *device)
{
    for (int i = 0; i < m_units.size(); ++i) {
        if (m_units.at(i).device != device)
            continue;
        const Unit unit = m_units.takeAt(i);
        if (unit.worker) {
            unit.worker->setStop();
            unit.worker->setRemoveFlag(true);
            unit.worker->wait(StopWaitMs);
            delete unit.worker; // its destructor waits for a worker still in an exchange
        }
        delete unit.device;
        return;
    }
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
    for (const Unit &unit : qAsConst(m_units))
        if (unit.worker)
            unit.worker->wait(StopWaitMs);
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

RecordingWriter::Status OscDeviceKeeper::stopRecording()
{
    if (!m_recording)
        return RecordingWriter::Written;
    m_autoSave.stop();
    emit vxUISigTimerstopped();
    for (const Unit &unit : qAsConst(m_units)) {
        if (unit.worker)
            unit.worker->wait(StopWaitMs);
        unit.device->stopTrigger();
    }
    m_recording = false;
    return appendRunningFile();
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
        emit recordingFileFailed(QStringLiteral("Information"), RecordingWriter::message(status));
    return status;
}
