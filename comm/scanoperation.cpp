#include "scanoperation.h"

#include "linktap.h"
#include "unitentryfields.h"
#include "vxcommdevicestatus.h"
#include "vxcommidentify.h"
#include "vxcommmodbusmaster.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMutexLocker>
#include <QTcpSocket>
#include <QThread>
#include <memory>

namespace F = UnitEntryField;
using namespace VxCommIdentify;

namespace ScanOps {

QString candidateMessage(int code, int interfaceNumber)
{
    switch (code) {
    case Identified:
        return QCoreApplication::translate("ScanOps", "Device Link Established");
    case NoDeviceFile:
        return interfaceNumber == 1 ? QCoreApplication::translate("ScanOps", "No CSV File Found")
                                    : QCoreApplication::translate("ScanOps", "No CSV File found");
    case InvalidLink:
        return QCoreApplication::translate("ScanOps", "Invalid CSV File");
    case NoTcpConnection:
        if (interfaceNumber == 3)
            return QCoreApplication::translate("ScanOps", "No Connection with Given IP");
        break;
    default:
        break;
    }
    return QCoreApplication::translate("ScanOps", "No Device Link");
}

QVector<bool> probeTcp(const QStringList &addresses, quint16 port, int concurrency, int timeoutMs,
    const std::function<bool()> &stop)
{
    QVector<bool> accepted(addresses.size(), false);
    struct Attempt
    {
        int index;
        std::unique_ptr<QTcpSocket> socket;
        QElapsedTimer clock;
    };
    std::vector<Attempt> running;
    int next = 0;
    QEventLoop loop;
    const int window = qMax(1, concurrency);
    while ((next < addresses.size() || !running.empty()) && !(stop && stop())) {
        while (next < addresses.size() && int(running.size()) < window) {
            Attempt a { next, std::make_unique<QTcpSocket>(), {} };
            a.socket->connectToHost(addresses.at(next), port);
            a.clock.start();
            running.push_back(std::move(a));
            ++next;
        }
        loop.processEvents(QEventLoop::AllEvents, 5);
        for (auto it = running.begin(); it != running.end();) {
            const auto state = it->socket->state();
            const bool done = state == QAbstractSocket::ConnectedState
                || state == QAbstractSocket::UnconnectedState || it->clock.elapsed() > timeoutMs;
            if (!done) {
                ++it;
                continue;
            }
            accepted[it->index] = state == QAbstractSocket::ConnectedState;
            it->socket->abort();
            it = running.erase(it);
        }
        if (!running.empty())
            QThread::msleep(1);
    }
    return accepted;
}

namespace {

class Scan
{
public:
    Scan(vxCommDeviceStatus &scanner, const Hooks &hooks, const Options &options)
        : m_scanner(scanner)
        , m_hooks(hooks)
        , m_options(options)
    { }

    bool stopped() const { return m_scanner.VxCommGetStopScanFlag(); }

    VxCommModbusMaster *newMaster(int channel)
    {
        VxCommModbusMaster *master = m_hooks.createMaster(channel);
        master->VxCommSetChannel(channel);
        master->VxCommSetNoOfRetries(m_scanner.VxCommGetNoOfRetries());
        master->VxCommSetMsgDelay(m_scanner.VxCommGetMsgDelay());
        return master;
    }

    void drop(VxCommModbusMaster *master)
    {
        master->VxCommCloseLink();
        m_hooks.discardMaster(master);
    }

    // One candidate's report and progress; true when it was identified.
    bool finish(int code, int unit, int channel, const QString &link)
    {
        ++m_scanned;
        if (code == Identified)
            ++m_found;
        if (m_hooks.report) {
            const bool silent = code == NoDeviceLink || code == NoTcpConnection;
            m_hooks.report(code == Identified ? 4
                    : silent                  ? SilentCandidate
                                              : 3,
                unit, channel, link, candidateMessage(code, channel));
        }
        if (m_hooks.progress)
            m_hooks.progress(m_scanned, m_found);
        return code == Identified;
    }

    // Tries one serial number on an open (or unopenable) port; a found unit joins the results.
    bool trySerial(VxCommModbusMaster *master, bool portOpen, int channel, const QString &port, int baud,
        const QString &parity, int unit)
    {
        int code = NoDeviceLink; // a port that cannot be opened has no unit on it
        VxCommLinkOutputs out;
        if (portOpen) {
            m_scanner.VxCommSetModbusMaster(master);
            code = m_scanner.VxCommLinkUnit(channel, { port, parity, unit, baud }, {}, out);
            m_scanner.VxCommSetModbusMaster(nullptr);
        }
        if (code == Identified) {
            QStringList entry = F::emptyEntry();
            entry[F::Number] = QString::number(unit);
            entry[F::Interface] = channel == 1 ? QString(F::rs232()) : QString(F::rs485());
            entry[F::Port] = port;
            entry[F::Baudrate] = QString::number(baud);
            entry[F::Parity] = parity;
            fillUnitEntry(entry, out.identity);
            markConnected(master, unit);
            m_found_units.append({ entry, master });
        }
        return finish(code, unit, channel, port);
    }

    // The link step of one address on its own master (none: the address refused connections).
    // Runs on any thread: it touches only the master and a scanning object of its own.
    struct TcpOutcome
    {
        VxCommModbusMaster *master = nullptr;
        int code = NoTcpConnection;
        VxCommLinkOutputs out;
    };
    void identifyTcp(const QString &address, TcpOutcome &outcome) const
    {
        if (!outcome.master)
            return;
        vxCommDeviceStatus linker;
        linker.VxCommSetNoOfRetries(m_scanner.VxCommGetNoOfRetries());
        linker.VxCommSetMsgDelay(m_scanner.VxCommGetMsgDelay());
        linker.VxCommSetModbusMaster(outcome.master);
        VxCommTcpInfo tcp;
        tcp.ipAddress = address;
        tcp.port = m_options.tcpPort;
        outcome.code = linker.VxCommLinkUnit(3, {}, tcp, outcome.out);
    }

