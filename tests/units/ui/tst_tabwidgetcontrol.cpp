// The control panel of the tab controller against two simulated units on one RS485 line: the
// motor follows the buttons, refused and merely shown values write nothing, and the "Control
// Source" hand-back writes its sources before the unit goes. Also the oscilloscope devices: one
// per accepted unit, recording reported through the hook (removal refused while it runs), each
// device gone with its unit.
#include "alarms.h"
#include "apppaths.h"
#include "controlbox.h"
#include "ctrlpanelcontroller.h"
#include "ctrlpanelframe.h"
#include "oscdevicekeeper.h"
#include "oscunitdev.h"
#include "scriptedprompter.h"
#include "settingsbinder.h"
#include "simpeer.h"
#include "tabwidget.h"
#include "treeitem.h"
#include "treemodel.h"
#include "unitregistry.h"
#include "unitstestsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

namespace {

// "unit:function:register" of every write among the simulator's request lines, coils included.
QStringList writes(const QStringList &requests)
{
    static const QRegularExpression write(" unit (\\d+) fc (5|6|15|16) reg (\\d+):");
    QStringList found;
    for (const QString &r : requests) {
        const QRegularExpressionMatch m = write.match(r);
        if (m.hasMatch())
            found << m.captured(1) + ":" + m.captured(2) + ":" + m.captured(3);
    }
    return found;
}

double shownSpeed(TreeModel *model)
{
    const TreeItem *item = model->findItem("712");
    return model->data(model->indexOf(item, TreeItem::SetAColumn), Qt::DisplayRole).toString().toDouble();
}

} // namespace

class TstTabWidgetControl : public QObject
{
    Q_OBJECT
private slots:
    void panelDrivesTheUnitAndHandsControlBack();
    void controlBoxGivesTheSourceIndicesWritten();

private:
    // Waits until the simulator has logged exactly `expected` writes since the last call.
    bool expectWrites(const QStringList &expected)
    {
        QStringList seen;
        const bool ok = waitFor(
            [&] {
                seen += writes(sim.takeRequests());
                return seen.size() >= expected.size();
            },
            8000);
        QTest::qWait(200);
        seen += writes(sim.takeRequests());
        if (!ok || seen != expected)
            qWarning("writes: %s", qPrintable(seen.join(", ")));
        return ok && seen == expected;
    }

    SimPeer sim;
};

