// The link monitor's core: a read of all parameters as the simulator logs it, named in the drive's
// words; the ring that drops its oldest rows; the statistics; the CSV read back by Python's reader.
#include "linkdescriber.h"
#include "linkmonitormodel.h"
#include "linkrecords.h"
#include "linkstatistics.h"
#include "workeroperations.h"
#include "workertestsupport.h"

#include <QAbstractItemModelTester>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class TestLinkMonitor : public WorkerFixture
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(setUp(testHost(115), 15115)); }
    void readAllIsTheSimulatorsLogInTheDrivesWords();
    void ringDropsTheOldestAndCountsThem_data();
    void ringDropsTheOldestAndCountsThem();
    void statisticsPerUnit();
    void csvReadsBackAsTheRows();
};

void TestLinkMonitor::readAllIsTheSimulatorsLogInTheDrivesWords()
{
    QVERIFY(startSim({ "--verbose" }));
    auto master = connectMaster();
    auto model = unitModel(true);
    QVERIFY(model);
    LinkDescriber describer;
    describer.setUnit(host, 1, "KTZ (*.115)", LinkDictionary::fromModel(*model));
    const auto tap = LinkTap::subscribe(100000);
    WorkerOps::Context ctx;
    ctx.master = master.get();
    ctx.model = model.get();
    QCOMPARE(WorkerOps::readAllParameters(ctx), WorkerOps::Completed);
    LinkTap::unsubscribe(tap);
    const std::deque<LinkExchange> seen = tap->take();
    QTest::qWait(200); // the simulator's last lines
    const QStringList log = sim.takeRequests().filter(QRegularExpression("^request "));
    QCOMPARE(int(seen.size()), log.size());
    QVERIFY(log.size() > 100);
    static const QRegularExpression line("^request \\d+ unit (\\d+) fc (\\d+) reg (\\d+): (.*)$");
    int named = 0;
    for (size_t i = 0; i < seen.size(); ++i) {
        const LinkExchange &e = seen[i];
        const QRegularExpressionMatch m = line.match(log.at(int(i)));
        QVERIFY2(m.hasMatch(), qPrintable(log.at(int(i))));
        QCOMPARE(QString::number(e.unit), m.captured(1));
        QCOMPARE(QString::number(e.function), m.captured(2));
        QCOMPARE(QString::number(e.firstRegister), m.captured(3));
        QCOMPARE(QString::fromLatin1(e.request.toHex(' ')), m.captured(4));
        QCOMPARE(e.purpose, LinkPurpose::Parameters);
        const QString what = describer.describe(e);
        named += what != LinkDescriber::purposeText(LinkPurpose::Parameters) ? 1 : 0;
        if (e.firstRegister == 41111) { // set B of 222, the motor frequency the file gives as 50 Hz
            QCOMPARE(what, QString("222 Motor Frequency, set B"));
            QCOMPARE(e.replyValues(), QVector<quint16> { 50 });
        }
    }
    QCOMPARE(named, log.size());
}

void TestLinkMonitor::ringDropsTheOldestAndCountsThem_data()
{
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QList<int>>("batches");
    QTest::addColumn<int>("dropped");
    QTest::newRow("fits") << 5 << QList<int> { 3, 2 } << 0;
    QTest::newRow("overflows across batches") << 5 << QList<int> { 3, 4 } << 2;
    QTest::newRow("one batch beyond the ring") << 5 << QList<int> { 8 } << 3;
    QTest::newRow("wraps round twice") << 3 << QList<int> { 2, 2, 2, 2 } << 5;
}

void TestLinkMonitor::ringDropsTheOldestAndCountsThem()
{
    QFETCH(int, capacity);
    QFETCH(QList<int>, batches);
    QFETCH(int, dropped);
    LinkMonitorModel model(capacity);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    LinkMonitorFilter failures;
    failures.setSourceModel(&model);
    failures.setFailuresOnly(true);
    int sent = 0;
    for (int size : batches) {
        std::deque<LinkExchange> batch(static_cast<size_t>(size));
        for (LinkExchange &e : batch) {
            e.timeMs = sent++; // numbered in order of arrival
            e.outcome = e.timeMs % 2 ? LinkOutcome::Timeout : LinkOutcome::Ok;
        }
        model.append(std::move(batch));
    }
    QCOMPARE(model.dropped(), qint64(dropped));
    QCOMPARE(model.rowCount(), sent - dropped);
    for (int row = 0; row < model.rowCount(); ++row)
        QCOMPARE(model.row(row).exchange.timeMs, qint64(dropped + row));
    for (int row = 0; row < failures.rowCount(); ++row)
        QVERIFY(model.row(failures.mapToSource(failures.index(row, 0)).row()).exchange.failed());
    QCOMPARE(failures.rowCount(), sent / 2 - dropped / 2); // the odd numbers kept
}

