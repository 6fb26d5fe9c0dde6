// tarvolink-cli against the drive simulator over loopback TCP and a pseudo-terminal: backups
// that restore exactly, one-value writes with their dependants, comparisons, dead units and the
// argument checks that must stop a command before anything reaches the unit.
#include "clitestsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// Every test function here has its own loopback address, so parallel ctest runs never meet.
const QString kHost = QStringLiteral("127.0.0.93");
const QString kTcp = kHost + QStringLiteral(":15093");
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
    void readWriteReadRestoresTheUnitExactly();
    void setWritesRegisterAndDependentPoles_data();
    void setWritesRegisterAndDependentPoles();
    void compareListsExactlyTheChangedParameters();
    void silentUnitGivesNoDeviceLink();
    void badArgumentsRefusedBeforeAnythingIsSent_data();
    void badArgumentsRefusedBeforeAnythingIsSent();
    void writeRefusesAnotherDriveUnlessForced_data();
    void writeRefusesAnotherDriveUnlessForced();
    void progressBarOnlyOnATerminal();
    void setChecksLimitsThatFollowOtherParameters();

private:
    QStringList unitArgs() const;
    QString path(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    SimProcess sim;
};

void TestCli::initTestCase()
{
    QVERIFY(dir.isValid());
    QVERIFY(makeInstallation(dir.path()));
}

void TestCli::init()
{
    QVERIFY(sim.start({ QStringLiteral("--data"), dir.path(), QStringLiteral("--device"),
        QStringLiteral("CLTV1.00.csv"), QStringLiteral("--tcp"), kTcp }));
}

void TestCli::cleanup()
{
    sim.stop();
}

QStringList TestCli::unitArgs() const
{
    return { QStringLiteral("--data"), dir.path(), QStringLiteral("--tcp"), kTcp, QStringLiteral("--delay"),
        QStringLiteral("35") };
}

void TestCli::identifyReportsTheUnit_data()
{
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QString>("deviceFile");
    QTest::newRow("file chosen by the unit") << QStringList() << "CLTV1.00.csv";
    // A chosen file is used as it is, even when its name tells another version.
    QTest::newRow("file given") << QStringList { QStringLiteral("--csv"), QStringLiteral("CLTV1.07.csv") }
                                << "CLTV1.07.csv";
}

void TestCli::identifyReportsTheUnit()
{
    QFETCH(QStringList, extra);
    QFETCH(QString, deviceFile);
    QFile::copy(path(QStringLiteral("csv_file/CLTV1.00.csv")), path(QStringLiteral("csv_file/CLTV1.07.csv")));
    const CliRun run
        = runCli(QStringList { QStringLiteral("identify"), QStringLiteral("--json") } + extra + unitArgs());
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QJsonObject identity = QJsonDocument::fromJson(run.out.toUtf8()).object();
    QCOMPARE(identity.value(QStringLiteral("unitName")).toString(), QStringLiteral("CLT-0040 (*.93)"));
    QCOMPARE(identity.value(QStringLiteral("driveSize")).toString(), QStringLiteral("CLT-0040"));
    QCOMPARE(identity.value(QStringLiteral("softwareVersion")).toString(), QStringLiteral("V1.00"));
    QCOMPARE(identity.value(QStringLiteral("inom")).toString(), QStringLiteral("4,1"));
    QCOMPARE(identity.value(QStringLiteral("pnom")).toString(), QStringLiteral("1500"));
    QCOMPARE(QFileInfo(identity.value(QStringLiteral("deviceFile")).toString()).fileName(), deviceFile);
}

