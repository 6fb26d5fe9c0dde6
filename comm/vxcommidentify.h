#pragma once

#include <QString>
#include <QStringList>

class VxCommModbusMaster;

// Results of identifying a unit, their messages, and what a successful identification writes
// into the unit entry and reads from the unit's control panel registers.
namespace VxCommIdentify {

// Result codes of VxCommModbusMaster::VxCommIdentifyUnit and vxCommDeviceStatus::VxCommLinkUnit.
enum Result {
    Identified = 1,
    InvalidLink = -1, // port cannot be opened, or no such interface
    NoDeviceFile = -2, // no general.csv path, no device description file, or no file name
    NoDeviceLink = -3, // no valid answer to the device code, version or size read
    NoTcpConnection = -4, // the unit's IP address refused or did not answer the connection
    UnsupportedDevice = -5, // device code not listed in general.csv
    NoDriveSize = -6, // size code not in the device description file
    NoInom = -7,
    NoPnom = -8
};

// Message shown for a unit added by hand ("No Device Link" for any other negative code,
// empty for success).
QString identificationMessage(int code);

// Fallbacks when a control read fails.
inline QString defaultReferenceSource()
{
    return QStringLiteral("00");
}
inline QString defaultRunSource()
{
    return QStringLiteral("00");
}
inline QString defaultMotorDirection()
{
    return QStringLiteral("03");
}

// Control values of a freshly identified unit, fallbacks already applied.
struct ControlValues
{
    double reference = 0.0; // percent, 0 to 100
    QString referenceSource = defaultReferenceSource();
    QString runSource = defaultRunSource();
    QString motorDirection = defaultMotorDirection();
};

// Reference in percent from the register and its maximum (a maximum of 0 or below takes the
// register as percent). A value outside 0 to 100 is shown as 0: the unit holds something the
// panel cannot show.
double referencePercent(int registerValue, int maxValue);
// Register value that gives `percent` for this maximum; the inverse of referencePercent.
int referenceRegister(double percent, int maxValue);
// The reference as the unit entry and the panel keep it: two decimals.
QString referenceText(double percent);

// Reads reference, reference source, run source and motor direction of `unitAddress` with the
// registers `deviceFile` names, each read under the master's lock, fallbacks for failed reads.
ControlValues readControlValues(VxCommModbusMaster &master, const QString &deviceFile, int unitAddress);

// What identification found.
struct Identity
{
    QString deviceFile;
    QString driveSize;
    QString version;
    QString inom;
    QString pnom;
};

// Unit name: drive size + " (5)" on RS232/RS485, + " (*.27)" on TCP/IP (last octet of the IP).
QString unitName(const QString &driveSize, const QString &interfaceText, const QString &unitNumber,
    const QString &ipAddress);

// Writes the fields a successful identification fills into a unit entry (grown to 21 fields):
// 1 name, 2 "connect", 8 device description file, 9 INOM, 10 PNOM, 11 version. The name is built
// from field 0 (unit number), 3 (interface text) and 7 (IP address).
void fillUnitEntry(QStringList &entry, const Identity &identity);

// Coils a control command value covers: its base-2 digits, at least one (a command of value 0
// still means "this coil is off").
inline int coilWidth(uint value)
{
    int width = 1;
    while (width < 16 && (value >> width) != 0)
        ++width;
    return width;
}

} // namespace VxCommIdentify
