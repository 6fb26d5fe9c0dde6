// The add-unit operation of the unit worker: link (TCP/IP), identify, read the control values.
#include "unitentryfields.h"
#include "vxcommidentify.h"
#include "vxcommmodbusmaster.h"
#include "workerfailure.h"
#include "workeroperations.h"

#include <QDebug>
#include <QThread>

namespace WorkerOps {

int addUnit(Context &ctx, const AddUnitRequest &request)
{
    qDebug() << "ADD UNIT " << QThread::currentThreadId();
    QStringList &entry = ctx.entry;
    while (entry.size() < UnitEntryField::Count)
        entry.append(QString());
    const bool tcp = entry.value(UnitEntryField::Interface) == UnitEntryField::tcpIp();
    VxCommIdentify::Identity identity;

    const auto report = [&](int status, const VxCommIdentify::ControlValues &control) {
        if (ctx.out.unitInfo)
            ctx.out.unitInfo(entry, identity.deviceFile, identity.version, identity.driveSize,
                control.reference, control.referenceSource, control.runSource, control.motorDirection,
                request.newLink, status);
        if (status < 1 && ctx.out.errorMsg)
            ctx.out.errorMsg(VxCommIdentify::identificationMessage(status),
                status == VxCommIdentify::NoTcpConnection ? QStringLiteral("Error Msg")
                                                          : QStringLiteral("Error"));
        return status;
    };

    VxCommModbusMaster *master = ctx.master;
    if (!master)
        return report(VxCommIdentify::InvalidLink, {});
    if (tcp) {
        // The master was made for this unit by its owner, which also deletes it on failure: a
        // master created here would belong to a thread that is about to end.
        master->VxCommSetChannel(3);
        master->VxCommSetUnitAddress(1);
        if (!master->VxCommConnectTcpLink(entry.value(UnitEntryField::IpAddress), request.tcpPort))
            return report(VxCommIdentify::NoTcpConnection, {});
    }
    if (isRemoved(ctx))
        return Removed;

    const int status = master->VxCommIdentifyUnit(identity.deviceFile, identity.driveSize, identity.version,
        identity.inom, identity.pnom, request.fileMode, request.filePath, ctx.unitAddress);
    if (isRemoved(ctx))
        return Removed;
    if (status < 1) {
        if (!tcp && request.newLink)
            master->VxCommCloseLink();
        return report(status, {});
    }

    VxCommIdentify::fillUnitEntry(entry, identity);
    master->VxCommAddUnitHealth(ctx.unitAddress, QStringLiteral("connect"), QStringLiteral("1"));
    const VxCommIdentify::ControlValues control
        = VxCommIdentify::readControlValues(*master, identity.deviceFile, ctx.unitAddress);
    if (isRemoved(ctx))
        return Removed;
    return report(VxCommIdentify::Identified, control);
}

} // namespace WorkerOps
