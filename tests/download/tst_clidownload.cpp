// tarvolink-cli download as a process against pyftpdlib on loopback: the same outcomes as the
// window, as exit codes and one-line reports.
#include "ftppeer.h"

#include <QDir>
#include <QProcess>
#include <QtTest>

namespace {
const QString kSecret = QStringLiteral("Zx9-s3cret");
}

class TstCliDownload : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void download_data();
    void download();

private:
    FtpPeer m_peer;
};

void TstCliDownload::initTestCase()
{
    m_peer.addFiles({ { QStringLiteral("A1.csv"), "a1" }, { QStringLiteral("B2.CSV"), "b2" },
        { QStringLiteral("LIE.csv"), "short" }, { QStringLiteral("readme.txt"), "x" },
        { QStringLiteral("sub/C3.csv"), "c3" } });
    QVERIFY2(m_peer.start({ QStringLiteral("--user"), QStringLiteral("tv"), QStringLiteral("--password"),
                 kSecret, QStringLiteral("--lie-size"), QStringLiteral("LIE.csv=999"),
                 QStringLiteral("--extra-entry"), QStringLiteral("C:evil.csv") }),
        qPrintable(m_peer.error()));
}

void TstCliDownload::download_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("report"); // part of stdout + stderr
    QTest::addColumn<QStringList>("after");
    const QStringList none;
    QTest::newRow("list") << none << kSecret << none << 0 << "dir \t4096" << none;
    QTest::newRow("one file") << QStringList { "--file", "A1.csv" } << kSecret << none << 0
                              << "File Downloaded Successfully" << QStringList { "A1.csv" };
    QTest::newRow("present, no overwrite")
        << QStringList { "--file", "A1.csv" } << kSecret << QStringList { "A1.csv" } << 5 << "--overwrite"
        << QStringList { "A1.csv" };
    QTest::newRow("size mismatch") << QStringList { "--file", "LIE.csv" } << kSecret << none << 3
                                   << "File Size mismatched" << none;
    QTest::newRow("not csv") << QStringList { "--file", "readme.txt" } << kSecret << none << 5
                             << "Select only CSV file to download." << none;
    QTest::newRow("outside the folder")
        << QStringList { "--file", "C:evil.csv" } << kSecret << none << 5 << "not a plain file name" << none;
    QTest::newRow("all new, one fails")
        << QStringList { "--all-new" } << kSecret << QStringList { "A1.csv" } << 3
        << "Error in downloading new files." << QStringList { "A1.csv", "B2.CSV" };
    QTest::newRow("all new, all present")
        << QStringList { "--all-new" } << kSecret << QStringList { "A1.csv", "B2.CSV", "LIE.csv" } << 0
        << "no file is downloaded" << QStringList { "A1.csv", "B2.CSV", "LIE.csv" };
    QTest::newRow("wrong password") << none << kSecret + "x" << none << 3 << "Unable to connect" << none;
    QTest::newRow("no link file") << QStringList { "--link", "/nonexistent/ftpLink.txt" } << kSecret << none
                                  << 4 << "FTP Link file is not found" << none;
}

void TstCliDownload::download()
{
    QFETCH(QStringList, args);
    QFETCH(QString, password);
    QFETCH(QStringList, present);
    QFETCH(int, exitCode);
    QFETCH(QString, report);
    for (const QString &name : m_peer.csvFiles())
        QFile::remove(QDir(m_peer.csvDir()).filePath(name));
    for (const QString &name : present)
        m_peer.putCsvFile(name, "kept");
    QVERIFY(m_peer.writeLinkFile(QStringLiteral("tv:") + password));

    QProcess cli;
    cli.start(QStringLiteral(TARVOLINK_BIN_DIR "/tarvolink-cli"),
        QStringList { QStringLiteral("download"), QStringLiteral("--data"), m_peer.installation() } + args);
    QVERIFY(cli.waitForFinished(30000));
    const QString output = QString::fromUtf8(cli.readAllStandardOutput() + cli.readAllStandardError());
    QCOMPARE(cli.exitCode(), exitCode);
    QVERIFY2(output.contains(report), qPrintable(output));
    QVERIFY(!output.contains(kSecret));
    QTEST(m_peer.csvFiles(), "after");
    for (const QString &name : present)
        QCOMPARE(m_peer.csvFile(name), QByteArray("kept"));
}

QTEST_GUILESS_MAIN(TstCliDownload)
#include "tst_clidownload.moc"
