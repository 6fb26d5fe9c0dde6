#pragma once

#include <QMetaType>
#include <QStringList>
#include <QVector>

// The scan request that the automatic-scan settings dialog builds and hands to the controller by value.
struct rs232InfoForAutoScan
{
    QStringList ports;
    int baudrate = 9600;
    QString parity; // "N,8,1", "N,8,2", "E,8,1" or "O,8,1"
    QVector<int> units; // in the order the unit text was expanded
};

// The same request for the RS485 ports.
struct rs485InfoForAutoScan
{
    QStringList ports;
    int baudrate = 9600;
    QString parity;
    QVector<int> units;
};

// The IP range of a scan: start and end address as their four octet texts each.
struct ethernetInfoForAutoScan
{
    QStringList startIp;
    QStringList endIp;
};

Q_DECLARE_METATYPE(rs232InfoForAutoScan)
Q_DECLARE_METATYPE(rs485InfoForAutoScan)
Q_DECLARE_METATYPE(ethernetInfoForAutoScan)

// The rules of a scan request, shared by the settings dialog and the command line.
namespace ScanRules {

// Interface numbers of the messages: 1 RS232, 2 RS485.
enum class UnitTextError { None, InvalidRange, InvalidUnitNumber };

// The characters a unit text may hold: numbers and ranges separated by commas.
QString unitTextPattern();
// The IP octet rule of the address fields.
QString octetPattern();

// Expands "1-3,7" into 1, 2, 3, 7 (ranges in rising order, pieces in their order). A range needs
// a < b; every number must lie in 1 to 255.
UnitTextError expandUnitText(const QString &text, QVector<int> *units);
// The message of an error for the serial interface (1 RS232, 2 RS485).
QString unitTextMessage(UnitTextError error, int interfaceNumber);

// The four octets of an address text ("127.0.0.60", blanks of an input mask allowed); empty
// when it is not four octets of 0 to 255.
QStringList octets(const QString &address);
// Both empty, or both valid with equal first three octets and start's last <= end's last.
bool isValidIpRange(const QStringList &start, const QStringList &end);
// The addresses a scan tries, in order: one when start and end are equal, else the last octet
// from the start's to the end's with the start's first three octets. None when the range is
// not four octets each or "0.0.0.0".
QStringList ipAddresses(const ethernetInfoForAutoScan &range);
// The progress total: RS232 numbers + RS485 numbers + TCP/IP addresses.
int progressTotal(const rs232InfoForAutoScan &rs232, const rs485InfoForAutoScan &rs485,
    const ethernetInfoForAutoScan &range);

} // namespace ScanRules

namespace ScanRules {

// What the user typed and picked for a scan, before it is checked.
struct ScanForm
{
    QStringList rs232Ports;
    QStringList rs485Ports;
    QString rs232Units;
    QString rs485Units;
    QString startIp; // "A.B.C.D"; blanks or an empty text for no range
    QString endIp;
};

// Checks the form in the order the user is told about faults; the message of the first fault,
// or an empty text with the unit lists and the range filled in (unit numbers only for an
// interface with ports, the range only when one was given).
QString validateForm(
    const ScanForm &form, QVector<int> *rs232Units, QVector<int> *rs485Units, ethernetInfoForAutoScan *range);

} // namespace ScanRules
