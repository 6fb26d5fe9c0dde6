// Parameters whose registers lie close together: every read and write stays within the
// parameter's own registers, whatever its data type, and the file's own overlaps are reported.
#include "datfile.h"
#include "importfilethread.h"
#include "parametercompare.h"
#include "simpeer.h"
#include "treeitem.h"
#include "treemodel.h"
#include "vxcommmodbusmaster.h"
#include "workeroperations.h"

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
    VxCommModbusMaster master { 3 };
    std::unique_ptr<TreeModel> model;

    bool start(quint16 port, const QStringList &options)
    {
        if (!installation.addGeneralCsv(addingTestDrive(77, "SPN"))
            || !installation.addDeviceFileFrom(kDevice))
            return false;
        const QString device = installation.deviceFilePath("SPNV1.00.csv");
        if (!sim.startTcp(
                "127.0.0.41", port, QStringList { "--data", dir.path(), "--device", device } + options))
            return false;
        master.VxCommConnectTcpLink("127.0.0.41", port);
        master.VxCommSetMsgDelay(1);
        master.VxCommSetNoOfRetries(0);
        master.VxCommAddUnitHealth(1, QStringLiteral("connect"), QStringLiteral("1"));
        model = std::make_unique<TreeModel>(device, 0, "4,1", "1500", true);
        return model->isValid();
    }
};

} // namespace

class TestRegisterSpans : public QObject
{
    Q_OBJECT
private slots:
    void spansComeFromTheFile_data();
    void spansComeFromTheFile();
    void oneWordTimeForms_data();
    void oneWordTimeForms();
    void readAndWriteTouchOnlyTheParametersOwnRegisters();
    void savingAndComparingWhileAWorkerReads();
};

void TestRegisterSpans::spansComeFromTheFile_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("span");
    QTest::newRow("time, next parameter one register on") << "61" << 1;
    QTest::newRow("time with room for three") << "64" << 3;
    QTest::newRow("declared 3, cut at the neighbour") << "66" << 1;
    QTest::newRow("plain number") << "63" << 1;
}

void TestRegisterSpans::spansComeFromTheFile()
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

void TestRegisterSpans::oneWordTimeForms_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("word");
    QTest::newRow("T: seconds since 0:00") << "61"
                                           << "12:30:45" << (12 * 3600 + 30 * 60 + 45);
    QTest::newRow("T_YYMMDD: packed date") << "62"
                                           << "26:12:06" << ((26 << 9) | (12 << 5) | 6);
}

void TestRegisterSpans::oneWordTimeForms()
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

void TestRegisterSpans::readAndWriteTouchOnlyTheParametersOwnRegisters()
{
    SimulatedUnit unit;
    QVERIFY2(unit.start(15041, { "--verbose" }), qPrintable(unit.sim.errorOutput()));
    SimPeer &sim = unit.sim;
    TreeModel &model = *unit.model;
    WorkerOps::Context ctx;
    ctx.master = &unit.master;
    ctx.model = &model;
    sim.takeRequests();
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
    const QMap<int, QString> owner { { 40161, "61" }, { 40162, "62" }, { 40163, "63" }, { 40170, "64" },
        { 40171, "64" }, { 40172, "64" }, { 40180, "65" }, { 40181, "66" }, { 40182, "67" },
        { 40190, "68" } };
    const QList<Request> requests = requestsIn(sim.takeRequests());
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

// A file written or a comparison made while the worker stores values reads one snapshot of the
// model (run under ThreadSanitizer by scripts/tsan.sh).
void TestRegisterSpans::savingAndComparingWhileAWorkerReads()
{
    SimulatedUnit unit;
    QVERIFY2(unit.start(15042, { "--slow", "20" }), qPrintable(unit.sim.errorOutput()));
    TreeModel &model = *unit.model;
    const QString saved = unit.dir.filePath("during.dat");
    importfileThread worker(&unit.master, { "1" }, &model);
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

QTEST_GUILESS_MAIN(TestRegisterSpans)
#include "tst_registerspans.moc"
