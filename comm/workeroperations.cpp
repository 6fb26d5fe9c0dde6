#include "workeroperations.h"

#include "blockreads.h"
#include "linktap.h"
#include "treeitem.h"
#include "treemodel.h"
#include "vxcommmodbusmaster.h"
#include "vxcommreply.h"
#include "workerfailure.h"

#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QHash>
#include <QMutexLocker>
#include <QSet>
#include <QThread>
#include <optional>

namespace WorkerOps {

bool isRemoved(const Context &ctx)
{
    return ctx.removed && ctx.removed();
}
bool isRunning(const Context &ctx)
{
    return !ctx.running || ctx.running();
}

Failure handleFailure(Context &ctx, Exchange outcome, FailedWork work)
{
    if (outcome == Exchange::Removed || isRemoved(ctx))
        return Failure::Removed;
    const bool lost = outcome == Exchange::NotConnected;
    // Skipping a failed parameter only makes sense while the unit answers at all: with the unit
    // not connected every parameter would be skipped and the read or write would look successful.
    const bool cyclic = work == StatusRead || work == TriplogRead;
    if (ctx.ignoreCommFault && (cyclic || !lost)) {
        if (work == WriteSetValue || work == WriteOther)
            qDebug() << "SKIPing OPR ERROR ADD this msg in fault logger";
        return Failure::Skip;
    }
    QString message;
    switch (work) {
    case ReadSetValue:
    case WriteSetValue:
        message = lost ? QCoreApplication::translate("WorkerOps", "Device not connected")
                       : QCoreApplication::translate("WorkerOps", " Comm Error");
        break;
    case ReadOther:
    case WriteOther:
        message = lost ? QCoreApplication::translate("WorkerOps", "Device not connected")
                       : QCoreApplication::translate("WorkerOps", "Comm Error\n refer log details");
        break;
    case StatusRead:
        message = lost ? QCoreApplication::translate("WorkerOps", "Connection Lost")
                       : QCoreApplication::translate("WorkerOps", "OprStatusUpdate:Write Error");
        break;
    case TriplogRead:
        message = lost ? QCoreApplication::translate("WorkerOps", "Connection Lost")
                       : QCoreApplication::translate("WorkerOps", "TriplogUpdate:Write Error");
        break;
    }
    if (ctx.out.errorMsg)
        ctx.out.errorMsg(message, QStringLiteral("Error"));
    return Failure::Stop;
}

void pauseFor(Context &ctx, int msecs)
{
    if (msecs <= 0)
        return;
    if (ctx.pause) {
        ctx.pause(msecs);
        return;
    }
    // Short slices keep a caller without a wait condition responsive to both flags.
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < msecs && isRunning(ctx) && !isRemoved(ctx))
        QThread::msleep(qMin<qint64>(10, msecs - timer.elapsed()));
}

Exchange exchange(Context &ctx, int type, int readAddress, int writeAddress, int readCount, int writeCount,
    const quint8 *writeData, quint8 *reply, int *code, int *exception)
{
    if (code)
        *code = -18;
    if (exception)
        *exception = 0;
    if (!ctx.master)
        return Exchange::NotConnected;
    // Held for exactly one exchange, so the status cycle, an import and the oscilloscope of the
    // same link interleave exchange by exchange.
    QMutexLocker lock(ctx.master->VxCommMutex());
    if (!ctx.master->VxCommIsUnitConnected(ctx.unitAddress))
        return isRemoved(ctx) ? Exchange::Removed : Exchange::NotConnected;
    if (isRemoved(ctx))
        return Exchange::Removed;
    ctx.master->VxCommSetUnitAddress(ctx.unitAddress);
    const int result = ctx.master->VxCommTransaction(
        type, readAddress, writeAddress, readCount, writeCount, writeData, reply);
    if (code)
        *code = result;
    if (exception)
        *exception = ctx.master->VxCommLastException();
    return result >= 1 ? Exchange::Ok : Exchange::Failed;
}

