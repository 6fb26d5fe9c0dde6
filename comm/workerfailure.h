#pragma once

#include "workeroperations.h"

// Shared by the operation files of the unit worker: flag checks, pauses and the handling of a
// failed exchange.
namespace WorkerOps {

bool isRemoved(const Context &ctx);
bool isRunning(const Context &ctx);
// Waits msecs, or less when running() turns false or removed() true.
void pauseFor(Context &ctx, int msecs);

// What was being done when an exchange failed; selects the message.
enum FailedWork { ReadSetValue, ReadOther, WriteSetValue, WriteOther, StatusRead, TriplogRead };

enum class Failure {
    Skip, // "ContinueDespiteCOMFault": go on with the next item
    Removed, // the unit is being removed: end without a word
    Stop // the message was reported: end the operation
};

// Decides how a failed exchange ends and reports its message when it ends the operation.
Failure handleFailure(Context &ctx, Exchange outcome, FailedWork work);

} // namespace WorkerOps
