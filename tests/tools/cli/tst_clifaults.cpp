// tarvolink-cli with the installation's settings and with damaged files and failing units: a
// damaged parameter set or device description file never reaches a drive or a backup, and every
// failure says what happened, with the exit code of its kind (3 unit or link, 4 file).
#include "clitestsupport.h"
#include "passwordfile.h"
#include "settingsfile.h"

#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

namespace {
// Its own loopback address, so parallel ctest runs never meet.
const QString kHost = testHost(95);
const QString kTcp = kHost + ":15095";
} // namespace

class TestCliFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void damagedParameterSetFileIsRefusedWhole_data();
    void damagedParameterSetFileIsRefusedWhole();
    void wholeFileIsWrittenWhateverItsLayoutOrABusyAnswer_data();
    void wholeFileIsWrittenWhateverItsLayoutOrABusyAnswer();
    void brokenInstallationFilesAreFileFaults_data();
    void brokenInstallationFilesAreFileFaults();
    void failedExchangeSaysWhy_data();
    void failedExchangeSaysWhy();
    void continueDespiteFaultFromSettingsOrOption_data();
    void continueDespiteFaultFromSettingsOrOption();
    void simulatorRefusesAnAbsurdRecordBlock();
    void passwordFileIsWrittenForTheLoginAndForItsOwnerOnly();

private:
    bool startSim(const QStringList &faults = {})
    {
        sim.stop();
        return sim.startTcp(
            kTcp, QStringList { "--data", good.path(), "--device", "CLTV1.00.csv", "--verbose" } + faults);
    }
    CliRun cli(const QStringList &args, const QString &installation = QString()) const
    {
        return runCli(args
            + QStringList { "--data", installation.isEmpty() ? good.path() : installation, "--tcp", kTcp,
                "--delay", "35" });
    }
    QString path(const QString &name) const { return good.filePath(name); }
    bool writeSettings(bool continueDespiteFault, int retries) const
    {
        SettingsRecord record;
        record.continueDespiteFault = continueDespiteFault;
        record.retries = uint(retries);
        record.delayMs = 35;
        return SettingsFile::save(record, good.filePath("configData/settings.set"));
    }

    QTemporaryDir good; // the installation the simulator and most commands use
    QTemporaryDir broken; // one whose files a test damages
    SimPeer sim;
    QStringList backup; // lines of a .dat read from the simulated unit
};

void TestCliFaults::initTestCase()
{
    QVERIFY(good.isValid() && broken.isValid());
    QVERIFY(makeInstallation(good.path()));
    QVERIFY2(startSim(), qPrintable(sim.errorOutput()));
    const CliRun read = cli({ "read", "--out", path("backup.dat") });
    QVERIFY2(read.exitCode == 0, qPrintable(read.err));
    backup = fileLines(path("backup.dat"));
    QVERIFY(backup.size() > 30);
}

void TestCliFaults::cleanup()
{
    QFile::remove(path("configData/settings.set"));
}

void TestCliFaults::damagedParameterSetFileIsRefusedWhole_data()
{
    QTest::addColumn<QString>("change"); // what is done to the backup
    QTest::addColumn<QString>("message");
    const auto row = [](const char *name, const char *change, const char *message) {
        QTest::newRow(name) << QString(change) << QString(message);
    };
    row("cut inside the last line", "cut", "ends inside a line");
    row("NUL bytes as a value", "nul", "(menu 312): value of set B: '\\x00\\x00' is not a register value");
    row("header only", "header", "no parameter lines");
    row("line without separator", "noseparator", "(menu 312): the line is incomplete");
    row("value above its maximum", "above", "(menu 312): value of set A: 4000 is outside 0 .. 3600");
    row("short line", "short", "(menu 312): the line is incomplete (6 of 10 fields)");
    // A shown value is taken when the stored one is empty: it is checked as strictly.
    row("no choice of its own", "shown 311 Nonsense", "(menu 311): value of set A: 'Nonsense' is none of");
    row("choice out of range", "shown 311 99999", "(menu 311): value of set A: 99999 is outside 0 .. 2");
    row("time beyond its limits", "shown 323 99999:99:99", "(menu 323): value of set A: '99999:99:99' is no");
    row("nan", "shown 312 nan", "(menu 312): value of set A: 'nan' is not a number");
    row("section line among the parameters", "marker", "(menu 312): a section line inside the parameter");
    // Written in part only when asked: see below.
    row("cut at a line end", "head", "the file holds 20 of 43 parameters of CLTV1.00.csv (cut short?)");
}

