// The automatic scan's rules (unit texts, IP ranges, the form's messages) and the scan itself
// against the drive simulator over pseudo-terminals and loopback Modbus TCP.
#include "apppaths.h"
#include "scanoperation.h"
#include "simpeer.h"
#include "unitentryfields.h"
#include "vxcommdevicestatus.h"
#include "vxcommmodbusmaster.h"

#include <QtTest>
#include <set>

namespace F = UnitEntryField;

namespace {
const QString Device = QStringLiteral("KTZV1.10.csv");
constexpr quint16 TcpPort = 15160;
} // namespace

class TestScan : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void formIsCheckedAndExpanded_data();
    void formIsCheckedAndExpanded();

    void tcpRangeFindsExactlyTheServedAddresses();
    void serialScanAndItsCancel();

private:
    // Runs a scan; every candidate's report, with the progress after it, lands in `reports`.
    QList<ScanOps::FoundUnit> scan(const rs232InfoForAutoScan &rs232, const rs485InfoForAutoScan &rs485,
        const ethernetInfoForAutoScan &range, int probes = 32, int stopAfter = 0)
    {
        ScanOps::Hooks hooks;
        hooks.createMaster = [](int channel) { return new VxCommModbusMaster(channel); };
        hooks.discardMaster = [](VxCommModbusMaster *m) { delete m; };
        hooks.report = [this](int kind, int unit, int channel, const QString &link, const QString &message) {
            reports << QString("%1 %2 %3 %4: %5").arg(kind).arg(unit).arg(channel).arg(link, message);
        };
        hooks.progress = [this, stopAfter](int scanned, int found) {
            reports.last() += QString(" [%1/%2]").arg(scanned).arg(found);
            scanner.VxCommSetStopScanFlag(scanned == stopAfter);
        };
        ScanOps::Options options;
        options.tcpPort = TcpPort;
        options.concurrentProbes = probes;
        options.concurrentIdentify = probes > 1 ? options.concurrentIdentify : 1;
        const auto found = ScanOps::runScan(scanner, rs232, rs485, range, hooks, options);
        for (const ScanOps::FoundUnit &unit : found)
            masters.insert(unit.master);
        return found;
    }
    QStringList simArgs(const QList<int> &units) const
    {
        return QStringList { "--data", TARVOLINK_SOURCE_DIR "/data", "--device", Device, "--verbose" }
        + SimPeer::unitOptions(units);
    }

    QTemporaryDir root;
    vxCommDeviceStatus scanner;
    QStringList reports; // "kind unit channel link: message [scanned/found]"
    std::set<VxCommModbusMaster *> masters;
};

void TestScan::initTestCase()
{
    TestInstallation inst(root.path());
    QVERIFY(inst.addGeneralCsv() && inst.addDeviceFile(Device));
    AppPaths::setBaseDir(inst.baseDir());
    scanner.VxCommSetMsgDelay(5);
    scanner.VxCommSetNoOfRetries(0);
}

void TestScan::cleanup()
{
    for (VxCommModbusMaster *m : masters)
        delete m;
    masters.clear();
    reports.clear();
    scanner.VxCommSetStopScanFlag(false);
}

void TestScan::formIsCheckedAndExpanded_data()
{
    QTest::addColumn<QString>("ports232");
    QTest::addColumn<QString>("ports485");
    QTest::addColumn<QString>("units232");
    QTest::addColumn<QString>("units485");
    QTest::addColumn<QString>("range");
    // The message, or the RS232 and RS485 numbers and the progress total.
    QTest::addColumn<QString>("expected");
    const QString range = "Please provide valid unit range", ip = "Please provide valid TCP/IP range";
    // clang-format off
    QTest::newRow("nothing") << "" << "" << "1" << "1" << "...-..." << "Please provide required information";
    QTest::newRow("ports without units") << "A" << "" << "" << "" << "" << "Please provide unit range";
    QTest::newRow("same port twice") << "A" << "A" << "1" << "2" << "" << "Duplicate configuration in RS232 and RS485";
    QTest::newRow("5-5") << "A" << "" << "5-5" << "" << "" << range;
    QTest::newRow("250-256 RS232") << "A" << "" << "250-256" << "" << "" << "Invalid Unit Number on RS232 interface: Unit range is 1-255";
    QTest::newRow("broadcast 0 RS485") << "" << "B" << "" << "0" << "" << "Invalid Unit Number on RS485 interface: Unit range is 1-255";
    QTest::newRow("other subnet") << "" << "" << "" << "" << "10.0.0.5-10.0.1.9" << ip;
    QTest::newRow("text 3 is one candidate") << "A" << "" << "3" << "" << "" << "3||1";
    QTest::newRow("1-3,7 in order") << "A" << "B" << "9,4-5" << "1-3,7" << "" << "9,4,5|1,2,3,7|7";
    QTest::newRow("repeats asked once") << "A" << "" << "1-3,2,3-4" << "" << "" << "1,2,3,4||4";
    QTest::newRow("equal addresses are one") << "" << "" << "" << "" << "10.0.0.060-10.0.0.60" << "||1";
    // clang-format on
}

