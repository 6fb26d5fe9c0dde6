#pragma once

#include "recordingwriter.h"
#include "unithooks.h"

#include <QList>
#include <QObject>
#include <QTimer>
#include <memory>

class OscUnitDev;
class importfileThread;
struct TriggerSetup;

// The oscilloscope devices of the connected units and their acquisition workers: one device per
// accepted unit (numbered by a running count), deleted with the unit; recording start and stop
// for all of them, and the running recording file appended every 30 s and at stop.
//
// The user-interface thread never waits on the bus: a stop sets the workers' flags and learns of
// their end through their finished signals; a worker that outlives StopWaitMs (a stuck link) is
// left to end on its own, and the next start picks it up again once it has.
class OscDeviceKeeper : public QObject, public OscilloscopeHook
{
    Q_OBJECT
public:
    static constexpr int AutoSaveMs = 30000;
    static constexpr int StopWaitMs = 8000;

    explicit OscDeviceKeeper(QObject *parent = nullptr);
    ~OscDeviceKeeper() override;

    bool isRecording() const override { return m_recording; }
    QObject *createDevice(const QStringList &entry, const QString &deviceFile) override;
    QObject *createDeviceOnMaster(
        const QStringList &entry, const QString &deviceFile, VxCommModbusMaster *master) override;
    bool deviceValid(QObject *device) const override;
    QThread *removeDevice(QObject *device) override;
    // Close-down: stops a running recording and waits (bounded) for every acquisition worker.
    void waitForThreads() override;

    // The devices in the order of their unit numbers in a recording: RS232, RS485, TCP/IP units,
    // each interface in the order the units were accepted.
    QList<OscUnitDev *> devices() const;
    importfileThread *worker(const OscUnitDev *device) const;
    RecordingWriter &writer() { return m_writer; }
    ulong interval() const { return m_interval; }

    // Starts acquisition on every device that has a link; false when none has.
    bool startRecording();
    // Stops every acquisition without waiting; recordingStopped() follows once every worker has
    // ended (or StopWaitMs has passed), with the last rows appended. False when none was running.
    bool stopRecording();
    // Between stopRecording() and recordingStopped().
    bool isStopping() const { return m_stopping; }
    // The trigger of one device for the next recording.
    void applyTrigger(OscUnitDev *device, const TriggerSetup &settings);

public slots:
    // New sampling interval (10 ms or more) for the workers and the devices.
    void setInterval(ulong msecs);
    // The program's language (0..10): new devices name their signals in it, present ones rename.
    void onLangTranslation(int language);

signals:
    // The connections of every unit, as the oscilloscope view makes them.
    void vxUISigStartOscClicked();
    void vxUISigTimerstopped();
    void vxUISigSetThreadInterval(ulong msecs);
    void vxOscUISaveFinished();
    void vxUISigGetLastxaxis2value();
    // The running file could not be written: title and text of the box to show.
    void recordingFileFailed(QString title, QString message);
    // The acquisition has ended and the running file holds every row.
    void recordingStopped(RecordingWriter::Status status);

private:
    struct Unit
    {
        OscUnitDev *device = nullptr;
        importfileThread *worker = nullptr; // null without a master
    };
    RecordingWriter::Status appendRunningFile();
    bool workersEnded() const;
    void finishStop();

    QList<Unit> m_units;
    int m_runningNumber = 0;
    int m_language = 0;
    ulong m_interval = 250;
    bool m_recording = false;
    bool m_stopping = false;
    RecordingWriter m_writer;
    QTimer m_autoSave;
    QTimer m_stopWait;
};
