// The download window against pyftpdlib on loopback; every box goes through the scripted
// prompter, so a box the test did not expect fails it instead of blocking it.
#include "apppaths.h"
#include "ftplink.h"
#include "ftppeer.h"
#include "ftpwindow.h"
#include "promptedtest.h"

#include <QApplication>
#include <QProgressDialog>
#include <QTreeWidget>
#include <QtTest>

class TstFtpWindow : public PromptedTest
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void connectListsAndNavigates();
    void connectOutcomes_data();
    void connectOutcomes();
    void downloadOne_data();
    void downloadOne();
    void downloadAllNew_data();
    void downloadAllNew();
    void cancelEndsASlowDownload();

private:
    // Writes the link file of `peer`, connects and waits for the first listing.
    bool connectTo(const FtpPeer &peer, const QString &userInfo = kUser);
    bool waitForCommand(int timeoutMs = 10000)
    {
        return QSignalSpy(m_window.get(), &FtpWindow::commandFinished).wait(timeoutMs);
    }
    bool select(const QString &name)
    {
        const auto items = m_window->fileList()->findItems(name, Qt::MatchExactly);
        m_window->fileList()->setCurrentItem(items.value(0));
        return items.size() == 1;
    }

    FtpPeer m_peer { { { "A1.csv", "a1" }, { "B2.CSV", "b2" }, { "LIE.csv", "short" }, { "readme.txt", "x" },
                         { "sub/C3.csv", "c3" } },
        { "--user", "tv", kSecret, "--anonymous", "--lie-size", "LIE.csv=999" } };
    FtpPeer m_slow { { { "BIG.csv", QByteArray(40000, 'z') } },
        { "--user", "tv", kSecret, "--throttle", "2000" } };
    std::unique_ptr<FtpWindow> m_window;
};

void TstFtpWindow::initTestCase()
{
    QVERIFY2(
        m_peer.error().isEmpty() && m_slow.error().isEmpty(), qPrintable(m_peer.error() + m_slow.error()));
}

void TstFtpWindow::init()
{
    m_peer.resetCsvFiles();
    AppPaths::setBaseDir(m_peer.installation());
    m_window = std::make_unique<FtpWindow>(prompter);
}

void TstFtpWindow::cleanup()
{
    m_window.reset();
    AppPaths::setBaseDir(QString());
    verifyPrompts();
}

bool TstFtpWindow::connectTo(const FtpPeer &peer, const QString &userInfo)
{
    AppPaths::setBaseDir(peer.installation());
    QSignalSpy done(m_window.get(), &FtpWindow::commandFinished);
    if (!peer.writeLinkFile(userInfo))
        return false;
    m_window->connectOrDisconnect();
    return done.wait(10000);
}

void TstFtpWindow::connectListsAndNavigates()
{
    QVERIFY(connectTo(m_peer));
    QCOMPARE(m_window->statusText(), QString("Logged onto 127.0.0.1."));
    QTreeWidget *list = m_window->fileList();
    QCOMPARE(list->topLevelItemCount(), 5);
    QCOMPARE(list->topLevelItem(0)->text(0), QString("sub"));

    // A picture of the listing for the documentation, when scripts/screenshot-ftp.sh asks for one.
    const QString shot = qEnvironmentVariable("TARVOLINK_FTP_SCREENSHOT");
    if (!shot.isEmpty()) {
        QVERIFY(select("A1.csv"));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QVERIFY(m_window->grab().save(shot));
    }

    m_window->processItem(list->topLevelItem(0), 0);
    QVERIFY(waitForCommand());
    QCOMPARE(m_window->currentPath(), QStringList { "sub" });
    QCOMPARE(list->topLevelItem(0)->text(0), QString("C3.csv"));
    m_window->cdToParent();
    QVERIFY(waitForCommand());
    QCOMPARE(list->topLevelItemCount(), 5);
    m_window->connectOrDisconnect();
    QVERIFY(!m_window->isConnected() && !QApplication::overrideCursor());
}

void TstFtpWindow::connectOutcomes_data()
{
    QTest::addColumn<QByteArray>("link"); // the link file; empty: none
    QTest::addColumn<QString>("message"); // empty: none; the window stays connected
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("status");
    const auto row = [](const char *name, const QString &link, const char *message, const char *title,
                         const char *status) {
        QTest::newRow(name) << link.toUtf8() << QString(message) << QString(title) << QString(status);
    };
    row("link file missing", QString(), "FTP Link file is not found", "Information", "");
    row("link not ftp", FtpLink::encode("http://host"), "The FTP URL is not valid", "Information", "");
    row("no user name: no login of ours", FtpLink::encode(m_peer.linkText("")), "", "",
        "Connecting to FTP server 127.0.0.1...");
    row("wrong password", FtpLink::encode(m_peer.linkText(kUser + "x")),
        "Unable to connect to the FTP server at 127.0.0.1. Please check that the host name is correct.",
        "FTP", "Access denied");
}

