#pragma once

#include "recordingcontroller.h"
#include "unithooks.h"

#include <QList>
#include <QObject>
#include <memory>

class OscUnitDev;
class importfileThread;

// The oscilloscope devices of the connected units and their acquisition workers: one device per
// accepted unit (numbered by a running count), made with the unit and deleted with it. The
// recording itself runs in the recording controller, which gets each unit's device and worker.
class OscDeviceKeeper : public QObject, public OscilloscopeHook
{
    Q_OBJECT
public:
    explicit OscDeviceKeeper(QObject *parent = nullptr);
    ~OscDeviceKeeper() override;

    bool isRecording() const override { return m_recording.isRecording(); }
    QObject *createDevice(const QStringList &entry, const QString &deviceFile) override;
    QObject *createDeviceOnMaster(
        const QStringList &entry, const QString &deviceFile, VxCommModbusMaster *master) override;
    bool deviceValid(QObject *device) const override;
    QThread *removeDevice(QObject *device) override;
    // Close-down: stops a running recording and waits (bounded) for every acquisition worker.
    void waitForThreads() override;

    RecordingController &recording() { return m_recording; }
    importfileThread *worker(const OscUnitDev *device) const;

public slots:
    // The program's language (0..10): new devices name their signals in it, present ones rename.
    void onLangTranslation(int language);

private:
    class WorkerLink;
    struct Unit
    {
        OscUnitDev *device = nullptr;
        std::unique_ptr<WorkerLink> link; // null without a master
    };

    std::vector<Unit> m_units;
    int m_runningNumber = 0;
    int m_language = 0;
    RecordingController m_recording;
};
