// tarvolink-cli scan against the simulator: an RS485 line with two units, an IP range with one,
// and the refusals of the unit text.
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
    void initTestCase() { QVERIFY(makeInstallation(dir.path())); }
    void rs485LineListsEveryUnit();
    void tcpRangeListsItsUnit();
    void badUnitTextIsRefused_data();
    void badUnitTextIsRefused();

private:
    QStringList simArgs() const { return { "--data", dir.path(), "--device", "CLTV1.00.csv" }; }
    QTemporaryDir dir;
};

void TestCliScan::rs485LineListsEveryUnit()
{
    SimPeer sim;
    const QString port = dir.filePath("line");
    QVERIFY(sim.start(simArgs() + QStringList { "--unit", "2", "--unit", "7", "--pty", port }));
    const CliRun run
        = runCli({ "scan", "--data", dir.path(), "--rtu", port, "--rs485", "--units", "1-3,7", "--json" });
    QCOMPARE(run.exitCode, 0);
    const QJsonObject result = QJsonDocument::fromJson(run.out.toUtf8()).object();
    QCOMPARE(result.value("candidates").toInt(), 4);
    const QJsonArray units = result.value("units").toArray();
    QCOMPARE(units.size(), 2);
    QCOMPARE(units.at(1).toObject().value("unit").toInt(), 7);
    QCOMPARE(units.at(1).toObject().value("interface").toString(), QString("RS485"));
    QVERIFY(run.err.contains(QString("RS485 %1 unit 3: No Device Link").arg(port)));
}

void TestCliScan::tcpRangeListsItsUnit()
{
    SimPeer sim;
    QVERIFY(sim.startTcp("127.0.0.73", 15173, simArgs()));
    const CliRun run
        = runCli({ "scan", "--data", dir.path(), "--tcp-range", "127.0.0.71-74", "--tcp-port", "15173" });
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains(QRegularExpression("\\n1 +TCPIP +127\\.0\\.0\\.73 .*\\(\\*\\.73\\)")),
        qPrintable(run.out));
    QCOMPARE(run.err.count("No Connection with Given IP"), 3);
}

void TestCliScan::badUnitTextIsRefused_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("5-5") << QStringList { "--rtu", "/dev/null", "--units", "5-5" }
                         << "Please provide valid unit range";
    QTest::newRow("250-256 RS232") << QStringList { "--rtu", "/dev/null", "--units", "250-256" }
                                   << "Invalid Unit Number on RS232 interface: Unit range is 1-255";
    QTest::newRow("nothing") << QStringList() << "Please provide required information";
    QTest::newRow("no units") << QStringList { "--rtu", "/dev/null" } << "Please provide unit range";
    QTest::newRow("bad range") << QStringList { "--tcp-range", "10.0.0.9-3" }
                               << "Please provide valid TCP/IP range";
}

void TestCliScan::badUnitTextIsRefused()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const CliRun run = runCli(QStringList { "scan", "--data", dir.path() } + args);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.err.trimmed(), "tarvolink-cli: " + message);
}

QTEST_GUILESS_MAIN(TestCliScan)
#include "tst_cliscan.moc"
