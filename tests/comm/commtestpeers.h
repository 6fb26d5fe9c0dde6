#pragma once

#include "loopback.h"

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
#include <atomic>
#include <functional>
#include <thread>

// Peers for the link tests and the benchmark: socat pseudo-terminal pairs, the pymodbus
// server, and scripted peers for the faults a real server does not produce. Every peer ends
// what it started in its destructor, so a failing test leaves nothing behind.

// A pair of linked pseudo-terminals; the master opens one end, a peer the other.
class SocatPty
{
public:
    ~SocatPty() { stop(); }
    bool start(const QString &dir);
    void stop();
    QString ours() const { return oursPath; } // /dev/pts/N for the link under test
    QString peer() const { return peerPath; } // /dev/pts/N for the peer

private:
    QProcess process;
    QString oursPath, peerPath;
};

// The pymodbus server of tests/comm/modbus_peer.py, over RTU or TCP.
class PymodbusPeer
{
public:
    ~PymodbusPeer() { stop(); }
    // `holding`: the number of holding registers served, when not the peer's own.
    bool startRtu(const QString &device, const QStringList &holding = {});
    bool startTcp(const QString &host, quint16 port, const QStringList &holding = {});
    void stop();

private:
    bool start(const QStringList &arguments);
    QProcess process;
};

// 502 when it can be bound on `host` (as root), else `fallback`, so the tests also pass
// unprivileged.
quint16 modbusTcpPort(const QString &host, quint16 fallback);

// Answers requests on the peer end of a pseudo-terminal with whatever the responder returns
// (an empty reply means silence). Runs on a plain thread with POSIX calls, no Qt objects.
class ScriptedSerialPeer
{
public:
    using Responder = std::function<QByteArray(const QByteArray &request)>;
    ~ScriptedSerialPeer() { stop(); }
    bool start(const QString &device, Responder responder);
    void stop();
    int requestCount() const { return requests.load(); }

private:
    void run();
    Responder respond;
    std::thread thread;
    std::atomic<bool> running { false };
    std::atomic<int> requests { 0 };
    int fd = -1;
};

// A Modbus TCP listener on a loopback address that answers each connection's request with
// the segments the responder returns, pausing `gapMs` between them, then closes (at once for
// the one segment QByteArray()).
class ScriptedTcpPeer
{
public:
    using Responder = std::function<QList<QByteArray>(const QByteArray &request)>;
    ~ScriptedTcpPeer() { stop(); }
    bool start(const QString &host, Responder responder, int gapMs = 0);
    void stop();
    quint16 port() const { return listenPort; }

private:
    void run();
    void serve(int client);
    Responder respond;
    int gap = 0;
    std::thread thread;
    std::atomic<bool> running { false };
    int listenFd = -1;
    quint16 listenPort = 0;
};

// RTU helpers for scripted replies.
QByteArray withCrc(QByteArray frame);
QByteArray fromHex(const char *hex);
