// The oscilloscope acquisition of the unit worker.
#include "acquisitionsink.h"
#include "devicefiles.h"
#include "linktap.h"
#include "vxcommreply.h"
#include "workerfailure.h"
#include "workeroperations.h"

#include <QElapsedTimer>

namespace WorkerOps {

int acquisitionWait(int intervalMs, qint64 elapsedMs)
{
    return intervalMs > elapsedMs ? int(intervalMs - elapsedMs) : AcquisitionMinGapMs;
}

bool acquisitionCycle(Context &ctx, AcquisitionSink *sink)
{
    if (!ctx.master || !sink)
        return false;
    QElapsedTimer timer;
    timer.start();
    const QVector<quint16> addresses = sink->blockAddresses();
    const QVector<quint16> counts = sink->blockCounts();
    QByteArray bytes;
    bytes.reserve(2 * sink->signalCount());
    bool valid = false;
    quint8 reply[1024] = {};
    const LinkPurposeScope purpose(LinkPurpose::Oscilloscope);
    for (int i = 0; i < addresses.size() && i < counts.size(); ++i) {
        LinkPurposeScope::setDetail(i + 1);
        int code = 0;
        const int count = counts.at(i);
        const int type = DeviceFiles::tableTypeOf(addresses.at(i));
        const Exchange outcome = exchange(ctx, type, addresses.at(i), 0, count, 0, nullptr, reply, &code);
        // Reply: unit, function, byte count, data; a block that does not come back whole makes
        // the cycle invalid, as any other read would be.
        if (outcome != Exchange::Ok || !VxCommReply::hasItems(reply, code, type, count)) {
            valid = false;
            break;
        }
        valid = true;
        const int carried = (type == 1 || type == 2) ? (count + 7) / 8 : 2 * count;
        bytes.append(reinterpret_cast<const char *>(reply + 3), qMin(carried, int(sizeof reply) - 3));
    }
    if (isRemoved(ctx))
        return false;
    if (bytes.size() / 2 != sink->signalCount() || bytes.size() % 2)
        valid = false;
    sink->addSample(bytes, valid);
    sink->setLastCycleTime(int(timer.elapsed()));
    return valid;
}

Result acquire(Context &ctx, AcquisitionSink *sink, const std::function<int()> &interval)
{
    if (!ctx.master || !sink)
        return Failed;
    while (isRunning(ctx) && !isRemoved(ctx)) {
        QElapsedTimer timer;
        timer.start();
        acquisitionCycle(ctx, sink);
        if (!isRunning(ctx) || isRemoved(ctx))
            break;
        // A timed wait on the worker's wait condition: a stop ends it at once.
        pauseFor(ctx, acquisitionWait(interval ? interval() : sink->interval(), timer.elapsed()));
    }
    return isRemoved(ctx) ? Removed : Completed;
}

} // namespace WorkerOps
