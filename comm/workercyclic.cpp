// The cyclic status and trip-log updates of the unit worker.
#include "blockreads.h"
#include "linktap.h"
#include "statuspages.h"
#include "treeitem.h"
#include "treemodel.h"
#include "vxcommmodbusmaster.h"
#include "workerfailure.h"
#include "workeroperations.h"

#include <QDebug>
#include <QSet>

namespace WorkerOps {

namespace {

void collect(const TreeItem *item, QSet<const TreeItem *> *into)
{
    if (!item)
        return;
    into->insert(item);
    for (const TreeItem *child : item->children())
        collect(child, into);
}

QVector<TreeModel::ReadEntry> setAEntriesOf(const TreeModel &model, const QSet<const TreeItem *> &items)
{
    QVector<TreeModel::ReadEntry> entries;
    for (const TreeModel::ReadEntry &entry : model.readList())
        if (entry.set == 0 && items.contains(entry.item))
            entries.append(entry);
    return entries;
}

const TreeItem *topRow(const TreeModel &model, int row)
{
    const TreeItem *root = model.rootItem();
    return root && row < root->childCount() ? root->child(row) : nullptr;
}

// While the unit's serial adapter is away nobody can be asked: the link has said so once and
// watches for its return by itself, so the cycle only looks again now and then.
constexpr int LinkAwayPauseMs = 1000;

bool linkAway(const Context &ctx)
{
    return ctx.master && ctx.master->VxCommIsLinkLost();
}

// Reads the entries pass after pass while runFlag is set, storing each value in the model.
// A unit that stops answering is reported once and then asked again pass after pass, so that it
// comes back by itself when it answers again; only a unit disconnected by the user, or being
// removed, ends the cycle.
Result cyclicRead(Context &ctx, const QVector<TreeModel::ReadEntry> &entries, FailedWork work, int pauseMs,
    const std::function<void()> &passDone)
{
    bool silenceReported = false;
    BlockReads blocks(ctx, entries);
    while (isRunning(ctx)) {
        if (linkAway(ctx)) {
            pauseFor(ctx, LinkAwayPauseMs);
            continue;
        }
        blocks.nextPass();
        bool passWhole = true;
        for (const TreeModel::ReadEntry &entry : entries) {
            // Checked before each exchange so that a tab change stops the cycle at once.
            if (isRemoved(ctx))
                return Removed;
            if (!isRunning(ctx))
                return Completed;
            QVector<quint16> words;
            const Exchange outcome = blocks.read(entry, &words);
            if (outcome == Exchange::Ok) {
                ctx.model->storeRegisters(entry.item, entry.set, words);
                silenceReported = false;
                continue;
            }
            if (outcome == Exchange::Failed && linkAway(ctx) && !isRemoved(ctx)) {
                passWhole = false;
                break;
            }
            if (outcome == Exchange::Failed && silenceReported && !isRemoved(ctx))
                continue;
            const Failure failure = handleFailure(ctx, outcome, work);
            if (failure == Failure::Removed)
                return Removed;
            if (failure == Failure::Stop && outcome != Exchange::Failed)
                return Failed;
            silenceReported = true;
        }
        if (passDone && passWhole)
            passDone();
        pauseFor(ctx, pauseMs);
    }
    return isRemoved(ctx) ? Removed : Completed;
}

} // namespace

QVector<TreeModel::ReadEntry> statusParameters(const TreeModel &model)
{
    QSet<const TreeItem *> items;
    const TreeItem *process = topRow(model, StatusPages::ProcessRow);
    if (process && process->childCount() > 0)
        collect(process->child(0), &items);
    collect(topRow(model, StatusPages::OperationRow), &items);
    return setAEntriesOf(model, items);
}

QVector<TreeModel::ReadEntry> triplogParameters(const TreeModel &model)
{
    const TreeItem *triplog = topRow(model, StatusPages::TriplogRow);
    QSet<const TreeItem *> items;
    collect(triplog, &items);
    QVector<TreeModel::ReadEntry> entries;
    for (const TreeModel::ReadEntry &entry : setAEntriesOf(model, items)) {
        if (entry.item->parent() == triplog) {
            qDebug() << "Trip in non TRIP group" << entry.item->field(1);
            continue;
        }
        entries.append(entry);
    }
    return entries;
}

Result oprStatusUpdate(Context &ctx)
{
    if (!ctx.model)
        return Failed;
    qDebug() << "OprStatusUpdate";
    const LinkPurposeScope purpose(LinkPurpose::Status);
    int reported = -1;
    const auto passDone = [&ctx, &reported] {
        QVector<quint16> words;
        // A failed read says nothing about the trip: the silence is reported by the cycle itself.
        if (ctx.activeTripRegister > 0 && ctx.out.activeFault
            && readWords(
                   ctx, DeviceFiles::tableTypeOf(ctx.activeTripRegister), ctx.activeTripRegister, 1, &words)
                == Exchange::Ok
            && words.first() != reported) {
            reported = words.first();
            ctx.out.activeFault(reported);
        }
        if (ctx.out.statusUpdated)
            ctx.out.statusUpdated();
    };
    return cyclicRead(ctx, statusParameters(*ctx.model), StatusRead, StatusPauseMs, passDone);
}

Result triplogUpdate(Context &ctx)
{
    if (!ctx.model)
        return Failed;
    qDebug() << "TriplogUpdate";
    const LinkPurposeScope purpose(LinkPurpose::TripLog);
    return cyclicRead(
        ctx, triplogParameters(*ctx.model), TriplogRead, TriplogPauseMs, ctx.out.triplogUpdated);
}

} // namespace WorkerOps
