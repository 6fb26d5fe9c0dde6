#include "oscfixture.h"
#include "recfilereader.h"
#include "recordingwriter.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A lookup that knows one device file and gives it an empty catalogue.
bool knownFile(const QString &name, SignalCatalogue *)
{
    return name == QLatin1String("KTZV1.10.csv");
}

const QByteArray kHead = "3/1/2026\n1;KTZ;KTZ23 (1);V1.10;KTZV1.10.csv;\nTime ;Unit 1;A;B;\n";

} // namespace

class tst_RecFile : public QObject
{
    Q_OBJECT
private slots:
    void invalidSamplesRepeatTwiceThenZero();
    void writtenRecordingReadsBackAcrossMidnightAndSavesCopies();
    void clockSetBackIsNoNewDay_data();
    void clockSetBackIsNoNewDay();
    void foreignFilesStillOpen_data();
    void foreignFilesStillOpen();
    void languageChangeRenamesSignals();
    void malformedFileIsInvalid_data();
    void malformedFileIsInvalid();
    void missingFilesGiveCsvFileNotFound();
};

void tst_RecFile::invalidSamplesRepeatTwiceThenZero()
{
    OscFixture fx;
    QVERIFY(fx.install());
    auto dev = fx.device();
    QSignalSpy shown(dev.get(), &OscUnitDev::vxOscsigSendForDisplay);
    dev->addSample(OscFixture::words(7), true);
    dev->addSample(OscFixture::words(7).left(20), true); // short reply: invalid despite the exchanges
    dev->addSample(QByteArray(), false);
    dev->addSample(QByteArray(), false);
    QVERIFY(dev->currentValues().isEmpty()); // no data from the unit, not the last values again
    dev->addSample(OscFixture::words(9), true);
    QCOMPARE(dev->sampleCount(), 5);
    const QList<int> expected { 7, 7, 7, 0, 9 };
    for (int i = 0; i < 5; ++i)
        QCOMPARE(dev->value(OscFixture::OutputVoltage, i), double(expected[i]));
    QCOMPARE(dev->fileText(OscFixture::DigIn, 4), QStringLiteral("------------HLLH"));
    QCOMPARE(dev->currentValues().value(OscFixture::TripMessage), QStringLiteral("9 PT100"));
    // Every sample goes to the view: a failed one without current values, a valid one with its
    // row and the current values.
    QCOMPARE(shown.count(), 5);
    QVERIFY(shown.at(3).at(3).toStringList().isEmpty());
    const QList<QStringList> rows = shown.last().at(2).value<QList<QStringList>>();
    QCOMPARE(rows.value(0).value(0), dev->timeText(4));
    QCOMPARE(rows.value(0).value(1 + OscFixture::DigIn), QStringLiteral("------------HLLH"));
    QCOMPARE(shown.last().at(3).toStringList(), dev->currentValues());
}

