#include "blockreads.h"

#include "unitentryfields.h"
#include "vxcommmodbusmaster.h"

#include <QMutex>
#include <QMutexLocker>
#include <QSet>
#include <algorithm>
#include <tuple>

namespace WorkerOps {

namespace {

// What the units of this program run refused; kept until the program ends, so a unit is not
// asked again for a run it could not serve, by any worker of its link.
struct Refusals
{
    QMutex lock;
    QHash<QString, QSet<QString>> runs; // unit -> runs refused
    QSet<QString> noted; // units noted as reading one parameter at a time
};

Refusals &refusals()
{
    static Refusals store;
    return store;
}

qint64 keyOf(int type, int number)
{
    return (qint64(type) << 32) | quint32(number);
}

} // namespace

BlockReads::BlockReads(Context &ctx, const QVector<TreeModel::ReadEntry> &entries)
    : m_ctx(ctx)
{
    if (!ctx.blockReads)
        return;
    QVector<TreeModel::ReadEntry> sorted;
    for (const TreeModel::ReadEntry &entry : entries)
        if ((entry.tableType == 3 || entry.tableType == 4) && entry.count >= 1
            && entry.count <= MaxRunRegisters)
            sorted.append(entry);
    std::sort(sorted.begin(), sorted.end(), [](const auto &a, const auto &b) {
        return std::make_tuple(a.tableType, a.registerNumber, a.count)
            < std::make_tuple(b.tableType, b.registerNumber, b.count);
    });
    // A run grows only by an entry that starts where it ends: a register no entry uses ends it.
    QVector<QSet<qint64>> members;
    for (const TreeModel::ReadEntry &entry : sorted) {
        const qint64 key = keyOf(entry.tableType, entry.registerNumber);
        if (!m_runs.isEmpty() && m_runs.last().type == entry.tableType) {
            Run &run = m_runs.last();
            const int end = run.start + run.count;
            if (entry.registerNumber >= run.start && entry.registerNumber + entry.count <= end) {
                members.last().insert(key);
                continue;
            }
            if (entry.registerNumber == end && end + entry.count - run.start <= MaxRunRegisters) {
                run.count += entry.count;
                members.last().insert(key);
                continue;
            }
        }
        Run run;
        run.type = entry.tableType;
        run.start = entry.registerNumber;
        run.count = entry.count;
        m_runs.append(run);
        members.append(QSet<qint64> { key });
    }
    // A run of one register set gains nothing over a read of its own.
    QVector<Run> kept;
    QSet<QString> refused;
    {
        Refusals &store = refusals();
        QMutexLocker lock(&store.lock);
        refused = store.runs.value(unitKey());
    }
    for (int i = 0; i < m_runs.size(); ++i) {
        if (members[i].size() < 2)
            continue;
        Run run = m_runs[i];
        run.refused = refused.contains(runKey(run));
        run.state = run.refused ? State::Single : State::Unread;
        for (qint64 key : qAsConst(members[i]))
            m_runByFirst.insert(key, kept.size());
        kept.append(run);
    }
    m_runs = kept;
}

BlockReads::~BlockReads()
{
    if (m_runs.isEmpty() || !m_ctx.master)
        return;
    for (const Run &run : qAsConst(m_runs))
        if (!run.refused)
            return;
    const QString unit = unitKey();
    {
        Refusals &store = refusals();
        QMutexLocker lock(&store.lock);
        if (store.noted.contains(unit))
            return;
        store.noted.insert(unit);
    }
    VxCommModbusMaster *master = m_ctx.master;
    emit master->VxCommHealthOfUnitToUI(VxCommModbusMaster::HealthNote, m_ctx.unitAddress,
        master->VxCommGetChannel(), master->VxCommLinkName(), QStringLiteral("reads one parameter at a time"),
        QStringList(), QStringList());
}

void BlockReads::forgetRefusals()
{
    Refusals &store = refusals();
    QMutexLocker lock(&store.lock);
    store.runs.clear();
    store.noted.clear();
}

int BlockReads::runOf(const TreeModel::ReadEntry &entry) const
{
    const int index = m_runByFirst.value(keyOf(entry.tableType, entry.registerNumber), -1);
    if (index < 0)
        return -1;
    const Run &run = m_runs[index];
    return entry.registerNumber + entry.count <= run.start + run.count ? index : -1;
}

Exchange BlockReads::read(const TreeModel::ReadEntry &entry, QVector<quint16> *words)
{
    const int index = runOf(entry);
    if (index >= 0) {
        Run &run = m_runs[index];
        if (run.state == State::Unread) {
            const Exchange outcome = readRun(run);
            if (outcome == Exchange::NotConnected || outcome == Exchange::Removed)
                return outcome;
        }
        if (run.state == State::Read) {
            *words = run.words.mid(entry.registerNumber - run.start, entry.count);
            return Exchange::Ok;
        }
    }
    return readWords(m_ctx, entry.tableType, entry.registerNumber, entry.count, words);
}

void BlockReads::nextPass()
{
    for (Run &run : m_runs) {
        run.state = run.refused ? State::Single : State::Unread;
        run.words.clear();
    }
}

Exchange BlockReads::readRun(Run &run)
{
    quint8 reply[1024] = {};
    int code = 0;
    int exception = 0;
    const Exchange outcome
        = exchange(m_ctx, run.type, run.start, 0, run.count, 0, nullptr, reply, &code, &exception);
    if (outcome == Exchange::NotConnected || outcome == Exchange::Removed)
        return outcome;
    const bool complete = code >= 3 + 2 * run.count && reply[2] == 2 * run.count;
    if (outcome == Exchange::Ok && complete) {
        run.words.clear();
        for (int i = 0; i < run.count; ++i)
            run.words.append(quint16((reply[3 + 2 * i] << 8) | reply[4 + 2 * i]));
        run.state = State::Read;
        return Exchange::Ok;
    }
    run.state = State::Single;
    // Refused: the unit cannot serve this run. Silence, a bad checksum or a busy unit say
    // nothing about the run itself, so it is tried again next time.
    if (outcome == Exchange::Ok || (exception >= 1 && exception <= 3)) {
        run.refused = true;
        Refusals &store = refusals();
        QMutexLocker lock(&store.lock);
        store.runs[unitKey()].insert(runKey(run));
    }
    return Exchange::Failed;
}

QString BlockReads::unitKey() const
{
    namespace F = UnitEntryField;
    const QStringList &e = m_ctx.entry;
    const QString link = e.size() > F::IpAddress
        ? e[F::Interface] + QLatin1Char('|') + e[F::Port] + QLatin1Char('|') + e[F::IpAddress]
        : QString::number(quintptr(m_ctx.master));
    return link + QLatin1Char('@') + QString::number(m_ctx.unitAddress);
}

QString BlockReads::runKey(const Run &run)
{
    return QStringLiteral("%1:%2:%3").arg(run.type).arg(run.start).arg(run.count);
}

} // namespace WorkerOps
