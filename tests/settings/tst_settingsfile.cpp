#include "settingsfile.h"

#include <QtTest>
#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace {

QString dataPath(const char *name)
{
    return QStringLiteral(TARVOLINK_SOURCE_DIR "/tests/settings/data/") + QLatin1String(name);
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

QByteArray toBytes(const SettingsRecord &record)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    SettingsFile::write(buffer, record);
    return bytes;
}

SettingsRecord fromBytes(const QByteArray &bytes, SettingsRecord record = SettingsRecord())
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    SettingsFile::read(buffer, record);
    return record;
}

// Names the first line where two texts part, so a failure says where the file went wrong.
QByteArray firstDifference(const QByteArray &actual, const QByteArray &expected)
{
    const QList<QByteArray> a = actual.split('\n');
    const QList<QByteArray> e = expected.split('\n');
    for (int i = 0; i < qMax(a.size(), e.size()); ++i) {
        const QByteArray la = a.value(i, "<none>");
        const QByteArray le = e.value(i, "<none>");
        if (la != le)
            return "line " + QByteArray::number(i + 1) + ": got \"" + la + "\", expected \"" + le + "\"";
    }
    return "texts equal";
}

// Records are compared through their text and their kept lines, which names the differing line.
void verifySame(const SettingsRecord &actual, const SettingsRecord &expected)
{
    QVERIFY2(toBytes(actual) == toBytes(expected),
        firstDifference(toBytes(actual), toBytes(expected)).constData());
    QVERIFY(actual == expected);
}

// The values behind data/golden.set.
SettingsRecord knownRecord()
{
    SettingsRecord r;
    r.language = 3;
    r.rs232Scan = { 4, 1, QStringLiteral("1-5,8") };
    r.rs485Scan = { 2, 0, QStringLiteral("10-12") };
    r.tcpStartIp = QStringLiteral("192.168.001.010");
    r.tcpEndIp = QStringLiteral("192.168.001.020");
    r.rs232Ports = QStringLiteral("COM3,COM7");
    r.continueDespiteFault = false;
    r.delayMs = 120;
    r.retriesEnabled = true;
    r.retries = 3;
    r.autoImportActive = true;
    r.importActive = false;
    r.autoScanActive = true;
    r.autoSave = true;
    r.exportOnlyChanged = false;
    r.oscBackground = 0;
    r.oscLineWidth = 3;
    r.oscGrid = true;
    r.oscGraphView = 1;
    r.oscSamplingTime = 500;
    r.oscTimeUnit = 2;
    r.customer = { QStringLiteral("Müller Antriebe GmbH"), QStringLiteral("Hauptstraße 5"), QString(),
        QStringLiteral("Werk 2"), QStringLiteral("Göteborg"), QStringLiteral("Sverige"),
        QStringLiteral("+46 31 123456"), QStringLiteral("Åsa Ek"), QStringLiteral("Pumpstation Nord"),
        QStringLiteral("Kühlwasser"), QStringLiteral("J. Smith"), QStringLiteral("SN-0042") };
    r.favourites[0].name = QStringLiteral("Pumps");
    r.favourites[0].entries = { { QStringLiteral("Unit 1"), true, QStringLiteral("Motor speed"),
                                    QStringLiteral("0"), QStringLiteral("1500"), false, {} },
        { QStringLiteral("Unit 1"), false, QStringLiteral("Motor current"), QStringLiteral("-10"),
            QStringLiteral("10"), true, {} } };
    r.favourites[2].name = QStringLiteral("Фавориты");
    r.favourites[2].entries = { { QStringLiteral("Unit 2"), true, QStringLiteral("Напряжение"),
        QStringLiteral("0"), QStringLiteral("400"), true, {} } };
    OscUnitChoice first;
    first.unitNumber = 1;
    first.text1 = QStringLiteral("VX-7");
    first.text2 = QStringLiteral("RS232");
    first.signalChoices = { { QStringLiteral("Speed"), 3, -100, 100, QStringLiteral("rpm"), 1, {} },
        { QStringLiteral("Current"), 4, 0, 50, QStringLiteral("A"), 0, {} } };
    OscUnitChoice second;
    second.unitNumber = 12;
    second.text2 = QStringLiteral("TCPIP");
    r.oscUnits = { first, second };
    r.lastConfig = { { QStringLiteral("RS232"), QStringLiteral("COM3"), {} },
        { QStringLiteral("TCPIP"), QStringLiteral("192.168.1.10"), {} } };
    return r;
}

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT
private slots:
    void goldenFileMatchesKnownValues();
    void newerFileRereadAndWrittenByteIdentical();
    void badOrPartialInputKeepsDefaults_data();
    void badOrPartialInputKeepsDefaults();
    void separatorsInTextsDoNotShiftFields();
    void garbageNeverCrashesAndSettlesAfterOneRewrite();
    void failedSaveKeepsOldFile();
};