void tst_RecFile::writtenRecordingReadsBackAcrossMidnightAndSavesCopies()
{
    // Non-ASCII in a signal name (the device file is Windows-1252) and in the comment.
    OscFixture fx;
    QVERIFY(fx.install(replacing("*English;Torque",
        "*English;Torque \xb0"
        "C \x80 \xe4")));
    auto dev = fx.device();
    const QString name = QString::fromUtf8("Torque °C € ä");
    QCOMPARE(dev->signalNames().value(1), name);
    RecordingWriter writer(fx.dir.filePath("TEMP.peb"));
    writer.setClock([&fx] { return fx.clock; });
    writer.setDevices({ dev.get() });
    writer.start();
    for (int i = 0; i < 8; ++i) {
        fx.clock = fx.clock.addMSecs(250);
        dev->addSample(
            OscFixture::words(quint16(i), { { OscFixture::Current, quint16(0x8000 | (0xF << 11) | 5) } }),
            true);
        if (i == 6) // the first append after midnight: the file is still dated by its start
            QCOMPARE(writer.append(), RecordingWriter::Written);
    }
    const QString saved = fx.dir.filePath("saved.rec");
    const QString comment = QString::fromUtf8("Pumpe 3 – 45 °C, 12 €, Wärme");
    QCOMPARE(writer.save(saved, comment), RecordingWriter::Written);

    Recording rec;
    QCOMPARE(RecFileReader::read(saved, &rec), RecFileReader::Loaded);
    const RecordingUnit &unit = rec.units.first();
    QCOMPARE(unit.signalNames, dev->signalNames());
    QCOMPARE(rec.comment, comment);
    QCOMPARE(rec.date, QDate(2026, 3, 1));
    QVERIFY(!rec.windows1252);
    QCOMPARE(unit.rowCount(), 8);
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(unit.timeText(i), dev->timeText(i));
        QCOMPARE(unit.cellText(i, OscFixture::Current), QStringLiteral("0,5"));
        for (int s = 0; s < OscFixture::Signals; ++s)
            QCOMPARE(unit.cellText(i, s), dev->fileText(s, i));
        // The recording passes midnight after sample 5: x keeps rising by 0.25 s.
        QCOMPARE(unit.x.at(i), 0.25 * i);
    }
    QCOMPARE(unit.timeText(5), QStringLiteral("12:00:00 AM,000"));

    // Each save is a copy of the running file with its comment.
    dev->addSample(OscFixture::words(1), true);
    QCOMPARE(writer.save(fx.dir.filePath("a.rec"), "first"), RecordingWriter::Written);
    dev->addSample(OscFixture::words(2), true);
    QCOMPARE(writer.save(fx.dir.filePath("b.rec"), "second"), RecordingWriter::Written);
    const QByteArray running = readAll(writer.runningFile());
    QCOMPARE(readAll(fx.dir.filePath("b.rec")), running + "[COMMENT]\nsecond\n");
    QVERIFY(running.startsWith(readAll(fx.dir.filePath("a.rec")).split('[').first()));
    // A target that cannot be written leaves nothing behind, and no temporary file either.
    QCOMPARE(writer.save(fx.dir.filePath("missing/c.rec"), "x"), RecordingWriter::InvalidFilepath);
    QCOMPARE(writer.save(QString(), "x"), RecordingWriter::GiveFilepath);
    QCOMPARE(QDir(fx.dir.path()).entryList({ "*.rec*" }, QDir::Files),
        QStringList({ "a.rec", "b.rec", "saved.rec" }));
}

void tst_RecFile::clockSetBackIsNoNewDay_data()
{
    QTest::addColumn<QByteArray>("times");
    QTest::addColumn<QDate>("lastDay");
    QTest::addColumn<QVector<double>>("x");
    QTest::newRow("time server sets the clock back 2 s")
        << QByteArray("10:00:05 AM,000|10:00:06 AM,000|10:00:04 AM,000") << QDate(2026, 3, 1)
        << QVector<double> { 0, 1, 2 };
    QTest::newRow("autumn clock change") << QByteArray("02:59:59 AM,500|02:59:59 AM,750|02:00:00 AM,000")
                                         << QDate(2026, 3, 1) << QVector<double> { 0, 0.25, 0.5 };
}

void tst_RecFile::clockSetBackIsNoNewDay()
{
    QFETCH(QByteArray, times);
    QByteArray bytes = kHead;
    for (const QByteArray &time : times.split('|'))
        bytes += time + ";1;1;2;\n";
    Recording rec;
    QCOMPARE(RecFileReader::parse(bytes, &rec, knownFile), RecFileReader::Loaded);
    const RecordingUnit &unit = rec.units.first();
    QTEST(QDateTime::fromMSecsSinceEpoch(unit.times.last()).date(), "lastDay");
    QTEST(unit.x, "x");
}

