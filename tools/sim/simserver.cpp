#include "simserver.h"

#include "modbusframe.h"
#include "simunit.h"

#include <QDateTime>
#include <QTextStream>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <modbus.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Length of a complete RTU request from its first bytes, or 0 while more bytes are needed,
// or -1 for a function we cannot frame.
int rtuRequestLength(const unsigned char *buf, int have)
{
    if (have < 2)
        return 0;
    switch (buf[1]) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
        return 8;
    case 15:
    case 16:
        return have < 7 ? 0 : 9 + buf[6];
    case 23:
        return have < 11 ? 0 : 13 + buf[10];
    default:
        return -1;
    }
}

// Data-model number of the first register a request touches, for the exception faults.
int requestedNumber(const unsigned char *pdu)
{
    const int start = (pdu[1] << 8) | pdu[2];
    switch (pdu[0]) {
    case 1:
    case 5:
    case 15:
        return start + 1;
    case 2:
        return start + 10001;
    case 4:
        return start + 30001;
    default:
        return start + 40001;
    }
}

qint64 nowMs()
{
    return QDateTime::currentMSecsSinceEpoch();
}

} // namespace

struct SimServer::Listener
{
    int fd = -1;
    modbus_t *ctx = nullptr;
    SimUnit *unit = nullptr;
    QString name;
    ~Listener()
    {
        if (fd >= 0)
            ::close(fd);
        if (ctx)
            modbus_free(ctx);
    }
};

