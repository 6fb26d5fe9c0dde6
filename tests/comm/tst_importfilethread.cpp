// The unit worker against the drive simulator over loopback TCP: values
// read land in the model as the unit holds them, writes reach the unit, faults end operations
// with the right message (or none), and stopping works at once. The cyclic status and trip-log
// updates store the unit's values on each pass, and a trip in the unit shows on a later pass.
// Parameters whose registers lie close together: every read and write stays within the
// parameter's own registers, whatever its data type, and the file's own overlaps are reported.
// Every Qt warning is fatal here, so a signal emitted to a widget-thread object from the wrong
// thread fails the test.
#include "blockreads.h"
#include "commtestpeers.h"
#include "datfile.h"
#include "parametercompare.h"
#include "workeroperations.h"
#include "workertestsupport.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kDevice = QStringLiteral(TARVOLINK_SOURCE_DIR "/tests/comm/data/SPNV1.00.csv");

// (function code, first register, register count) of every request the simulator logged.
struct Request
{
    int fc;
    int reg;
    int count;
};

QList<Request> requestsIn(const QStringList &log)
{
    static const QRegularExpression line(QStringLiteral(" fc (\\d+) reg (\\d+): (.*)$"));
    QList<Request> requests;
    for (const QString &entry : log) {
        const QRegularExpressionMatch m = line.match(entry);
        if (!m.hasMatch())
            continue;
        const QStringList bytes = m.captured(3).split(QLatin1Char(' '));
        const int fc = m.captured(1).toInt();
        // Modbus TCP: 7 header bytes, then function code, address and count.
        const int count
            = fc == 6 ? 1 : (bytes.value(10).toInt(nullptr, 16) << 8) | bytes.value(11).toInt(nullptr, 16);
        requests.append({ fc, m.captured(2).toInt(), count });
    }
    return requests;
}

// The simulator serving the test's own device file on a loopback port, a master connected to it
// and an empty model of the file, as the worker operations take them.
struct SimulatedUnit
{
    QTemporaryDir dir;
    TestInstallation installation { dir.path() };
    SimPeer sim;
    std::unique_ptr<VxCommModbusMaster> master;
    std::unique_ptr<TreeModel> model;

    bool start(quint16 port, const QStringList &options)
    {
        if (!installation.addGeneralCsv(addingTestDrive(77, "SPN"))
            || !installation.addDeviceFileFrom(kDevice))
            return false;
        const QString device = installation.deviceFilePath("SPNV1.00.csv");
        if (!sim.startTcp(
                testHost(41), port, QStringList { "--data", dir.path(), "--device", device } + options))
            return false;
        master = connectedMaster(testHost(41), port);
        model = std::make_unique<TreeModel>(device, 0, "4,1", "1500", true);
        return model->isValid();
    }
};

} // namespace

class TestImportFileThread : public WorkerFixture
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(setUp(testHost(31), 15031)); }
    void cleanup() { sim.stop(); }
    void readAndWritesReachTheUnit();
    void readFaultsEndWithTheRightMessage_data();
    void readFaultsEndWithTheRightMessage();
    void stopDuringReadEndsAfterCurrentParameter_data();
    void stopDuringReadEndsAfterCurrentParameter();
    void cyclicUpdatesStoreValuesAndStopAtOnce();
    void cyclicUpdateFailuresGiveTheirMessage_data();
    void cyclicUpdateFailuresGiveTheirMessage();
    void spansComeFromTheFile_data();
    void spansComeFromTheFile();
    void oneWordTimeForms_data();
    void oneWordTimeForms();
    void readAndWriteTouchOnlyTheParametersOwnRegisters();
    void blockReadsGiveTheSameFile_data();
    void blockReadsGiveTheSameFile();
    void savingAndComparingWhileAWorkerReads();
    void languageSwitchWhileAWorkerReads();
};

