#include "apppaths.h"
#include "csvline.h"

#include <QtTest>

class TestCsvLine : public QObject
{
    Q_OBJECT
private slots:
    void splitCleansFields_data();
    void splitCleansFields();
    void codecFollowsFileName();
    void overriddenBaseDirMovesEveryPath();
};

void TestCsvLine::splitCleansFields_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("thousands comma removed") << "1,234;x" << QStringList { "1234", "x" };
    QTest::newRow("blanks trimmed") << "  a b ;c" << QStringList { "a b", "c" };
    QTest::newRow("empty fields kept") << "a;;b;" << QStringList { "a", "", "b", "" };
}

void TestCsvLine::splitCleansFields()
{
    QFETCH(QString, line);
    QFETCH(QStringList, fields);
    QCOMPARE(CsvLine::split(line), fields);
}

void TestCsvLine::codecFollowsFileName()
{
    QCOMPARE(CsvLine::codecForDeviceFile("ABCV2.03_UTF8.csv")->name(), QByteArray("UTF-8"));
    QCOMPARE(CsvLine::codecForDeviceFile("ABCV2.03.csv")->name(), QByteArray("windows-1252"));
}

void TestCsvLine::overriddenBaseDirMovesEveryPath()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    AppPaths::setBaseDir(dir.path());
    QVERIFY(AppPaths::csvDir().startsWith(dir.path()));
    QVERIFY(AppPaths::configDir().endsWith("/configData"));
    AppPaths::setBaseDir(QString());
    QCOMPARE(AppPaths::baseDir(), QCoreApplication::applicationDirPath());
}

QTEST_GUILESS_MAIN(TestCsvLine)
#include "tst_csvline.moc"
