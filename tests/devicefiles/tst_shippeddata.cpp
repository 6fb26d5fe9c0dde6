#include "apppaths.h"
#include "csvline.h"
#include "devicefiles.h"
#include "signalcatalogue.h"

#include <QtTest>

using namespace DeviceFiles;

namespace {

const QStringList languages { "*English", "*Svenska", "*Deutsch", "*Français" };

QStringList readLines(const QString &path, QTextCodec *codec)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream in(&file);
    in.setCodec(codec);
    QStringList lines;
    while (!in.atEnd())
        lines << in.readLine();
    return lines;
}

// Lines strictly between a section marker and its end marker.
QStringList section(const QStringList &lines, const QString &marker)
{
    const int start = lines.indexOf(marker);
    const int end = lines.indexOf(marker + "END");
    if (start < 0 || end < start)
        return {};
    return lines.mid(start + 1, end - start - 1);
}

} // namespace

class TestShippedData : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void generalCsvNamesFilesThatExist();
    void deviceFile_data();
    void deviceFile();
    void utf8CopyMatchesItsWindows1252Original();

private:
    void checkParameterTable(const QStringList &lines);
    QString csvDir() const { return AppPaths::csvDir(); }
};

void TestShippedData::initTestCase()
{
    AppPaths::setBaseDir(QStringLiteral(TARVOLINK_SOURCE_DIR "/data"));
    QVERIFY(QFile::exists(AppPaths::generalCsvPath()));
}

void TestShippedData::cleanupTestCase()
{
    AppPaths::setBaseDir(QString());
}

void TestShippedData::generalCsvNamesFilesThatExist()
{
    const QString general = AppPaths::generalCsvPath();
    const QString deviceAddress = VxCommReadGeneralCsv(general, DeviceAddressSection, 1, 1);
    QCOMPARE(tableTypeOf(deviceAddress.toLong()), 3);

    const QStringList codes = section(readLines(general, QTextCodec::codecForName("UTF-8")), "[DEVICE CODE]");
    QVERIFY(codes.size() >= 2);
    QSet<QString> driveNames;
    for (const QString &row : codes) {
        const int code = CsvLine::split(row).first().toInt();
        const QString drive = VxCommReadGeneralCsv(general, DeviceCodeSection, code, 1);
        QCOMPARE(drive.size(), 3);
        driveNames << drive;
        const int count = VxCommReadGeneralCsv(general, VersionAddressSection, code, 2).toInt();
        QVERIFY2(count == 1 || count == 2, qPrintable(drive));
        QCOMPARE(tableTypeOf(VxCommReadGeneralCsv(general, VersionAddressSection, code, 1).toLong()), 3);
        QVERIFY2(!QDir(csvDir()).entryList({ drive + "V*.csv" }, QDir::Files).isEmpty(), qPrintable(drive));
    }
    // Every shipped file belongs to a listed drive name.
    for (const QString &file : QDir(csvDir()).entryList({ "*.csv" }, QDir::Files))
        QVERIFY2(driveNames.contains(file.left(3)), qPrintable(file));
}

void TestShippedData::deviceFile_data()
{
    QTest::addColumn<QString>("name");
    const QStringList files = QDir(AppPaths::csvDir()).entryList({ "*.csv" }, QDir::Files);
    QVERIFY(files.size() >= 5);
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << file;
}

void TestShippedData::deviceFile()
{
    QFETCH(QString, name);
    const QString path = csvDir() + '/' + name;
    const QStringList lines = readLines(path, CsvLine::codecForDeviceFile(name));
    QVERIFY(lines.size() > 1000);

    // Identification: size register and a complete size table.
    QVERIFY(!VxCommGetSizeAddress(path, 1, 1).isEmpty());
    const QStringList sizes = section(lines, "[SIZES]");
    int sizeRows = 0;
    for (const QString &row : sizes) {
        if (row.startsWith('/'))
            continue;
        const int code = row.section(';', 0, 0).toInt();
        QVERIFY(!VxCommGetDriveSize(path, code).isEmpty());
        QVERIFY(VxCommGetInom(path, code).replace(',', '.').toDouble() > 0);
        QVERIFY(VxCommGetPnom(path, code).toDouble() > 0);
        ++sizeRows;
    }
    QVERIFY(sizeRows >= 4);

    // Control panel: every register present, the sources are holding registers.
    const ControlPanelInfo panel = VxCommGetControlPanel(path);
    QVERIFY(panel.sectionFound);
    QVERIFY(panel.hasReferenceControl());
    QVERIFY(panel.hasRunControl());
    QCOMPARE(tableTypeOf(panel.refSourceAddress.toLong()), 4);
    QCOMPARE(tableTypeOf(panel.runSourceAddress.toLong()), 4);
    QCOMPARE(tableTypeOf(panel.refAddress.toLong()), 4);
    QCOMPARE(tableTypeOf(panel.fwdAddress.toLong()), 1);

    // Fault texts: one row per number, in order.
    const QStringList trips = section(lines, "[TRIP MESSAGES]");
    QVERIFY(trips.size() >= 20);
    for (int i = 0; i < trips.size(); ++i)
        QCOMPARE(CsvLine::split(trips.at(i)).value(0), QString::number(i));
    // The recording catalogue's reader checks its blocks, their counts and the sections' order.
    const SignalCatalogue catalogue = SignalCatalogueReader::readFile(path, 0);
    QVERIFY(catalogue.valid && catalogue.signalCount() > 0);
    for (const QVector<QStringList> &names : catalogue.namesInAllLanguages)
        QCOMPARE(names.size(), languages.size());

    checkParameterTable(lines);
}

