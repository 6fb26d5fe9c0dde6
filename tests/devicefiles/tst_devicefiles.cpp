#include "apppaths.h"
#include "csvline.h"
#include "devicefilenotices.h"
#include "devicefiles.h"
#include "signalcatalogue.h"
#include "tripmessages.h"

#include <QtTest>
#include <memory>
#include <vector>

using namespace DeviceFiles;

namespace {

// A complete, small device description file; {TEXT} is replaced by a language-specific text.
const char *const deviceFileTemplate = R"([SIZE ADDRESS]
1;30005
[SIZE ADDRESS]END
[SIZES]
Code;Size;INOM;PNOM
3;ABC 48-012;12,5;5.5
4;ABC 48-1,234;1,234;1,500
[SIZES]END
[PARAMETER SETS]
Nr;Menu;Level
1;100;1;M;1;x;;;;;;;;;N;;;;;;;;;;;N
*English;{TEXT}
[PARAMETER SETS]END
[CONTROL PANEL]
PANEL_TYPE; Standard panel 
PANEL_REF_SOURCE_ADDRESS;40214
PANEL_RUN_SOURCE_ADDRESS;40215
FWD_ADDRESS_DATA;1;101
REV_ADDRESS_DATA;2;10
STP_ADDRESS_DATA;3;1
REF_ADDRESS_MAXVALUE;44501;100
[CONTROL PANEL]END
)";

// The data the program ships, checked where it is kept.
const QString ShippedData = QStringLiteral(TARVOLINK_SOURCE_DIR "/data");

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

class TestDeviceFiles : public QObject
{
    Q_OBJECT
private slots:
    // First, so that a worker is the first to touch the notifier.
    void missingGeneralCsvReportedOnceAcrossWorkers();
    void init();
    void cleanup();

    void versionText_data();
    void versionText();
    void generalCsvLookup_data();
    void generalCsvLookup();
    void baseNameJoinsDriveNameAndVersion();

    void walkDownFindsNearestLowerVersion_data();
    void walkDownFindsNearestLowerVersion();
    void walkDownListsFolderOnce();
    void utf8CopyPreferredAndDecodedAsUtf8();
    void nameMatchIgnoresCaseAndKeepsStoredName();

    void sizeTableLookups();
    void controlPanelSection_data();
    void controlPanelSection();
    void tableTypeOfRegister_data();
    void tableTypeOfRegister();
    void tripMessagesSection_data();
    void tripMessagesSection();

    // The shipped general.csv and description files.
    void generalCsvNamesFilesThatExist();
    void shippedDeviceFile_data();
    void shippedDeviceFile();
    void utf8CopyMatchesItsWindows1252Original();

private:
    void checkParameterTable(const QStringList &lines);
    void writeFile(const QString &path, const QString &text, const char *codec);
    void writeDeviceFile(const QString &name, const QString &text = QStringLiteral("Start menu"),
        const char *codec = "Windows-1252");
    QString readParameterText(const QString &deviceFile);

    QTemporaryDir *dir = nullptr;
};

// Workers that find general.csv missing at the same time must produce exactly one notice, delivered
// on the user-interface thread, even when a worker is the first to touch the notifier.
void TestDeviceFiles::missingGeneralCsvReportedOnceAcrossWorkers()
{
    const QString missing = dir->path() + "/elsewhere/configData/general.csv";

    QObject receiver;
    int delivered = 0;
    bool onMainThread = true;
    QString reportedPath;
    QThread *mainThread = QThread::currentThread();

    std::vector<std::unique_ptr<QThread>> workers;
    for (int i = 0; i < 4; ++i) {
        workers.emplace_back(QThread::create([&, i] {
            // The first worker creates the notifier; the queued connection is made on this thread
            // only once, by worker 0, before the others start reading.
            if (i == 0) {
                QObject::connect(
                    DeviceFileNotices::instance(), &DeviceFileNotices::generalCsvMissing, &receiver,
                    [&](const QString &path) {
                        ++delivered;
                        reportedPath = path;
                        onMainThread = onMainThread && QThread::currentThread() == mainThread;
                    },
                    Qt::QueuedConnection);
            }
            for (int n = 0; n < 50; ++n)
                DeviceFiles::VxCommReadGeneralCsv(missing, 2, 4610, 1);
        }));
    }
    workers.front()->start();
    QVERIFY(workers.front()->wait(10000));
    for (std::size_t i = 1; i < workers.size(); ++i)
        workers[i]->start();
    for (auto &worker : workers)
        QVERIFY(worker->wait(10000));

    QCOMPARE(DeviceFileNotices::instance()->thread(), mainThread);
    QTRY_COMPARE_WITH_TIMEOUT(delivered, 1, 5000);
    // Nothing more arrives once the queue has been drained.
    QTest::qWait(50);
    QCOMPARE(delivered, 1);
    QVERIFY(onMainThread);
    QCOMPARE(reportedPath, missing);
}

