// The alert list: the log file every 251 rows and at close, its bounded memory, the sentences a
// person reads and the folding of repeats. The new page at the 101st alert is shown through the
// widget in tst_statusviews; the rows of a real silent unit in tst_tabwidget.
#include "alertlist.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A link-information row as the unit connector writes it.
QString row(const QString &result, const QString &message, const QString &kind = "error information",
    const QString &name = "KTZ23-2P5 (5)")
{
    return "5\t" + name + "\tCOM3\t" + result + "\t" + message + "\t----\t" + kind;
}

} // namespace

class TstAlertList : public QObject
{
    Q_OBJECT
private slots:
    void the251stRowWritesTheLogFileAndEmptiesPending();
    void unwritableLogDropsAlertsSoMemoryStaysBounded();
    void rowsReadAsSentences_data();
    void rowsReadAsSentences();
    void repeatsFoldAndTheLogKeepsEveryRow();
    void alertLineCountsRepeatsAndEndsWithTheUnitsRecovery();

private:
    static QStringList logLines(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return {};
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }
};

void TstAlertList::the251stRowWritesTheLogFileAndEmptiesPending()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("LogData/x.log");
    {
        AlertList list(path);
        for (int i = 1; i <= 250; ++i)
            list.add(QString("alert %1").arg(i));
        QVERIFY(!QFile::exists(path));
        QVERIFY(list.add("alert 251") & AlertList::LogWritten);
        QVERIFY(list.pending().isEmpty());
        QCOMPARE(logLines(path).size(), 251);
        QVERIFY(logLines(path).last().endsWith("\t   alert 251"));
        // Pages and history never keep more than their limits over a long day.
        for (int i = 0; i < 3000; ++i)
            list.add(QString("more %1").arg(i));
        QCOMPARE(list.history().size(), AlertList::LogEvery);
        QVERIFY(list.current().size() <= AlertList::CurrentLimit);
        QVERIFY(list.pending().size() < AlertList::LogEvery);
    }
    // The rows still pending are written at close-down.
    QCOMPARE(logLines(path).size(), 3251);
    // Log files are named by a date that sorts and reads: year, month, day, then the time.
    QCOMPARE(AlertList::logFileName("/d", QDateTime(QDate(2026, 12, 6), QTime(20, 5, 25))),
        QDir::toNativeSeparators("/d/logData_20261206_200525.log"));
}

void TstAlertList::unwritableLogDropsAlertsSoMemoryStaysBounded()
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath("file"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    AlertList list(dir.filePath("file/sub/x.log")); // a folder where a file is
    for (int i = 0; i < 10; ++i)
        list.add("x");
    QVERIFY(!list.flush());
    QVERIFY(list.pending().isEmpty());
}

void TstAlertList::rowsReadAsSentences_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("attempts");
    QTest::addColumn<QString>("sentence"); // empty: not an alert
    const QString silent = "error Information\t-12\tcommunication timeout error   \t44501\tread failure";
    QTest::newRow("silent read") << row("failure", silent) << 1
                                 << "KTZ23-2P5 (5): no answer to a read of 44501";
    QTest::newRow("silent write after resends")
        << row("failure", "error information\t-12\tresending the same message:2\t40012\twrite failure") << 3
        << "KTZ23-2P5 (5): no answer to a write of 40012 after 3 attempts";
    QTest::newRow("other engine error")
        << row("failure", "error Information\t-13\tcrc error                     \t44501\tread failure") << 2
        << "KTZ23-2P5 (5): read of 44501 failed after 2 attempts: crc error";
    QTest::newRow("exception") << row(
        "warning", "warning message\t-16\tillegal data address\t40161\tread failure")
                               << 1
                               << "KTZ23-2P5 (5): the unit refused a read of 40161: illegal data address";
    QTest::newRow("unit not yet named") << row("failure", silent, "error information", "no device name") << 1
                                        << "unit 5 on COM3: no answer to a read of 44501";
    QTest::newRow("drive trip") << row("failure", "drive trip: 1 Motor I2t") << 1
                                << "KTZ23-2P5 (5): drive trip: 1 Motor I2t";
    QTest::newRow("message box") << "Error: Comm Error\n refer log details" << 1
                                 << "Error: Comm Error refer log details";
    QTest::newRow("success") << row("success", "device link established", "Link Information") << 1 << "";
    QTest::newRow("silent scan candidate") << row("failure", "No Device Link", "scan result") << 1 << "";
    QTest::newRow("socket side of a failed exchange")
        << row("failure", "Link Info\t10.0.0.8\tTIME_OUT_FOR_CONNECTION\t----\tFAILURE") << 1 << "";
}

