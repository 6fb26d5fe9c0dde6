#include "../parameterrows.h"
#include "parametercompare.h"
#include "viewfixture.h"

#include <QtTest>

using namespace ViewFixture;

// The comparison rule: which set values count as different, how parameters are paired, and
// what is left over on each side.
class TestParameterCompare : public QObject
{
    Q_OBJECT
private slots:
    void editsAreListedExactlyWithTheirSets();
    void differences_data();
    void differences();
    void emptySideComparesNothing();
};

void TestParameterCompare::editsAreListedExactlyWithTheirSets()
{
    auto first = unitModel();
    auto second = unitModel();
    const auto edit = [&second](const QString &menu, int set, const QString &value) {
        QVERIFY2(second->setData(cell(*second, menu, TreeItem::SetAColumn + set), value), qPrintable(menu));
    };
    edit("213", 0, "Torque"); // one value for all sets: all four differ
    edit("222", 1, "60"); // whole number, set B (120 x 60 / 1450 keeps 4 poles)
    edit("227", 2, "0.9"); // scaled decimal, set C
    edit("643", 3, "2:00:00"); // time, set D
    edit("228", 3, "Forced"); // value text, set D

    QList<TreeItem *> onlyFirst, onlySecond;
    const QList<TreeItem *> pairs = CompareDriveParam(first.get(), second.get(), onlyFirst, onlySecond);
    QStringList menus;
    for (int i = 0; i < pairs.size(); i += 2) {
        QCOMPARE(pairs.at(i)->text(0), pairs.at(i + 1)->text(0));
        menus << pairs.at(i)->text(0);
    }
    QCOMPARE(menus, QStringList({ "213", "222", "227", "228", "643" }));

    const auto result = ParameterCompare::compare(first.get(), second.get());
    QStringList sets;
    for (const auto &d : result.differences) {
        QString s;
        for (int set = 0; set < 4; ++set)
            s += d.sets[set] ? QChar('A' + set) : QChar('-');
        sets << s;
    }
    QCOMPARE(sets, QStringList({ "ABCD", "-B--", "--C-", "---D", "---D" }));
}

// Pairs of (shown, stored) values of one set and whether they differ.
void TestParameterCompare::differences_data()
{
    QTest::addColumn<QString>("shownA");
    QTest::addColumn<QString>("storedA");
    QTest::addColumn<QString>("shownB");
    QTest::addColumn<QString>("storedB");
    QTest::addColumn<bool>("differs");
    const auto row = [](const char *name, const char *shownA, const char *storedA, const char *shownB,
                         const char *storedB, bool differs) {
        QTest::newRow(name) << shownA << storedA << shownB << storedB << differs;
    };
    row("same number", "50", "50", "50", "50", false);
    row("other number", "50", "50", "60", "60", true);
    row("leading zero stored", "50", "050", "50", "50", false);
    row("shown alike, stored differs", "0.5", "63493", "0.5", "61940", false);
    row("time compared as text", "1:30:00", "1:30:00", "1:30:01", "1:30:1", true);
    // Texts are not numbers: both read as 0 would hide every change of a name.
    row("text differs", "Pump 1", "Pump 1", "Pump 2", "Pump 2", true);
    row("empty versus value", "", "", "5", "5", true);
}

void TestParameterCompare::differences()
{
    QFETCH(QString, shownA);
    QFETCH(QString, storedA);
    QFETCH(QString, shownB);
    QFETCH(QString, storedB);
    QFETCH(bool, differs);
    QVector<QVariant> columns(TreeItem::ColumnCount);
    TreeItem a(columns), b(columns);
    a.setData(TreeItem::SetAColumn, shownA);
    a.setData(TreeItem::StoredAColumn, storedA);
    b.setData(TreeItem::SetAColumn, shownB);
    b.setData(TreeItem::StoredAColumn, storedB);
    QCOMPARE(ParameterCompare::setDiffers(a, b, 0), differs);
}

void TestParameterCompare::emptySideComparesNothing()
{
    auto first = unitModel();
    QVERIFY(ParameterCompare::compare(first.get(), nullptr).identical());
    using namespace ParameterRows;
    auto menusOnly = model(table({ definition("1", 1, "M"), language("English", "Menu") }));
    QList<TreeItem *> onlyFirst, onlySecond;
    QVERIFY(CompareDriveParam(first.get(), menusOnly.get(), onlyFirst, onlySecond).isEmpty());
    QCOMPARE(onlyFirst.size(), first->GetEditableParameters().size());
}

QTEST_GUILESS_MAIN(TestParameterCompare)
#include "tst_parametercompare.moc"
