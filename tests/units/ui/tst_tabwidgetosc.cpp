// The tab controller's oscilloscope devices: one per accepted unit, recording reported through
// the hook (removal refused while it runs), the device gone with the unit.
#include "apppaths.h"
#include "oscdevicekeeper.h"
#include "oscunitdev.h"
#include "scriptedprompter.h"
#include "settingsbinder.h"
#include "simpeer.h"
#include "tabwidget.h"
#include "unitregistry.h"
#include "unitstestsupport.h"

class TstTabWidgetOsc : public QObject
{
    Q_OBJECT
private slots:
    void deviceFollowsTheUnitAndRecordingBlocksRemoval();
};

void TstTabWidgetOsc::deviceFollowsTheUnitAndRecordingBlocksRemoval()
{
    QTemporaryDir dir;
    TestInstallation installation(dir.path());
    QVERIFY(installation.addGeneralCsv() && installation.addDeviceFile("KTZV1.10.csv"));
    AppPaths::setBaseDir(dir.path());
    SimPeer sim;
    const QString line = dir.filePath("line");
    QVERIFY2(sim.startPty(line, { "--data", dir.path(), "--device", "KTZV1.10.csv", "--size", "1" }),
        qPrintable(sim.errorOutput()));
    ScriptedPrompter prompter;
    {
        TabWidget tab(prompter, nullptr);
        tab.settings().record().importActive = false;
        tab.onAddUnitClicked(1, line, 19200, "N,8,1", 1, QString(), "RS232", 1, QString());
        QVERIFY(waitFor([&] { return tab.registry().total() == 1; }, 15000));
        OscDeviceKeeper *keeper = tab.oscDeviceKeeper();
        QCOMPARE(keeper->devices().size(), 1);
        OscUnitDev *device = keeper->devices().first();
        QVERIFY(device->catalogueValid());
        QCOMPARE(device->runningNumber(), 1);

        QVERIFY(keeper->startRecording());
        QVERIFY(tab.isOscRecording());
        QVERIFY(waitFor([&] { return device->sampleCount() >= 2; }, 10000));
        prompter.expectCritical("Oscilloscope Record in Progress.Please stop before Removing");
        tab.vxUISlotUnitRemoveClicked(tab.currentUnit(), false);
        QCOMPARE(tab.registry().total(), 1);
        QCOMPARE(keeper->stopRecording(), RecordingWriter::Written);
        QVERIFY(QFileInfo(dir.filePath("TEMP.peb")).size() > 0);

        tab.vxUISlotUnitRemoveClicked(tab.currentUnit(), true);
        QVERIFY(waitFor([&] { return tab.registry().total() == 0; }, 15000));
        QCOMPARE(keeper->devices().size(), 0);
    }
    QCOMPARE(prompter.problems(), QString());
    AppPaths::setBaseDir(QString());
}

TARVOLINK_WIDGET_TEST_MAIN(TstTabWidgetOsc)
#include "tst_tabwidgetosc.moc"
