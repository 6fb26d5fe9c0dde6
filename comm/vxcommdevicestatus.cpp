#include "vxcommdevicestatus.h"

#include "vxcommmodbusmaster.h"

using namespace VxCommIdentify;

vxCommDeviceStatus::vxCommDeviceStatus(QObject *parent)
    : QObject(parent)
{ }

int vxCommDeviceStatus::VxCommLinkUnit(int interfaceNumber, const VxCommSerialInfo &serialInfo,
    const VxCommTcpInfo &tcpInfo, VxCommLinkOutputs &outputs)
{
    outputs = VxCommLinkOutputs();
    VxCommModbusMaster *master = modbusMaster;
    if (!master || interfaceNumber < 1 || interfaceNumber > 3)
        return InvalidLink;

    int address = 0;
    if (interfaceNumber != 3) {
        address = serialInfo.unitAddress;
        if (address < 1 || address > 255)
            return InvalidLink; // 0 would be a broadcast that no unit answers
        master->VxCommSetChannel(interfaceNumber);
        master->VxCommSetUnitAddress(address);
        // Several units of one RS485 port share it: an open port is used as it is.
        if (!master->VxCommIsLinkOpen()) {
            if (master->VxCommOpenSerialLink(serialInfo.portName, serialInfo.baudRate, serialInfo.settings)
                != 1)
                return InvalidLink;
            outputs.newLink = true;
        }
    } else {
        address = tcpInfo.unitAddress;
        if (address < 1 || address > 255)
            return InvalidLink;
        master->VxCommSetChannel(3);
        master->VxCommSetUnitAddress(address);
        if (!master->VxCommConnectTcpLink(tcpInfo.ipAddress, tcpInfo.port))
            return NoTcpConnection;
    }
    master->VxCommSetNoOfRetries(noOfRetries.load());
    master->VxCommSetMsgDelay(msgDelay.load());

    Identity &id = outputs.identity;
    const int result = master->VxCommIdentifyUnit(
        id.deviceFile, id.driveSize, id.version, id.inom, id.pnom, 1, QString(), address);
    if (result < Identified)
        return result;
    outputs.control = readControlValues(*master, id.deviceFile, address);
    return Identified;
}
