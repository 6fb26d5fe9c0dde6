#pragma once

#include "recordingwriter.h"

#include <QList>
#include <QObject>
#include <QTimer>

class AcquisitionLink;
class OscUnitDev;
struct TriggerSetup;

// Recording start and stop over the oscilloscope devices of the connected units, and the running
// recording file appended every 30 s and at stop. The units come and go through addUnit() and
// removeUnit(); the devices and their acquisition links stay with whoever added them.
//
// The user-interface thread never waits on the bus: a stop asks every acquisition to end and
// learns of the ends through acquisitionEnded(); an acquisition that outlives StopWaitMs (a stuck
// link) is left to end on its own, and the next start picks it up again once it has.
class RecordingController : public QObject
{
    Q_OBJECT
public:
    static constexpr int AutoSaveMs = 30000;
    static constexpr int StopWaitMs = 8000;

    explicit RecordingController(QObject *parent = nullptr);
    ~RecordingController() override;

    // A unit's device and, when the unit has a link, its acquisition (neither owned; both stay
    // valid until removeUnit()). The device takes the current interval.
    void addUnit(OscUnitDev *device, AcquisitionLink *link);
    void removeUnit(const OscUnitDev *device);

    // The devices in the order of their unit numbers in a recording: RS232, RS485, TCP/IP units,
    // each interface in the order the units were added.
    QList<OscUnitDev *> devices() const;
    // The devices of one interface (0 RS232, 1 RS485, 2 TCP/IP): the units the view offers.
    QList<OscUnitDev *> devicesOf(int iface) const;
    bool hasLink(const OscUnitDev *device) const;

    bool isRecording() const { return m_recording; }
    // Between stopRecording() and recordingStopped().
    bool isStopping() const { return m_stopping; }
    // Starts acquisition on every device that has a link; false when none has.
    bool startRecording();
    // Stops every acquisition without waiting; recordingStopped() follows once every one has
    // ended (or StopWaitMs has passed), with the last rows appended. False when none was running.
    bool stopRecording();
    // Close-down: stops a running recording and waits (bounded) for every acquisition to end.
    void waitForAcquisitions();
    // The trigger of one device for the next recording.
    void applyTrigger(OscUnitDev *device, const TriggerSetup &settings);

    RecordingWriter &writer() { return m_writer; }
    ulong interval() const { return m_interval; }
    // New sampling interval (10 ms or more) for the acquisitions and the devices.
    void setInterval(ulong msecs);

public slots:
    // An acquisition has ended; connect it queued from the worker's thread.
    void acquisitionEnded();

signals:
    // The running file could not be written: title and text of the box to show.
    void recordingFileFailed(QString title, QString message);
    // The acquisition has ended and the running file holds every row.
    void recordingStopped(RecordingWriter::Status status);

private:
    struct Unit
    {
        OscUnitDev *device = nullptr;
        AcquisitionLink *link = nullptr; // null without a link
    };
    RecordingWriter::Status appendRunningFile();
    bool acquisitionsEnded() const;
    void finishStop();

    QList<Unit> m_units;
    ulong m_interval = 250;
    bool m_recording = false;
    bool m_stopping = false;
    RecordingWriter m_writer;
    QTimer m_autoSave;
    QTimer m_stopWait;
};
