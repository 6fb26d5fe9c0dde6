// The acquisition worker against the drive simulator: over a pseudo-terminal and loopback TCP,
// with the recording file written and read back, units numbered across interfaces, the pacing
// of cycles and a unit that falls silent.
#include "apppaths.h"
#include "importfilethread.h"
#include "oscdevicekeeper.h"
#include "oscfixture.h"
#include "recfilereader.h"
#include "vxcommmodbusmaster.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <cmath>

namespace {

const QString Host = testHost(81);
constexpr quint16 Port = 15081;

// The median time between the device's samples, in ms.
double medianGap(const OscUnitDev &dev)
{
    QVector<double> gaps;
    for (int i = 1; i < dev.sampleCount(); ++i)
        gaps.append(double(dev.sampleTime(i) - dev.sampleTime(i - 1)));
    std::sort(gaps.begin(), gaps.end());
    return gaps.isEmpty() ? 0.0 : gaps.at(gaps.size() / 2);
}

// Stops a recording and waits for its end: the status of the last append.
RecordingWriter::Status stop(OscDeviceKeeper &keeper)
{
    QSignalSpy stopped(&keeper.recording(), &RecordingController::recordingStopped);
    if (!keeper.recording().stopRecording() || (stopped.isEmpty() && !stopped.wait(10000)))
        return RecordingWriter::InvalidFilepath;
    return stopped.first().at(0).value<RecordingWriter::Status>();
}

} // namespace

class tst_Acquisition : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void recordingHoldsWhatTheSimulatorServedRestartsEmptyAndNumbersUnits();
    void slowCycleIsFollowedByTheMinimumGap();
    void silentUnitRepeatsTwiceThenZero();
    void stopNeverWaitsOnTheBusAndTheNextStartRecords();

private:
    std::unique_ptr<VxCommModbusMaster> master(bool tcp, const QList<int> &units = { 1 });
    QString line() const { return fx.dir.filePath(QStringLiteral("line")); }
    bool startSim(SimPeer &sim, bool tcp, const QStringList &extra = {});
    // Runs the acquisition worker alone on `dev` over `link` until it holds `samples` samples.
    bool acquire(VxCommModbusMaster *link, OscUnitDev &dev, ulong intervalMs, int samples, int boundMs);

    OscFixture fx;
};

void tst_Acquisition::initTestCase()
{
    QVERIFY(fx.install());
}

bool tst_Acquisition::startSim(SimPeer &sim, bool tcp, const QStringList &extra)
{
    const QStringList options = QStringList { "--device", "KTZV1.10.csv", "--size", "1" } + extra;
    return tcp ? sim.startTcp(Host, Port, options) : sim.startPty(line(), options);
}

std::unique_ptr<VxCommModbusMaster> tst_Acquisition::master(bool tcp, const QList<int> &units)
{
    auto m = std::make_unique<VxCommModbusMaster>(tcp ? 3 : 2);
    if (tcp)
        m->VxCommConnectTcpLink(Host, Port);
    else
        m->VxCommOpenSerialLink(line(), 19200, QStringLiteral("N,8,1"));
    m->VxCommSetMsgDelay(1);
    m->VxCommSetNoOfRetries(0);
    for (int unit : units)
        m->VxCommAddUnitHealth(unit, QStringLiteral("connect"), QString::number(unit));
    return m;
}