void TestCli::readWriteReadRestoresTheUnitExactly()
{
    const CliRun backup = runCli(
        QStringList { QStringLiteral("read"), QStringLiteral("--out"), path(QStringLiteral("backup")) }
        + unitArgs());
    QCOMPARE(backup.exitCode, 0);
    QVERIFY2(backup.err.isEmpty(), qPrintable(backup.err)); // no progress bar without a terminal
    QVERIFY(QFile::exists(path(QStringLiteral("backup.dat"))));

    // The unit drifts away from the backup: a set value, a per-set value and a text.
    for (const QStringList &change : { QStringList { QStringLiteral("312"), QStringLiteral("99,5"),
                                           QStringLiteral("--set"), QStringLiteral("D") },
             QStringList { QStringLiteral("311"), QStringLiteral("V/Hz"), QStringLiteral("--set"),
                 QStringLiteral("B") },
             QStringList { QStringLiteral("81"), QStringLiteral("Spare") } })
        QCOMPARE(runCli(QStringList { QStringLiteral("set") } + change + unitArgs()).exitCode, 0);
    QCOMPARE(runCli(QStringList {
                        QStringLiteral("read"), QStringLiteral("--out"), path(QStringLiteral("drifted.dat")) }
                 + unitArgs())
                 .exitCode,
        0);
    QVERIFY(fileLines(path(QStringLiteral("drifted.dat"))) != fileLines(path(QStringLiteral("backup.dat"))));

    const CliRun restore
        = runCli(QStringList { QStringLiteral("write"), path(QStringLiteral("backup.dat")) } + unitArgs());
    QVERIFY2(restore.exitCode == 0, qPrintable(restore.err));
    QCOMPARE(runCli(QStringList {
                        QStringLiteral("read"), QStringLiteral("--out"), path(QStringLiteral("again.dat")) }
                 + unitArgs())
                 .exitCode,
        0);
    QCOMPARE(fileLines(path(QStringLiteral("again.dat"))), fileLines(path(QStringLiteral("backup.dat"))));

    // Only the differing values travel with --only-changed: nothing, once the unit matches.
    const CliRun nothing = runCli(QStringList { QStringLiteral("write"), QStringLiteral("--only-changed"),
                                      path(QStringLiteral("backup.dat")) }
        + unitArgs());
    QCOMPARE(nothing.exitCode, 0);
    QVERIFY2(nothing.out.startsWith(QLatin1String("Wrote 0 values")), qPrintable(nothing.out));
    const CliRun three = runCli(QStringList { QStringLiteral("write"), QStringLiteral("--only-changed"),
                                    path(QStringLiteral("drifted.dat")) }
        + unitArgs());
    QVERIFY2(three.out.startsWith(QLatin1String("Wrote 3 values")), qPrintable(three.out + three.err));
}

void TestCli::setWritesRegisterAndDependentPoles_data()
{
    QTest::addColumn<bool>("rtu");
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<int>("speedRegister");
    QTest::addColumn<int>("polesRegister");
    QTest::addColumn<int>("poles");
    // Set B runs at 60 Hz with four poles, set D at 50 Hz with six.
    QTest::newRow("tcp set B") << false << "B"
                               << "3000" << 41225 << 41226 << 2;
    QTest::newRow("rtu set D") << true << "D"
                               << "1500" << 43225 << 43226 << 4;
}

