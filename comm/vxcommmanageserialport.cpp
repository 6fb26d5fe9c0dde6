#include "vxcommmanageserialport.h"

#include "modbusframe.h"
#include "seriallinechoices.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QTimer>

#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

#include <algorithm>
#include <cstring>

VxCommManageSerialPort::VxCommManageSerialPort(QObject *parent)
    : QObject(parent)
{
    std::memset(readBuffer, 0, sizeof readBuffer);
    ioThread.setObjectName(QStringLiteral("SerialLinkIo"));
    worker = new QObject;
    worker->moveToThread(&ioThread);
    ioThread.start();
    // The port is created once its thread runs, so it belongs to that thread from the start.
    runOnIoThread([this] {
#ifdef Q_OS_LINUX
        // The reply timing is made of short sleeps; the default 50 us timer slack would add
        // to every one of them.
        prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
#endif
        port = new QSerialPort;
        watch = new QTimer(worker);
        watch->setInterval(WatchIntervalMs);
        connect(watch, &QTimer::timeout, worker, [this] { watchTick(); });
    });
}

VxCommManageSerialPort::~VxCommManageSerialPort()
{
    runOnIoThread([this] {
        delete watch;
        watch = nullptr;
        if (port->isOpen())
            port->close();
        delete port;
        port = nullptr;
    });
    portOpen.store(false);
    ioThread.quit();
    ioThread.wait();
    delete worker;
}

void VxCommManageSerialPort::runOnIoThread(const std::function<void()> &work) const
{
    // A call from the I/O thread itself would wait for itself: run it in place.
    if (QThread::currentThread() == &ioThread) {
        work();
        return;
    }
    QMetaObject::invokeMethod(worker, work, Qt::BlockingQueuedConnection);
}

QString VxCommManageSerialPort::VxCommSystemPortName(const QString &portName)
{
    static const QRegularExpression longCom(QStringLiteral("^(COM\\d{2,})"));
    QString name = portName;
    return name.replace(longCom, QStringLiteral("\\\\.\\\\1"));
}

QStringList VxCommManageSerialPort::VxCommAvailablePorts()
{
    QStringList names;
    auto ports = QSerialPortInfo::availablePorts();
    std::sort(ports.begin(), ports.end(),
        [](const QSerialPortInfo &a, const QSerialPortInfo &b) { return a.portName() < b.portName(); });
    for (const QSerialPortInfo &info : ports)
        names << info.portName() << stableNamesOf(info.systemLocation());
    return names;
}

QStringList VxCommManageSerialPort::stableNamesOf(const QString &systemLocation, const QString &byIdDir)
{
    QStringList links;
    const QString target = QFileInfo(systemLocation).canonicalFilePath();
    if (target.isEmpty())
        return links;
    const QFileInfoList entries = QDir(byIdDir).entryInfoList(QDir::System | QDir::Files, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (entry.isSymLink() && entry.canonicalFilePath() == target)
            links << entry.absoluteFilePath();
    }
    return links;
}

QString VxCommManageSerialPort::VxCommPortDescription(const QString &name)
{
    const QString device = QFileInfo(name).isSymLink() ? QFileInfo(name).canonicalFilePath() : name;
    const QSerialPortInfo info(device);
    QStringList parts;
    for (const QString &part : { info.description(), info.manufacturer() }) {
        if (!part.isEmpty() && !parts.contains(part))
            parts << part;
    }
    if (!info.serialNumber().isEmpty())
        parts << tr("serial number %1").arg(info.serialNumber());
    return parts.join(QStringLiteral(", "));
}

int VxCommManageSerialPort::VxCommPollInterval(int baudRate)
{
    switch (baudRate) {
    case 2400:
        return 14;
    case 9600:
    case 19200:
    case 38400:
    case 57600:
    case 115200:
        return 8;
    default:
        return 10;
    }
}

bool VxCommManageSerialPort::VxCommOpenPort(const QString &name, int requestedRate, const QString &settings)
{
    if (portOpen.load())
        return true;
    const int rate = SerialLineChoices::isBaudRate(requestedRate) ? requestedRate : 9600;

    const QStringList parts = settings.split(QLatin1Char(','));
    const QString parityText = parts.value(0).trimmed();
    const QString dataText = parts.value(1).trimmed();
    const QString stopText = parts.value(2).trimmed();
    QSerialPort::Parity parityChoice = QSerialPort::NoParity;
    if (parityText == QLatin1String("O"))
        parityChoice = QSerialPort::OddParity;
    else if (parityText == QLatin1String("E"))
        parityChoice = QSerialPort::EvenParity;
    QSerialPort::DataBits dataChoice = QSerialPort::Data8;
    if (dataText == QLatin1String("5"))
        dataChoice = QSerialPort::Data5;
    else if (dataText == QLatin1String("6"))
        dataChoice = QSerialPort::Data6;
    else if (dataText == QLatin1String("7"))
        dataChoice = QSerialPort::Data7;
    const QSerialPort::StopBits stopChoice
        = stopText == QLatin1String("1") ? QSerialPort::OneStop : QSerialPort::TwoStop;

    bool opened = false;
    runOnIoThread([&] {
        portName = name;
        baudRate = rate;
        parity = int(parityChoice);
        dataBits = int(dataChoice);
        stopBits = int(stopChoice);
        opened = openWithKeptSettings();
        hold(opened);
    });
    if (!opened)
        qDebug() << "Port is not open";
    return opened;
}