void TestDeviceFiles::init()
{
    dir = new QTemporaryDir;
    QVERIFY(dir->isValid());
    QVERIFY(QDir(dir->path()).mkpath("configData"));
    QVERIFY(QDir(dir->path()).mkpath("csv_file"));
    AppPaths::setBaseDir(dir->path());
    writeFile(AppPaths::generalCsvPath(),
        QStringLiteral("[DEVICE ADDRESS]\n1;30001\n[DEVICE ADDRESS]END\n"
                       "[DEVICE CODE]\nCode;Drive\n4610;ABC\n4620; XYZ \n4630\n[DEVICE CODE]END\n"
                       "[VERSION ADDRESS]\n4610;30002;2\n4620;30,002;1\n[VERSION ADDRESS]END\n"
                       "[PSET INCREMENT ADDRESS]\n1;1000\n[PSET INCREMENT ADDRESS]END\n"
                       "[COMPANY]\n1;Tarvolink Drives\n[COMPANY]END\n"
                       "4610;outside any section\n"),
        "UTF-8");
}

void TestDeviceFiles::cleanup()
{
    // Clearing the override returns every path to the folder beside the program.
    AppPaths::setBaseDir(QString());
    QCOMPARE(AppPaths::baseDir(), QCoreApplication::applicationDirPath());
    delete dir;
    dir = nullptr;
}

void TestDeviceFiles::writeFile(const QString &path, const QString &text, const char *codec)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QByteArray bytes = QTextCodec::codecForName(codec)->fromUnicode(text);
    // Shipped files are written on Windows.
    bytes.replace("\n", "\r\n");
    QCOMPARE(file.write(bytes), bytes.size());
}

void TestDeviceFiles::writeDeviceFile(const QString &name, const QString &text, const char *codec)
{
    writeFile(AppPaths::csvDir() + '/' + name,
        QString::fromUtf8(deviceFileTemplate).replace(QLatin1String("{TEXT}"), text), codec);
}

// The language text of the file's only parameter row, read the way the parameter table reader does.
QString TestDeviceFiles::readParameterText(const QString &deviceFile)
{
    QFile file(resolveDeviceFile(deviceFile));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QStringLiteral("<cannot open>");
    QTextStream in(&file);
    in.setCodec(CsvLine::codecForDeviceFile(QFileInfo(file.fileName()).fileName()));
    while (!in.atEnd()) {
        const QStringList fields = CsvLine::split(in.readLine());
        if (fields.first() == QLatin1String("*English"))
            return fields.value(1);
    }
    return QString();
}

void TestDeviceFiles::versionText_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("subVersion");
    QTest::addColumn<QString>("text");
    // A release, a pre-release with its sub-version: baseNameJoinsDriveNameAndVersion.
    QTest::newRow("beta letter") << (0x8000 | 0x0203) << 0 << "B2.03";
    QTest::newRow("minor above 99 keeps all digits") << 0x01FF << 0 << "V1.255";
}

void TestDeviceFiles::versionText()
{
    QFETCH(int, version);
    QFETCH(int, subVersion);
    QFETCH(QString, text);
    QCOMPARE(VxCommGetVersionText(quint16(version), quint16(subVersion)), text);
}

void TestDeviceFiles::generalCsvLookup_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("value");
    // Plain lookups of every section are made by each identification (tst_vxcommidentify).
    QTest::newRow("drive name trimmed") << 2 << 4620 << 1 << "XYZ";
    QTest::newRow("row too short is skipped") << 2 << 4630 << 1 << "";
    QTest::newRow("thousands comma removed") << 3 << 4620 << 1 << "30002";
    QTest::newRow("row outside the section not found") << 1 << 4610 << 1 << "";
}

void TestDeviceFiles::generalCsvLookup()
{
    QFETCH(int, section);
    QFETCH(int, key);
    QFETCH(int, column);
    QFETCH(QString, value);
    QCOMPARE(VxCommReadGeneralCsv(AppPaths::generalCsvPath(), section, key, column), value);
}

