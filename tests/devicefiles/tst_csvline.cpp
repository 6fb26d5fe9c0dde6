// AppPaths moved by a test: every path follows, and clearing the override returns to the folder
// beside the program. Splitting and codecs of csv lines are read by every lookup of
// tst_devicefiles and tst_shippeddata.
#include "apppaths.h"

#include <QtTest>

class TestCsvLine : public QObject
{
    Q_OBJECT
private slots:
    void overriddenBaseDirMovesEveryPath();
};

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
