#pragma once

#include <QList>
#include <QPair>

class TreeItem;
class TreeModel;

// Comparison of the editable parameters of two parameter sets (units or files), set by set.
// No widgets: the compare dialog, printing and the command line share it.
namespace ParameterCompare {

// Whether set `set` (0 = A .. 3 = D) of two parameters differs. Both the stored forms and the
// shown texts must differ, so one value encoded two ways (another exponent) counts as equal.
// Stored forms that are whole numbers are compared as numbers, all others (time values, texts)
// as text.
bool setDiffers(const TreeItem &first, const TreeItem &second, int set);

// One differing parameter and which of its four sets differ.
struct Difference
{
    TreeItem *first = nullptr;
    TreeItem *second = nullptr;
    bool sets[4] = { false, false, false, false };
};

struct Result
{
    QList<Difference> differences; // in the first model's tree order
    QList<TreeItem *> onlyInFirst; // editable parameters without a partner, tree order
    QList<TreeItem *> onlyInSecond;
    bool identical() const
    {
        return differences.isEmpty() && onlyInFirst.isEmpty() && onlyInSecond.isEmpty();
    }
};

// Pairs the editable parameters by menu number. Either model may be null (nothing compared).
Result compare(const TreeModel *first, const TreeModel *second);

} // namespace ParameterCompare

// The pairs (first, second) of every differing parameter; on return the two lists hold the editable
// parameters of each model that found no partner.
QList<TreeItem *> CompareDriveParam(TreeModel *IstDrive, TreeModel *IIndDrive,
    QList<TreeItem *> &IstDriveParamList, QList<TreeItem *> &IIndDriveParamList);