bool VxCommManageSerialPort::VxCommReopenPort()
{
    bool opened = false;
    runOnIoThread([&] {
        // A lost port is tried once a second by the watch alone, however often this is called.
        if (lost.load())
            return;
        if (port->isOpen())
            port->close();
        opened = !portName.isEmpty() && openWithKeptSettings();
        if (opened)
            hold(true);
        else if (portOpen.load())
            noticeLoss();
    });
    return opened;
}

void VxCommManageSerialPort::hold(bool held)
{
    // A port the user opened stays open for the program while its adapter is away: the watch
    // takes it up again when it is back.
    portOpen.store(held);
    lost.store(false);
    if (held)
        watch->start();
    else
        watch->stop();
}

void VxCommManageSerialPort::watchTick()
{
    if (!port->isOpen()) {
        takeUpAgain();
        return;
    }
    // Between exchanges nothing reads the port: a device that went would go unnoticed until the
    // next request. A hang-up shows as a resource error once the driver is asked.
    pullFromDriver();
    noticeLoss();
}

QString VxCommManageSerialPort::deviceBehind(const QString &name)
{
    const QString path = name.startsWith(QLatin1Char('/')) ? name : QStringLiteral("/dev/") + name;
    return QFileInfo(path).canonicalFilePath();
}

bool VxCommManageSerialPort::takeUpAgain()
{
    // Called by the watch only, so a missing adapter costs no more than a failed open a second.
    if (portName.isEmpty() || !openWithKeptSettings())
        return false;
    if (lost.exchange(false))
        emit VxCommLinkBack();
    return true;
}

bool VxCommManageSerialPort::noticeLoss()
{
    // An unplugged USB adapter, or a pseudo-terminal whose other side ended, leaves the open
    // file behind a device that is gone or has been replaced: let go of it and open it anew.
    if (port->isOpen() && port->error() != QSerialPort::ResourceError
        && deviceBehind(portName) == openedDevice)
        return false;
    if (port->isOpen())
        port->close();
    if (!lost.exchange(true))
        emit VxCommLinkLost(tr("The adapter of %1 was unplugged or replaced; its units connect again by "
                               "themselves when it is back.")
                                .arg(portName));
    return true;
}

bool VxCommManageSerialPort::openWithKeptSettings()
{
    openAttempts.fetch_add(1);
    port->setPortName(VxCommSystemPortName(portName));
    openFault.clear();
    openedDevice = deviceBehind(portName);
    if (!port->open(QIODevice::ReadWrite)) {
        switch (port->error()) {
        case QSerialPort::PermissionError:
            // Linux reports a port held by another program as "permission" too: tell them apart.
            openFault = QFileInfo(QSerialPortInfo(*port).systemLocation()).isWritable()
                ? tr("%1 is in use by another program.").arg(portName)
                : noAccessText(portName);
            break;
        case QSerialPort::DeviceNotFoundError:
            openFault = tr("%1 does not exist: is the adapter plugged in?").arg(portName);
            break;
        default:
            openFault = port->errorString();
            break;
        }
        return false;
    }
    port->setBaudRate(baudRate);
    port->setParity(QSerialPort::Parity(parity));
    port->setDataBits(QSerialPort::DataBits(dataBits));
    port->setStopBits(QSerialPort::StopBits(stopBits));
    port->setFlowControl(QSerialPort::NoFlowControl);
    return true;
}

QString VxCommManageSerialPort::noAccessText(const QString &name)
{
    return tr("You have no access to %1. Add your user to the group that owns it (dialout) and log in "
              "again.")
        .arg(name);
}

QString VxCommManageSerialPort::VxCommOpenFault() const
{
    QString fault;
    runOnIoThread([&] { fault = openFault; });
    return fault;
}

void VxCommManageSerialPort::VxCommClosePort()
{
    runOnIoThread([this] {
        if (port->isOpen())
            port->close();
        hold(false);
    });
}

QString VxCommManageSerialPort::VxCommGetPortName() const
{
    QString name;
    runOnIoThread([&] { name = portName; });
    return name;
}

