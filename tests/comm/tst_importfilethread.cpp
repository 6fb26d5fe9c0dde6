// The unit worker against the drive simulator over loopback TCP and a pseudo-terminal: values
// read land in the model as the unit holds them, writes reach the unit, faults end operations
// with the right message (or none), and stopping works at once. Every Qt warning is fatal here,
// so a signal emitted to a widget-thread object from the wrong thread fails the test.
#include "apppaths.h"
#include "importfilethread.h"
#include "simpeer.h"
#include "treeitem.h"
#include "treemodel.h"
#include "vxcommidentify.h"
#include "vxcommmodbusmaster.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

static const QString Host = QStringLiteral("127.0.0.31");
static const QString Device = QStringLiteral("KTZV1.10.csv");

// 502 when it can be bound (as root), else a high port of this program's own.
static quint16 modbusTcpPortFor(const QString &host)
{
    QTcpServer probe;
    if (probe.listen(QHostAddress(host), 502)) {
        probe.close();
        return 502;
    }
    return 15031;
}

// Receives the worker's signals in the test's thread, as the tab controller does, and keeps
// them in order.
class Recorder : public QObject
{
    Q_OBJECT
public:
    QStringList events;
    QStringList errors; // "title|message"
    QStringList names;
    QStringList infoEntry;
    QString infoFile;
    int infoStatus = 0;
    int passes = 0;
    bool onOwnThread = true;

    void attach(importfileThread *t)
    {
        const auto q = Qt::QueuedConnection;
        connect(t, &importfileThread::ImportThreadSigProgressBarSetRange, this, &Recorder::range, q);
        connect(t, &importfileThread::ImportThreadSigProgressBarSetProgress, this, &Recorder::progress, q);
        connect(t, &importfileThread::ImportThreadSigProgressBarClose, this, &Recorder::close, q);
        connect(t, &importfileThread::vxUISigEnableWindow, this, &Recorder::enable, q);
        connect(t, &importfileThread::ImportThreadSigErrorMsg, this, &Recorder::error, q);
        connect(t, &importfileThread::vxUISigChangeUnitName, this, &Recorder::name, q);
        connect(t, &importfileThread::vxUnitInfo, this, &Recorder::unitInfo, q);
        connect(t, &importfileThread::vxUISigOprStatusUpdated, this, &Recorder::pass, q);
        connect(t, &importfileThread::vxUISigTriplogUpdated, this, &Recorder::pass, q);
    }
    int lastProgress() const
    {
        for (int i = events.size() - 1; i >= 0; --i)
            if (events[i].startsWith(QLatin1String("progress ")))
                return events[i].mid(9).toInt();
        return -1;
    }
    QStringList lastTwo() const { return events.mid(events.size() - 2); }

public slots:
    void range(int a, int b) { note(QStringLiteral("range %1 %2").arg(a).arg(b)); }
    void progress(int v) { note(QStringLiteral("progress %1").arg(v)); }
    void close() { note(QStringLiteral("close")); }
    void enable() { note(QStringLiteral("enable")); }
    void error(QString message, QString title)
    {
        check();
        errors << title + QLatin1Char('|') + message;
    }
    void name(QString n)
    {
        check();
        names << n;
    }
    void pass()
    {
        check();
        ++passes;
    }
    void unitInfo(QStringList entry, QString file, QString, QString, double, QString, QString, QString, bool,
        int status)
    {
        check();
        infoEntry = entry;
        infoFile = file;
        infoStatus = status;
    }

private:
    void check() { onOwnThread = onOwnThread && QThread::currentThread() == thread(); }
    void note(const QString &e)
    {
        check();
        events << e;
    }
};

static const QStringList CloseAndEnable { QStringLiteral("close"), QStringLiteral("enable") };

