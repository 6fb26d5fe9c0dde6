// Benchmark: read all parameters of a shipped unit (RVN V2.05, over 400 parameters) through the
// unit worker, over loopback TCP and over a pseudo-terminal, at the product's default delays:
// one by one against what the delays alone demand, and one by one against reads in blocks (the
// time ratio, and whether both give the same parameter set file). Peers: the drive simulator,
// and pymodbus serving holding registers 40001-45000 with values of its own.
#include "apppaths.h"
#include "commtestpeers.h"
#include "datfile.h"
#include "importfilethread.h"
#include "simpeer.h"
#include "treemodel.h"
#include "vxcommmanageserialport.h"
#include "vxcommmodbusmaster.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <atomic>
#include <cstdio>

namespace {

const QString Host = QStringLiteral("127.0.0.32");
const QString Device = QStringLiteral("RVNV2.05.csv");
constexpr int RequestBytes = 8; // a read request: the serial link waits one ms per byte sent
constexpr int Baud = 19200;

quint16 tcpPort()
{
    QTcpServer probe;
    if (probe.listen(QHostAddress(Host), 502)) {
        probe.close();
        return 502;
    }
    return 15032;
}

struct Run
{
    bool ok = false;
    int exchanges = 0;
    qint64 elapsedMs = 0;
};

Run readAll(VxCommModbusMaster &master, const QString &deviceFile, bool blocks, QString *dat)
{
    Run run;
    TreeModel model(deviceFile, 0, QStringLiteral("13,0"), QStringLiteral("5.5"), true);
    if (!model.isValid())
        return run;
    master.VxCommAddUnitHealth(1, QStringLiteral("connect"), QStringLiteral("1"));
    importfileThread thread(&master, { QStringLiteral("1") }, &model);
    thread.setOperation(importfileThread::ReadAllParameters);
    thread.setBlockReads(blocks);
    QEventLoop loop;
    QObject::connect(&thread, &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    QTimer::singleShot(600000, &loop, &QEventLoop::quit); // bound
    QElapsedTimer timer;
    timer.start();
    // Each exchange ends in one success or exception report.
    std::atomic<int> exchanges { 0 };
    const auto counter = QObject::connect(&master, &VxCommModbusMaster::VxCommHealthOfUnitToUI,
        [&exchanges](int kind) { exchanges += kind == 1 || kind == 4 ? 1 : 0; });
    thread.start();
    loop.exec();
    run.elapsedMs = timer.elapsed();
    QObject::disconnect(counter);
    run.exchanges = exchanges.load();
    run.ok = thread.isOperationFinished() && thread.getResult() == WorkerOps::Completed;
    QTextStream file(dat);
    DatFile::writeParameterLines(file, model);
    return run;
}

void report(QTextStream &out, const char *link, const Run &run, int perExchangeMs)
{
    const qint64 mandated = qint64(run.exchanges) * perExchangeMs;
    const double ratio = mandated > 0 ? double(run.elapsedMs) / double(mandated) : 0.0;
    out << QStringLiteral("%1  exchanges %2  time %3 ms  mandated %4 x %5 ms = %6 ms  ratio %7  %8\n")
               .arg(QLatin1String(link))
               .arg(run.exchanges)
               .arg(run.elapsedMs)
               .arg(run.exchanges)
               .arg(perExchangeMs)
               .arg(mandated)
               .arg(ratio, 0, 'f', 3)
               .arg(!run.ok            ? QStringLiteral("FAILED")
                       : ratio <= 1.10 ? QStringLiteral("within 10%")
                                       : QStringLiteral("over 10%"));
    out.flush();
}

// One by one, then in blocks, on the same link; false when a read failed or the files differ.
bool compare(QTextStream &out, const char *link, VxCommModbusMaster &master, const QString &deviceFile,
    int perExchangeMs)
{
    QString single, blocks;
    const Run one = readAll(master, deviceFile, false, &single);
    report(out, link, one, perExchangeMs);
    const Run block = readAll(master, deviceFile, true, &blocks);
    const double speedUp = double(one.elapsedMs) / double(qMax<qint64>(1, block.elapsedMs));
    const bool same = one.ok && block.ok && single == blocks;
    out << QStringLiteral("%1  in blocks: exchanges %2  time %3 ms  %4x faster (target 5x: %5)  .dat %6\n")
               .arg(QLatin1String(link))
               .arg(block.exchanges)
               .arg(block.elapsedMs)
               .arg(speedUp, 0, 'f', 1)
               .arg(speedUp >= 5.0 ? QStringLiteral("met") : QStringLiteral("MISSED"))
               .arg(same ? QStringLiteral("byte-identical") : QStringLiteral("DIFFERENT"));
    out.flush();
    return same;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    AppPaths::setBaseDir(QCoreApplication::applicationDirPath());
    const QString deviceFile = AppPaths::csvDir() + QLatin1Char('/') + Device;
    QTextStream out(stdout);
    out << "Read all parameters of " << Device << " at the default delays\n";
    const QStringList options { QStringLiteral("--device"), Device, QStringLiteral("--size"),
        QStringLiteral("1") };
    int failures = 0;
    const quint16 port = tcpPort();
    // The serial link sleeps one ms per request byte plus its delay, and ends a reply at the
    // first poll interval that brings no new byte.
    const auto serialMs = [](const VxCommModbusMaster &master, int baud) {
        return RequestBytes + master.VxCommGetMsgDelay() + VxCommManageSerialPort::VxCommPollInterval(baud);
    };
    {
        SimPeer sim;
        if (!sim.startTcp(Host, port, options)) {
            out << "TCP simulator did not start\n";
            return 1;
        }
        VxCommModbusMaster master(3);
        master.VxCommConnectTcpLink(Host, port);
        failures += compare(out, "simulator, TCP loopback  ", master, deviceFile, master.VxCommGetMsgDelay())
            ? 0
            : 1;
    }
    {
        QTemporaryDir dir;
        SimPeer sim;
        const QString line = dir.filePath(QStringLiteral("line"));
        if (!sim.startPty(line, options)) {
            out << "serial simulator did not start\n";
            return 1;
        }
        VxCommModbusMaster master(1);
        if (master.VxCommOpenSerialLink(line, Baud, QStringLiteral("N,8,1")) != 1) {
            out << "pseudo-terminal did not open\n";
            return 1;
        }
        failures
            += compare(out, "simulator, pseudo-terminal", master, deviceFile, serialMs(master, Baud)) ? 0 : 1;
    }
    const QStringList holding { QStringLiteral("5000") };
    {
        PymodbusPeer peer;
        if (!peer.startTcp(Host, port, holding)) {
            out << "pymodbus (TCP) did not start\n";
            return 1;
        }
        VxCommModbusMaster master(3);
        master.VxCommConnectTcpLink(Host, port);
        failures += compare(out, "pymodbus, TCP loopback   ", master, deviceFile, master.VxCommGetMsgDelay())
            ? 0
            : 1;
    }
    {
        QTemporaryDir dir;
        SocatPty pty;
        PymodbusPeer peer;
        if (!pty.start(dir.path()) || !peer.startRtu(pty.peer(), holding)) {
            out << "pymodbus (RTU) did not start\n";
            return 1;
        }
        VxCommModbusMaster master(1);
        // The peer's line runs at 115200 baud.
        if (master.VxCommOpenSerialLink(pty.ours(), 115200, QStringLiteral("N,8,1")) != 1) {
            out << "pseudo-terminal did not open\n";
            return 1;
        }
        failures += compare(out, "pymodbus, pseudo-terminal", master, deviceFile, serialMs(master, 115200))
            ? 0
            : 1;
    }
    return failures ? 1 : 0;
}
