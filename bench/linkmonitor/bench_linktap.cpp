// What a Link Monitor listener costs the bus: the Modbus master's exchange time with nobody
// listening and with one listener draining its queue on another thread (as the window and
// --trace do), over a pseudo-terminal and over loopback TCP against the same pymodbus server.
// The two are measured interleaved, in blocks, in one run, so drift of the machine falls on both.
#include "../benchfigures.h"
#include "commtestpeers.h"
#include "linktap.h"
#include "vxcommmodbusmaster.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

constexpr int Block = 10; // exchanges of one kind before switching to the other

using Figures = BenchFigures;

// One listener as the window has it: a queue drained in batches on its own thread.
class Listener
{
public:
    void start()
    {
        queue = LinkTap::subscribe(50000);
        running = true;
        thread = std::thread([this] {
            while (running)
                taken += qint64(queue->take(200).size());
        });
    }
    void stop()
    {
        LinkTap::unsubscribe(queue);
        running = false;
        thread.join();
    }
    std::atomic<qint64> taken { 0 };

private:
    std::shared_ptr<LinkTapQueue> queue;
    std::atomic<bool> running { false };
    std::thread thread;
};

void compare(VxCommModbusMaster &master, int rounds, int replyLength, const char *title)
{
    quint8 reply[1024];
    std::vector<double> off, on;
    int failedOff = 0, failedOn = 0;
    Listener listener;
    for (int done = 0; done < 2 * rounds; done += Block) {
        const bool listening = (done / Block) % 2 == 1;
        if (listening)
            listener.start();
        for (int i = 0; i < Block; ++i) {
            QElapsedTimer t;
            t.start();
            const int r = master.VxCommTransaction(4, 40001, 0, 1, 0, nullptr, reply);
            const double us = double(t.nsecsElapsed()) / 1000.0;
            if (r != replyLength)
                ++(listening ? failedOn : failedOff);
            else
                (listening ? on : off).push_back(us);
        }
        if (listening)
            listener.stop();
    }
    const Figures a = summarise(off, failedOff), b = summarise(on, failedOn);
    std::printf("%s, %d exchanges each:\n", title, rounds);
    std::printf(
        "  %-22s mean %9.1f us   median %9.1f us   failures %d\n", "tap off", a.mean, a.median, a.failures);
    std::printf("  %-22s mean %9.1f us   median %9.1f us   failures %d   (%lld handed over)\n",
        "one listener", b.mean, b.median, b.failures, static_cast<long long>(listener.taken.load()));
    const double allowed = std::max(0.02 * a.median, 20.0);
    std::printf(
        "  listener / off: mean %.4f, median %.4f; median difference %+.1f us (allowed %.1f us): %s\n",
        b.mean / a.mean, b.median / a.median, b.median - a.median, allowed,
        b.median - a.median <= allowed ? "within" : "OVER");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(Block, std::atoi(argv[1])) : 300;
    const QString host = QStringLiteral("127.0.0.31");
    QTemporaryDir dir;
    SocatPty pty;
    PymodbusPeer rtuPeer, tcpPeer;
    const quint16 port = modbusTcpPort(host, 15031);
    if (!dir.isValid() || !pty.start(dir.path()) || !rtuPeer.startRtu(pty.peer())
        || !tcpPeer.startTcp(host, port)) {
        std::fprintf(stderr, "peers did not start\n");
        return 1;
    }
    std::printf("Read of one holding register from pymodbus, delay between messages 0\n");
    VxCommModbusMaster serial(1);
    if (serial.VxCommOpenSerialLink(pty.ours(), 115200, QStringLiteral("N,8,1")) != 1)
        return 1;
    serial.VxCommSetMsgDelay(0);
    serial.VxCommAddUnitHealth(1, QStringLiteral("connect"), QStringLiteral("1"));
    compare(serial, rounds, 7, "Pseudo-terminal (RTU, 115200)");

    VxCommModbusMaster tcp(3);
    if (!tcp.VxCommConnectTcpLink(host, port))
        return 1;
    tcp.VxCommSetMsgDelay(0);
    tcp.VxCommAddUnitHealth(1, QStringLiteral("connect"), QStringLiteral("1"));
    compare(tcp, rounds, 5, "Loopback TCP (connect, read, close)");
    return 0;
}
