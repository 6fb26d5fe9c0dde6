// tarvolink-cli record and rec2csv against the drive simulator; the recording opened by the
// reader the window uses.
#include "apppaths.h"
#include "clitestsupport.h"
#include "recfilereader.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestCliRecord : public QObject
{
    Q_OBJECT
private slots:
    void recordThenConvertAndRefuseBadRecordings();
};

void TestCliRecord::recordThenConvertAndRefuseBadRecordings()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // Trigger captures land in the installation's TRIGGER folder.
    TestInstallation installation(dir.path());
    QVERIFY(installation.addGeneralCsv() && installation.addDeviceFile("KTZV1.10.csv"));
    AppPaths::setBaseDir(dir.path());
    SimPeer sim;
    QVERIFY2(sim.startTcp("127.0.0.83", 15083, { "--device", "KTZV1.10.csv", "--size", "1" }),
        qPrintable(sim.errorOutput()));
    const QString rec = dir.filePath("run.rec");
    const QString comment = QString::fromUtf8("Pumpe 3, 45 °C, 12 €");
    // The speed of the stopped motor is a ripple of 20 around 0 with a period of 2 s: it rises
    // through 5 two or three times in 5 s (a sample that lands on 5 exactly is no crossing).
    const CliRun ok = runCli(
        { "record", "--tcp", "127.0.0.83:15083", "--seconds", "5", "--interval", "250", "--delay", "35",
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
}

QTEST_GUILESS_MAIN(TestCliRecord)
#include "tst_clirecord.moc"