void TestSettingsFile::goldenFileMatchesKnownValues()
{
    const QByteArray golden = fileBytes(dataPath("golden.set"));
    QVERIFY(!golden.isEmpty());
    const QByteArray written = toBytes(knownRecord());
    QVERIFY2(written == golden, firstDifference(written, golden).constData());
    // Read as written, and as a Windows editor saves it: byte order mark and CR LF line ends.
    QByteArray windows = "\xEF\xBB\xBF" + golden;
    windows.replace("\n", "\r\n");
    for (const QByteArray &bytes : { golden, windows })
        verifySame(fromBytes(bytes), knownRecord());
}

// A newer program's file, with lines and fields this one does not know, keeps them all.
void TestSettingsFile::newerFileRereadAndWrittenByteIdentical()
{
    const QString path = dataPath("newer.set");
    const QByteArray original = fileBytes(path);
    QVERIFY(!original.isEmpty());
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString target = dir.filePath(QStringLiteral("settings.set"));
    SettingsRecord record;
    QVERIFY(SettingsFile::load(path, record));
    QVERIFY(SettingsFile::save(record, target));
    QByteArray saved = fileBytes(target);
    saved.replace("\r\n", "\n"); // the platform's line end
    QVERIFY2(saved == original, firstDifference(saved, original).constData());
}

void TestSettingsFile::badOrPartialInputKeepsDefaults_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<SettingsRecord>("expected");
    const QByteArray comm = "[COMMUNICATION SETTINGS START];ContinueDespiteCOMFault;Delay between Msgs;"
                            "isRetriesChecked;NumOfRetries;\n";
    const QByteArray osc
        = "[OSCILLOSCOPE SETTINGS START]BgGraound;LineWidth;Grid;GraphView;SamplingTime;Timeunit;\n";
    const QByteArray customer
        = "[CUSTOMER INFORMATION START]Company Name;Street1;Street2;Location;City;Country;"
          "Telephone;Company Contact;Project Name;Application Name;Authendicated By;Serial No;\n";
    // The defaults with the changes the input should make.
    const auto row = [](const char *name, const QByteArray &input,
                         const std::function<void(SettingsRecord &)> &change = {}) {
        SettingsRecord e;
        if (change)
            change(e);
        QTest::newRow(name) << input << e;
    };
    row("only the language line", "[Language];3;\n", [](SettingsRecord &e) { e.language = 3; });
    row("grey level not a number", osc + "weiss;\n"); // read as 0 it would turn the background black
    row("language 11 out of range", "[Language];11;\n");
    row("delay 34 and 6 retries refused", comm + "1;34;1;6;\n");
    row("delay 35 and 5 retries accepted", comm + "0;35;0;5;\n", [](SettingsRecord &e) {
        e.continueDespiteFault = false;
        e.delayMs = 35;
        e.retriesEnabled = false;
        e.retries = 5;
    });
    row("short line keeps the missing fields", comm + ";;;1\n", [](SettingsRecord &e) { e.retries = 1; });
    row("yes/no other than 0 and 1",
        "[PREFERENCES SETTINGS START];AutoImportActive;ImportActive;AutoScanActive;AutoSave;"
        "ExportOnlyChanged;\n2;yes;0;;2;\n",
        [](SettingsRecord &e) { e.autoScanActive = false; });
    row("grey level 256 and sampling 9 ms refused", osc + "256;5;7;9;9;3;\n", [](SettingsRecord &e) {
        e.oscLineWidth = 5;
        e.oscGrid = true;
        e.oscGraphView = 9;
        e.oscTimeUnit = 3;
    });
    row("scan choices outside the lists and a damaged unit text",
        "[AUTO CONFIG START];Baudrate;Parity;noOfUnits;\n7;4;1-x;\n3;2;1-3,7;\n",
        [](SettingsRecord &e) { e.rs485Scan.unitNumbers = QStringLiteral("1-3,7"); });
    row("empty customer fields keep positions", customer + "Acme;;;Town;;;;;;;;42;\n", [](SettingsRecord &e) {
        e.customer[SettingsRecord::CompanyName] = QStringLiteral("Acme");
        e.customer[SettingsRecord::Location] = QStringLiteral("Town");
        e.customer[SettingsRecord::SerialNo] = QStringLiteral("42");
    });
    // A section cut short must not eat the next section's marker as its values.
    row("section without its value line", comm + "[Language];2;\n",
        [](SettingsRecord &e) { e.language = 2; });
    row("favourite set without end marker", "[FAVOURITES SETA START];X;\na;1;b;c;d;0;\n[Language];4;\n",
        [](SettingsRecord &e) {
            e.language = 4;
            e.favourites[0].name = QStringLiteral("X");
            e.favourites[0].entries = { { "a", true, "b", "c", "d", false, {} } };
        });
    row("port block without end marker",
        "[AUTO CONFIG RS232-PORTS START];RS232 Selected Ports;\nCOM1;\n[Language];5;\n",
        [](SettingsRecord &e) {
            e.rs232Ports = QStringLiteral("COM1");
            e.language = 5;
        });
    row("unit number 300 and signal numbers garbage",
        "[OSCILLOSCOPE PARAMS START];\n[UNIT INFORMATION START];300;;;\ns;-1;x;-3;u;;\n"
        "[OSCILLOSCOPE PARAMS END];\n",
        [](SettingsRecord &e) {
            OscUnitChoice unit;
            unit.signalChoices = { { "s", 0, 0, -3, "u", 0, {} } };
            e.oscUnits = { unit };
        });
}

