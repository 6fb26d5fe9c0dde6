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

struct Report
{
    int kind, unit, channel;
    QString link, message;
    bool operator==(const Report &o) const
    {
        return kind == o.kind && unit == o.unit && channel == o.channel && link == o.link
            && message == o.message;
    }
};
} // namespace

class TestScan : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void unitTextExpandsOrIsRefused_data();
    void unitTextExpandsOrIsRefused();
    void formFaultsComeInTheirOrder_data();
    void formFaultsComeInTheirOrder();
    void ipRangeGivesItsAddresses_data();
    void ipRangeGivesItsAddresses();

    void rs485FindsEveryAnsweringUnitOnOneMaster();
    void rs232StopsAtTheFirstUnitOfAPort();
    void tcpRangeFindsExactlyTheServedAddresses();
    void cancelDuringRs485KeepsRs232Unit();

private:
    QList<ScanOps::FoundUnit> scan(const rs232InfoForAutoScan &rs232, const rs485InfoForAutoScan &rs485,
        const ethernetInfoForAutoScan &range, int probes = 32,
        const std::function<void(int)> &onProgress = {});
    QStringList simArgs(const QList<int> &units) const;

    QTemporaryDir root;
    vxCommDeviceStatus scanner;
    QList<Report> reports;
    QList<QPair<int, int>> progress;
    std::set<VxCommModbusMaster *> masters;
};

void TestScan::initTestCase()
{
    QVERIFY(root.isValid());
    TestInstallation inst(root.path());
    QVERIFY(inst.addGeneralCsv());
    QVERIFY(inst.addDeviceFile(Device));
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
    progress.clear();
    scanner.VxCommSetStopScanFlag(false);
}

QStringList TestScan::simArgs(const QList<int> &units) const
{
    QStringList args { "--data", TARVOLINK_SOURCE_DIR "/data", "--device", Device, "--verbose" };
    for (int unit : units)
        args << "--unit" << QString::number(unit);
    return args;
}

QList<ScanOps::FoundUnit> TestScan::scan(const rs232InfoForAutoScan &rs232, const rs485InfoForAutoScan &rs485,
    const ethernetInfoForAutoScan &range, int probes, const std::function<void(int)> &onProgress)
{
    ScanOps::Hooks hooks;
    hooks.createMaster = [](int channel) { return new VxCommModbusMaster(channel); };
    hooks.discardMaster = [](VxCommModbusMaster *m) { delete m; };
    hooks.report = [this](int kind, int unit, int channel, const QString &link, const QString &message) {
        reports.append({ kind, unit, channel, link, message });
    };
    hooks.progress = [&](int scanned, int found) {
        progress.append({ scanned, found });
        if (onProgress)
            onProgress(scanned);
    };
    ScanOps::Options options;
    options.tcpPort = TcpPort;
    options.concurrentProbes = probes;
    const QList<ScanOps::FoundUnit> found = ScanOps::runScan(scanner, rs232, rs485, range, hooks, options);
    for (const ScanOps::FoundUnit &unit : found)
        masters.insert(unit.master);
    return found;
}

void TestScan::unitTextExpandsOrIsRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("iface");
    QTest::addColumn<QVector<int>>("units");
    QTest::addColumn<QString>("message");
    const QString range = "Please provide valid unit range";
    QTest::newRow("one number") << "3" << 1 << QVector<int> { 3 } << "";
    QTest::newRow("ranges in order") << "1-3,7" << 2 << QVector<int> { 1, 2, 3, 7 } << "";
    QTest::newRow("pieces keep their order") << "9,4-5" << 1 << QVector<int> { 9, 4, 5 } << "";
    QTest::newRow("equal ends") << "5-5" << 1 << QVector<int>() << range;
    QTest::newRow("falling range") << "7-3" << 2 << QVector<int>() << range;
    QTest::newRow("two hyphens") << "1-2-3" << 1 << QVector<int>() << range;
    QTest::newRow("open range") << "4-" << 1 << QVector<int>() << range;
    QTest::newRow("RS232 above 255") << "250-256" << 1 << QVector<int>()
                                     << "Invalid Unit Number on RS232 interface: Unit range is 1-255";
    QTest::newRow("RS485 above 255") << "250-256" << 2 << QVector<int>()
                                     << "Invalid Unit Number on RS485 interface: Unit range is 1-255";
    QTest::newRow("broadcast 0 alone")
        << "0" << 1 << QVector<int>() << "Invalid Unit Number on RS232 interface: Unit range is 1-255";
    QTest::newRow("range from broadcast")
        << "0-2" << 2 << QVector<int>() << "Invalid Unit Number on RS485 interface: Unit range is 1-255";
    QTest::newRow("number too long") << "99999999999" << 1 << QVector<int>()
                                     << "Invalid Unit Number on RS232 interface: Unit range is 1-255";
}

