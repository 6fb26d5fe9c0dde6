#pragma once

#include "scanrequest.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class VxCommModbusMaster;
class vxCommDeviceStatus;

// The automatic scan as a plain function on the calling thread: the window's scan worker and
// tarvolink-cli run the same candidates in the same order with the same messages.
namespace ScanOps {

// A unit the scan identified, with the master it was found on (shared by the units of one RS485
// port). The caller takes the masters over.
struct FoundUnit
{
    QStringList entry;
    VxCommModbusMaster *master = nullptr;
};

// The report kind of a candidate that did not answer at all: the scan's result, not a fault.
constexpr int SilentCandidate = 6;

struct Hooks
{
    // A new master for channel 1, 2 or 3; the scanner gives it its delay and retries.
    std::function<VxCommModbusMaster *(int channel)> createMaster;
    // A master that found nothing: its link is closed already.
    std::function<void(VxCommModbusMaster *)> discardMaster;
    // One report per candidate: kind (3 failure, 4 success, SilentCandidate), unit number (1 on
    // TCP/IP), channel, port or address, message.
    std::function<void(int kind, int unit, int channel, const QString &link, const QString &message)> report;
    // After each candidate: candidates tried, units found.
    std::function<void(int scanned, int found)> progress;
};

struct Options
{
    quint16 tcpPort = 502; // tests and tools that cannot serve 502 change it
    // Connection attempts of a TCP/IP range made at once before the addresses are identified in
    // order; 1 tries them one by one as they come. A whole /24 at once: an absent host costs its
    // full time-out, so fewer attempts at a time multiply that time-out.
    int concurrentProbes = 256;
    int probeTimeoutMs = 1000; // as long as a link step waits for a connection
    // Addresses of a TCP/IP range identified at once, each on its own master and connection; the
    // units are still reported and registered in address order. 1 identifies them one by one.
    int concurrentIdentify = 8;
};

// The report text of a candidate's link result on interface 1, 2 or 3.
QString candidateMessage(int code, int interfaceNumber);

// Which of the addresses accept a TCP connection on port, at most `concurrency` attempts at a
// time, each given timeoutMs; stops early (remaining: false) once stop() holds.
QVector<bool> probeTcp(const QStringList &addresses, quint16 port, int concurrency, int timeoutMs,
    const std::function<bool()> &stop);

// RS232 ports (one unit per port), RS485 ports (all numbers), then the TCP/IP range; the
// scanner's stop flag is tested before every candidate and ends the whole scan.
QList<FoundUnit> runScan(vxCommDeviceStatus &scanner, const rs232InfoForAutoScan &rs232,
    const rs485InfoForAutoScan &rs485, const ethernetInfoForAutoScan &range, const Hooks &hooks,
    const Options &options = Options());

} // namespace ScanOps