void TstFtpWindow::connectOutcomes()
{
    QFETCH(QByteArray, link);
    QFETCH(QString, message);
    QFETCH(QString, title);
    QFETCH(QString, status);
    QFile file(m_peer.installation() + "/configData/ftpLink.txt");
    file.remove();
    QVERIFY(link.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(link) && file.flush()));
    file.close();
    if (!message.isEmpty())
        prompter.expectInformation(message, title);
    QSignalSpy done(m_window.get(), &FtpWindow::commandFinished);
    m_window->connectOrDisconnect();
    // A link file that reads starts a connection, which ends with the signal.
    QVERIFY(title == "Information" || done.wait(10000));
    QCOMPARE(m_window->isConnected(), message.isEmpty());
    QCOMPARE(m_window->fileList()->topLevelItemCount(), message.isEmpty() ? 5 : 0);
    QVERIFY2(
        status.isEmpty() || m_window->statusText().startsWith(status), qPrintable(m_window->statusText()));
    QVERIFY(!m_window->statusText().contains(kSecret));
}

void TstFtpWindow::downloadOne_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("old"); // empty: none
    QTest::addColumn<int>("overwrite"); // answer to the overwrite question; NoButton: not asked
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("after");
    const int notAsked = QMessageBox::NoButton, yes = QMessageBox::Yes, no = QMessageBox::No;
    const QString done = "File Downloaded Successfully", mismatch = "File Size mismatched";
    const QByteArray old("old\0bytes", 9), missing("<missing>");
    QTest::newRow("new, upper case") << "B2.CSV" << QByteArray() << notAsked << done << QByteArray("b2");
    QTest::newRow("overwrite no keeps the old file") << "A1.csv" << old << no << "" << old;
    QTest::newRow("overwrite yes") << "A1.csv" << old << yes << done << QByteArray("a1");
    QTest::newRow("overwrite yes, size differs") << "LIE.csv" << old << yes << mismatch << old;
    QTest::newRow("not a CSV file") << "readme.txt" << QByteArray() << notAsked
                                    << "Select only CSV file to download." << missing;
}

void TstFtpWindow::downloadOne()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, old);
    QFETCH(int, overwrite);
    QFETCH(QString, message);
    QFETCH(QByteArray, after);
    m_peer.resetCsvFiles(old.isEmpty() ? QStringList() : QStringList { name }, old);
    QVERIFY(connectTo(m_peer));
    QVERIFY(select(name));
    if (overwrite != QMessageBox::NoButton)
        prompter.expectQuestion("File already downloaded, do you want to overwrite?",
            QMessageBox::StandardButton(overwrite), "FTP");
    if (!message.isEmpty())
        prompter.expectInformation(message, "FTP");
    QSignalSpy done(m_window.get(), &FtpWindow::commandFinished);
    m_window->downloadFile();
    // Only a transfer that started ends with the signal, on the worker's answer.
    QVERIFY(!message.startsWith("File ") || done.wait(10000));
    QCOMPARE(m_peer.csvFile(name), after);
    QCOMPARE(m_peer.csvFiles(), after == "<missing>" ? QStringList() : QStringList { name });
}

void TstFtpWindow::downloadAllNew_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("after");
    const QStringList all { "A1.csv", "B2.CSV", "LIE.csv" };
    QTest::newRow("everything present")
        << all << "Operation is successful. All files are updated and no file is downloaded." << all;
    QTest::newRow("two new") << QStringList { "LIE.csv" }
                             << "Operation is successful. The total number of files downloaded is 2." << all;
    QTest::newRow("one fails") << QStringList() << "Error in downloading new files. Please download again."
                               << QStringList { "A1.csv", "B2.CSV" };
}

void TstFtpWindow::downloadAllNew()
{
    QFETCH(QStringList, present);
    QFETCH(QString, message);
    m_peer.resetCsvFiles(present);
    QVERIFY(connectTo(m_peer));
    prompter.expectInformation(message, "FTP");
    m_window->downloadAllNewFiles();
    QVERIFY(waitForCommand());
    QTEST(m_peer.csvFiles(), "after");
    for (const QString &name : present)
        QCOMPARE(m_peer.csvFile(name), QByteArray("kept"));
}

void TstFtpWindow::cancelEndsASlowDownload()
{
    m_slow.resetCsvFiles();
    QVERIFY(connectTo(m_slow));
    QVERIFY(select("BIG.csv"));
    QSignalSpy done(m_window.get(), &FtpWindow::commandFinished);
    m_window->downloadFile();
    auto *progress = m_window->findChild<QProgressDialog *>();
    // The progress moves while the worker waits on the network: the window keeps its events going.
    QTRY_VERIFY_WITH_TIMEOUT(progress->isVisible() && progress->value() > 0, 5000);
    m_window->cancelDownload();
    QVERIFY(done.wait(2000));
    QCOMPARE(m_window->statusText(), QString("Canceled download of BIG.csv."));
    QVERIFY(m_slow.csvFiles().isEmpty() && !progress->isVisible());
}

TARVOLINK_WIDGET_TEST_MAIN(TstFtpWindow)
#include "tst_ftpwindow.moc"