void TestCli::setWritesRegisterAndDependentPoles()
{
    QFETCH(bool, rtu);
    QFETCH(QString, set);
    QFETCH(QString, speed);
    QFETCH(int, speedRegister);
    QFETCH(int, polesRegister);
    QFETCH(int, poles);
    QStringList link = unitArgs();
    QString mbpollLink = kTcp;
    SimProcess serial;
    if (rtu) {
        mbpollLink = path(QStringLiteral("line"));
        QVERIFY(serial.start({ QStringLiteral("--data"), dir.path(), QStringLiteral("--device"),
            QStringLiteral("CLTV1.00.csv"), QStringLiteral("--unit"), QStringLiteral("7"),
            QStringLiteral("--pty"), mbpollLink, QStringLiteral("--baud"), QStringLiteral("38400"),
            QStringLiteral("--parity"), QStringLiteral("E,8,1") }));
        link = QStringList { QStringLiteral("--data"), dir.path(), QStringLiteral("--rtu"), mbpollLink,
            QStringLiteral("--baud"), QStringLiteral("38400"), QStringLiteral("--parity"),
            QStringLiteral("E,8,1"), QStringLiteral("--unit"), QStringLiteral("7"), QStringLiteral("--delay"),
            QStringLiteral("35") };
    }
    const int unit = rtu ? 7 : 1;
    QVERIFY(mbpollRead(mbpollLink, rtu, unit, polesRegister) != poles);

    const CliRun set1 = runCli(QStringList { QStringLiteral("set"), QStringLiteral("225"), speed,
                                   QStringLiteral("--set"), set, QStringLiteral("--json") }
        + link);
    QVERIFY2(set1.exitCode == 0, qPrintable(set1.err));
    const QJsonObject reply = QJsonDocument::fromJson(set1.out.toUtf8()).object();
    QCOMPARE(reply.value(QStringLiteral("value")).toString(), speed);
    const QJsonArray dependents = reply.value(QStringLiteral("dependents")).toArray();
    QCOMPARE(dependents.size(), 1);
    QCOMPARE(dependents.at(0).toObject().value(QStringLiteral("menu")).toString(), QStringLiteral("226"));
    QCOMPARE(dependents.at(0).toObject().value(QStringLiteral("value")).toString(), QString::number(poles));

    // An independent master sees both registers changed.
    QCOMPARE(mbpollRead(mbpollLink, rtu, unit, speedRegister), speed.toInt());
    QCOMPARE(mbpollRead(mbpollLink, rtu, unit, polesRegister), poles);

    // A decimal comma is read as the decimal point; the unit hands back what it stored.
    QCOMPARE(runCli(QStringList { QStringLiteral("set"), QStringLiteral("312"), QStringLiteral("7,25"),
                        QStringLiteral("--set"), set }
                 + link)
                 .exitCode,
        0);
    const CliRun get = runCli(
        QStringList { QStringLiteral("get"), QStringLiteral("312"), QStringLiteral("--set"), set } + link);
    QCOMPARE(get.exitCode, 0);
    QCOMPARE(get.out.trimmed(), QStringLiteral("7.25"));
    serial.stop();
}

