// The download window against pyftpdlib on loopback: every box it shows goes through the
// scripted prompter, so a box the test did not expect fails it instead of blocking it.
#include "apppaths.h"
#include "ftppeer.h"
#include "ftpwindow.h"
#include "scriptedprompter.h"

#include <QDir>
#include <QProgressDialog>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

const QString kSecret = QStringLiteral("Zx9-s3cret");
const QString kUser = QStringLiteral("tv:") + kSecret;
const QByteArray kA1 = "A1;window;\n";

} // namespace

class TstFtpWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void linkFileProblems_data();
    void linkFileProblems();
    void connectListsAndNavigates();
    void connectFailures_data();
    void connectFailures();
    void downloadOne_data();
    void downloadOne();
    void downloadAllNew_data();
    void downloadAllNew();
    void cancelEndsASlowDownload();

private:
    // Connects with the link file of `peer` and waits for the first listing.
    bool connectTo(FtpPeer &peer, const QString &userInfo = kUser);
    bool waitForCommand(int timeoutMs = 10000);
    bool select(const QString &name);
    QString problems() const { return m_prompter.problems(); }

    FtpPeer m_peer;
    FtpPeer m_slow;
    ScriptedPrompter m_prompter;
    std::unique_ptr<FtpWindow> m_window;
};

void TstFtpWindow::initTestCase()
{
    m_peer.addFiles({ { QStringLiteral("A1.csv"), kA1 }, { QStringLiteral("B2.CSV"), "b2" },
        { QStringLiteral("LIE.csv"), "short" }, { QStringLiteral("readme.txt"), "x" },
        { QStringLiteral("sub/C3.csv"), "c3" } });
    QVERIFY2(
        m_peer.start({ QStringLiteral("--user"), QStringLiteral("tv"), QStringLiteral("--password"), kSecret,
            QStringLiteral("--anonymous"), QStringLiteral("--lie-size"), QStringLiteral("LIE.csv=999") }),
        qPrintable(m_peer.error()));
    m_slow.addFiles({ { QStringLiteral("BIG.csv"), QByteArray(40000, 'z') } });
    QVERIFY2(m_slow.start({ QStringLiteral("--user"), QStringLiteral("tv"), QStringLiteral("--password"),
                 kSecret, QStringLiteral("--throttle"), QStringLiteral("2000") }),
        qPrintable(m_slow.error()));
}

void TstFtpWindow::init()
{
    for (const QString &name : m_peer.csvFiles())
        QFile::remove(QDir(m_peer.csvDir()).filePath(name));
    AppPaths::setBaseDir(m_peer.installation());
    m_prompter.reset();
    m_window = std::make_unique<FtpWindow>(m_prompter);
}

void TstFtpWindow::cleanup()
{
    m_window.reset();
    AppPaths::setBaseDir(QString());
}

bool TstFtpWindow::waitForCommand(int timeoutMs)
{
    QSignalSpy done(m_window.get(), &FtpWindow::commandFinished);
    return done.wait(timeoutMs);
}

bool TstFtpWindow::connectTo(FtpPeer &peer, const QString &userInfo)
{
    AppPaths::setBaseDir(peer.installation());
    if (!peer.writeLinkFile(userInfo))
        return false;
    QSignalSpy done(m_window.get(), &FtpWindow::commandFinished);
    m_window->connectOrDisconnect();
    return done.wait(10000) && m_window->isConnected();
}

bool TstFtpWindow::select(const QString &name)
{
    const QList<QTreeWidgetItem *> items = m_window->fileList()->findItems(name, Qt::MatchExactly);
    if (items.size() != 1)
        return false;
    m_window->fileList()->setCurrentItem(items.first());
    return true;
}

void TstFtpWindow::linkFileProblems_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no link file
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << QByteArray() << "FTP Link file is not found";
    QTest::newRow("not numbers") << QByteArray("ftp://host\n") << "The FTP URL is not valid";
    QTest::newRow("not ftp") << FtpLink::encode(QStringLiteral("http://host")).toUtf8()
                             << "The FTP URL is not valid";
}

void TstFtpWindow::linkFileProblems()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    const QString path = m_peer.installation() + QStringLiteral("/configData/ftpLink.txt");
    QFile::remove(path);
    if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    m_prompter.expectInformation(message, QStringLiteral("Information"));
    m_window->connectOrDisconnect();
    QVERIFY(!m_window->isConnected());
    QVERIFY2(problems().isEmpty(), qPrintable(problems()));
    QCOMPARE(m_prompter.pending(), 0);
}