class TestImportFileThread : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void addUnitIdentifiesAndNames_data();
    void addUnitIdentifiesAndNames();
    void readAllStoresWhatTheUnitHolds_data();
    void readAllStoresWhatTheUnitHolds();
    void writeOneReachesUnitAndRereadsPoles();
    void writeAllSendsOnlyWhatItShould_data();
    void writeAllSendsOnlyWhatItShould();
    void readFaultsEndWithTheRightMessage_data();
    void readFaultsEndWithTheRightMessage();
    void stopDuringReadEndsAfterCurrentParameter_data();
    void stopDuringReadEndsAfterCurrentParameter();
    void cyclicUpdatesStoreValuesAndStopAtOnce_data();
    void cyclicUpdatesStoreValuesAndStopAtOnce();
    void cyclicUpdateFailuresGiveTheirMessage_data();
    void cyclicUpdateFailuresGiveTheirMessage();

private:
    bool startSim(bool tcp, const QStringList &extra = {});
    std::unique_ptr<VxCommModbusMaster> connectMaster(bool tcp);
    std::unique_ptr<TreeModel> unitModel(bool emptyValues) const;
    // Runs the thread to its end (bounded) and returns its result.
    int runToEnd(importfileThread &thread, int boundMs = 120000);
    static QString stored(const TreeModel &model, const TreeModel::ReadEntry &entry)
    {
        return model.data(model.indexOf(entry.item, TreeItem::StoredAColumn + entry.set), Qt::DisplayRole)
            .toString();
    }
    static QStringList writesIn(const QStringList &log);
    static const TreeItem *topRowOf(const TreeItem *item)
    {
        while (item->parent() && item->parent()->parent())
            item = item->parent();
        return item;
    }
    // Whether the file delivers a value for the entry (an empty text reads back empty).
    static bool delivered(const TreeModel &reference, const TreeModel::ReadEntry &entry)
    {
        return !stored(reference, entry).isEmpty();
    }

    QTemporaryDir dir;
    SimPeer sim;
    quint16 port = 0;
    QString deviceFile, inom, pnom;
};

void TestImportFileThread::initTestCase()
{
    QVERIFY(dir.isValid());
    AppPaths::setBaseDir(QStringLiteral(TARVOLINK_BIN_DIR));
    port = modbusTcpPortFor(Host);
    // What the controller builds a unit's model from: the identification's file, INOM and PNOM.
    QVERIFY(startSim(true));
    auto master = connectMaster(true);
    QString size, version;
    QCOMPARE(master->VxCommIdentifyUnit(deviceFile, size, version, inom, pnom, 1, QString(), 1), 1);
    QVERIFY(deviceFile.endsWith(Device));
    sim.stop();
}

void TestImportFileThread::cleanup()
{
    sim.stop();
}

bool TestImportFileThread::startSim(bool tcp, const QStringList &extra)
{
    // The size is given: the simulator's own choice of the first size row takes the table's
    // comment row and reports size 0, which no unit has.
    const QStringList args = QStringList { QStringLiteral("--size"), QStringLiteral("1") } + extra;
    return tcp ? sim.startTcp(Device, Host, port, args) : sim.startPty(Device, dir.filePath("line"), args);
}

std::unique_ptr<VxCommModbusMaster> TestImportFileThread::connectMaster(bool tcp)
{
    auto master = std::make_unique<VxCommModbusMaster>(tcp ? 3 : 1);
    if (tcp)
        master->VxCommConnectTcpLink(Host, port);
    else
        master->VxCommOpenSerialLink(dir.filePath("line"), 19200, QStringLiteral("N,8,1"));
    master->VxCommSetMsgDelay(1);
    master->VxCommSetNoOfRetries(0); // a silent unit costs one reply window per exchange
    master->VxCommAddUnitHealth(1, QStringLiteral("connect"), QStringLiteral("1"));
    return master;
}

std::unique_ptr<TreeModel> TestImportFileThread::unitModel(bool emptyValues) const
{
    auto model = std::make_unique<TreeModel>(deviceFile, 0, inom, pnom, emptyValues);
    return model->isValid() ? std::move(model) : nullptr;
}