// One unit read with the signals that go with a read, then written with only the changed values
// and with all of them.
void TestImportFileThread::readAndWritesReachTheUnit()
{
    QVERIFY(startSim({ QStringLiteral("--verbose") }));
    auto master = connectMaster();
    auto model = unitModel(true);
    QVERIFY(model);
    // That every value read equals what the unit holds is checked by tst_tabwidget through this
    // worker and by tst_cli's read/write/read; here the signals that go with a read.
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
    Recorder rec(&thread);
    QCOMPARE(runToEnd(thread), int(WorkerOps::Completed));

    const QVector<TreeModel::ReadEntry> list = model->readList();
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

    // Two offline edits to the file's values: a per-set value in set C and a value shared by all sets.
    auto edited = unitModel(false);
    QVERIFY(edited);
    TreeItem *perSet = edited->findItem(QStringLiteral("222"));
    TreeItem *shared = edited->findItem(QStringLiteral("212"));
    QVERIFY(perSet && shared && perSet->field(25) == "N" && shared->field(25) == "Y");
    QVERIFY(edited->setData(edited->indexOf(perSet, TreeItem::SetAColumn + 2), QStringLiteral("55")));
    QVERIFY(edited->setData(edited->indexOf(shared, TreeItem::SetAColumn), shared->field(7)));
    QStringList writes;
    const auto write = [&](bool onlyChanged) {
        sim.takeRequests();
        importfileThread writer(master.get(), { "1" }, edited.get());
        writer.setOperation(importfileThread::WriteParameters);
        writer.setExportOnlyChanged(onlyChanged);
        writer.setWritePace(0);
        Recorder log(&writer);
        QCOMPARE(runToEnd(writer), int(WorkerOps::Completed));
        QVERIFY(log.errors.isEmpty()); // nothing read-only was written: the unit refused nothing
        QCOMPARE(log.lastTwo(), CloseAndEnable);
        writes = SimPeer::writtenRegisters(sim.takeRequests());
    };
    write(true);
    QCOMPARE(writes,
        (QStringList {
            QString::number(shared->field(5).toInt()), QString::number(perSet->field(5).toInt() + 2000) }));
    write(false);
    QStringList expected;
    // Parameters kept out of comparison (field 14) are restored too.
    const QList<TreeItem *> writable = edited->GetWritableParameters();
    QVERIFY(writable.size() > edited->GetEditableParameters().size());
    for (const TreeModel::ReadEntry &entry : edited->readList())
        if (writable.contains(entry.item))
            expected << QString::number(entry.registerNumber);
    QCOMPARE(writes, expected);
}

void TestImportFileThread::readFaultsEndWithTheRightMessage_data()
{
    QTest::addColumn<bool>("lost"); // lost before the start with the fault ignored, else silent
    QTest::addColumn<QString>("message");
    // Going silent at a set value, with and without the fault ignored, and a disconnected unit
    // read: tst_tabwidget, through the tab controller.
    QTest::newRow("silent at another entry")
        << false << QStringLiteral("Error|Comm Error\n refer log details");
    QTest::newRow("not connected, despite fault") << true << QStringLiteral("Error|Device not connected");
}