void TestDeviceFiles::baseNameJoinsDriveNameAndVersion()
{
    const QString path = AppPaths::generalCsvPath();
    QCOMPARE(VxCommGetDeviceFileBaseName(path, 4610, 0x0205, 0), QStringLiteral("ABCV2.05"));
    QCOMPARE(VxCommGetDeviceFileBaseName(path, 4610, 0x410A, 0x0103), QStringLiteral("ABCP1.10-01.03"));
    // Without a drive name there is no base name at all, which the file search turns into "No".
    QCOMPARE(VxCommGetDeviceFileBaseName(path, 1234, 0x0205, 0), QString());
    QCOMPARE(VxCommFindDeviceFile(VxCommGetDeviceFileBaseName(path, 1234, 0x0205, 0)), QStringLiteral("No"));
}

void TestDeviceFiles::walkDownFindsNearestLowerVersion_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("baseName");
    QTest::addColumn<QString>("expected");
    const QStringList some { "ABCV2.01.csv", "ABCV2.03.csv", "ABCV1.10.csv" };
    const auto row = [](const char *name, const QStringList &present, const char *baseName,
                         const char *expected) { QTest::newRow(name) << present << baseName << expected; };
    // The exact version first, then the walk down: utf8CopyPreferredAndDecodedAsUtf8.
    row("V2.00 finds nothing", some, "ABCV2.00", "No");
    row("walk stays within the major", some, "ABCV3.05", "No");
    row("walk crosses ten", some, "ABCV1.12", "ABCV1.10.csv");
    row("other drive name not used", some, "XYZV2.03", "No");
    row("sub-version walks its last number", { "ABCP1.10-01.01.csv" }, "ABCP1.10-01.03",
        "ABCP1.10-01.01.csv");
    row("not a .csv", { "ABCV2.03.txt", "ABCV2.03.csv.bak" }, "ABCV2.03", "No");
}

void TestDeviceFiles::walkDownFindsNearestLowerVersion()
{
    QFETCH(QStringList, present);
    QFETCH(QString, baseName);
    QFETCH(QString, expected);
    for (const QString &name : present)
        writeDeviceFile(name);
    const QString found = VxCommFindDeviceFile(baseName);
    if (expected == QLatin1String("No"))
        QCOMPARE(found, expected);
    else
        QCOMPARE(found, QDir::toNativeSeparators(AppPaths::csvDir() + '/' + expected));
}

void TestDeviceFiles::walkDownListsFolderOnce()
{
    writeDeviceFile("ABCV2.01.csv");
    const int before = csvDirectoryListings();
    QVERIFY(VxCommFindDeviceFile("ABCV2.99").endsWith("ABCV2.01.csv"));
    QCOMPARE(csvDirectoryListings(), before + 1);
    // A huge or malformed last number is tried as given, not walked for ever.
    QCOMPARE(VxCommFindDeviceFile("ABCV2.99999999"), QStringLiteral("No"));
    QCOMPARE(VxCommFindDeviceFile("ABCV2.x5"), QStringLiteral("No"));
}

void TestDeviceFiles::utf8CopyPreferredAndDecodedAsUtf8()
{
    writeDeviceFile("ABCV2.03.csv", QStringLiteral("Plain copy"));
    writeDeviceFile("ABCV2.03_UTF8.csv", QStringLiteral("Språk – Übersicht ✓"), "UTF-8");
    const QString found = VxCommFindDeviceFile("ABCV2.05");
    QVERIFY2(found.endsWith("ABCV2.03_UTF8.csv"), qPrintable(found));
    QCOMPARE(readParameterText(found), QStringLiteral("Språk – Übersicht ✓"));

    // A "_UTF8" copy of a lower version does not beat the exact version.
    writeDeviceFile("ABCV2.05.csv", QStringLiteral("Exact"));
    QVERIFY(VxCommFindDeviceFile("ABCV2.05").endsWith("ABCV2.05.csv"));
}

