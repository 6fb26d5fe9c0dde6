#include "oscfixture.h"
#include "osctrigger.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <atomic>
#include <cmath>
#include <thread>

namespace {

using Group = TriggerSetup::Group;

// What a value sequence did to a trigger, one sample a second, each capture written as 100 bytes.
// A NaN in `a` is a failed cycle: stored as 0 and never evaluated, as the device does.
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
        if (std::isnan(a.at(i)))
            continue;
        const auto value = [&](int column, int index) {
            const double v = column == 2 ? b.value(index) : a.value(index);
            return std::isnan(v) ? 0.0 : v;
        };
        const auto bit = [&](int column, int index, int) {
            return value(column, index) > 0 ? 'H' : value(column, index) < 0 ? '-' : 'L';
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

TriggerSetup conditional(int condition)
{
    TriggerSetup s = level(TriggerSetup::Falling, 0, 10);
    s.kind = TriggerSetup::Conditional;
    s.b = s.a;
    s.b.column = 2;
    s.condition = condition;
    return s;
}

} // namespace

Q_DECLARE_METATYPE(TriggerSetup)

class tst_OscTrigger : public QObject
{
    Q_OBJECT
private slots:
    void crossingsAreStrict_data();
    void crossingsAreStrict();
    void stopRuleEndsCaptures_data();
    void stopRuleEndsCaptures();
    void windowStartClampedAtZero();
    void singleCaptureStopsWatching();
};

void tst_OscTrigger::crossingsAreStrict_data()
{
    QTest::addColumn<TriggerSetup>("setup");
    QTest::addColumn<QVector<double>>("a");
    QTest::addColumn<QVector<double>>("b");
    QTest::addColumn<QList<int>>("fired");
    const auto row
        = [](const char *name, const TriggerSetup &setup, const QVector<double> &a, const QVector<double> &b,
              const QList<int> &fired) { QTest::newRow(name) << setup << a << b << fired; };
    const int F = TriggerSetup::Falling, R = TriggerSetup::Rising, B = TriggerSetup::Both;
    // Sample 0 is never evaluated: the trigger is armed at the end of the first valid sample.
    row("falling 12 9 fires", level(F, 0, 10), { 0, 12, 9 }, {}, { 2 });
    row("falling 10 9 not", level(F, 0, 10), { 0, 10, 9 }, {}, {});
    row("both 4 6 rising through low", level(B, 5, 10), { 0, 4, 6 }, {}, { 2 });
    row("both 11 9 falling through high", level(B, 5, 10), { 11, 11, 9 }, {}, { 2 });
    row("rising 5 6 not", level(R, 5, 0), { 0, 5, 6 }, {}, {});
    // Event at sample 2, its capture written at sample 3 (after time 1 s): sample 4 is not
    // evaluated, sample 6 is.
    row("sample after capture not evaluated", level(F, 0, 10), { 0, 12, 9, 12, 9, 12, 9 }, {}, { 2, 6 });
    row("digital falling H to L", level(F, 0, 0, true), { 0, 1, 0 }, {}, { 2 });
    row("digital unused bit never", level(B, 0, 0, true), { 0, -1, 1 }, {}, {});
    // After an outage the newest valid sample is compared with the last valid one, not with 0.
    const double lost = std::nan("");
    row("rising after an outage", level(R, 10, 0), { 50, 50, lost, lost, lost, 50, 5, 50 }, {}, { 7 });
    row("digital rising after an outage", level(R, 0, 0, true), { 1, 1, lost, lost, lost, 1 }, {}, {});
    // Conditional: both groups analog Falling through 10, each remembering its last crossing.
    const TriggerSetup both = conditional(TriggerSetup::And), either = conditional(TriggerSetup::Or);
    row("AND: B falls later than A", both, { 0, 12, 8, 8, 8 }, { 0, 12, 12, 12, 9 }, { 4 });
    row("AND: one group only", both, { 0, 12, 8, 8 }, { 0, 5, 5, 5 }, {});
    row("OR: either group", either, { 0, 5, 5, 5 }, { 0, 12, 9, 9 }, { 2 });
    // Staying below the level after an event is no new crossing.
    row("OR: no repeat without a new crossing", either, { 0, 12, 9, 9, 9, 9, 12, 9 }, QVector<double>(8, 0.0),
        { 2, 7 });
}

void tst_OscTrigger::crossingsAreStrict()
{
    QFETCH(TriggerSetup, setup);
    QFETCH(QVector<double>, a);
    QFETCH(QVector<double>, b);
    QTEST(run(setup, a, b).fired, "fired");
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
    // The trigger file is a pipe nobody reads yet: writing it blocks until the test reads it.
    const QString name = QStringLiteral("TRIGGER_2026_3_1  23_59_59_000.rec");
    QVERIFY(QDir().mkpath(fx.dir.filePath("TRIGGER")));
    QCOMPARE(QProcess::execute("mkfifo", { fx.dir.filePath("TRIGGER/" + name) }), 0);
    auto dev = fx.device();
    TriggerSetup s = level(TriggerSetup::Rising, 100, 0);
    s.a.column = OscFixture::OutputVoltage + 1;
    s.stopRule = TriggerSetup::Single;
    s.afterMs = 500;
    s.comment = QStringList { "Level Trigger", "Signal Name:Output Voltage" };
    dev->applyTrigger(s);
    QSignalSpy started(dev.get(), &OscUnitDev::vxOscTriggerStart);
    QSignalSpy stopped(dev.get(), &OscUnitDev::vxOscTriggerStop);
    std::thread worker([&] {
        for (int i = 0; i < 12; ++i) {
            fx.clock = fx.clock.addMSecs(250);
            dev->addSample(
                OscFixture::words(0, { { OscFixture::OutputVoltage, quint16(i % 2 ? 200 : 50) } }), true);
        }
    });
    // While the capture is written the store can be read: the file is written outside its lock.
    QTest::qWait(300);
    std::atomic<bool> read { false };
    std::thread reader([&] { read = dev->sampleCount() > 0; });
    const bool readWhileWriting = QTest::qWaitFor([&] { return read.load(); }, 1000);
    QFile pipe(fx.dir.filePath("TRIGGER/" + name));
    QVERIFY(pipe.open(QIODevice::ReadOnly));
    QVERIFY(pipe.readAll().contains("[COMMENT]\nLevel Trigger\n"));
    worker.join();
    reader.join();
    QVERIFY(readWhileWriting);
    QCOMPARE(started.count(), 1);
    QCOMPARE(stopped.count(), 1);
    QCOMPARE(QDir(fx.dir.filePath("TRIGGER")).entryList(QDir::Files | QDir::System), QStringList { name });
}

QTEST_GUILESS_MAIN(tst_OscTrigger)
#include "tst_osctrigger.moc"
