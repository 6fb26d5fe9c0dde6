// The oscilloscope view's dialogs and legend without a bus: a unit's device made from the shipped
// KTZ description file, and a recording written by hand.
#include "apppaths.h"
#include "conditionaltrigger.h"
#include "editfavorites.h"
#include "oscdevicekeeper.h"
#include "oscilloscopewidget.h"
#include "oscisettings.h"
#include "oscplotarea.h"
#include "oscprintgui.h"
#include "oscunitdev.h"
#include "promptedtest.h"
#include "simpeer.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <qcustomplot.h>

namespace {
enum { SpeedEntry = 0, DigInBit2 = 10 };
} // namespace

class TstOscDialogs : public PromptedTest
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup() { verifyPrompts(); }
    void legendRescalesRefusesEmptyRangesAndRecolours();
    void printsGraphAndTableToPdf_data();
    void printsGraphAndTableToPdf();
    void favouritesDialogAddsRenamesAndRemoves();
    void conditionalTriggerSetupAndComments();
    void settingsDialogDrivesTheLook();

private:
    QTemporaryDir dir;
    std::unique_ptr<OscDeviceKeeper> keeper;
    std::unique_ptr<OscilloscopeWidget> view;
    OscUnitDev *device = nullptr;
};

void TstOscDialogs::initTestCase()
{
    TestInstallation installation(dir.path());
    QVERIFY(installation.addGeneralCsv() && installation.addDeviceFile("KTZV1.10.csv"));
    AppPaths::setBaseDir(dir.path());
    keeper = std::make_unique<OscDeviceKeeper>();
    QStringList entry { "3", "KTZ23-2P5 (3)", "connect", "RS232" };
    device
        = static_cast<OscUnitDev *>(keeper->createDevice(entry, installation.deviceFilePath("KTZV1.10.csv")));
    QVERIFY(device && device->catalogueValid());
    view = std::make_unique<OscilloscopeWidget>(prompter, keeper.get());
    QCOMPARE(view->unitList(OscilloscopeWidget::RS232Page)->topLevelItemCount(), 1);
    // Speed 0, 50, 100 and the digital inputs 0101 in three rows of a recording.
    QFile rec(dir.filePath("hand.rec"));
    QVERIFY(rec.open(QIODevice::WriteOnly));
    QByteArray text = "3/1/2026\r\n1;KTZ;KTZ23-2P5 (3);V1.10;KTZV1.10.csv;\r\nTime ;Unit 1;";
    for (const QString &name : device->signalNames())
        text += name.toUtf8() + ';';
    text += "\r\n";
    for (int r = 0; r < 3; ++r) {
        text += "10:00:0" + QByteArray::number(r) + " AM,000;1;" + QByteArray::number(r * 50)
            + ";0;0;0;0;0;0;0;" + "------------LHLH;----------------;F:0;F:0;0;0;\r\n";
    }
    rec.write(text);
    rec.close();
    QVERIFY(view->loadRecording(rec.fileName()));
}

void TstOscDialogs::legendRescalesRefusesEmptyRangesAndRecolours()
{
    QVERIFY(view->selectFileEntry(0, SpeedEntry, true));
    QVERIFY(view->selectFileEntry(0, DigInBit2, true));
    QTableWidget *legend = view->legend();
    QCPGraph *speed = view->traces().at(0).graph;
    QCPGraph *bit = view->traces().at(1).graph;
    double level = 0.0;
    QVERIFY(view->plots()->valueAt(bit, 0.0, &level));
    QCOMPARE(level, 1.0); // bit 2 of "LHLH" is high
    legend->item(0, OscilloscopeWidget::MinColumn)->setText("-100");
    legend->item(0, OscilloscopeWidget::MaxColumn)->setText("100");
    legend->item(0, OscilloscopeWidget::AutoScaleColumn)->setCheckState(Qt::Checked);
    // 50 of [-100, 100] lands at three quarters of the band.
    QCOMPARE((speed->data()->constBegin() + 1)->value, 75.0);
    legend->item(0, OscilloscopeWidget::MaxColumn)->setText("-200");
    QCOMPARE(legend->item(0, OscilloscopeWidget::MaxColumn)->text(), QString("100"));
    QCOMPARE(view->traces().at(0).max, 100.0);
    view->setColourPicker([](const QColor &) { return QColor(Qt::magenta); });
    emit legend->cellDoubleClicked(0, OscilloscopeWidget::NameColumn);
    QCOMPARE(speed->pen().color(), QColor(Qt::magenta));
    QVERIFY(view->plots()->cursorText(view->plots()->analogPlot(), 1.5).contains("Speed: 75"));
    view->plots()->showRange(0.5, 1.5);
    QCOMPARE(view->plots()->span(), 1.0);
    view->vxUISlotZoomBarMoved(0);
    QCOMPARE(view->plots()->span(), OscPlotArea::BaseSpanSeconds);
}

void TstOscDialogs::printsGraphAndTableToPdf_data()
{
    QTest::addColumn<int>("what");
    QTest::newRow("graph") << int(OscPrintGui::Graph);
    QTest::newRow("table") << int(OscPrintGui::Table);
}

