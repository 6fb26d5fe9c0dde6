// The automatic scan from the tab controller against the simulator: clearing the connected units,
// registering the units found as a connect does, reading them all, and the communication
// settings reaching their masters.
#include "autoscansettings.h"
#include "commsettings.h"
#include "scancontroller.h"
#include "scandialog.h"
#include "scanimport.h"
#include "scanning.h"
#include "settingsbinder.h"
#include "simpeer.h"
#include "tabwidget.h"
#include "treemodel.h"
#include "unitstestsupport.h"
#include "vxcommmodbusmaster.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>


namespace {
const QString ClearQuestion = "Scanning will delete all connected units.\n Do you want to proceed?";
}

class TestTabScan : public TabFixture
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(setUp()); }
    void cleanup() { tearDown(); }

    void refusedClearingKeepsUnitsThenScanReplacesThemAndReadsWhatItFound();
};

void TestTabScan::refusedClearingKeepsUnitsThenScanReplacesThemAndReadsWhatItFound()
{
    TabWidget &t = makeTab();
    t.settings().record().autoScanActive = true;
    t.settings().record().autoImportActive = true;
    t.onMainViewEntered();
    QVERIFY(t.scanController()->offerDialog()->isVisible());
    t.scanController()->offerDialog()->cancelButton()->click();
    t.onMainViewEntered(); // offered once per run
    QVERIFY(!t.scanController()->offerDialog()->isVisible());

    SimPeer old, bus;
    QVERIFY(old.startPty(path("old"), simArgs({ "--unit", "1" })));
    connectSerial("RS232", path("old"), 1);
    QVERIFY(waitFor([&] { return t.registry().count(UnitRegistry::RS232) == 1; }));
    QVERIFY(bus.startPty(path("bus"), simArgs({ "--unit", "2", "--unit", "7" })));
    prompter.expectQuestion(ClearQuestion, QMessageBox::No, "Information");
    t.vxUISlotStartScanClicked({}, { { path("bus") }, 19200, "N,8,1", { 1 } }, {});
    QCOMPARE(t.registry().count(UnitRegistry::RS232), 1);
    QVERIFY(!t.scanController()->isScanning());
    QVERIFY(!t.scanController()->progressWindow()->isVisible());

    prompter.expectQuestion(ClearQuestion, QMessageBox::Yes, "Information");
    // Through the settings dialog: its port list, framing and unit text make the request.
    ScanController *scan = t.scanController();
    AutoScanSettings *form = scan->settingsDialog();
    form->setPorts({ path("old"), path("bus") });
    form->setCheckedPorts(AutoScanSettings::Rs485, { path("bus") });
    form->baudBox(AutoScanSettings::Rs485)->setCurrentText("19200");
    form->parityBox(AutoScanSettings::Rs485)->setCurrentText("N,8,1");
    form->unitsEdit(AutoScanSettings::Rs485)->setText("1-3,7");
    form->startButton()->click();
    QCOMPARE(t.registry().count(UnitRegistry::RS232), 0);
    QCOMPARE(scan->progressWindow()->progressBar()->maximum(), 4);
    QVERIFY(waitFor([scan] { return !scan->isScanning(); }, 20000));

    QCOMPARE(t.registry().count(UnitRegistry::RS485), 2);
    const UnitRecord *first = t.registry().record(UnitRegistry::RS485, 0);
    const UnitRecord *second = t.registry().record(UnitRegistry::RS485, 1);
    QCOMPARE(first->master, second->master);
    QCOMPARE(scan->progressWindow()->countLine()->text(), QString("       No of devices found:2"));
    QCOMPARE(rowsWith("device link established"), 3); // the old unit and the two found

    // "AutoImportActive": both read at once, the window gone when both rows are.
    QVERIFY(scan->importWindow());
    QCOMPARE(scan->importWindow()->rowCount(), 2);
    QVERIFY(waitFor([scan] { return !scan->importWindow(); }, 30000));

    // New communication settings reach the masters the scan made.
    CommSettings *comm = t.commSettingsDialog();
    comm->delayEdit()->setText("80");
    comm->okButton()->click();
    QCOMPARE(first->master->VxCommGetMsgDelay(), 80);

    // The parameter texts of every unit's tree follow the language: German, then English again.
    const auto firstRow = [](TreeModel *model) { return model->index(0, 1).data().toString(); };
    const QString english = firstRow(second->model);
    t.onLangTranslation(3);
    QVERIFY(firstRow(first->model) != english && firstRow(second->model) != english);
    t.onLangTranslation(0);
    QCOMPARE(firstRow(second->model), english);
}

TARVOLINK_WIDGET_TEST_MAIN(TestTabScan)
#include "tst_tabscan.moc"
