#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>

// What an exchange on the bus was for; set by the operation that runs it (LinkPurposeScope).
enum class LinkPurpose {
    Unknown = 0,
    Parameters, // reading or writing parameters
    DeviceCode, // identification: the device code register of general.csv
    SoftwareVersion, // identification: the version registers
    DriveSize, // identification: the size register of the device description file
    Status, // the status view's cyclic reads
    TripLog, // the trip log's cyclic reads
    ControlPanel, // control commands and the control update
    Oscilloscope, // one signal block of an acquisition cycle (detail: block number from 1)
    Scan, // the automatic scan
    Count
};

// How one exchange ended.
enum class LinkOutcome {
    Ok = 0,
    Exception, // the unit answered with a Modbus exception
    Timeout, // no reply in time
    BadCrc,
    WrongUnit,
    WrongFunction,
    WrongLength,
    WrongTransaction, // Modbus TCP reply to another transaction
    ConnectionRefused, // Modbus TCP: no connection could be opened
    ConnectionLost, // Modbus TCP: the unit closed the connection before replying
    LinkError, // the port could not be written or read
    Count
};

// One request and what came back, as the Modbus master saw it on the wire. One record per
// attempt: a resend is a record of its own with attempt 2, 3 ...
struct LinkExchange
{
    qint64 timeMs = 0; // end of the exchange, milliseconds since the epoch (UTC)
    QString link; // serial port name or IP address
    int channel = 0; // 1 RS232, 2 RS485, 3 TCP/IP
    int unit = 0;
    int function = 0;
    int firstRegister = 0; // one-based data-model number of the first item asked for or written
    int count = 0; // items read (written for a write; read for function 23)
    int exception = 0; // exception code of an exception reply
    int attempt = 1; // 1 = first try, 2.. = resends
    int code = 0; // the link's result (1 or a negative code of the Modbus master)
    qint64 durationUs = 0;
    LinkOutcome outcome = LinkOutcome::Ok;
    LinkPurpose purpose = LinkPurpose::Unknown;
    int purposeDetail = 0;
    QByteArray request; // as sent: RTU frame with CRC, or Modbus TCP frame with its header
    QByteArray reply; // as received, header or CRC included

    bool failed() const { return outcome != LinkOutcome::Ok; }
    // Values written by the request (coils as 0 / 1), and read by the reply.
    QVector<quint16> writtenValues() const;
    QVector<quint16> replyValues() const;
    // Fills function, first register, count and exception from the raw bytes.
    void decodeFrames();
};

// One listener's bounded queue: the bus thread pushes, the listener takes in batches. When full
// the oldest exchange is dropped and counted, so the bus thread never waits for a slow reader.
class LinkTapQueue
{
public:
    explicit LinkTapQueue(int capacity)
        : m_capacity(capacity > 0 ? capacity : 1)
    { }
    void push(const LinkExchange &exchange);
    // Everything queued, oldest first. With a wait, blocks up to waitMs for the first one.
    std::deque<LinkExchange> take(int waitMs = 0);
    qint64 dropped() const { return m_dropped.load(); }
    int capacity() const { return m_capacity; }

private:
    const int m_capacity;
    // The standard library's lock and condition: a wait's release and re-take of the lock happen
    // where race checkers see them.
    std::mutex m_lock;
    std::condition_variable m_ready;
    std::deque<LinkExchange> m_items;
    std::atomic<qint64> m_dropped { 0 };
};

// Where the Modbus masters hand their exchanges to whoever listens. With no listener the masters
// look at one atomic counter and do nothing else for the tap.
namespace LinkTap {

bool listening();
std::shared_ptr<LinkTapQueue> subscribe(int capacity = 10000);
void unsubscribe(const std::shared_ptr<LinkTapQueue> &queue);
void publish(const LinkExchange &exchange);

// Texts of the outcome and the purpose, untranslated (the command line's and the CSV's words).
const char *outcomeName(LinkOutcome outcome);
const char *purposeName(LinkPurpose purpose);
LinkOutcome outcomeOf(int code, bool connectionRefused, bool connectionLost);

} // namespace LinkTap

// Marks the exchanges made on this thread while it lives as being for `purpose`; scopes nest.
class LinkPurposeScope
{
public:
    explicit LinkPurposeScope(LinkPurpose purpose, int detail = 0);
    ~LinkPurposeScope();
    LinkPurposeScope(const LinkPurposeScope &) = delete;
    LinkPurposeScope &operator=(const LinkPurposeScope &) = delete;
    static void setDetail(int detail);
    static LinkPurpose current();
    static int currentDetail();

private:
    LinkPurpose m_previous;
    int m_previousDetail;
};
