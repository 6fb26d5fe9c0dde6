// tarvolink-sim: a drive simulator that serves the register map of a device description
// file over Modbus TCP or RTU, so the program can be tried and tested without hardware.

#include "apppaths.h"
#include "simdevice.h"
#include "simserver.h"
#include "simunit.h"
#include "tarvolinkversion.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {

std::atomic<bool> keepRunning { true };
std::atomic<int> pendingTrips { 0 };

void onStop(int)
{
    keepRunning = false;
}
void onTrip(int)
{
    ++pendingTrips;
}

speed_t baudConstant(int baud)
{
    switch (baud) {
    case 2400:
        return B2400;
    case 4800:
        return B4800;
    case 9600:
        return B9600;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    default:
        return B19200;
    }
}

// Raw 8-bit line: no echo, no line editing, no translation of CR/LF, parity as asked.
bool makeRaw(int fd, int baud, const QString &framing)
{
    termios tio {};
    if (tcgetattr(fd, &tio) != 0)
        return false;
    cfmakeraw(&tio);
    cfsetispeed(&tio, baudConstant(baud));
    cfsetospeed(&tio, baudConstant(baud));
    const QStringList parts = framing.split(QLatin1Char(','));
    tio.c_cflag &= ~(PARENB | PARODD | CSTOPB);
    if (parts.value(0) == QLatin1String("E"))
        tio.c_cflag |= PARENB;
    else if (parts.value(0) == QLatin1String("O"))
        tio.c_cflag |= PARENB | PARODD;
    if (parts.value(2) == QLatin1String("2"))
        tio.c_cflag |= CSTOPB;
    tio.c_cflag |= CLOCAL | CREAD;
    return tcsetattr(fd, TCSANOW, &tio) == 0;
}

