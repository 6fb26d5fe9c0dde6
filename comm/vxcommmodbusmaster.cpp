#include "vxcommmodbusmaster.h"

#include "modbusframe.h"
#include "vxcommmanageserialport.h"
#include "vxcommtcpclient.h"

#include <QDebug>
#include <QMutexLocker>
#include <cstring>

namespace {
// Shared by every master of the process: the exchange counter paces the periodic reopening
// of serial ports, the transaction identifier numbers Modbus TCP requests.
std::atomic<int> exchangeCounter { 0 };
std::atomic<int> transactionCounter { 0 };

const QString Connect = QStringLiteral("connect");
} // namespace

VxCommModbusMaster::VxCommModbusMaster(QObject *parent)
    : QObject(parent)
    , mutex(std::make_unique<QMutex>())
{
    std::memset(txBuffer, 0, sizeof txBuffer);
    std::memset(rxBuffer, 0, sizeof rxBuffer);
    createLinks(0);
}

VxCommModbusMaster::VxCommModbusMaster(int channelNumber, QObject *parent)
    : QObject(parent)
    , channel(channelNumber)
    , mutex(std::make_unique<QMutex>())
{
    std::memset(txBuffer, 0, sizeof txBuffer);
    std::memset(rxBuffer, 0, sizeof rxBuffer);
    createLinks(channelNumber);
}

VxCommModbusMaster::~VxCommModbusMaster()
{
    const int ch = channel.load();
    if (ch < 1 || ch > 3)
        qDebug() << "No channel information";
    delete serialLink;
    delete tcpLink;
}

void VxCommModbusMaster::createLinks(int forChannel)
{
    const bool any = forChannel < 1 || forChannel > 3;
    if (any || forChannel == 1 || forChannel == 2) {
        serialLink = new VxCommManageSerialPort;
        // Direct: reported from the link's own thread, which may be serving an exchange of a
        // worker that holds the mutex; the health records have a lock of their own.
        connect(serialLink, &VxCommManageSerialPort::VxCommLinkLost, this,
            &VxCommModbusMaster::serialLinkLost, Qt::DirectConnection);
        connect(serialLink, &VxCommManageSerialPort::VxCommLinkBack, this,
            &VxCommModbusMaster::serialLinkBack, Qt::DirectConnection);
    }
    if (any || forChannel == 3) {
        tcpLink = new VxCommTcpClient;
        // Direct: the link reports on the thread running the exchange, which holds the mutex
        // and the unit address the report belongs to.
        connect(tcpLink, &VxCommTcpClient::TcpServerError, this, &VxCommModbusMaster::VxCommTcpServerErrors,
            Qt::DirectConnection);
    }
}

int VxCommModbusMaster::VxCommExchangeCounter()
{
    return exchangeCounter.load();
}

int VxCommModbusMaster::VxCommTransactionId()
{
    return transactionCounter.load();
}

int VxCommModbusMaster::VxCommNextTransactionId()
{
    return transactionCounter.fetch_add(1) + 1;
}

bool VxCommModbusMaster::countExchange()
{
    const int count = exchangeCounter.fetch_add(1) + 1;
    if (count <= 15)
        return false;
    // Only the thread that resets the counter reopens; a concurrent count just goes on.
    int seen = count;
    return exchangeCounter.compare_exchange_strong(seen, 0);
}

void VxCommModbusMaster::VxCommSetMsgDelay(int ms)
{
    const int ch = channel.load();
    if ((ch == 1 || ch == 2) && serialLink)
        serialLink->VxCommSetMsgDelay(ms);
    else if (tcpLink)
        tcpLink->VxCommSetMsgDelay(ms);
}

int VxCommModbusMaster::VxCommGetMsgDelay() const
{
    const int ch = channel.load();
    if ((ch == 1 || ch == 2) && serialLink)
        return serialLink->VxCommGetMsgDelay();
    return tcpLink ? tcpLink->VxCommGetMsgDelay() : 0;
}

int VxCommModbusMaster::VxCommOpenSerialLink(const QString &portName, int baudRate, const QString &settings)
{
    if (!serialLink)
        return -10;
    if (serialLink->VxCommIsPortOpen())
        return channel.load() == 2 ? 1 : -15; // several RS485 units share one port
    return serialLink->VxCommOpenPort(portName, baudRate, settings) ? 1 : -14;
}

