#include "vxcommtcpclient.h"

#include "modbusframe.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QMutexLocker>
#include <QTcpSocket>
#include <QThread>
#include <cstring>

namespace {
std::atomic<int> refusedConnections { 0 };
constexpr int MbapHeader = 7; // transaction (2), protocol (2), length (2), unit (1)
} // namespace

VxCommTcpClient::VxCommTcpClient(QObject *parent)
    : QObject(parent)
{
    std::memset(requestFrame, 0, sizeof requestFrame);
    std::memset(replyFrame, 0, sizeof replyFrame);
}

VxCommTcpClient::~VxCommTcpClient()
{
    VxCommTcpDisconnect();
}

int VxCommTcpClient::VxCommRefusedConnections()
{
    return refusedConnections.load();
}

QString VxCommTcpClient::VxCommGetIpAddress() const
{
    QMutexLocker lock(&addressLock);
    return ipAddress;
}

quint16 VxCommTcpClient::VxCommGetPort() const
{
    QMutexLocker lock(&addressLock);
    return port;
}

void VxCommTcpClient::VxCommServerError(QAbstractSocket::SocketError error)
{
    handleSocketError(error);
}

bool VxCommTcpClient::handleSocketError(QAbstractSocket::SocketError error)
{
    qDebug() << "VxCommServerError ::" << error;
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        // The budget of quick reconnects is for the whole process, not per unit.
        if (refusedConnections.fetch_add(1) + 1 < 3)
            return true;
        emit TcpServerError(QStringLiteral("NO_OF_RETRIES_EXCEEDED_THE_LIMIT_VALUE"));
        VxCommTcpDisconnect();
        return false;
    case QAbstractSocket::RemoteHostClosedError:
        VxCommTcpDisconnect();
        return false;
    case QAbstractSocket::HostNotFoundError:
        emit TcpServerError(QStringLiteral("HOST_NOT_FOUND"));
        return false;
    case QAbstractSocket::SocketTimeoutError:
        emit TcpServerError(QStringLiteral("TIME_OUT_FOR_CONNECTION"));
        return false;
    case QAbstractSocket::NetworkError:
        emit TcpServerError(QStringLiteral("NETWORK_ERROR"));
        return false;
    case QAbstractSocket::SocketAddressNotAvailableError:
        emit TcpServerError(QStringLiteral("SOCKET_ADDRS_NOT_AVAILABLE"));
        return false;
    default:
        return false;
    }
}

bool VxCommTcpClient::connectSocket(QTcpSocket &socket)
{
    QHostAddress address;
    quint16 unitPort = 0;
    {
        QMutexLocker lock(&addressLock);
        address = hostAddress;
        unitPort = port;
    }
    // Bounded: reconnecting happens only while the process-wide refusal count is below 3.
    for (;;) {
        socket.connectToHost(address, unitPort, QIODevice::ReadWrite);
        if (socket.waitForConnected(1000)) {
            socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
            socket.setSocketOption(QAbstractSocket::KeepAliveOption, 1);
            isConnected.store(true);
            return true;
        }
        const QAbstractSocket::SocketError error = socket.error();
        socket.abort();
        if (!handleSocketError(error))
            break;
    }
    qDebug() << "Error in TCP connection with:" << address.toString();
    isConnected.store(false);
    return false;
}

void VxCommTcpClient::closeSocket(QTcpSocket &socket)
{
    socket.disconnectFromHost();
    if (socket.state() != QAbstractSocket::UnconnectedState)
        socket.abort();
    isConnected.store(false);
}

bool VxCommTcpClient::VxCommTcpConnect(const QString &address, quint16 unitPort)
{
    {
        QMutexLocker lock(&addressLock);
        ipAddress = address;
        hostAddress = QHostAddress(address);
        port = unitPort;
    }
    QTcpSocket socket;
    const bool connected = connectSocket(socket);
    closeSocket(socket);
    // The result of the latest attempt; the exchanges open their own connections.
    isConnected.store(connected);
    return connected;
}

void VxCommTcpClient::VxCommTcpDisconnect()
{
    isConnected.store(false);
}