void TestCliFaults::damagedParameterSetFileIsRefusedWhole()
{
    QFETCH(QString, change);
    QFETCH(QString, message);
    QStringList lines = backup;
    const int at = lines.indexOf(QRegularExpression("^312;.*"));
    QVERIFY(at > 0);
    QStringList fields = lines[at].split(';');
    QByteArray bytes;
    if (change == "nul") {
        fields[7] = QString(2, QChar(0));
        lines[at] = fields.join(';');
    } else if (change == "header") {
        lines = lines.mid(0, lines.indexOf(QRegularExpression("^\\[PARAMETER SETS\\].*")) + 1);
    } else if (change == "noseparator") {
        lines[at] = "312 Ramp time";
    } else if (change == "above") {
        fields[2] = "4000";
        fields[6] = "4000";
        lines[at] = fields.join(';');
    } else if (change == "short") {
        lines[at] = fields.mid(0, 6).join(';');
    } else if (change.startsWith("shown ")) {
        const QStringList menuAndValue = change.split(' ');
        const int line = lines.indexOf(QRegularExpression("^" + menuAndValue.at(1) + ";.*"));
        QStringList shown = lines[line].split(';');
        shown[2] = menuAndValue.at(2);
        shown[6].clear();
        lines[line] = shown.join(';');
    } else if (change == "marker") {
        lines.insert(at, "[SETS B];;;;;;;;;");
    } else if (change == "head") {
        lines = lines.mid(0, at);
    }
    QVERIFY(writeLines(path("damaged.dat"), lines));
    if (change == "cut") {
        QFile file(path("damaged.dat"));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.resize(file.size() - 3)); // "...;960\n" becomes "...;9"
    }
    sim.takeRequests();
    const CliRun run = cli({ "write", path("damaged.dat") });
    QCOMPARE(run.exitCode, 4);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
    QCOMPARE(sim.takeRequests().size(), 0); // refused before the unit was asked anything
    if (change == "head") {
        // Exactly the values the file holds: the five parameters before 312, sets A to D.
        const CliRun partial = cli({ "write", "--partial", path("damaged.dat") });
        QVERIFY2(partial.exitCode == 0 && partial.out.startsWith("Wrote 20 values"), qPrintable(partial.err));
        const QStringList written = SimPeer::writtenRegisters(sim.takeRequests());
        QCOMPARE(written.size(), 20);
        QCOMPARE(written.filter(QRegularExpression("^4\\d(222|223|225|226|311)$")), written);
    }

    // compare reads files through the same check; a file cut at a line end compares as it is.
    const CliRun compared
        = runCli({ "compare", path("backup.dat"), path("damaged.dat"), "--data", good.path() });
    QCOMPARE(compared.exitCode, change == "head" ? 1 : 4);
}

void TestCliFaults::wholeFileIsWrittenWhateverItsLayoutOrABusyAnswer_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QStringList>("faults");
    QTest::newRow("no line end after the last line") << "nonewline" << QStringList();
    QTest::newRow("UTF-16 with byte-order mark") << "utf16" << QStringList();
    // Saved in a language in which the device description file has no row for one parameter.
    QTest::newRow("another language's tree") << "deutsch" << QStringList();
    // The unit stores the value but answers "busy"; reading it back proves it arrived.
    QTest::newRow("busy answer") << "" << QStringList { "--busy-write", "40312" };
}

