#include "oscfixture.h"
#include "osctrigger.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

namespace {

using Group = TriggerSetup::Group;

// What a value sequence did to a trigger, one sample a second, each capture written as 100 bytes.
struct Run
{
    QList<int> fired; // the samples that started a capture
    int captures = 0;
    int totalWritten = 0;
    OscTrigger::Outcome last;
};

Run run(
    const TriggerSetup &settings, const QVector<double> &a, const QVector<double> &b = {}, int intervalMs = 0)
{
    OscTrigger trigger;
    if (intervalMs > 0)
        trigger.setSamplingInterval(intervalMs);
    QDateTime now(QDate(2026, 1, 1), QTime(12, 0));
    trigger.apply(settings, now);
    Run r;
    for (int i = 0; i < a.size(); ++i) {
        now = now.addSecs(1);
        const auto value
            = [&](int column, int index) { return column == 2 ? b.value(index) : a.value(index); };
        const auto bit = [&](int column, int index, int) {
            const double v = column == 2 ? b.value(index) : a.value(index);
            return v > 0 ? 'H' : v < 0 ? '-' : 'L';
        };
        r.last = trigger.evaluate(i, value, bit, now);
        if (r.last.started)
            r.fired.append(i);
        if (r.last.capture) {
            ++r.captures;
            trigger.captureWritten(100, now);
        }
    }
    r.totalWritten = int(trigger.totalWritten());
    return r;
}

TriggerSetup level(int type, double low, double high, bool digital = false)
{
    TriggerSetup s;
    s.kind = TriggerSetup::Level;
    s.a = Group { 1, digital, 0, type, low, high };
    s.afterMs = 1000; // one sample
    s.stopRule = TriggerSetup::TotalSize; // keep watching
    s.maxTotalBytes = 1e9;
    return s;
}

} // namespace

class tst_OscTrigger : public QObject
{
    Q_OBJECT
private slots:
    void levelCrossingIsStrict_data();
    void levelCrossingIsStrict();
    void conditionalUsesRememberedValues_data();
    void conditionalUsesRememberedValues();
    void stopRuleEndsCaptures_data();
    void stopRuleEndsCaptures();
    void windowStartClampedAtZero();
    void singleCaptureStopsWatching();
};

void tst_OscTrigger::levelCrossingIsStrict_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<bool>("digital");
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<QList<int>>("fired");
    const int F = TriggerSetup::Falling, R = TriggerSetup::Rising, B = TriggerSetup::Both;
    // Sample 0 is never evaluated: the trigger is armed at the end of the first valid sample.
    QTest::newRow("falling 12 9 fires")
        << F << 0.0 << 10.0 << false << QVector<double> { 0, 12, 9 } << QList<int> { 2 };
    QTest::newRow("falling 10 9 not")
        << F << 0.0 << 10.0 << false << QVector<double> { 0, 10, 9 } << QList<int> {};
    QTest::newRow("both 4 6 rising through low")
        << B << 5.0 << 10.0 << false << QVector<double> { 0, 4, 6 } << QList<int> { 2 };
    QTest::newRow("both 11 9 falling through high")
        << B << 5.0 << 10.0 << false << QVector<double> { 11, 11, 9 } << QList<int> { 2 };
    QTest::newRow("rising 5 6 not") << R << 5.0 << 0.0 << false << QVector<double> { 0, 5, 6 }
                                    << QList<int> {};
    // Event at sample 2, its capture written at sample 3 (after time 1 s): sample 4 is not
    // evaluated, sample 6 is.
    QTest::newRow("sample after capture not evaluated")
        << F << 0.0 << 10.0 << false << QVector<double> { 0, 12, 9, 12, 9, 12, 9 } << QList<int> { 2, 6 };
    QTest::newRow("digital falling H to L")
        << F << 0.0 << 0.0 << true << QVector<double> { 0, 1, 0 } << QList<int> { 2 };
    QTest::newRow("digital unused bit never")
        << B << 0.0 << 0.0 << true << QVector<double> { 0, -1, 1 } << QList<int> {};
}

void tst_OscTrigger::levelCrossingIsStrict()
{
    QFETCH(int, type);
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(bool, digital);
    QFETCH(QVector<double>, values);
    QFETCH(QList<int>, fired);
    QCOMPARE(run(level(type, low, high, digital), values).fired, fired);
}

