#include "datfile.h"
#include "parameterrows.h"
#include "smalldisk.h"
#include "treeitem.h"
#include "treemodel.h"

#include <QtTest>

using namespace ParameterRows;

// Parameter set files: the byte layout other installations read, the header's drive, the readers'
// tolerance of damaged files. Saving and opening again is shown through the parameters view
// (tst_parametersoperations) and the command line (tst_cli).
class TestDatFile : public QObject
{
    Q_OBJECT
private slots:
    void savedFileMatchesGolden();
    void headerTakesTheSavedDrivesNominalValues_data();
    void headerTakesTheSavedDrivesNominalValues();
    void openStopsAtDamage_data();
    void openStopsAtDamage();
    void failedSaveKeepsThePreviousFile_data();
    void failedSaveKeepsThePreviousFile();
    void checkTakesTheWholeFile_data();
    void checkTakesTheWholeFile();

private:
    static QString goldenPath()
    {
        return QStringLiteral(TARVOLINK_SOURCE_DIR "/tests/parameters/data/TSTV1.00-golden.dat");
    }
    static void applyEdits(TreeModel &m);
    static QStringList unitInformation();
    static QStringList customerData();
    static QByteArray savedBytes(const TreeModel &m);
};

// An edit in every set and of every kind of value.
void TestDatFile::applyEdits(TreeModel &m)
{
    const auto edit = [&m](const QString &menu, int set, const QString &value) {
        QVERIFY2(m.setData(m.indexOf(m.findItem(menu), TreeItem::SetAColumn + set), value), qPrintable(menu));
    };
    edit("213", 1, "230");
    edit("213", 3, "415");
    edit("241", 0, "0,8");
    edit("241", 2, "2.25");
    edit("343", 1, "-25.5");
    edit("341", 2, "Reduced");
    edit("6111", 3, "Frequency");
    edit("82", 0, "Manual");
    edit("81", 0, QString::fromUtf8("Lüfter 2"));
    edit("711", 0, "12:30:45");
    edit("712", 0, "27:01:31");
    edit("713", 0, "23:59:59");
    edit("39N", 1, "32768");
    edit("83", 3, "-1,5");
    edit("226", 2, "6");
    edit("225", 1, "1000");
}

QStringList TestDatFile::unitInformation()
{
    QStringList entry = QVector<QString>(21).toList();
    entry[0] = "7";
    entry[1] = "TST-0010 (7)";
    entry[8] = "C:\\Tarvolink\\csv_file\\TSTV1.00.csv";
    entry[11] = "V1.00";
    return entry;
}

QStringList TestDatFile::customerData()
{
    return { QString::fromUtf8("Müller Pumpen GmbH"), "Hafenstr. 1", "", "Nord", "Bremen", "DE", "+49 421 0",
        "J. Doe", "Pumpwerk 3", "Booster", "A. Smith", "SN-0042" };
}

QByteArray TestDatFile::savedBytes(const TreeModel &m)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QTextStream out(&buffer);
    out.setCodec("UTF-8");
    DatFile::writeHeader(out, unitInformation(), customerData());
    DatFile::writeParameterLines(out, m);
    out.flush();
    return bytes;
}

// Byte for byte what other installations read: the header lines with their separator counts,
// one line per item, nothing after the last line end.
void TestDatFile::savedFileMatchesGolden()
{
    auto m = fixture();
    applyEdits(*m);
    QTemporaryDir dir;
    const QString path = dir.filePath("set.dat");
    QVERIFY(DatFile::save(path, unitInformation(), customerData(), *m));
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    if (qEnvironmentVariableIsSet("TARVOLINK_UPDATE_GOLDEN")) {
        QFile golden(goldenPath());
        QVERIFY(golden.open(QIODevice::WriteOnly));
        golden.write(bytes);
    }
    QFile golden(goldenPath());
    QVERIFY(golden.open(QIODevice::ReadOnly));
    QCOMPARE(bytes, golden.readAll());
}

