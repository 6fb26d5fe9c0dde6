#include "tripdecoding.h"

#include "statuspages.h"
#include "treeitem.h"
#include "treemodel.h"
#include "tripmessages.h"

namespace TripDecoding {

namespace {

void collectGroups(const TreeItem *item, QList<const TreeItem *> *groups)
{
    for (const TreeItem *child : item->children()) {
        if (!child->isMenu())
            continue;
        if (child->childCount() > 0 && !child->child(0)->isMenu())
            groups->append(child);
        else
            collectGroups(child, groups);
    }
}

QString shown(const TreeModel &model, const TreeItem *item, int column)
{
    return model.data(model.indexOf(item, column), Qt::DisplayRole).toString().trimmed();
}

} // namespace

QList<const TreeItem *> tripGroups(const TreeModel &model)
{
    QList<const TreeItem *> groups;
    const TreeItem *root = model.rootItem();
    if (root && root->childCount() > StatusPages::TriplogRow)
        collectGroups(root->child(StatusPages::TriplogRow), &groups);
    return groups;
}

bool isFaultNumber(const TreeModel &model, const TreeItem *item)
{
    if (!item || item->isMenu() || !item->parent() || item->parent()->child(0) != item)
        return false;
    return tripGroups(model).contains(item->parent());
}

int faultNumber(const TreeModel &model, const TreeItem *item)
{
    const QVector<quint16> words = model.registerWords(item, 0);
    return words.isEmpty() ? 0 : int(words.first());
}

QList<TripEntry> decode(const TreeModel &model, const TripMessages &trips)
{
    QList<TripEntry> entries;
    for (const TreeItem *group : tripGroups(model)) {
        TripEntry entry;
        entry.group = group->text(TreeItem::TextColumn);
        const TreeItem *number = group->child(0);
        entry.code = faultNumber(model, number);
        entry.text = trips.faultText(entry.code);
        for (int i = 1; i < group->childCount(); ++i) {
            const TreeItem *item = group->child(i);
            QString value = shown(model, item, TreeItem::SetAColumn);
            const QString unit = shown(model, item, TreeItem::UnitColumn);
            if (!unit.isEmpty())
                value += QLatin1Char(' ') + unit;
            entry.values.append({ item->text(TreeItem::TextColumn), value });
        }
        entries.append(entry);
    }
    return entries;
}

} // namespace TripDecoding