void tst_Acquisition::recordingHoldsWhatTheSimulatorServedRestartsEmptyAndNumbersUnits()
{
    SimPeer sim;
    // Four blocks, one exchange each: a 40 ms cycle keeps the 250 ms interval.
    QVERIFY2(startSim(sim, true, { "--slow", "10" }), qPrintable(sim.errorOutput()));
    auto link = master(true);
    QVERIFY(!RecordingController().startRecording()); // no unit yet
    OscDeviceKeeper keeper;
    auto *dev = qobject_cast<OscUnitDev *>(
        keeper.createDeviceOnMaster(fx.entry("TCPIP", 1), QString(), link.get()));
    QVERIFY(dev);
    QVERIFY(dev->catalogueValid());
    QVERIFY(keeper.recording().startRecording());
    QTest::qWait(3000);
    QCOMPARE(stop(keeper), RecordingWriter::Written);

    Recording rec;
    QCOMPARE(RecFileReader::read(AppPaths::tempRecordingPath(), &rec), RecFileReader::Loaded);
    const RecordingUnit &unit = rec.units.first();
    QCOMPARE(unit.unitLine, QStringList({ "1", "KTZ", "KTZ23-2P5 (1)", "V1.10", "KTZV1.10.csv" }));
    QCOMPARE(unit.signalNames, dev->signalNames());
    // 250 ms a sample for 3 s, give or take the start and the link.
    QVERIFY2(unit.rowCount() >= 9 && unit.rowCount() <= 14, qPrintable(QString::number(unit.rowCount())));
    QCOMPARE(unit.rowCount(), dev->sampleCount());
    QVERIFY2(std::fabs(medianGap(*dev) - 250.0) <= 30.0, qPrintable(QString::number(medianGap(*dev))));
    QVERIFY(dev->lastCycleTime() >= 4 * 10);
    for (int r = 0; r < unit.rowCount(); ++r) {
        QCOMPARE(dev->sampleState(r), OscUnitDev::Valid);
        // The stopped motor's speed is a ripple of 20 around 0; the current a wave of 10.
        QVERIFY(std::fabs(unit.value(r, OscFixture::Speed)) <= 20);
        QVERIFY(std::fabs(unit.value(r, OscFixture::Current)) <= 10.05);
        const QString digIn = unit.cellText(r, OscFixture::DigIn);
        QVERIFY2(digIn == "------------LHLH" || digIn == "------------HLHL", qPrintable(digIn));
        QCOMPARE(unit.cellText(r, OscFixture::TripMessage), QStringLiteral("F:0"));
        if (r == 0)
            continue;
        // The output voltage is a saw rising 100 a second: its rise follows the time stamps.
        const double dt = unit.x.at(r) - unit.x.at(r - 1);
        const double rise = std::fmod(
            unit.value(r, OscFixture::OutputVoltage) - unit.value(r - 1, OscFixture::OutputVoltage) + 1000.0,
            1000.0);
        QVERIFY2(
            std::fabs(rise - 100.0 * dt) <= 25.0, qPrintable(QStringLiteral("%1 in %2 s").arg(rise).arg(dt)));
    }

    // A unit without link is never started; the interval is refused below 10 ms.
    QVERIFY(keeper.createDevice(fx.entry("RS232", 9), QString()));
    keeper.recording().setInterval(5);
    QCOMPARE(keeper.worker(dev)->getInterval(), 250ul);
    keeper.recording().setInterval(100);
    QCOMPARE(keeper.worker(dev)->getInterval(), 100ul);
    QCOMPARE(dev->interval(), 100);
    const int first = dev->sampleCount();
    QVERIFY(keeper.recording().startRecording());
    QVERIFY(dev->sampleCount() < first); // the new recording starts empty
    QVERIFY(QTest::qWaitFor([&] { return dev->sampleCount() >= 3; }, 5000));
    // Removed while its worker runs: a worker still in its cycle comes back to be deleted once ended.
    delete keeper.removeDevice(dev);
    QCOMPARE(keeper.recording().devices().size(), 1);
    QCOMPARE(stop(keeper), RecordingWriter::Written);
    keeper.waitForThreads();

    // Units on a pseudo-terminal's RS485 line are numbered before the TCP/IP one added first.
    SimPeer line485;
    QVERIFY2(startSim(line485, false, SimPeer::unitOptions({ 1, 2 })), qPrintable(line485.errorOutput()));
    auto bus = master(false, { 1, 2 });
    OscDeviceKeeper numbered;
    numbered.createDeviceOnMaster(fx.entry("TCPIP", 1), QString(), link.get());
    numbered.createDeviceOnMaster(fx.entry("RS485", 1), QString(), bus.get());
    numbered.createDeviceOnMaster(fx.entry("RS485", 2), QString(), bus.get());
    QVERIFY(numbered.recording().startRecording());
    QTest::qWait(1200);
    QCOMPARE(stop(numbered), RecordingWriter::Written);
    QCOMPARE(RecFileReader::read(AppPaths::tempRecordingPath(), &rec), RecFileReader::Loaded);
    QCOMPARE(rec.units.size(), 3);
    const QStringList names { "KTZ23-2P5 (1)", "KTZ23-2P5 (2)", "KTZ23-2P5 (1)" };
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(rec.units[i].unitLine.value(0), QString::number(i + 1));
        QCOMPARE(rec.units[i].unitLine.value(2), names[i]);
        QVERIFY(rec.units[i].rowCount() >= 2);
    }
    QCOMPARE(numbered.recording().devices().last()->unitEntry().value(3), QStringLiteral("TCPIP"));
}

