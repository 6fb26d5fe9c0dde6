#pragma once

#include <QList>
#include <QPair>

class TreeItem;
class TreeModel;

// Comparison of two parameter sources: the editable parameters paired by menu number; a pair
// differs at a set whose stored forms and shown texts both differ.
namespace CliCompare {

struct Result
{
    QList<QPair<TreeItem *, TreeItem *>> differing;
    QList<TreeItem *> onlyInFirst;
    QList<TreeItem *> onlyInSecond;
};

Result compare(const TreeModel &first, const TreeModel &second);

// Whether set `set` (0..3) of the two items differs by the same rule.
bool setDiffers(const TreeItem *a, const TreeItem *b, int set);

} // namespace CliCompare