void TestImportFileThread::readFaultsEndWithTheRightMessage()
{
    QFETCH(bool, lost);
    QFETCH(QString, message);
    auto model = unitModel(true);
    auto reference = unitModel(false);
    QVERIFY(model && reference);
    const QVector<TreeModel::ReadEntry> list = model->readList();
    // The first entry other than a set value after a few good ones.
    int silentFrom = 20;
    while (silentFrom < list.size() && list[silentFrom].setValue)
        ++silentFrom;
    QVERIFY(silentFrom < list.size());
    QVERIFY(startSim({ QStringLiteral("--silent-after"), QString::number(silentFrom) }));
    auto master = connectMaster();
    if (lost)
        master->VxCommAddUnitHealth(1, QStringLiteral("disconnect"), QStringLiteral("0"));

    importfileThread thread(master.get(), { "1" }, model.get());
    thread.setOperation(importfileThread::ReadAllParameters);
    thread.setIgnoreCommFault(lost);
    Recorder rec(&thread);
    QCOMPARE(runToEnd(thread), int(WorkerOps::Failed));
    QCOMPARE(rec.errors, QStringList { message });
    QCOMPARE(rec.lastTwo(), CloseAndEnable);
    // Read up to the unit's silence, nothing after it.
    const int readUpTo = lost ? 0 : silentFrom;
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
    QVERIFY(startSim({ QStringLiteral("--slow"), QStringLiteral("15") }));
    auto master = connectMaster();
    auto model = unitModel(true);
    auto reference = unitModel(false);
    QVERIFY(model && reference);
    importfileThread thread(master.get(), { "1" }, model.get());
    thread.setOperation(importfileThread::ReadAllParameters);
    Recorder rec(&thread);
    QSignalSpy ended(&thread, &QThread::finished);
    thread.start();
    QTRY_VERIFY_WITH_TIMEOUT(rec.lastProgress() >= 3, 30000);
    if (remove)
        thread.setRemoveFlag(true);
    else
        thread.CancelbtnSlotClicked();
    QTRY_VERIFY_WITH_TIMEOUT(!ended.isEmpty(), 10000); // the thread may end before a wait() could start
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

// The status and the trip-log cycles, one after the other on the same unit.
void TestImportFileThread::cyclicUpdatesStoreValuesAndStopAtOnce()
{
    QVERIFY(startSim());
    auto master = connectMaster();
    for (const int operation :
        { int(importfileThread::OprStatusUpdate), int(importfileThread::TriplogUpdate) }) {
        const bool triplog = operation == importfileThread::TriplogUpdate;
        auto model = unitModel(true);
        QVERIFY(model);
        const QVector<TreeModel::ReadEntry> entries
            = triplog ? WorkerOps::triplogParameters(*model) : WorkerOps::statusParameters(*model);
        QVERIFY(entries.size() > 5);
        importfileThread thread(master.get(), { "1" }, model.get());
        thread.setOperation(operation);
        Recorder rec(&thread);
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
        QTRY_VERIFY_WITH_TIMEOUT(!ended.isEmpty(), 500); // the thread may end before a wait() could start
        QCOMPARE(thread.getResult(), int(WorkerOps::Completed));
        QVERIFY(rec.errors.isEmpty());
        QVERIFY(rec.onOwnThread);
    }
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
}

void TestImportFileThread::cyclicUpdateFailuresGiveTheirMessage()
{
    QFETCH(int, operation);
    QFETCH(bool, lost);
    QFETCH(QString, message);
    QVERIFY(startSim({ QStringLiteral("--silent-after"), QStringLiteral("4") }));
    auto master = connectMaster();
    if (lost)
        master->VxCommAddUnitHealth(1, QStringLiteral("disconnect"), QStringLiteral("0"));
    auto model = unitModel(true);
    QVERIFY(model);
    importfileThread thread(master.get(), { "1" }, model.get());
    thread.setOperation(operation);
    Recorder rec(&thread);
    if (lost) {
        QCOMPARE(runToEnd(thread, 20000), int(WorkerOps::Failed));
        QCOMPARE(rec.errors, QStringList { message });
        QCOMPARE(rec.passes, 0);
        return;
    }
    // A unit that falls silent is told once and asked again, so that it can come back by itself.
    QSignalSpy ended(&thread, &QThread::finished);
    thread.setRunFlag(true);
    thread.start();
    QTRY_VERIFY_WITH_TIMEOUT(!rec.errors.isEmpty(), 10000);
    QTest::qWait(3000);
    QVERIFY(ended.isEmpty());
    thread.CancelbtnSlotClicked();
    QTRY_VERIFY_WITH_TIMEOUT(!ended.isEmpty(), 10000);
    QCOMPARE(thread.getResult(), int(WorkerOps::Completed));
    QCOMPARE(rec.errors, QStringList { message });
}

void TestImportFileThread::spansComeFromTheFile_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("span");
    // Spans that would reach a neighbour's register: readAndWriteTouchOnlyTheParametersOwnRegisters.
    QTest::newRow("time with room for three") << "64" << 3;
    QTest::newRow("time last in its table") << "69" << 1;
}

void TestImportFileThread::spansComeFromTheFile()
{
    QFETCH(QString, menu);
    QFETCH(int, span);
    TreeModel model(kDevice, 0, "4,1", "1500", false);
    QVERIFY(model.isValid());
    TreeItem *item = model.findItem(menu);
    QVERIFY(item);
    QCOMPARE(item->registerSpan(), span);
    QCOMPARE(model.registerWords(item, 0).size(), span);
    // The overlap of the file is told once, naming both parameters.
    QCOMPARE(model.registerOverlaps().size(), 1);
    QVERIFY(
        model.registerOverlaps().first().contains("menu 66 (register 40181) declares 3 registers, menu 67"));
}

void TestImportFileThread::oneWordTimeForms_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("word");
    QTest::newRow("T: seconds since 0:00") << "61"
                                           << "12:30:45" << (12 * 3600 + 30 * 60 + 45);
    QTest::newRow("T_YYMMDD: packed date") << "62"
                                           << "26:12:06" << ((26 << 9) | (12 << 5) | 6);
}

