#include "editorchoice.h"

#include "parametervalues.h"
#include "registerword.h"
#include "treeitem.h"
#include "treemodel.h"

#include <QtMath>

using namespace ParameterValues;

namespace {

int decimalsIn(const QString &text)
{
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    const int dot = t.indexOf(QLatin1Char('.'));
    return dot < 0 ? 0 : t.size() - dot - 1;
}

} // namespace

EditorChoice EditorChoice::forItem(const TreeModel &model, const TreeItem *item, int column)
{
    EditorChoice choice;
    const int set = column - TreeItem::SetAColumn;
    if (!item || item->isMenu() || set < 0 || set > 3)
        return choice;
    if (!(model.flags(model.indexOf(item, column)) & Qt::ItemIsEditable))
        return choice;
    // Read-only parameters are shown, never written.
    if (item->field(FieldAccess).trimmed() == QLatin1String("0"))
        return choice;

    const DependencyTable::Limits limits = model.limits(item, set);
    choice.min = limits.min;
    choice.max = limits.max;
    bool okMin = false, okMax = false;
    choice.minValue = RegisterWord::parseNumber(limits.min, &okMin);
    choice.maxValue = RegisterWord::parseNumber(limits.max, &okMax);

    switch (item->kind()) {
    case TreeItem::Menu:
        return choice;
    case TreeItem::Text: {
        choice.kind = Text;
        choice.maxLength = qMax(1, item->field(FieldLength).toInt());
        choice.pattern = QStringLiteral("[^;]{1,%1}").arg(choice.maxLength);
        return choice;
    }
    case TreeItem::Time:
    case TreeItem::TimeHhMmSsT:
    case TreeItem::Date:
        choice.kind = Time;
        choice.timeKind = item->kind();
        return choice;
    case TreeItem::Enumerated:
    case TreeItem::EnumeratedNegative: {
        choice.kind = Choice;
        const int n = item->field(FieldType).toInt();
        for (int i = 0; i < n; ++i) {
            const int v = item->kind() == TreeItem::EnumeratedNegative ? -i : i;
            choice.texts.append(valueText(*item, v));
        }
        // "0 = Off, else seconds": the texts cover only the start of the range.
        if (item->kind() == TreeItem::Enumerated && okMax && choice.maxValue > n - 1)
            choice.typedNumbers = true;
        if (item->kind() == TreeItem::EnumeratedNegative && okMax && choice.maxValue > 0)
            choice.typedNumbers = true;
        if (!okMin)
            choice.minValue = item->kind() == TreeItem::EnumeratedNegative ? -(n - 1) : 0;
        if (!okMax)
            choice.maxValue = n - 1;
        return choice;
    }
    default:
        break;
    }

    // Numbers: decimals from the row; a scaled value, or limits and values written with
    // decimals, need the decimal editor even where the row gives no count.
    int decimals = item->field(FieldDecimals).toInt();
    const int factor = scaleFactor(*item);
    if (factor)
        decimals = qMax(decimals, int(std::ceil(std::log10(double(factor)))));
    decimals = qMax(decimals, qMax(decimalsIn(limits.min), decimalsIn(limits.max)));
    const bool isSigned = item->field(FieldDataType) == QLatin1String("S_Int");
    if (!okMin)
        choice.minValue = isSigned ? -32768 : 0;
    if (!okMax)
        choice.maxValue = factor ? (isSigned ? 32767.0 : 65535.0) / factor : 1023e7;
    if (decimals > 0) {
        choice.kind = Decimal;
        choice.decimals = decimals;
    } else {
        choice.kind = Whole;
        choice.maxLength = 6;
        choice.minValue = std::ceil(choice.minValue);
        choice.maxValue = qMin(std::floor(choice.maxValue), 999999.0);
    }
    return choice;
}
