// tarvolink-cli against the drive simulator over loopback TCP and a pseudo-terminal: backups
// that restore exactly, one-value writes with their dependants, comparisons and a scan over an
// RS485 line, and the argument checks that must stop a command before anything reaches the unit.
#include "clitestsupport.h"

#include <QtTest>

namespace {
// Every test program here has its own loopback address, so parallel ctest runs never meet.
const QString kTcp = testHost(93) + ":15093";

QJsonObject jsonOf(const CliRun &run)
{
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void identifyReportsTheUnit_data();
    void identifyReportsTheUnit();
    void readWriteReadRestoresTheUnitExactlyWithTheBarOnlyOnATerminal();
    void setWritesRegisterAndDependentPoles_data();
    void setWritesRegisterAndDependentPoles();
    void setChecksLimitsThatFollowOtherParameters();
    void compareListsExactlyTheChangedParameters();
    void badArgumentsRefusedBeforeAnythingIsSent_data();
    void badArgumentsRefusedBeforeAnythingIsSent();
    void writeRefusesAnotherDriveUnlessForced_data();
    void writeRefusesAnotherDriveUnlessForced();

private:
    // The command with the test installation and the simulated TCP unit.
    CliRun cli(const QStringList &args) const { return runCli(args + unitArgs()); }
    QStringList unitArgs() const { return { "--data", dir.path(), "--tcp", kTcp, "--delay", "35" }; }
    QStringList simArgs() const { return { "--data", dir.path(), "--device", "CLTV1.00.csv", "--verbose" }; }
    QString path(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    SimPeer sim;
};

void TestCli::initTestCase()
{
    QVERIFY(dir.isValid());
    QVERIFY(makeInstallation(dir.path()));
}

void TestCli::init()
{
    QVERIFY2(sim.start(simArgs() << "--tcp" << kTcp), qPrintable(sim.errorOutput()));
}

void TestCli::cleanup()
{
    sim.stop();
}

void TestCli::identifyReportsTheUnit_data()
{
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QString>("deviceFile");
    QTest::newRow("file chosen by the unit") << QStringList() << "CLTV1.00.csv";
    // A chosen file is used as it is, even when its name tells another version.
    QTest::newRow("file given") << QStringList { "--csv", "CLTV1.07.csv" } << "CLTV1.07.csv";
}

void TestCli::identifyReportsTheUnit()
{
    QFETCH(QStringList, extra);
    QFETCH(QString, deviceFile);
    QFile::copy(path("csv_file/CLTV1.00.csv"), path("csv_file/CLTV1.07.csv"));
    const CliRun run = cli(QStringList { "identify", "--json" } + extra);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QJsonObject identity = jsonOf(run);
    QCOMPARE(identity.value("unitName").toString(), QString("CLT-0040 (*.93)"));
    QCOMPARE(identity.value("driveSize").toString(), QString("CLT-0040"));
    QCOMPARE(identity.value("softwareVersion").toString(), QString("V1.00"));
    // Numbers as JSON numbers, whatever decimal comma the device description file writes.
    QVERIFY(identity.value("inom").isDouble() && identity.value("pnom").isDouble());
    QCOMPARE(identity.value("inom").toDouble(), 4.1);
    QCOMPARE(identity.value("pnom").toDouble(), 1500.0);
    QCOMPARE(QFileInfo(identity.value("deviceFile").toString()).fileName(), deviceFile);
}

void TestCli::readWriteReadRestoresTheUnitExactlyWithTheBarOnlyOnATerminal()
{
    sim.takeRequests();
    const CliRun backup = cli({ "read", "--out", path("backup"), "--trace-json", path("trace.json") });
    QCOMPARE(backup.exitCode, 0);
    QVERIFY2(backup.err.isEmpty(), qPrintable(backup.err)); // no progress bar without a terminal
    QVERIFY(QFile::exists(path("backup.dat")));
    // The trace is the simulator's own log, exchange for exchange.
    const QStringList log = sim.takeRequests().filter(QRegularExpression("^request "));
    const QStringList trace = fileLines(path("trace.json"));
    QCOMPARE(trace.size(), log.size());
    for (int i = 0; i < log.size(); ++i) {
        const QJsonObject e = QJsonDocument::fromJson(trace.at(i).toUtf8()).object();
        QCOMPARE(QString("unit %1 fc %2 reg %3: %4")
                     .arg(e.value("unit").toInt())
                     .arg(e.value("function").toInt())
                     .arg(e.value("register").toInt())
                     .arg(e.value("request").toString()),
            log.at(i).section(' ', 2));
        QCOMPARE(e.value("outcome").toString(), QString("ok"));
    }
    // Identification first, each read named by what it asks for.
    QStringList kinds;
    for (int i = 0; i < 3; ++i)
        kinds << QJsonDocument::fromJson(trace.at(i).toUtf8()).object().value("kind").toString();
    QCOMPARE(kinds, (QStringList { "device code", "software version", "drive size" }));

    // The unit drifts away from the backup: a set value, a per-set choice and a text.
    for (const QStringList &change :
        { QStringList { "312", "99,5", "--set", "D" }, { "311", "V/Hz", "--set", "B" }, { "81", "Spare" } }) {
        const CliRun set = cli(QStringList { "set", "--trace" } + change);
        QCOMPARE(set.exitCode, 0);
        // Each write on standard error, named as the Link Monitor names it.
        QVERIFY2(
            set.err.contains(QRegularExpression(" fc (6|16) \\d+ x\\d+ " + change[0] + " .* <- [\\d ]+ ok ")),
            qPrintable(set.err));
    }
    QCOMPARE(cli({ "read", "--out", path("drifted.dat") }).exitCode, 0);
    QVERIFY(fileLines(path("drifted.dat")) != fileLines(path("backup.dat")));

    const CliRun restore = cli({ "write", path("backup.dat") });
    QVERIFY2(restore.exitCode == 0, qPrintable(restore.err));
    // Read back on a pseudo-terminal, which script(1) gives the command as an engineer's shell
    // does: the progress bar is shown, never written to the file, and the unit matches the backup,
    // read in blocks this time.
    const QString command = QString(TARVOLINK_BIN_DIR "/tarvolink-cli read --blocks --out %1 %2")
                                .arg(path("again.dat"), unitArgs().join(' '));
    QProcess script;
    script.start("script", { "-qec", command, "/dev/null" });
    QVERIFY(script.waitForFinished(60000));
    QCOMPARE(script.exitCode(), 0);
    const QString shown = QString::fromUtf8(script.readAllStandardOutput());
    QVERIFY2(shown.contains("\rParameters Loading from Drive ["), qPrintable(shown));
    QVERIFY(shown.contains("100%"));
    QCOMPARE(fileLines(path("again.dat")), fileLines(path("backup.dat")));

    // Only the differing values travel with --only-changed: nothing, once the unit matches.
    const CliRun nothing = cli({ "write", "--only-changed", path("backup.dat") });
    QCOMPARE(nothing.exitCode, 0);
    QVERIFY2(nothing.out.startsWith("Wrote 0 values"), qPrintable(nothing.out));
    const CliRun three = cli({ "write", "--only-changed", path("drifted.dat") });
    QVERIFY2(three.out.startsWith("Wrote 3 values"), qPrintable(three.out + three.err));
}

void TestCli::setWritesRegisterAndDependentPoles_data()
{
    QTest::addColumn<bool>("rtu");
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<int>("speedRegister");
    QTest::addColumn<int>("poles");
    // Set B runs at 60 Hz with four poles, set D at 50 Hz with six.
    QTest::newRow("tcp set B") << false << QString("B") << QString("3000") << 41225 << 2;
    QTest::newRow("rtu set D") << true << QString("D") << QString("1500") << 43225 << 4;
}

void TestCli::setWritesRegisterAndDependentPoles()
{
    QFETCH(bool, rtu);
    QFETCH(QString, set);
    QFETCH(QString, speed);
    QFETCH(int, speedRegister);
    QFETCH(int, poles);
    QStringList link = unitArgs();
    QString mbpollLink = kTcp;
    SimPeer serial;
    if (rtu) {
        mbpollLink = path("line");
        QVERIFY(serial.start(simArgs()
            + QStringList { "--unit", "7", "--pty", mbpollLink, "--baud", "38400", "--parity", "E,8,1" }));
        link = QStringList { "--data", dir.path(), "--rtu", mbpollLink, "--baud", "38400", "--parity",
            "E,8,1", "--unit", "7", "--delay", "35" };
    }
    const int unit = rtu ? 7 : 1;
    const int polesRegister = speedRegister + 1;
    const int unitPoles = mbpollReadHolding(mbpollLink, unit, polesRegister, rtu);
    QVERIFY(unitPoles != poles);
    if (!rtu)
        sim.takeRequests();

    // As in the window, only the edited value is written; the pole number that depends on it is
    // read back from the unit, which derives it by the rule the window applies to an edit.
    const CliRun set1 = runCli(QStringList { "set", "225", speed, "--set", set, "--json" } + link);
    QVERIFY2(set1.exitCode == 0, qPrintable(set1.err));
    QCOMPARE(jsonOf(set1).value("value").toString(), speed);
    const QJsonArray dependents = jsonOf(set1).value("dependents").toArray();
    QCOMPARE(dependents.size(), 1);
    QCOMPARE(dependents.at(0).toObject().value("menu").toString(), QString("226"));
    QCOMPARE(dependents.at(0).toObject().value("value").toString(), QString::number(poles));
    if (!rtu)
        QCOMPARE(SimPeer::writtenRegisters(sim.takeRequests()).size(), 1);

    // An independent master sees both.
    QCOMPARE(mbpollReadHolding(mbpollLink, unit, speedRegister, rtu), speed.toInt());
    QCOMPARE(mbpollReadHolding(mbpollLink, unit, polesRegister, rtu), poles);

    // A decimal comma is read as the decimal point; the unit hands back what it stored.
    QCOMPARE(runCli(QStringList { "set", "312", "7,25", "--set", set } + link).exitCode, 0);
    const CliRun get = runCli(QStringList { "get", "312", "--set", set } + link);
    QCOMPARE(get.exitCode, 0);
    QCOMPARE(get.out.trimmed(), QString("7.25"));
}

void TestCli::setChecksLimitsThatFollowOtherParameters()
{
    // The high speed limit may not go below the low one of the same set, as the unit holds it.
    QCOMPARE(cli({ "set", "321", "1200", "--set", "C" }).exitCode, 0);
    sim.takeRequests();
    const CliRun refused = cli({ "set", "322", "1000", "--set", "C" });
    QCOMPARE(refused.exitCode, 2);
    QVERIFY2(refused.err.contains("out of range for menu 322 (1200 .."), qPrintable(refused.err));
    QCOMPARE(SimPeer::writtenRegisters(sim.takeRequests()), QStringList());
    QCOMPARE(cli({ "set", "322", "1000", "--set", "A" }).exitCode, 0);
}

void TestCli::compareListsExactlyTheChangedParameters()
{
    const QString file = path("unit.dat");
    QCOMPARE(cli({ "read", "--out", file }).exitCode, 0);
    const QStringList data { "--data", dir.path(), "--delay", "35" };
    const CliRun same = runCli(QStringList { "compare", file, file } + data);
    QCOMPARE(same.exitCode, 0);
    QVERIFY(same.out.startsWith("Files are Identical"));

    // The copy differs in set C of a number and in a text; a value written with another
    // stored form but the same shown text is no difference.
    QStringList lines = fileLines(file);
    for (QString &line : lines) {
        QStringList fields = line.split(';');
        if (fields.value(0) == "225")
            fields[4] = fields[8] = "2800";
        else if (fields.value(0) == "81")
            for (int i = 2; i <= 9; ++i)
                fields[i] = "Pump 9";
        else if (fields.value(0) == "222")
            fields[6] = "0" + fields[6];
        line = fields.join(';');
    }
    const QString changed = path("changed.dat");
    QVERIFY(writeLines(changed, lines));

    const CliRun csv = runCli(QStringList { "compare", file, changed, "--csv" } + data);
    QCOMPARE(csv.exitCode, 1);
    const QStringList rows = csv.out.trimmed().split('\n');
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows.at(1), QString("225;Motor speed;1450;1750;2900;960;1450;1750;2800;960"));
    QVERIFY2(
        rows.at(2).startsWith("81;Unit name;Pump 1;Pump 1;Pump 1;Pump 1;Pump 9"), qPrintable(rows.at(2)));

    // The unit itself as a source, in the documented syntax.
    const CliRun json = runCli(QStringList { "compare", "tcp:" + kTcp + "@1", changed, "--json" } + data);
    QCOMPARE(json.exitCode, 1);
    QCOMPARE(jsonOf(json).value("identical").toBool(), false);
    const QJsonArray differences = jsonOf(json).value("differences").toArray();
    QCOMPARE(differences.size(), 2);
    QCOMPARE(differences.at(0).toObject().value("differingSets").toArray(), QJsonArray { "C" });
    QCOMPARE(runCli(QStringList { "compare", "tcp:" + kTcp, file } + data).exitCode, 0);

    // Two units on one serial line, one after the other through the same port.
    SimPeer line;
    const QString port = path("bus");
    QVERIFY(line.start(simArgs() + QStringList { "--unit", "1", "--unit", "9", "--pty", port }));
    const QStringList bus
        = QStringList { "compare", "rtu:" + port + "@1", "rtu:" + port + "@9", "--csv" } + data;
    QCOMPARE(runCli(bus).exitCode, 0);
    // A scan of the line lists both units and says why the others are not there.
    const CliRun scan
        = runCli({ "scan", "--data", dir.path(), "--rtu", port, "--rs485", "--units", "1-3,9", "--json" });
    QCOMPARE(scan.exitCode, 0);
    QCOMPARE(jsonOf(scan).value("candidates").toInt(), 4);
    const QJsonArray units = jsonOf(scan).value("units").toArray();
    QCOMPARE(units.size(), 2);
    QCOMPARE(units.at(1).toObject().value("unit").toInt(), 9);
    QVERIFY(scan.err.contains(QString("RS485 %1 unit 3: No Device Link").arg(port)));
    QCOMPARE(runCli(QStringList { "set", "313", "-250", "--rtu", port, "--unit", "9" } + data).exitCode, 0);
    const CliRun busDiff = runCli(bus);
    QCOMPARE(busDiff.exitCode, 1);
    QCOMPARE(busDiff.out.trimmed().split('\n').value(1),
        QString("313;Minimum speed;0;-300;0;300;-250;-300;0;300"));
}

void TestCli::badArgumentsRefusedBeforeAnythingIsSent_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    const QString tcp = "--tcp=" + kTcp;
    const QString file = "--csv=CLTV1.00.csv";
    const auto row = [](const char *name, const QStringList &args, const char *message) {
        QTest::newRow(name) << args << QString(message);
    };
    row("unit 0", { "identify", tcp, "--unit", "0" }, "Unit range is 1-255");
    row("unit 256", { "get", "225", tcp, "--unit=256" }, "Unit range is 1-255");
    row("delay 34", { "identify", tcp, "--delay", "34" }, "Delay should be at least 35 ms.");
    row("retries 6", { "identify", tcp, "--retries=6" }, "retries");
    row("framing", { "identify", "--rtu=/dev/null", "--parity=E,7,1" }, "framing");
    row("baud", { "identify", "--rtu=/dev/null", "--baud=1200" }, "baud rate");
    row("bad address", { "identify", "--tcp=127.0.0:15093" }, "invalid IP address");
    row("no unit", { "identify" }, "no unit given");
    row("unknown menu", { "get", "999", tcp, file }, "unknown menu '999'");
    row("a menu", { "set", "22", "1", tcp, file }, "is a menu");
    row("above max", { "set", "225", "24001", tcp, file }, "out of range");
    row("below min", { "set", "313", "-3000,5", tcp, file }, "out of range");
    row("not a number", { "set", "225", "fast", tcp, file }, "not a number");
    row("no such choice", { "set", "311", "Vector", tcp, file }, "out of range");
    row("text too long", { "set", "81", "Pump 12345", tcp, file }, "not allowed");
    row("bad set", { "get", "225", "--set=E", tcp }, "parameter set");
    row("unknown option", { "read", "--outfile=x.dat", tcp }, "Unknown option");
    row("missing out folder", { "read", "--out=/nonexistent/x.dat", tcp }, "folder not found");
    row("compare unit source", { "compare", "tcp:" + kTcp + "@0", "x.dat" }, "Unit range is 1-255");
    row("unknown command", { "backup" }, "unknown command");
    row("unknown language", { "identify", tcp, "--language", "Klingon" }, "invalid language 'Klingon'");
    row("language index 11", { "identify", tcp, "--language=11" }, "invalid language '11'");
    row("continue and stop", { "identify", tcp, "--continue-on-fault", "--stop-on-fault" }, "not both");
    row("blocks and not", { "read", "--out=x.dat", tcp, "--blocks", "--no-blocks" }, "not both");
    row("scan range backwards", { "scan", "--tcp-range", "10.0.0.9-3" },
        "tarvolink-cli: Please provide valid TCP/IP range\n");
    row("record for no time", { "record", tcp, "--seconds", "0", "--out", "x.rec" }, "more than 0");
}