void TestCli::compareListsExactlyTheChangedParameters()
{
    QCOMPARE(runCli(QStringList {
                        QStringLiteral("read"), QStringLiteral("--out"), path(QStringLiteral("unit.dat")) }
                 + unitArgs())
                 .exitCode,
        0);
    const QString file = path(QStringLiteral("unit.dat"));
    const CliRun same
        = runCli({ QStringLiteral("compare"), file, file, QStringLiteral("--data"), dir.path() });
    QCOMPARE(same.exitCode, 0);
    QVERIFY(same.out.startsWith(QLatin1String("Files are Identical")));

    // The copy differs in set C of a number and in a text; a value written with another
    // stored form but the same shown text is no difference.
    QStringList lines = fileLines(file);
    for (QString &line : lines) {
        QStringList fields = line.split(QLatin1Char(';'));
        if (fields.value(0) == QLatin1String("225")) {
            fields[4] = fields[8] = QStringLiteral("2800");
        } else if (fields.value(0) == QLatin1String("81")) {
            for (int i : { 2, 3, 4, 5, 6, 7, 8, 9 })
                fields[i] = QStringLiteral("Pump 9");
        } else if (fields.value(0) == QLatin1String("222")) {
            fields[6] = QStringLiteral("0") + fields[6];
        }
        line = fields.join(QLatin1Char(';'));
    }
    const QString changed = path(QStringLiteral("changed.dat"));
    QVERIFY(writeLines(changed, lines));

    const CliRun csv = runCli({ QStringLiteral("compare"), file, changed, QStringLiteral("--csv"),
        QStringLiteral("--data"), dir.path() });
    QCOMPARE(csv.exitCode, 1);
    const QStringList rows = csv.out.trimmed().split(QLatin1Char('\n'));
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows.at(1), QStringLiteral("225;Motor speed;1450;1750;2900;960;1450;1750;2800;960"));
    QVERIFY2(rows.at(2).startsWith(QLatin1String("81;Unit name;Pump 1;Pump 1;Pump 1;Pump 1;Pump 9")),
        qPrintable(rows.at(2)));

    // The unit itself as a source, in the documented syntax.
    const CliRun json = runCli({ QStringLiteral("compare"),
        QStringLiteral("tcp:") + kTcp + QStringLiteral("@1"), changed, QStringLiteral("--json"),
        QStringLiteral("--delay"), QStringLiteral("35"), QStringLiteral("--data"), dir.path() });
    QCOMPARE(json.exitCode, 1);
    const QJsonObject result = QJsonDocument::fromJson(json.out.toUtf8()).object();
    QCOMPARE(result.value(QStringLiteral("identical")).toBool(), false);
    const QJsonArray differences = result.value(QStringLiteral("differences")).toArray();
    QCOMPARE(differences.size(), 2);
    QCOMPARE(differences.at(0).toObject().value(QStringLiteral("differingSets")).toArray(),
        QJsonArray { QStringLiteral("C") });
    QCOMPARE(
        runCli({ QStringLiteral("compare"), QStringLiteral("tcp:") + kTcp, file, QStringLiteral("--delay"),
                   QStringLiteral("35"), QStringLiteral("--data"), dir.path() })
            .exitCode,
        0);

    // Two units on one serial line, one after the other through the same port.
    SimProcess line;
    const QString port = path(QStringLiteral("bus"));
    QVERIFY(line.start({ QStringLiteral("--data"), dir.path(), QStringLiteral("--device"),
        QStringLiteral("CLTV1.00.csv"), QStringLiteral("--unit"), QStringLiteral("1"),
        QStringLiteral("--unit"), QStringLiteral("9"), QStringLiteral("--pty"), port }));
    const QStringList bus { QStringLiteral("rtu:") + port + QStringLiteral("@1"),
        QStringLiteral("rtu:") + port + QStringLiteral("@9"), QStringLiteral("--csv"),
        QStringLiteral("--delay"), QStringLiteral("35"), QStringLiteral("--data"), dir.path() };
    QCOMPARE(runCli(QStringList { QStringLiteral("compare") } + bus).exitCode, 0);
    QCOMPARE(
        runCli({ QStringLiteral("set"), QStringLiteral("313"), QStringLiteral("-250"),
                   QStringLiteral("--rtu"), port, QStringLiteral("--unit"), QStringLiteral("9"),
                   QStringLiteral("--delay"), QStringLiteral("35"), QStringLiteral("--data"), dir.path() })
            .exitCode,
        0);
    const CliRun busDiff = runCli(QStringList { QStringLiteral("compare") } + bus);
    QCOMPARE(busDiff.exitCode, 1);
    QCOMPARE(busDiff.out.trimmed().split(QLatin1Char('\n')).value(1),
        QStringLiteral("313;Minimum speed;0;-300;0;300;-250;-300;0;300"));
}

void TestCli::silentUnitGivesNoDeviceLink()
{
    sim.stop();
    QVERIFY(sim.start(
        { QStringLiteral("--data"), dir.path(), QStringLiteral("--device"), QStringLiteral("CLTV1.00.csv"),
            QStringLiteral("--tcp"), kTcp, QStringLiteral("--silent-after"), QStringLiteral("0") }));
    const CliRun run
        = runCli(QStringList { QStringLiteral("identify"), QStringLiteral("--retries"), QStringLiteral("1") }
            + unitArgs());
    QCOMPARE(run.exitCode, 3);
    QVERIFY(run.out.isEmpty());
    QCOMPARE(run.err.count(QLatin1Char('\n')), 1);
    QVERIFY2(run.err.contains(QLatin1String("No Device Link")), qPrintable(run.err));
}

