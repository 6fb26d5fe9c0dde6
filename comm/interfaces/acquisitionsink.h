#pragma once

#include <QByteArray>
#include <QVector>

// Where the acquisition worker hands a unit's recorded samples: the blocks to read each cycle
// and the store that takes their words. The unit's oscilloscope device implements it.
//
// addSample() and setLastCycleTime() run on the worker's thread; the rest is read there too, so
// an implementation guards its state itself.
class AcquisitionSink
{
public:
    virtual ~AcquisitionSink() = default;

    // The signal blocks: start register and number of items of each, read in this order.
    virtual QVector<quint16> blockAddresses() const = 0;
    virtual QVector<quint16> blockCounts() const = 0;
    // Words one cycle carries when every block came back whole.
    virtual int signalCount() const = 0;
    // One cycle's bytes (big-endian words in block order); valid false for a failed cycle.
    virtual void addSample(const QByteArray &bytes, bool valid) = 0;
    virtual void setLastCycleTime(int msecs) = 0;
    // The sampling interval in ms, when the worker is not given its own.
    virtual int interval() const = 0;
    // A new acquisition starts: trigger and recording state reset.
    virtual void startRecording() = 0;
    // Empties the store.
    virtual void clearSamples() = 0;
};