void TestImportFileThread::oneWordTimeForms()
{
    QFETCH(QString, menu);
    QFETCH(QString, typed);
    QFETCH(int, word);
    TreeModel model(kDevice, 0, "4,1", "1500", false);
    TreeItem *item = model.findItem(menu);
    QVERIFY(item);
    QVERIFY(model.setData(model.indexOf(item, TreeItem::SetAColumn), typed));
    QCOMPARE(model.registerWords(item, 0), QVector<quint16>({ quint16(word) }));
    model.storeRegisters(item, 0, { quint16(word) });
    QCOMPARE(item->text(TreeItem::SetAColumn), typed);
}

void TestImportFileThread::readAndWriteTouchOnlyTheParametersOwnRegisters()
{
    SimulatedUnit unit;
    QVERIFY2(unit.start(15041, { "--verbose" }), qPrintable(unit.sim.errorOutput()));
    TreeModel &model = *unit.model;
    WorkerOps::Context ctx;
    ctx.master = unit.master.get();
    ctx.model = &model;
    unit.sim.takeRequests();
    QCOMPARE(WorkerOps::readAllParameters(ctx), WorkerOps::Completed);
    QCOMPARE(model.findItem("61")->text(TreeItem::SetAColumn), QString("12:30:45"));
    QCOMPARE(model.findItem("62")->text(TreeItem::SetAColumn), QString("26:12:06"));
    QCOMPARE(model.findItem("64")->text(TreeItem::SetAColumn), QString("8:15:30"));

    QVERIFY(model.setData(model.indexOf(model.findItem("61"), TreeItem::SetAColumn), "01:00:00"));
    WorkerOps::WriteOptions options;
    options.paceMs = 0;
    QCOMPARE(WorkerOps::writeParameters(ctx, options), WorkerOps::Completed);
    model.clearChangedFlags();
    QCOMPARE(WorkerOps::readAllParameters(ctx), WorkerOps::Completed);
    QCOMPARE(model.findItem("61")->text(TreeItem::SetAColumn), QString("1:00:00"));
    QCOMPARE(model.findItem("62")->text(TreeItem::SetAColumn), QString("26:12:06"));

    // A parameter with one register for every set sends the value of the set edited.
    TreeItem *shared = model.findItem("68");
    QVERIFY(model.setData(model.indexOf(shared, TreeItem::SetAColumn + 2), "33"));
    QCOMPARE(WorkerOps::writeOneParameter(ctx, shared, 2), WorkerOps::Completed);
    QVector<quint16> words;
    QVERIFY(WorkerOps::readWords(ctx, 4, 40190, 1, &words) == WorkerOps::Exchange::Ok);
    QCOMPARE(words, QVector<quint16>({ 33 }));

    // Owner of every register a parameter of the file uses.
    const QMap<int, QString> owner { { 40161, "61" }, { 40162, "62" }, { 40163, "63" }, { 40177, "64" },
        { 40178, "64" }, { 40179, "64" }, { 40180, "65" }, { 40181, "66" }, { 40182, "67" }, { 40190, "68" },
        { 40195, "69" } };
    const QList<Request> requests = requestsIn(unit.sim.takeRequests());
    QVERIFY(requests.size() >= 14);
    for (const Request &r : requests) {
        for (int reg = r.reg + 1; reg < r.reg + r.count; ++reg)
            QVERIFY2(owner.value(reg) == owner.value(r.reg),
                qPrintable(QStringLiteral("fc %1 at %2 count %3 reaches %4")
                               .arg(r.fc)
                               .arg(r.reg)
                               .arg(r.count)
                               .arg(reg)));
    }
}

void TestImportFileThread::blockReadsGiveTheSameFile_data()
{
    QTest::addColumn<bool>("pymodbus");
    QTest::addColumn<bool>("refusing");
    QTest::newRow("simulator") << false << false;
    QTest::newRow("simulator refusing runs") << false << true;
    QTest::newRow("pymodbus") << true << false;
}