void tst_RecFile::foreignFilesStillOpen_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("cells"); // of the first row
    QTest::addColumn<QString>("comment");
    QTest::addColumn<bool>("windows1252");
    const auto add = [](const char *name, const QByteArray &bytes, const QStringList &names,
                         const QStringList &cells, const QString &comment, bool windows1252) {
        QTest::newRow(name) << bytes << names << cells << comment << windows1252;
    };
    const QByteArray row = "01:02:03 AM,004;1;0,25;x y;\r\n";
    const QStringList ab { "A", "B" }, cells { "0,25", "x y" };
    add("CRLF, a text value", kHead + row, ab, cells, "", false);
    add("PEBB line among the unit lines", QByteArray(kHead).replace("Time ", "PEBB;1;2;\nTime ") + row, ab,
        cells, "", false);
    add("foreign bracket line", kHead + "[PEBB DATA];1;\n" + row, ab, cells, "[PEBB DATA];1;", false);
    add("Windows-1252",
        "3/1/2026\n1;KTZ;KTZ23 (1);V1.10;KTZV1.10.csv;\nTime ;Unit 1;Temp \xb0"
        "C;\n01:02:03 PM,004;1;F:12;\n[COMMENT]\nK\xfchler\n",
        { QString::fromUtf8("Temp °C") }, { "F:12" }, QString::fromUtf8("Kühler"), true);
}

void tst_RecFile::foreignFilesStillOpen()
{
    QFETCH(QByteArray, bytes);
    Recording rec;
    QCOMPARE(RecFileReader::parse(bytes, &rec, knownFile), RecFileReader::Loaded);
    QTEST(rec.units[0].signalNames, "names");
    QStringList cells;
    for (int s = 0; s < rec.units[0].signalCount(); ++s)
        cells << rec.units[0].cellText(0, s);
    QTEST(cells, "cells");
    QTEST(rec.comment, "comment");
    QTEST(rec.windows1252, "windows1252");
}

void tst_RecFile::languageChangeRenamesSignals()
{
    OscFixture fx;
    QVERIFY(fx.install());
    QVERIFY(TestInstallation(fx.dir.path()).addDeviceFile("RVNV2.05.csv"));
    QStringList e = fx.entry();
    e[8] = "RVNV2.05.csv";
    OscUnitDev dev(e, 1, 1);
    QCOMPARE(dev.signalNames().first(), QStringLiteral("Process Value"));
    QSignalSpy done(&dev, &OscUnitDev::langTranslationDone);
    dev.onLangTranslation(3);
    QCOMPARE(done.count(), 1);
    QCOMPARE(dev.signalNames().first(), QStringLiteral("Prozesswert"));
    QCOMPARE(dev.signalRows().first().value(SignalCatalogue::FormatField), QStringLiteral("E"));
}

void tst_RecFile::malformedFileIsInvalid_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("no header") << QByteArray("3/1/2026\n1;KTZ;KTZ23 (1);V1.10;KTZV1.10.csv;\n");
    QTest::newRow("unit 0") << kHead + "01:02:03 PM,004;0;1;2;\n";
    QTest::newRow("too few values") << kHead + "01:02:03 PM,004;1;1;\n";
    QTest::newRow("bad time") << kHead + "25:02:03 PM,004;1;1;2;\n";
    QTest::newRow("line without separator") << kHead + "garbage\n";
    QTest::newRow("header of unknown unit") << kHead + "Time ;Unit 3;A;\n";
    QTest::newRow("unit line numbered wrong")
        << QByteArray("3/1/2026\n2;KTZ;K;V;KTZV1.10.csv;\nTime ;Unit 1;\n");
    QTest::newRow("binary") << QByteArray("\x00\xff\xfe;\x01\n\x80;;;\x00", 12);
}

void tst_RecFile::malformedFileIsInvalid()
{
    QFETCH(QByteArray, bytes);
    Recording rec;
    rec.comment = "stale";
    QCOMPARE(RecFileReader::parse(bytes, &rec, knownFile), RecFileReader::Invalid);
    QVERIFY(rec.units.isEmpty() && rec.comment.isEmpty());
}

void tst_RecFile::missingFilesGiveCsvFileNotFound()
{
    OscFixture fx;
    QVERIFY(fx.install());
    Recording rec;
    QCOMPARE(RecFileReader::read(fx.dir.filePath("none.rec"), &rec), RecFileReader::FileNotFound);
    QFile f(fx.dir.filePath("other.rec"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(kHead).replace("KTZV1.10.csv", "ABCV9.99.csv"));
    f.close();
    QCOMPARE(RecFileReader::read(f.fileName(), &rec), RecFileReader::DeviceFileNotFound);
}

QTEST_GUILESS_MAIN(tst_RecFile)
#include "tst_recfile.moc"