QString VxCommManageSerialPort::VxCommGetBaudRateText() const
{
    static const int known[] = { 50, 75, 110, 134, 150, 200, 300, 600, 1200, 1800, 2400, 4800, 9600, 14400,
        19200, 38400, 56000, 57600, 76800, 115200, 128000, 256000 };
    int rate = 0;
    runOnIoThread([&] { rate = baudRate; });
    return std::find(std::begin(known), std::end(known), rate) != std::end(known) ? QString::number(rate)
                                                                                  : QString();
}

QString VxCommManageSerialPort::VxCommGetParityText() const
{
    int value = 0;
    runOnIoThread([&] { value = parity; });
    switch (value) {
    case QSerialPort::OddParity:
        return tr("O");
    case QSerialPort::EvenParity:
        return tr("E");
    case QSerialPort::MarkParity:
        return tr("M");
    case QSerialPort::SpaceParity:
        return tr("S");
    default:
        return tr("N");
    }
}

QString VxCommManageSerialPort::VxCommGetDataBitsText() const
{
    int bits = 8;
    runOnIoThread([&] { bits = dataBits; });
    return (bits >= 5 && bits <= 8) ? QString::number(bits) : QStringLiteral("8");
}

QString VxCommManageSerialPort::VxCommGetStopBitsText() const
{
    int bits = 1;
    runOnIoThread([&] { bits = stopBits; });
    switch (bits) {
    case QSerialPort::OneAndHalfStop:
        return QStringLiteral("1.5");
    case QSerialPort::TwoStop:
        return QStringLiteral("2");
    default:
        return QStringLiteral("1");
    }
}

QString VxCommManageSerialPort::VxCommGetSettingsText() const
{
    return VxCommGetParityText() + QLatin1Char(',') + VxCommGetDataBitsText() + QLatin1Char(',')
        + VxCommGetStopBitsText();
}

int VxCommManageSerialPort::VxCommSendReceive(
    const quint8 *request, quint8 *reply, quint32 &replyLength, int requestLength, int expectedLength)
{
    int result = -1;
    runOnIoThread([&] { result = exchange(request, reply, replyLength, requestLength, expectedLength); });
    return result;
}

void VxCommManageSerialPort::pullFromDriver()
{
    // The port is not served by an event loop while an exchange runs: fetch what the driver
    // holds without waiting. A poll that finds nothing reports a timeout, which is no error here.
    for (int i = 0; i < 4 && port->waitForReadyRead(0); ++i) { }
    if (port->error() != QSerialPort::ResourceError)
        port->clearError();
}

int VxCommManageSerialPort::exchange(
    const quint8 *request, quint8 *reply, quint32 &replyLength, int requestLength, int expectedLength)
{
    replyLength = 0;
    lastMandatedWait.store(0);
    // A port let go after its device went is taken up again by the watch, not here.
    if (!port->isOpen())
        return -14;
    // Bytes left over from an earlier reply that came late or too long would be taken
    // for the start of this one.
    pullFromDriver();
    port->clear(QSerialPort::Input);
    port->readAll();

    if (port->write(reinterpret_cast<const char *>(request), requestLength) != requestLength
        || !port->waitForBytesWritten(1000)) {
        // A port whose device went says so once, through the link's report, not per exchange.
        if (noticeLoss())
            return -14;
        port->clearError();
        return -4;
    }
    int mandated = requestLength + msgDelay.load();
    QThread::msleep(static_cast<unsigned long>(mandated));

    int total = 0;
    const int collected = collectReply(reply, total, mandated);
    lastMandatedWait.store(mandated);
    if (collected < 0)
        return noticeLoss() ? -14 : collected;
    replyLength = quint32(total);
    return ModbusFrame::checkReply(request, reply, total, expectedLength);
}

int VxCommManageSerialPort::collectReply(quint8 *reply, int &total, int &mandated)
{
    const int interval = VxCommPollInterval(baudRate);
    const int pollLimit = msgDelay.load() + 40;
    int polls = 0;
    total = 0;
    for (;;) {
        std::memset(readBuffer, 0, sizeof readBuffer);
        pullFromDriver();
        const qint64 available = port->bytesAvailable();
        if (available > 0 && available < ModbusFrame::BufferSize - total) {
            const qint64 got = port->read(reinterpret_cast<char *>(readBuffer), available);
            if (got < 0)
                return -1;
            std::memcpy(reply + total, readBuffer, size_t(got));
            total += int(got);
            if (got == 0 || polls > pollLimit)
                return 1;
        } else if (available > 0) {
            // More than the buffer holds: no unit sends such a reply. Drop it whole.
            port->clear(QSerialPort::Input);
            port->readAll();
            total = 0;
            return -17;
        } else if (total > 0) {
            return 1;
        } else if (polls > pollLimit) {
            return -12;
        }
        ++polls;
        mandated += interval;
        QThread::msleep(static_cast<unsigned long>(interval));
    }
}