// Read in blocks, a unit gives the file of one-by-one reads; runs stay within the parameters'
// registers; a unit refusing runs is asked each run once and noted once as reading one by one.
void TestImportFileThread::blockReadsGiveTheSameFile()
{
    QFETCH(bool, pymodbus);
    QFETCH(bool, refusing);
    PymodbusPeer peer;
    QVERIFY(pymodbus ? peer.startTcp(host, port, { "5000" })
                     : startSim(refusing ? QStringList { "--verbose", "--single-reads" }
                                         : QStringList { "--verbose" }));
    WorkerOps::BlockReads::forgetRefusals();
    auto master = connectMaster();
    QSignalSpy reports(master.get(), &VxCommModbusMaster::VxCommHealthOfUnitToUI);
    const auto readFile = [&](bool blocks) {
        auto model = unitModel(true);
        WorkerOps::Context ctx;
        ctx.master = master.get();
        ctx.model = model.get();
        ctx.blockReads = blocks;
        QString text;
        QTextStream out(&text);
        if (WorkerOps::readAllParameters(ctx) == WorkerOps::Completed)
            DatFile::writeParameterLines(out, *model);
        out.flush();
        return text;
    };
    const QString single = readFile(false);
    QVERIFY(!single.isEmpty());
    sim.takeRequests();
    QCOMPARE(readFile(true), single);
    QCOMPARE(readFile(true), single);
    int notes = 0;
    for (const QList<QVariant> &report : qAsConst(reports))
        notes += report.value(0).toInt() == VxCommModbusMaster::HealthNote ? 1 : 0;
    QCOMPARE(notes, refusing ? 1 : 0);
    if (pymodbus)
        return;
    QSet<int> used, starts;
    for (const TreeModel::ReadEntry &entry : unitModel(true)->readList()) {
        starts.insert(entry.registerNumber);
        for (int i = 0; i < entry.count; ++i)
            used.insert(entry.registerNumber + i);
    }
    QMap<int, int> runsAsked;
    for (const Request &r : requestsIn(sim.takeRequests())) {
        int parameters = 0;
        for (int reg = r.reg; reg < r.reg + r.count; ++reg) {
            QVERIFY2(used.contains(reg), qPrintable(QStringLiteral("%1 +%2").arg(r.reg).arg(r.count)));
            parameters += starts.contains(reg) ? 1 : 0;
        }
        if (parameters > 1 && r.fc == 3)
            ++runsAsked[r.reg];
    }
    QVERIFY(runsAsked.size() > 5);
    for (int asked : qAsConst(runsAsked))
        QCOMPARE(asked, refusing ? 1 : 2);
}

// A file written or a comparison made while the worker stores values reads one snapshot of the
// model (run under ThreadSanitizer by scripts/tsan.sh).
void TestImportFileThread::savingAndComparingWhileAWorkerReads()
{
    SimulatedUnit unit;
    QVERIFY2(unit.start(15042, { "--slow", "20" }), qPrintable(unit.sim.errorOutput()));
    TreeModel &model = *unit.model;
    const QString saved = unit.dir.filePath("during.dat");
    importfileThread worker(unit.master.get(), { "1" }, &model);
    worker.setOperation(importfileThread::ReadAllParameters);
    worker.setRunFlag(true);
    worker.start();
    int saves = 0;
    while (!worker.isFinished() && saves < 1000) {
        QVERIFY(DatFile::save(saved, DatFile::Header().unitInformation(), {}, model));
        ParameterCompare::compare(&model, &model);
        ++saves;
    }
    QVERIFY(worker.wait(20000));
    QVERIFY(saves > 0);
    TreeModel reopened(unit.installation.deviceFilePath("SPNV1.00.csv"), 0, "4,1", "1500", true);
    QVERIFY(reopened.ParameterOpen(saved));
}

// The language switch rewrites the value texts (and the values shown through them) that the
// worker decodes with, and limits read the selections the worker stores (run under
// ThreadSanitizer by scripts/tsan.sh).
void TestImportFileThread::languageSwitchWhileAWorkerReads()
{
    QVERIFY(startSim({ QStringLiteral("--slow"), QStringLiteral("2") }));
    auto master = connectMaster();
    auto model = unitModel(true);
    importfileThread worker(master.get(), { "1" }, model.get());
    worker.setOperation(importfileThread::ReadAllParameters);
    worker.setRunFlag(true);
    worker.start();
    int switches = 0;
    while (!worker.isFinished() && switches < 2000) {
        model->changelang(deviceFile, ++switches % 2 ? 3 : 0);
        for (const TreeItem *item : model->DepPrmItemList())
            if (item)
                model->limits(item, switches % 4);
    }
    QVERIFY(worker.wait(60000));
    QCOMPARE(worker.getResult(), int(WorkerOps::Completed));
    QVERIFY(switches > 1);
}

QTEST_GUILESS_MAIN(TestImportFileThread)
#include "tst_importfilethread.moc"
