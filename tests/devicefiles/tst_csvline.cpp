#include "apppaths.h"
#include "csvline.h"

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
