// The control panel's operations of the unit worker: the motor commands, the sources and the
// reference written to the unit, and the cyclic control update that reads them back.
#include "linktap.h"
#include "vxcommidentify.h"
#include "workerfailure.h"
#include "workeroperations.h"

#include <QCoreApplication>
#include <QDebug>
#include <algorithm>

namespace WorkerOps {

namespace {

int numberOf(const QString &text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n > 0 ? n : 0;
}

// Forward, reverse and stop in that order; number 0 where the file names none.
QVector<MotorCommand> commandsOf(const DeviceFiles::ControlPanelInfo &panel)
{
    return { { numberOf(panel.fwdAddress), panel.fwdData.toUInt() },
        { numberOf(panel.revAddress), panel.revData.toUInt() },
        { numberOf(panel.stpAddress), panel.stpData.toUInt() } };
}

QString failureText(int kind)
{
    switch (kind) {
    case RunForward:
        return QCoreApplication::translate("WorkerOps", "catchForwardButtonSignal:Write Error ");
    case RunBackward:
        return QCoreApplication::translate("WorkerOps", "catchBackButtonSignal:Write Error ");
    case StopMotor:
        return QCoreApplication::translate("WorkerOps", "catchStopButtonSignal:Write Error ");
    case ReferenceSource:
        return QCoreApplication::translate("WorkerOps", "catchReferenceSourceSignal:Write Error ");
    case RunStopSource:
        return QCoreApplication::translate("WorkerOps", "catchRunStopSourceSignal:Write Error ");
    default:
        return QCoreApplication::translate("WorkerOps", "catchRefValueSignal:Write Error");
    }
}

void report(Context &ctx, const QString &message)
{
    if (ctx.out.errorMsg)
        ctx.out.errorMsg(message, QStringLiteral("Error"));
}

} // namespace

bool controlWriteFor(const DeviceFiles::ControlPanelInfo &panel, int kind, double value, ControlWrite *out)
{
    ControlWrite write;
    switch (kind) {
    case RunForward:
    case RunBackward:
    case StopMotor: {
        const QVector<MotorCommand> all = commandsOf(panel);
        const MotorCommand &command = all.at(kind - RunForward);
        if (command.number == 0)
            return false;
        write.number = command.number;
        write.type = DeviceFiles::tableTypeOf(command.number);
        if (write.type == 1) {
            int width = 0;
            for (const MotorCommand &other : all)
                if (other.number == command.number)
                    width = std::max(width, VxCommIdentify::coilWidth(other.value));
            for (int i = 0; i < width; ++i)
                write.words.append(quint16((command.value >> i) & 1));
        } else if (write.type == 4) {
            write.words.append(quint16(command.value));
        } else {
            return false; // inputs cannot be written
        }
        break;
    }
    case ReferenceSource:
    case RunStopSource: {
        write.number = numberOf(kind == ReferenceSource ? panel.refSourceAddress : panel.runSourceAddress);
        if (write.number == 0 || value < SourceRemote || value > SourceOption)
            return false;
        write.words.append(quint16(value));
        break;
    }
    case ReferenceValue: {
        write.number = numberOf(panel.refAddress);
        if (write.number == 0 || !(value >= 0.0 && value <= 100.0))
            return false;
        write.words.append(quint16(VxCommIdentify::referenceRegister(value, panel.refMaxValue.toInt())));
        break;
    }
    default:
        return false;
    }
    if (kind >= ReferenceSource && DeviceFiles::tableTypeOf(write.number) != 4)
        return false;
    *out = write;
    return true;
}

Result controlCommand(Context &ctx, const DeviceFiles::ControlPanelInfo &panel, int kind, double value)
{
    qDebug() << "control command" << kind << value;
    const LinkPurposeScope purpose(LinkPurpose::ControlPanel);
    ControlWrite write;
    if (!panel.sectionFound || !controlWriteFor(panel, kind, value, &write)) {
        report(ctx, QStringLiteral("Activate Not Pressed at Connect So CSV File not Found"));
        return Failed;
    }
    Exchange outcome = Exchange::Failed;
    if (write.type == 1) {
        // Coils travel packed, first coil in the lowest bit.
        QVector<quint8> bytes((write.words.size() + 7) / 8, 0);
        for (int i = 0; i < write.words.size(); ++i)
            bytes[i / 8] |= quint8(write.words[i] << (i % 8));
        outcome = exchange(ctx, 1, 0, write.number, 0, write.words.size(), bytes.constData(), nullptr);
    } else {
        outcome = writeWords(ctx, write.type, write.number, write.words);
    }
    if (outcome == Exchange::Ok)
        return Completed;
    if (outcome == Exchange::Removed || isRemoved(ctx))
        return Removed;
    if (outcome == Exchange::NotConnected)
        return Failed; // a unit that is not connected ignores the panel
    report(ctx, failureText(kind));
    return Failed;
}

bool readControlState(Context &ctx, const DeviceFiles::ControlPanelInfo &panel, ControlReadings *out)
{
    const LinkPurposeScope purpose(LinkPurpose::ControlPanel);
    ControlReadings readings;
    bool any = false;
    QVector<quint16> words;
    const auto readOne = [&](const QString &address) -> int {
        const int number = numberOf(address);
        if (number == 0 || isRemoved(ctx))
            return -1;
        if (readWords(ctx, DeviceFiles::tableTypeOf(number), number, 1, &words) != Exchange::Ok)
            return -1;
        any = true;
        return words.value(0);
    };
    const int raw = readOne(panel.refAddress);
    if (raw >= 0)
        readings.reference = VxCommIdentify::referencePercent(raw, panel.refMaxValue.toInt());
    const int refSource = readOne(panel.refSourceAddress);
    readings.referenceSource = refSource < 0 ? -1 : sourceIndex(refSource);
    const int runSource = readOne(panel.runSourceAddress);
    readings.runSource = runSource < 0 ? -1 : sourceIndex(runSource);

    // The three commands in one read, so the state cannot change between them.
    const QVector<MotorCommand> all = commandsOf(panel);
    const CommandRead read = commandRead(all);
    if (read.count > 0 && !isRemoved(ctx)
        && readWords(ctx, read.type, read.first, read.count, &words) == Exchange::Ok) {
        any = true;
        readings.command = heldCommand(all, read, words);
    }
    *out = readings;
    return any && !isRemoved(ctx);
}

Result controlUpdate(Context &ctx, const DeviceFiles::ControlPanelInfo &panel,
    const std::function<void(const ControlReadings &)> &update, int pauseMs)
{
    while (isRunning(ctx)) {
        if (isRemoved(ctx))
            return Removed;
        ControlReadings readings;
        if (readControlState(ctx, panel, &readings) && isRunning(ctx)) {
            if (update)
                update(readings);
            if (ctx.out.controlUpdated)
                ctx.out.controlUpdated();
        }
        pauseFor(ctx, pauseMs);
    }
    return isRemoved(ctx) ? Removed : Completed;
}

} // namespace WorkerOps
