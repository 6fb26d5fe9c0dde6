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

QString failedAt(const QString &message, const TreeItem *item)
{
    return item ? QStringLiteral("%1 (menu %2)").arg(message, item->text(TreeItem::MenuColumn)) : message;
}

// Runs one walk of the worker over the model's parameters with progress; a failure names the
// parameter the walk stopped at.
bool walkParameters(CliUnit &unit, TreeModel &model, const Progress &progress, QString *error,
    const std::function<WorkerOps::Result(WorkerOps::Context &)> &walk)
{
    QString message;
    WorkerOps::Context ctx = contextFor(unit, model, &message);
    const QList<TreeItem *> order = walkOrder(model);
    int done = 0;
    ctx.out.progress = [&](int i) {
        done = i + 1;
        if (progress)
            progress(done, order.size());
    };
    if (walk(ctx) == WorkerOps::Completed)
        return true;
    *error = failedAt(message.isEmpty() ? QStringLiteral("Comm Error") : message, order.value(done));
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
            *error = failedAt(QStringLiteral("Comm Error"), item);
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
    if (!walkParameters(unit, model, progress, error, WorkerOps::readAllParameters))
        return false;
    model.clearChangedFlags();
    return true;
}

bool writeAll(
    CliUnit &unit, TreeModel &model, bool onlyChanged, const Progress &progress, QString *error, int *written)
{
    // The values the worker's walk sends: writable, changed when asked, with register words.
    const QList<TreeItem *> writable = model.GetWritableParameters();
    int count = 0;
    for (const TreeModel::ReadEntry &entry : model.readList()) {
        if (writable.contains(entry.item) && (!onlyChanged || entry.item->isChanged(entry.set))
            && entry.tableType == 4 && model.registerWords(entry.item, entry.set).size() == entry.count)
            ++count;
    }
    if (written)
        *written = count;
    if (count == 0)
        return true;
    WorkerOps::WriteOptions options;
    options.exportOnlyChanged = onlyChanged;
    return walkParameters(unit, model, progress, error,
        [&options](WorkerOps::Context &ctx) { return WorkerOps::writeParameters(ctx, options); });
}

bool writeOne(
    CliUnit &unit, TreeModel &model, TreeItem *item, int set, QList<TreeItem *> *dependents, QString *error)
{
    // As the window does: the edited value is written, and what depends on it is read back from
    // the unit, which derives it itself.
    const QList<TreeItem *> depending = model.dependingItems(item);
    QString message;
    WorkerOps::Context ctx = contextFor(unit, model, &message);
    if (WorkerOps::writeOneParameter(ctx, item, set) != WorkerOps::Completed) {
        *error = failedAt(message.isEmpty() ? QStringLiteral("Comm Error") : message, item);
        return false;
    }
    if (dependents)
        *dependents = depending;
    return true;
}

} // namespace CliOperations