void TestCliFaults::wholeFileIsWrittenWhateverItsLayoutOrABusyAnswer()
{
    QFETCH(QString, layout);
    QFETCH(QStringList, faults);
    QVERIFY(makeInstallation(broken.path()));
    QVERIFY2(startSim(faults), qPrintable(sim.errorOutput()));
    QByteArray bytes = (backup.join('\n') + (layout == "nonewline" ? "" : "\n")).toUtf8();
    if (layout == "utf16")
        bytes = QTextCodec::codecForName("UTF-16")->fromUnicode(QString::fromUtf8(bytes));
    if (layout == "deutsch") {
        QStringList german;
        for (const QString &line : fileLines(broken.filePath("csv_file/CLTV1.00.csv"))) {
            german << line;
            if (line.startsWith("*English;") && line != "*English;Motor poles")
                german << QString(line).replace("*English;", "*Deutsch;D ");
        }
        QVERIFY(writeLines(broken.filePath("csv_file/CLTV1.00.csv"), german));
        QCOMPARE(
            cli({ "read", "--language", "Deutsch", "--out", path("layout.dat") }, broken.path()).exitCode, 0);
    } else {
        QFile file(path("layout.dat"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    }
    const CliRun run = cli({ "write", path("layout.dat") }, broken.path());
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(cli({ "read", "--out", path("again.dat") }).exitCode, 0);
    QCOMPARE(fileLines(path("again.dat")), backup);
    QVERIFY(startSim());
}

void TestCliFaults::brokenInstallationFilesAreFileFaults_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    const auto row = [](const char *name, const char *damage, const QStringList &args, const char *message) {
        QTest::newRow(name) << QString(damage) << args << QString(message);
    };
    row("device file cut before its end marker", "noend", { "read", "--out", "x.dat" }, "invalid CSV file");
    row("get with a cut device file", "noend", { "get", "312" }, "invalid CSV file");
    row("given device file cut", "noend", { "get", "312", "--csv", "CLTV1.00.csv" }, "invalid CSV file");
    row("empty general.csv", "emptygeneral", { "identify" }, "invalid general.csv");
    row("garbage size address", "sizeaddress", { "identify" },
        "the size address 'x17' is no register number");
    row("register field no register, read", "register", { "read", "--out", "x.dat" }, "invalid CSV file");
    row("register field no register, get", "register", { "get", "312" }, "invalid CSV file");
    row("register field no register, write", "register", { "write", "x.dat" }, "invalid CSV file");
    row("device file missing", "nodevicefile", { "identify" }, "No CSV File Found");
    row("given device file missing", "", { "identify", "--csv", "CLTV9.99.csv" }, "No CSV File Found");
}

void TestCliFaults::brokenInstallationFilesAreFileFaults()
{
    QFETCH(QString, damage);
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    QVERIFY(makeInstallation(broken.path()));
    const QString deviceFile = broken.filePath("csv_file/CLTV1.00.csv");
    QStringList lines = fileLines(deviceFile);
    if (damage == "noend")
        lines = lines.mid(0, lines.indexOf(QRegularExpression("^\\[PARAMETER SETS\\]END.*")));
    else if (damage == "register")
        lines.replaceInStrings(QRegularExpression("^(11;312;3;0;1;)40312;"), "\\14294967297;");
    else if (damage == "sizeaddress")
        lines.replaceInStrings(QRegularExpression("^1;40010;"), "1;x17;");
    if (damage == "nodevicefile")
        QVERIFY(QFile::remove(deviceFile));
    else
        QVERIFY(writeLines(deviceFile, lines));
    if (damage == "emptygeneral")
        QVERIFY(writeLines(broken.filePath("configData/general.csv"), {}));
    QFile::remove(broken.filePath("x.dat"));
    if (args.first() == "write")
        QVERIFY(QFile::copy(path("backup.dat"), broken.filePath("x.dat")));
    args.replaceInStrings(QRegularExpression("^x\\.dat$"), broken.filePath("x.dat"));

    const CliRun run = cli(args, broken.path());
    QCOMPARE(run.exitCode, 4);
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY2(!run.err.contains("No Device Link") && !run.err.contains("unknown menu"), qPrintable(run.err));
    QVERIFY(!QFile::exists(broken.filePath("x.dat")) || args.first() == "write");
}

void TestCliFaults::failedExchangeSaysWhy_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QStringList>("args"); // "failed.dat" is written into the installation
    QTest::addColumn<int>("settingsRetries"); // 0: no settings file
    QTest::addColumn<QString>("message"); // a regular expression
    QTest::addColumn<int>("writes"); // -1: at least one
    const QStringList read { "read", "--out", "failed.dat" }, exception { "--exception", "40312:2" };
    const QString refused
        = QRegularExpression::escape("menu 312 (register 40312): exception 2, illegal data address");
    const QStringList silent { "--silent-after", "8" };
    QTest::newRow("silent unit") << QStringList { "--silent-after", "0" }
                                 << QStringList { "identify", "--retries", "1" } << 0 << "No Device Link"
                                 << 0;
    QTest::newRow("exception") << exception << read << 0 << refused << 0;
    QTest::newRow("silent, retries of the settings")
        << silent << read << 2 << "no answer after 3 attempts" << 0;
    QTest::newRow("silent, retries of the option")
        << silent << read + QStringList { "--retries", "1" } << 4 << "no answer after 2 attempts" << 0;
    QTest::newRow("write stopped midway tells the mix")
        << exception << QStringList { "write", "backup.dat" } << 0
        << refused + "; [1-9]\\d* of \\d+ parameters were written, the unit now holds a mix" << -1;
    // Identification (3 requests), reading the value (1) and writing it (1) are answered; the
    // read-back is not.
    QTest::newRow("set wrote but could not read back")
        << QStringList { "--silent-after", "5" } << QStringList { "set", "312", "7", "--retries", "1" } << 0
        << "menu 312 was written, but reading it back failed: "
            + QRegularExpression::escape("menu 312 (register 40312): no answer after 2 attempts")
        << 1;
}