void TestLinkMonitor::statisticsPerUnit()
{
    LinkStatistics stats;
    for (int i = 1; i <= 100; ++i) {
        LinkExchange e;
        e.link = "COM3";
        e.unit = i % 2 ? 1 : 2;
        e.durationUs = 1000 * (e.unit == 1 ? i : 7);
        e.attempt = i % 10 == 1 ? 2 : 1;
        e.outcome = i == 51 ? LinkOutcome::BadCrc : (i % 10 == 1 ? LinkOutcome::Timeout : LinkOutcome::Ok);
        e.timeMs = i;
        stats.add(e);
    }
    QCOMPARE(stats.units().size(), 2);
    const LinkStatistics::Unit &odd = stats.units().at(0);
    QCOMPARE(odd.unit, 1);
    QCOMPARE(odd.exchanges, qint64(50));
    QCOMPARE(odd.resends, qint64(10));
    QCOMPARE(odd.byOutcome[size_t(LinkOutcome::Timeout)], qint64(9));
    QCOMPARE(odd.byOutcome[size_t(LinkOutcome::BadCrc)], qint64(1));
    QCOMPARE(odd.lastFailureMs, qint64(91));
    QCOMPARE(odd.minUs, qint64(1000));
    QCOMPARE(odd.maxUs, qint64(99000));
    QCOMPARE(odd.meanUs(), 50000.0);
    // 95 % of 1, 3 ... 99 ms lie at or below 95 ms: read from the bins to within their width.
    QVERIFY2(qAbs(odd.percentileUs() - 95000) <= 95000 / 10, qPrintable(QString::number(odd.percentileUs())));
    QCOMPARE(stats.units().at(1).percentileUs(), qint64(7000)); // never beyond what was seen
    QCOMPARE(stats.units().at(1).failures(), qint64(0));
}

void TestLinkMonitor::csvReadsBackAsTheRows()
{
    LinkDescriber describer;
    LinkDictionary dictionary;
    dictionary.add(40111, { "222 Motor \"frequency\", of motor 1", 0 });
    describer.setUnit("10.0.0.5", 3, "RVN 4 (*.5)", dictionary);
    LinkMonitorModel model;
    std::deque<LinkExchange> batch(2);
    batch[0].timeMs = 1796519795123; // 2026-12-06T01:16:35.123Z
    batch[0].link = "10.0.0.5";
    batch[0].channel = 3;
    batch[0].unit = 3;
    batch[0].durationUs = 12345;
    batch[0].request = QByteArray::fromHex("0007000000060303006e0002");
    batch[0].reply = QByteArray::fromHex("00070000000703030400320bb8");
    batch[1] = batch[0];
    batch[1].purpose = LinkPurpose::Status;
    batch[1].attempt = 2;
    batch[1].outcome = LinkOutcome::Exception;
    batch[1].reply = QByteArray::fromHex("000700000003038302");
    for (LinkExchange &e : batch)
        e.decodeFrames();
    model.append(std::move(batch), &describer);
    QTemporaryDir dir;
    const QString file = dir.filePath("exchanges.csv");
    QString error;
    QVERIFY2(LinkRecords::saveCsv(file, model, nullptr, &error), qPrintable(error));

    QProcess python;
    python.start("/usr/bin/python3",
        { "-c", "import csv, json, sys; print(json.dumps(list(csv.DictReader(open(sys.argv[1])))))", file });
    QVERIFY(python.waitForFinished(10000));
    const QJsonArray rows = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
    QCOMPARE(rows.size(), 2);
    const QJsonObject first = rows.at(0).toObject();
    QCOMPARE(first.value("time").toString(), QString("2026-12-06T01:16:35.123Z"));
    QCOMPARE(first.value("asked for").toString(),
        QString("222 Motor \"frequency\", of motor 1, set A (2 registers)"));
    QCOMPARE(first.value("unit name").toString(), QString("RVN 4 (*.5)"));
    QCOMPARE(first.value("register").toString(), QString("40111"));
    QCOMPARE(first.value("values").toString(), QString("50 3000"));
    QCOMPARE(first.value("duration ms").toString(), QString("12.345"));
    QCOMPARE(first.value("request").toString(), QString("00 07 00 00 00 06 03 03 00 6e 00 02"));
    const QJsonObject second = rows.at(1).toObject();
    QCOMPARE(second.value("outcome").toString(), QString("exception 2"));
    QCOMPARE(second.value("exception").toString(), QString("2"));
    QCOMPARE(second.value("attempt").toString(), QString("2"));
    QCOMPARE(second.value("kind").toString(), QString("status"));
    QCOMPARE(second.value("values").toString(), QString());
}

QTEST_GUILESS_MAIN(TestLinkMonitor)
#include "tst_linkmonitor.moc"