void TstAlertList::rowsReadAsSentences()
{
    QFETCH(QString, text);
    QFETCH(int, attempts);
    QFETCH(QString, sentence);
    const AlertEvent event = AlertEvent::parse(text);
    QCOMPARE(event.isAlert(), !sentence.isEmpty());
    if (event.isAlert())
        QCOMPARE(event.sentence(attempts), sentence);
}

void TstAlertList::repeatsFoldAndTheLogKeepsEveryRow()
{
    QTemporaryDir dir;
    AlertList list(dir.filePath("x.log"));
    const QDateTime t0(QDate(2026, 5, 20), QTime(10, 0));
    // Two exchanges of a silent unit, each tried three times, at different registers; a success
    // and a scan result between them; then another unit's failure.
    for (int n = 0; n < 2; ++n) {
        const QString address = n == 0 ? "44501" : "44502";
        list.add(
            row("failure", "error Information\t-12\ttimeout\t" + address + "\tread failure"), t0.addSecs(n));
        for (int r = 1; r <= 2; ++r)
            list.add(row("failure",
                         QString("error information\t-12\tresending the same message:%1\t%2\tread failure")
                             .arg(r)
                             .arg(address)),
                t0.addSecs(n));
        list.add(row("success", "reads one parameter at a time", "Link Information"), t0.addSecs(n));
        list.add(row("failure", "No Device Link", "scan result"), t0.addSecs(n));
    }
    QCOMPARE(list.add("Error: Device not connected", t0.addSecs(5)), int(AlertList::Appended));
    QCOMPARE(list.current().size(), 2);
    const AlertFold &silent = list.current().first();
    QCOMPARE(silent.count, 2);
    QCOMPARE(silent.first, t0);
    QCOMPARE(silent.last, t0.addSecs(1));
    QCOMPARE(silent.sentence(), QString("KTZ23-2P5 (5): no answer to a read of 44502 after 3 attempts"));
    QCOMPARE(list.pending().size(), 11);
    QCOMPARE(AlertList::exportText(list.current()).split('\n').first(),
        t0.addSecs(1).toString(Qt::TextDate)
            + "\t2\tKTZ23-2P5 (5): no answer to a read of 44502 after 3 attempts");
    list.clear();
    QVERIFY(list.current().isEmpty());
    QCOMPARE(list.pending().size(), 11);
}

void TstAlertList::alertLineCountsRepeatsAndEndsWithTheUnitsRecovery()
{
    AlertLineState line;
    const QString silent = row("failure", "error Information\t-12\ttimeout\t44501\tread failure");
    QCOMPARE(
        line.take(row("success", "device link established", "Link Information")), AlertLineState::Ignored);
    QCOMPARE(line.take(silent), AlertLineState::Shown);
    QVERIFY(line.isFailure());
    QCOMPARE(line.take(silent), AlertLineState::Counted);
    QCOMPARE(line.text(), QString("KTZ23-2P5 (5): no answer to a read of 44501 (2×)"));
    // Another unit answering again does not end this unit's alert; this unit's does.
    QCOMPARE(line.take("6\tRVN (6)\tCOM3\tsuccess\tdevice answers again\t----\tLink Information"),
        AlertLineState::Ignored);
    QCOMPARE(line.take(row("success", "device answers again", "Link Information")), AlertLineState::Cleared);
    QVERIFY(line.text().isEmpty());
    QCOMPARE(line.take("Invalid password"), AlertLineState::Shown);
    QVERIFY(!line.isFailure());
}

QTEST_GUILESS_MAIN(TstAlertList)
#include "tst_alertlist.moc"
