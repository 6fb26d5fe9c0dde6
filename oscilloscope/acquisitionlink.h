#pragma once

#include <QDeadlineTimer>
#include <QtGlobal>

// One unit's acquisition on its link, as the recording controller drives it. The unit side (the
// unit's worker thread) implements it; every call comes from the user-interface thread and none
// waits on the bus except waitForEnd().
class AcquisitionLink
{
public:
    virtual ~AcquisitionLink() = default;
    // Starts the cycles (a worker still ending restarts once it has ended).
    virtual void startAcquisition() = 0;
    // Asks the cycles to end; the end is reported to RecordingController::acquisitionEnded().
    virtual void stopAcquisition() = 0;
    virtual void setAcquisitionInterval(ulong msecs) = 0;
    // Empties the unit's sample store before a new recording.
    virtual void clearAcquisition() = 0;
    // Cycles are running (or the last one has not yet returned).
    virtual bool isAcquiring() const = 0;
    // Close-down: waits until the cycles have ended or the deadline has passed.
    virtual void waitForEnd(QDeadlineTimer deadline) = 0;
};