int TestImportFileThread::runToEnd(importfileThread &thread, int boundMs)
{
    QSignalSpy ended(&thread, &QThread::finished);
    thread.start();
    if (!ended.wait(boundMs))
        return -100;
    QCoreApplication::processEvents(); // deliver the queued signals still on their way
    return thread.isOperationFinished() ? thread.getResult() : -101;
}

QStringList TestImportFileThread::writesIn(const QStringList &log)
{
    QStringList registers;
    static const QRegularExpression write(QStringLiteral(" fc (6|16) reg (\\d+):"));
    for (const QString &line : log) {
        const QRegularExpressionMatch m = write.match(line);
        if (m.hasMatch())
            registers << m.captured(2);
    }
    return registers;
}

void TestImportFileThread::addUnitIdentifiesAndNames_data()
{
    QTest::addColumn<bool>("tcp");
    QTest::addColumn<bool>("listening");
    QTest::newRow("tcp") << true << true;
    QTest::newRow("pty") << false << true;
    QTest::newRow("tcp, nobody listening") << true << false;
}

void TestImportFileThread::addUnitIdentifiesAndNames()
{
    QFETCH(bool, tcp);
    QFETCH(bool, listening);
    if (listening)
        QVERIFY(startSim(tcp));
    // The controller's entry: unit number, interface, port or address.
    QStringList entry;
    for (int i = 0; i < 21; ++i)
        entry << QString();
    entry[0] = QStringLiteral("1");
    entry[3] = tcp ? QStringLiteral("TCPIP") : QStringLiteral("RS232");
    entry[tcp ? 7 : 4] = tcp ? Host : dir.filePath("line");
    auto master = std::make_unique<VxCommModbusMaster>(tcp ? 3 : 1);
    if (!tcp)
        QCOMPARE(master->VxCommOpenSerialLink(dir.filePath("line"), 19200, QStringLiteral("N,8,1")), 1);
    importfileThread thread(master.get(), entry, nullptr);
    thread.setOperation(importfileThread::AddUnit);
    thread.setTcpPort(port);
    thread.setNewLink(!tcp);
    Recorder rec;
    rec.attach(&thread);
    const int status = runToEnd(thread);
    QVERIFY(rec.onOwnThread);
    if (!listening) {
        QCOMPARE(status, -4);
        QCOMPARE(rec.infoStatus, -4);
        QCOMPARE(rec.errors, QStringList { "Error Msg|No connection with given IP" });
        return;
    }
    QCOMPARE(status, 1);
    QCOMPARE(rec.infoStatus, 1);
    QVERIFY(rec.errors.isEmpty());
    QCOMPARE(rec.infoFile, deviceFile);
    QVERIFY2(rec.infoEntry.value(1).endsWith(tcp ? QStringLiteral(" (*.31)") : QStringLiteral(" (1)")),
        qPrintable(rec.infoEntry.value(1)));
    QCOMPARE(rec.infoEntry.value(2), QStringLiteral("connect"));
    QCOMPARE(rec.infoEntry.value(9), inom);
    QCOMPARE(thread.getUnitEntry(), rec.infoEntry);
    QVERIFY(master->VxCommIsUnitConnected(1));
}

void TestImportFileThread::readAllStoresWhatTheUnitHolds_data()
{
    QTest::addColumn<bool>("tcp");
    QTest::newRow("tcp") << true;
    QTest::newRow("pty") << false;
}

