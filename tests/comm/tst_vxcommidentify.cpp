// Linking and identifying a unit against the drive simulator, over a pseudo-terminal
// (IDENTIFY_OVER_TCP 0: KTZ unit 5) or loopback Modbus TCP (1: RVN unit at TEST_LOOPBACK). An address
// where nothing listens and RS485 units sharing a port are shown through the tab controller.
#include "apppaths.h"
#include "commtestpeers.h"
#include "simpeer.h"
#include "vxcommdevicestatus.h"
#include "vxcommidentify.h"
#include "vxcommmodbusmaster.h"

#include <QtTest>
#include <memory>

using namespace VxCommIdentify;

namespace {

const QString Host = testHost(TEST_LOOPBACK);

#if IDENTIFY_OVER_TCP
const QString Device = QStringLiteral("RVNV2.05.csv");
const QString OtherDevice = QStringLiteral("KTZV1.10.csv");
const QString VersionText = QStringLiteral("V2.05");
const QByteArray CodeRow = "4610;RVN\r\n";
const QByteArray CodeErrorRow = "4610;Error\r\n";
const QString FaultSize = QStringLiteral("6");
const QByteArray FaultSizeRow = "6;RVN48-013;13,0;5.5";
const QByteArray NoInomRow = "6;RVN48-013;;5.5";
const QByteArray NoPnomRow = "6;RVN48-013;13,0;";
const int Unit = 1;
const int Interface = 3;
const QString InterfaceText = QStringLiteral("TCPIP");
#else
const QString Device = QStringLiteral("KTZV1.10.csv");
const QString OtherDevice = QStringLiteral("RVNV2.05.csv");
const QString VersionText = QStringLiteral("V1.10");
const QByteArray CodeRow = "4620;KTZ\r\n";
const QByteArray CodeErrorRow = "4620;Error\r\n";
const QString FaultSize = QStringLiteral("1");
const QByteArray FaultSizeRow = "1;KTZ23-2P5;2,5;0.37";
const QByteArray NoInomRow = "1;KTZ23-2P5;;0.37";
const QByteArray NoPnomRow = "1;KTZ23-2P5;2,5;";
const int Unit = 5;
const int Interface = 2;
const QString InterfaceText = QStringLiteral("RS485");
#endif

// How the PC's installation differs from the shipped one.
enum class Install { Shipped, CodeMissing, CodeError, NoInom, NoPnom, OtherModelOnly };

} // namespace
Q_DECLARE_METATYPE(Install)

class TestVxCommIdentify : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void linksAndIdentifiesUnit_data();
    void linksAndIdentifiesUnit();
    void failureGivesItsCodeAndMessage_data();
    void failureGivesItsCodeAndMessage();
    void controlValuesFollowTheUnit_data();
    void controlValuesFollowTheUnit();
#if !IDENTIFY_OVER_TCP
    void unopenablePortOrInterfaceGivesMinusOne();
#endif

private:
    QString freshDir();
    bool install(Install kind);
    bool startSim(const QStringList &extra = {}, const QString &device = Device);
    int link(VxCommLinkOutputs &outputs);

    QTemporaryDir root;
    int dirCount = 0;
    quint16 port = 0;
    QString ptyLink;
    SimPeer sim;
    vxCommDeviceStatus status;
    std::unique_ptr<VxCommModbusMaster> master;
};

void TestVxCommIdentify::initTestCase()
{
    QVERIFY(root.isValid());
    port = modbusTcpPort(Host, TEST_FALLBACK_PORT);
    status.VxCommSetMsgDelay(5);
}

void TestVxCommIdentify::cleanup()
{
    master.reset();
    sim.stop();
    AppPaths::setBaseDir(QString());
}

QString TestVxCommIdentify::freshDir()
{
    const QString dir = root.path() + QStringLiteral("/case") + QString::number(++dirCount);
    QDir().mkpath(dir);
    return dir;
}

bool TestVxCommIdentify::install(Install kind)
{
    TestInstallation inst(freshDir());
    AppPaths::setBaseDir(inst.baseDir());
    using Edit = TestInstallation::Edit;
    const Edit general = kind == Install::CodeMissing ? replacing(CodeRow, "")
        : kind == Install::CodeError                  ? replacing(CodeRow, CodeErrorRow)
                                                      : Edit();
    const Edit device = kind == Install::NoInom ? replacing(FaultSizeRow, NoInomRow)
        : kind == Install::NoPnom               ? replacing(FaultSizeRow, NoPnomRow)
                                                : Edit();
    const bool other = kind == Install::Shipped || kind == Install::OtherModelOnly;
    return inst.addGeneralCsv(general)
        && (kind == Install::OtherModelOnly || inst.addDeviceFile(Device, device))
        && (!other || inst.addDeviceFile(OtherDevice));
}