void TestDeviceFiles::nameMatchIgnoresCaseAndKeepsStoredName()
{
    writeDeviceFile("abcv2.03.CSV", QStringLiteral("lower case file"));
    QCOMPARE(findCsvFromRsrc("ABCV2.03"), QStringLiteral("abcv2.03.CSV"));
    QCOMPARE(findCsvFromRsrc("ABCV2.04"), QString());
    const QString found = VxCommFindDeviceFile("ABCV2.04");
    QVERIFY2(found.endsWith("/abcv2.03.CSV"), qPrintable(found));
    // The stored name opens the file, also where the file system minds case.
    QCOMPARE(readParameterText(found), QStringLiteral("lower case file"));
}

void TestDeviceFiles::sizeTableLookups()
{
    writeDeviceFile("ABCV2.03.csv");
    const QString file = "ABCV2.03.csv"; // bare names resolve in csv_file
    // Sizes of a shipped file by full path, INOM with its comma and a size not in the table:
    // tst_vxcommidentify and shippedDeviceFile. Every field but INOM loses its commas.
    QCOMPARE(VxCommGetDriveSize(file, 4), QStringLiteral("ABC 48-1234"));
    QCOMPARE(VxCommGetPnom(file, 4), QStringLiteral("1500"));
    QCOMPARE(VxCommGetDriveSize("NOSUCHV1.00.csv", 3), QString());
    // The unit of the nominal power comes from a heading row that names it, else stays open.
    QCOMPARE(VxCommGetSizeByCode(file, 3).pnomUnit, QString());
    QString named = "[SIZES]\n/ Code;Drive size;INOM (A);PNOM (kW)\n1;ABC 48-003;2,5;0.75\n[SIZES]END\n";
    QTextStream in(&named);
    QCOMPARE(readSizes(in).value(0).pnomUnit, QStringLiteral("kW"));
}

void TestDeviceFiles::controlPanelSection_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QStringList>("expected"); // ref src, run src, type, fwd a/d, rev a/d, stp a/d, ref a/max
    QTest::addColumn<bool>("reference");
    QTest::addColumn<bool>("run");

    QTest::newRow("complete, base 2 converted")
        << "PANEL_TYPE; Std \nPANEL_REF_SOURCE_ADDRESS;40214\nPANEL_RUN_SOURCE_ADDRESS;40215\n"
           "FWD_ADDRESS_DATA;1;101\nREV_ADDRESS_DATA;2;1111111111111111\nSTP_ADDRESS_DATA;3;0\n"
           "REF_ADDRESS_MAXVALUE;44,501;100\n"
        << QStringList { "40214", "40215", "Std", "1", "5", "2", "65535", "3", "0", "44501", "100" } << true
        << true;
    QTest::newRow("short command and reference rows")
        << "PANEL_REF_SOURCE_ADDRESS;40214\nPANEL_RUN_SOURCE_ADDRESS;40215\n"
           "FWD_ADDRESS_DATA;1\nREV_ADDRESS_DATA\nSTP_ADDRESS_DATA;3;1\nREF_ADDRESS_MAXVALUE;44501\n"
        << QStringList { "40214", "40215", "", "0", "0", "0", "0", "3", "1", "", "" } << false << false;
    QTest::newRow("not base 2 gives 0")
        << "FWD_ADDRESS_DATA;1;12\n"
        << QStringList { "", "", "", "1", "0", "", "", "", "", "", "" } << false << false;
    QTest::newRow("first of repeated rows, unknown rows ignored")
        << "PANEL_TYPE;First\nPANEL_TYPE;Second\nSOMETHING;1;2\n"
        << QStringList { "", "", "First", "", "", "", "", "", "", "", "" } << false << false;
}

void TestDeviceFiles::controlPanelSection()
{
    QFETCH(QString, section);
    QFETCH(QStringList, expected);
    QFETCH(bool, reference);
    QFETCH(bool, run);
    // Rows of the same names outside the section do not count.
    QString text
        = "FWD_ADDRESS_DATA;77;1\n[CONTROL PANEL]\n" + section + "[CONTROL PANEL]END\nPANEL_TYPE;after\n";
    QTextStream in(&text);
    const ControlPanelInfo info = readControlPanel(in);
    QVERIFY(info.sectionFound);
    const QStringList got { info.refSourceAddress, info.runSourceAddress, info.panelType, info.fwdAddress,
        info.fwdData, info.revAddress, info.revData, info.stpAddress, info.stpData, info.refAddress,
        info.refMaxValue };
    QCOMPARE(got, expected);
    QCOMPARE(info.hasReferenceControl(), reference);
    QCOMPARE(info.hasRunControl(), run);
}