void TestImportFileThread::readAllStoresWhatTheUnitHolds()
{
    QFETCH(bool, tcp);
    QVERIFY(startSim(tcp));
    auto master = connectMaster(tcp);
    auto model = unitModel(true);
    auto reference = unitModel(false); // the simulator serves the delivered values of the file
    QVERIFY(model && reference);
    QSignalSpy viewsTold(model.get(), &QAbstractItemModel::dataChanged);
    // The unit has been given a name, in the words the model makes of it; the read passes it on.
    const QString unitName = QStringLiteral("PUMP 7");
    auto scratch = unitModel(false);
    QVERIFY(scratch->setData(scratch->indexOf(scratch->unitNameItem(), TreeItem::SetAColumn), unitName));
    const QVector<quint16> nameWords = scratch->registerWords(scratch->unitNameItem(), 0);
    QVERIFY(!nameWords.isEmpty());
    WorkerOps::Context naming;
    naming.master = master.get();
    QCOMPARE(WorkerOps::writeWords(naming, 4, model->unitNameItem()->field(5).toInt(), nameWords),
        WorkerOps::Exchange::Ok);
    importfileThread thread(master.get(), { "1" }, model.get());
    thread.setOperation(importfileThread::ReadAllParameters);
    Recorder rec;
    rec.attach(&thread);
    QCOMPARE(runToEnd(thread), int(WorkerOps::Completed));

    const QVector<TreeModel::ReadEntry> list = model->readList();
    const QVector<TreeModel::ReadEntry> expected = reference->readList();
    QCOMPARE(list.size(), expected.size());
    for (int i = 0; i < list.size(); ++i) {
        const QString got = stored(*model, list[i]);
        const QString want = stored(*reference, expected[i]);
        // Actual values (top-level row 6) follow the simulated motor: only that they were read.
        const bool live = topRowOf(list[i].item) == model->rootItem()->child(6);
        if (list[i].item == model->unitNameItem())
            continue;
        QVERIFY2((got == want || (live && !got.isEmpty()))
                && (!got.isEmpty() || !delivered(*reference, expected[i])),
            qPrintable(QStringLiteral("%1 set %2: %3 / %4")
                           .arg(list[i].item->field(1))
                           .arg(list[i].set)
                           .arg(got, want)));
    }
    // Progress counts parameters, not set values; it runs in order and the bar is closed.
    QStringList want;
    int parameters = 0;
    for (int i = 0; i < list.size(); ++i)
        if (i == 0 || list[i].item != list[i - 1].item)
            want << QStringLiteral("progress %1").arg(parameters++);
    want.prepend(QStringLiteral("range 0 %1").arg(parameters - 1));
    want << CloseAndEnable;
    QCOMPARE(rec.events, want);
    QVERIFY(rec.errors.isEmpty());
    QVERIFY(rec.onOwnThread);
    QCOMPARE(rec.names, QStringList { unitName });
    // Views hear of values stored from the worker thread, on their own thread.
    QTRY_VERIFY_WITH_TIMEOUT(viewsTold.count() > 0, 5000);
}

void TestImportFileThread::writeOneReachesUnitAndRereadsPoles()
{
    QVERIFY(startSim(true, { QStringLiteral("--verbose") }));
    auto master = connectMaster(true);
    auto model = unitModel(false);
    QVERIFY(model);
    TreeItem *frequency = model->findItem(QStringLiteral("222"));
    TreeItem *poles = model->findItem(QStringLiteral("226"));
    QVERIFY(frequency && poles);
    QVERIFY(model->dependingItems(frequency).contains(poles));
    const int set = 1; // B
    // The edit as the view makes it; then the local pole number is spoiled, so that only a
    // re-read from the unit can set it right.
    QVERIFY(model->setData(model->indexOf(frequency, TreeItem::SetAColumn + set), QStringLiteral("60")));
    const QVector<quint16> written = model->registerWords(frequency, set);
    QVERIFY(!written.isEmpty());
    model->storeRegisters(poles, set, { 9 });

    importfileThread thread(master.get(), { "1" }, model.get());
    thread.setOperation(importfileThread::WriteOneParameter);
    QVERIFY(thread.setWriteParameter(model->indexOf(frequency, TreeItem::SetAColumn + set)));
    Recorder rec;
    rec.attach(&thread);
    QCOMPARE(runToEnd(thread), int(WorkerOps::Completed));
    QVERIFY(rec.errors.isEmpty());
    QCOMPARE(rec.lastTwo(), CloseAndEnable);

    // A second master finds the value in the unit; the model's pole number is the unit's.
    auto reader = connectMaster(true);
    WorkerOps::Context check;
    check.master = reader.get();
    const int frequencyRegister = frequency->field(5).toInt() + 1000 * set;
    const int polesRegister = poles->field(5).toInt() + 1000 * (poles->field(25) == "N" ? set : 0);
    QVector<quint16> words;
    QCOMPARE(
        WorkerOps::readWords(check, 4, frequencyRegister, written.size(), &words), WorkerOps::Exchange::Ok);
    QCOMPARE(words, written);
    QCOMPARE(WorkerOps::readWords(check, 4, polesRegister, 1, &words), WorkerOps::Exchange::Ok);
    QCOMPARE(model->registerWords(poles, set), words);
    // Written first, then re-read.
    const QStringList log = sim.requestLog();
    const int writeAt
        = log.indexOf(QRegularExpression(QStringLiteral(".* fc (6|16) reg %1:.*").arg(frequencyRegister)));
    const int readAt
        = log.indexOf(QRegularExpression(QStringLiteral(".* fc 3 reg %1:.*").arg(polesRegister)));
    QVERIFY(writeAt >= 0 && readAt > writeAt);
}