void TestCli::badArgumentsRefusedBeforeAnythingIsSent_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    const QString tcp = QStringLiteral("--tcp=") + kTcp;
    const QString deviceFile = QStringLiteral("--csv=CLTV1.00.csv");
    QTest::newRow("unit 0") << QStringList { QStringLiteral("identify"), tcp, QStringLiteral("--unit"),
        QStringLiteral("0") }
                            << "Unit range is 1-255";
    QTest::newRow("unit 256") << QStringList { QStringLiteral("get"), QStringLiteral("225"), tcp,
        QStringLiteral("--unit=256") }
                              << "Unit range is 1-255";
    QTest::newRow("delay 34") << QStringList { QStringLiteral("identify"), tcp, QStringLiteral("--delay"),
        QStringLiteral("34") } << "Delay should be greater than 35ms.";
    QTest::newRow("retries 6") << QStringList { QStringLiteral("identify"), tcp,
        QStringLiteral("--retries=6") }
                               << "retries";
    QTest::newRow("framing") << QStringList { QStringLiteral("identify"), QStringLiteral("--rtu=/dev/null"),
        QStringLiteral("--parity=E,7,1") }
                             << "framing";
    QTest::newRow("baud") << QStringList { QStringLiteral("identify"), QStringLiteral("--rtu=/dev/null"),
        QStringLiteral("--baud=1200") }
                          << "baud rate";
    QTest::newRow("bad address") << QStringList { QStringLiteral("identify"),
        QStringLiteral("--tcp=127.0.0:15093") }
                                 << "invalid IP address";
    QTest::newRow("no unit") << QStringList { QStringLiteral("identify") } << "no unit given";
    QTest::newRow("unknown menu") << QStringList { QStringLiteral("get"), QStringLiteral("999"), tcp,
        deviceFile } << "unknown menu '999'";
    QTest::newRow("a menu") << QStringList { QStringLiteral("set"), QStringLiteral("22"), QStringLiteral("1"),
        tcp, deviceFile } << "is a menu";
    QTest::newRow("above max") << QStringList { QStringLiteral("set"), QStringLiteral("225"),
        QStringLiteral("24001"), tcp, deviceFile }
                               << "out of range";
    QTest::newRow("below min") << QStringList { QStringLiteral("set"), QStringLiteral("313"),
        QStringLiteral("-3000,5"), tcp, deviceFile }
                               << "out of range";
    QTest::newRow("not a number") << QStringList { QStringLiteral("set"), QStringLiteral("225"),
        QStringLiteral("fast"), tcp, deviceFile }
                                  << "not a number";
    QTest::newRow("no such choice") << QStringList { QStringLiteral("set"), QStringLiteral("311"),
        QStringLiteral("Vector"), tcp, deviceFile }
                                    << "out of range";
    QTest::newRow("text too long") << QStringList { QStringLiteral("set"), QStringLiteral("81"),
        QStringLiteral("Pump 12345"), tcp, deviceFile }
                                   << "not allowed";
    QTest::newRow("bad set") << QStringList { QStringLiteral("get"), QStringLiteral("225"),
        QStringLiteral("--set=E"), tcp }
                             << "parameter set";
    QTest::newRow("unknown option") << QStringList { QStringLiteral("read"),
        QStringLiteral("--outfile=x.dat"), tcp }
                                    << "Unknown option";
    QTest::newRow("missing out folder")
        << QStringList { QStringLiteral("read"), QStringLiteral("--out=/nonexistent/x.dat"), tcp }
        << "folder not found";
    QTest::newRow("compare unit source") << QStringList { QStringLiteral("compare"),
        QStringLiteral("tcp:127.0.0.93:15093@0"), QStringLiteral("x.dat") }
                                         << "Unit range is 1-255";
    QTest::newRow("unknown command") << QStringList { QStringLiteral("backup") } << "unknown command";
}

void TestCli::badArgumentsRefusedBeforeAnythingIsSent()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    sim.takeRequests();
    const CliRun run = runCli(args << QStringLiteral("--data") << dir.path());
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.err.count(QLatin1Char('\n')), 1);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(sim.takeRequests().isEmpty());
}

void TestCli::writeRefusesAnotherDriveUnlessForced_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("message");
    QTest::newRow("version") << "V1.00;;;;;;;;;"
                             << "V1.01;;;;;;;;;"
                             << "Version of drives are differ (file V1.01, unit V1.00); --force";
    QTest::newRow("size") << "CLT-0040 (*.93);;;;;;;;;"
                          << "CLT-0090 (*.93);;;;;;;;;"
                          << "Sizes of drives are differ (file CLT-0090, unit CLT-0040); --force";
    QTest::newRow("type") << "CLT-0040 (*.93);;;;;;;;;"
                          << "KTZ-0040 (5);;;;;;;;;"
                          << "Sizes of drives are differ (file KTZ-0040, unit CLT-0040); Type of drives are "
                             "differ (file KTZ, unit CLT); --force";
}

