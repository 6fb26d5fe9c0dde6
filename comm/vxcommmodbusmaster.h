#pragma once

#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <memory>

class VxCommManageSerialPort;
class VxCommTcpClient;

// Modbus master of one channel: builds requests from data-model numbers, exchanges them over
// its serial or TCP link with resends, keeps a health record per unit and reports outcomes.
class VxCommModbusMaster : public QObject
{
    Q_OBJECT
public:
    // Channel 1 = RS232, 2 = RS485, 3 = TCP/IP; the constructor without one creates both links.
    explicit VxCommModbusMaster(QObject *parent = nullptr);
    explicit VxCommModbusMaster(int channel, QObject *parent = nullptr);
    ~VxCommModbusMaster() override;

    // One complete exchange. Numbers are one-based data-model numbers (0 = not given).
    // Returns the number of reply bytes or a negative error code.
    int VxCommTransaction(int type, int readAddress, int writeAddress, int readCount, int writeCount,
        const quint8 *writeData, quint8 *replyBuffer);

    void VxCommSetChannel(int value) { channel.store(value); }
    int VxCommGetChannel() const { return channel.load(); }
    void VxCommSetUnitAddress(int address) { unitAddress.store(address); }
    int VxCommGetUnitAddress() const { return unitAddress.load(); }
    void VxCommSetNoOfRetries(int n) { noOfRetries.store(n); }
    int VxCommGetNoOfRetries() const { return noOfRetries.load(); }
    void VxCommSetMsgDelay(int ms);
    int VxCommGetMsgDelay() const;
    void VxCommSetStopFlag(int flag) { stopFlag.store(flag); }
    int VxCommGetStopFlag() const { return stopFlag.load(); }

    int VxCommOpenSerialLink(const QString &portName, int baudRate, const QString &settings);
    bool VxCommConnectTcpLink(const QString &ipAddress, quint16 port = 502);
    int VxCommCloseLink();
    bool VxCommIsLinkOpen() const;
    bool VxCommIsUnitConnected(int address) const;
    int VxCommRefreshComPort();

    // Health records: {unit address, "connect"/"disconnect", active "1"/"0"}.
    void VxCommAddUnitHealth(int address, const QString &state, const QString &activeFlag);
    void VxCommSetUnitActive(int address, const QString &flag);
    QStringList VxCommGetUnitHealth(int address) const;
    int VxCommUnitCount() const;
    int VxCommConnectedUnitCount() const;

    // Held by every caller for exactly one exchange (lock, check, set address, exchange, unlock).
    void VxCommLock() { mutex->lock(); }
    void VxCommUnlock() { mutex->unlock(); }
    QMutex *VxCommMutex() const { return mutex.get(); }

    // Serial port name (channels 1, 2) or IP address (channel 3).
    QString VxCommLinkName() const;
    VxCommManageSerialPort *VxCommSerialLink() const { return serialLink; }
    VxCommTcpClient *VxCommTcpLink() const { return tcpLink; }

    static QString VxCommErrorText(int code);
    static void VxCommBitsToByte(const QStringList &bitTexts, QStringList &byteTexts);

    // Process-wide counters, readable for diagnosis and tests.
    static int VxCommExchangeCounter();
    static int VxCommTransactionId();

protected:
    // Counts one exchange; true when this one is due to reopen the serial port.
    static bool countExchange();
    static int VxCommNextTransactionId();

    // Device description file of the unit being identified; set by identification.
    QString deviceFile;

    // Identification and the control reads build on VxCommTransaction in a separate file.

signals:
    void VxCommHealthOfUnitToUI(int kind, int unitAddress, int channel, QString linkName, QString message,
        QStringList requestBytes, QStringList replyBytes);

public slots:
    void VxCommTcpServerErrors(QString error);

private:
    void createLinks(int forChannel);
    bool prepare(
        int type, int readAddress, int writeAddress, int readCount, int writeCount, const quint8 *writeData);
    int sendOnce(int transactionId);
    bool replyCrcValid() const;
    int verifyBusyWrite(int type, int writeAddress, int writeCount, const quint8 *writeData);
    int readBack(int type, int address, int count);
    int handleException(int type, int writeAddress, int writeCount, const quint8 *writeData,
        const QString &addressText, const QString &failureText, const QStringList &requestBytes,
        const QStringList &replyBytes);
    QString activeFlagOf(int address) const;

    quint32 requestLength = 0;
    quint32 functionCode = 0;
    quint32 expectedReplyLength = 0;
    quint32 replyLength = 0;
    quint32 requestFunction = 0;
    quint32 requestCrc = 0;
    std::atomic<int> channel { 0 };
    std::atomic<int> unitAddress { 1 };
    quint8 txBuffer[1024];
    quint8 rxBuffer[1024];
    VxCommManageSerialPort *serialLink = nullptr; // owned (child)
    VxCommTcpClient *tcpLink = nullptr; // owned (child)
    mutable QMutex healthLock; // records are also read and changed outside exchanges
    QList<QStringList> unitHealth;
    std::atomic<int> noOfRetries { 1 };
    std::atomic<int> stopFlag { 0 };
    std::unique_ptr<QMutex> mutex;
};