void TstOscDialogs::printsGraphAndTableToPdf()
{
    QFETCH(int, what);
    const QString pdf = dir.filePath(QString("print%1").arg(what));
    prompter.expectSaveFile(pdf);
    view->vxUISlotPrintBtnClicked();
    if (what == OscPrintGui::Table)
        view->printDialog()->vxUIOppRbClicked();
    else
        view->printDialog()->vxUIGraphRbClicked();
    view->printDialog()->vxUISlotOkbtnClciked();
    QFile file(pdf + ".pdf");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-" && file.size() > 1000);
}

void TstOscDialogs::favouritesDialogAddsRenamesAndRemoves()
{
    view->vxUISlotFavoritesBtnClicked();
    EditFavorites *dialog = view->favoritesDialog();
    QCOMPARE(dialog->unitList()->count(), 1);
    dialog->parameterTree()->setCurrentItem(dialog->parameterTree()->topLevelItem(DigInBit2));
    dialog->vxUISlotAddFavOkClicked();
    QCOMPARE(dialog->table()->rowCount(), 1);
    prompter.expectInformation("Param already exists", "Information");
    dialog->vxUISlotAddFavOkClicked();
    dialog->parameterTree()->setCurrentItem(dialog->parameterTree()->topLevelItem(SpeedEntry));
    dialog->vxUISlotAddFavOkClicked();
    dialog->table()->item(1, 0)->setCheckState(Qt::Checked);
    dialog->table()->setCurrentCell(0, 1);
    dialog->vxUISlotFavRemoveClicked();
    dialog->setName()->setText("Drive check");
    dialog->vxUISetComboChanged(1); // another set shown; the first keeps its table
    QCOMPARE(dialog->table()->rowCount(), 0);
    dialog->vxUISetComboChanged(0);
    dialog->setName()->setText("Drive check");
    dialog->vxUISlotSaveBtnReleased();
    const FavouriteSet set = view->favourites()[0];
    QCOMPARE(set.name, QString("Drive check"));
    QCOMPARE(set.entries.size(), 1);
    QCOMPARE(set.entries.first().text4, QString::number(SpeedEntry));
    QVERIFY(set.entries.first().flag1);
    QCOMPARE(set.entries.first().text2, QString("RS232"));
}

void TstOscDialogs::conditionalTriggerSetupAndComments()
{
    ConditionalTrigger *dialog = view->conditionalTrigger();
    dialog->setUnitSource([this](int iface) { return view->devicesOf(iface); });
    QCOMPARE(dialog->unitBox()->count(), 1);
    dialog->signalBox(0)->setCurrentIndex(SpeedEntry);
    dialog->typeBox(0)->setCurrentIndex(TriggerSetup::Rising);
    dialog->valueEdit(0)->setText("40");
    dialog->signalBox(1)->setCurrentIndex(DigInBit2);
    QVERIFY(!dialog->valueEdit(1)->isEnabled());
    dialog->conditionBox()->setCurrentIndex(1);
    dialog->setBeforeTime(0, 2);
    dialog->setAfterTime(1, 0);
    dialog->setMultipleByDuration(0, 1, 30);
    dialog->setSamplingInterval(250);
    QCOMPARE(dialog->sampleCount(), 62 * 4 + 1);
    dialog->vxUISlotConfirmBtnClicked();
    const TriggerSetup s = dialog->setup();
    QCOMPARE(s.kind, int(TriggerSetup::Conditional));
    QCOMPARE(s.a.low, 40.0);
    QCOMPARE(s.a.column, SpeedEntry + 1);
    QVERIFY(s.b.digital);
    QCOMPARE(s.b.bit, 2);
    QCOMPARE(s.condition, int(TriggerSetup::Or));
    QCOMPARE(s.beforeMs, 2000);
    QCOMPARE(s.afterMs, 60000);
    QCOMPARE(s.stopRule, int(TriggerSetup::TotalDuration));
    QCOMPARE(s.maxTotalDurationMs, qint64(90000));
    QCOMPARE(s.comment.first(), QString("Conditional Trigger"));
    QVERIFY(s.comment.contains("Condition:OR"));
    QVERIFY(s.comment.contains("Maximum Total Duration (HH:MM:SS):-:00:01:30"));
    dialog->setMultipleBySize(2.5);
    QCOMPARE(dialog->setup().maxTotalBytes, 2500000.0);
    QCOMPARE(view->triggerStatusText(), QString("Configured"));
}

void TstOscDialogs::settingsDialogDrivesTheLook()
{
    OsciSettings *dialog = view->settingsDialog();
    OscPlotArea *plots = view->plots();
    dialog->vxUISlotBlackClrClicked();
    QCOMPARE(plots->background(), 0);
    QCOMPARE(plots->gridColour(), QColor(Qt::white));
    dialog->colourBar()->setValue(200);
    QCOMPARE(plots->background(), 200);
    dialog->vxUISlotNoGridClicked();
    QVERIFY(!plots->grid());
    dialog->vxUISlotYesGridClicked();
    QVERIFY(plots->grid());
    dialog->vxUISlotFatBtnClicked();
    QCOMPARE(plots->analogPlot()->graph(0)->pen().width(), 3);
    dialog->vxUISlotThinBtnClicked();
    QCOMPARE(plots->analogPlot()->graph(0)->pen().width(), 0);
    dialog->vxUISlotWhiteClrClicked();
    QCOMPARE(plots->background(), 255);
    view->vxUISlotDisplayAnalogClicked();
    QVERIFY(plots->digitalPlot()->isHidden());
}

TARVOLINK_WIDGET_TEST_MAIN(TstOscDialogs)
#include "tst_oscdialogs.moc"