void tst_OscTrigger::conditionalUsesRememberedValues_data()
{
    QTest::addColumn<int>("condition");
    QTest::addColumn<QVector<double>>("a");
    QTest::addColumn<QVector<double>>("b");
    QTest::addColumn<QList<int>>("fired");
    // Both groups analog Falling through 10.
    QTest::newRow("AND: B falls later than A") << int(TriggerSetup::And) << QVector<double> { 0, 12, 8, 8, 8 }
                                               << QVector<double> { 0, 12, 12, 12, 9 } << QList<int> { 4 };
    QTest::newRow("AND: one group only") << int(TriggerSetup::And) << QVector<double> { 0, 12, 8, 8 }
                                         << QVector<double> { 0, 5, 5, 5 } << QList<int> {};
    QTest::newRow("OR: either group") << int(TriggerSetup::Or) << QVector<double> { 0, 5, 5, 5 }
                                      << QVector<double> { 0, 12, 9, 9 } << QList<int> { 2 };
    // Staying below the level after an event is no new crossing.
    QTest::newRow("OR: no repeat without a new crossing")
        << int(TriggerSetup::Or) << QVector<double> { 0, 12, 9, 9, 9, 9, 12, 9 } << QVector<double>(8, 0.0)
        << QList<int> { 2, 7 };
}

void tst_OscTrigger::conditionalUsesRememberedValues()
{
    QFETCH(int, condition);
    QFETCH(QVector<double>, a);
    QFETCH(QVector<double>, b);
    QFETCH(QList<int>, fired);
    TriggerSetup s = level(TriggerSetup::Falling, 0, 10);
    s.kind = TriggerSetup::Conditional;
    s.b = s.a;
    s.b.column = 2;
    s.condition = condition;
    QCOMPARE(run(s, a, b).fired, fired);
}

void tst_OscTrigger::stopRuleEndsCaptures_data()
{
    QTest::addColumn<int>("rule");
    QTest::addColumn<double>("limit");
    QTest::addColumn<int>("captures");
    // A capture of 100 bytes every 4 s (event, capture 1 s later, one sample not evaluated).
    QTest::newRow("single") << int(TriggerSetup::Single) << 0.0 << 1;
    QTest::newRow("size: the capture crossing 250 is the last") << int(TriggerSetup::TotalSize) << 250.0 << 3;
    QTest::newRow("duration: 10 s reached at the third") << int(TriggerSetup::TotalDuration) << 10000.0 << 3;
}

void tst_OscTrigger::stopRuleEndsCaptures()
{
    QFETCH(int, rule);
    QFETCH(double, limit);
    QFETCH(int, captures);
    TriggerSetup s = level(TriggerSetup::Falling, 0, 10);
    s.stopRule = rule;
    s.maxTotalBytes = limit;
    s.maxTotalDurationMs = qint64(limit);
    QVector<double> values;
    for (int i = 0; i < 100; ++i)
        values << (i % 2 ? 9.0 : 12.0);
    const Run r = run(s, values);
    QCOMPARE(r.captures, captures);
    QCOMPARE(r.totalWritten, 100 * captures);
}

void tst_OscTrigger::windowStartClampedAtZero()
{
    TriggerSetup s = level(TriggerSetup::Falling, 0, 10);
    s.beforeMs = 2000;
    s.afterMs = 0;
    const OscTrigger::Outcome out = run(s, { 12, 12, 12, 9 }, {}, 250).last;
    QVERIFY(out.started && out.capture);
    QCOMPARE(out.from, 0);
    QCOMPARE(out.to, 3);
}

void tst_OscTrigger::singleCaptureStopsWatching()
{
    OscFixture fx;
    QVERIFY(fx.install());
    auto dev = fx.device();
    TriggerSetup s = level(TriggerSetup::Rising, 100, 0);
    s.a.column = OscFixture::OutputVoltage + 1;
    s.stopRule = TriggerSetup::Single;
    s.afterMs = 500;
    s.comment = QStringList { "Level Trigger", "Signal Name:Output Voltage" };
    dev->applyTrigger(s);
    QSignalSpy started(dev.get(), &OscUnitDev::vxOscTriggerStart);
    QSignalSpy stopped(dev.get(), &OscUnitDev::vxOscTriggerStop);
    for (int i = 0; i < 12; ++i) {
        fx.clock = fx.clock.addMSecs(250);
        dev->addSample(
            OscFixture::words(0, { { OscFixture::OutputVoltage, quint16(i % 2 ? 200 : 50) } }), true);
    }
    QCOMPARE(started.count(), 1);
    QCOMPARE(stopped.count(), 1);
    const QStringList files = QDir(fx.dir.filePath("TRIGGER")).entryList(QDir::Files);
    QCOMPARE(files.size(), 1);
    QCOMPARE(files.first(), QStringLiteral("TRIGGER_2026_3_1  23_59_59_000.rec"));
}

QTEST_GUILESS_MAIN(tst_OscTrigger)
#include "tst_osctrigger.moc"
