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
    EditorChoice spec;
    const int set = column - TreeItem::SetAColumn;
    if (!item || item->isMenu() || set < 0 || set > 3)
        return spec;
    if (!(model.flags(model.indexOf(item, column)) & Qt::ItemIsEditable))
        return spec;
    // Read-only parameters are shown, never written.
    if (item->field(FieldAccess).trimmed() == QLatin1String("0"))
        return spec;

    const DependencyTable::Limits limits = model.limits(item, set);
    spec.min = limits.min;
    spec.max = limits.max;
    bool okMin = false, okMax = false;
    spec.minValue = RegisterWord::parseNumber(limits.min, &okMin);
    spec.maxValue = RegisterWord::parseNumber(limits.max, &okMax);

    switch (item->kind()) {
    case TreeItem::Menu:
        return spec;
    case TreeItem::Text: {
        spec.kind = Text;
        spec.maxLength = qMax(1, item->field(FieldLength).toInt());
        spec.pattern = QStringLiteral("[^;]{1,%1}").arg(spec.maxLength);
        return spec;
    }
    case TreeItem::Time:
    case TreeItem::TimeHhMmSsT:
    case TreeItem::Date:
        spec.kind = Time;
        spec.timeKind = item->kind();
        return spec;
    case TreeItem::Enumerated:
    case TreeItem::EnumeratedNegative: {
        spec.kind = Choice;
        const int n = item->field(FieldType).toInt();
        for (int i = 0; i < n; ++i) {
            const int v = item->kind() == TreeItem::EnumeratedNegative ? -i : i;
            spec.texts.append(valueText(*item, v));
        }
        // "0 = Off, else seconds": the texts cover only the start of the range.
        if (item->kind() == TreeItem::Enumerated && okMax && spec.maxValue > n - 1)
            spec.typedNumbers = true;
        if (item->kind() == TreeItem::EnumeratedNegative && okMax && spec.maxValue > 0)
            spec.typedNumbers = true;
        if (!okMin)
            spec.minValue = item->kind() == TreeItem::EnumeratedNegative ? -(n - 1) : 0;
        if (!okMax)
            spec.maxValue = n - 1;
        return spec;
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
        spec.minValue = isSigned ? -32768 : 0;
    if (!okMax)
        spec.maxValue = factor ? (isSigned ? 32767.0 : 65535.0) / factor : 1023e7;
    if (decimals > 0) {
        spec.kind = Decimal;
        spec.decimals = decimals;
    } else {
        spec.kind = Whole;
        spec.maxLength = 6;
        spec.minValue = std::ceil(spec.minValue);
        spec.maxValue = qMin(std::floor(spec.maxValue), 999999.0);
    }
    return spec;
}