void TestImportFileThread::writeAllSendsOnlyWhatItShould_data()
{
    QTest::addColumn<bool>("onlyChanged");
    QTest::newRow("only changed") << true;
    QTest::newRow("all") << false;
}

void TestImportFileThread::writeAllSendsOnlyWhatItShould()
{
    QFETCH(bool, onlyChanged);
    QVERIFY(startSim(true, { QStringLiteral("--verbose") }));
    auto master = connectMaster(true);
    auto model = unitModel(false);
    QVERIFY(model);
    // Two offline edits: a per-set value in set C and a value shared by all sets.
    TreeItem *perSet = model->findItem(QStringLiteral("222"));
    TreeItem *shared = model->findItem(QStringLiteral("212"));
    QVERIFY(perSet && shared && perSet->field(25) == "N" && shared->field(25) == "Y");
    QVERIFY(model->setData(model->indexOf(perSet, TreeItem::SetAColumn + 2), QStringLiteral("55")));
    QVERIFY(model->setData(model->indexOf(shared, TreeItem::SetAColumn), shared->field(7)));

    importfileThread thread(master.get(), { "1" }, model.get());
    thread.setOperation(importfileThread::WriteParameters);
    thread.setExportOnlyChanged(onlyChanged);
    thread.setWritePace(0);
    Recorder rec;
    rec.attach(&thread);
    QCOMPARE(runToEnd(thread), int(WorkerOps::Completed));
    QVERIFY(rec.errors.isEmpty()); // nothing read-only was written: the unit refused nothing
    QCOMPARE(rec.lastTwo(), CloseAndEnable);
    const QStringList writes = writesIn(sim.requestLog());
    if (onlyChanged) {
        QCOMPARE(writes,
            (QStringList { QString::number(shared->field(5).toInt()),
                QString::number(perSet->field(5).toInt() + 2000) }));
        return;
    }
    QStringList expected;
    const QList<TreeItem *> editable = model->GetEditableParameters();
    for (const TreeModel::ReadEntry &entry : model->readList())
        if (editable.contains(entry.item))
            expected << QString::number(entry.registerNumber);
    QCOMPARE(writes, expected);
}

void TestImportFileThread::readFaultsEndWithTheRightMessage_data()
{
    QTest::addColumn<bool>("ignore");
    // 0 unit lost before the start, 1 silent at a set value, 2 at another entry, 3 at any
    QTest::addColumn<int>("silentKind");
    QTest::addColumn<QString>("message");
    QTest::newRow("continue despite fault") << true << 3 << QString();
    QTest::newRow("silent at a set value") << false << 1 << QStringLiteral("Error| Comm Error");
    QTest::newRow("silent at another entry")
        << false << 2 << QStringLiteral("Error|Comm Error\n refer log details");
    QTest::newRow("not connected") << false << 0 << QStringLiteral("Error|Device not connected");
}

