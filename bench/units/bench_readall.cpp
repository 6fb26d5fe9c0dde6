// Benchmark: read all parameters of a shipped unit (RVN V2.05, over 400 parameters) from the
// drive simulator through the unit worker, over loopback TCP and over a pseudo-terminal, at the
// product's default delays, and compare the time with what the delays alone demand.
#include "apppaths.h"
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

Run readAll(VxCommModbusMaster &master, const QString &deviceFile)
{
    Run run;
    TreeModel model(deviceFile, 0, QStringLiteral("13,0"), QStringLiteral("5.5"), true);
    if (!model.isValid())
        return run;
    run.exchanges = model.readList().size();
    master.VxCommAddUnitHealth(1, QStringLiteral("connect"), QStringLiteral("1"));
    importfileThread thread(&master, { QStringLiteral("1") }, &model);
    thread.setOperation(importfileThread::ReadAllParameters);
    QEventLoop loop;
    QObject::connect(&thread, &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    QTimer::singleShot(600000, &loop, &QEventLoop::quit); // bound
    QElapsedTimer timer;
    timer.start();
    thread.start();
    loop.exec();
    run.elapsedMs = timer.elapsed();
    run.ok = thread.isOperationFinished() && thread.getResult() == WorkerOps::Completed;
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

    {
        SimPeer sim;
        const quint16 port = tcpPort();
        if (!sim.startTcp(Host, port, options)) {
            out << "TCP simulator did not start\n";
            return 1;
        }
        VxCommModbusMaster master(3);
        master.VxCommConnectTcpLink(Host, port);
        const Run run = readAll(master, deviceFile);
        report(out, "TCP loopback  ", run, master.VxCommGetMsgDelay());
        failures += run.ok ? 0 : 1;
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
        const Run run = readAll(master, deviceFile);
        // The serial link sleeps one ms per request byte plus its delay, and ends a reply at the
        // first poll interval that brings no new byte.
        report(out, "pseudo-terminal", run,
            RequestBytes + master.VxCommGetMsgDelay() + VxCommManageSerialPort::VxCommPollInterval(Baud));
        failures += run.ok ? 0 : 1;
    }
    return failures ? 1 : 0;
}
