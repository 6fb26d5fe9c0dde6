// tarvolink-cli scan against the simulator: an RS485 line with two units, and the refusals.
#include "clitestsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

class TestCliScan : public QObject
{
    Q_OBJECT
private slots:
    void rs485LineListsEveryUnitAndBadRequestsAreRefused();
};

void TestCliScan::rs485LineListsEveryUnitAndBadRequestsAreRefused()
{
    QTemporaryDir dir;
    QVERIFY(makeInstallation(dir.path()));
    SimPeer sim;
    const QString port = dir.filePath("line");
    QVERIFY(sim.start(
        { "--data", dir.path(), "--device", "CLTV1.00.csv", "--unit", "2", "--unit", "7", "--pty", port }));
    const CliRun run
        = runCli({ "scan", "--data", dir.path(), "--rtu", port, "--rs485", "--units", "1-3,7", "--json" });
    QCOMPARE(run.exitCode, 0);
    const QJsonObject result = QJsonDocument::fromJson(run.out.toUtf8()).object();
    QCOMPARE(result.value("candidates").toInt(), 4);
    const QJsonArray units = result.value("units").toArray();
    QCOMPARE(units.size(), 2);
    QCOMPARE(units.at(1).toObject().value("unit").toInt(), 7);
    QVERIFY(run.err.contains(QString("RS485 %1 unit 3: No Device Link").arg(port)));

    const CliRun bad = runCli({ "scan", "--data", dir.path(), "--tcp-range", "10.0.0.9-3" });
    QCOMPARE(bad.exitCode, 2);
    QCOMPARE(bad.err.trimmed(), QString("tarvolink-cli: Please provide valid TCP/IP range"));
}

QTEST_GUILESS_MAIN(TestCliScan)
#include "tst_cliscan.moc"