int VxCommTcpClient::readReply(QTcpSocket &socket, int wanted)
{
    // A reply may come in several segments: gather it up to the length expected, or to a
    // complete exception reply, within the reply window.
    QElapsedTimer window;
    window.start();
    const int limit = msgDelay.load() + 200;
    int received = 0;
    while (received < wanted) {
        const qint64 left = limit - window.elapsed();
        if (socket.bytesAvailable() == 0) {
            if (left <= 0)
                break;
            if (!socket.waitForReadyRead(int(left))) {
                // A silent unit shows as the socket's timeout and is reported like one.
                if (received == 0)
                    handleSocketError(socket.error());
                break;
            }
        }
        const qint64 available = socket.bytesAvailable();
        if (received + available > ModbusFrame::BufferSize - 1)
            return -1; // longer than any reply: refused
        const qint64 got = socket.read(reinterpret_cast<char *>(replyFrame + received), available);
        if (got <= 0)
            break;
        received += int(got);
        if (received >= MbapHeader + 2 && (replyFrame[7] & 0x80))
            break;
    }
    // What follows right behind a complete reply still counts: a reply that is too long
    // must fail the length check rather than pass unnoticed.
    if (received >= wanted && socket.bytesAvailable() > 0) {
        const qint64 available = socket.bytesAvailable();
        if (received + available > ModbusFrame::BufferSize - 1)
            return -1;
        const qint64 got = socket.read(reinterpret_cast<char *>(replyFrame + received), available);
        if (got > 0)
            received += int(got);
    }
    return received;
}

int VxCommTcpClient::VxCommSendReceive(const quint8 *request, quint8 *reply, quint32 &replyLength,
    int requestLength, int expectedLength, int transactionId)
{
    replyLength = 0;
    sentLength = 0;
    lastMandatedWait.store(0);
    if (requestLength < 4 || requestLength + 4 > ModbusFrame::BufferSize)
        return -11;

    std::memset(requestFrame, 0, sizeof requestFrame);
    std::memset(replyFrame, 0, sizeof replyFrame);
    receivedLength = 0;
    connectRefused = connectionLost = false;
    const int pduLength = requestLength - 2; // unit identifier and PDU, without the CRC
    requestFrame[0] = quint8((transactionId >> 8) & 0xFF);
    requestFrame[1] = quint8(transactionId & 0xFF);
    requestFrame[4] = quint8((pduLength >> 8) & 0xFF);
    requestFrame[5] = quint8(pduLength & 0xFF);
    std::memcpy(requestFrame + 6, request, size_t(pduLength));
    const int frameLength = requestLength + 4;
    sentLength = frameLength;

    // Created here so that the socket belongs to the thread that runs this exchange.
    QTcpSocket socket;
    socket.setReadBufferSize(ModbusFrame::BufferSize);
    if (!connectSocket(socket)) {
        connectRefused = true;
        return -1;
    }

    if (socket.write(reinterpret_cast<const char *>(requestFrame), frameLength) != frameLength) {
        closeSocket(socket);
        return -4;
    }
    socket.waitForBytesWritten(frameLength);
    socket.flush();
    const int delay = msgDelay.load();
    if (delay > 0)
        QThread::msleep(static_cast<unsigned long>(delay));
    lastMandatedWait.store(delay);

    const int wanted = expectedLength + 4;
    const int received = readReply(socket, wanted);
    if (received <= 0) {
        connectionLost = received == 0 && socket.state() != QAbstractSocket::ConnectedState;
        closeSocket(socket);
        return -12;
    }
    receivedLength = quint32(received);
    const int result = decodeReply(requestFrame, replyFrame, received, wanted, reply, replyLength);
    closeSocket(socket);
    return result;
}

QByteArray VxCommTcpClient::lastRequestFrame() const
{
    return QByteArray(reinterpret_cast<const char *>(requestFrame), sentLength);
}

QByteArray VxCommTcpClient::lastReplyFrame() const
{
    return QByteArray(reinterpret_cast<const char *>(replyFrame), int(receivedLength));
}

int VxCommTcpClient::decodeReply(const quint8 *requestFrame, const quint8 *replyFrame, int received,
    int wanted, quint8 *reply, quint32 &replyLength)
{
    if (received != wanted) {
        if (received >= MbapHeader + 2 && replyFrame[7] == (requestFrame[7] | 0x80)) {
            std::memcpy(reply, replyFrame + 6, size_t(received - 6));
            replyLength = quint32(received - 6);
            return -16;
        }
        return -17;
    }
    if (replyFrame[6] != requestFrame[6])
        return -8;
    if (replyFrame[7] != requestFrame[7])
        return -9;
    if (replyFrame[0] != requestFrame[0] || replyFrame[1] != requestFrame[1])
        return -6;
    std::memcpy(reply, replyFrame + 6, size_t(received - 6));
    replyLength = quint32(received - 6);
    return 1;
}
