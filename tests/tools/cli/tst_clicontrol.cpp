// tarvolink-cli status, trips, control and recording against the drive simulator: the motor
// follows the commands, refused commands send nothing, the trip log comes with its fault texts,
// and a recording opens in the reader the window uses and converts to CSV.
#include "apppaths.h"
#include "clitestsupport.h"
#include "recfilereader.h"
#include "smalldisk.h"

#include <QtTest>
#include <csignal>

namespace {
const QString kTcp = testHost(114) + ":15114";

QJsonObject jsonOf(const CliRun &run)
{
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

// Writes among the simulator's request lines: "fc:register", coils (5, 15) included.
QStringList writes(const QStringList &requests)
{
    static const QRegularExpression write(" fc (5|6|15|16) reg (\\d+):");
    QStringList found;
    for (const QString &r : requests) {
        const QRegularExpressionMatch m = write.match(r);
        if (m.hasMatch())
            found << m.captured(1) + ":" + m.captured(2);
    }
    return found;
}

} // namespace

class TestCliControl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void refusedCommandsSendNothing_data();
    void refusedCommandsSendNothing();
    void motorFollowsTheCommands();
    void tripsComeWithTheirTexts();
    void recordThenConvertAndRefuseBadRecordings();
    void recordingCutShortSaysSoAndKeepsWhatItHas();

private:
    CliRun cli(const QStringList &args) const
    {
        return runCli(args + QStringList { "--data", dir.path(), "--tcp", kTcp, "--delay", "35" });
    }
    // A shown value of the status values.
    QString status(const QString &text)
    {
        const CliRun run = cli({ "status", "--json" });
        for (const QJsonValue &v : jsonOf(run).value("values").toArray())
            if (v.toObject().value("text").toString() == text)
                return v.toObject().value("value").toString();
        return QString();
    }
    // The shown speed, in rpm.
    double speed()
    {
        bool ok = false;
        const double rpm = status("Speed").toDouble(&ok);
        return ok ? rpm : qQNaN();
    }

    QTemporaryDir dir;
    SimPeer sim;
};

void TestCliControl::initTestCase()
{
    TestInstallation installation(dir.path());
    QVERIFY(installation.addGeneralCsv() && installation.addDeviceFile("KTZV1.10.csv"));
    QVERIFY2(sim.start({ "--data", dir.path(), "--device", "KTZV1.10.csv", "--size", "1", "--verbose",
                 "--trip-after", "0", "--tcp", kTcp }),
        qPrintable(sim.errorOutput()));
}

void TestCliControl::refusedCommandsSendNothing_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("forward, run source Remote") << QStringList { "--forward" } << 5;
    QTest::newRow("reference, source Remote") << QStringList { "--ref", "50" } << 5;
    QTest::newRow("reference above 100") << QStringList { "--ref", "100.5" } << 2;
    QTest::newRow("reference below 0") << QStringList { "--ref", "-1" } << 2;
    QTest::newRow("unknown source") << QStringList { "--run-source", "Panel" } << 2;
    QTest::newRow("two actions") << QStringList { "--stop", "--forward" } << 2;
}

void TestCliControl::refusedCommandsSendNothing()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    sim.takeRequests();
    const CliRun run = cli(QStringList { "control" } + args);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY(!run.err.isEmpty());
    QCOMPARE(writes(sim.takeRequests()), QStringList());
}

void TestCliControl::motorFollowsTheCommands()
{
    sim.takeRequests();
    QCOMPARE(cli({ "control", "--run-source", "COM" }).exitCode, 0);
    QCOMPARE(writes(sim.takeRequests()), QStringList { "6:40105" });
    QCOMPARE(cli({ "control", "--forward" }).exitCode, 0);
    // Forward sets two coils of the three the commands share.
    QCOMPARE(writes(sim.takeRequests()), QStringList { "15:11" });
    // The motor ramps up to the 50 % reference: 750 of the simulated drive's 1500 rpm.
    double running = 0;
    QVERIFY(QTest::qWaitFor([&] { return (running = speed()) > 700; }, 5000));
    QTRY_COMPARE(status("Drive Status"), QString("Run"));

    const CliRun stopped = cli({ "control", "--stop", "--json" });
    QCOMPARE(stopped.exitCode, 0);
    QCOMPARE(jsonOf(stopped).value("command").toString(), QString("stop"));
    QCOMPARE(writes(sim.takeRequests()), QStringList { "15:11" });
    QVERIFY(QTest::qWaitFor([&] { return speed() < running; }, 5000));
    QTRY_COMPARE(status("Drive Status"), QString("Stop"));

    QCOMPARE(cli({ "control", "--reverse" }).exitCode, 0);
    // Reverse runs as fast as forward did: a negative speed keeps its whole magnitude.
    QVERIFY(QTest::qWaitFor([&] { return speed() < -700; }, 5000));
    QCOMPARE(cli({ "control", "--ref-source", "com" }).exitCode, 0);
    const CliRun ref = cli({ "control", "--ref", "100", "--json" });
    QCOMPARE(ref.exitCode, 0);
    QCOMPARE(jsonOf(ref).value("reference").toDouble(), 100.0);
    QCOMPARE(writes(sim.takeRequests()), (QStringList { "15:11", "6:40104", "6:44501" }));
    QCOMPARE(cli({ "control", "--stop" }).exitCode, 0);
}