void TestCli::badArgumentsRefusedBeforeAnythingIsSent()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    sim.takeRequests();
    const CliRun run = runCli(args << "--data" << dir.path());
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(sim.takeRequests().isEmpty());
}

void TestCli::writeRefusesAnotherDriveUnlessForced_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("exitCode");
    const auto row = [](const char *name, const char *before, const char *after, const char *message,
                         int code) { QTest::newRow(name) << before << after << message << code; };
    row("version", "V1.00;;;;;;;;;", "V1.01;;;;;;;;;",
        "Version of drives are differ (file V1.01, unit V1.00); --force", 5);
    row("size", "CLT-0040 (*.93);;;;;;;;;", "CLT-0090 (*.93);;;;;;;;;",
        "Sizes of drives are differ (file CLT-0090, unit CLT-0040); --force", 5);
    // A drive its own device description file does not list has no nominal values to take.
    row("size not in its device file", "CLT-0040 (*.93);;;;;;;;;", "KTZ-0040 (5);;;;;;;;;",
        "not compatible with current CSV version", 4);
}

void TestCli::writeRefusesAnotherDriveUnlessForced()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, message);
    QFETCH(int, exitCode);
    QCOMPARE(cli({ "read", "--out", path("v.dat") }).exitCode, 0);
    QStringList lines = fileLines(path("v.dat"));
    const int line = lines.indexOf(before);
    QVERIFY(line > 0);
    lines[line] = after;
    QVERIFY(writeLines(path("other.dat"), lines));
    sim.takeRequests();

    const CliRun refused = cli({ "write", path("other.dat") });
    QCOMPARE(refused.exitCode, exitCode);
    QVERIFY2(refused.err.contains(message), qPrintable(refused.err));
    QCOMPARE(SimPeer::writtenRegisters(sim.takeRequests()), QStringList());

    // --force overrides a difference of drives, never a file that cannot be read.
    const CliRun forced = cli({ "write", "--force", path("other.dat") });
    QVERIFY2(forced.exitCode == (exitCode == 5 ? 0 : exitCode), qPrintable(forced.err));
    QCOMPARE(SimPeer::writtenRegisters(sim.takeRequests()).isEmpty(), exitCode != 5);
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
