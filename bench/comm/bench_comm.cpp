// Per-exchange time of the Modbus master over a pseudo-terminal and over loopback TCP, beside a
// plain libmodbus client doing the same exchange against the same pymodbus server. Our figure
// is given minus the waits the protocol timing prescribes (the pause after a request and the
// reply poll intervals), with the delay between messages set to 0.
#include "../benchfigures.h"
#include "commtestpeers.h"
#include "vxcommmanageserialport.h"
#include "vxcommmodbusmaster.h"
#include "vxcommtcpclient.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <modbus.h>
#include <vector>

namespace {

using Figures = BenchFigures;

double ms(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

Figures oursOverSerial(const QString &device, int rounds, double &mandatedMean)
{
    VxCommModbusMaster master(1);
    if (master.VxCommOpenSerialLink(device, 115200, "N,8,1") != 1)
        return { 0, 0, rounds };
    master.VxCommSetMsgDelay(0);
    master.VxCommAddUnitHealth(1, "connect", "1");
    std::vector<double> net;
    double mandated = 0;
    int failures = 0;
    quint8 reply[1024];
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer t;
        t.start();
        const int r = master.VxCommTransaction(4, 40001, 0, 1, 0, nullptr, reply);
        const double total = ms(t);
        const int wait = master.VxCommSerialLink()->lastMandatedWaitMs();
        if (r != 7) {
            ++failures;
            continue;
        }
        mandated += wait;
        net.push_back(total - wait);
    }
    mandatedMean = net.empty() ? 0 : mandated / double(net.size());
    master.VxCommCloseLink();
    return summarise(net, failures);
}

Figures libmodbusOverSerial(const QString &device, int rounds)
{
    modbus_t *ctx = modbus_new_rtu(device.toLocal8Bit().constData(), 115200, 'N', 8, 1);
    if (!ctx || modbus_set_slave(ctx, 1) != 0 || modbus_connect(ctx) != 0) {
        if (ctx)
            modbus_free(ctx);
        return { 0, 0, rounds };
    }
    std::vector<double> samples;
    int failures = 0;
    for (int i = 0; i < rounds; ++i) {
        uint16_t value = 0;
        QElapsedTimer t;
        t.start();
        const int r = modbus_read_registers(ctx, 0, 1, &value);
        const double total = ms(t);
        if (r != 1)
            ++failures;
        else
            samples.push_back(total);
    }
    modbus_close(ctx);
    modbus_free(ctx);
    return summarise(samples, failures);
}

Figures oursOverTcp(const QString &host, quint16 port, int rounds)
{
    VxCommModbusMaster master(3);
    if (!master.VxCommConnectTcpLink(host, port))
        return { 0, 0, rounds };
    master.VxCommSetMsgDelay(0);
    master.VxCommAddUnitHealth(1, "connect", "1");
    std::vector<double> net;
    int failures = 0;
    quint8 reply[1024];
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer t;
        t.start();
        const int r = master.VxCommTransaction(4, 40001, 0, 1, 0, nullptr, reply);
        const double total = ms(t);
        if (r != 5) {
            ++failures;
            continue;
        }
        net.push_back(total - master.VxCommTcpLink()->lastMandatedWaitMs());
    }
    return summarise(net, failures);
}

Figures libmodbusOverTcp(const QString &host, quint16 port, int rounds)
{
    std::vector<double> samples;
    int failures = 0;
    for (int i = 0; i < rounds; ++i) {
        uint16_t value = 0;
        QElapsedTimer t;
        t.start();
        modbus_t *ctx = modbus_new_tcp(host.toLatin1().constData(), port);
        bool ok = ctx && modbus_set_slave(ctx, 1) == 0 && modbus_connect(ctx) == 0
            && modbus_read_registers(ctx, 0, 1, &value) == 1;
        if (ctx) {
            modbus_close(ctx);
            modbus_free(ctx);
        }
        const double total = ms(t);
        if (!ok) {
            if (failures++ == 0)
                std::fprintf(stderr, "libmodbus TCP: %s\n", modbus_strerror(errno));
        } else {
            samples.push_back(total);
        }
    }
    return summarise(samples, failures);
}

void row(const char *what, const Figures &f)
{
    std::printf(
        "  %-44s mean %7.3f ms   median %7.3f ms   failures %d\n", what, f.mean, f.median, f.failures);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(10, std::atoi(argv[1])) : 200;
    const QString host = QStringLiteral("127.0.0.30");

    QTemporaryDir dir;
    SocatPty pty;
    PymodbusPeer rtuPeer;
    PymodbusPeer tcpPeer;
    const quint16 port = modbusTcpPort(host, 15030);
    if (!dir.isValid() || !pty.start(dir.path()) || !rtuPeer.startRtu(pty.peer())
        || !tcpPeer.startTcp(host, port)) {
        std::fprintf(stderr, "peers did not start\n");
        return 1;
    }

    std::printf("Read of one holding register, %d exchanges each, pymodbus server\n", rounds);
    std::printf("Pseudo-terminal (RTU, 115200):\n");
    double mandated = 0;
    const Figures ours = oursOverSerial(pty.ours(), rounds, mandated);
    const Figures theirs = libmodbusOverSerial(pty.ours(), rounds);
    row("ours minus prescribed waits", ours);
    std::printf("  %-44s mean %7.3f ms\n", "  (prescribed waits, not counted)", mandated);
    row("libmodbus", theirs);
    std::printf("  ours minus prescribed waits minus libmodbus: %+.3f ms (mean)\n", ours.mean - theirs.mean);

    std::printf("Loopback TCP (connect, read, close), port %u:\n", unsigned(port));
    const Figures oursTcp = oursOverTcp(host, port, rounds);
    const Figures theirsTcp = libmodbusOverTcp(host, port, rounds);
    row("ours (no prescribed wait at delay 0)", oursTcp);
    row("libmodbus", theirsTcp);
    std::printf("  ours minus libmodbus: %+.3f ms (mean)\n", oursTcp.mean - theirsTcp.mean);
    return (ours.failures || theirs.failures || oursTcp.failures || theirsTcp.failures) ? 2 : 0;
}
