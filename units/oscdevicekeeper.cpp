#include "oscdevicekeeper.h"

#include "acquisitionlink.h"
#include "importfilethread.h"
#include "oscunitdev.h"
#include "unitentryfields.h"

#include <QDebug>

// A unit's acquisition worker as the recording controller drives it.
class OscDeviceKeeper::WorkerLink : public AcquisitionLink
{
public:
    explicit WorkerLink(importfileThread *worker)
        : m_worker(worker)
    { }
    importfileThread *worker() const { return m_worker; }
    // Worker and controller both live in the user-interface thread: these run at once, so a
    // start that follows a clear finds the store already empty.
    void startAcquisition() override { m_worker->threadStart(); }
    void stopAcquisition() override { m_worker->setStop(); }
    void setAcquisitionInterval(ulong msecs) override { m_worker->setInterval(msecs); }
    void clearAcquisition() override { m_worker->Clear(); }
    bool isAcquiring() const override { return m_worker->isRunning() && !m_worker->isOperationFinished(); }
    void waitForEnd(QDeadlineTimer deadline) override { m_worker->wait(deadline); }

private:
    importfileThread *m_worker;
};

OscDeviceKeeper::OscDeviceKeeper(QObject *parent)
    : QObject(parent)
{ }

OscDeviceKeeper::~OscDeviceKeeper()
{
    waitForThreads();
    // Close-down: a worker still in an exchange is waited for by its destructor.
    while (!m_units.empty())
        delete removeDevice(m_units.front().device);
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
    if (master) {
        auto *worker = new importfileThread(master, deviceEntry, nullptr, this);
        worker->setAcquisitionSink(unit.device);
        // Queued from the worker's thread: the stop completes in this thread once all have ended.
        connect(worker, &QThread::finished, &m_recording, &RecordingController::acquisitionEnded,
            Qt::QueuedConnection);
        unit.link = std::make_unique<WorkerLink>(worker);
    }
    m_recording.addUnit(unit.device, unit.link.get());
    m_units.push_back(std::move(unit));
    return m_units.back().device;
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
    for (auto it = m_units.begin(); it != m_units.end(); ++it) {
        if (it->device != device)
            continue;
        OscUnitDev *dev = it->device;
        importfileThread *worker = it->link ? it->link->worker() : nullptr;
        m_recording.removeUnit(dev);
        m_units.erase(it);
        if (worker) {
            worker->disconnect(&m_recording);
            worker->setStop();
            worker->setRemoveFlag(true);
            if (worker->isRunning() && !worker->isOperationFinished()) {
                // Still in an exchange: the device stays with the worker until both go.
                worker->setParent(nullptr);
                dev->setParent(worker);
                return worker;
            }
            delete worker; // ended, or ending this moment: its destructor waits for the end
        }
        delete dev;
        return nullptr;
    }
    return nullptr;
}

void OscDeviceKeeper::waitForThreads()
{
    qDebug() << "--->vxUIWaitForOsciThreadStop";
    m_recording.waitForAcquisitions();
    qDebug() << "<---vxUIWaitForOsciThreadStop";
}

importfileThread *OscDeviceKeeper::worker(const OscUnitDev *device) const
{
    for (const Unit &unit : m_units)
        if (unit.device == device)
            return unit.link ? unit.link->worker() : nullptr;
    return nullptr;
}

void OscDeviceKeeper::onLangTranslation(int language)
{
    m_language = language;
    for (const Unit &unit : m_units)
        unit.device->onLangTranslation(language);
}
