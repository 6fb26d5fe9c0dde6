#pragma once

#include "vxcommidentify.h"

#include <QObject>
#include <QString>
#include <atomic>

class VxCommModbusMaster;

// Where a serial unit is: port, framing ("N,8,1"), unit address and baud rate.
struct VxCommSerialInfo
{
    QString portName;
    QString settings = QStringLiteral("N,8,1");
    int unitAddress = 1;
    int baudRate = 19200;
};

// Where a TCP/IP unit is. Units listen on 502; the port is only changed by tests and tools
// that cannot bind it.
struct VxCommTcpInfo
{
    int unitAddress = 1;
    QString ipAddress;
    quint16 port = 502;
};

// Everything linking a unit found out.
struct VxCommLinkOutputs
{
    VxCommIdentify::Identity identity;
    VxCommIdentify::ControlValues control;
    bool newLink = false; // the serial port was opened by this link step (the caller closes it on failure)
};

// The scanning object: links and identifies candidate units with its communication settings;
// the scan loops test its stop flag before each candidate.
class vxCommDeviceStatus : public QObject
{
    Q_OBJECT
public:
    explicit vxCommDeviceStatus(QObject *parent = nullptr);

    void VxCommSetNoOfRetries(int n) { noOfRetries.store(n); }
    int VxCommGetNoOfRetries() const { return noOfRetries.load(); }
    void VxCommSetMsgDelay(int ms) { msgDelay.store(ms); }
    int VxCommGetMsgDelay() const { return msgDelay.load(); }

    // Written by the user-interface thread (cancel), read by the scan thread.
    void VxCommSetStopScanFlag(bool stop) { stopScan.store(stop); }
    bool VxCommGetStopScanFlag() const { return stopScan.load(); }

    // The Modbus master the next VxCommLinkUnit works with (not owned).
    void VxCommSetModbusMaster(VxCommModbusMaster *master) { modbusMaster = master; }
    VxCommModbusMaster *VxCommGetModbusMaster() const { return modbusMaster; }

    // Interface 1 = RS232, 2 = RS485, 3 = TCP/IP. Opens the link (a serial port already open is
    // used as it is), gives the master this object's retries and delay, identifies the unit from
    // its own device code and version, then reads its control values. Returns a VxCommIdentify
    // result code; -1 also when no master is set.
    int VxCommLinkUnit(int interfaceNumber, const VxCommSerialInfo &serialInfo, const VxCommTcpInfo &tcpInfo,
        VxCommLinkOutputs &outputs);

private:
    std::atomic<int> noOfRetries { 1 };
    std::atomic<int> msgDelay { 40 };
    std::atomic<bool> stopScan { false };
    VxCommModbusMaster *modbusMaster = nullptr;
};
