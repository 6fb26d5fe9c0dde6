#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

class TreeItem;

// Conversions of one parameter value between its shown form (tree columns 4..7), its stored
// form (columns 8..11, also written to parameter set files) and the register words exchanged
// with the unit. The rule depends on the item kind and on the data type and scale factor of
// the definition row.
//
// Stored forms by kind:
//  - numeric, unscaled: the register word as unsigned decimal text ("63493" for 0.5);
//  - numeric, "U_Int"/"S_Int" with a scale factor >= 2: shown x factor as integer text;
//  - enumerated: the selected value v;
//  - text: the text itself;
//  - time and date: the three register words joined with ":". "T_HHMMSST" keeps its hour
//    in tenths of an hour, so the stored hour part is the shown one x 10.
namespace ParameterValues {

struct SetValue
{
    QString shown;
    QString stored;
    bool operator==(const SetValue &o) const { return shown == o.shown && stored == o.stored; }
};

// Definition-row fields used by the conversions.
enum Field {
    FieldMenu = 1,
    FieldLevel = 2,
    FieldType = 3,
    FieldAccess = 4,
    FieldRegister = 5,
    FieldMin = 6,
    FieldMax = 7,
    FieldSetA = 8,
    FieldScale = 12,
    FieldUnit = 13,
    FieldNotEditable = 14,
    FieldNegativeTexts = 16,
    FieldRole = 18,
    FieldDataType = 19,
    FieldDecimals = 20,
    FieldLength = 24,
    FieldOneValue = 25,
    FieldNominal = 26,
    MinimumFields = 26
};

// Item kind (TreeItem::Kind) of a definition row.
int kindFor(const QStringList &definition);

// Whether an item kind is one of the time and date forms ("T", "T_HHMMSST", "T_YYMMDD").
bool isTimeKind(int kind);

// Scale factor of a scaled integer parameter, or 0 when the value is a register word.
int scaleFactor(const TreeItem &item);

// From a typed or delivered value. Enumerated items accept one of their value texts or v.
SetValue fromShown(const TreeItem &item, const QString &shown);
// From the stored form (parameter set files, delivered values of enumerated items).
SetValue fromStored(const TreeItem &item, const QString &stored);
// From the words read at the parameter's register.
SetValue fromRegisters(const TreeItem &item, const QVector<quint16> &words);
// The words to write for a stored form; empty when the form is empty.
QVector<quint16> toRegisters(const TreeItem &item, const QString &stored);
// Number of registers the parameter occupies.
int registerCount(const TreeItem &item);

// Shown text of value v of an enumerated item; the number itself when the row has no text.
QString valueText(const TreeItem &item, int v);

} // namespace ParameterValues