void TestScan::unitTextExpandsOrIsRefused()
{
    QFETCH(QString, text);
    QFETCH(int, iface);
    QFETCH(QVector<int>, units);
    QFETCH(QString, message);
    QVector<int> got;
    const auto error = ScanRules::expandUnitText(text, &got);
    QCOMPARE(ScanRules::unitTextMessage(error, iface), message);
    if (message.isEmpty())
        QCOMPARE(got, units);
}

void TestScan::formFaultsComeInTheirOrder_data()
{
    QTest::addColumn<QStringList>("ports232");
    QTest::addColumn<QStringList>("ports485");
    QTest::addColumn<QString>("units232");
    QTest::addColumn<QString>("units485");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("message");
    const QStringList a { "ttyA" }, b { "ttyB" };
    QTest::newRow("nothing") << QStringList() << QStringList() << "1"
                             << "1"
                             << "..."
                             << "..."
                             << "Please provide required information";
    QTest::newRow("no units") << a << QStringList() << ""
                              << ""
                              << ""
                              << ""
                              << "Please provide unit range";
    QTest::newRow("same port twice") << a << a << "1"
                                     << "2"
                                     << ""
                                     << ""
                                     << "Duplicate configuration in RS232 and RS485";
    QTest::newRow("bad RS485 range") << a << b << "1"
                                     << "7-3"
                                     << ""
                                     << ""
                                     << "Please provide valid unit range";
    QTest::newRow("other subnet") << QStringList() << QStringList() << ""
                                  << ""
                                  << "10.0.0.5"
                                  << "10.0.1.9"
                                  << "Please provide valid TCP/IP range";
    QTest::newRow("falling range") << QStringList() << QStringList() << ""
                                   << ""
                                   << "10.0.0.9"
                                   << "10.0.0.5"
                                   << "Please provide valid TCP/IP range";
    QTest::newRow("one address missing") << QStringList() << QStringList() << ""
                                         << ""
                                         << "10.0.0.9"
                                         << "..."
                                         << "Please provide valid TCP/IP range";
    QTest::newRow("sound") << a << b << "3"
                           << "1-2"
                           << "10.0.0.1"
                           << "10.0.0.1"
                           << "";
}

void TestScan::formFaultsComeInTheirOrder()
{
    QFETCH(QStringList, ports232);
    QFETCH(QStringList, ports485);
    QFETCH(QString, units232);
    QFETCH(QString, units485);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, message);
    ScanRules::ScanForm form { ports232, ports485, units232, units485, start, end };
    QVector<int> u232, u485;
    ethernetInfoForAutoScan range;
    QCOMPARE(ScanRules::validateForm(form, &u232, &u485, &range), message);
    if (message.isEmpty()) {
        QCOMPARE(u232, QVector<int> { 3 });
        QCOMPARE(u485, QVector<int>({ 1, 2 }));
        QCOMPARE(ScanRules::progressTotal({ ports232, 0, {}, u232 }, { ports485, 0, {}, u485 }, range), 4);
    }
}

void TestScan::ipRangeGivesItsAddresses_data()
{
    QTest::addColumn<QStringList>("start");
    QTest::addColumn<QStringList>("end");
    QTest::addColumn<QStringList>("addresses");
    QTest::newRow("equal: one") << QStringList { "127", "0", "0", "060" }
                                << QStringList { "127", "0", "0", "60" } << QStringList { "127.0.0.60" };
    QTest::newRow("both ends included")
        << QStringList { "10", "1", "2", "7" } << QStringList { "10", "1", "2", "9" }
        << QStringList { "10.1.2.7", "10.1.2.8", "10.1.2.9" };
    QTest::newRow("zero address") << QStringList { "0", "0", "0", "0" } << QStringList { "0", "0", "0", "0" }
                                  << QStringList();
    QTest::newRow("three octets") << QStringList { "10", "1", "2" } << QStringList { "10", "1", "2", "9" }
                                  << QStringList();
}

void TestScan::ipRangeGivesItsAddresses()
{
    QFETCH(QStringList, start);
    QFETCH(QStringList, end);
    QFETCH(QStringList, addresses);
    QCOMPARE(ScanRules::ipAddresses({ start, end }), addresses);
}

