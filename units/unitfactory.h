#pragma once

#include <QString>
#include <QStringList>

class TreeModel;
class VxCommModbusMaster;
class importfileThread;

// Creates what a unit needs: Modbus masters, worker threads and parameter models. Tests override it
// to point the controller at the simulator, shorten paces or put fakes in place.
class UnitFactory
{
public:
    virtual ~UnitFactory();

    // A master for channel 1 (RS232), 2 (RS485) or 3 (TCP/IP), without parent.
    virtual VxCommModbusMaster *createMaster(int channel);
    // A worker for one operation on the unit; the caller sets the operation and starts it.
    virtual importfileThread *createWorker(
        VxCommModbusMaster *master, const QStringList &entry, TreeModel *model);
    // The unit's parameter model, without values: they come from the unit.
    virtual TreeModel *createModel(
        const QString &deviceFile, uint language, const QString &inom, const QString &pnom);
};
