#include "clicompare.h"

#include "parametervalues.h"
#include "treeitem.h"
#include "treemodel.h"

namespace CliCompare {

bool setDiffers(const TreeItem *a, const TreeItem *b, int set)
{
    const QString storedA = a->text(TreeItem::StoredAColumn + set);
    const QString storedB = b->text(TreeItem::StoredAColumn + set);
    // Stored forms are compared as the integers they hold (a value may be written as "050");
    // time values and texts are compared as text, so two different texts never look equal.
    bool okA = false, okB = false;
    const qlonglong numberA = storedA.trimmed().toLongLong(&okA);
    const qlonglong numberB = storedB.trimmed().toLongLong(&okB);
    const bool storedDiffers = okA && okB && !storedA.contains(QLatin1Char(':')) ? numberA != numberB : storedA != storedB;
    return storedDiffers && a->text(TreeItem::SetAColumn + set) != b->text(TreeItem::SetAColumn + set);
}

Result compare(const TreeModel &first, const TreeModel &second)
{
    Result result;
    result.onlyInFirst = first.GetEditableParameters();
    result.onlyInSecond = second.GetEditableParameters();
    if (result.onlyInFirst.isEmpty() || result.onlyInSecond.isEmpty())
        return result;
    const QList<TreeItem *> firstList = result.onlyInFirst;
    for (TreeItem *a : firstList) {
        const QString menu = a->field(ParameterValues::FieldMenu);
        TreeItem *partner = nullptr;
        for (TreeItem *b : qAsConst(result.onlyInSecond)) {
            if (b->field(ParameterValues::FieldMenu) == menu) {
                partner = b;
                break;
            }
        }
        if (!partner)
            continue;
        for (int set = 0; set < 4; ++set) {
            if (setDiffers(a, partner, set)) {
                result.differing.append(qMakePair(a, partner));
                break;
            }
        }
        result.onlyInFirst.removeOne(a);
        result.onlyInSecond.removeOne(partner);
    }
    return result;
}

} // namespace CliCompare
