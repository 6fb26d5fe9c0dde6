#pragma once

#include "tripmessages.h"

#include <QList>
#include <QStringList>

class QObject;
class TreeModel;
class VxCommModbusMaster;
class importfileThread;

// Everything that belongs to one connected unit, kept together so the parts cannot drift apart.
struct UnitRecord
{
    QStringList entry; // the 21-string unit entry
    TreeModel *model = nullptr; // owned: deleted when the unit is removed
    VxCommModbusMaster *master = nullptr; // not owned: the registry's masters, shared on one RS485 port
    QList<importfileThread *> threads; // owned: the unit's running or finishing workers
    QObject *controlModule = nullptr; // filled in by the control panel; owned by it
    QObject *oscDevice = nullptr; // filled in by the oscilloscope; owned by it
    bool masterCreated = false; // the master was created for this unit's connect
    int fileMode = 1; // identification: 1 file chosen from the unit, 2 filePath
    QString filePath;
    bool reconnecting = false; // a reconnect's identification is running
    // Disconnected on purpose (the user's "Disconnect", or a reconnect that found no unit): no
    // cyclic reads until the user connects again. A unit that merely falls silent keeps them,
    // so it comes back by itself.
    bool heldDisconnected = false;
    // The drive's active trip: where the status update reads it (0: the file names none), the
    // fault texts, and the number last announced (-1 before the first reading).
    int activeTripRegister = 0;
    TripMessages trips;
    int activeFault = -1;
};