Exchange readWords(Context &ctx, int type, int number, int count, QVector<quint16> *words)
{
    if (count < 1 || count > 125)
        return Exchange::Failed;
    quint8 reply[1024] = {};
    int code = 0;
    const Exchange outcome = exchange(ctx, type, number, 0, count, 0, nullptr, reply, &code);
    if (outcome != Exchange::Ok)
        return outcome;
    const bool bits = type == 1 || type == 2;
    // A reply that does not carry what was asked would store garbage in the model.
    if (!VxCommReply::hasItems(reply, code, type, count))
        return Exchange::Failed;
    words->clear();
    for (int i = 0; i < count; ++i) {
        if (bits)
            words->append(quint16((reply[3 + i / 8] >> (i % 8)) & 1));
        else
            words->append(quint16((reply[3 + 2 * i] << 8) | reply[4 + 2 * i]));
    }
    return Exchange::Ok;
}

Exchange writeWords(Context &ctx, int type, int number, const QVector<quint16> &words, int *code)
{
    if (words.isEmpty() || words.size() > 123 || (type != 4 && type != 1))
        return Exchange::Failed;
    QVector<quint8> data;
    for (quint16 w : words) {
        // The master expects each register low byte first and sends it high byte first.
        data.append(quint8(w & 0xFF));
        data.append(quint8(w >> 8));
    }
    return exchange(ctx, type, 0, number, 0, words.size(), data.constData(), nullptr, code);
}

namespace {

// The read list grouped per parameter, in display order: progress counts parameters, not the
// up to four set values of one.
struct Group
{
    TreeItem *item = nullptr;
    QVector<TreeModel::ReadEntry> entries;
};

QVector<Group> groupedReadList(const TreeModel &model)
{
    QVector<Group> groups;
    for (const TreeModel::ReadEntry &entry : model.readList()) {
        if (groups.isEmpty() || groups.last().item != entry.item)
            groups.append(Group { entry.item, {} });
        groups.last().entries.append(entry);
    }
    return groups;
}

// Closes the progress bar and frees the views, whatever ended the operation: a progress dialog
// left open would block the window even after its unit was removed.
Result finish(Context &ctx, Result result, int handled = -1)
{
    if (handled >= 0 && ctx.out.handled)
        ctx.out.handled(handled);
    if (ctx.out.progressClose)
        ctx.out.progressClose();
    if (ctx.out.enableWindow)
        ctx.out.enableWindow();
    return result;
}

// The words to write for a set: a cleared text goes out as zeros, so the unit's text is cleared
// too instead of the parameter being skipped.
QVector<quint16> wordsToWrite(const TreeModel &model, const TreeModel::ReadEntry &entry)
{
    QVector<quint16> words = model.registerWords(entry.item, entry.set);
    if (words.isEmpty() && entry.item->kind() == TreeItem::Text)
        words.fill(0, entry.count);
    return words;
}

// Writes with the one repeat a timed-out write gets.
Exchange writeOnce(Context &ctx, const TreeModel::ReadEntry &entry, const QVector<quint16> &words, int *code)
{
    Exchange outcome = writeWords(ctx, entry.tableType, entry.registerNumber, words, code);
    if (outcome == Exchange::Failed && *code == -12) {
        qDebug() << "rewriting data";
        outcome = writeWords(ctx, entry.tableType, entry.registerNumber, words, code);
    }
    return outcome;
}

} // namespace

Result readAllParameters(Context &ctx)
{
    const LinkPurposeScope purpose(LinkPurpose::Parameters);
    if (!ctx.model)
        return finish(ctx, Failed);
    const QVector<Group> groups = groupedReadList(*ctx.model);
    if (ctx.out.progressRange)
        ctx.out.progressRange(0, groups.size() - 1);
    BlockReads blocks(ctx, ctx.model->readList());
    bool unitNameRead = false;
    int read = 0;
    for (int i = 0; i < groups.size(); ++i) {
        if (isRemoved(ctx))
            return finish(ctx, Removed, read);
        if (!isRunning(ctx))
            return finish(ctx, Cancelled, read);
        bool stored = false;
        for (const TreeModel::ReadEntry &entry : groups[i].entries) {
            QVector<quint16> words;
            const Exchange outcome = blocks.read(entry, &words);
            if (outcome == Exchange::Ok) {
                ctx.model->storeRegisters(entry.item, entry.set, words);
                unitNameRead = unitNameRead || entry.item == ctx.model->unitNameItem();
                stored = true;
                continue;
            }
            const Failure failure = handleFailure(ctx, outcome, entry.setValue ? ReadSetValue : ReadOther);
            if (failure == Failure::Skip) {
                if (ctx.out.skipped)
                    ctx.out.skipped(entry.item);
                continue;
            }
            return finish(ctx, failure == Failure::Removed ? Removed : Failed, read);
        }
        read += stored ? 1 : 0;
        if (ctx.out.progress)
            ctx.out.progress(i);
    }
    if (unitNameRead && ctx.out.changeUnitName) {
        // Through data(), which reads under the model's value lock.
        const TreeItem *item = ctx.model->unitNameItem();
        const QString name = ctx.model->data(ctx.model->indexOf(item, TreeItem::SetAColumn), Qt::DisplayRole)
                                 .toString()
                                 .trimmed();
        if (!name.isEmpty())
            ctx.out.changeUnitName(name);
    }
    return finish(ctx, Completed, read);
}

