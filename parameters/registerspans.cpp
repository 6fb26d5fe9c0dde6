#include "registerspans.h"

#include "devicefiles.h"
#include "parametervalues.h"
#include "treeitem.h"

#include <QMap>

namespace RegisterSpans {

namespace {

using namespace ParameterValues;

// The trip log's run times sit four registers apart: three words and a spare one.
constexpr int kMaxTimeRoom = 4;

int baseRegister(const TreeItem &item)
{
    bool ok = false;
    const int base = item.field(FieldRegister).toInt(&ok);
    return ok && base > 0 ? base : 0;
}

int setsOf(const TreeItem &item)
{
    return item.field(FieldOneValue) == QLatin1String("N") ? 4 : 1;
}

// The span the file asks for; 0 when it leaves it to the neighbours.
int declaredSpan(const TreeItem &item)
{
    bool numeric = false;
    const int length = item.field(FieldLength).trimmed().toInt(&numeric);
    if (item.kind() == TreeItem::Text)
        // One Modbus read carries at most 125 registers.
        return numeric && length > 0 ? qBound(1, (length + 1) / 2, 125) : 1;
    if (isTimeKind(item.kind()))
        return numeric && length >= 1 && length <= 3 ? length : 0;
    return 1;
}

} // namespace

QStringList assign(const QVector<TreeItem *> &items)
{
    // Every register a parameter reads or writes first, in any of its sets, with its owner.
    QMap<int, const TreeItem *> owners;
    for (const TreeItem *item : items) {
        const int base = item->isMenu() ? 0 : baseRegister(*item);
        for (int set = 0; base > 0 && set < setsOf(*item); ++set) {
            if (!owners.contains(base + 1000 * set))
                owners.insert(base + 1000 * set, item);
        }
    }

    QStringList overlaps;
    for (TreeItem *item : items) {
        const int base = item->isMenu() ? 0 : baseRegister(*item);
        if (base <= 0) {
            item->setRegisterSpan(1);
            continue;
        }
        // Room before the next register of the same table that another parameter uses, over
        // every set of this one; 0 when no parameter uses a register after it in its table.
        int room = 0;
        const TreeItem *neighbour = nullptr;
        int neighbourRegister = 0;
        for (int set = 0; set < setsOf(*item); ++set) {
            const int reg = base + 1000 * set;
            auto next = owners.upperBound(reg);
            while (next != owners.end() && next.value() == item)
                ++next;
            if (next == owners.end() || DeviceFiles::tableTypeOf(next.key()) != DeviceFiles::tableTypeOf(reg))
                continue;
            if (room == 0 || next.key() - reg < room) {
                room = next.key() - reg;
                neighbour = next.value();
                neighbourRegister = next.key();
            }
        }
        const int declared = declaredSpan(*item);
        int span = declared;
        if (declared == 0) {
            // A time form takes three words where the next parameter follows right after them
            // (at most one spare register between); the last parameter of a table, or one
            // followed by registers no parameter uses, takes one: the unit refuses a read of
            // registers it does not have.
            span = room >= 3 && room <= kMaxTimeRoom ? 3 : 1;
        } else if (room > 0 && declared > room) {
            span = room;
            overlaps << QStringLiteral("menu %1 (register %2) declares %3 registers, menu %4 uses %5")
                            .arg(item->text(TreeItem::MenuColumn))
                            .arg(base)
                            .arg(declared)
                            .arg(neighbour->text(TreeItem::MenuColumn))
                            .arg(neighbourRegister);
        }
        if (isTimeKind(item->kind()) && span == 2)
            span = 1; // two words have no encoding of their own
        item->setRegisterSpan(qMax(1, span));
    }
    return overlaps;
}

} // namespace RegisterSpans
