#include "parametercompare.h"

#include "treeitem.h"
#include "treemodel.h"

#include <QHash>

namespace ParameterCompare {

namespace {

bool storedDiffers(const QString &a, const QString &b)
{
    // Time values ("0:01:30") and texts (a unit name, an IP address) are no numbers: reading
    // them as numbers would make every pair equal.
    bool okA = false, okB = false;
    const qlonglong na = a.trimmed().toLongLong(&okA);
    const qlonglong nb = b.trimmed().toLongLong(&okB);
    if (okA && okB && !a.contains(QLatin1Char(':')))
        return na != nb;
    return a != b;
}

} // namespace

bool setDiffers(const TreeItem &first, const TreeItem &second, int set)
{
    const QString storedA = first.text(TreeItem::StoredAColumn + set);
    const QString storedB = second.text(TreeItem::StoredAColumn + set);
    const QString shownA = first.text(TreeItem::SetAColumn + set);
    const QString shownB = second.text(TreeItem::SetAColumn + set);
    return storedDiffers(storedA, storedB) && shownA != shownB;
}

static Result compareLocked(const TreeModel *first, const TreeModel *second);

Result compare(const TreeModel *first, const TreeModel *second)
{
    if (!first || !second)
        return {};
    Result result;
    first->withValuesLocked(
        [&] { second->withValuesLocked([&] { result = compareLocked(first, second); }); });
    return result;
}

static Result compareLocked(const TreeModel *first, const TreeModel *second)
{
    Result result;
    const QList<TreeItem *> firstList = first->GetEditableParameters();
    QList<TreeItem *> secondList = second->GetEditableParameters();
    if (firstList.isEmpty() || secondList.isEmpty()) {
        result.onlyInFirst = firstList;
        result.onlyInSecond = secondList;
        return result;
    }
    // First occurrence of each menu number on the second side, as a walk of the list would find.
    QHash<QString, int> position;
    for (int i = secondList.size() - 1; i >= 0; --i)
        position.insert(secondList.at(i)->text(TreeItem::MenuColumn), i);
    QVector<bool> matched(secondList.size(), false);
    for (TreeItem *a : firstList) {
        const QString menu = a->text(TreeItem::MenuColumn);
        int i = position.value(menu, -1);
        // A menu number used twice pairs its occurrences in order.
        while (i >= 0 && i < secondList.size() && matched[i]) {
            int next = -1;
            for (int j = i + 1; j < secondList.size(); ++j) {
                if (!matched[j] && secondList.at(j)->text(TreeItem::MenuColumn) == menu) {
                    next = j;
                    break;
                }
            }
            i = next;
        }
        if (i < 0) {
            result.onlyInFirst.append(a);
            continue;
        }
        matched[i] = true;
        TreeItem *b = secondList.at(i);
        Difference d;
        d.first = a;
        d.second = b;
        bool any = false;
        for (int set = 0; set < 4; ++set) {
            d.sets[set] = setDiffers(*a, *b, set);
            any = any || d.sets[set];
        }
        if (any)
            result.differences.append(d);
    }
    for (int i = 0; i < secondList.size(); ++i) {
        if (!matched[i])
            result.onlyInSecond.append(secondList.at(i));
    }
    return result;
}

} // namespace ParameterCompare

QList<TreeItem *> CompareDriveParam(TreeModel *IstDrive, TreeModel *IIndDrive,
    QList<TreeItem *> &IstDriveParamList, QList<TreeItem *> &IIndDriveParamList)
{
    const ParameterCompare::Result result = ParameterCompare::compare(IstDrive, IIndDrive);
    QList<TreeItem *> pairs;
    for (const auto &d : result.differences)
        pairs << d.first << d.second;
    IstDriveParamList = result.onlyInFirst;
    IIndDriveParamList = result.onlyInSecond;
    return pairs;
}