namespace {

// The unit's model after a value of another set reached the unit: the words land in the
// parameter at the same register, and what depends on it is read back, as after a direct send.
Result followInUnitModel(Context &ctx, const QHash<int, TreeModel::ReadEntry> &unitEntries,
    const TreeModel::ReadEntry &written, const QVector<quint16> &words)
{
    const auto at = unitEntries.constFind(written.registerNumber);
    if (at == unitEntries.constEnd() || at->count != words.size())
        return Completed;
    Context unit = ctx;
    unit.model = ctx.unitModel;
    unit.unitModel = nullptr;
    unit.model->storeRegisters(at->item, at->set, words);
    return updateDependingFields(unit, at->item, at->set);
}

} // namespace

Result writeParameters(Context &ctx, const WriteOptions &options)
{
    qDebug() << "Export start";
    const LinkPurposeScope purpose(LinkPurpose::Parameters);
    if (!ctx.model)
        return finish(ctx, Failed);
    QHash<int, TreeModel::ReadEntry> unitEntries;
    if (ctx.unitModel && ctx.unitModel != ctx.model)
        for (const TreeModel::ReadEntry &entry : ctx.unitModel->readList())
            unitEntries.insert(entry.registerNumber, entry);
    const QVector<Group> groups = groupedReadList(*ctx.model);
    // Actual values, the trip log and system data are read-only in the unit: writing them would
    // only collect exception replies. Parameters kept out of comparison (unit name, language,
    // lock code) are still part of a backup and are restored.
    const QList<TreeItem *> accepted = ctx.model->GetWritableParameters();
    const QSet<TreeItem *> writable(accepted.cbegin(), accepted.cend());
    if (ctx.out.progressRange)
        ctx.out.progressRange(0, groups.size() - 1);
    int written = 0;
    for (int i = 0; i < groups.size(); ++i) {
        if (isRemoved(ctx))
            return finish(ctx, Removed, written);
        if (!isRunning(ctx))
            return finish(ctx, Cancelled, written);
        bool wrote = false;
        for (const TreeModel::ReadEntry &entry : groups[i].entries) {
            if (!writable.contains(entry.item))
                break;
            // Only values changed offline when asked; and a file cut short does not speak for the
            // parameters it did not reach.
            if ((options.exportOnlyChanged || ctx.model->isBeyondFile(entry.item))
                && !entry.item->isChanged(entry.set))
                continue;
            const QVector<quint16> words = wordsToWrite(*ctx.model, entry);
            if (entry.tableType != 4 || words.size() != entry.count) {
                qDebug() << "EXPORT FILE :invalid Modbus address" << entry.registerNumber;
                continue;
            }
            int code = 0;
            const Exchange outcome = writeOnce(ctx, entry, words, &code);
            if (outcome == Exchange::Ok) {
                wrote = true;
                const Result followed
                    = unitEntries.isEmpty() ? Completed : followInUnitModel(ctx, unitEntries, entry, words);
                if (followed == Failed || followed == Removed)
                    return finish(ctx, followed, written);
                continue;
            }
            const Failure failure = handleFailure(ctx, outcome, entry.setValue ? WriteSetValue : WriteOther);
            if (failure == Failure::Skip) {
                if (ctx.out.skipped)
                    ctx.out.skipped(entry.item);
                continue;
            }
            return finish(ctx, failure == Failure::Removed ? Removed : Failed, written);
        }
        written += wrote ? 1 : 0;
        if (ctx.out.progress)
            ctx.out.progress(i);
        // The unit stores each parameter in its own non-volatile memory and needs this pause
        // before the next write; parameters not written need none.
        if (wrote && i + 1 < groups.size())
            pauseFor(ctx, options.paceMs);
    }
    return finish(ctx, Completed, written);
}

