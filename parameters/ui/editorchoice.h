#pragma once

#include <QString>
#include <QStringList>

class TreeItem;
class TreeModel;

// Which editor a parameter's set value gets, and what that editor must refuse.
struct EditorChoice
{
    enum Kind { None, Text, Decimal, Whole, Choice, Time };

    Kind kind = None;
    int maxLength = 0; // Text: field 24; Whole: 6
    QString pattern; // Text: "[^;]{1,n}"
    QString min; // limits as shown (Min/Max fields)
    QString max;
    double minValue = 0; // numeric limits for the validators
    double maxValue = 0;
    int decimals = 0; // Decimal
    QStringList texts; // Choice: the value texts in value order
    bool typedNumbers = false; // Choice: the range goes beyond the texts, so numbers may be typed
    int timeKind = 0; // Time: the item kind (Time, TimeHhMmSsT, Date)

    // The editor for set column `column` (4..7) of `item`; kind None where no edit is allowed
    // (menus, read-only parameters, sets B-D of a one-value parameter, other columns).
    static EditorChoice forItem(const TreeModel &model, const TreeItem *item, int column);
};
