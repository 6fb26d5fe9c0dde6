// Control panel reads of VxCommModbusMaster (reference, sources, motor command) and the control
// values a freshly identified unit starts with.
#include "controlreadback.h"
#include "linktap.h"
#include "vxcommidentify.h"
#include "vxcommmodbusmaster.h"
#include "vxcommreply.h"

#include <QtMath>
#include <algorithm>

bool VxCommModbusMaster::readInputWord(int address, int number, int &value)
{
    if (number <= 0)
        return false;
    quint8 reply[1024];
    const LinkPurposeScope purpose(LinkPurpose::ControlPanel);
    const int result = lockedRead(address, 4, number, 1, reply);
    if (!VxCommReply::hasRegisters(reply, result, 1))
        return false;
    value = VxCommReply::word(reply, 0);
    return true;
}

int VxCommModbusMaster::VxCommGetRefValue(const QString &file, int address, int &value, int &maxValue)
{
    const DeviceFiles::RefAddress ref = VxCommGetRefAddress(file);
    if (!readInputWord(address, ref.address.toInt(), value))
        return -1;
    maxValue = ref.maxValue.toInt();
    return 1;
}

int VxCommModbusMaster::readSource(const QString &registerText, int address, QString &source)
{
    int value = 0;
    if (!readInputWord(address, registerText.toInt(), value))
        return -1;
    source = QStringLiteral("0") + QString::number(WorkerOps::sourceIndex(value));
    return 1;
}

int VxCommModbusMaster::VxCommGetRunSource(const QString &file, int address, QString &source)
{
    return readSource(VxCommGetRunSourceAddress(file), address, source);
}

int VxCommModbusMaster::VxCommGetRefSource(const QString &file, int address, QString &source)
{
    return readSource(VxCommGetRefSourceAddress(file), address, source);
}

int VxCommModbusMaster::VxCommGetMotorDirection(const QString &file, int address, QString &direction)
{
    const DeviceFiles::MotorCommands rows = VxCommGetMotorCommands(file);
    QVector<WorkerOps::MotorCommand> commands;
    for (const DeviceFiles::MotorCommand *row : { &rows.forward, &rows.reverse, &rows.stop })
        commands.append({ row->address.toInt(), row->value.toUInt() });
    const WorkerOps::CommandRead read = WorkerOps::commandRead(commands);
    if (read.count == 0)
        return -1;
    // One exchange for all three commands, so the state cannot change between them.
    quint8 reply[1024];
    const LinkPurposeScope purpose(LinkPurpose::ControlPanel);
    const int result = lockedRead(address, read.type, read.first, read.count, reply);
    if (read.type == 1 ? !VxCommReply::hasBits(reply, result, read.count)
                       : !VxCommReply::hasRegisters(reply, result, read.count))
        return -1;
    QVector<quint16> items;
    for (int i = 0; i < read.count; ++i)
        items.append(read.type == 1 ? quint16(VxCommReply::bit(reply, i)) : VxCommReply::word(reply, i));
    const int held = WorkerOps::heldCommand(commands, read, items);
    if (held < 0)
        return -1;
    direction = QStringLiteral("0") + QString::number(held);
    return 1;
}

namespace VxCommIdentify {

double referencePercent(int registerValue, int maxValue)
{
    const double percent = maxValue > 0 ? registerValue * 100.0 / maxValue : double(registerValue);
    return percent < 0.0 || percent > 100.0 ? 0.0 : percent;
}

int referenceRegister(double percent, int maxValue)
{
    return maxValue > 0 ? qRound(percent * maxValue / 100.0) : qRound(percent);
}

QString referenceText(double percent)
{
    return QString::number(percent, 'f', 2);
}

ControlValues readControlValues(VxCommModbusMaster &master, const QString &deviceFile, int unitAddress)
{
    ControlValues values;
    int raw = 0, maxValue = 0;
    if (master.VxCommGetRefValue(deviceFile, unitAddress, raw, maxValue) == 1)
        values.reference = referencePercent(raw, maxValue);
    QString text;
    if (master.VxCommGetRefSource(deviceFile, unitAddress, text) == 1)
        values.referenceSource = text;
    if (master.VxCommGetRunSource(deviceFile, unitAddress, text) == 1)
        values.runSource = text;
    if (master.VxCommGetMotorDirection(deviceFile, unitAddress, text) == 1)
        values.motorDirection = text;
    return values;
}

} // namespace VxCommIdentify
