#include "dependencytable.h"
#include "parameterrows.h"
#include "treeitem.h"
#include "treemodel.h"

#include <QColor>
#include <QFont>
#include <QTextCodec>
#include <QtTest>

using namespace ParameterRows;

// The model as the views and the unit worker use it: flags and roles, the dependency rules, and
// the words read from a unit. Values of every kind as loaded and saved are held byte for byte by
// the golden file of tst_datfile; registers, counts and reads of whole units by the worker tests.
class TestTreeModel : public QObject
{
    Q_OBJECT
private slots:
    void nominalValuesAndZnpMaximum_data();
    void nominalValuesAndZnpMaximum();
    void flagsFontsAndColours();
    void oneValueParameterEditsSetAForAllSets();
    void poleNumberFollowsEdits_data();
    void poleNumberFollowsEdits();
    void selectionDependentLimits_data();
    void selectionDependentLimits();
    void limitsFollowEditsOfTheSelector();
    void nominalLimitsComeFromTheMarkedParameters();
    void registerWordsRoundTripThroughTheModel_data();
    void registerWordsRoundTripThroughTheModel();
    void changelangReplacesTextsAndValueTexts();
};

void TestTreeModel::nominalValuesAndZnpMaximum_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("empty");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("currentMax");
    QTest::addColumn<QString>("power");
    QTest::addColumn<QString>("powerMax");
    const auto row = [](const char *name, const char *file, bool empty, const char *current,
                         const char *currentMax, const char *power, const char *powerMax) {
        QTest::newRow(name) << file << empty << current << currentMax << power << powerMax;
    };
    row("x1.5", "C:\\Drives\\csv_file\\TSTV1.00.csv", false, "12.5", "18.75", "5500", "8250");
    row("ZNP x2 x4", "C:\\Drives\\csv_file\\TSTZNPV1.00.csv", false, "12.5", "25", "5500", "22000");
    row("ZNP only in a folder name", "/opt/ZNP/TSTV1.00.csv", false, "12.5", "18.75", "5500", "8250");
    row("empty values", "TSTV1.00.csv", true, "", "18.75", "", "8250");
}