void TestDeviceFiles::tableTypeOfRegister_data()
{
    QTest::addColumn<int>("reg");
    QTest::addColumn<int>("type");
    const QList<QPair<int, int>> cases { { 9999, 1 }, { 10000, 4 }, { 10001, 2 }, { 30005, 3 }, { 40001, 4 },
        { 0, 4 } };
    for (const auto &c : cases)
        QTest::addRow("%d", c.first) << c.first << c.second;
}

void TestDeviceFiles::tableTypeOfRegister()
{
    QFETCH(int, reg);
    QFETCH(int, type);
    QCOMPARE(tableTypeOf(reg), type);
}

void TestDeviceFiles::tripMessagesSection_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("after"); // the line the stream reads next
    QTest::newRow("numbered rows")
        << "[SIZES]\n1;x\n[TRIP MESSAGES]\n0;No Trip\n1;Motor I2t\n[TRIP MESSAGES]END\nnext"
        << QStringList { "No Trip", "Motor I2t" } << "next";
    QTest::newRow("text alone, CRLF, markers with a semicolon")
        << "[TRIP MESSAGES];\r\nNo Trip;\r\n1;Hot\r\nno field\r\n[TRIP MESSAGES]END;\r\n2;After\r\n"
        << QStringList { "No Trip", "Hot" } << "2;After";
    QTest::newRow("a number not its row's is the text")
        << "[TRIP MESSAGES]\n0;A\n5;B\n2;\n[TRIP MESSAGES]END\n"
        << QStringList { "A", "5", "2" } << "";
    QTest::newRow("no section") << "[SIZES]\n1;x\n" << QStringList() << "";
}

void TestDeviceFiles::tripMessagesSection()
{
    QFETCH(QString, text);
    QFETCH(QStringList, texts);
    QTextStream in(&text);
    const TripMessages trips = TripMessages::read(in);
    QCOMPARE(trips.texts(), texts);
    QTEST(in.readLine(), "after");
    if (texts.size() == 2) {
        QCOMPARE(trips.faultText(1), "1 " + texts.at(1));
        QCOMPARE(trips.faultText(-4), "0 " + texts.at(0));
        QCOMPARE(trips.faultText(2), QStringLiteral("Undefined error"));
    }
}

void TestDeviceFiles::generalCsvNamesFilesThatExist()
{
    AppPaths::setBaseDir(ShippedData);
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
        QVERIFY2(!QDir(AppPaths::csvDir()).entryList({ drive + "V*.csv" }, QDir::Files).isEmpty(),
            qPrintable(drive));
    }
    // Every shipped file belongs to a listed drive name.
    for (const QString &file : QDir(AppPaths::csvDir()).entryList({ "*.csv" }, QDir::Files))
        QVERIFY2(driveNames.contains(file.left(3)), qPrintable(file));
}

void TestDeviceFiles::shippedDeviceFile_data()
{
    QTest::addColumn<QString>("name");
    const QStringList files = QDir(ShippedData + "/csv_file").entryList({ "*.csv" }, QDir::Files);
    QVERIFY(files.size() >= 5);
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << file;
}

void TestDeviceFiles::shippedDeviceFile()
{
    QFETCH(QString, name);
    AppPaths::setBaseDir(ShippedData);
    const QString path = AppPaths::csvDir() + '/' + name;
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

void TestDeviceFiles::checkParameterTable(const QStringList &lines)
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

void TestDeviceFiles::utf8CopyMatchesItsWindows1252Original()
{
    AppPaths::setBaseDir(ShippedData);
    const QStringList utf8Files = QDir(AppPaths::csvDir()).entryList({ "*_UTF8.csv" }, QDir::Files);
    QVERIFY(!utf8Files.isEmpty());
    for (const QString &utf8Name : utf8Files) {
        const QString original = QString(utf8Name).remove("_UTF8");
        const QStringList a
            = readLines(AppPaths::csvDir() + '/' + original, CsvLine::codecForDeviceFile(original));
        const QStringList b
            = readLines(AppPaths::csvDir() + '/' + utf8Name, CsvLine::codecForDeviceFile(utf8Name));
        QVERIFY(
            a.contains("*Svenska;Språk;English;Svenska;Nederlands;Deutsch;Français;Español;Russian;Italiano;"
                       "Cesky;Türkçe;Português"));
        QCOMPARE(b, a);
    }
}

QTEST_GUILESS_MAIN(TestDeviceFiles)
#include "tst_devicefiles.moc"