QString VxCommModbusMaster::VxCommSerialOpenFault() const
{
    return serialLink ? serialLink->VxCommOpenFault() : QString();
}

bool VxCommModbusMaster::VxCommConnectTcpLink(const QString &ipAddress, quint16 port)
{
    return tcpLink && tcpLink->VxCommTcpConnect(ipAddress, port);
}

int VxCommModbusMaster::VxCommCloseLink()
{
    if (serialLink && serialLink->VxCommIsPortOpen())
        serialLink->VxCommClosePort();
    else if (tcpLink && tcpLink->VxCommIsTcpConnected())
        tcpLink->VxCommTcpDisconnect();
    return 1;
}

bool VxCommModbusMaster::VxCommIsLinkOpen() const
{
    const int ch = channel.load();
    if (ch == 1 || ch == 2)
        return serialLink && serialLink->VxCommIsPortOpen();
    if (ch == 3)
        return tcpLink && tcpLink->VxCommIsTcpConnected();
    return false;
}

bool VxCommModbusMaster::VxCommIsLinkLost() const
{
    const int ch = channel.load();
    return (ch == 1 || ch == 2) && serialLink && serialLink->VxCommIsLinkLost();
}

void VxCommModbusMaster::serialLinkLost(const QString &reason)
{
    QList<int> units;
    int reportedUnit = unitAddress.load();
    {
        QMutexLocker lock(&healthLock);
        for (QStringList &record : unitHealth) {
            if (record.value(1) != Connect)
                continue;
            if (units.isEmpty())
                reportedUnit = record.value(0).toInt();
            if (record.value(2) == QLatin1String("1")) {
                record[2] = QStringLiteral("0");
                units.append(record.value(0).toInt());
            }
        }
        unitsLostWithLink = units;
    }
    const int ch = channel.load();
    const QString link = VxCommLinkName();
    emit VxCommHealthOfUnitToUI(3, reportedUnit, ch, link, reason, QStringList(), QStringList());
    for (int unit : qAsConst(units))
        emit VxCommHealthOfUnitToUI(2, unit, ch, link, QStringLiteral("Device-Inactive"), {}, {});
}

void VxCommModbusMaster::serialLinkBack()
{
    QList<int> units;
    {
        QMutexLocker lock(&healthLock);
        for (QStringList &record : unitHealth) {
            // A unit disconnected or removed meanwhile stays as it is.
            if (unitsLostWithLink.contains(record.value(0).toInt()) && record.value(1) == Connect
                && record.value(2) == QLatin1String("0")) {
                record[2] = QStringLiteral("1");
                units.append(record.value(0).toInt());
            }
        }
        unitsLostWithLink.clear();
    }
    const int ch = channel.load();
    const QString link = VxCommLinkName();
    for (int unit : qAsConst(units))
        emit VxCommHealthOfUnitToUI(2, unit, ch, link, QStringLiteral("Device-Active"), {}, {});
}

bool VxCommModbusMaster::VxCommIsUnitConnected(int address) const
{
    if (VxCommGetUnitHealth(address).value(1) != Connect)
        return false;
    const int ch = channel.load();
    if (ch == 1 || ch == 2)
        return serialLink && serialLink->VxCommIsPortOpen();
    return ch == 3 && tcpLink;
}

int VxCommModbusMaster::VxCommRefreshComPort()
{
    const int ch = channel.load();
    if ((ch != 1 && ch != 2) || !serialLink)
        return 1;
    // The kept settings, not their texts: a translated parity letter would reopen as no parity.
    return serialLink->VxCommReopenPort() ? 1 : -14;
}

QString VxCommModbusMaster::VxCommLinkName() const
{
    const int ch = channel.load();
    if ((ch == 1 || ch == 2) && serialLink)
        return serialLink->VxCommGetPortName();
    if (ch == 3 && tcpLink)
        return tcpLink->VxCommGetIpAddress();
    return QString();
}