    // Registers and reports an identified address, or drops its master.
    bool finishTcp(const QString &address, TcpOutcome &outcome)
    {
        if (outcome.code == Identified) {
            QStringList entry = F::emptyEntry();
            entry[F::Number] = QStringLiteral("1");
            entry[F::Interface] = F::tcpIp();
            entry[F::IpAddress] = address;
            fillUnitEntry(entry, outcome.out.identity);
            markConnected(outcome.master, 1);
            m_found_units.append({ entry, outcome.master });
        } else if (outcome.master) {
            drop(outcome.master);
        }
        outcome.master = nullptr;
        return finish(outcome.code, 1, 3, address);
    }

    static void markConnected(VxCommModbusMaster *master, int unit)
    {
        QMutexLocker lock(master->VxCommMutex());
        master->VxCommAddUnitHealth(unit, F::connected(), QStringLiteral("1"));
    }

    void serialPorts(
        int channel, const QStringList &ports, int baud, const QString &parity, const QVector<int> &units)
    {
        for (const QString &port : ports) {
            VxCommModbusMaster *master = nullptr;
            bool open = false;
            bool anyFound = false;
            for (int unit : units) {
                if (stopped())
                    break;
                if (!master) {
                    master = newMaster(channel);
                    open = master->VxCommOpenSerialLink(port, baud, parity) == 1;
                }
                const bool found = trySerial(master, open, channel, port, baud, parity, unit);
                anyFound = anyFound || found;
                if (found && channel == 1)
                    break; // one unit per RS232 port
            }
            if (master && !anyFound)
                drop(master);
            if (stopped())
                return;
        }
    }

    void tcpRange(const QStringList &addresses)
    {
        QVector<bool> reachable(addresses.size(), true);
        // Probing first costs one time-out for all silent addresses instead of one each; the
        // addresses are then identified in their order, so results and reports stay the same.
        if (m_options.concurrentProbes > 1 && addresses.size() > 1)
            reachable = probeTcp(addresses, m_options.tcpPort, m_options.concurrentProbes,
                m_options.probeTimeoutMs, [this] { return stopped(); });
        if (m_options.concurrentIdentify <= 1) {
            for (int i = 0; i < addresses.size() && !stopped(); ++i) {
                TcpOutcome outcome;
                outcome.master = reachable.at(i) ? newMaster(3) : nullptr;
                identifyTcp(addresses.at(i), outcome);
                finishTcp(addresses.at(i), outcome);
            }
            return;
        }
        identifyInParallel(addresses, reachable);
    }

    // Units that accept but never answer cost a full resend cycle each: several addresses are
    // identified at once, on threads of their own, and reported as soon as every address before
    // them is, so reports and progress come in the order of a one-by-one scan.
    void identifyInParallel(const QStringList &addresses, const QVector<bool> &reachable)
    {
        struct Slot
        {
            TcpOutcome outcome;
            std::unique_ptr<QThread> thread;
        };
        std::vector<Slot> pending(size_t(addresses.size()));
        int next = 0;
        int running = 0;
        for (int reported = 0; reported < addresses.size();) {
            while (next < addresses.size() && running < m_options.concurrentIdentify && !stopped()) {
                Slot &slot = pending[size_t(next)];
                if (reachable.at(next)) {
                    slot.outcome.master = newMaster(3);
                    const QString address = addresses.at(next);
                    TcpOutcome *outcome = &slot.outcome;
                    slot.thread.reset(
                        QThread::create([this, address, outcome] { identifyTcp(address, *outcome); }));
                    slot.thread->start();
                    ++running;
                }
                ++next;
            }
            if (reported == next)
                break; // stopped: nothing more was started
            Slot &slot = pending[size_t(reported)];
            if (slot.thread && !slot.thread->wait(20))
                continue;
            if (slot.thread) {
                slot.thread.reset();
                --running;
            }
            if (stopped())
                break;
            finishTcp(addresses.at(reported), slot.outcome);
            ++reported;
        }
        // Stopped: what was still being identified ends, unreported, and its masters go.
        for (Slot &slot : pending) {
            if (slot.thread)
                slot.thread->wait();
            if (slot.outcome.master)
                drop(slot.outcome.master);
        }
    }

    QList<FoundUnit> m_found_units;

private:
    vxCommDeviceStatus &m_scanner;
    const Hooks &m_hooks;
    const Options &m_options;
    int m_scanned = 0;
    int m_found = 0;
};

} // namespace

QList<FoundUnit> runScan(vxCommDeviceStatus &scanner, const rs232InfoForAutoScan &rs232,
    const rs485InfoForAutoScan &rs485, const ethernetInfoForAutoScan &range, const Hooks &hooks,
    const Options &options)
{
    const LinkPurposeScope purpose(LinkPurpose::Scan);
    Scan scan(scanner, hooks, options);
    scan.serialPorts(1, rs232.ports, rs232.baudrate, rs232.parity, rs232.units);
    if (!scan.stopped())
        scan.serialPorts(2, rs485.ports, rs485.baudrate, rs485.parity, rs485.units);
    if (!scan.stopped())
        scan.tcpRange(ScanRules::ipAddresses(range));
    return scan.m_found_units;
}

} // namespace ScanOps
