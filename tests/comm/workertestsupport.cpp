#include "workertestsupport.h"

#include "apppaths.h"
#include "commtestpeers.h"
#include "devicefiles.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>

const QString WorkerFixture::Device = QStringLiteral("KTZV1.10.csv");
const QStringList WorkerFixture::CloseAndEnable { QStringLiteral("close"), QStringLiteral("enable") };

bool WorkerFixture::setUp(const QString &address, quint16 fallbackPort)
{
    AppPaths::setBaseDir(QStringLiteral(TARVOLINK_BIN_DIR));
    host = address;
    port = modbusTcpPort(host, fallbackPort);
    deviceFile = AppPaths::csvDir() + QLatin1Char('/') + Device;
    inom = DeviceFiles::VxCommGetInom(deviceFile, 1);
    pnom = DeviceFiles::VxCommGetPnom(deviceFile, 1);
    return !inom.isEmpty() && !pnom.isEmpty();
}

bool WorkerFixture::startSim(const QStringList &extra)
{
    // The size is given: the simulator's own choice of the first size row takes the table's
    // comment row and reports size 0, which no unit has.
    const QStringList options
        = QStringList { QStringLiteral("--device"), Device, QStringLiteral("--size"), QStringLiteral("1") }
        + extra;
    return sim.startTcp(host, port, options);
}

std::unique_ptr<VxCommModbusMaster> connectedMaster(const QString &host, quint16 port)
{
    auto master = std::make_unique<VxCommModbusMaster>(3);
    master->VxCommConnectTcpLink(host, port);
    master->VxCommSetMsgDelay(1);
    master->VxCommSetNoOfRetries(0); // a silent unit costs one reply window per exchange
    master->VxCommAddUnitHealth(1, QStringLiteral("connect"), QStringLiteral("1"));
    return master;
}

std::unique_ptr<TreeModel> WorkerFixture::unitModel(bool emptyValues) const
{
    auto model = std::make_unique<TreeModel>(deviceFile, 0, inom, pnom, emptyValues);
    return model->isValid() ? std::move(model) : nullptr;
}

int WorkerFixture::runToEnd(importfileThread &thread, int boundMs)
{
    QSignalSpy ended(&thread, &QThread::finished);
    thread.start();
    // A quick operation may end before wait() starts listening, and wait() only counts new
    // signals: poll the spy in short waits instead.
    QElapsedTimer clock;
    clock.start();
    while (ended.isEmpty() && clock.elapsed() < boundMs)
        ended.wait(50);
    if (ended.isEmpty())
        return -100;
    // The spy may see the signal while the thread is still inside its emission, about to wake the
    // spy's loop: the spy must outlive that.
    thread.wait(boundMs);
    QCoreApplication::processEvents(); // deliver the queued signals still on their way
    return thread.isOperationFinished() ? thread.getResult() : -101;
}

QString WorkerFixture::stored(const TreeModel &model, const TreeModel::ReadEntry &entry)
{
    return model.data(model.indexOf(entry.item, TreeItem::StoredAColumn + entry.set), Qt::DisplayRole)
        .toString();
}