void TestCliFaults::failedExchangeSaysWhy()
{
    QFETCH(QStringList, faults);
    QFETCH(QStringList, args);
    QFETCH(int, settingsRetries);
    QFETCH(QString, message);
    QFETCH(int, writes);
    if (settingsRetries > 0)
        QVERIFY(writeSettings(false, settingsRetries));
    QVERIFY2(startSim(faults), qPrintable(sim.errorOutput()));
    QFile::remove(path("failed.dat"));
    const CliRun run = cli(args.replaceInStrings(QRegularExpression("^(\\w+\\.dat)$"), good.filePath("\\1")));
    const int written = SimPeer::writtenRegisters(sim.takeRequests()).size();
    QCOMPARE(run.exitCode, 3);
    QVERIFY(run.out.isEmpty());
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY2(QRegularExpression(message).match(run.err).hasMatch(), qPrintable(run.err));
    QVERIFY2(!run.err.contains("refer log details") && !run.err.contains("Comm Error"), qPrintable(run.err));
    QVERIFY(!QFile::exists(path("failed.dat"))); // no backup with holes
    QVERIFY2(writes < 0 ? written > 0 : written == writes, qPrintable(QString::number(written)));
    QVERIFY(startSim());
}

void TestCliFaults::continueDespiteFaultFromSettingsOrOption_data()
{
    QTest::addColumn<int>("settings"); // -1 no file, 0 stop, 1 continue
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("continues");
    QTest::newRow("no settings file stops") << -1 << QStringList() << false;
    QTest::newRow("settings continue") << 1 << QStringList() << true;
    QTest::newRow("settings stop") << 0 << QStringList() << false;
    QTest::newRow("option continues") << 0 << QStringList { "--continue-on-fault" } << true;
    QTest::newRow("option stops") << 1 << QStringList { "--stop-on-fault" } << false;
}

void TestCliFaults::continueDespiteFaultFromSettingsOrOption()
{
    QFETCH(int, settings);
    QFETCH(QStringList, options);
    QFETCH(bool, continues);
    if (settings >= 0)
        QVERIFY(writeSettings(settings == 1, 1));
    QVERIFY2(startSim({ "--exception", "40312:2" }), qPrintable(sim.errorOutput()));
    QFile::remove(path("partial.dat"));
    const CliRun run = cli(QStringList { "read", "--out", path("partial.dat") } + options);
    QCOMPARE(run.exitCode, 3);
    QCOMPARE(QFile::exists(path("partial.dat")), continues);
    if (continues) {
        QVERIFY2(run.err.contains("without its unread values: 1 of") && run.err.contains("(menu 312)"),
            qPrintable(run.err));
        // Everything else was read: the file differs from the backup in line 312 only.
        const QStringList partial = fileLines(path("partial.dat"));
        QCOMPARE(partial.size(), backup.size());
        int differing = 0;
        for (int i = 0; i < partial.size(); ++i)
            differing += partial[i] != backup[i];
        QCOMPARE(differing, 1);
    } else {
        QVERIFY2(run.err.contains("menu 312 (register 40312)"), qPrintable(run.err));
    }
    QVERIFY(startSim());
}

void TestCliFaults::simulatorRefusesAnAbsurdRecordBlock()
{
    QVERIFY(makeInstallation(broken.path()));
    QStringList lines = fileLines(broken.filePath("csv_file/CLTV1.00.csv"));
    lines << "[RECORD VALUES]"
          << "%Block;1"
          << "B1;31001;2000000000;Block 1"
          << "[RECORD VALUES]END";
    QVERIFY(writeLines(broken.filePath("csv_file/CLTV1.00.csv"), lines));
    SimPeer absurd;
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!absurd.startTcp(kHost + ":15096", { "--data", broken.path(), "--device", "CLTV1.00.csv" }));
    QVERIFY2(absurd.errorOutput().contains("counts 2000000000 registers (at most 9999)"),
        qPrintable(absurd.errorOutput()));
    QVERIFY(timer.elapsed() < 5000);
}

void TestCliFaults::passwordFileIsWrittenForTheLoginAndForItsOwnerOnly()
{
    const QString file = broken.filePath("configData/pwFile.txt");
    QFile::remove(file);
    // A password that cannot be typed at the login is refused, and nothing is written.
    for (const QByteArray &bad : { QByteArray("\n"), QByteArray("a\tb\n") }) {
        const CliRun refused = runCli({ "password", "--data", broken.path() }, 10000, bad);
        QCOMPARE(refused.exitCode, 2);
        QVERIFY(!QFile::exists(file));
    }
    for (const QByteArray &typed : { QByteArray("first one"), QByteArray("Tv#7 x") }) {
        const CliRun run = runCli({ "password", "--data", broken.path() }, 10000, typed + "\n");
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    }
    // The later password replaced the first, in the form the login reads: each code raised by
    // its position.
    QCOMPARE(fileLines(file), QStringList { "84 119 37 58 36 125" });
    QCOMPARE(PasswordFile::check(file, "Tv#7 x"), PasswordFile::Check::Accepted);
    QCOMPARE(QFile::permissions(file) & ~(QFile::ReadUser | QFile::WriteUser),
        QFile::ReadOwner | QFile::WriteOwner);
}

QTEST_GUILESS_MAIN(TestCliFaults)
#include "tst_clifaults.moc"