void TestDatFile::headerTakesTheSavedDrivesNominalValues_data()
{
    QTest::addColumn<QString>("dataFile");
    QTest::addColumn<QString>("storedAs");
    QTest::addColumn<QString>("deviceType");
    QTest::addColumn<QString>("inom"); // empty: the header is refused
    QTest::addColumn<QString>("pnom");
    const auto row = [](const char *name, const QString &dataFile, const QString &storedAs,
                         const QString &type, const QString &inom, const QString &pnom) {
        QTest::newRow(name) << dataFile << storedAs << type << inom << pnom;
    };
    const QString saved = "C:\\Tarvolink\\csv_file\\TSTV1.00.csv", file = "TSTV1.00.csv";
    row("first size, path with backslashes", saved, file, "TST-0010 (7)", "12,5", "5500");
    row("upper-case extension, stored in lower case", "D:/x/TSTV1.00.CSV", "tstv1.00.csv", "TST-0010 (7)",
        "12,5", "5500");
    row("other version missing", "C:\\csv_file\\TSTV1.01.csv", file, "TST-0010 (7)", "", "");
    row("no data file", "", file, "TST-0010 (7)", "", "");
    row("second size, TCP/IP unit", saved, file, "TST-0020 (*.27)", "25", "11000");
    row("size set opened from New", saved, file, "TST-0020", "25", "11000");
    row("drive the device file does not list", saved, file, "TST-0090 (7)", "", "");
}

// The header names the device file, found by name wherever the file was saved. The size table
// opens with a comment row, as in the shipped files: neither it nor the first size may stand in
// for the drive the file was saved from.
void TestDatFile::headerTakesTheSavedDrivesNominalValues()
{
    QFETCH(QString, dataFile);
    QFETCH(QString, storedAs);
    QFETCH(QString, deviceType);
    QFETCH(QString, inom);
    QTemporaryDir dir;
    QFile source(fixturePath());
    QVERIFY(source.open(QIODevice::ReadOnly));
    QByteArray device = source.readAll();
    device.replace("[SIZES];;;", "[SIZES];;;\r\n/ Code;Drive size;INOM (A, decimal comma);PNOM (W)");
    QVERIFY(device.contains("/ Code"));
    QFile copy(dir.filePath(storedAs));
    QVERIFY(copy.open(QIODevice::WriteOnly) && copy.write(device) == device.size());
    copy.close();

    QByteArray bytes = savedBytes(*fixture());
    // Lines after "Menu nr" are not header lines, even when they have no separator.
    bytes.replace("[PARAMETER SETS];;;;;;;;;", "no separator here");
    bytes.replace("C:\\Tarvolink\\csv_file\\TSTV1.00.csv", dataFile.toUtf8());
    bytes.replace("TST-0010 (7)", deviceType.toUtf8());
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    const DatFile::Header header = DatFile::readHeader(buffer, dir.path());
    QCOMPARE(header.status == DatFile::Status::Ok, !inom.isEmpty());
    QCOMPARE(header.deviceType, deviceType);
    QCOMPARE(header.nominalCurrent, inom);
    QTEST(header.nominalPower, "pnom");
    if (!inom.isEmpty())
        QCOMPARE(header.deviceFile, dir.filePath(storedAs));
}

void TestDatFile::openStopsAtDamage_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<int>("applied"); // parameter lines taken over
    QTest::addColumn<bool>("customerKept");
    QTest::newRow("intact") << "" << 44 << true;
    QTest::newRow("short customer data") << "customer" << 44 << false;
    QTest::newRow("line without separator") << "garbage" << 10 << true;
    QTest::newRow("file ends early") << "truncate" << 10 << true;
    QTest::newRow("other menu numbers, same order") << "renumber" << 44 << true;
}

