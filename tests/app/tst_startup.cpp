#include <QtTest>

// The program must refuse to start without general.csv (a deliberate stop with exit code 0 and
// one critical box), and must start when it is there. The program itself runs, as a user starts it.
class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void programStartsOnlyWithGeneralCsv_data();
    void programStartsOnlyWithGeneralCsv();
};

namespace {
enum Layout { NoConfigData, ConfigDataOnly, GeneralCsvIsFolder, GeneralCsvPresent };

void makeInstallation(const QString &home, int layout)
{
    if (layout == NoConfigData)
        return;
    QVERIFY(QDir(home).mkpath("configData"));
    if (layout == GeneralCsvIsFolder)
        QVERIFY(QDir(home).mkpath("configData/general.csv"));
    if (layout == GeneralCsvPresent) {
        QFile f(home + "/configData/general.csv");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[DEVICE ADDRESS]\n");
    }
}
} // namespace

void TestStartup::programStartsOnlyWithGeneralCsv_data()
{
    QTest::addColumn<int>("layout");
    QTest::newRow("configData without general.csv") << int(ConfigDataOnly);
    QTest::newRow("no configData at all") << int(NoConfigData);
    QTest::newRow("general.csv is a folder") << int(GeneralCsvIsFolder);
    QTest::newRow("general.csv present") << int(GeneralCsvPresent);
}

void TestStartup::programStartsOnlyWithGeneralCsv()
{
    QFETCH(int, layout);
    QTemporaryDir home;
    makeInstallation(home.path(), layout);

    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TARVOLINK_HOME", home.path());
    env.insert("TARVOLINK_AUTO_ANSWER", "1");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TARVOLINK_BIN_DIR "/tarvolink"), QStringList());
    QVERIFY2(process.waitForStarted(10000), qPrintable(process.errorString()));
    // With general.csv the event loop runs until the user quits; still running after a while means
    // the window was built and shown without a crash or an early exit.
    const bool starts = layout == GeneralCsvPresent;
    const bool ended = process.waitForFinished(starts ? 2500 : 20000);
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    if (!ended) {
        process.kill();
        process.waitForFinished(5000);
    }
    if (starts) {
        QVERIFY2(!ended, qPrintable("ended with code " + QString::number(process.exitCode()) + ": " + err));
        QVERIFY2(!err.contains("critical \""), qPrintable(err));
        return;
    }
    QVERIFY2(ended, "the program kept running without general.csv");
    QCOMPARE(process.exitCode(), 0);
    QVERIFY2(
        err.contains("critical \"Error\": File not found : general.csv. Program aborted!"), qPrintable(err));
    // Exactly one box: nothing after the check asked anything.
    QCOMPARE(err.count("critical \""), 1);
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
