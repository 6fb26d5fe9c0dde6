#include <QtTest>

// The program must refuse to start without general.csv (a deliberate stop with exit code 0 and
// one critical box), and must start when it is there. The program itself runs, as a user starts it.
class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void programEndsWithCodeZeroWithoutGeneralCsv_data();
    void programEndsWithCodeZeroWithoutGeneralCsv();
    void programKeepsRunningWithGeneralCsv();

private:
    static QString program() { return QStringLiteral(TARVOLINK_BIN_DIR "/tarvolink"); }
    static QProcessEnvironment environment(const QString &home);
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

QProcessEnvironment TestStartup::environment(const QString &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TARVOLINK_HOME", home);
    env.insert("TARVOLINK_AUTO_ANSWER", "1");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    return env;
}

void TestStartup::programEndsWithCodeZeroWithoutGeneralCsv_data()
{
    QTest::addColumn<int>("layout");
    QTest::newRow("configData without general.csv") << int(ConfigDataOnly);
    QTest::newRow("no configData at all") << int(NoConfigData);
    QTest::newRow("general.csv is a folder") << int(GeneralCsvIsFolder);
}

void TestStartup::programEndsWithCodeZeroWithoutGeneralCsv()
{
    QFETCH(int, layout);
    QTemporaryDir home;
    makeInstallation(home.path(), layout);

    QProcess process;
    process.setProcessEnvironment(environment(home.path()));
    process.start(program(), QStringList());
    QVERIFY2(process.waitForStarted(10000), qPrintable(process.errorString()));
    const bool ended = process.waitForFinished(20000);
    if (!ended) {
        process.kill();
        process.waitForFinished(5000);
    }
    QVERIFY2(ended, "the program kept running without general.csv");
    QCOMPARE(process.exitCode(), 0);
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    QVERIFY2(
        err.contains("critical \"Error\": File not found : general.csv. Program aborted!"), qPrintable(err));
    // Exactly one box: nothing after the check asked anything.
    QCOMPARE(err.count("critical \""), 1);
}

void TestStartup::programKeepsRunningWithGeneralCsv()
{
    QTemporaryDir home;
    makeInstallation(home.path(), GeneralCsvPresent);

    QProcess process;
    process.setProcessEnvironment(environment(home.path()));
    process.start(program(), QStringList());
    QVERIFY2(process.waitForStarted(10000), qPrintable(process.errorString()));
    // The event loop runs until the user quits; still running after a while means the window was
    // built and shown without a crash or an early exit.
    const bool endedEarly = process.waitForFinished(2500);
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    if (!endedEarly) {
        process.kill();
        process.waitForFinished(5000);
    }
    QVERIFY2(!endedEarly, qPrintable("ended with code " + QString::number(process.exitCode()) + ": " + err));
    QVERIFY2(!err.contains("critical \""), qPrintable(err));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