namespace {

QVector<TreeModel::ReadEntry> entriesOf(const TreeModel &model, const TreeItem *item)
{
    QVector<TreeModel::ReadEntry> entries;
    for (const TreeModel::ReadEntry &entry : model.readList())
        if (entry.item == item)
            entries.append(entry);
    return entries;
}

// The entry of a set; a parameter with one value for all sets has only its set A entry.
const TreeModel::ReadEntry *entryForSet(const QVector<TreeModel::ReadEntry> &entries, int set)
{
    for (const TreeModel::ReadEntry &entry : entries)
        if (entry.set == set)
            return &entry;
    return entries.isEmpty() || entries.first().setValue ? nullptr : &entries.first();
}

} // namespace

Result writeOneParameter(Context &ctx, TreeItem *item, int set)
{
    qDebug() << "ParamWrite";
    const LinkPurposeScope purpose(LinkPurpose::Parameters);
    if (ctx.out.progressRange)
        ctx.out.progressRange(0, 1);
    if (!ctx.model || !item || set < 0 || set > 3)
        return finish(ctx, Failed);
    const QVector<TreeModel::ReadEntry> entries = entriesOf(*ctx.model, item);
    const TreeModel::ReadEntry *shared = entryForSet(entries, set);
    // A parameter with one register for every set still sends the value of the set edited.
    std::optional<TreeModel::ReadEntry> edited;
    if (shared) {
        edited = *shared;
        edited->set = set;
    }
    const TreeModel::ReadEntry *entry = edited ? &*edited : nullptr;
    const QVector<quint16> words = entry ? wordsToWrite(*ctx.model, *entry) : QVector<quint16>();
    if (!entry || entry->tableType != 4 || words.size() != entry->count) {
        qDebug() << "EXPORT FILE :invalid Modbus address" << item->field(1);
        return finish(ctx, Completed);
    }
    int code = 0;
    const Exchange outcome = writeOnce(ctx, *entry, words, &code);
    if (outcome != Exchange::Ok) {
        const Failure failure = handleFailure(ctx, outcome, entry->setValue ? WriteSetValue : WriteOther);
        if (failure != Failure::Skip)
            return finish(ctx, failure == Failure::Removed ? Removed : Failed);
    } else {
        const Result dependents = updateDependingFields(ctx, item, set);
        if (dependents == Failed || dependents == Removed)
            return finish(ctx, dependents);
    }
    if (ctx.out.progress)
        ctx.out.progress(1);
    return finish(ctx, Completed);
}

Result updateDependingFields(Context &ctx, TreeItem *item, int set)
{
    const LinkPurposeScope purpose(LinkPurpose::Parameters);
    if (!ctx.model || !item)
        return Failed;
    QVector<TreeModel::ReadEntry> toRead;
    for (TreeItem *dependent : ctx.model->dependingItems(item)) {
        const QVector<TreeModel::ReadEntry> entries = entriesOf(*ctx.model, dependent);
        if (const TreeModel::ReadEntry *entry = entryForSet(entries, set))
            toRead.append(*entry);
    }
    BlockReads blocks(ctx, toRead);
    for (const TreeModel::ReadEntry &entry : qAsConst(toRead)) {
        QVector<quint16> words;
        const Exchange outcome = blocks.read(entry, &words);
        if (outcome == Exchange::Ok) {
            ctx.model->storeRegisters(entry.item, entry.set, words);
            continue;
        }
        const Failure failure = handleFailure(ctx, outcome, entry.setValue ? ReadSetValue : ReadOther);
        if (failure != Failure::Skip)
            return failure == Failure::Removed ? Removed : Failed;
    }
    return Completed;
}

} // namespace WorkerOps
