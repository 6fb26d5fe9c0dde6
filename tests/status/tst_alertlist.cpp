// The alert list: the log file every 251 alerts and at close, and its bounded memory. The new page
// at the 101st alert is shown through the widget in tst_statusviews.
#include "alertlist.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TstAlertList : public QObject
{
    Q_OBJECT
private slots:
    void the251stAlertWritesTheLogFileAndEmptiesPending();
    void unwritableLogDropsAlertsSoMemoryStaysBounded();

private:
    static QStringList logLines(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return {};
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }
};

void TstAlertList::the251stAlertWritesTheLogFileAndEmptiesPending()
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
            list.add("more");
        QVERIFY(list.history().size() <= AlertList::LogEvery);
        QVERIFY(list.current().size() <= AlertList::CurrentLimit + 1);
        QVERIFY(list.pending().size() < AlertList::LogEvery);
    }
    // The alerts still pending are written at close-down.
    QCOMPARE(logLines(path).size(), 3251);
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

QTEST_GUILESS_MAIN(TstAlertList)
#include "tst_alertlist.moc"
