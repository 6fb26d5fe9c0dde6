#include "clioperations.h"

#include "cliunit.h"
#include "parametervalues.h"
#include "treeitem.h"
#include "treemodel.h"
#include "vxcommmodbusmaster.h"

#include <QThread>

namespace CliOperations {

namespace {

QString failure(const QString &message, const TreeItem *item, int set, int code)
{
    return QStringLiteral("%1: menu %2 set %3: %4")
        .arg(message, item->text(TreeItem::MenuColumn), QString(QChar('A' + set)),
            code == CliUnit::NotConnected ? QStringLiteral("Device not connected")
                                          : VxCommModbusMaster::VxCommErrorText(code).simplified());
}

// Units need time to store a written value before the next write arrives.
constexpr int kPauseBetweenWritesMs = 150;

} // namespace

bool isWritable(const TreeItem *item)
{
    // Editable as the parameters view offers it, and not marked read-only in the unit.
    return item && !item->isMenu() && item->field(ParameterValues::FieldAccess).toInt() > 0
        && item->field(ParameterValues::FieldNotEditable) != QLatin1String("Y")
        && item->field(15).trimmed() != QLatin1String("R");
}

bool readItem(CliUnit &unit, TreeModel &model, TreeItem *item, int set, QString *error)
{
    for (const TreeModel::ReadEntry &entry : model.readList()) {
        if (entry.item != item || (entry.setValue && entry.set != set))
            continue;
        QVector<quint16> words;
        const int result = unit.readRegisters(entry.tableType, entry.registerNumber, entry.count, &words);
        if (result < 1) {
            *error = failure(QStringLiteral("Comm Error"), item, set, result);
            return false;
        }
        model.storeRegisters(item, entry.setValue ? entry.set : set, words);
        return true;
    }
    *error = QStringLiteral("menu %1 has no register").arg(item->text(TreeItem::MenuColumn));
    return false;
}

bool readAll(CliUnit &unit, TreeModel &model, const Progress &progress, QString *error)
{
    const QVector<TreeModel::ReadEntry> list = model.readList();
    for (int i = 0; i < list.size(); ++i) {
        const TreeModel::ReadEntry &entry = list.at(i);
        QVector<quint16> words;
        const int result = unit.readRegisters(entry.tableType, entry.registerNumber, entry.count, &words);
        if (result < 1) {
            *error = failure(entry.setValue ? QStringLiteral("Comm Error")
                                            : QStringLiteral("Comm Error refer log details"),
                entry.item, entry.set, result);
            return false;
        }
        model.storeRegisters(entry.item, entry.set, words);
        if (progress)
            progress(i + 1, list.size());
    }
    model.clearChangedFlags();
    return true;
}

bool writeAll(
    CliUnit &unit, TreeModel &model, bool onlyChanged, const Progress &progress, QString *error, int *written)
{
    QVector<TreeModel::ReadEntry> list;
    for (const TreeModel::ReadEntry &entry : model.readList()) {
        if (isWritable(entry.item) && (!onlyChanged || entry.item->isChanged(entry.set)))
            list.append(entry);
    }
    if (written)
        *written = 0;
    const TreeItem *previous = nullptr;
    for (int i = 0; i < list.size(); ++i) {
        const TreeModel::ReadEntry &entry = list.at(i);
        const QVector<quint16> words = model.registerWords(entry.item, entry.set);
        if (words.size() != entry.count || entry.tableType != 4)
            continue; // nothing to write, or no register a value can be written to
        // The unit stores each parameter in non-volatile memory before it takes the next one;
        // the sets of one parameter go together.
        if (previous && previous != entry.item)
            QThread::msleep(kPauseBetweenWritesMs);
        previous = entry.item;
        int result = unit.writeRegisters(entry.tableType, entry.registerNumber, words);
        if (result == -12) // one more go after a time-out
            result = unit.writeRegisters(entry.tableType, entry.registerNumber, words);
        if (result < 1) {
            *error = failure(QStringLiteral("Comm Error"), entry.item, entry.set, result);
            return false;
        }
        if (written)
            ++*written;
        if (progress)
            progress(i + 1, list.size());
    }
    return true;
}

bool writeOne(
    CliUnit &unit, TreeModel &model, TreeItem *item, int set, QList<TreeItem *> *dependents, QString *error)
{
    const auto writeValue = [&](TreeItem *target) {
        for (const TreeModel::ReadEntry &entry : model.readList()) {
            if (entry.item != target || (entry.setValue && entry.set != set))
                continue;
            const QVector<quint16> words = model.registerWords(target, set);
            const int result = unit.writeRegisters(entry.tableType, entry.registerNumber, words);
            if (result < 1) {
                *error = failure(QStringLiteral("Write Error"), target, set, result);
                return false;
            }
            return true;
        }
        *error = QStringLiteral("menu %1 has no register").arg(target->text(TreeItem::MenuColumn));
        return false;
    };
    if (!writeValue(item))
        return false;
    // The model has already recomputed the dependent values; a unit that computes them itself
    // gets the same value, one that does not would otherwise keep a stale pole number.
    const QList<TreeItem *> depending = model.dependingItems(item);
    for (TreeItem *dependent : depending) {
        if (dependent->isChanged(set) && isWritable(dependent)) {
            QThread::msleep(kPauseBetweenWritesMs);
            if (!writeValue(dependent))
                return false;
        }
        if (!readItem(unit, model, dependent, set, error))
            return false;
    }
    if (dependents)
        *dependents = depending;
    return true;
}

} // namespace CliOperations
