#include "registerword.h"

#include <QtTest>
#include <cmath>

// Register words are what the unit stores: a wrong bit here writes a wrong value to a drive.
class TestRegisterWord : public QObject
{
    Q_OBJECT
private slots:
    void encodeDecodeVectors_data();
    void encodeDecodeVectors();
    void shownTextParsesLikeTheEditor_data();
    void shownTextParsesLikeTheEditor();
    void everyWordSurvivesDecodeThenEncode();
};

void TestRegisterWord::encodeDecodeVectors_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("word");
    QTest::addColumn<double>("decoded");

    // Values with a decimal comma or point, negative, and above 32767 in every form the model
    // stores are held by the golden file of tst_datfile.
    QTest::newRow("50 plain") << 50.0 << 0x0032 << 50.0;
    QTest::newRow("32767 largest plain") << 32767.0 << 0x7FFF << 32767.0;
    // The mantissa field holds -1024..1023: -1001 fits at exponent 0 and stays exact.
    QTest::newRow("-1001 exact") << -1001.0 << (0x8000 | (-1001 & 0x7FF)) << -1001.0;
    QTest::newRow("-1025 exp 1") << -1025.0 << (0x8000 | (1 << 11) | (-103 & 0x7FF)) << -1030.0;
    QTest::newRow("102.3 keeps 4 digits") << 102.3 << (0x8000 | (0xF << 11) | 1023) << 102.3;
    QTest::newRow("-0.25 exp -2") << -0.25 << (0x8000 | (0xE << 11) | (-25 & 0x7FF)) << -0.25;
    QTest::newRow("1/3 rounds to 0.333") << (1.0 / 3.0) << (0x8000 | (0xD << 11) | 333) << 0.333;
    QTest::newRow("2/3 rounds half up") << (2.0 / 3.0) << (0x8000 | (0xD << 11) | 667) << 0.667;
    QTest::newRow("1e-8 smallest exponent") << 1e-8 << (0x8000 | (0x8 << 11) | 1) << 1e-8;
    QTest::newRow("1e-10 rounds to zero") << 1e-10 << 0 << 0.0;
    QTest::newRow("1e12 saturates") << 1e12 << (0x8000 | (7 << 11) | 1023) << 1.023e10;
}

void TestRegisterWord::encodeDecodeVectors()
{
    QFETCH(double, value);
    QFETCH(int, word);
    QFETCH(double, decoded);
    const quint16 encoded = RegisterWord::encode(value);
    QCOMPARE(QString::number(encoded, 16), QString::number(word, 16));
    QVERIFY2(qFuzzyCompare(1.0 + RegisterWord::decode(encoded), 1.0 + decoded),
        qPrintable(QString::number(RegisterWord::decode(encoded), 'g', 17)));
}

void TestRegisterWord::shownTextParsesLikeTheEditor_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("word");
    QTest::addColumn<QString>("decodedText");

    QTest::newRow("blanks") << "  50 " << 50 << "50";
    QTest::newRow("not a number is 0") << "abc" << 0 << "0";
    QTest::newRow("0.3 without binary noise") << "0.3" << (0x8000 | (0xF << 11) | 3) << "0.3";
}

void TestRegisterWord::shownTextParsesLikeTheEditor()
{
    QFETCH(QString, text);
    const quint16 encoded = RegisterWord::encode(text);
    QTEST(int(encoded), "word");
    QTEST(RegisterWord::decodeText(encoded), "decodedText");
}

void TestRegisterWord::everyWordSurvivesDecodeThenEncode()
{
    // A value read from a unit and written back unchanged must reach the unit unchanged.
    int failures = 0;
    QString first;
    for (int w = 0; w <= 0xFFFF; ++w) {
        const double value = RegisterWord::decode(quint16(w));
        const quint16 again = RegisterWord::encode(value);
        const double back = RegisterWord::decode(again);
        const bool same = value == 0.0 ? back == 0.0 : std::fabs(back - value) <= 1e-12 * std::fabs(value);
        // The text shown must also read back to the same word.
        const bool textSame = RegisterWord::encode(RegisterWord::decodeText(quint16(w))) == again;
        if (!same || !textSame) {
            if (failures++ == 0)
                first = QStringLiteral("word %1 value %2 -> %3")
                            .arg(w, 4, 16)
                            .arg(value, 0, 'g', 17)
                            .arg(back, 0, 'g', 17);
        }
    }
    QVERIFY2(failures == 0, qPrintable(QStringLiteral("%1 words, first: %2").arg(failures).arg(first)));
}

QTEST_GUILESS_MAIN(TestRegisterWord)
#include "tst_registerword.moc"
