#include "controlreadback.h"

#include "devicefiles.h"
#include "vxcommidentify.h"

#include <algorithm>

namespace WorkerOps {

int sourceIndex(int registerValue)
{
    // 3 is "Option": read back as anything else, a unit switched to its option board would show
    // "Remote" in the panel.
    return registerValue >= SourceRemote && registerValue <= SourceOption ? registerValue : SourceRemote;
}

CommandRead commandRead(const QVector<MotorCommand> &commands)
{
    CommandRead read;
    read.type = DeviceFiles::tableTypeOf(commands.value(0).number);
    if (commands.size() != 3 || (read.type != 1 && read.type != 4))
        return CommandRead();
    int last = 0;
    for (const MotorCommand &c : commands) {
        const int width = read.type == 1 ? VxCommIdentify::coilWidth(c.value) : 1;
        if (c.number <= 0 || DeviceFiles::tableTypeOf(c.number) != read.type)
            return CommandRead();
        read.first = read.first == 0 ? c.number : std::min(read.first, c.number);
        last = std::max(last, c.number + width - 1);
    }
    read.count = last - read.first + 1;
    if (read.count > (read.type == 1 ? 2000 : 125))
        return CommandRead();
    return read;
}

int heldCommand(const QVector<MotorCommand> &commands, const CommandRead &read, const QVector<quint16> &items)
{
    if (read.count == 0 || items.size() < read.count)
        return -1;
    for (int i = 0; i < commands.size(); ++i) {
        const int offset = commands[i].number - read.first;
        uint held = 0;
        if (read.type == 1) {
            for (int b = 0; b < VxCommIdentify::coilWidth(commands[i].value); ++b)
                held |= uint(items.value(offset + b) & 1) << b;
        } else {
            held = items.value(offset);
        }
        if (held == commands[i].value)
            return i;
    }
    return -1;
}

} // namespace WorkerOps
