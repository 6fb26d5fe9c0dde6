#pragma once

#include <QAbstractSocket>
#include <QByteArray>
#include <QHostAddress>
#include <QMutex>
#include <QObject>
#include <QString>
#include <atomic>

class QTcpSocket;

// Modbus TCP to one unit: one connection per exchange, opened on the calling thread.
class VxCommTcpClient : public QObject
{
    Q_OBJECT
public:
    explicit VxCommTcpClient(QObject *parent = nullptr);
    ~VxCommTcpClient() override;

    // Stores address and port and checks that the unit accepts a connection (waits up to
    // 1000 ms). The connection itself is not kept: each exchange opens its own.
    bool VxCommTcpConnect(const QString &ipAddress, quint16 port);
    void VxCommTcpDisconnect();
    bool VxCommIsTcpConnected() const { return isConnected.load(); }

    // One exchange of an RTU-form request (CRC included); the reply comes back in RTU form
    // without CRC. Returns 1 or a negative code of the Modbus master.
    int VxCommSendReceive(const quint8 *request, quint8 *reply, quint32 &replyLength, int requestLength,
        int expectedLength, int transactionId);

    void VxCommSetMsgDelay(int ms) { msgDelay.store(ms); }
    int VxCommGetMsgDelay() const { return msgDelay.load(); }
    QString VxCommGetIpAddress() const;
    quint16 VxCommGetPort() const;

    // Refused connections in the life of the process.
    static int VxCommRefusedConnections();

    // A reply frame of `received` bytes (header first) against the request frame it answers: the
    // result of the exchange, and the reply in RTU form without CRC into `reply` (BufferSize bytes).
    static int decodeReply(const quint8 *requestFrame, const quint8 *replyFrame, int received, int wanted,
        quint8 *reply, quint32 &replyLength);

    // Milliseconds of the last exchange spent in the prescribed pause after the request.
    int lastMandatedWaitMs() const { return lastMandatedWait.load(); }
    // The last exchange's frames as they went over the wire, header included (for the link
    // monitor; read on the thread that ran the exchange). A refused connection leaves the frame
    // that was to be sent and no reply.
    QByteArray lastRequestFrame() const;
    QByteArray lastReplyFrame() const;
    bool lastConnectRefused() const { return connectRefused; }
    // The unit closed the connection before any reply byte came.
    bool lastConnectionLost() const { return connectionLost; }

signals:
    void TcpServerError(QString error);

public slots:
    void VxCommServerError(QAbstractSocket::SocketError error);

private:
    // Reports the error; returns true when the connection should be tried again.
    bool handleSocketError(QAbstractSocket::SocketError error);
    bool connectSocket(QTcpSocket &socket);
    void closeSocket(QTcpSocket &socket);
    int readReply(QTcpSocket &socket, int wanted);

    mutable QMutex addressLock; // address and port are read by reports on other threads
    QHostAddress hostAddress;
    QString ipAddress;
    quint16 port = 502;
    std::atomic<int> msgDelay { 40 };
    std::atomic<bool> isConnected { false };
    std::atomic<int> lastMandatedWait { 0 };
    quint8 requestFrame[1024];
    quint32 receivedLength = 0;
    int sentLength = 0;
    bool connectRefused = false;
    bool connectionLost = false;
    quint8 replyFrame[1024];
};
