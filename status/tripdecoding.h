#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class TreeItem;
class TripMessages;
class TreeModel;

// One recorded fault of a unit's trip log: its fault number with the text of the device
// description file's "[TRIP MESSAGES]", and the values stored with it (date, time, ...).
struct TripEntry
{
    QString group; // the trip group's menu text ("Trip 1")
    int code = 0;
    QString text; // "1 Motor I2t", or "Undefined error"
    QList<QPair<QString, QString>> values; // parameter text, shown value with its unit
};

// Decoding of the trip log in the parameter tree: the menus under the trip-log row whose first
// child is a parameter are the trip groups, that first child holds the fault number.
namespace TripDecoding {

QList<const TreeItem *> tripGroups(const TreeModel &model);
// Whether the item is the fault number of a trip group.
bool isFaultNumber(const TreeModel &model, const TreeItem *item);
// The fault number the model holds for the item (set A).
int faultNumber(const TreeModel &model, const TreeItem *item);
// Every trip group of the model, newest first as the unit keeps them.
QList<TripEntry> decode(const TreeModel &model, const TripMessages &trips);

} // namespace TripDecoding
