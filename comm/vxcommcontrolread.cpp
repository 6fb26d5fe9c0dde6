// Control panel reads of VxCommModbusMaster (reference, sources, motor command) and the control
// values a freshly identified unit starts with.
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
    // 3 is "Option": read back as anything else, a unit switched to its option board would
    // show "Remote" in the panel.
    source = value >= 0 && value <= 3 ? QStringLiteral("0") + QString::number(value) : QStringLiteral("00");
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
    const DeviceFiles::MotorCommands commands = VxCommGetMotorCommands(file);
    const DeviceFiles::MotorCommand *const order[3]
        = { &commands.forward, &commands.reverse, &commands.stop };
    int numbers[3], widths[3];
    uint values[3];
    const int table = DeviceFiles::tableTypeOf(commands.forward.address.toLong());
    if (table != 1 && table != 4)
        return -1;
    for (int i = 0; i < 3; ++i) {
        numbers[i] = order[i]->address.toInt();
        values[i] = order[i]->value.toUInt();
        widths[i] = table == 1 ? VxCommIdentify::coilWidth(values[i]) : 1;
        // A missing row, or commands spread over two tables, cannot be read back as one state.
        if (numbers[i] <= 0 || DeviceFiles::tableTypeOf(numbers[i]) != table)
            return -1;
    }
    const int first = *std::min_element(numbers, numbers + 3);
    int last = first;
    for (int i = 0; i < 3; ++i)
        last = std::max(last, numbers[i] + widths[i] - 1);
    const int count = last - first + 1;
    if (count > (table == 1 ? 2000 : 125))
        return -1;

    // One exchange for all three commands, so the state cannot change between them.
    quint8 reply[1024];
    const LinkPurposeScope purpose(LinkPurpose::ControlPanel);
    const int result = lockedRead(address, table, first, count, reply);
    if (table == 1 ? !VxCommReply::hasBits(reply, result, count)
                   : !VxCommReply::hasRegisters(reply, result, count))
        return -1;
    for (int i = 0; i < 3; ++i) {
        const int offset = numbers[i] - first;
        uint held = 0;
        if (table == 1) {
            for (int b = 0; b < widths[i]; ++b)
                held |= uint(VxCommReply::bit(reply, offset + b)) << b;
        } else {
            held = VxCommReply::word(reply, offset);
        }
        if (held == values[i]) {
            direction = QStringLiteral("0") + QString::number(i);
            return 1;
        }
    }
    return -1;
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