void TestCli::writeRefusesAnotherDriveUnlessForced()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, message);
    QCOMPARE(
        runCli(QStringList { QStringLiteral("read"), QStringLiteral("--out"), path(QStringLiteral("v.dat")) }
            + unitArgs())
            .exitCode,
        0);
    QStringList lines = fileLines(path(QStringLiteral("v.dat")));
    const int line = lines.indexOf(before);
    QVERIFY(line > 0);
    lines[line] = after;
    QVERIFY(writeLines(path(QStringLiteral("other.dat")), lines));
    sim.takeRequests();

    const CliRun refused
        = runCli(QStringList { QStringLiteral("write"), path(QStringLiteral("other.dat")) } + unitArgs());
    QCOMPARE(refused.exitCode, 5);
    QVERIFY2(refused.err.contains(message), qPrintable(refused.err));
    const auto writes = [](const QStringList &requests) {
        return std::count_if(requests.cbegin(), requests.cend(), [](const QString &r) {
            return r.contains(QLatin1String(" fc 6 ")) || r.contains(QLatin1String(" fc 16 "));
        });
    };
    QCOMPARE(writes(sim.takeRequests()), 0);

    const CliRun forced = runCli(
        QStringList { QStringLiteral("write"), QStringLiteral("--force"), path(QStringLiteral("other.dat")) }
        + unitArgs());
    QVERIFY2(forced.exitCode == 0, qPrintable(forced.err));
    QVERIFY(writes(sim.takeRequests()) > 0);
}

void TestCli::progressBarOnlyOnATerminal()
{
    // script(1) gives the command a pseudo-terminal for stdout and stderr, as an engineer's shell does.
    const QString command = QStringLiteral(TARVOLINK_BIN_DIR "/tarvolink-cli read --out %1 %2")
                                .arg(path(QStringLiteral("tty.dat")), unitArgs().join(QLatin1Char(' ')));
    QProcess script;
    script.start(QStringLiteral("script"), { QStringLiteral("-qec"), command, QStringLiteral("/dev/null") });
    QVERIFY(script.waitForFinished(60000));
    QCOMPARE(script.exitCode(), 0);
    const QString shown = QString::fromUtf8(script.readAllStandardOutput());
    QVERIFY2(shown.contains(QLatin1String("\rParameters Loading from Drive [")), qPrintable(shown));
    QVERIFY(shown.contains(QLatin1String("100%")));
    // Written as without a terminal: the bar never reaches the file.
    QCOMPARE(runCli(QStringList {
                        QStringLiteral("read"), QStringLiteral("--out"), path(QStringLiteral("plain.dat")) }
                 + unitArgs())
                 .exitCode,
        0);
    QCOMPARE(fileLines(path(QStringLiteral("tty.dat"))), fileLines(path(QStringLiteral("plain.dat"))));
}

void TestCli::setChecksLimitsThatFollowOtherParameters()
{
    // The high speed limit may not go below the low one of the same set, as the unit holds it.
    QCOMPARE(runCli(QStringList { QStringLiteral("set"), QStringLiteral("321"), QStringLiteral("1200"),
                        QStringLiteral("--set"), QStringLiteral("C") }
                 + unitArgs())
                 .exitCode,
        0);
    sim.takeRequests();
    const CliRun refused = runCli(QStringList { QStringLiteral("set"), QStringLiteral("322"),
                                      QStringLiteral("1000"), QStringLiteral("--set"), QStringLiteral("C") }
        + unitArgs());
    QCOMPARE(refused.exitCode, 2);
    QVERIFY2(
        refused.err.contains(QLatin1String("out of range for menu 322 (1200 ..")), qPrintable(refused.err));
    for (const QString &request : sim.takeRequests())
        QVERIFY2(!request.contains(QLatin1String(" fc 6 ")), qPrintable(request));
    QCOMPARE(runCli(QStringList { QStringLiteral("set"), QStringLiteral("322"), QStringLiteral("1000"),
                        QStringLiteral("--set"), QStringLiteral("A") }
                 + unitArgs())
                 .exitCode,
        0);
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
