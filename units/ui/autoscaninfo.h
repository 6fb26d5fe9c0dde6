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
