#include "recordingcontroller.h"

#include "acquisitionlink.h"
#include "oscunitdev.h"
#include "unitentryfields.h"

#include <QDebug>
#include <algorithm>

namespace F = UnitEntryField;

RecordingController::RecordingController(QObject *parent)
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
    connect(&m_stopWait, &QTimer::timeout, this, &RecordingController::finishStop);
}

RecordingController::~RecordingController() = default;

void RecordingController::addUnit(OscUnitDev *device, AcquisitionLink *link)
{
    if (!device)
        return;
    device->setInterval(m_interval);
    if (link)
        link->setAcquisitionInterval(m_interval);
    m_units.append({ device, link });
}

void RecordingController::removeUnit(const OscUnitDev *device)
{
    for (int i = 0; i < m_units.size(); ++i)
        if (m_units.at(i).device == device) {
            m_units.removeAt(i);
            return;
        }
}

QList<OscUnitDev *> RecordingController::devices() const
{
    QList<OscUnitDev *> list;
    for (const Unit &unit : m_units)
        list.append(unit.device);
    auto rank = [](const OscUnitDev *device) {
        const int iface = F::interfacePosition(F::at(device->unitEntry(), F::Interface));
        return iface < 0 ? F::InterfaceCount : iface;
    };
    std::stable_sort(list.begin(), list.end(),
        [&rank](const OscUnitDev *a, const OscUnitDev *b) { return rank(a) < rank(b); });
    return list;
}

QList<OscUnitDev *> RecordingController::devicesOf(int iface) const
{
    QList<OscUnitDev *> list;
    for (const Unit &unit : m_units)
        if (F::interfacePosition(F::at(unit.device->unitEntry(), F::Interface)) == iface)
            list.append(unit.device);
    return list;
}

bool RecordingController::hasLink(const OscUnitDev *device) const
{
    for (const Unit &unit : m_units)
        if (unit.device == device)
            return unit.link;
    return false;
}

void RecordingController::setInterval(ulong msecs)
{
    if (msecs < 10)
        return;
    m_interval = msecs;
    for (const Unit &unit : qAsConst(m_units)) {
        unit.device->setInterval(msecs);
        if (unit.link)
            unit.link->setAcquisitionInterval(msecs);
    }
}

bool RecordingController::startRecording()
{
    if (m_recording)
        return true;
    const bool any
        = std::any_of(m_units.cbegin(), m_units.cend(), [](const Unit &unit) { return unit.link; });
    if (!any)
        return false;
    // A stop still waiting for its acquisitions is over: its rows are written before the new start.
    if (m_stopping)
        finishStop();
    // Every store is emptied before any acquisition starts, so a start finds its store empty.
    for (const Unit &unit : qAsConst(m_units))
        if (unit.link)
            unit.link->clearAcquisition();
    QList<OscUnitDev *> taking;
    for (OscUnitDev *device : devices())
        if (hasLink(device))
            taking.append(device);
    m_writer.setDevices(taking);
    m_writer.start();
    m_recording = true;
    for (const Unit &unit : qAsConst(m_units))
        if (unit.link)
            unit.link->startAcquisition();
    m_autoSave.start();
    return true;
}

bool RecordingController::stopRecording()
{
    if (!m_recording)
        return false;
    m_autoSave.stop();
    for (const Unit &unit : qAsConst(m_units))
        if (unit.link)
            unit.link->stopAcquisition();
    for (const Unit &unit : qAsConst(m_units))
        unit.device->stopTrigger();
    m_recording = false;
    m_stopping = true;
    if (acquisitionsEnded())
        finishStop();
    else
        m_stopWait.start();
    return true;
}

void RecordingController::waitForAcquisitions()
{
    // A recording still running at close-down ends properly: the running file gets its last rows
    // and nothing is left recording that would refuse the removal of the units after it.
    if (m_recording)
        stopRecording();
    for (const Unit &unit : qAsConst(m_units))
        if (unit.link)
            unit.link->stopAcquisition();
    QDeadlineTimer deadline(StopWaitMs);
    for (const Unit &unit : qAsConst(m_units))
        if (unit.link)
            unit.link->waitForEnd(deadline);
    if (m_stopping)
        finishStop();
}

void RecordingController::acquisitionEnded()
{
    if (m_stopping && acquisitionsEnded())
        finishStop();
}

bool RecordingController::acquisitionsEnded() const
{
    return std::none_of(m_units.cbegin(), m_units.cend(),
        [](const Unit &unit) { return unit.link && unit.link->isAcquiring(); });
}

void RecordingController::finishStop()
{
    if (!m_stopping)
        return;
    m_stopping = false;
    m_stopWait.stop();
    emit recordingStopped(appendRunningFile());
}

void RecordingController::applyTrigger(OscUnitDev *device, const TriggerSetup &settings)
{
    if (device)
        device->applyTrigger(settings);
}

RecordingWriter::Status RecordingController::appendRunningFile()
{
    const RecordingWriter::Status status = m_writer.append();
    if (status != RecordingWriter::Written)
        emit recordingFileFailed(tr("Information"), RecordingWriter::message(status));
    return status;
}