void TstTabWidgetControl::panelDrivesTheUnitAndHandsControlBack()
{
    QTemporaryDir dir;
    TestInstallation installation(dir.path());
    QVERIFY(installation.addGeneralCsv() && installation.addDeviceFile("KTZV1.10.csv"));
    AppPaths::setBaseDir(dir.path());
    const QString line = dir.filePath("line");
    QVERIFY2(sim.startPty(line,
                 QStringList { "--data", dir.path(), "--device", "KTZV1.10.csv", "--size", "1", "--verbose" }
                     + SimPeer::unitOptions({ 1, 2 })),
        qPrintable(sim.errorOutput()));
    ScriptedPrompter prompter;
    {
        TabWidget tab(prompter, nullptr);
        tab.settings().record().importActive = false;
        CtrlPanelFrame *panel = tab.ctrlPanel();
        tab.onAddUnitClicked(2, line, 19200, "N,8,1", 2, QString(), "RS485", 1, QString());
        QVERIFY(waitFor([&] { return tab.registry().total() == 1; }, 15000));
        tab.onAddUnitClicked(1, line, 19200, "N,8,1", 1, QString(), "RS485", 1, QString());
        QVERIFY(waitFor([&] { return tab.registry().total() == 2; }, 15000));
        const QStringList unit1 = tab.currentUnit();
        const QStringList unit2 = tab.infoList(UnitRegistry::RS485).first();
        QCOMPARE(unit1.value(0), QString("1"));
        OscDeviceKeeper *keeper = tab.oscDeviceKeeper();
        QCOMPARE(keeper->devices().size(), 2);
        QCOMPARE(keeper->devices().at(0)->runningNumber(), 1);
        QCOMPARE(keeper->devices().at(1)->runningNumber(), 2);
        tab.setCurrentIndex(TabWidget::StatusTab);
        QVERIFY(panel->isVisibleTo(&tab));
        QCOMPARE(panel->unitLabel()->text(), unit1.value(1));
        QVERIFY(!panel->forwardButton()->isEnabled()); // run/stop from "Remote"
        sim.takeRequests();

        tab.vxUISlotCtrlRunStopSrcChanged(2);
        QVERIFY(expectWrites({ "1:6:40105" }));
        QVERIFY(panel->forwardButton()->isEnabled());
        tab.vxUIslotCtrlFwdBtnClicked();
        QCOMPARE(panel->pressed(), int(CtrlPanelFrame::ForwardPressed));
        QVERIFY(expectWrites({ "1:15:11" }));
        TreeModel *model = tab.modelOf(unit1);
        QVERIFY(waitFor([&] { return shownSpeed(model) > 300; }, 8000));
        const double running = shownSpeed(model);
        tab.vxUIslotCtrlStpBtnClicked();
        QVERIFY(expectWrites({ "1:15:11" }));
        QVERIFY(waitFor([&] { return shownSpeed(model) < running / 2; }, 8000));
        tab.vxUIslotCtrlBwdBtnClicked();
        QCOMPARE(panel->pressed(), int(CtrlPanelFrame::BackwardPressed));
        QVERIFY(expectWrites({ "1:15:11" }));

        tab.vxUISlotCtrlRefSrcChanged(2);
        QVERIFY(panel->refValue()->isEnabled());
        panel->refValue()->setText("100");
        tab.vxUISlotCtrlRefValEntered();
        QVERIFY(expectWrites({ "1:6:40104", "1:6:44501" }));
        for (const QString &refused : QStringList { "100.5", "-1", "fast" }) {
            prompter.expectCritical("Range is 0 to 100", "Error");
            panel->refValue()->setText(refused);
            tab.vxUISlotCtrlRefValEntered();
        }
        QVERIFY(expectWrites({}));

        // Another unit shown and back: nothing written to either.
        tab.vxUISlotCtrlSetChanged(unit2, true);
        QCOMPARE(panel->unitLabel()->text(), unit2.value(1));
        tab.vxUISlotCtrlSetChanged(unit1, true);
        QVERIFY(expectWrites({}));

        tab.vxUISlotCtrlRunStopSrcChanged(0);
        QCOMPARE(panel->pressed(), int(CtrlPanelFrame::StopPressed));
        QVERIFY(!panel->forwardButton()->isEnabled() && !panel->stopButton()->isEnabled());
        QVERIFY(expectWrites({ "1:6:40105" }));

        // Hand-back: "Cancel" keeps the unit, OK writes run/stop then reference source first.
        tab.vxUISlotCtrlRunStopSrcChanged(2);
        QVERIFY(expectWrites({ "1:6:40105" }));
        int asked = 0;
        bool confirm = false;
        tab.ctrlController()->setSourceAsker([&](QWidget *, const QStringList &entry, int *run, int *ref) {
            ++asked;
            if (entry.value(0) != "1")
                return false;
            *run = 1;
            *ref = 3;
            return confirm;
        });
        tab.vxUISlotUnitRemoveClicked(unit1, false);
        QCOMPARE(tab.registry().total(), 2);
        confirm = true;
        tab.vxUISlotUnitRemoveClicked(unit1, false);
        QCOMPARE(asked, 2);
        QVERIFY(waitFor([&] { return tab.registry().total() == 1; }, 15000));
        QVERIFY(expectWrites({ "1:6:40105", "1:6:40104" }));

        // A write for the removed unit reaches no unit at all.
        tab.vxUISlotCatchCtrlPanelSignal(unit1, 3, 0);
        QVERIFY(expectWrites({}));

        // Unit 1's device went with it; while unit 2's records, unit 2 cannot be removed.
        QCOMPARE(keeper->devices().size(), 1);
        OscUnitDev *device = keeper->devices().first();
        QVERIFY(device->catalogueValid());
        QCOMPARE(device->runningNumber(), 1);
        QVERIFY(keeper->startRecording());
        QVERIFY(tab.isOscRecording());
        QVERIFY(waitFor([&] { return device->sampleCount() >= 2; }, 10000));
        prompter.expectCritical("Oscilloscope Record in Progress.Please stop before Removing");
        tab.vxUISlotUnitRemoveClicked(unit2, false);
        QCOMPARE(tab.registry().total(), 1);
        QCOMPARE(keeper->stopRecording(), RecordingWriter::Written);
        QVERIFY(QFileInfo(dir.filePath("TEMP.peb")).size() > 0);
        tab.vxUISlotUnitRemoveClicked(unit2, false);
        QVERIFY(waitFor([&] { return tab.registry().total() == 0; }, 15000));
        QCOMPARE(asked, 2); // unit 2 runs from "Remote": nothing to hand back
        QCOMPARE(keeper->devices().size(), 0);
        QCOMPARE(panel->unitLabel()->text(), QString("No Unit"));
        QCOMPARE(panel->pressed(), int(CtrlPanelFrame::NonePressed));
        // Every link outcome reached the alert list, the byte lines of the exchanges did not.
        const QStringList alerts = tab.alertList()->list().current();
        QCOMPARE(alerts.filter("device link established").size(), 2);
        QCOMPARE(alerts.filter("device link removed").size(), 2);
        QVERIFY(alerts.filter("Tx Msg").isEmpty());
    }
    QCOMPARE(prompter.problems(), QString());
    AppPaths::setBaseDir(QString());
}

void TstTabWidgetControl::controlBoxGivesTheSourceIndicesWritten()
{
    ControlBox box("KTZ23-2P5 (1)");
    QCOMPARE(box.runStopSource(), 1); // "Keyboard" unless chosen otherwise
    QCOMPARE(box.referenceSource(), 1);
    box.setChoices(3, 0); // "Option", "Remote"
    QCOMPARE(box.runStopSource(), 3);
    QCOMPARE(box.referenceSource(), 0);
    QVERIFY(!box.isConfirmed());
    box.vxUISlotOkBtnClicked();
    QVERIFY(box.isConfirmed());
    QCOMPARE(box.result(), int(QDialog::Accepted));
}

TARVOLINK_WIDGET_TEST_MAIN(TstTabWidgetControl)
#include "tst_tabwidgetcontrol.moc"