struct SimServer::Client
{
    int fd = -1;
    Listener *listener = nullptr;
    std::vector<unsigned char> buffer;
    ~Client()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

struct SimServer::SerialLine
{
    int fd = -1;
    modbus_t *ctx = nullptr;
    QList<SimUnit *> units;
    std::vector<unsigned char> buffer;
    qint64 lastByteMs = 0;
    ~SerialLine()
    {
        if (ctx)
            modbus_free(ctx);
        if (fd >= 0)
            ::close(fd);
    }
};

SimServer::SimServer(const SimFaults &faults, bool verbose)
    : m_faults(faults)
    , m_verbose(verbose)
{ }

SimServer::~SimServer() = default;

bool SimServer::addTcpListener(const QString &address, quint16 port, SimUnit *unit, QString *error)
{
    auto listener = std::make_unique<Listener>();
    listener->fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (listener->fd < 0) {
        *error = QString::fromLocal8Bit(strerror(errno));
        return false;
    }
    int yes = 1;
    ::setsockopt(listener->fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in addr {};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    if (::inet_pton(AF_INET, address.toLatin1().constData(), &addr.sin_addr) != 1) {
        *error = QStringLiteral("not an IPv4 address: %1").arg(address);
        return false;
    }
    if (::bind(listener->fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0
        || ::listen(listener->fd, 16) != 0) {
        *error
            = QStringLiteral("%1:%2: %3").arg(address).arg(port).arg(QString::fromLocal8Bit(strerror(errno)));
        return false;
    }
    // The context is only used to build replies; its own socket is set per client.
    listener->ctx = modbus_new_tcp(nullptr, port);
    listener->unit = unit;
    listener->name = QStringLiteral("%1:%2").arg(address).arg(port);
    m_listeners.push_back(std::move(listener));
    if (!m_allUnits.contains(unit))
        m_allUnits.append(unit);
    return true;
}

bool SimServer::setSerialLine(int fd, const QList<SimUnit *> &units, QString *error)
{
    m_serial = std::make_unique<SerialLine>();
    m_serial->fd = fd;
    // libmodbus writes the reply with its RTU framing (CRC appended) to this descriptor.
    m_serial->ctx = modbus_new_rtu("/dev/null", 19200, 'N', 8, 1);
    if (!m_serial->ctx) {
        *error = QStringLiteral("cannot create an RTU context");
        return false;
    }
    modbus_set_socket(m_serial->ctx, fd);
    m_serial->units = units;
    for (SimUnit *unit : units)
        if (!m_allUnits.contains(unit))
            m_allUnits.append(unit);
    return true;
}

bool SimServer::answer(modbus_t *ctx, const unsigned char *req, int length, int headerLength, SimUnit *unit)
{
    ++m_requests;
    const unsigned char *pdu = req + headerLength;
    const int unitId = req[headerLength - 1];
    if (m_verbose) {
        QString hex;
        for (int i = 0; i < length; ++i)
            hex += QStringLiteral("%1 ").arg(req[i], 2, 16, QLatin1Char('0'));
        QTextStream(stderr) << "request " << m_requests << " unit " << unitId << " fc " << pdu[0] << " reg "
                            << requestedNumber(pdu) << ": " << hex.trimmed() << Qt::endl;
    }
    if (m_faults.silentAfter >= 0 && m_requests > m_faults.silentAfter) {
        if (m_verbose)
            QTextStream(stderr) << "  silent (fault)" << Qt::endl;
        return false;
    }
    if (m_faults.slowMs > 0)
        ::usleep(useconds_t(m_faults.slowMs) * 1000);
    const auto exception = m_faults.exceptionAt.constFind(requestedNumber(pdu));
    if (exception != m_faults.exceptionAt.constEnd()) {
        modbus_set_slave(ctx, unitId);
        modbus_reply_exception(ctx, req, unsigned(exception.value()));
        return true;
    }
    if ((pdu[0] == 6 || pdu[0] == 16) && m_faults.busyWrite.contains(requestedNumber(pdu))) {
        // A drive that stores the value but answers before it is done.
        const int first = requestedNumber(pdu);
        const int count = pdu[0] == 6 ? 1 : qMin((pdu[3] << 8) | pdu[4], (length - headerLength - 6) / 2);
        const unsigned char *data = pdu + (pdu[0] == 6 ? 3 : 6);
        for (int k = 0; k < count; ++k)
            unit->setValue(first + k, quint16((data[2 * k] << 8) | data[2 * k + 1]));
        unit->afterRequest(pdu, length - headerLength);
        modbus_set_slave(ctx, unitId);
        modbus_reply_exception(ctx, req, MODBUS_EXCEPTION_SLAVE_OR_SERVER_BUSY);
        return true;
    }
    const int count = (pdu[3] << 8) | pdu[4];
    if (!unit->validRequest(pdu[0], requestedNumber(pdu), count)
        || (m_faults.singleReads && pdu[0] == 3 && !unit->oneItem(requestedNumber(pdu), count))) {
        modbus_set_slave(ctx, unitId);
        modbus_reply_exception(ctx, req, MODBUS_EXCEPTION_ILLEGAL_DATA_ADDRESS);
        return true;
    }
    unit->beforeRead(); // refresh values that change with time before they are served
    modbus_reply(ctx, req, length, unit->mapping());
    unit->afterRequest(pdu, length - headerLength);
    return true;
}

void SimServer::tickUnits()
{
    const qint64 now = nowMs();
    if (m_lastTickMs == 0)
        m_lastTickMs = now;
    const double seconds = double(now - m_lastTickMs) / 1000.0;
    m_lastTickMs = now;
    for (SimUnit *unit : qAsConst(m_allUnits))
        unit->tick(seconds);
}

void SimServer::serviceSerial()
{
    SerialLine &line = *m_serial;
    unsigned char chunk[512];
    const ssize_t got = ::read(line.fd, chunk, sizeof chunk);
    if (got <= 0)
        return;
    line.buffer.insert(line.buffer.end(), chunk, chunk + got);
    line.lastByteMs = nowMs();
    while (!line.buffer.empty()) {
        const int need = rtuRequestLength(line.buffer.data(), int(line.buffer.size()));
        if (need < 0 || need > 260) {
            line.buffer.clear(); // unframable: wait for the line to fall quiet and start over
            return;
        }
        if (need == 0 || int(line.buffer.size()) < need)
            return;
        const unsigned char *frame = line.buffer.data();
        // Damaged frames are dropped the way a real drive does.
        const quint16 crc = ModbusFrame::crc16(frame, need - 2);
        const bool crcOk = frame[need - 2] == (crc & 0xFF) && frame[need - 1] == (crc >> 8);
        if (crcOk) {
            for (SimUnit *unit : qAsConst(line.units)) {
                if (unit->unitNumber() == frame[0]) {
                    answer(line.ctx, frame, need, 1, unit);
                    break;
                }
            }
        } else if (m_verbose) {
            QTextStream(stderr) << "dropped a frame with a bad CRC" << Qt::endl;
        }
        line.buffer.erase(line.buffer.begin(), line.buffer.begin() + need);
    }
}

void SimServer::run(const std::function<bool()> &keepRunning)
{
    while (keepRunning()) {
        std::vector<pollfd> fds;
        for (auto &l : m_listeners)
            fds.push_back({ l->fd, POLLIN, 0 });
        for (auto &c : m_clients)
            fds.push_back({ c->fd, POLLIN, 0 });
        if (m_serial)
            fds.push_back({ m_serial->fd, POLLIN, 0 });
        const int ready = ::poll(fds.data(), fds.size(), 20);
        tickUnits();
        if (ready <= 0)
            continue;
        const size_t polledClients = m_clients.size();
        size_t index = 0;
        for (auto &l : m_listeners) {
            if (fds[index++].revents & POLLIN) {
                const int fd = ::accept(l->fd, nullptr, nullptr);
                if (fd >= 0) {
                    int yes = 1;
                    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
                    auto client = std::make_unique<Client>();
                    client->fd = fd;
                    client->listener = l.get();
                    m_clients.push_back(std::move(client));
                }
            }
        }
        std::vector<Client *> closed;
        for (size_t i = 0; i < polledClients; ++i) {
            Client *client = m_clients[i].get();
            const short revents = fds[index++].revents;
            if (!(revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            unsigned char chunk[1024];
            const ssize_t got = ::recv(client->fd, chunk, sizeof chunk, 0);
            if (got <= 0) {
                closed.push_back(client);
                continue;
            }
            client->buffer.insert(client->buffer.end(), chunk, chunk + got);
            // MBAP: the length field counts the unit identifier and the PDU.
            while (client->buffer.size() >= 7) {
                const int length = (client->buffer[4] << 8) | client->buffer[5];
                const size_t total = 6 + size_t(length);
                if (length < 2 || total > 260) {
                    closed.push_back(client);
                    break;
                }
                if (client->buffer.size() < total)
                    break;
                modbus_set_socket(client->listener->ctx, client->fd);
                answer(client->listener->ctx, client->buffer.data(), int(total), 7, client->listener->unit);
                client->buffer.erase(client->buffer.begin(), client->buffer.begin() + long(total));
            }
        }
        if (m_serial && (fds[index].revents & POLLIN))
            serviceSerial();
        for (Client *client : closed) {
            for (auto it = m_clients.begin(); it != m_clients.end(); ++it) {
                if (it->get() == client) {
                    m_clients.erase(it);
                    break;
                }
            }
        }
    }
}
