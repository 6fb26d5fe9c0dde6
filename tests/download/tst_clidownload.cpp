// tarvolink-cli download as a process against pyftpdlib on loopback: the window's outcomes as
// exit codes and one-line reports.
#include "ftppeer.h"

#include <QtTest>

class TstCliDownload : public QObject
{
    Q_OBJECT
private slots:
    void download_data();
    void download();

private:
    FtpPeer m_peer { { { "A1.csv", "a1" }, { "LIE.csv", "short" }, { "readme.txt", "x" },
                         { "sub/C3.csv", "" } },
        { "--user", "tv", kSecret, "--lie-size", "LIE.csv=999", "--extra-entry", "C:evil.csv" } };
};

void TstCliDownload::download_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("report"); // part of stdout + stderr
    QTest::addColumn<QStringList>("after");
    const QStringList none, a1 { "A1.csv" };
    QTest::newRow("list") << none << none << 0 << "dir \t4096" << none;
    QTest::newRow("one file") << QStringList { "--file", "A1.csv" } << none << 0
                              << "File Downloaded Successfully" << a1;
    QTest::newRow("present") << QStringList { "--file", "A1.csv" } << a1 << 5 << "--overwrite" << a1;
    QTest::newRow("size") << QStringList { "--file", "LIE.csv" } << none << 3 << "File Size mismatched"
                          << none;
    QTest::newRow("unsafe") << QStringList { "--file", "C:evil.csv" } << none << 5 << "not a plain file"
                            << none;
    QTest::newRow("all new") << QStringList { "--all-new" } << none << 3 << "Error in downloading new files"
                             << a1;
    QTest::newRow("wrong password") << QStringList { "--password-suffix", "x" } << none << 3
                                    << "Unable to connect" << none;
    QTest::newRow("no link") << QStringList { "--link", "/none" } << none << 4 << "Link file is not found"
                             << none;
}

void TstCliDownload::download()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, present);
    QFETCH(int, exitCode);
    QFETCH(QString, report);
    m_peer.resetCsvFiles(present);
    // The test's own "--password-suffix x" spoils the password in the link file.
    const QString suffix = args.value(0) == "--password-suffix" ? args.takeAt(1) : QString();
    args.removeAll("--password-suffix");
    QVERIFY(m_peer.writeLinkFile("tv:" + kSecret + suffix));
    QProcess cli;
    cli.start(TARVOLINK_BIN_DIR "/tarvolink-cli",
        QStringList { "download", "--data", m_peer.installation() } + args);
    QVERIFY(cli.waitForFinished(30000));
    const QString output = cli.readAllStandardOutput() + cli.readAllStandardError();
    QCOMPARE(cli.exitCode(), exitCode);
    QVERIFY2(output.contains(report) && !output.contains(kSecret), qPrintable(output));
    QTEST(m_peer.csvFiles(), "after");
    for (const QString &name : present)
        QCOMPARE(m_peer.csvFile(name), QByteArray("kept"));
}

QTEST_GUILESS_MAIN(TstCliDownload)
#include "tst_clidownload.moc"
