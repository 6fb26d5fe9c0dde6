#pragma once

#include "devicefiles.h"

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
    // Why the serial port could not be opened (no access, missing, in use); empty otherwise.
    QString VxCommSerialOpenFault() const;
    bool VxCommConnectTcpLink(const QString &ipAddress, quint16 port = 502);
    int VxCommCloseLink();
    bool VxCommIsLinkOpen() const;
    // The serial port's device went (an unplugged adapter) and has not come back yet.
    bool VxCommIsLinkLost() const;
    bool VxCommIsUnitConnected(int address) const;
    int VxCommRefreshComPort();

    // Health records: {unit address, "connect"/"disconnect", active "1"/"0"}.
    void VxCommAddUnitHealth(int address, const QString &state, const QString &activeFlag);
    // Forgets a removed unit, so the same unit number can be linked again on a shared port
    // (a "disconnect" record left behind would refuse every exchange with -18).
    void VxCommRemoveUnitHealth(int address);
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

    // ---- Identification and control reads (vxcommidentify.cpp) ----

    // Reads device code, version and size of `address` (the lock is taken for each read only, the
    // unit address set each time) and picks its device description file: fileMode 1 from the unit's
    // drive name and version, 2 the given filePath. Returns a VxCommIdentify result code; the outputs
    // hold what was found up to the failing step.
    int VxCommIdentifyUnit(QString &deviceFileOut, QString &driveSize, QString &version, QString &inom,
        QString &pnom, int fileMode, const QString &filePath, int address);
    // Device description file of the unit identified last on this master.
    QString VxCommGetDeviceFile() const;

    // Control reads with the registers of `file`'s "[CONTROL PANEL]" rows, one locked exchange each.
    // All return 1, or -1 when the file names no register or the read fails.
    // Reference holding register and the maximum the file gives for it.
    int VxCommGetRefValue(const QString &file, int address, int &value, int &maxValue);
    // "00" to "03" for register values 0 to 3 (Remote, Keyboard, COM, Option); any other value "00".
    int VxCommGetRunSource(const QString &file, int address, QString &source);
    int VxCommGetRefSource(const QString &file, int address, QString &source);
    // Which of the forward, reverse and stop commands the unit holds now: the coils (or holding
    // registers) of the three commands are read in one exchange and compared with the value each
    // command writes. "00" forward, "01" reverse, "02" stop; a state matching none is a failure.
    int VxCommGetMotorDirection(const QString &file, int address, QString &direction);

    // ---- Device description file readers, reachable from the master ----
    static QString VxCommReadGeneralCsv(const QString &path, int section, int key, int column)
    {
        return DeviceFiles::VxCommReadGeneralCsv(path, section, key, column);
    }
    static QString VxCommGetVersionText(quint16 version, quint16 subVersion)
    {
        return DeviceFiles::VxCommGetVersionText(version, subVersion);
    }
    static QString VxCommGetDeviceFileBaseName(
        const QString &generalCsvPath, int deviceCode, quint16 version, quint16 subVersion)
    {
        return DeviceFiles::VxCommGetDeviceFileBaseName(generalCsvPath, deviceCode, version, subVersion);
    }
    static QString VxCommFindDeviceFile(const QString &baseName)
    {
        return DeviceFiles::VxCommFindDeviceFile(baseName);
    }
    static QString VxCommGetSizeAddress(const QString &file, int key, int column)
    {
        return DeviceFiles::VxCommGetSizeAddress(file, key, column);
    }
    static QString VxCommGetDriveSize(const QString &file, int sizeCode)
    {
        return DeviceFiles::VxCommGetDriveSize(file, sizeCode);
    }
    static QString VxCommGetInom(const QString &file, int sizeCode)
    {
        return DeviceFiles::VxCommGetInom(file, sizeCode);
    }
    static QString VxCommGetPnom(const QString &file, int sizeCode)
    {
        return DeviceFiles::VxCommGetPnom(file, sizeCode);
    }
    static DeviceFiles::RefAddress VxCommGetRefAddress(const QString &file)
    {
        return DeviceFiles::VxCommGetRefAddress(file);
    }
    static QString VxCommGetRunSourceAddress(const QString &file)
    {
        return DeviceFiles::VxCommGetRunSourceAddress(file);
    }
    static QString VxCommGetRefSourceAddress(const QString &file)
    {
        return DeviceFiles::VxCommGetRefSourceAddress(file);
    }
    static DeviceFiles::MotorCommands VxCommGetMotorCommands(const QString &file)
    {
        return DeviceFiles::VxCommGetMotorCommands(file);
    }
    static DeviceFiles::ControlPanelInfo VxCommGetControlPanel(const QString &file)
    {
        return DeviceFiles::VxCommGetControlPanel(file);
    }

    // Exception code of the last exchange's exception reply; 0 when it had none. Read it under
    // the lock of that exchange.
    int VxCommLastException() const { return lastException.load(); }
    // A health report that only notes how the unit is served (Link Information, no alert).
    static constexpr int HealthNote = 5;

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
    // One locked read of `count` items of table `type` at `number` for `address`; the reply
    // (unit, function, byte count, data) lands in `reply`. Returns the transaction's result.
    int lockedRead(int address, int type, int number, int count, quint8 *reply);
    // One input register of `address`; false for a register number below 1 or a failed read.
    bool readInputWord(int address, int number, int &value);
    // Source register read shared by the run-source and reference-source reads.
    int readSource(const QString &registerText, int address, QString &source);

signals:
    void VxCommHealthOfUnitToUI(int kind, int unitAddress, int channel, QString linkName, QString message,
        QStringList requestBytes, QStringList replyBytes);

public slots:
    void VxCommTcpServerErrors(QString error);

private:
    void createLinks(int forChannel);
    // The serial link's device went or came back: every unit on it is reported inactive with one
    // message for the port, and those answering then are reported active again on its return.
    void serialLinkLost(const QString &reason);
    void serialLinkBack();
    bool prepare(
        int type, int readAddress, int writeAddress, int readCount, int writeCount, const quint8 *writeData);
    // One attempt on the wire; handed to the link monitor when someone listens.
    int sendOnce(int transactionId);
    int sendFrame(int transactionId);
    void tapExchange(int result, qint64 elapsedNs);
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
    QList<int> unitsLostWithLink; // answering when the serial link went; under healthLock
    std::atomic<int> noOfRetries { 1 };
    std::atomic<int> stopFlag { 0 };
    std::atomic<int> lastException { 0 };
    int tapAttempt = 1; // attempt number of the exchange on the wire (1 = first try)
    std::unique_ptr<QMutex> mutex;
    mutable QMutex deviceFileLock; // deviceFile is written by identification, read by any thread
};
