#include "parameterrows.h"
#include "treeitem.h"
#include "treemodel.h"

#include <QtTest>

using namespace ParameterRows;

// The loader turns the parameter table into the tree: which rows become items, where they
// hang, and when the whole table is refused.
class TestParameterTableLoader : public QObject
{
    Q_OBJECT
private slots:
    void languageRowDecidesWhichItemsExist_data();
    void languageRowDecidesWhichItemsExist();
    void levelStackPlacesSkippedLevels_data();
    void levelStackPlacesSkippedLevels();
    void plusAndQuoteAreNotPartOfTheKey();
    void damagedTableInvalidatesAndKeepsNothing_data();
    void damagedTableInvalidatesAndKeepsNothing();
    void commentsBlankLinesAndBareLanguageRowsAreAccepted();

private:
    static QString pathOf(const TreeModel &model, const QString &menu);
};

QString TestParameterTableLoader::pathOf(const TreeModel &model, const QString &menu)
{
    QStringList path;
    for (const TreeItem *item = model.findItem(menu); item && item != model.rootItem(); item = item->parent())
        path.prepend(item->text(TreeItem::MenuColumn));
    return path.join(QLatin1Char('/'));
}

void TestParameterTableLoader::languageRowDecidesWhichItemsExist_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("menus");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("English") << 0 << QStringList { "1", "2" } << QStringList { "One", "Two" };
    QTest::newRow("Deutsch") << 3 << QStringList { "1", "3" } << QStringList { "Eins", "Drei" };
    QTest::newRow("Português") << 10 << QStringList { "3" } << QStringList { "Três" };
    QTest::newRow("unknown index means English")
        << 42 << QStringList { "1", "2" } << QStringList { "One", "Two" };
}

void TestParameterTableLoader::languageRowDecidesWhichItemsExist()
{
    QFETCH(int, language);
    const QString text = table({ definition("1", 1, "0"), ParameterRows::language("English", "One"),
        ParameterRows::language("Deutsch", "Eins"), definition("2", 1, "0"),
        ParameterRows::language("English", "Two"), definition("3", 1, "0"),
        ParameterRows::language("Deutsch", "Drei"), ParameterRows::language("Português", "Três"),
        ParameterRows::language("Deutsch", "second German row is ignored") });
    ParameterTableLoader::Options options;
    options.language = language;
    auto m = model(text, options);
    QVERIFY(m->isValid());
    QStringList gotMenus, gotTexts;
    for (TreeItem *item : m->allItems()) {
        gotMenus << item->text(TreeItem::MenuColumn);
        gotTexts << item->text(TreeItem::TextColumn);
    }
    QTEST(gotMenus, "menus");
    QTEST(gotTexts, "texts");
}

void TestParameterTableLoader::levelStackPlacesSkippedLevels_data()
{
    QTest::addColumn<QStringList>("levels"); // "menu:level" in file order
    QTest::addColumn<QStringList>("paths");
    QTest::newRow("regular nesting") << QStringList { "1:1", "11:2", "111:3", "2:1", "21:2" }
                                     << QStringList { "1", "1/11", "1/11/111", "2", "2/21" };
    QTest::newRow("level 3 under a level-1 row without children")
        << QStringList { "1:1", "13:3", "14:3" } << QStringList { "1", "1/13", "1/14" };
    QTest::newRow("level 4 under a level-1 parent with children")
        << QStringList { "1:1", "11:2", "12:2", "124:4" } << QStringList { "1", "1/11", "1/12", "1/12/124" };
    QTest::newRow("first row deeper than level 1 hangs at the top")
        << QStringList { "5:3", "6:1" } << QStringList { "5", "6" };
    QTest::newRow("level 0 or junk never pops the root")
        << QStringList { "1:1", "11:2", "9:0", "8:x" } << QStringList { "1", "1/11", "9", "8" };
}

void TestParameterTableLoader::levelStackPlacesSkippedLevels()
{
    QFETCH(QStringList, levels);
    QStringList records;
    for (const QString &entry : levels) {
        const QString menu = entry.section(':', 0, 0);
        QString row = definition(menu, 1, "M");
        QStringList f = row.split(';');
        f[2] = entry.section(':', 1, 1);
        records << f.join(';') << language("English", "Menu " + menu);
    }
    auto m = model(table(records));
    QVERIFY(m->isValid());
    QStringList got;
    for (const QString &entry : levels)
        got << pathOf(*m, entry.section(':', 0, 0));
    QTEST(got, "paths");
}

void TestParameterTableLoader::plusAndQuoteAreNotPartOfTheKey()
{
    auto m = model(table({ '"' + definition("+213", 1, "0", { { 8, "400" } }), language("English", "Voltage"),
        definition("+39N", 1, "0"), '"' + language("English", "Data") }));
    QVERIFY(m->isValid());
    QVERIFY(m->findItem("213"));
    QCOMPARE(m->findItem("213")->text(TreeItem::SetAColumn), QString("400"));
    QVERIFY(m->findItem("39N"));
    QCOMPARE(m->findItem("39N")->text(TreeItem::TextColumn), QString("Data"));
    QVERIFY(!m->findItem("+213"));
}

void TestParameterTableLoader::damagedTableInvalidatesAndKeepsNothing_data()
{
    QTest::addColumn<QString>("text");
    const QStringList before { definition("1", 1, "M"), language("English", "Menu"),
        definition("11", 2, "0", { { 5, "40011" } }), language("English", "P") };
    const QStringList after { language("English", "Bad"), definition("12", 2, "0"),
        language("English", "After") };
    QStringList f = definition("30", 1, "0").split(';');
    f.removeLast();
    QTest::newRow("definition row of 25 fields") << table(before + QStringList(f.join(';')) + after);
    QTest::newRow("line without separator") << table(before + QStringList("garbage") + after);
    // A table cut short is no table: nothing of it is taken.
    QTest::newRow("no end marker") << table(before, false);
    QTest::newRow("no parameter table") << QString("[SIZES];;\n1;A;1;1\n[SIZES]END;;\n");
}

void TestParameterTableLoader::damagedTableInvalidatesAndKeepsNothing()
{
    QFETCH(QString, text);
    auto m = model(text);
    QVERIFY(!m->isValid());
    QCOMPARE(m->rowCount(), 0);
    QVERIFY(!m->findItem("11"));
    QVERIFY(m->DepPrmItemList().count(nullptr) == 59);
}

void TestParameterTableLoader::commentsBlankLinesAndBareLanguageRowsAreAccepted()
{
    auto m = model(table({ "/ comment row;;;", definition("1", 1, "0"), "", "*English", "   ",
        definition("2", 1, "0"), "*English;Two,,," }));
    QVERIFY(m->isValid());
    QCOMPARE(m->findItem("1")->text(TreeItem::TextColumn), QString());
    QCOMPARE(m->findItem("2")->text(TreeItem::TextColumn), QString("Two"));
}

QTEST_GUILESS_MAIN(TestParameterTableLoader)
#include "tst_parametertableloader.moc"