bool tst_Acquisition::acquire(
    VxCommModbusMaster *link, OscUnitDev &dev, ulong intervalMs, int samples, int boundMs)
{
    importfileThread worker(link, fx.entry("TCPIP", 1), nullptr);
    worker.setAcquisitionSink(&dev);
    worker.setInterval(intervalMs);
    worker.threadStart();
    const bool reached = QTest::qWaitFor([&] { return dev.sampleCount() >= samples; }, boundMs);
    worker.setStop();
    return worker.wait(10000) && reached;
}

void tst_Acquisition::slowCycleIsFollowedByTheMinimumGap()
{
    QCOMPARE(WorkerOps::acquisitionWait(250, 40), 210);
    QCOMPARE(WorkerOps::acquisitionWait(250, 300), WorkerOps::AcquisitionMinGapMs);
    // Four blocks, one exchange each: a 300 ms cycle is followed by the 20 ms minimum gap.
    SimPeer sim;
    QVERIFY2(startSim(sim, true, { "--slow", "75" }), qPrintable(sim.errorOutput()));
    auto link = master(true);
    OscUnitDev dev(fx.entry("TCPIP", 1), 1, 1);
    QVERIFY(acquire(link.get(), dev, 250, 8, 10000));
    QVERIFY2(std::fabs(medianGap(dev) - 320.0) <= 30.0, qPrintable(QString::number(medianGap(dev))));
    QVERIFY(dev.lastCycleTime() >= 4 * 75);
}

void tst_Acquisition::silentUnitRepeatsTwiceThenZero()
{
    SimPeer sim;
    // One cycle of four exchanges is answered, then nothing.
    QVERIFY2(startSim(sim, true, { "--silent-after", "4" }), qPrintable(sim.errorOutput()));
    auto link = master(true);
    OscUnitDev dev(fx.entry("TCPIP", 1), 1, 1);
    QVERIFY(acquire(link.get(), dev, 50, 4, 30000));
    QCOMPARE(dev.sampleState(0), OscUnitDev::Valid);
    QCOMPARE(dev.sampleState(1), OscUnitDev::Repeated);
    QCOMPARE(dev.sampleState(2), OscUnitDev::Repeated);
    QCOMPARE(dev.sampleState(3), OscUnitDev::Zeroed);
}

void tst_Acquisition::stopNeverWaitsOnTheBusAndTheNextStartRecords()
{
    SimPeer sim;
    // A cycle of four exchanges of 300 ms each.
    QVERIFY2(startSim(sim, true, { "--slow", "300" }), qPrintable(sim.errorOutput()));
    auto link = master(true);
    OscDeviceKeeper keeper;
    auto *dev = qobject_cast<OscUnitDev *>(
        keeper.createDeviceOnMaster(fx.entry("TCPIP", 1), QString(), link.get()));
    QSignalSpy stopped(&keeper.recording(), &RecordingController::recordingStopped);
    QVERIFY(keeper.recording().startRecording());
    QTest::qWait(200);
    QElapsedTimer t;
    t.start();
    QVERIFY(keeper.recording().stopRecording());
    QVERIFY2(t.elapsed() < 150, qPrintable(QString::number(t.elapsed())));
    QVERIFY(keeper.recording().isStopping() && stopped.isEmpty());
    // Started again while the worker still ends its cycle: it records once that cycle is over.
    QVERIFY(keeper.recording().startRecording());
    QCOMPARE(stopped.count(), 1);
    QVERIFY(QTest::qWaitFor([&] { return dev->sampleCount() >= 2; }, 10000));
    QCOMPARE(stop(keeper), RecordingWriter::Written);
}

QTEST_GUILESS_MAIN(tst_Acquisition)
#include "tst_acquisition.moc"