void TestDatFile::openStopsAtDamage()
{
    QFETCH(QString, damage);
    QFETCH(int, applied);
    QFETCH(bool, customerKept);
    auto edited = fixture();
    applyEdits(*edited);
    QStringList lines = QString::fromUtf8(savedBytes(*edited)).split('\n');
    const int firstParameter = 27;
    if (damage == "customer")
        lines.erase(lines.begin() + 14, lines.begin() + 20);
    else if (damage == "garbage")
        lines[firstParameter + 10] = "garbage";
    else if (damage == "truncate")
        lines = lines.mid(0, firstParameter + 10);
    else if (damage == "renumber")
        for (int i = firstParameter; i < lines.size() - 1; ++i)
            lines[i] = "9" + lines[i];
    QByteArray bytes = lines.join('\n').toUtf8();
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));

    auto m = fixture();
    const auto untouched = fixture();
    const QVector<TreeItem *> before = untouched->allItems();
    const DatFile::OpenResult result = DatFile::openParameters(buffer, *m);
    QVERIFY(result.ok);
    QCOMPARE(result.linesApplied, applied);
    QCOMPARE(m->customerData(), customerKept ? customerData() : QStringList(QVector<QString>(12).toList()));
    const QVector<TreeItem *> items = m->allItems();
    const QVector<TreeItem *> want = edited->allItems();
    for (int i = 0; i < items.size(); ++i) {
        const TreeItem *expected = i < applied ? want.at(i) : before.at(i);
        for (int c = 4; c < 12; ++c)
            QCOMPARE(items.at(i)->text(c), expected->text(c));
        QCOMPARE(items.at(i)->text(0), before.at(i)->text(0)); // menu numbers never come from the file
    }
}

void TestDatFile::failedSaveKeepsThePreviousFile_data()
{
    QTest::addColumn<bool>("fullDisk");
    // A name at the file system's length limit leaves no room for the temporary file's name.
    QTest::newRow("no room for the temporary name") << false;
    QTest::newRow("disk full") << true;
}

void TestDatFile::failedSaveKeepsThePreviousFile()
{
    QFETCH(bool, fullDisk);
    QTemporaryDir dir;
    SmallDisk disk;
    if (fullDisk)
        SKIP_WITHOUT_SMALL_DISK(disk);
    const QString path = fullDisk ? disk.path("set.dat") : dir.filePath(QString(251, 'p') + ".dat");
    {
        QFile existing(path);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("previous contents\n");
    }
    if (fullDisk)
        disk.leaveFree(0);
    auto m = fixture();
    QString error;
    QVERIFY(!DatFile::save(path, unitInformation(), customerData(), *m, &error));
    QVERIFY2(!fullDisk || error.startsWith("No space left on"), qPrintable(error));
    QFile existing(path);
    QVERIFY(existing.open(QIODevice::ReadOnly));
    QCOMPARE(existing.readAll(), QByteArray("previous contents\n"));
}

void TestDatFile::checkTakesTheWholeFile_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QString>("message"); // empty: accepted
    QTest::newRow("golden file") << QByteArray() << QByteArray() << QString();
    // A value above its maximum and a stored form that is no number: tst_clifaults, through write.
    QTest::newRow("read-only value above its maximum is measured, not written")
        << QByteArray("11;Output frequency;0;0;0;0;0;0;0;0")
        << QByteArray("11;Output frequency;0;0;0;0;0;0;500;0") << QString();
    QTest::newRow("shown form no number, stored empty")
        << QByteArray("225;Nominal speed;1450;1000;2900;960;1450;")
        << QByteArray("225;Nominal speed;fast;1000;2900;960;;")
        << "line 37 (menu 225): value of set A: 'fast' is not a number";
    QTest::newRow("no parameter part")
        << QByteArray("[PARAMETER SETS];;;;;;;;;") << QByteArray("[PARAMETERS];;;;;;;;;")
        << "no \"[PARAMETER SETS]\" line: the file holds no parameters";
}

void TestDatFile::checkTakesTheWholeFile()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(QString, message);
    QFile golden(goldenPath());
    QVERIFY(golden.open(QIODevice::ReadOnly));
    QByteArray bytes = golden.readAll();
    if (!before.isEmpty()) {
        QVERIFY(bytes.contains(before));
        bytes.replace(before, after);
    }
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    const auto m = fixture();
    const DatFile::Check check = DatFile::check(buffer, *m);
    QCOMPARE(check.message, message);
    QCOMPARE(check.ok, message.isEmpty());
}

QTEST_GUILESS_MAIN(TestDatFile)
#include "tst_datfile.moc"