void TestTreeModel::nominalValuesAndZnpMaximum()
{
    QFETCH(QString, fileName);
    QFETCH(bool, empty);
    QFile file(fixturePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    ParameterTableLoader::Options options;
    options.nominalCurrent = "12,5";
    options.nominalPower = "5500";
    options.emptyValues = empty;
    options.deviceFileName = fileName;
    const auto m = model(QTextCodec::codecForName("Windows-1252")->toUnicode(file.readAll()), options);
    const TreeItem *inom = m->findItem("223");
    const TreeItem *pnom = m->findItem("224");
    for (int set = 0; set < 4; ++set) {
        QTEST(inom->text(TreeItem::SetAColumn + set), "current");
        QTEST(pnom->text(TreeItem::SetAColumn + set), "power");
    }
    QCOMPARE(inom->text(TreeItem::StoredAColumn), empty ? QString() : QString::number(0xF87D));
    QTEST(inom->field(7), "currentMax");
    QTEST(pnom->field(7), "powerMax");
}

void TestTreeModel::flagsFontsAndColours()
{
    auto m = fixture();
    const QModelIndex perSet = m->indexOf(m->findItem("213"));
    const QModelIndex oneValue = m->indexOf(m->findItem("81"));
    const QModelIndex readOnly = m->indexOf(m->findItem("11"));
    const auto flagsAt = [&m](const QModelIndex &i, int c) { return m->flags(i.siblingAtColumn(c)); };
    const Qt::ItemFlags editable = Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled;
    const Qt::ItemFlags plain = Qt::ItemIsSelectable | Qt::ItemIsEnabled;

    for (int c = 4; c < 8; ++c) {
        QCOMPARE(flagsAt(perSet, c), editable);
        QCOMPARE(flagsAt(oneValue, c), c == 4 ? editable : plain);
    }

    // Read-only values are grey whatever their colour; others show the set's colour.
    QCOMPARE(readOnly.siblingAtColumn(5).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::darkGray));

    QVERIFY(m->setData(perSet.siblingAtColumn(5), "230"));
    m->setSetColour(m->findItem("213"), 2, QColor(Qt::red));
    QCOMPARE(perSet.siblingAtColumn(5).data(Qt::FontRole).value<QFont>().weight(), 99);
    QVERIFY(perSet.siblingAtColumn(6).data(Qt::FontRole).value<QFont>().underline());
    QCOMPARE(perSet.siblingAtColumn(6).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    m->clearChangedFlags();
    QVERIFY(perSet.siblingAtColumn(5).data(Qt::FontRole).value<QFont>().weight() != 99);
}

void TestTreeModel::oneValueParameterEditsSetAForAllSets()
{
    auto m = fixture();
    const QModelIndex name = m->indexOf(m->findItem("81"), 4);
    QVERIFY(!m->setData(name.siblingAtColumn(6), "Fan 9"));
    QVERIFY(m->setData(name, "Fan 2;x"));
    for (int set = 0; set < 4; ++set) {
        QCOMPARE(name.siblingAtColumn(4 + set).data().toString(), QString("Fan 2x"));
        QCOMPARE(name.siblingAtColumn(8 + set).data().toString(), QString("Fan 2x"));
    }
    QVERIFY(!m->setData(m->indexOf(m->findItem("2"), 4), "1"));
}

void TestTreeModel::poleNumberFollowsEdits_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("poles");
    // Set A starts at 50 Hz, 1450 rpm, 4 poles.
    const auto row = [](const char *name, const char *menu, const char *value, const char *poles) {
        QTest::newRow(name) << menu << value << poles;
    };
    row("speed 1000 -> 6", "225", "1000", "6");
    row("speed 1600 rounds 3.75 -> 4", "225", "1600", "4");
    row("speed 2000 gives 3, odd -> 2", "225", "2000", "2");
    row("speed 0 leaves poles", "225", "0", "4");
    row("frequency 100 -> 8", "222", "100", "8");
    row("frequency whole numbers: 87,9 -> 87 -> 7 -> 6", "222", "87,9", "6");
    row("poles typed 5,9 cut -> 4", "226", "5,9", "4");
    row("poles typed 7.6 rounds -> 8", "226", "7.6", "8");
}

void TestTreeModel::poleNumberFollowsEdits()
{
    QFETCH(QString, menu);
    QFETCH(QString, value);
    auto m = fixture();
    QVERIFY(m->setData(m->indexOf(m->findItem(menu), 4), value));
    QTEST(m->findItem("226")->text(4), "poles");
    QCOMPARE(m->findItem("226")->text(5), QString("4")); // other sets untouched
}

void TestTreeModel::selectionDependentLimits_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("set");
    QTest::addColumn<QString>("min");
    QTest::addColumn<QString>("max");
    const auto row = [](const char *name, const char *menu, int set, const char *min, const char *max) {
        QTest::newRow(name) << menu << set << min << max;
    };
    row("comparator speed: +-max speed", "6112", 0, "-1500", "1500");
    row("comparator 6: fixed", "6113", 1, "0", "1000");
    row("comparator 0: row limits", "6112", 3, "-1000", "1000");
    row("min speed up to max speed", "321", 0, "0", "1500");
    row("max speed from min speed", "322", 0, "0", "24000");
    row("preset speed", "323", 1, "-1500", "1500");
    row("torque range 1", "343", 0, "-400", "400");
    row("no rule", "213", 0, "180", "690");
    row("Inom maximum", "223", 0, "0", "18.75");
}

void TestTreeModel::selectionDependentLimits()
{
    QFETCH(QString, menu);
    QFETCH(int, set);
    auto m = fixture();
    const DependencyTable::Limits limits = m->limits(m->findItem(menu), set);
    QTEST(limits.min, "min");
    QTEST(limits.max, "max");
}