void TestCliControl::tripsComeWithTheirTexts()
{
    const CliRun run = cli({ "trips", "--json" });
    QCOMPARE(run.exitCode, 0);
    const QJsonArray trips = jsonOf(run).value("trips").toArray();
    QVERIFY(trips.size() >= 2);
    const QJsonObject newest = trips.first().toObject();
    QVERIFY(newest.value("code").toInt() >= 1);
    QCOMPARE(newest.value("text").toString(), QString("1 Motor I2t"));
    QCOMPARE(trips.at(1).toObject().value("text").toString(), QString("0 No Trip"));
    QVERIFY(newest.value("values").toObject().contains("Date"));
    const CliRun table = cli({ "trips" });
    QCOMPARE(table.exitCode, 0);
    QVERIFY(table.out.contains("Motor I2t"));
}

void TestCliControl::recordThenConvertAndRefuseBadRecordings()
{
    // A simulator of its own, whose drive has not tripped: the trip column reads 0. Trigger
    // captures land in the installation's TRIGGER folder.
    AppPaths::setBaseDir(dir.path());
    SimPeer recorded;
    QVERIFY2(recorded.startTcp(testHost(83), 15083, { "--device", "KTZV1.10.csv", "--size", "1" }),
        qPrintable(recorded.errorOutput()));
    const QString rec = dir.filePath("run.rec");
    const QString comment = QString::fromUtf8("Pumpe 3, 45 °C, 12 €");
    // The speed of the stopped motor is a ripple of 20 around 0 with a period of 2 s: it rises
    // through 5 two or three times in 5 s (a sample that lands on 5 exactly is no crossing).
    const CliRun ok = runCli(
        { "record", "--tcp", testHost(83) + ":15083", "--seconds", "5", "--interval", "250", "--delay", "35",
            "--out", rec, "--comment", comment, "--trigger", "1,rising,5,after=0.5", "--data", dir.path() });
    QVERIFY2(ok.exitCode == 0, qPrintable(ok.err));
    QVERIFY2(ok.out.startsWith("Recorded "), qPrintable(ok.out));
    QVERIFY2(ok.out.contains("Trigger capture: "), qPrintable(ok.out));
    QVERIFY(!QDir(dir.filePath("TRIGGER")).entryList(QDir::Files).isEmpty());
    QVERIFY(!QFile::exists(rec + ".running"));

    Recording recording;
    QCOMPARE(RecFileReader::read(rec, &recording), RecFileReader::Loaded);
    QCOMPARE(recording.comment, comment);
    QCOMPARE(recording.units.size(), 1);
    const RecordingUnit &unit = recording.units.first();
    QCOMPARE(unit.unitLine.value(2), QStringLiteral("KTZ23-2P5 (*.83)"));
    QVERIFY2(unit.rowCount() >= 12, qPrintable(QString::number(unit.rowCount())));

    const QString csv = dir.filePath("run.csv");
    QCOMPARE(runCli({ "rec2csv", rec, "--out", csv, "--data", dir.path() }).exitCode, 0);
    const QStringList lines = fileLines(csv);
    QCOMPARE(lines.size(), unit.rowCount() + 1);
    QCOMPARE(lines.first(), "time,unit," + unit.signalNames.join(','));
    const QRegularExpression iso("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3},1,");
    for (int r = 0; r < unit.rowCount(); ++r) {
        const QStringList fields = lines.at(r + 1).split(',');
        QVERIFY2(iso.match(lines.at(r + 1)).hasMatch(), qPrintable(lines.at(r + 1)));
        QCOMPARE(fields.size(), unit.signalCount() + 2);
        QCOMPARE(fields.at(2 + 2).toDouble(), unit.value(r, 2)); // Current: decimal point
        QCOMPARE(fields.at(2 + 10), QStringLiteral("0")); // the fault number without "F:"
    }

    const QString bad = dir.filePath("bad.rec");
    QVERIFY(writeLines(bad, { "3/1/2026", "1;KTZ;KTZ;V1.10;KTZV1.10.csv;", "01:02:03 PM,004;1;5;" }));
    const CliRun refused = runCli({ "rec2csv", bad });
    QCOMPARE(refused.exitCode, 4);
    QVERIFY2(refused.err.contains("Invalid Rec file"), qPrintable(refused.err));

    // Room for the running file only: the saves fail with their reason and keep the old files.
    SmallDisk disk;
    SKIP_WITHOUT_SMALL_DISK(disk);
    const QString full = disk.path("run.rec"), fullCsv = disk.path("run.csv");
    QVERIFY(writeLines(full, { "old" }) && writeLines(fullCsv, { "old" }));
    disk.leaveFree(4096);
    const CliRun noRoom = runCli({ "record", "--tcp", testHost(83) + ":15083", "--seconds", "1", "--delay",
        "35", "--out", full, "--data", dir.path() });
    QVERIFY2(noRoom.exitCode == 4 && noRoom.err.contains("No space left on ")
            && noRoom.err.contains("kept in " + full + ".running"),
        qPrintable(noRoom.err));
    QVERIFY(QFileInfo(full + ".running").size() > 0);
    const CliRun noCsv = runCli({ "rec2csv", rec, "--out", fullCsv, "--data", dir.path() });
    QVERIFY2(noCsv.exitCode == 4 && noCsv.err.contains("No space left on "), qPrintable(noCsv.err));
    QCOMPARE(fileLines(full) + fileLines(fullCsv), QStringList({ "old", "old" }));
}