int fail(const QString &message)
{
    QTextStream(stderr) << "tarvolink-sim: " << message << Qt::endl;
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarvolink-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARVOLINK_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simulated drives on Modbus TCP or RTU."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataOpt(QStringLiteral("data"),
        QStringLiteral("Installation folder holding configData/ and csv_file/."), QStringLiteral("DIR"));
    const QCommandLineOption deviceOpt(QStringLiteral("device"),
        QStringLiteral("Device description file to serve (name in csv_file/ or a path); default: the first "
                       "shipped model."),
        QStringLiteral("FILE"));
    const QCommandLineOption unitOpt(QStringLiteral("unit"),
        QStringLiteral("Unit number on the serial line (repeatable; default 1)."), QStringLiteral("N"));
    const QCommandLineOption sizeOpt(QStringLiteral("size"),
        QStringLiteral("Size code the drive reports (default: first of its size table)."),
        QStringLiteral("CODE"));
    const QCommandLineOption tcpOpt(QStringLiteral("tcp"),
        QStringLiteral(
            "Serve Modbus TCP on ADDRESS[:PORT] (repeatable: one drive per address; port 502 by default)."),
        QStringLiteral("ADDRESS"));
    const QCommandLineOption rtuOpt(QStringLiteral("rtu"),
        QStringLiteral("Serve Modbus RTU on a serial device."), QStringLiteral("DEVICE"));
    const QCommandLineOption ptyOpt(QStringLiteral("pty"),
        QStringLiteral("Serve Modbus RTU on a new pseudo-terminal; LINK becomes a symbolic link to it."),
        QStringLiteral("LINK"));
    const QCommandLineOption baudOpt(QStringLiteral("baud"),
        QStringLiteral("Baud rate of --rtu (default 19200)."), QStringLiteral("N"), QStringLiteral("19200"));
    const QCommandLineOption parityOpt(QStringLiteral("parity"),
        QStringLiteral("Framing of --rtu, e.g. N,8,1 (default)."), QStringLiteral("P,D,S"),
        QStringLiteral("N,8,1"));
    const QCommandLineOption silentOpt(QStringLiteral("silent-after"),
        QStringLiteral("Fault: stop answering after N requests."), QStringLiteral("N"));
    const QCommandLineOption exceptionOpt(QStringLiteral("exception"),
        QStringLiteral("Fault: answer requests at REGISTER with exception CODE (repeatable)."),
        QStringLiteral("REGISTER:CODE"));
    const QCommandLineOption busyOpt(QStringLiteral("busy-write"),
        QStringLiteral("Fault: store writes to REGISTER but answer them \"busy\" (exception 6; repeatable)."),
        QStringLiteral("REGISTER"));
    const QCommandLineOption slowOpt(QStringLiteral("slow"),
        QStringLiteral("Fault: delay every reply by MS milliseconds."), QStringLiteral("MS"));
    const QCommandLineOption singleOpt(QStringLiteral("single-reads"),
        QStringLiteral("Fault: refuse reads of several holding parameters at once (exception 2)."));
    const QCommandLineOption tripOpt(QStringLiteral("trip-after"),
        QStringLiteral(
            "Fault: trip every drive after SECONDS (SIGUSR1 trips at once); a stop command resets the trip."),
        QStringLiteral("SECONDS"));
    const QCommandLineOption verboseOpt(
        QStringLiteral("verbose"), QStringLiteral("Log each request on one line to stderr."));
    for (const auto &option : { dataOpt, deviceOpt, unitOpt, sizeOpt, tcpOpt, rtuOpt, ptyOpt, baudOpt,
             parityOpt, silentOpt, exceptionOpt, busyOpt, slowOpt, singleOpt, tripOpt, verboseOpt })
        parser.addOption(option);
    parser.process(app);

    if (parser.isSet(dataOpt))
        AppPaths::setBaseDir(parser.value(dataOpt));
    const int modes = int(parser.isSet(tcpOpt)) + int(parser.isSet(rtuOpt)) + int(parser.isSet(ptyOpt));
    if (modes != 1)
        return fail(QStringLiteral("give exactly one of --tcp, --rtu or --pty"));

    SimFaults faults;
    bool ok = true;
    if (parser.isSet(silentOpt)) {
        faults.silentAfter = parser.value(silentOpt).toInt(&ok);
        if (!ok || faults.silentAfter < 0)
            return fail(QStringLiteral("--silent-after needs a number of requests"));
    }
    if (parser.isSet(slowOpt)) {
        faults.slowMs = parser.value(slowOpt).toInt(&ok);
        if (!ok || faults.slowMs < 0)
            return fail(QStringLiteral("--slow needs milliseconds"));
    }
    for (const QString &rule : parser.values(exceptionOpt)) {
        const QStringList parts = rule.split(QLatin1Char(':'));
        bool okNumber = false, okCode = false;
        const int number = parts.value(0).toInt(&okNumber);
        const int code = parts.value(1).toInt(&okCode);
        if (parts.size() != 2 || !okNumber || !okCode || code < 1 || code > 255)
            return fail(QStringLiteral("--exception needs REGISTER:CODE, got %1").arg(rule));
        faults.exceptionAt.insert(number, code);
    }
    for (const QString &number : parser.values(busyOpt)) {
        faults.busyWrite.insert(number.toInt(&ok));
        if (!ok)
            return fail(QStringLiteral("--busy-write needs a register number, got %1").arg(number));
    }
    faults.singleReads = parser.isSet(singleOpt);
    double tripAfter = -1.0;
    if (parser.isSet(tripOpt)) {
        tripAfter = parser.value(tripOpt).toDouble(&ok);
        if (!ok || tripAfter < 0)
            return fail(QStringLiteral("--trip-after needs seconds"));
    }
    int sizeCode = -1;
    if (parser.isSet(sizeOpt)) {
        sizeCode = parser.value(sizeOpt).toInt(&ok);
        if (!ok)
            return fail(QStringLiteral("--size needs a number"));
    }

    QString error;
    const QString deviceFile = SimDevice::resolveDeviceFile(parser.value(deviceOpt), &error);
    if (deviceFile.isEmpty())
        return fail(error);

    auto makeUnit = [&](int unitNumber) -> std::unique_ptr<SimUnit> {
        auto unit = std::make_unique<SimUnit>(unitNumber);
        if (!SimDevice::populate(*unit, deviceFile, sizeCode, &error))
            return nullptr;
        return unit;
    };

    SimServer server(faults, parser.isSet(verboseOpt));
    std::vector<std::unique_ptr<SimUnit>> units;
    QTextStream out(stdout);

    if (parser.isSet(tcpOpt)) {
        for (const QString &listenAt : parser.values(tcpOpt)) {
            const int colon = listenAt.lastIndexOf(QLatin1Char(':'));
            const QString address = colon > 0 ? listenAt.left(colon) : listenAt;
            const int port = colon > 0 ? listenAt.mid(colon + 1).toInt(&ok) : 502;
            if (!ok || port < 1 || port > 65535)
                return fail(QStringLiteral("bad port in %1").arg(listenAt));
            auto unit = makeUnit(1);
            if (!unit)
                return fail(error);
            if (!server.addTcpListener(address, quint16(port), unit.get(), &error))
                return fail(error);
            out << "Modbus TCP on " << address << ':' << port << " serving "
                << QFileInfo(deviceFile).fileName() << Qt::endl;
            units.push_back(std::move(unit));
        }
    } else {
        QList<int> unitNumbers;
        for (const QString &text : parser.values(unitOpt)) {
            const int number = text.toInt(&ok);
            if (!ok || number < 1 || number > 255)
                return fail(QStringLiteral("unit numbers run from 1 to 255, got %1").arg(text));
            unitNumbers.append(number);
        }
        if (unitNumbers.isEmpty())
            unitNumbers.append(1);
        const int baud = parser.value(baudOpt).toInt();
        int fd = -1;
        QString linePath;
        int keepSlaveOpen = -1;
        if (parser.isSet(ptyOpt)) {
            int slave = -1;
            char name[256] = {};
            if (openpty(&fd, &slave, name, nullptr, nullptr) != 0)
                return fail(QStringLiteral("cannot create a pseudo-terminal"));
            makeRaw(slave, baud, parser.value(parityOpt));
            // Holding the slave side open keeps the master readable when a client closes the
            // port, instead of reporting a hang-up on every poll.
            keepSlaveOpen = slave;
            linePath = QString::fromLocal8Bit(name);
            const QString link = parser.value(ptyOpt);
            QFile::remove(link);
            if (!QFile::link(linePath, link))
                return fail(QStringLiteral("cannot create the link %1").arg(link));
            out << "Modbus RTU on " << link << " -> " << linePath << Qt::endl;
        } else {
            linePath = parser.value(rtuOpt);
            fd = ::open(linePath.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
            if (fd < 0)
                return fail(QStringLiteral("cannot open %1").arg(linePath));
            makeRaw(fd, baud, parser.value(parityOpt));
            out << "Modbus RTU on " << linePath << Qt::endl;
        }
        QList<SimUnit *> lineUnits;
        for (int number : qAsConst(unitNumbers)) {
            auto unit = makeUnit(number);
            if (!unit)
                return fail(error);
            lineUnits.append(unit.get());
            units.push_back(std::move(unit));
        }
        if (!server.setSerialLine(fd, lineUnits, &error))
            return fail(error);
        out << "units";
        for (int number : qAsConst(unitNumbers))
            out << ' ' << number;
        out << " serving " << QFileInfo(deviceFile).fileName() << Qt::endl;
        Q_UNUSED(keepSlaveOpen)
    }

    std::signal(SIGINT, onStop);
    std::signal(SIGTERM, onStop);
    std::signal(SIGUSR1, onTrip);
    std::signal(SIGPIPE, SIG_IGN);

    QElapsedTimer clock;
    clock.start();
    bool tripped = false;
    server.run([&]() {
        const bool timedTrip = !tripped && tripAfter >= 0 && clock.elapsed() >= qint64(tripAfter * 1000.0);
        if (timedTrip)
            tripped = true;
        const int trips = pendingTrips.exchange(0) + (timedTrip ? 1 : 0);
        for (int i = 0; i < trips; ++i) {
            for (auto &unit : units) {
                unit->injectTrip(0);
                QTextStream(stderr) << "tripped: " << unit->stateText() << Qt::endl;
            }
        }
        return keepRunning.load();
    });
    if (parser.isSet(ptyOpt))
        QFile::remove(parser.value(ptyOpt));
    return 0;
}