void TestTreeModel::limitsFollowEditsOfTheSelector()
{
    auto m = fixture();
    QVERIFY(m->setData(m->indexOf(m->findItem("310"), 4), "0.5..3600 s"));
    QCOMPARE(m->limits(m->findItem("333"), 0).min, QString("0.50"));
    QVERIFY(m->setData(m->indexOf(m->findItem("322"), 4), "1200"));
    QCOMPARE(m->limits(m->findItem("6112"), 0).max, QString("1200"));
    QVERIFY(m->setData(m->indexOf(m->findItem("6111"), 4), "Current"));
    QCOMPARE(m->limits(m->findItem("6112"), 0).max, QString("25")); // 2 x 12.5 A
    QVERIFY(m->setData(m->indexOf(m->findItem("6111"), 4), "Torque"));
    QCOMPARE(m->limits(m->findItem("6113"), 0).min, QString("-150"));
    QVERIFY(m->setData(m->indexOf(m->findItem("321"), 4), "300"));
    QCOMPARE(m->limits(m->findItem("322"), 0).min, QString("300"));
}

void TestTreeModel::nominalLimitsComeFromTheMarkedParameters()
{
    // The layout of our shipped files: power 221, voltage 223, current 224, marked in field 26.
    const auto row = [](const char *menu, const QMap<int, QString> &fields) {
        return QStringList { definition(menu, 1, "0", fields), language("English", menu) };
    };
    const QMap<int, QString> comparatorLimits { { 6, "-5" }, { 7, "5" } };
    ParameterTableLoader::Options options;
    options.nominalCurrent = "12,5";
    options.nominalPower = "5500";
    auto m = model(table(row("221", { { 26, "Pnom" } }) + row("223", { { 7, "700" }, { 8, "400" } })
                       + row("224", { { 26, "Inom" } }) + row("6111", { { 7, "21" }, { 8, "3" } })
                       + row("6112", comparatorLimits)),
        options);
    QVERIFY(m->isValid());
    QCOMPARE(m->limits(m->findItem("6112"), 0).max, QString("25")); // 2 x 12.5 A, not 2 x 400 V
    QVERIFY(m->setData(m->indexOf(m->findItem("6111"), 4), "4"));
    QCOMPARE(m->limits(m->findItem("6112"), 0).max, QString("11000")); // 2 x 5500 W
}

void TestTreeModel::registerWordsRoundTripThroughTheModel_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("set");
    QTest::addColumn<QVector<quint16>>("words");
    QTest::addColumn<QString>("shown");
    // Loading, encoding and the common kinds are held by the golden file of tst_datfile.
    QTest::newRow("unsigned scaled") << "12" << 0 << QVector<quint16> { 0xFFFF } << "6553.5";
    QTest::newRow("negative value text") << "82" << 3 << QVector<quint16> { 0x87FE } << "Manual";
    QTest::newRow("hours in tenths") << "711" << 0 << QVector<quint16> { 12345, 6, 7 } << "1234:06:07";
}

void TestTreeModel::registerWordsRoundTripThroughTheModel()
{
    QFETCH(QString, menu);
    QFETCH(int, set);
    QFETCH(QVector<quint16>, words);
    QFETCH(QString, shown);
    auto m = fixture();
    TreeItem *item = m->findItem(menu);
    item->setChanged(set, true); // an offline edit, overtaken by what the unit holds
    m->storeRegisters(item, set, words);
    QCOMPARE(item->text(TreeItem::SetAColumn + set), shown);
    QCOMPARE(m->registerWords(item, set), words);
    QVERIFY(!item->isChanged(set)); // a value read from the unit is not an offline change
    if (item->field(25) == "Y") {
        for (int s = 0; s < 4; ++s)
            QCOMPARE(item->text(TreeItem::SetAColumn + s), shown);
    }
}

void TestTreeModel::changelangReplacesTextsAndValueTexts()
{
    auto m = fixture();
    m->setData(m->indexOf(m->findItem("341"), 5), "Reduced");
    m->changelang(fixturePath(), 3);
    QCOMPARE(m->findItem("1")->text(1), QString::fromUtf8("Überwachung"));
    QCOMPARE(m->findItem("12")->text(1), QString("Motorstrom [A]"));
    QCOMPARE(m->findItem("341")->text(5), QString("Reduced"));
    // Rows without a row for the new language keep their text.
    m->changelang(fixturePath(), 1);
    QCOMPARE(m->findItem("1")->text(1), QString::fromUtf8("Övervakning"));
    QCOMPARE(m->findItem("12")->text(1), QString("Motorstrom [A]"));
}

QTEST_MAIN(TestTreeModel)
#include "tst_treemodel.moc"