void TestScan::formIsCheckedAndExpanded()
{
    QFETCH(QString, ports232);
    QFETCH(QString, ports485);
    QFETCH(QString, units232);
    QFETCH(QString, units485);
    QFETCH(QString, range);
    QFETCH(QString, expected);
    const auto ports = [](const QString &p) { return p.isEmpty() ? QStringList() : QStringList { p }; };
    const ScanRules::ScanForm form { ports(ports232), ports(ports485), units232, units485,
        range.section('-', 0, 0), range.section('-', 1) };
    rs232InfoForAutoScan rs232 { form.rs232Ports, 0, {}, {} };
    rs485InfoForAutoScan rs485 { form.rs485Ports, 0, {}, {} };
    ethernetInfoForAutoScan ethernet;
    const QString message = ScanRules::validateForm(form, &rs232.units, &rs485.units, &ethernet);
    if (!expected.contains('|')) {
        QCOMPARE(message, expected);
        return;
    }
    QVERIFY2(message.isEmpty(), qPrintable(message));
    const auto join = [](const QVector<int> &units) {
        QStringList texts;
        for (int unit : units)
            texts << QString::number(unit);
        return texts.join(',');
    };
    QCOMPARE(join(rs232.units) + '|' + join(rs485.units) + '|'
            + QString::number(ScanRules::progressTotal(rs232, rs485, ethernet)),
        expected);
}

void TestScan::tcpRangeFindsExactlyTheServedAddresses()
{
    // One simulator per address: each is ready once it says so.
    SimPeer sim61, sim65;
    QVERIFY2(sim61.startTcp(testHost(61), TcpPort, simArgs({})), qPrintable(sim61.errorOutput()));
    QVERIFY2(sim65.startTcp(testHost(65), TcpPort, simArgs({})), qPrintable(sim65.errorOutput()));
    // Two units that accept connections but never answer, identified beside the others.
    SimPeer mute63, mute64;
    QVERIFY(mute63.startTcp(testHost(63), TcpPort, simArgs({}) + QStringList { "--silent-after", "0" }));
    QVERIFY(mute64.startTcp(testHost(64), TcpPort, simArgs({}) + QStringList { "--silent-after", "0" }));
    const ethernetInfoForAutoScan range { testHost(60).split('.'), testHost(70).split('.') };
    const auto found = scan({}, {}, range);
    QCOMPARE(found.size(), 2);
    QVERIFY(F::at(found.at(0).entry, F::Name).endsWith(" (*.61)"));
    QVERIFY(F::at(found.at(1).entry, F::Name).endsWith(" (*.65)"));
    QCOMPARE(reports.size(), 11);
    // Candidates that do not answer are reported as such: the scan's result, not a fault.
    QCOMPARE(reports.at(0), "6 1 3 " + testHost(60) + ": No Connection with Given IP [1/0]");
    QVERIFY(reports.last().endsWith("[11/2]"));
    QCOMPARE(reports.at(3), "6 1 3 " + testHost(63) + ": No Device Link [4/1]");

    // Probing the range and identifying several addresses at once change nothing the user sees.
    const QStringList concurrent = reports;
    cleanup();
    QCOMPARE(scan({}, {}, range, 1).size(), 2);
    QCOMPARE(reports, concurrent);
}

// RS232 stops at the first unit of its port, RS485 finds every unit that answers and keeps them
// on one master; a cancel during RS485 keeps what was found.
void TestScan::serialScanAndItsCancel()
{
    SimPeer sim232, sim485;
    const QString link232 = root.filePath("c232"), link485 = root.filePath("c485");
    QVERIFY2(sim232.startPty(link232, simArgs({ 2, 3 })), qPrintable(sim232.errorOutput()));
    QVERIFY2(sim485.startPty(link485, simArgs({ 2, 7 })), qPrintable(sim485.errorOutput()));
    const rs232InfoForAutoScan rs232 { { link232 }, 19200, "N,8,1", { 1, 2, 3, 7 } };
    const rs485InfoForAutoScan rs485 { { link485 }, 19200, "N,8,1", { 1, 2, 3, 7 } };
    auto found = scan(rs232, rs485, {});
    QCOMPARE(found.size(), 3);
    QCOMPARE(F::at(found.at(0).entry, F::Number), QString("2"));
    QCOMPARE(F::at(found.at(1).entry, F::Number), QString("2"));
    QCOMPARE(F::at(found.at(2).entry, F::Number), QString("7"));
    QCOMPARE(F::at(found.at(2).entry, F::Interface), QString("RS485"));
    QVERIFY(F::at(found.at(2).entry, F::Name).endsWith(" (7)"));
    QCOMPARE(found.at(1).master, found.at(2).master);
    QCOMPARE(reports.mid(2, 2),
        QStringList({ "6 1 2 " + link485 + ": No Device Link [3/1]",
            "4 2 2 " + link485 + ": Device Link Established [4/2]" }));
    QVERIFY(reports.last().endsWith("[6/3]"));
    for (const QString &line : sim232.takeRequests())
        QVERIFY2(!line.contains(" unit 3 ") && !line.contains(" unit 7 "), qPrintable(line));

    cleanup();
    found = scan(rs232, rs485, {}, 32, 4); // cancelled once RS485 unit 2 is found
    QCOMPARE(found.size(), 2);
    QCOMPARE(F::at(found.at(1).entry, F::Interface), QString("RS485"));
    QCOMPARE(reports.size(), 4); // RS485 3 and 7 never tried
}

QTEST_GUILESS_MAIN(TestScan)
#include "tst_scan.moc"