void VxCommModbusMaster::VxCommAddUnitHealth(int address, const QString &state, const QString &activeFlag)
{
    const QStringList record { QString::number(address), state, activeFlag };
    QMutexLocker lock(&healthLock);
    for (QStringList &existing : unitHealth) {
        if (existing.value(0) == record[0]) {
            existing = record;
            return;
        }
    }
    unitHealth.append(record);
}

void VxCommModbusMaster::VxCommRemoveUnitHealth(int address)
{
    const QString key = QString::number(address);
    QMutexLocker lock(&healthLock);
    for (int i = unitHealth.size() - 1; i >= 0; --i) {
        if (unitHealth.at(i).value(0) == key)
            unitHealth.removeAt(i);
    }
}

void VxCommModbusMaster::VxCommSetUnitActive(int address, const QString &flag)
{
    const QString key = QString::number(address);
    QMutexLocker lock(&healthLock);
    for (QStringList &existing : unitHealth) {
        if (existing.value(0) == key && existing.size() >= 3)
            existing[2] = flag;
    }
}

QStringList VxCommModbusMaster::VxCommGetUnitHealth(int address) const
{
    const QString key = QString::number(address);
    QMutexLocker lock(&healthLock);
    for (const QStringList &existing : unitHealth) {
        if (existing.value(0) == key)
            return existing;
    }
    return QStringList();
}

int VxCommModbusMaster::VxCommUnitCount() const
{
    QMutexLocker lock(&healthLock);
    return unitHealth.size();
}

int VxCommModbusMaster::VxCommConnectedUnitCount() const
{
    QMutexLocker lock(&healthLock);
    int n = 0;
    for (const QStringList &existing : unitHealth)
        n += existing.value(1) == Connect ? 1 : 0;
    return n;
}

QString VxCommModbusMaster::activeFlagOf(int address) const
{
    return VxCommGetUnitHealth(address).value(2);
}

QString VxCommModbusMaster::VxCommErrorText(int code)
{
    QString text;
    switch (code) {
    case -1:
        text = tr("communication failure");
        break;
    case -2:
        text = tr("no server connection");
        break;
    case -3:
        text = tr("communication failure timeout");
        break;
    case -4:
        text = tr("write failure");
        break;
    case -5:
        text = tr("communication error in receive data");
        break;
    case -6:
        text = tr("invalid transaction id");
        break;
    case -7:
        text = tr("no data within timeout");
        break;
    case -8:
        text = tr("invalid unit id");
        break;
    case -9:
        text = tr("invalid function code");
        break;
    case -10:
        text = tr("no communication interface");
        break;
    case -11:
        text = tr("invalid function type");
        break;
    case -12:
        text = tr("communication timeout error");
        break;
    case -13:
        text = tr("crc error");
        break;
    case -14:
        text = tr("port not open");
        break;
    case -15:
        text = tr("port already open");
        break;
    case -16:
        text = tr("warning message received");
        break;
    case -17:
        text = tr("invalid received message length");
        break;
    case -18:
        text = tr("device has disconnected");
        break;
    default:
        text = tr("unknown error");
        break;
    }
    return text.leftJustified(30, QLatin1Char(' '));
}

void VxCommModbusMaster::VxCommBitsToByte(const QStringList &bitTexts, QStringList &byteTexts)
{
    while (byteTexts.size() < bitTexts.size())
        byteTexts.append(QString());
    for (int i = 0; i < bitTexts.size(); ++i) {
        const QString &bits = bitTexts.at(i);
        int value = 0;
        int weight = 1;
        for (int c = bits.size() - 1; c >= 0 && weight <= 128; --c, weight <<= 1) {
            if (QString(bits.at(c)).toInt() != 0)
                value |= weight;
        }
        byteTexts[i] = QString::number(value);
    }
}

void VxCommModbusMaster::VxCommTcpServerErrors(QString error)
{
    const QString ip = tcpLink ? tcpLink->VxCommGetIpAddress() : QString();
    emit VxCommHealthOfUnitToUI(3, unitAddress.load(), 3, ip,
        QStringLiteral("Link Info\t") + ip + QLatin1Char('\t') + error + QLatin1Char('\t')
            + QStringLiteral("----") + QStringLiteral("\tFAILURE"),
        QStringList(), QStringList());
}