void TestImportFileThread::readFaultsEndWithTheRightMessage()
{
    QFETCH(bool, ignore);
    QFETCH(int, silentKind);
    QFETCH(QString, message);
    auto model = unitModel(true);
    auto reference = unitModel(false);
    QVERIFY(model && reference);
    const QVector<TreeModel::ReadEntry> list = model->readList();
    // The first entry of the wanted kind after a few good ones; with the fault ignored, one
    // near the end so that few reply windows run out.
    int silentFrom = ignore ? list.size() - 3 : 20;
    while ((silentKind == 1 || silentKind == 2) && silentFrom < list.size()
        && list[silentFrom].setValue != (silentKind == 1))
        ++silentFrom;
    QVERIFY(silentFrom < list.size());
    QVERIFY(startSim(true, { QStringLiteral("--silent-after"), QString::number(silentFrom) }));
    auto master = connectMaster(true);
    if (silentKind == 0)
        master->VxCommAddUnitHealth(1, QStringLiteral("disconnect"), QStringLiteral("0"));

    importfileThread thread(master.get(), { "1" }, model.get());
    thread.setOperation(importfileThread::ReadAllParameters);
    thread.setIgnoreCommFault(ignore);
    Recorder rec;
    rec.attach(&thread);
    const int result = runToEnd(thread);
    QCOMPARE(rec.errors, message.isEmpty() ? QStringList() : QStringList { message });
    QCOMPARE(result, int(ignore ? WorkerOps::Completed : WorkerOps::Failed));
    QCOMPARE(rec.lastTwo(), CloseAndEnable);
    // Read up to the unit's silence, nothing after it.
    const int readUpTo = silentKind == 0 ? 0 : silentFrom;
    for (int i = 0; i < list.size(); ++i)
        if (delivered(*reference, list[i]))
            QVERIFY2(stored(*model, list[i]).isEmpty() == (i >= readUpTo), qPrintable(QString::number(i)));
}

void TestImportFileThread::stopDuringReadEndsAfterCurrentParameter_data()
{
    QTest::addColumn<bool>("remove");
    QTest::newRow("cancel") << false;
    QTest::newRow("remove") << true;
}

void TestImportFileThread::stopDuringReadEndsAfterCurrentParameter()
{
    QFETCH(bool, remove);
    QVERIFY(startSim(true, { QStringLiteral("--slow"), QStringLiteral("15") }));
    auto master = connectMaster(true);
    auto model = unitModel(true);
    auto reference = unitModel(false);
    QVERIFY(model && reference);
    importfileThread thread(master.get(), { "1" }, model.get());
    thread.setOperation(importfileThread::ReadAllParameters);
    Recorder rec;
    rec.attach(&thread);
    QSignalSpy ended(&thread, &QThread::finished);
    thread.start();
    QTRY_VERIFY_WITH_TIMEOUT(rec.lastProgress() >= 3, 30000);
    if (remove)
        thread.setRemoveFlag(true);
    else
        thread.CancelbtnSlotClicked();
    QVERIFY(ended.wait(10000));
    QCoreApplication::processEvents();
    QCOMPARE(thread.getResult(), int(remove ? WorkerOps::Removed : WorkerOps::Cancelled));
    QVERIFY(rec.errors.isEmpty());
    QCOMPARE(rec.lastTwo(), CloseAndEnable);

    // Parameters up to the last progress are complete (all their sets); after a cancel nothing
    // further is read, after a removal at most part of the parameter in hand.
    const QVector<TreeModel::ReadEntry> list = model->readList();
    const int last = rec.lastProgress();
    int parameter = -1;
    for (int i = 0; i < list.size(); ++i) {
        if (i == 0 || list[i].item != list[i - 1].item)
            ++parameter;
        const bool read = !stored(*model, list[i]).isEmpty();
        if (!delivered(*reference, list[i]))
            continue;
        if (parameter <= last)
            QVERIFY2(read, qPrintable(QString::number(i)));
        else if (!remove || parameter > last + 1)
            QVERIFY2(!read, qPrintable(QString::number(i)));
    }
    QVERIFY(last < parameter);
}