// The simulator always serves the shipped data: the unit is sound, only the PC's files differ.
bool TestVxCommIdentify::startSim(const QStringList &extra, const QString &device)
{
    QStringList args { QStringLiteral("--data"), QStringLiteral(TARVOLINK_SOURCE_DIR "/data"),
        QStringLiteral("--device"), device };
#if IDENTIFY_OVER_TCP
    args << QStringLiteral("--tcp") << Host + QLatin1Char(':') + QString::number(port);
    master = std::make_unique<VxCommModbusMaster>(3);
#else
    ptyLink = freshDir() + QStringLiteral("/line");
    args << QStringLiteral("--pty") << ptyLink << QStringLiteral("--baud") << QStringLiteral("115200");
    args << QStringLiteral("--unit") << QString::number(Unit);
    master = std::make_unique<VxCommModbusMaster>(Interface);
#endif
    status.VxCommSetModbusMaster(master.get());
    // The simulator's own default size comes from the comment row above the sizes table: name one.
    if (!extra.contains(QStringLiteral("--size")))
        args << QStringLiteral("--size") << QStringLiteral("2");
    return sim.start(args + extra);
}

int TestVxCommIdentify::link(VxCommLinkOutputs &outputs)
{
    VxCommSerialInfo serial;
    serial.portName = QFileInfo(ptyLink).symLinkTarget();
    serial.baudRate = 115200;
    serial.unitAddress = Unit;
    VxCommTcpInfo tcp;
    tcp.ipAddress = Host;
    tcp.port = port;
    tcp.unitAddress = Unit;
    return status.VxCommLinkUnit(Interface, serial, tcp, outputs);
}

void TestVxCommIdentify::linksAndIdentifiesUnit_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("driveSize");
    QTest::addColumn<QString>("inom");
    QTest::addColumn<QString>("pnom");
    const auto row = [](const char *size, const char *driveSize, const char *inom, const char *pnom) {
        QTest::newRow(size) << size << driveSize << inom << pnom;
    };
#if IDENTIFY_OVER_TCP
    row("6", "RVN48-013", "13,0", "5.5");
    row("12", "RVN69-090", "90,0", "90");
#else
    row("1", "KTZ23-2P5", "2,5", "0.37");
    row("6", "KTZ43-009", "9,0", "4");
#endif
}

void TestVxCommIdentify::linksAndIdentifiesUnit()
{
    QFETCH(QString, size);
    QFETCH(QString, driveSize);
    QFETCH(QString, inom);
    QFETCH(QString, pnom);
    QVERIFY(install(Install::Shipped));
    QVERIFY(startSim({ QStringLiteral("--size"), size }));

    VxCommLinkOutputs out;
    QCOMPARE(link(out), int(Identified));
    QCOMPARE(QFileInfo(out.identity.deviceFile).fileName(), Device);
    QCOMPARE(master->VxCommGetDeviceFile(), out.identity.deviceFile);
    QCOMPARE(out.identity.driveSize, driveSize);

    // The entry the tree and the views get, with the version, INOM (its decimal comma kept) and PNOM
    // the unit was identified with.
    QStringList entry { QString::number(Unit), QString(), QString(), InterfaceText };
    while (entry.size() < 8)
        entry << QString();
    entry[7] = Interface == 3 ? Host : QString();
    fillUnitEntry(entry, out.identity);
    QCOMPARE(entry.size(), 21);
#if IDENTIFY_OVER_TCP
    QCOMPARE(entry.at(1), driveSize + QStringLiteral(" (*.27)"));
#else
    QCOMPARE(entry.at(1), driveSize + QStringLiteral(" (5)"));
#endif
    QCOMPARE(entry.mid(2, 1) + entry.mid(8, 4),
        (QStringList { QStringLiteral("connect"), out.identity.deviceFile, inom, pnom, VersionText }));
}

void TestVxCommIdentify::failureGivesItsCodeAndMessage_data()
{
    QTest::addColumn<Install>("kind");
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    const QStringList none;
    const QStringList faultSize { QStringLiteral("--size"), FaultSize };
    const auto row = [](const char *name, Install kind, const QStringList &simArgs, int code,
                         const char *message) { QTest::newRow(name) << kind << simArgs << code << message; };
    row("device code not in general.csv", Install::CodeMissing, none, -5, "No Support for this Device");
    row("device code named Error", Install::CodeError, none, -5, "No Support for this Device");
    row("size code not in the sizes", Install::Shipped, { "--size", "99" }, -6,
        "Drive Size not found in CSV file");
    row("INOM empty", Install::NoInom, faultSize, -7, "INOM Value not found in CSV file");
    row("PNOM empty", Install::NoPnom, faultSize, -8, "PNOM Value not found in CSV file");
    row("no file for the version", Install::OtherModelOnly, none, -2, "No CSV File Found");
    row("silent unit", Install::Shipped, { "--silent-after", "0" }, -3, "No Device Link");
    row("silent after the version", Install::Shipped, { "--silent-after", "2" }, -3, "No Device Link");
}

void TestVxCommIdentify::failureGivesItsCodeAndMessage()
{
    QFETCH(Install, kind);
    QFETCH(QStringList, simArgs);
    QFETCH(int, code);
    QFETCH(QString, message);
    QVERIFY(install(kind));
    QVERIFY(startSim(simArgs));

    VxCommLinkOutputs out;
    QCOMPARE(link(out), code);
    QCOMPARE(identificationMessage(code), message);
    QCOMPARE(out.newLink, !IDENTIFY_OVER_TCP); // the serial port was opened for this unit
    // Nothing read after a failure: the control values keep their fallbacks.
    QCOMPARE(out.control.motorDirection, QStringLiteral("03"));
}

