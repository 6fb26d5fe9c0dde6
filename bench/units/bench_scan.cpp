// The automatic scan of a 254-address loopback range, one address at a time, probing the range
// first 32 connection attempts at a time, and as the scan does now (the whole range probed at
// once, the addresses that accept identified 8 at a time), side by side (target: under 3 s). Three simulators
// answer, ten addresses accept a connection but never answer, and every other address stays silent: a
// listener whose queue is full drops the connection request, as an absent host on a plant does.
#include "apppaths.h"
#include "scanoperation.h"
#include "simpeer.h"
#include "vxcommdevicestatus.h"
#include "vxcommmodbusmaster.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTextStream>
#include <arpa/inet.h>
#include <fcntl.h>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr quint16 Port = 15390;
const QString Prefix = QStringLiteral("127.0.90.");
const QList<int> Answering { 20, 120, 200 };

// A listener that never accepts, its one queue place taken: further connection requests are dropped.
class SilentHost
{
public:
    bool open(const QString &address)
    {
        sockaddr_in sa {};
        sa.sin_family = AF_INET;
        sa.sin_port = htons(Port);
        inet_pton(AF_INET, address.toLatin1().constData(), &sa.sin_addr);
        listener = socket(AF_INET, SOCK_STREAM, 0);
        int one = 1;
        setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        if (bind(listener, reinterpret_cast<sockaddr *>(&sa), sizeof sa) != 0 || listen(listener, 0) != 0)
            return false;
        for (int &fd : fillers) {
            fd = socket(AF_INET, SOCK_STREAM, 0);
            fcntl(fd, F_SETFL, O_NONBLOCK);
            ::connect(fd, reinterpret_cast<sockaddr *>(&sa), sizeof sa);
        }
        return true;
    }
    ~SilentHost()
    {
        for (int fd : fillers)
            if (fd >= 0)
                close(fd);
        if (listener >= 0)
            close(listener);
    }

private:
    int listener = -1;
    int fillers[2] = { -1, -1 };
};

struct Outcome
{
    qint64 ms = 0;
    int found = 0;
    QStringList reports;
};

Outcome run(int probes, int identify)
{
    vxCommDeviceStatus scanner;
    scanner.VxCommSetMsgDelay(35);
    scanner.VxCommSetNoOfRetries(0);
    ScanOps::Hooks hooks;
    Outcome outcome;
    hooks.createMaster = [](int channel) { return new VxCommModbusMaster(channel); };
    hooks.discardMaster = [](VxCommModbusMaster *m) { delete m; };
    hooks.report = [&outcome](int kind, int, int, const QString &link, const QString &message) {
        outcome.reports << QStringLiteral("%1 %2 %3").arg(kind).arg(link, message);
    };
    ScanOps::Options options;
    options.tcpPort = Port;
    options.concurrentProbes = probes;
    options.concurrentIdentify = identify;
    QElapsedTimer clock;
    clock.start();
    const auto found = ScanOps::runScan(
        scanner, {}, {}, { { "127", "0", "90", "1" }, { "127", "0", "90", "254" } }, hooks, options);
    outcome.ms = clock.elapsed();
    outcome.found = found.size();
    for (const auto &unit : found)
        delete unit.master;
    return outcome;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    TestInstallation inst(dir.path());
    if (!inst.addGeneralCsv() || !inst.addDeviceFile(QStringLiteral("KTZV1.10.csv")))
        return 1;
    AppPaths::setBaseDir(inst.baseDir());
    const QStringList simBase { "--data", TARVOLINK_SOURCE_DIR "/data", "--device", "KTZV1.10.csv" };

    std::vector<std::unique_ptr<SimPeer>> sims;
    for (int last : Answering) {
        sims.push_back(std::make_unique<SimPeer>());
        if (!sims.back()->startTcp(Prefix + QString::number(last), Port, simBase))
            return 1;
    }
    QStringList mute;
    for (int last = 31; last <= 40; ++last) {
        sims.push_back(std::make_unique<SimPeer>());
        if (!sims.back()->startTcp(
                Prefix + QString::number(last), Port, simBase + QStringList { "--silent-after", "0" }))
            return 1;
        mute << Prefix + QString::number(last);
    }
    std::vector<std::unique_ptr<SilentHost>> silent;
    for (int last = 1; last <= 254; ++last) {
        if (Answering.contains(last) || (last >= 31 && last <= 40))
            continue;
        silent.push_back(std::make_unique<SilentHost>());
        if (!silent.back()->open(Prefix + QString::number(last)))
            return 1;
    }
    out << "range 127.0.90.1-254: 3 simulators, 10 mute simulators, " << silent.size() << " silent addresses"
        << Qt::endl;
    const ScanOps::Options defaults;
    const Outcome parallel = run(defaults.concurrentProbes, defaults.concurrentIdentify);
    out << "probed " << defaults.concurrentProbes << " at a time, identified " << defaults.concurrentIdentify
        << " at a time: " << parallel.ms << " ms, " << parallel.found << " found ("
        << (parallel.ms < 3000 ? "under" : "OVER") << " 3 s)" << Qt::endl;
    const Outcome concurrent = run(32, 1);
    out << "probed 32 at a time:            " << concurrent.ms << " ms, " << concurrent.found << " found"
        << Qt::endl;
    const Outcome sequential = run(1, 1);
    out << "one by one:                     " << sequential.ms << " ms, " << sequential.found << " found"
        << Qt::endl;
    const bool same = concurrent.reports == sequential.reports && parallel.reports == sequential.reports;
    out << "same reports: " << (same ? "yes" : "NO") << Qt::endl;
    out << "ratio one-by-one / probed: "
        << QString::number(double(sequential.ms) / qMax<qint64>(1, concurrent.ms), 'f', 1)
        << ", probed / probed + parallel: "
        << QString::number(double(concurrent.ms) / qMax<qint64>(1, parallel.ms), 'f', 1) << Qt::endl;
    return same && parallel.found == 3 ? 0 : 2;
}