void TestShippedData::checkParameterTable(const QStringList &lines)
{
    const QStringList rows = section(lines, "[PARAMETER SETS]").mid(1); // after the heading line
    QVERIFY(rows.size() > 1500);
    QSet<QString> menus;
    QHash<int, QString> registers;
    QStringList topLevel;
    QHash<QString, int> childCount;
    int previousLevel = 0;
    int parameters = 0;
    for (int i = 0; i < rows.size(); ++i) {
        const QStringList f = CsvLine::split(rows.at(i));
        if (f.first().startsWith('/') || f.first().startsWith('*'))
            continue;
        const QString where = QStringLiteral("row %1: %2").arg(i).arg(rows.at(i));
        QVERIFY2(f.size() >= 26, qPrintable(where));
        const QString menu = f.at(1);
        QVERIFY2(!menus.contains(menu), qPrintable(where));
        menus << menu;
        const int level = f.at(2).toInt();
        QVERIFY2(level >= 1 && level <= previousLevel + 1, qPrintable(where));
        previousLevel = level;
        if (level == 1)
            topLevel << menu;
        else if (level == 2)
            ++childCount[topLevel.last()];

        // The language rows follow, English among them.
        QStringList langs;
        for (int k = i + 1; k < rows.size() && rows.at(k).startsWith('*'); ++k) {
            const QStringList l = CsvLine::split(rows.at(k));
            langs << l.first();
            QVERIFY2(!l.value(1).isEmpty(), qPrintable(rows.at(k)));
            // An enumerated parameter has a text for each of its values.
            const int texts = f.at(3).toInt();
            if (f.at(3) != "M" && texts > 0)
                QVERIFY2(l.size() == texts + 2, qPrintable(rows.at(k)));
        }
        QCOMPARE(langs, languages);
        if (f.at(3) == "M")
            continue;
        ++parameters;

        // Registers: holding range, and no register of any set used twice.
        const int reg = f.at(5).toInt();
        QVERIFY2(reg >= 40001 && reg <= 49999, qPrintable(where));
        const bool oneSet = f.at(25) == "Y";
        const int count = f.at(18) == "String" ? f.at(24).toInt() : 1;
        for (int set = 0; set < (oneSet ? 1 : 4); ++set) {
            for (int k = 0; k < count; ++k) {
                const int r = reg + 1000 * set + k;
                QVERIFY2(r <= 49999, qPrintable(where));
                QVERIFY2(!registers.contains(r), qPrintable(where + " collides with " + registers.value(r)));
                registers.insert(r, menu);
            }
        }
        if (f.at(4) == "0")
            QCOMPARE(f.at(25), QStringLiteral("Y"));
    }
    QVERIFY2(parameters >= 300, qPrintable(QString::number(parameters)));
    // Status view: row 2's first child and row 6; fault logger: row 7.
    QVERIFY(topLevel.size() >= 8);
    QVERIFY(childCount.value(topLevel.at(2)) > 0);
    QVERIFY(childCount.value(topLevel.at(6)) > 0);
    QVERIFY(childCount.value(topLevel.at(7)) > 0);
}

void TestShippedData::utf8CopyMatchesItsWindows1252Original()
{
    const QStringList utf8Files = QDir(csvDir()).entryList({ "*_UTF8.csv" }, QDir::Files);
    QVERIFY(!utf8Files.isEmpty());
    for (const QString &utf8Name : utf8Files) {
        const QString original = QString(utf8Name).remove("_UTF8");
        const QStringList a = readLines(csvDir() + '/' + original, CsvLine::codecForDeviceFile(original));
        const QStringList b = readLines(csvDir() + '/' + utf8Name, CsvLine::codecForDeviceFile(utf8Name));
        QVERIFY(
            a.contains("*Svenska;Språk;English;Svenska;Nederlands;Deutsch;Français;Español;Russian;Italiano;"
                       "Cesky;Türkçe;Português"));
        QCOMPARE(b, a);
    }
}

QTEST_GUILESS_MAIN(TestShippedData)
#include "tst_shippeddata.moc"
