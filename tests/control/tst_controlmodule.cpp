// What each control command writes for a unit's "[CONTROL PANEL]" rows, and how panel actions
// and the control update change the control record.
#include "controlmodule.h"

#include <QTest>

using namespace WorkerOps;

namespace {

// The rows of a drive whose three motor commands share coils 11 to 13.
DeviceFiles::ControlPanelInfo sharedCoils()
{
    DeviceFiles::ControlPanelInfo p;
    p.sectionFound = true;
    p.refSourceAddress = "40104";
    p.runSourceAddress = "40105";
    p.fwdAddress = p.revAddress = p.stpAddress = "11";
    p.fwdData = "3"; // base 2: 11
    p.revData = "5"; // 101
    p.stpData = "0";
    p.refAddress = "44501";
    p.refMaxValue = "200";
    return p;
}

} // namespace

class TstControlModule : public QObject
{
    Q_OBJECT
private slots:
    void commandWrites_data();
    void commandWrites();
    void recordFollowsActionsAndKeepsPendingValues();
};

void TstControlModule::commandWrites_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("written");
    QTest::addColumn<int>("number");
    QTest::addColumn<QVector<quint16>>("words");
    // Forward, reverse and stop on shared coils and the run/stop source: the simulated motor of
    // tst_clicontrol and tst_tabwidgetcontrol runs, turns and stops only on the right words.
    QTest::newRow("stop of value 0 clears all three")
        << 5 << 0.0 << true << 11 << QVector<quint16> { 0, 0, 0 };
    QTest::newRow("reference source Option") << 6 << 3.0 << true << 40104 << QVector<quint16> { 3 };
    QTest::newRow("no fifth source") << 6 << 4.0 << false << 0 << QVector<quint16> {};
    QTest::newRow("reference scaled to its maximum")
        << 8 << 55.5 << true << 44501 << QVector<quint16> { 111 };
    QTest::newRow("reference above 100") << 8 << 100.5 << false << 0 << QVector<quint16> {};
}

void TstControlModule::commandWrites()
{
    QFETCH(int, kind);
    QFETCH(double, value);
    QFETCH(bool, written);
    QFETCH(int, number);
    QFETCH(QVector<quint16>, words);
    ControlWrite write;
    QCOMPARE(controlWriteFor(sharedCoils(), kind, value, &write), written);
    if (!written)
        return;
    QCOMPARE(write.number, number);
    QCOMPARE(write.type, number < 10000 ? 1 : 4);
    QCOMPARE(write.words, words);
    // A file without the rows writes nothing.
    QVERIFY(!controlWriteFor(DeviceFiles::ControlPanelInfo(), kind, value, &write));
}

void TstControlModule::recordFollowsActionsAndKeepsPendingValues()
{
    ControlModule module({ "1", "KTZ (1)" }, sharedCoils());
    ControlRecord &record = *module.record();
    QVERIFY(!module.isControlledHere());
    record.apply(RunStopSource, SourceCom);
    record.apply(RunForward, 0);
    QCOMPARE(record.values().command, 0);
    QVERIFY(module.isControlledHere());

    // A pass that read the unit before the write does not undo it, nor does the first after.
    ControlReadings stale;
    stale.runSource = SourceRemote;
    stale.command = 2;
    record.update(stale);
    record.writesDone();
    record.update(stale);
    QCOMPARE(record.values().runSource, int(SourceCom));
    record.update(stale);
    QCOMPARE(record.values().runSource, int(SourceRemote));

    record.apply(RunStopSource, SourceCom);
    record.apply(RunBackward, 0);
    record.apply(RunStopSource, SourceKeyboard); // the unit stops a motor it no longer takes from here
    QCOMPARE(record.values().command, 2);
    record.apply(ReferenceValue, 42.5);
    QCOMPARE(record.values().reference, 42.5);
}

QTEST_GUILESS_MAIN(TstControlModule)
#include "tst_controlmodule.moc"
