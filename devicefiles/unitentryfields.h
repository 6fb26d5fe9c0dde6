#pragma once

#include <QLatin1String>
#include <QStringList>

// Positions and fixed texts of the 21-string unit entry that the registry, the unit tree, the
// details panel and the worker threads pass around.
namespace UnitEntryField {

enum Field {
    Number = 0, // Modbus unit address, decimal text
    Name = 1, // drive size text + " (n)" or " (*.octet)", set by identification
    State = 2, // "connect" / "disconnect", empty before the first result
    Interface = 3, // "RS232", "RS485", "TCPIP"; "FILE" for a parameter set opened from file
    Port = 4, // serial units
    Baudrate = 5, // serial units
    Parity = 6, // serial units
    IpAddress = 7, // TCP/IP units
    DeviceFile = 8, // device description file (for file units: the file the set came from)
    Inom = 9,
    Pnom = 10,
    Version = 11, // drive software version text
    FileDisplayName = 12, // file units only: the name shown in the tree ("name : file")
    Count = 21
};

inline QLatin1String rs232()
{
    return QLatin1String("RS232");
}
inline QLatin1String rs485()
{
    return QLatin1String("RS485");
}
inline QLatin1String tcpIp()
{
    return QLatin1String("TCPIP");
}
// The interface of a list position as the dialogs order them: 0 RS232, 1 RS485, 2 TCP/IP.
inline QLatin1String interfaceAt(int position)
{
    return position <= 0 ? rs232() : position == 1 ? rs485() : tcpIp();
}
// The number of bus interfaces, and the position of an interface name (-1: not a bus interface).
constexpr int InterfaceCount = 3;
inline int interfacePosition(const QString &name)
{
    return name == rs232() ? 0 : name == rs485() ? 1 : name == tcpIp() ? 2 : -1;
}
// Not a bus interface: marks the entry of a parameter set opened from file, so the details panel
// and the controller can tell it from a unit on a link.
inline QLatin1String file()
{
    return QLatin1String("FILE");
}
inline QLatin1String connected()
{
    return QLatin1String("connect");
}
inline QLatin1String disconnected()
{
    return QLatin1String("disconnect");
}

// An entry with every field empty.
inline QStringList emptyEntry()
{
    QStringList entry;
    entry.reserve(Count);
    for (int i = 0; i < Count; ++i)
        entry.append(QString());
    return entry;
}

// Field i of the entry, empty when the entry is shorter (entries from older code paths or tests).
inline QString at(const QStringList &entry, int i)
{
    return i < entry.size() ? entry.at(i) : QString();
}

// Drive size of a unit name: "RVN48-010 (3)" and "RVN48-010 (*.27)" give "RVN48-010"; a name
// without the unit suffix is its own drive size.
inline QString driveSizeOfName(const QString &name)
{
    const QString trimmed = name.trimmed();
    const int open = trimmed.lastIndexOf(QLatin1String(" ("));
    return (open > 0 && trimmed.endsWith(QLatin1Char(')')) ? trimmed.left(open) : trimmed).trimmed();
}

// Whether two entries describe the same unit: same interface and unit number on the same port or
// address. The state and identification fields may differ (that is what a status change updates).
inline bool sameUnit(const QStringList &a, const QStringList &b)
{
    if (at(a, Interface) != at(b, Interface) || at(a, Number) != at(b, Number))
        return false;
    if (at(a, Interface) == file())
        return at(a, Name) == at(b, Name) && at(a, DeviceFile) == at(b, DeviceFile);
    return at(a, Port) == at(b, Port) && at(a, IpAddress) == at(b, IpAddress);
}

} // namespace UnitEntryField