void TstFtpWindow::connectListsAndNavigates()
{
    QVERIFY(connectTo(m_peer));
    QCOMPARE(m_window->statusText(), QStringLiteral("Logged onto 127.0.0.1."));
    QTreeWidget *list = m_window->fileList();
    QCOMPARE(list->headerItem()->text(0), QStringLiteral("Name"));
    QCOMPARE(list->headerItem()->text(4), QStringLiteral("Time"));
    QCOMPARE(list->topLevelItemCount(), 5);
    const QTreeWidgetItem *sub = list->topLevelItem(0);
    QCOMPARE(sub->text(0), QStringLiteral("sub"));
    QVERIFY(!sub->icon(0).isNull());
    QVERIFY(sub->icon(0).cacheKey() != list->topLevelItem(1)->icon(0).cacheKey());
    QCOMPARE(list->topLevelItem(1)->text(1), QString::number(kA1.size()));
    QCOMPARE(list->topLevelItem(1)->text(4),
        QLocale::c().toString(QDate::currentDate(), QStringLiteral("MMM dd yyyy")));

    // A picture of the listing for the documentation, when the screenshot script asks for one.
    const QString shot = qEnvironmentVariable("TARVOLINK_FTP_SCREENSHOT");
    if (!shot.isEmpty()) {
        QVERIFY(select(QStringLiteral("A1.csv")));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QVERIFY(m_window->grab().save(shot));
    }

    m_window->processItem(list->topLevelItem(0), 0);
    QVERIFY(waitForCommand());
    QCOMPARE(m_window->currentPath(), QStringList { "sub" });
    QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("C3.csv"));
    m_window->cdToParent();
    QVERIFY(waitForCommand());
    QCOMPARE(m_window->currentPath(), QStringList());
    QCOMPARE(list->topLevelItemCount(), 5);

    m_window->connectOrDisconnect();
    QVERIFY(!m_window->isConnected());
    QVERIFY2(problems().isEmpty(), qPrintable(problems()));
}

void TstFtpWindow::connectFailures_data()
{
    QTest::addColumn<QString>("userInfo");
    QTest::addColumn<bool>("connected");
    QTest::addColumn<QString>("message"); // empty: none
    QTest::addColumn<QString>("status");
    QTest::newRow("no user name: no login of ours") << "" << true << ""
                                                    << "Connecting to FTP server 127.0.0.1...";
    QTest::newRow("wrong password")
        << "tv:" + kSecret + "x" << false
        << "Unable to connect to the FTP server at 127.0.0.1. Please check that the "
           "host name is correct."
        << "";
}

void TstFtpWindow::connectFailures()
{
    QFETCH(QString, userInfo);
    QFETCH(bool, connected);
    QFETCH(QString, message);
    QFETCH(QString, status);
    if (!message.isEmpty())
        m_prompter.expectInformation(message, QStringLiteral("FTP"));
    AppPaths::setBaseDir(m_peer.installation());
    QVERIFY(m_peer.writeLinkFile(userInfo));
    m_window->connectOrDisconnect();
    QVERIFY(waitForCommand());
    QCOMPARE(m_window->isConnected(), connected);
    QCOMPARE(m_window->fileList()->topLevelItemCount(), connected ? 5 : 0);
    if (!status.isEmpty())
        QCOMPARE(m_window->statusText(), status);
    QVERIFY(!m_window->statusText().contains(kSecret));
    QVERIFY2(problems().isEmpty(), qPrintable(problems()));
}

void TstFtpWindow::downloadOne_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("old"); // empty: none
    QTest::addColumn<int>("overwrite"); // answer to the overwrite question; NoButton: not asked
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("after"); // empty: no file
    const int notAsked = QMessageBox::NoButton;
    QTest::newRow("new file") << "A1.csv" << QByteArray() << notAsked << "File Downloaded Successfully"
                              << kA1;
    QTest::newRow("overwrite no keeps the old file")
        << "A1.csv" << QByteArray("old\0bytes", 9) << int(QMessageBox::No) << ""
        << QByteArray("old\0bytes", 9);
    QTest::newRow("overwrite yes") << "A1.csv" << QByteArray("old") << int(QMessageBox::Yes)
                                   << "File Downloaded Successfully" << kA1;
    QTest::newRow("upper case CSV") << "B2.CSV" << QByteArray() << notAsked << "File Downloaded Successfully"
                                    << QByteArray("b2");
    QTest::newRow("not a CSV file") << "readme.txt" << QByteArray() << notAsked
                                    << "Select only CSV file to download." << QByteArray();
    QTest::newRow("a directory") << "sub" << QByteArray() << notAsked << "Select only CSV file to download."
                                 << QByteArray();
    QTest::newRow("listed size differs")
        << "LIE.csv" << QByteArray() << notAsked << "File Size mismatched" << QByteArray();
}