void TestSettingsFile::badOrPartialInputKeepsDefaults()
{
    QFETCH(QByteArray, input);
    QFETCH(SettingsRecord, expected);
    verifySame(fromBytes(input), expected);
}

void TestSettingsFile::separatorsInTextsDoNotShiftFields()
{
    SettingsRecord r;
    r.customer[SettingsRecord::CompanyName] = QStringLiteral("Smith; Sons");
    r.customer[SettingsRecord::Street1] = QStringLiteral("Dock 4\r\nGate 2");
    r.customer[SettingsRecord::Street2] = QStringLiteral("after");
    r.favourites[3].name = QStringLiteral("a;b");
    r.lastConfig = { { QStringLiteral("x;y"), QStringLiteral("z"), {} } };
    r.rs485Ports = QStringLiteral("COM1;COM2");
    r.language = 7; // a line after every text: nothing may leak into it

    const SettingsRecord back = fromBytes(toBytes(r));
    QCOMPARE(back.customer[SettingsRecord::CompanyName], QStringLiteral("Smith, Sons"));
    QCOMPARE(back.customer[SettingsRecord::Street1], QStringLiteral("Dock 4  Gate 2"));
    QCOMPARE(back.customer[SettingsRecord::Street2], QStringLiteral("after"));
    QCOMPARE(back.favourites[3].name, QStringLiteral("a,b"));
    QCOMPARE(back.lastConfig.first().second, QStringLiteral("z"));
    QCOMPARE(back.rs485Ports, QStringLiteral("COM1;COM2"));
    QCOMPARE(back.language, 7u);
    QVERIFY(back.kept == SettingsKept());
}

void TestSettingsFile::garbageNeverCrashesAndSettlesAfterOneRewrite()
{
    const QList<QByteArray> pieces = { "[Language]", "[AUTO CONFIG START]", "[AUTO CONFIG RS232-PORTS START]",
        "[AUTO CONFIG RS232-PORTS END]", "[COMMUNICATION SETTINGS START]",
        "[OSCILLOSCOPE SETTINGS START]BgGraound", "[CUSTOMER INFORMATION START]", "[FAVOURITES SETB START]",
        "[FAVOURITES SETB END]", "[OSCILLOSCOPE PARAMS START]", "[UNIT INFORMATION START]",
        "[UNIT INFORMATION END]", "[OSCILLOSCOPE PARAMS END]", "[LAST CONFIG START]", "[LAST CONFIG END]",
        "0", "1", "-7", "4294967296", "1-5,8", "", " ", "Ω", "\xff\xfe", QByteArray("\0", 1), "[", "]" };
    QRandomGenerator rng(20261206);
    for (int round = 0; round < 400; ++round) {
        QByteArray input;
        const int lines = rng.bounded(1, 40);
        for (int l = 0; l < lines; ++l) {
            const int fields = rng.bounded(0, 8);
            for (int f = 0; f < fields; ++f) {
                input += pieces.at(rng.bounded(pieces.size()));
                if (rng.bounded(4) != 0)
                    input += ';';
            }
            input += rng.bounded(6) == 0 ? "\r\n" : "\n";
        }
        const QByteArray once = toBytes(fromBytes(input));
        const QByteArray twice = toBytes(fromBytes(once));
        QVERIFY2(
            once == twice, (input.toPercentEncoding() + "\n-> " + firstDifference(twice, once)).constData());
    }
}

void TestSettingsFile::failedSaveKeepsOldFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("settings.set"));
    const QByteArray old = fileBytes(dataPath("golden.set"));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(old);
    }
    SettingsRecord big;
    for (int i = 0; i < 2000; ++i)
        big.lastConfig.append({ QStringLiteral("RS485"), QString::number(i), {} });

    // The file size limit makes the write fail after a few hundred bytes, as a full disk would.
    rlimit previous {};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &previous) == 0);
    rlimit small = previous;
    small.rlim_cur = 300;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
    const bool saved = SettingsFile::save(big, path);
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY(!saved);
    QCOMPARE(fileBytes(path), old);
    // Nor does a failed load change what was read before; a file far beyond any real size is
    // refused unread, and kept from being replaced at exit.
    SettingsRecord record = knownRecord();
    QVERIFY(!SettingsFile::load(dir.filePath(QStringLiteral("missing.set")), record));
    verifySame(record, knownRecord());
    QFile huge(dir.filePath(QStringLiteral("huge.set")));
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(100 * 1024 * 1024));
    QString error;
    QVERIFY(!SettingsFile::load(huge.fileName(), record, &error));
    QVERIFY2(error.contains(QStringLiteral("100 MB")) && !record.autoSave, qPrintable(error));
    huge.remove();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
        QStringList { QStringLiteral("settings.set") });
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