void TestImportFileThread::cyclicUpdatesStoreValuesAndStopAtOnce_data()
{
    QTest::addColumn<int>("operation");
    QTest::newRow("status") << int(importfileThread::OprStatusUpdate);
    QTest::newRow("trip log") << int(importfileThread::TriplogUpdate);
}

void TestImportFileThread::cyclicUpdatesStoreValuesAndStopAtOnce()
{
    QFETCH(int, operation);
    const bool triplog = operation == importfileThread::TriplogUpdate;
    QVERIFY(startSim(true));
    auto master = connectMaster(true);
    auto model = unitModel(true);
    QVERIFY(model);
    const QVector<TreeModel::ReadEntry> entries
        = triplog ? WorkerOps::triplogParameters(*model) : WorkerOps::statusParameters(*model);
    QVERIFY(entries.size() > 5);
    importfileThread thread(master.get(), { "1" }, model.get());
    thread.setOperation(operation);
    Recorder rec;
    rec.attach(&thread);
    QSignalSpy ended(&thread, &QThread::finished);
    thread.start();
    QTRY_VERIFY_WITH_TIMEOUT(rec.passes >= 1, 20000);
    for (const TreeModel::ReadEntry &entry : entries)
        QVERIFY2(!stored(*model, entry).isEmpty(), qPrintable(entry.item->field(1)));
    if (triplog) {
        // A trip in the unit shows in the newest entry's fault number on a later pass.
        const TreeModel::ReadEntry newest = entries.first();
        QCOMPARE(model->registerWords(newest.item, 0), QVector<quint16> { 0 });
        sim.trip();
        QTRY_COMPARE_WITH_TIMEOUT(model->registerWords(newest.item, 0), QVector<quint16> { 1 }, 10000);
        // Stopped during the second-long pause between passes, it ends without sitting it out.
        QTRY_VERIFY_WITH_TIMEOUT(rec.passes >= 3, 10000);
    }
    thread.CancelbtnSlotClicked();
    QVERIFY(ended.wait(500));
    QCOMPARE(thread.getResult(), int(WorkerOps::Completed));
    QVERIFY(rec.errors.isEmpty());
    QVERIFY(rec.onOwnThread);
}

void TestImportFileThread::cyclicUpdateFailuresGiveTheirMessage_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<bool>("lost");
    QTest::addColumn<QString>("message");
    const int status = importfileThread::OprStatusUpdate;
    const int triplog = importfileThread::TriplogUpdate;
    QTest::newRow("status, silent") << status << false << QStringLiteral("Error|OprStatusUpdate:Write Error");
    QTest::newRow("status, lost") << status << true << QStringLiteral("Error|Connection Lost");
    QTest::newRow("trip log, silent")
        << triplog << false << QStringLiteral("Error|TriplogUpdate:Write Error");
    QTest::newRow("trip log, lost") << triplog << true << QStringLiteral("Error|Connection Lost");
}

void TestImportFileThread::cyclicUpdateFailuresGiveTheirMessage()
{
    QFETCH(int, operation);
    QFETCH(bool, lost);
    QFETCH(QString, message);
    QVERIFY(startSim(true, { QStringLiteral("--silent-after"), QStringLiteral("4") }));
    auto master = connectMaster(true);
    if (lost)
        master->VxCommAddUnitHealth(1, QStringLiteral("disconnect"), QStringLiteral("0"));
    auto model = unitModel(true);
    QVERIFY(model);
    importfileThread thread(master.get(), { "1" }, model.get());
    thread.setOperation(operation);
    Recorder rec;
    rec.attach(&thread);
    QCOMPARE(runToEnd(thread, 20000), int(WorkerOps::Failed));
    QCOMPARE(rec.errors, QStringList { message });
    QCOMPARE(rec.passes, 0);
}

QTEST_GUILESS_MAIN(TestImportFileThread)
#include "tst_importfilethread.moc"