void TstFtpWindow::downloadOne()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, old);
    QFETCH(int, overwrite);
    QFETCH(QString, message);
    QFETCH(QByteArray, after);
    if (!old.isEmpty())
        m_peer.putCsvFile(name, old);
    QVERIFY(connectTo(m_peer));
    QVERIFY(select(name));
    if (overwrite != QMessageBox::NoButton)
        m_prompter.expectQuestion(QStringLiteral("File already downloaded, do you want to overwrite?"),
            QMessageBox::StandardButton(overwrite), QStringLiteral("FTP"));
    if (!message.isEmpty())
        m_prompter.expectInformation(message, QStringLiteral("FTP"));
    QSignalSpy done(m_window.get(), &FtpWindow::commandFinished);
    m_window->downloadFile();
    // The transfer runs on the worker thread; only a transfer that started ends with a signal.
    if (message.startsWith(QLatin1String("File ")))
        QVERIFY(done.wait(10000));
    QCOMPARE(m_prompter.pending(), 0);
    QVERIFY2(problems().isEmpty(), qPrintable(problems()));
    QCOMPARE(m_peer.csvFiles(), after.isEmpty() ? QStringList() : QStringList { name });
    if (!after.isEmpty())
        QCOMPARE(m_peer.csvFile(name), after);
}

void TstFtpWindow::downloadAllNew_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("everything present")
        << QStringList { "A1.csv", "B2.CSV", "LIE.csv" }
        << "Operation is successful. All files are updated and no file is downloaded."
        << QStringList { "A1.csv", "B2.CSV", "LIE.csv" };
    QTest::newRow("two new") << QStringList { "LIE.csv" }
                             << "Operation is successful. The total number of files downloaded is 2."
                             << QStringList { "A1.csv", "B2.CSV", "LIE.csv" };
    QTest::newRow("one fails") << QStringList() << "Error in downloading new files. Please download again."
                               << QStringList { "A1.csv", "B2.CSV" };
}

void TstFtpWindow::downloadAllNew()
{
    QFETCH(QStringList, present);
    QFETCH(QString, message);
    for (const QString &name : present)
        m_peer.putCsvFile(name, "kept");
    QVERIFY(connectTo(m_peer));
    m_prompter.expectInformation(message, QStringLiteral("FTP"));
    m_window->downloadAllNewFiles();
    QVERIFY(waitForCommand());
    QVERIFY2(problems().isEmpty(), qPrintable(problems()));
    QTEST(m_peer.csvFiles(), "after");
    for (const QString &name : present)
        QCOMPARE(m_peer.csvFile(name), QByteArray("kept"));
}

void TstFtpWindow::cancelEndsASlowDownload()
{
    m_window->setTransferTimeout(30000);
    QVERIFY(connectTo(m_slow));
    QVERIFY(select(QStringLiteral("BIG.csv")));
    QSignalSpy done(m_window.get(), &FtpWindow::commandFinished);
    m_window->downloadFile();
    auto *progress = m_window->findChild<QProgressDialog *>();
    QVERIFY(progress && progress->isVisible());
    // The window keeps handling events while the worker waits on the network.
    QTRY_VERIFY_WITH_TIMEOUT(progress->value() > 0, 5000);
    m_window->cancelDownload();
    QVERIFY(done.wait(2000));
    QCOMPARE(m_window->statusText(), QStringLiteral("Canceled download of BIG.csv."));
    QVERIFY(m_slow.csvFiles().isEmpty());
    QVERIFY(!progress->isVisible());
    QVERIFY2(problems().isEmpty(), qPrintable(problems()));
}

// Every warning is fatal here; without a runtime directory Qt would warn before the first test.
int main(int argc, char *argv[])
{
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        QFile::setPermissions(
            runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    }
    QApplication app(argc, argv);
    TstFtpWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_ftpwindow.moc"
