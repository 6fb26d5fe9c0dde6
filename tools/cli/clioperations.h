#pragma once

#include <QList>
#include <QString>
#include <functional>

class CliUnit;
class TreeItem;
class TreeModel;

// The parameter walks of the command line, on the unit worker's own operations: every
// parameter and set read from a unit or written to it, and one edited value written with the
// parameters that depend on it. Each stops at the first failed exchange with a one-line message
// naming the parameter (a backup with holes is worse than none).
namespace CliOperations {

using Progress = std::function<void(int done, int total)>;

// What a walk over all parameters did.
struct WalkResult
{
    int total = 0; // parameters in the walk
    int done = 0; // parameters walked before it ended
    int values = 0; // values a write sends (parameter and set)
    int written = 0; // parameters a write sent
    QList<TreeItem *> skipped; // failed and passed over (ContinueDespiteCOMFault)
    QString error; // why it stopped, or which parameters were passed over
};

// Reads every parameter and set into the model; afterwards nothing counts as changed. False on
// a failure, and with ContinueDespiteCOMFault when anything was passed over.
bool readAll(CliUnit &unit, TreeModel &model, const Progress &progress, QString *error);
// The same; true when the walk ended (result->skipped may be non-empty), false when it stopped.
bool readAll(CliUnit &unit, TreeModel &model, const Progress &progress, WalkResult *result);

// Writes every editable value of the model, or only those marked as changed. False when the walk
// stopped; result->error then says how far it came.
bool writeAll(
    CliUnit &unit, TreeModel &model, bool onlyChanged, const Progress &progress, WalkResult *result);

// "61, 62, 213"
QString menuList(const QList<TreeItem *> &items);

// Reads the registers of one item and set into the model.
bool readItem(CliUnit &unit, TreeModel &model, TreeItem *item, int set, QString *error);

// Writes the value of `item` in `set` and re-reads the values that depend on it (the pole number
// after motor speed or frequency, which the unit derives). `dependents` gets the re-read items.
bool writeOne(
    CliUnit &unit, TreeModel &model, TreeItem *item, int set, QList<TreeItem *> *dependents, QString *error);

// Whether a value of the item may be written to a unit.
bool isWritable(const TreeModel &model, const TreeItem *item);

} // namespace CliOperations
