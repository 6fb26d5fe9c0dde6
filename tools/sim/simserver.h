#pragma once

#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

struct _modbus;
typedef struct _modbus modbus_t;

class SimUnit;

// Faults the simulator injects on request, to exercise the program's error paths.
struct SimFaults
{
    int silentAfter = -1; // stop answering after this many requests (-1: never)
    QMap<int, int> exceptionAt; // register number (data-model) -> exception code
    int slowMs = 0; // extra delay before every reply
    QSet<int> busyWrite; // register numbers whose writes are taken but answered "busy" (exception 6)
    bool singleReads = false; // reads of several holding parameters answer "illegal data address"
};

// Serves simulated units over Modbus TCP or RTU with libmodbus building every reply.
// Single-threaded: one poll() loop handles the sockets or the serial line and advances the
// simulated drives between requests, so the register tables need no locking.
class SimServer
{
public:
    SimServer(const SimFaults &faults, bool verbose);
    ~SimServer();

    // One TCP listener; the unit served there answers whatever unit identifier is asked
    // (a drive on Ethernet is its own Modbus server).
    bool addTcpListener(const QString &address, quint16 port, SimUnit *unit, QString *error);
    // One serial line (a real device or a pseudo-terminal master); several units told apart
    // by their unit number share it, as on an RS485 bus.
    bool setSerialLine(int fd, const QList<SimUnit *> &units, QString *error);

    // Runs until stop() is called from a signal handler (or the flag it sets).
    void run(const std::function<bool()> &keepRunning);

    int requestCount() const { return m_requests; }

private:
    struct Listener;
    struct Client;
    struct SerialLine;

    // Decides on the faults, then answers through libmodbus; returns false when the
    // request is dropped (silence).
    bool answer(modbus_t *ctx, const unsigned char *req, int length, int headerLength, SimUnit *unit);
    void serviceSerial();
    void tickUnits();

    SimFaults m_faults;
    bool m_verbose;
    int m_requests = 0;
    std::vector<std::unique_ptr<Listener>> m_listeners;
    std::vector<std::unique_ptr<Client>> m_clients;
    std::unique_ptr<SerialLine> m_serial;
    QList<SimUnit *> m_allUnits;
    qint64 m_lastTickMs = 0;
};
