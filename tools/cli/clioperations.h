#pragma once

#include <QList>
#include <QString>
#include <functional>

class CliUnit;
class TreeItem;
class TreeModel;

// The parameter walks of the command line: every parameter and set read from a unit or written
// to it, and one edited value written with the parameters that depend on it.
namespace CliOperations {

using Progress = std::function<void(int done, int total)>;

// Reads every entry of the model's read list into the model. False with a one-line message on
// the first failed exchange (a backup with holes is worse than none).
bool readAll(CliUnit &unit, TreeModel &model, const Progress &progress, QString *error);

// Writes every writable value of the model, or only those marked as changed.
bool writeAll(CliUnit &unit, TreeModel &model, bool onlyChanged, const Progress &progress, QString *error,
    int *written = nullptr);

// Reads the registers of one item and set into the model.
bool readItem(CliUnit &unit, TreeModel &model, TreeItem *item, int set, QString *error);

// Writes the value of `item` in `set`, then the values the model recomputed from it (the pole
// number from speed and frequency) and reads those back from the unit.
bool writeOne(
    CliUnit &unit, TreeModel &model, TreeItem *item, int set, QList<TreeItem *> *dependents, QString *error);

// Whether a value of the item may be written to a unit.
bool isWritable(const TreeItem *item);

} // namespace CliOperations