void TestCliControl::recordingCutShortSaysSoAndKeepsWhatItHas()
{
    SimPeer unit;
    const QStringList simArgs { "--data", dir.path(), "--device", "KTZV1.10.csv" };
    QVERIFY2(unit.startTcp(testHost(84), 15084, simArgs), qPrintable(unit.errorOutput()));
    const QStringList link { "--tcp", testHost(84) + ":15084", "--delay", "35", "--retries", "1", "--data",
        dir.path() };
    const QString program = TARVOLINK_BIN_DIR "/tarvolink-cli";
    // The unit goes away two seconds into a recording of four: the file is saved, the rows
    // without an answer are told from real values, and the exit status says the link failed.
    QProcess record;
    record.start(
        program, QStringList { "record", "--seconds", "4", "--out", dir.filePath("lost.rec") } + link);
    QTest::qWait(2000);
    unit.stop();
    QVERIFY(record.waitForFinished(30000));
    QCOMPARE(record.exitCode(), 3);
    const QStringList rows
        = runCli({ "rec2csv", dir.filePath("lost.rec"), "--data", dir.path() }).out.split('\n');
    const QRegularExpression noValues(",1,*$");
    QVERIFY2(rows.size() > 4 && !noValues.match(rows.at(1)).hasMatch()
            && noValues.match(rows.at(rows.size() - 2)).hasMatch(),
        qPrintable(rows.join('\n')));

    // Stopped by a signal: what was recorded is saved whole, and the exit status names the signal.
    QVERIFY2(unit.startTcp(testHost(84), 15084, simArgs), qPrintable(unit.errorOutput()));
    for (const auto &[signal, code] : { std::pair { SIGINT, 130 }, std::pair { SIGTERM, 143 } }) {
        record.start(program,
            QStringList { "record", "--seconds", "60", "--out", dir.filePath("stopped.rec") } + link);
        QTest::qWait(1500);
        QCOMPARE(::kill(pid_t(record.processId()), signal), 0);
        QVERIFY(record.waitForFinished(10000));
        QCOMPARE(record.exitCode(), code);
        QVERIFY(record.readAllStandardError().contains(dir.filePath("stopped.rec").toUtf8()));
        Recording recording;
        QCOMPARE(RecFileReader::read(dir.filePath("stopped.rec"), &recording), RecFileReader::Loaded);
        QVERIFY(recording.units.value(0).rowCount() > 0);
        QVERIFY(!QFile::exists(dir.filePath("stopped.rec.running")));
    }
}

QTEST_GUILESS_MAIN(TestCliControl)
#include "tst_clicontrol.moc"