void TestScan::rs485FindsEveryAnsweringUnitOnOneMaster()
{
    SimPeer sim;
    const QString link = root.filePath("rs485");
    QVERIFY2(sim.startPty(link, simArgs({ 2, 7 })), qPrintable(sim.errorOutput()));
    const auto found = scan({}, { { link }, 19200, "N,8,1", { 1, 2, 3, 7 } }, {});
    QCOMPARE(found.size(), 2);
    QCOMPARE(F::at(found.at(0).entry, F::Number), QString("2"));
    QCOMPARE(F::at(found.at(1).entry, F::Number), QString("7"));
    QCOMPARE(F::at(found.at(1).entry, F::Interface), QString("RS485"));
    QCOMPARE(F::at(found.at(1).entry, F::State), QString("connect"));
    QVERIFY(F::at(found.at(1).entry, F::Name).endsWith(" (7)"));
    QCOMPARE(found.at(0).master, found.at(1).master);
    QVERIFY(found.at(0).master->VxCommIsUnitConnected(7));
    const QList<QPair<int, int>> expected { { 1, 0 }, { 2, 1 }, { 3, 1 }, { 4, 2 } };
    QCOMPARE(progress, expected);
    QCOMPARE(reports.at(0), (Report { 3, 1, 2, link, "No Device Link" }));
    QCOMPARE(reports.at(1), (Report { 4, 2, 2, link, "Device Link Established" }));
}

void TestScan::rs232StopsAtTheFirstUnitOfAPort()
{
    SimPeer sim;
    const QString link = root.filePath("rs232");
    QVERIFY2(sim.startPty(link, simArgs({ 2, 3 })), qPrintable(sim.errorOutput()));
    const auto found = scan({ { link }, 19200, "N,8,1", { 1, 2, 3, 7 } }, {}, {});
    QCOMPARE(found.size(), 1);
    QCOMPARE(F::at(found.at(0).entry, F::Number), QString("2"));
    QCOMPARE(F::at(found.at(0).entry, F::Port), link);
    QCOMPARE(F::at(found.at(0).entry, F::Baudrate), QString("19200"));
    QCOMPARE(reports.size(), 2);
    for (const QString &line : sim.takeRequests())
        QVERIFY2(!line.contains(" unit 3 ") && !line.contains(" unit 7 "), qPrintable(line));
}

void TestScan::tcpRangeFindsExactlyTheServedAddresses()
{
    // One simulator per address: each is ready once it says so.
    SimPeer sim61, sim65;
    QVERIFY2(sim61.startTcp("127.0.0.61", TcpPort, simArgs({})), qPrintable(sim61.errorOutput()));
    QVERIFY2(sim65.startTcp("127.0.0.65", TcpPort, simArgs({})), qPrintable(sim65.errorOutput()));
    const ethernetInfoForAutoScan range { { "127", "0", "0", "60" }, { "127", "0", "0", "70" } };
    const auto found = scan({}, {}, range);
    QCOMPARE(found.size(), 2);
    QCOMPARE(F::at(found.at(0).entry, F::IpAddress), QString("127.0.0.61"));
    QCOMPARE(F::at(found.at(1).entry, F::IpAddress), QString("127.0.0.65"));
    QVERIFY(F::at(found.at(1).entry, F::Name).endsWith(" (*.65)"));
    QCOMPARE(reports.size(), 11);
    QCOMPARE(reports.at(0), (Report { 3, 1, 3, "127.0.0.60", "No Connection with Given IP" }));
    QCOMPARE(progress.last(), qMakePair(11, 2));

    // Probing the range first changes nothing the user sees.
    const QList<Report> concurrent = reports;
    const auto concurrentProgress = progress;
    cleanup();
    QCOMPARE(scan({}, {}, range, 1).size(), 2);
    QCOMPARE(reports, concurrent);
    QCOMPARE(progress, concurrentProgress);

    cleanup();
    QCOMPARE(scan({}, {}, { { "127", "0", "0", "65" }, { "127", "0", "0", "65" } }).size(), 1);
    QCOMPARE(reports.size(), 1);
}

void TestScan::cancelDuringRs485KeepsRs232Unit()
{
    SimPeer sim232, sim485;
    const QString link232 = root.filePath("c232"), link485 = root.filePath("c485");
    QVERIFY(sim232.startPty(link232, simArgs({ 2 })));
    QVERIFY(sim485.startPty(link485, simArgs({ 1, 2 })));
    // Cancel arrives while the first RS485 number is tried.
    const auto found = scan({ { link232 }, 19200, "N,8,1", { 2 } }, { { link485 }, 19200, "N,8,1", { 1, 2 } },
        {}, 32, [this](int scanned) {
            if (scanned == 2)
                scanner.VxCommSetStopScanFlag(true);
        });
    QCOMPARE(found.size(), 2);
    QCOMPARE(F::at(found.at(0).entry, F::Interface), QString("RS232"));
    QCOMPARE(F::at(found.at(1).entry, F::Number), QString("1"));
    QCOMPARE(progress.size(), 2); // unit 2 of RS485 was never tried
}

QTEST_GUILESS_MAIN(TestScan)
#include "tst_scan.moc"
