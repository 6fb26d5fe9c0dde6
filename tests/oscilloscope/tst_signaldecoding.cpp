#include "signalcatalogue.h"
#include "signaldecoding.h"

#include <QTest>
#include <QTextStream>

using SignalDecoding::Format;
using SignalDecoding::Kind;

namespace {

// A signal row as the catalogue stores it: name, then the data fields (fault flag at 7, mask at
// 8, number format at 11).
QStringList row(const char *fault, const char *mask, const char *format)
{
    return { "Name", "S1", "31001", "", "0", "1", "1", QString::fromLatin1(fault), QString::fromLatin1(mask),
        "1", "0", QString::fromLatin1(format) };
}

// Register words worked out by hand: bit 15 marks mantissa x 10^exponent, exponent bits 11-14.
constexpr quint16 decimalWord(int exponent, int mantissa)
{
    return quint16(0x8000 | ((exponent & 0xF) << 11) | (mantissa & 0x7FF));
}

} // namespace

class tst_SignalDecoding : public QObject
{
    Q_OBJECT
private slots:
    void decodesEveryFormat_data();
    void decodesEveryFormat();
    void tableTypeFollowsStartRegister_data();
    void tableTypeFollowsStartRegister();
    void catalogueRejectsInconsistentSection_data();
    void catalogueRejectsInconsistentSection();
};

void tst_SignalDecoding::decodesEveryFormat_data()
{
    QTest::addColumn<QStringList>("signalRow");
    QTest::addColumn<int>("word");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("inFile");
    const auto add = [](const char *name, const QStringList &signalRow, int word, const char *shown,
                         const char *inFile) {
        QTest::newRow(name) << signalRow << word << QString(shown) << QString(inFile);
    };
    add("decimal 0x8000 is zero", row("N", "N", "E"), 0x8000, "0", "0");
    add("decimal 0.5 has a comma", row("N", "N", "E"), decimalWord(-1, 5), "0.5", "0,5");
    add("decimal large uses exponent", row("N", "N", "E"), decimalWord(4, 1023), "1.023e+07", "1,023e+07");
    add("signed -1", row("N", "N", "N"), 0xFFFF, "-1", "-1");
    add("unsigned 65535", row("N", "N", "U"), 0xFFFF, "65535", "65535");
    add("bits 5 mask 7", row("N", "7", "U"), 0x0005, "-------------HLH", "-------------HLH");
    add("fault code", row("Y", "255", "U"), 12, "12", "F:12");
}

void tst_SignalDecoding::decodesEveryFormat()
{
    QFETCH(QStringList, signalRow);
    QFETCH(int, word);
    const Format format = SignalDecoding::formatOf(signalRow);
    QTEST(SignalDecoding::text(format, quint16(word)), "shown");
    QTEST(SignalDecoding::fileText(format, quint16(word)), "inFile");
    QCOMPARE(SignalDecoding::numberText(1234567), QStringLiteral("1.23457e+06"));
}

void tst_SignalDecoding::tableTypeFollowsStartRegister_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("type");
    QTest::newRow("40001") << 40001 << 4;
    QTest::newRow("30005") << 30005 << 3;
    QTest::newRow("10000 outside all") << 10000 << 4;
    QTest::newRow("10001") << 10001 << 2;
}

void tst_SignalDecoding::tableTypeFollowsStartRegister()
{
    QFETCH(int, number);
    QFETCH(int, type);
    QCOMPARE(SignalDecoding::tableType(quint16(number)), type);
}

void tst_SignalDecoding::catalogueRejectsInconsistentSection_data()
{
    const QString trips = "[TRIP MESSAGES]\n0;No Trip\n1;Hot\n[TRIP MESSAGES]END\n";
    const QString head = "[RECORD VALUES]\n*English;English\n*Deutsch;Deutsch\n// comment;x\n";
    const QString data = "S1;31001;rpm;0;1;1;N;N;1;0;N\n*English;Speed\n*Deutsch;Drehzahl\n";
    const QString end = "[RECORD VALUES]END\n";
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("firstName");
    const QString block = "1;Blocks\n%Block;1\nB1;31001;1;B\n";
    const auto row = [](const char *name, const QString &text, const char *language, bool valid, int count,
                         const char *firstName) {
        QTest::newRow(name) << text << QString(language) << valid << count << QString(firstName);
    };
    row("consistent", trips + head + block + data + end, "Deutsch", true, 1, "Drehzahl");
    row("missing language falls back to the first", trips + head + block + data + end, "Svenska", true, 1,
        "Speed");
    row("block count differs from its rows", trips + head + "1;Blocks\n%Block;1\nB1;31001;2;B\n" + data + end,
        "English", false, 1, "Speed");
    row("short data line", trips + head + block + "S1;1;2\n*English;S\n" + end, "English", false, 0, "");
    row("record section before trip messages end", head + block + data + end + trips, "English", false, 0,
        "");
    row("section never closed", trips + head + block + data, "English", false, 1, "Speed");
}

void tst_SignalDecoding::catalogueRejectsInconsistentSection()
{
    QFETCH(QString, text);
    QFETCH(QString, language);
    QFETCH(bool, valid);
    QFETCH(int, count);
    QTextStream in(&text);
    const SignalCatalogue cat = SignalCatalogueReader::read(in, language);
    QCOMPARE(cat.valid, valid);
    QCOMPARE(cat.signalCount(), count);
    if (count > 0) {
        QTEST(cat.signalNames().first(), "firstName");
        QCOMPARE(cat.signalRows.first().size(), int(SignalCatalogue::MinimumRowSize));
    }
    if (valid) {
        QCOMPARE(cat.trips.texts(), QStringList({ "No Trip", "Hot" }));
        QCOMPARE(cat.blockAddresses, QVector<quint16> { 31001 });
    }
}

QTEST_GUILESS_MAIN(tst_SignalDecoding)
#include "tst_signaldecoding.moc"
