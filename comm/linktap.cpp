#include "linktap.h"

#include <QMutex>
#include <algorithm>
#include <chrono>
#include <vector>

namespace {

// Offset of the unit byte: Modbus TCP frames carry the 6 bytes of their header before it.
int unitOffset(const LinkExchange &e)
{
    return e.channel == 3 ? 6 : 0;
}

int byteAt(const QByteArray &bytes, int index)
{
    return index >= 0 && index < bytes.size() ? quint8(bytes.at(index)) : -1;
}

int wordAt(const QByteArray &bytes, int index)
{
    const int high = byteAt(bytes, index), low = byteAt(bytes, index + 1);
    return high < 0 || low < 0 ? -1 : (high << 8) | low;
}

// `count` coils packed from the lowest bit of the byte at `from`, as far as the bytes go.
QVector<quint16> bitsAt(const QByteArray &bytes, int from, int count)
{
    QVector<quint16> bits;
    for (int i = 0; i < count && byteAt(bytes, from + i / 8) >= 0; ++i)
        bits << quint16((byteAt(bytes, from + i / 8) >> (i % 8)) & 1);
    return bits;
}

QVector<quint16> wordsAt(const QByteArray &bytes, int from, int count)
{
    QVector<quint16> words;
    for (int i = 0; i < count && wordAt(bytes, from + 2 * i) >= 0; ++i)
        words << quint16(wordAt(bytes, from + 2 * i));
    return words;
}

// The listeners. Subscribing and publishing take the lock; the count lets an idle master skip it.
struct Hub
{
    QMutex lock;
    std::vector<std::shared_ptr<LinkTapQueue>> queues;
    std::atomic<int> count { 0 };
};

Hub &hub()
{
    static Hub instance;
    return instance;
}

thread_local LinkPurpose currentPurpose = LinkPurpose::Unknown;
thread_local int currentPurposeDetail = 0;

} // namespace

void LinkExchange::decodeFrames()
{
    const int at = unitOffset(*this);
    function = std::max(byteAt(request, at + 1), 0);
    const int start = wordAt(request, at + 2);
    const int quantity = wordAt(request, at + 4);
    if (start < 0)
        return;
    switch (function) {
    case 1:
    case 5:
    case 15:
        firstRegister = start + 1;
        break;
    case 2:
        firstRegister = start + 10001;
        break;
    case 4:
        firstRegister = start + 30001;
        break;
    default:
        firstRegister = start + 40001;
        break;
    }
    count = (function == 5 || function == 6) ? 1 : std::max(quantity, 0);
    const int replyFunction = byteAt(reply, at + 1);
    exception = replyFunction >= 0 && (replyFunction & 0x80) ? std::max(byteAt(reply, at + 2), 0) : 0;
}

QVector<quint16> LinkExchange::writtenValues() const
{
    const int at = unitOffset(*this);
    switch (function) {
    case 5:
        return { quint16(byteAt(request, at + 4) == 0xFF ? 1 : 0) };
    case 6:
        return wordsAt(request, at + 4, 1);
    case 15:
        return bitsAt(request, at + 7, count);
    case 16:
        return wordsAt(request, at + 7, count);
    case 23:
        return wordsAt(request, at + 11, std::max(wordAt(request, at + 8), 0));
    default:
        return {};
    }
}

QVector<quint16> LinkExchange::replyValues() const
{
    const int at = unitOffset(*this);
    if (exception || byteAt(reply, at + 1) != function)
        return {};
    const int bytes = std::max(byteAt(reply, at + 2), 0);
    switch (function) {
    case 1:
    case 2:
        return bitsAt(reply, at + 3, std::min(count, 8 * bytes));
    case 3:
    case 4:
    case 23:
        return wordsAt(reply, at + 3, bytes / 2);
    default:
        return {};
    }
}

void LinkTapQueue::push(const LinkExchange &exchange)
{
    {
        const std::lock_guard<std::mutex> locker(m_lock);
        if (int(m_items.size()) >= m_capacity) {
            m_items.pop_front();
            m_dropped.fetch_add(1);
        }
        m_items.push_back(exchange);
    }
    m_ready.notify_all();
}

std::deque<LinkExchange> LinkTapQueue::take(int waitMs)
{
    std::unique_lock<std::mutex> locker(m_lock);
    if (m_items.empty() && waitMs > 0)
        m_ready.wait_for(locker, std::chrono::milliseconds(waitMs));
    std::deque<LinkExchange> batch;
    batch.swap(m_items);
    return batch;
}

bool LinkTap::listening()
{
    return hub().count.load(std::memory_order_relaxed) > 0;
}

std::shared_ptr<LinkTapQueue> LinkTap::subscribe(int capacity)
{
    auto queue = std::make_shared<LinkTapQueue>(capacity);
    Hub &h = hub();
    QMutexLocker locker(&h.lock);
    h.queues.push_back(queue);
    h.count.store(int(h.queues.size()));
    return queue;
}

void LinkTap::unsubscribe(const std::shared_ptr<LinkTapQueue> &queue)
{
    Hub &h = hub();
    QMutexLocker locker(&h.lock);
    h.queues.erase(std::remove(h.queues.begin(), h.queues.end(), queue), h.queues.end());
    h.count.store(int(h.queues.size()));
}

void LinkTap::publish(const LinkExchange &exchange)
{
    Hub &h = hub();
    QMutexLocker locker(&h.lock);
    for (const auto &queue : h.queues)
        queue->push(exchange);
}

LinkOutcome LinkTap::outcomeOf(int code, bool connectionRefused, bool connectionLost)
{
    if (connectionRefused)
        return LinkOutcome::ConnectionRefused;
    if (connectionLost)
        return LinkOutcome::ConnectionLost;
    switch (code) {
    case 1:
        return LinkOutcome::Ok;
    case -16:
        return LinkOutcome::Exception;
    case -12:
        return LinkOutcome::Timeout;
    case -13:
        return LinkOutcome::BadCrc;
    case -8:
        return LinkOutcome::WrongUnit;
    case -9:
        return LinkOutcome::WrongFunction;
    case -17:
        return LinkOutcome::WrongLength;
    case -6:
        return LinkOutcome::WrongTransaction;
    default:
        return LinkOutcome::LinkError;
    }
}

const char *LinkTap::outcomeName(LinkOutcome outcome)
{
    static const char *const names[]
        = { "ok", "exception", "time-out", "bad CRC", "wrong unit", "wrong function", "wrong length",
              "wrong transaction", "connection refused", "connection lost", "link error" };
    const int i = int(outcome);
    return i >= 0 && i < int(LinkOutcome::Count) ? names[i] : "";
}

const char *LinkTap::purposeName(LinkPurpose purpose)
{
    static const char *const names[] = { "", "parameters", "device code", "software version", "drive size",
        "status", "trip log", "control panel", "oscilloscope", "scan" };
    const int i = int(purpose);
    return i >= 0 && i < int(LinkPurpose::Count) ? names[i] : "";
}

LinkPurposeScope::LinkPurposeScope(LinkPurpose purpose, int detail)
    : m_previous(currentPurpose)
    , m_previousDetail(currentPurposeDetail)
{
    currentPurpose = purpose;
    currentPurposeDetail = detail;
}

LinkPurposeScope::~LinkPurposeScope()
{
    currentPurpose = m_previous;
    currentPurposeDetail = m_previousDetail;
}

void LinkPurposeScope::setDetail(int detail)
{
    currentPurposeDetail = detail;
}

LinkPurpose LinkPurposeScope::current()
{
    return currentPurpose;
}

int LinkPurposeScope::currentDetail()
{
    return currentPurposeDetail;
}
