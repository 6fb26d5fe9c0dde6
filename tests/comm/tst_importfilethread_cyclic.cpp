// The cyclic status and trip-log updates of the unit worker against the drive simulator: each
// pass stores the unit's values in the model, a trip in the unit shows on a later pass, stopping
// ends the cycle at once, and failures give their own messages.
#include "workertestsupport.h"

#include <QtTest>

class TestImportFileThreadCyclic : public WorkerFixture
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(setUp(QStringLiteral("127.0.0.33"), 15033)); }
    void cleanup() { sim.stop(); }
    void cyclicUpdatesStoreValuesAndStopAtOnce_data();
    void cyclicUpdatesStoreValuesAndStopAtOnce();
    void cyclicUpdateFailuresGiveTheirMessage_data();
    void cyclicUpdateFailuresGiveTheirMessage();
};

void TestImportFileThreadCyclic::cyclicUpdatesStoreValuesAndStopAtOnce_data()
{
    QTest::addColumn<int>("operation");
    QTest::newRow("status") << int(importfileThread::OprStatusUpdate);
    QTest::newRow("trip log") << int(importfileThread::TriplogUpdate);
}

void TestImportFileThreadCyclic::cyclicUpdatesStoreValuesAndStopAtOnce()
{
    QFETCH(int, operation);
    const bool triplog = operation == importfileThread::TriplogUpdate;
    QVERIFY(startSim());
    auto master = connectMaster();
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

void TestImportFileThreadCyclic::cyclicUpdateFailuresGiveTheirMessage_data()
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

void TestImportFileThreadCyclic::cyclicUpdateFailuresGiveTheirMessage()
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

QTEST_GUILESS_MAIN(TestImportFileThreadCyclic)
#include "tst_importfilethread_cyclic.moc"
