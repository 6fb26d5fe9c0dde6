#pragma once

#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>
#include <atomic>
#include <functional>

class QSerialPort;
class QTimer;

// Modbus RTU over one serial port; the port lives in this link's own I/O thread and every
// operation is carried out there while the caller waits.
class VxCommManageSerialPort : public QObject
{
    Q_OBJECT
public:
    explicit VxCommManageSerialPort(QObject *parent = nullptr);
    ~VxCommManageSerialPort() override;

    // Opens with the baud rate and the "parity,data bits,stop bits" text (e.g. "N,8,1").
    // Returns true at once when the port is already open.
    bool VxCommOpenPort(const QString &portName, int baudRate, const QString &settings);
    void VxCommClosePort();
    // Closes and opens the port again with the settings it was opened with.
    bool VxCommReopenPort();
    bool VxCommIsPortOpen() const { return portOpen.load(); }
    // The port is open for the program but its device has gone (an unplugged USB adapter): the
    // link tries to take it up again once a second by itself, and exchanges fail at once.
    bool VxCommIsLinkLost() const { return lost.load(); }
    // Attempts to open the port so far, for diagnosis.
    int VxCommOpenAttempts() const { return openAttempts.load(); }
    // Why the last open failed, in words a user can act on; empty after a successful open.
    QString VxCommOpenFault() const;
    // The sentence for a port the user may not open.
    static QString noAccessText(const QString &portName);

    // One exchange: writes the request, collects the reply by polling and checks it.
    // Returns 1 or a negative code of the Modbus master.
    int VxCommSendReceive(
        const quint8 *request, quint8 *reply, quint32 &replyLength, int requestLength, int expectedLength);

    void VxCommSetMsgDelay(int ms) { msgDelay.store(ms); }
    int VxCommGetMsgDelay() const { return msgDelay.load(); }

    // Current settings, as texts; the name is the one the port was opened with.
    QString VxCommGetPortName() const;
    QString VxCommGetBaudRateText() const;
    QString VxCommGetParityText() const;
    QString VxCommGetDataBitsText() const;
    QString VxCommGetStopBitsText() const;
    QString VxCommGetSettingsText() const;

    // "COM" with two or more digits gets the Windows device-namespace prefix.
    static QString VxCommSystemPortName(const QString &portName);
    // Names of the serial ports present; beside each, the stable names the system gives it
    // (/dev/serial/by-id/...), which survive unplugging and re-plugging a USB adapter.
    static QStringList VxCommAvailablePorts();
    // The adapter behind a port name or a stable name: description, maker and serial number.
    static QString VxCommPortDescription(const QString &name);
    // Links in byIdDir that lead to the device at systemLocation, as full paths.
    static QStringList stableNamesOf(
        const QString &systemLocation, const QString &byIdDir = QStringLiteral("/dev/serial/by-id"));
    // Poll interval in ms for a baud rate.
    static int VxCommPollInterval(int baudRate);

    // Milliseconds of the last exchange spent in the waits the protocol timing prescribes
    // (the pause after the request and the poll intervals); for measurements.
    int lastMandatedWaitMs() const { return lastMandatedWait.load(); }

signals:
    // From the link's I/O thread: the device behind the port went (with the sentence for the
    // user), and later came back and was taken up again.
    void VxCommLinkLost(QString reason);
    void VxCommLinkBack();

private:
    // How often a held port is checked for its device, and a lost one tried again.
    static constexpr int WatchIntervalMs = 1000;

    void runOnIoThread(const std::function<void()> &work) const;
    bool openWithKeptSettings(); // in ioThread only
    // In ioThread only: the once-a-second look at a held port (and the try to take a lost one up).
    void watchTick();
    bool takeUpAgain(); // in ioThread only: opens a port that was lost, when it is back
    bool noticeLoss(); // in ioThread only: closes a port whose device has gone; true when it did
    void hold(bool held); // in ioThread only: the program holds the port open (or no longer)
    static QString deviceBehind(const QString &name);
    int exchange(
        const quint8 *request, quint8 *reply, quint32 &replyLength, int requestLength, int expectedLength);
    int collectReply(quint8 *reply, int &total, int &mandated);
    void pullFromDriver();

    QThread ioThread;
    QObject *worker = nullptr; // lives in ioThread; context for the calls made there
    QSerialPort *port = nullptr; // created, used and deleted in ioThread only
    QTimer *watch = nullptr; // likewise; runs while the program holds the port
    // The settings as applied at open, touched only in ioThread. They are kept rather than read
    // back from the port: a pseudo-terminal, for one, drops parity and data bits, and the
    // periodic reopening must restore what the user chose.
    QString portName;
    QString openFault; // why the last open failed
    QString openedDevice; // the device node the port was opened on
    int baudRate = 9600;
    int parity = 0; // QSerialPort::Parity
    int dataBits = 8; // QSerialPort::DataBits
    int stopBits = 2; // QSerialPort::StopBits
    quint8 readBuffer[1024];
    std::atomic<bool> portOpen { false }; // held open for the program, even while lost
    std::atomic<bool> lost { false };
    std::atomic<int> openAttempts { 0 };
    std::atomic<int> msgDelay { 20 };
    std::atomic<int> lastMandatedWait { 0 };
};