void TestVxCommIdentify::controlValuesFollowTheUnit_data()
{
    // Written into the unit first: reference source, run source, reference register, command
    // coil (0: none); then what linking reads back.
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<int>("refSource");
    QTest::addColumn<int>("runSource");
    QTest::addColumn<int>("reference");
    QTest::addColumn<int>("coil");
    QTest::addColumn<QString>("referenceText");
    QTest::addColumn<QString>("expRefSource");
    QTest::addColumn<QString>("expRunSource");
    QTest::addColumn<QString>("direction");
    const auto row = [](const char *name, const QStringList &simArgs, int refSource, int runSource,
                         int reference, int coil, const char *referenceText, const char *expRefSource,
                         const char *expRunSource, const char *direction) {
        QTest::newRow(name) << simArgs << refSource << runSource << reference << coil << referenceText
                            << expRefSource << expRunSource << direction;
    };
    row("program in control, forward", {}, 2, 2, 37, 1, "37.00", "02", "02", "00");
    row("keyboard reference, run by the program, reverse", {}, 1, 2, 100, 2, "100.00", "01", "02", "01");
    row("reference 150 shows 0", {}, 0, 0, 150, 0, "0.00", "00", "00", "02");
    row("option board reference, unknown run source", {}, 3, 7, 50, 0, "50.00", "03", "00", "02");
    const QStringList refused { "--exception", "40104:2", "--exception", "40105:2", "--exception", "44501:2",
        "--exception", "1:2" };
    row("control registers refused", refused, -1, -1, -1, 0, "0.00", "00", "00", "03");
}

void TestVxCommIdentify::controlValuesFollowTheUnit()
{
    QFETCH(QStringList, simArgs);
    QFETCH(int, refSource);
    QFETCH(int, runSource);
    QFETCH(int, reference);
    QFETCH(int, coil);
    QFETCH(QString, referenceText);
    QFETCH(QString, expRefSource);
    QFETCH(QString, expRunSource);
    QFETCH(QString, direction);
    // The RVN file has a coil per command, so every direction can be set.
    QVERIFY(install(Install::Shipped));
    TestInstallation(AppPaths::baseDir()).addDeviceFile(QStringLiteral("RVNV2.05.csv"));
    QVERIFY(startSim(simArgs, QStringLiteral("RVNV2.05.csv")));

    VxCommLinkOutputs out;
    QCOMPARE(link(out), 1);
    const QString file = out.identity.deviceFile;
    // Function 4 writes a holding register, 1 a coil (value 1: on).
    auto write = [&](int function, int number, int value) {
        const quint8 data[2] = { quint8(value & 0xFF), quint8(value >> 8) };
        QMutexLocker locker(master->VxCommMutex());
        master->VxCommSetUnitAddress(Unit);
        return master->VxCommTransaction(function, 0, number, 0, 1, data, nullptr);
    };
    if (refSource >= 0) {
        QVERIFY(write(4, 40104, refSource) > 0);
        QVERIFY(write(4, 40105, runSource) > 0);
        QVERIFY(write(4, 44501, reference) > 0);
    }
    if (coil > 0)
        QVERIFY(write(1, coil, 1) > 0);

    QCOMPARE(link(out), 1);
    QCOMPARE(VxCommIdentify::referenceText(out.control.reference), referenceText);
    QCOMPARE(out.control.referenceSource, expRefSource);
    QCOMPARE(out.control.runSource, expRunSource);
    QCOMPARE(out.control.motorDirection, direction);

    // The reference read gives its scale, and a failed read is a failure, not a value of 0.
    int raw = 0, maxValue = 0;
    QCOMPARE(master->VxCommGetRefValue(file, Unit, raw, maxValue), refSource >= 0 ? 1 : -1);
    if (refSource >= 0)
        QCOMPARE(maxValue, 100);
}

#if !IDENTIFY_OVER_TCP
void TestVxCommIdentify::unopenablePortOrInterfaceGivesMinusOne()
{
    master = std::make_unique<VxCommModbusMaster>(1);
    status.VxCommSetModbusMaster(master.get());
    VxCommSerialInfo serial;
    serial.portName = root.path() + QStringLiteral("/no-such-port");
    VxCommLinkOutputs out;
    QCOMPARE(status.VxCommLinkUnit(1, serial, VxCommTcpInfo(), out), -1);
    QVERIFY(!out.newLink);
    QCOMPARE(status.VxCommLinkUnit(0, serial, VxCommTcpInfo(), out), -1);
    status.VxCommSetModbusMaster(nullptr);
    QCOMPARE(status.VxCommLinkUnit(1, serial, VxCommTcpInfo(), out), -1);
}

#endif

QTEST_GUILESS_MAIN(TestVxCommIdentify)
#include "tst_vxcommidentify.moc"
