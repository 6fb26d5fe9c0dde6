#include "clioperations.h"

#include "cliunit.h"
#include "treeitem.h"
#include "treemodel.h"
#include "workeroperations.h"

namespace CliOperations {

namespace {

// The worker's context for one operation on the unit, with its messages caught in `message`.
WorkerOps::Context contextFor(CliUnit &unit, TreeModel &model, QString *message)
{
    WorkerOps::Context ctx;
    ctx.master = unit.master();
    ctx.unitAddress = unit.target().unit;
    ctx.entry = unit.unitEntry();
    ctx.model = &model;
    ctx.ignoreCommFault = unit.continueOnFault();
    ctx.blockReads = unit.blockReads();
    ctx.out.errorMsg = [message](const QString &text, const QString &) { *message = text.simplified(); };
    return ctx;
}

// Parameters in the order the worker walks them (the sets of one parameter together), so a
// progress count names the parameter that failed.
QList<TreeItem *> walkOrder(const TreeModel &model)
{
    QList<TreeItem *> items;
    for (const TreeModel::ReadEntry &entry : model.readList()) {
        if (items.isEmpty() || items.last() != entry.item)
            items.append(entry.item);
    }
    return items;
}

// "menu 61 (register 40161): exception 2, illegal data address"; without a report of the master
// the worker's message names the menu instead. The window's log is no place to send anyone to.
QString failedAt(const CliUnit &unit, const QString &message, const TreeItem *item)
{
    const QString menu = item ? item->text(TreeItem::MenuColumn) : QString();
    const QString failure = unit.lastFailure();
    if (!failure.isEmpty()) {
        const QString where = unit.failureRegister().isEmpty()
            ? QStringLiteral("menu %1").arg(menu)
            : QStringLiteral("menu %1 (register %2)").arg(menu, unit.failureRegister());
        return item ? QStringLiteral("%1: %2").arg(where, failure) : failure;
    }
    QString text = message.isEmpty() ? QStringLiteral("Comm Error") : message;
    text.remove(QLatin1String("refer log details"));
    text = text.simplified();
    return item ? QStringLiteral("%1 (menu %2)").arg(text, menu) : text;
}

// Runs one walk of the worker over the model's parameters with progress; a failure names the
// parameter the walk stopped at. With ContinueDespiteCOMFault the walk goes on and `skipped`
// gets the parameters the worker passed over.
bool walkParameters(CliUnit &unit, TreeModel &model, const Progress &progress, WalkResult *result,
    const std::function<WorkerOps::Result(WorkerOps::Context &)> &walk)
{
    QString message;
    WorkerOps::Context ctx = contextFor(unit, model, &message);
    const QList<TreeItem *> order = walkOrder(model);
    int done = 0;
    // Only what the worker itself passed over: a "busy" write that its read-back proves arrived
    // is written, whatever the unit answered first.
    ctx.out.skipped = [result](TreeItem *item) {
        if (!result->skipped.contains(item))
            result->skipped.append(item);
    };
    ctx.out.progress = [&](int i) {
        done = i + 1;
        if (progress)
            progress(done, order.size());
    };
    result->total = order.size();
    if (walk(ctx) == WorkerOps::Completed) {
        result->done = order.size();
        return true;
    }
    result->done = done;
    result->error = failedAt(unit, message, order.value(done));
    return false;
}

} // namespace

bool isWritable(const TreeModel &model, const TreeItem *item)
{
    return item && model.GetEditableParameters().contains(const_cast<TreeItem *>(item));
}

bool readItem(CliUnit &unit, TreeModel &model, TreeItem *item, int set, QString *error)
{
    QString message;
    WorkerOps::Context ctx = contextFor(unit, model, &message);
    for (const TreeModel::ReadEntry &entry : model.readList()) {
        if (entry.item != item || (entry.setValue && entry.set != set))
            continue;
        QVector<quint16> words;
        if (WorkerOps::readWords(ctx, entry.tableType, entry.registerNumber, entry.count, &words)
            != WorkerOps::Exchange::Ok) {
            *error = failedAt(unit, message, item);
            return false;
        }
        model.storeRegisters(item, entry.set, words);
        return true;
    }
    *error = QStringLiteral("menu %1 has no register").arg(item->text(TreeItem::MenuColumn));
    return false;
}

bool readAll(CliUnit &unit, TreeModel &model, const Progress &progress, QString *error)
{
    WalkResult result;
    const bool ok = readAll(unit, model, progress, &result);
    *error = result.error;
    return ok && result.skipped.isEmpty();
}

bool readAll(CliUnit &unit, TreeModel &model, const Progress &progress, WalkResult *result)
{
    if (!walkParameters(unit, model, progress, result, WorkerOps::readAllParameters))
        return false;
    model.clearChangedFlags();
    if (!result->skipped.isEmpty())
        result->error = QStringLiteral("%1 of %2 parameters could not be read (menu %3)")
                            .arg(result->skipped.size())
                            .arg(result->total)
                            .arg(menuList(result->skipped));
    return true;
}

bool writeAll(CliUnit &unit, TreeModel &model, bool onlyChanged, const Progress &progress, WalkResult *result)
{
    // The values the worker's walk sends: writable, changed when asked, with register words.
    const QList<TreeItem *> writable = model.GetWritableParameters();
    QList<TreeItem *> sent;
    for (const TreeModel::ReadEntry &entry : model.readList()) {
        const bool taken
            = !(onlyChanged || model.isBeyondFile(entry.item)) || entry.item->isChanged(entry.set);
        // An empty text goes out as zeros, clearing the unit's.
        const bool hasWords = entry.item->kind() == TreeItem::Text
            || model.registerWords(entry.item, entry.set).size() == entry.count;
        if (writable.contains(entry.item) && taken && entry.tableType == 4 && hasWords) {
            ++result->values;
            if (sent.isEmpty() || sent.last() != entry.item)
                sent.append(entry.item);
        }
    }
    if (result->values == 0)
        return true;
    WorkerOps::WriteOptions options;
    options.exportOnlyChanged = onlyChanged;
    const bool completed = walkParameters(unit, model, progress, result,
        [&options](WorkerOps::Context &ctx) { return WorkerOps::writeParameters(ctx, options); });
    // Parameters sent before the walk ended, those that failed left out.
    const QList<TreeItem *> order = walkOrder(model);
    for (int i = 0; i < result->done && i < order.size(); ++i) {
        if (sent.contains(order.at(i)) && !result->skipped.contains(order.at(i)))
            ++result->written;
    }
    const QString mix = QStringLiteral("the unit now holds a mix of the file's values and its own");
    if (!completed) {
        result->error = QStringLiteral("%1; %2 of %3 parameters were written, %4")
                            .arg(result->error)
                            .arg(result->written)
                            .arg(sent.size())
                            .arg(result->written > 0 ? mix : QStringLiteral("the unit is unchanged"));
        return false;
    }
    if (!result->skipped.isEmpty())
        result->error = QStringLiteral("%1 of %2 parameters could not be written (menu %3); %4")
                            .arg(result->skipped.size())
                            .arg(sent.size())
                            .arg(menuList(result->skipped), mix);
    return true;
}

QString menuList(const QList<TreeItem *> &items)
{
    QStringList menus;
    for (const TreeItem *item : items) {
        if (item)
            menus << item->text(TreeItem::MenuColumn);
    }
    return menus.join(QLatin1String(", "));
}

bool writeOne(
    CliUnit &unit, TreeModel &model, TreeItem *item, int set, QList<TreeItem *> *dependents, QString *error)
{
    // As the window does: the edited value is written, and what depends on it is read back from
    // the unit, which derives it itself.
    const QList<TreeItem *> depending = model.dependingItems(item);
    QString message;
    WorkerOps::Context ctx = contextFor(unit, model, &message);
    // One value is one decision: never skipped in silence.
    ctx.ignoreCommFault = false;
    if (WorkerOps::writeOneParameter(ctx, item, set) != WorkerOps::Completed) {
        *error = failedAt(unit, message, item);
        // The write went through when only the re-read of what depends on it failed.
        if (unit.lastFailureWasRead())
            *error = QStringLiteral("menu %1 was written, but reading back the values depending on it "
                                    "failed: %2")
                         .arg(item->text(TreeItem::MenuColumn), *error);
        return false;
    }
    if (dependents)
        *dependents = depending;
    return true;
}

} // namespace CliOperations
