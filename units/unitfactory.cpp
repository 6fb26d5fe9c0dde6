#include "unitfactory.h"

#include "importfilethread.h"
#include "treemodel.h"
#include "vxcommmodbusmaster.h"

UnitFactory::~UnitFactory() = default;

VxCommModbusMaster *UnitFactory::createMaster(int channel)
{
    return new VxCommModbusMaster(channel);
}

importfileThread *UnitFactory::createWorker(
    VxCommModbusMaster *master, const QStringList &entry, TreeModel *model)
{
    return new importfileThread(master, entry, model);
}

TreeModel *UnitFactory::createModel(
    const QString &deviceFile, uint language, const QString &inom, const QString &pnom)
{
    return new TreeModel(deviceFile, language, inom, pnom, true);
}
