#pragma once

#include "acquisitionsink.h"
#include "osctrigger.h"
#include "signalcatalogue.h"
#include "signaldecoding.h"

#include <QDateTime>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QStringList>
#include <QVector>
#include <atomic>
#include <functional>
#include <vector>

class QTextStream;

// The oscilloscope device of one unit: its signal catalogue, the sample store, the decoding of
// the raw words, the trigger and the writing of samples into recording files. It is the sink of
// the unit's acquisition worker.
//
// The object lives in the user-interface thread; addSample() runs on the acquisition worker's
// thread while the view reads and saves the store, so every access to the store takes m_lock.
// The store keeps each sample as its raw 16-bit words (decoded when read) and its time in
// milliseconds: a day of recording at 250 ms stays small, and the texts are made when needed.
class OscUnitDev : public QObject, public AcquisitionSink
{
    Q_OBJECT
public:
    // Milliseconds since the epoch.
    using Clock = std::function<qint64()>;

    // How a stored sample came about.
    enum SampleState : quint8 {
        Valid = 0,
        Repeated = 1, // a failed cycle repeating the previous values
        Zeroed = 2 // the third failed cycle in a row (or a failure before any value): 0 everywhere
    };

    // entry: the unit entry (field 8 names the device description file). runningNumber: the
    // tab controller's count of devices, naming the temporary files. language: 0..10.
    OscUnitDev(const QStringList &entry, int runningNumber, int unitNumber, int language = 0,
        QObject *parent = nullptr);
    ~OscUnitDev() override;

    QStringList unitEntry() const;
    int unitNumber() const { return m_unitNumber; }
    int runningNumber() const { return m_runningNumber; }
    bool catalogueValid() const { return m_catalogue.valid; }
    // The device description file has a recording section, and it is faulty.
    bool catalogueFaulty() const { return m_catalogue.present && !m_catalogue.valid; }
    QVector<quint16> blockAddresses() const override;
    QVector<quint16> blockCounts() const override;
    int signalCount() const override;
    QStringList signalNames() const;
    QList<QStringList> signalRows() const;
    SignalDecoding::Format signalFormat(int signal) const;

    // Replaces the clock (tests cross midnight with it). Set before acquisition starts.
    void setClock(const Clock &clock) { m_clock = clock; }
    qint64 nowMs() const { return m_clock ? m_clock() : QDateTime::currentMSecsSinceEpoch(); }

    // One cycle's bytes (big-endian words in catalogue order) from the worker's thread.
    void addSample(const QByteArray &bytes, bool valid) override;
    void setLastCycleTime(int msecs) override { m_lastCycleMs.store(msecs); }
    int lastCycleTime() const { return m_lastCycleMs.load(); }
    int interval() const override { return m_intervalMs.load(); }

    // Start of acquisition: trigger and recording state reset, the temporary files deleted.
    void startRecording() override;
    // Empties the store (Clear() of the worker).
    void clearSamples() override;
    // The trigger for the next recording (user-interface thread, before the worker starts).
    void applyTrigger(const TriggerSetup &settings);
    void stopTrigger();
    bool isTriggerWaiting() const;
    bool isTriggerCapturing() const;
    int triggerFilesWritten() const;
    QStringList triggerFiles() const;

    // ---- The store, read under the lock ----
    int sampleCount() const;
    SampleState sampleState(int sample) const;
    quint16 word(int signal, int sample) const;
    double value(int signal, int sample) const;
    // As the legend shows it, and as a recording file holds it.
    QString valueText(int signal, int sample) const;
    QString fileText(int signal, int sample) const;
    qint64 sampleTime(int sample) const; // milliseconds since the epoch
    double timeColumn(int sample) const; // whole seconds since the epoch
    QString timeText(int sample) const; // "hh:mm:ss AP,zzz"
    // Seconds since the first sample, from the real time difference (a recording that runs
    // past midnight keeps rising).
    double xValue(int sample) const;
    double lastXValue() const;
    double savedLastXValue() const;
    // The legend's "Curr\nValue" texts of the newest sample; empty when its cycle failed.
    QStringList currentValues() const;

    // ---- Recording files ----
    QString tempFileName() const; // "temp" + N + ".rec"
    QString offsetFileName() const; // "Offset" + N + ".txt"
    int writePointer() const;
    // Writes the rows not yet written with the given unit number and moves the write pointer;
    // returns the number of rows. Writes nothing when the catalogue does not fit its blocks.
    int writePendingRows(QTextStream &out, int unitNumber);
    // Rows [from, to] with the unit number (trigger files).
    int writeRows(QTextStream &out, int unitNumber, int from, int to) const;

public slots:
    void resizebuffer();
    void setInterval(ulong msecs);
    void vxOscSlotUpdateLastxaxis2value();
    void onLangTranslation(int langindex);

signals:
    // New sample data: the device, the signal names, the new rows (time text and value texts)
    // and the current values.
    void vxOscsigSendForDisplay(
        OscUnitDev *device, QStringList names, QList<QStringList> rows, QStringList currentValues);
    void vxOscTriggerStart();
    void vxOscTriggerStop();
    void langTranslationDone(OscUnitDev *device);
    void ParametersInAllLanguage(QVector<QVector<QStringList>> parametersInAllLanguage);

private:
    // A capture's samples and texts, copied under the lock and written without it: a long window
    // must not hold up the view, the auto-save and the acquisition.
    struct Capture
    {
        QDateTime triggerTime;
        QStringList entry;
        QStringList names;
        QStringList comment;
        bool writable = false;
        std::vector<qint64> times;
        std::vector<quint16> words;
        std::vector<quint8> states;
    };

    bool rowsWritable() const;
    QString rowText(int sample, int unitNumber) const;
    QString rowTextOf(qint64 time, const quint16 *words, quint8 state, int unitNumber) const;
    QString valueTextLocked(int signal, int sample, bool forFile) const;
    QString wordText(int signal, quint16 word, quint8 state, bool forFile) const;
    QStringList currentValuesLocked() const;
    Capture copyCapture(int from, int to, const QDateTime &triggerTime) const;
    // Writes a capture into a new trigger file; returns its path and size (-1: not written).
    qint64 writeTriggerFile(const Capture &capture, QString *path) const;

    mutable QMutex m_lock;
    QStringList m_entry;
    int m_runningNumber;
    int m_unitNumber;
    QString m_deviceFile;
    SignalCatalogue m_catalogue;
    QVector<SignalDecoding::Format> m_formats;
    int m_columns = 0; // words per sample
    Clock m_clock;

    std::vector<qint64> m_times;
    std::vector<quint16> m_words; // sample-major: sample i occupies [i * m_columns, (i + 1) * m_columns)
    std::vector<quint8> m_states;
    int m_failures = 0;
    int m_writePointer = 0;
    qint64 m_firstValidTime = -1;
    double m_firstValidX = 0.0;
    double m_savedLastX = 0.0;
    std::atomic<int> m_intervalMs { 250 };
    std::atomic<int> m_lastCycleMs { 0 };

    OscTrigger m_trigger;
    QStringList m_triggerFiles;
};
