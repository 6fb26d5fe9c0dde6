// The oscilloscope view in the tab controller against the drive simulator on a pseudo-terminal:
// recording with pause and resume, the save question, loading the file back, triggers, the time
// window, the look and the settings file; its dialogs and legend over a recording written by hand.
#include "apppaths.h"
#include "conditionaltrigger.h"
#include "editfavorites.h"
#include "graphentries.h"
#include "leveltrigger.h"
#include "osccontrolbar.h"
#include "oscdevicekeeper.h"
#include "oscilloscopewidget.h"
#include "oscisettings.h"
#include "osclegendtable.h"
#include "oscplotarea.h"
#include "oscprintgui.h"
#include "oscsignallists.h"
#include "oscunitdev.h"
#include "promptedtest.h"
#include "settingsbinder.h"
#include "simpeer.h"
#include "tabwidget.h"
#include "triggersettings.h"
#include "unitstestsupport.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSlider>
#include <QTableWidget>
#include <QTreeWidget>
#include <numeric>
#include <qcustomplot.h>

namespace {
// Graph entries of the KTZ catalogue: signals 0..7 analog, signal 8 (digital inputs) bits 8..23.
enum { SpeedEntry = 0, CurrentEntry = 2, DigInBit0 = 8, DigInBit1 = 9, DigInBit2 = 10 };
} // namespace

class TstOscilloscopeWidget : public PromptedTest
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup() { verifyPrompts(); }
    void entriesFollowTheCatalogue_data();
    void entriesFollowTheCatalogue();
    void recordPauseStopSaveAndLoadTheSamePoints();
    void legendRescalesRefusesEmptyRangesAndRecolours();
    void languageChangeRenamesListsTracesAndLegend();
    void printsGraphAndTableToPdf_data();
    void printsGraphAndTableToPdf();
    void favouritesDialogAddsRenamesAndRemoves();
    void conditionalTriggerSetupAndComments();
    void settingsDialogDrivesTheLook();
    void leavingTheTabWhileRecordingIsRefused();
    void zoomStopsAtSixteenAndBackStaysAtZero();
    void fitAllWheelAndValueZoomBeyondTheWidestLevel();
    void samplingTimeRefusesNineOrLess_data();
    void samplingTimeRefusesNineOrLess();
    void levelTriggerWritesACaptureAndCompletes();
    void bothTriggerValidation_data();
    void bothTriggerValidation();
    void gridColourAndLineWidthFromTheSettingsFile_data();
    void gridColourAndLineWidthFromTheSettingsFile();
    void favouritesAndUnitChoicesSurviveARestart();
    void markersMeasureAndPlotsSave();

private:
    OscUnitDev *device() const { return tab->oscDeviceKeeper()->recording().devices().value(0); }
    OscilloscopeWidget *view() const { return tab->oscilloscope(); }
    // After Stop: the units have ended their last cycle and the save question was answered.
    bool stopped() const
    {
        return waitFor([&] { return view()->recordButton()->isEnabled(); });
    }

    QTemporaryDir dir;
    SimPeer sim;
    std::unique_ptr<TabWidget> tab;
};

void TstOscilloscopeWidget::initTestCase()
{
    TestInstallation installation(dir.path());
    QVERIFY(installation.addGeneralCsv() && installation.addDeviceFile("KTZV1.10.csv"));
    AppPaths::setBaseDir(dir.path());
    const QString line = dir.filePath("line");
    QVERIFY2(sim.startPty(line, { "--data", dir.path(), "--device", "KTZV1.10.csv", "--size", "1" }),
        qPrintable(sim.errorOutput()));
    tab = std::make_unique<TabWidget>(prompter, nullptr);
    tab->settings().record().importActive = false;
    tab->resize(1200, 800);
    tab->onAddUnitClicked(1, line, 19200, "N,8,1", 1, QString(), "RS232", 1, QString());
    QVERIFY(waitFor([&] { return tab->registry().total() == 1; }, 15000));
    QCOMPARE(view()->unitList(OscSignalLists::RS232Page)->topLevelItemCount(), 1);
    view()->samplingTimeEdit()->setText("50");
    view()->vxUISlotTimeEntered();
    // Shown as windows of their own, these dialogs would make the offscreen platform warn that it
    // keeps no size hints, and warnings are fatal here: they are shown inside the view instead.
    view()->printDialog()->setWindowFlags(Qt::Widget);
    view()->favoritesDialog()->setWindowFlags(Qt::Widget);
}

void TstOscilloscopeWidget::cleanupTestCase()
{
    // A controller ended while recording (no confirmed quit) stops the recording and removes the
    // unit without a box, and the running file is complete.
    view()->vxUISlotRcrdBtnClicked();
    QVERIFY(waitFor([&] { return device()->sampleCount() >= 3; }, 10000));
    tab.reset();
    QCOMPARE(prompter.problems(), QString());
    QFile running(AppPaths::tempRecordingPath());
    QVERIFY(running.open(QIODevice::ReadOnly));
    QVERIFY(running.readAll().count("\n") >= 3 + 3); // date, unit line, header line and the rows
    AppPaths::setBaseDir(QString());
}

void TstOscilloscopeWidget::entriesFollowTheCatalogue_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("signal");
    QTest::addColumn<int>("bit");
    // 15 analog signals, two bit fields, six analog signals, four bit fields.
    QTest::newRow("first analog") << 0 << 0 << -1;
    QTest::newRow("bit 5 of signal 15") << 20 << 15 << 5;
    QTest::newRow("bit 15 of signal 16") << 46 << 16 << 15;
    QTest::newRow("the analog signal after the bit fields") << 47 << 17 << -1;
    QTest::newRow("entry 50") << 50 << 20 << -1;
    QTest::newRow("the sixth analog signal, not skipped") << 52 << 22 << -1;
    QTest::newRow("last bit") << 116 << 26 << 15;
    QTest::newRow("past the end") << 117 << -1 << -1;
    QTest::newRow("negative") << -1 << -1 << -1;
}

void TstOscilloscopeWidget::entriesFollowTheCatalogue()
{
    QFETCH(int, entry);
    QList<QStringList> rows;
    for (int s = 0; s < 27; ++s) {
        const bool bits = s == 15 || s == 16 || s >= 23;
        rows << QStringList { QString("S%1").arg(s), "", "", "", "0", "100", "1", "N", bits ? "65535" : "N",
            "", "", "U" };
    }
    const GraphEntry e = GraphEntries::at(GraphEntries::build(rows), entry);
    QTEST(e.signal, "signal");
    QTEST(e.bit, "bit");
}

void TstOscilloscopeWidget::recordPauseStopSaveAndLoadTheSamePoints()
{
    OscilloscopeWidget *v = view();
    QVERIFY(v->selectEntry(device(), SpeedEntry, true));
    QVERIFY(v->selectEntry(device(), DigInBit0, true));
    QCOMPARE(v->legend()->rowCount(), 2);
    QTreeWidgetItem *unitItem = v->unitList(OscSignalLists::RS232Page)->topLevelItem(0);
    QCOMPARE(unitItem->child(SpeedEntry)->checkState(0), Qt::Checked);
    unitItem->child(CurrentEntry)->setCheckState(0, Qt::Checked); // a click in the list
    QCOMPARE(v->traces().size(), 3);
    unitItem->child(CurrentEntry)->setCheckState(0, Qt::Unchecked);
    QCOMPARE(v->traces().size(), 2);
    QCOMPARE(v->legend()->item(0, OscLegendTable::UnitColumn)->text(), QString("rpm"));
    v->vxUISlotRcrdBtnClicked();
    QVERIFY(v->isRecording());
    QCOMPARE(v->recordButton()->text(), QString("Stop"));
    QCOMPARE(v->recordButton()->toolTip(), QString("Stops the recording and displaying the graphs"));
    QCPGraph *speed = v->traces().at(0).graph;
    QVERIFY(waitFor([&] { return speed->dataCount() >= 5; }, 10000));

    v->vxUISlotPauseBtnClicked();
    QCOMPARE(v->pauseButton()->text(), QString("Resume"));
    const double frozenEnd = v->plots()->windowEnd();
    const int atPause = speed->dataCount();
    QVERIFY(waitFor([&] { return speed->dataCount() >= atPause + 5; }, 10000));
    QCOMPARE(v->plots()->windowEnd(), frozenEnd); // recording goes on, the window stays
    v->vxUISlotPauseBtnClicked();
    QCOMPARE(v->pauseButton()->text(), QString("Pause"));
    QTest::qWait(2000);

    const QString saved = dir.filePath("run.rec");
    v->commentBox()->setPlainText("two seconds of speed");
    prompter.expectQuestion("Do you want to save rec file?", QMessageBox::Yes, "Information")
        .expectSaveFile(saved);
    v->vxUISlotRcrdBtnClicked();
    QSignalSpy status(v, &OscilloscopeWidget::statusMessage);
    QVERIFY(stopped());
    QVERIFY(!v->isRecording());
    QCOMPARE(v->recordButton()->text(), QString("Start"));
    QVERIFY(QFileInfo(saved).size() > 0);
    QCOMPARE(prompter.seen().last().title, QString("Save Recording"));
    QCOMPARE(status.value(0).value(0).toString(), "Recording saved to " + saved);
    // "Save as CSV" of the recording just made, and of it loaded again, is what rec2csv makes.
    const QString cliCsv = dir.filePath("cli.csv");
    QCOMPARE(QProcess::execute(TARVOLINK_BIN_DIR "/tarvolink-cli",
                 { "rec2csv", saved, "--out", cliCsv, "--data", dir.path() }),
        0);
    const auto bytes = [](const QString &path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    QVERIFY(bytes(cliCsv).count('\n') > 5);
    prompter.expectSaveFile(dir.filePath("live"));
    v->vxUISlotSaveCsvClicked();
    QCOMPARE(bytes(dir.filePath("live.csv")), bytes(cliCsv));
    QVector<double> liveX;
    QVector<double> liveY;
    for (auto it = speed->data()->constBegin(); it != speed->data()->constEnd(); ++it) {
        liveX << it->key;
        liveY << it->value;
    }
    QCOMPARE(liveX.size(), device()->sampleCount());

    prompter.expectOpenFile(saved);
    v->vxUISlotLoadBtnClicked();
    QVERIFY(v->isFileMode());
    QCOMPARE(v->commentBox()->toPlainText(), QString("two seconds of speed"));
    QCOMPARE(v->unitList(OscSignalLists::FilePage)->topLevelItemCount(), 1);
    QVERIFY(v->traces().isEmpty());
    QVERIFY(v->selectFileEntry(0, SpeedEntry, true));
    QCPGraph *loaded = v->traces().at(0).graph;
    QCOMPARE(loaded->dataCount(), liveX.size());
    QVERIFY(v->saveCsv(dir.filePath("loaded.csv")));
    QCOMPARE(bytes(dir.filePath("loaded.csv")), bytes(cliCsv));
    int i = 0;
    for (auto it = loaded->data()->constBegin(); it != loaded->data()->constEnd(); ++it, ++i) {
        QVERIFY2(qAbs(it->key - liveX.at(i)) < 0.0015, qPrintable(QString::number(i)));
        QCOMPARE(it->value, liveY.at(i));
    }
    // A damaged file is refused with its message and leaves the loaded recording.
    QFile bad(dir.filePath("bad.rec"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("3/1/2026\nno separators here\n");
    bad.close();
    prompter.expectOpenFile(bad.fileName()).expectCritical("Invalid Rec file", "Error");
    v->vxUISlotLoadBtnClicked();
    QCOMPARE(v->traces().size(), 1);
    v->selectFileEntry(0, SpeedEntry, false);
}

void TstOscilloscopeWidget::legendRescalesRefusesEmptyRangesAndRecolours()
{
    // Speed 0, 50, 100 and the digital inputs 0101 in three rows of a Windows-1252 recording.
    QFile rec(dir.filePath("hand.rec"));
    QVERIFY(rec.open(QIODevice::WriteOnly));
    QByteArray text = "3/1/2026\r\n1;KTZ;KTZ23-2P5 (3) \xb0;V1.10;KTZV1.10.csv;\r\nTime ;Unit 1;";
    for (const QString &name : device()->signalNames())
        text += name.toUtf8() + ';';
    text += "\r\n";
    for (int r = 0; r < 3; ++r) {
        text += "10:00:0" + QByteArray::number(r) + " AM,000;1;" + QByteArray::number(r * 50)
            + ";0;0;0;0;0;0;0;" + "------------LHLH;----------------;F:0;F:0;0;0;\r\n";
    }
    rec.write(text);
    rec.close();
    QVERIFY(view()->loadRecording(rec.fileName()));
    QVERIFY(view()->selectFileEntry(0, SpeedEntry, true));
    QVERIFY(view()->selectFileEntry(0, DigInBit2, true));
    QTableWidget *legend = view()->legend();
    QCPGraph *speed = view()->traces().at(0).graph;
    QCPGraph *bit = view()->traces().at(1).graph;
    double level = 0.0;
    QVERIFY(view()->plots()->valueAt(bit, 0.0, &level));
    QCOMPARE(level, 1.0); // bit 2 of "LHLH" is high
    // Typed into the cells' editors, one bound with a decimal comma.
    for (const auto &bound : { qMakePair(int(OscLegendTable::MinColumn), QString("-100")),
             qMakePair(int(OscLegendTable::MaxColumn), QString("100,0")) }) {
        legend->editItem(legend->item(0, bound.first));
        auto *editor = legend->viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, bound.second);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents(); // the view takes the value and closes the editor queued
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    legend->item(0, OscLegendTable::AutoScaleColumn)->setCheckState(Qt::Checked);
    // 50 of [-100, 100] lands at three quarters of the band.
    QCOMPARE((speed->data()->constBegin() + 1)->value, 75.0);
    legend->item(0, OscLegendTable::MaxColumn)->setText("-200");
    QCOMPARE(legend->item(0, OscLegendTable::MaxColumn)->text(), QString("100"));
    QCOMPARE(view()->traces().at(0).max, 100.0);
    view()->setColourPicker([](const QColor &) { return QColor(Qt::magenta); });
    emit legend->cellDoubleClicked(0, OscLegendTable::NameColumn);
    QCOMPARE(speed->pen().color(), QColor(Qt::magenta));
    // The cursor and the markers report the signal's value with its unit, not the plotted one.
    QVERIFY(view()->plots()->cursorText(view()->plots()->analogPlot(), 1.5).contains("Speed: 50 rpm"));
    view()->plots()->setMarker(0, 0.5);
    view()->plots()->setMarker(1, 2.0);
    QVERIFY(view()->plots()->markerReport().contains(QString::fromUtf8("Speed: \u0394 = 100 rpm")));
    view()->plots()->clearMarkers();
    view()->plots()->showRange(0.5, 1.5);
    QCOMPARE(view()->plots()->span(), 1.0);
    view()->vxUISlotZoomBarMoved(0);
    QCOMPARE(view()->plots()->span(), OscPlotArea::BaseSpanSeconds);
    // Saved again with a new comment, the file stays in one encoding.
    QTest::keyClicks(view()->commentBox(), "W");
    QTest::sendKeyEvent(QTest::Click, view()->commentBox(), Qt::Key_Adiaeresis, QString::fromUtf8("ä"), {});
    QTest::keyClicks(view()->commentBox(), "rme");
    QVERIFY(view()->saveRecording(dir.filePath("again.rec")));
    Recording again;
    QCOMPARE(RecFileReader::read(dir.filePath("again.rec"), &again), RecFileReader::Loaded);
    QCOMPARE(again.comment, QString::fromUtf8("Wärme"));
    QCOMPARE(again.units.value(0).unitLine.value(2), QString::fromUtf8("KTZ23-2P5 (3) °"));
}

void TstOscilloscopeWidget::languageChangeRenamesListsTracesAndLegend()
{
    // Shown: speed and a bit of the loaded recording, and now the live speed.
    OscilloscopeWidget *v = view();
    const auto shown = [v](int page, int row) {
        return QStringList { v->unitList(page)->topLevelItem(0)->child(SpeedEntry)->text(0),
            v->traces().value(row).graph->name(),
            v->legend()->item(row, OscLegendTable::NameColumn)->text() };
    };
    QVERIFY(v->selectEntry(device(), SpeedEntry, true));
    tab->onLangTranslation(3);
    QCOMPARE(shown(OscSignalLists::RS232Page, 2), QStringList({ "Drehzahl", "Drehzahl", "Drehzahl" }));
    QCOMPARE(shown(OscSignalLists::FilePage, 0), QStringList({ "Drehzahl", "1: Drehzahl", "1: Drehzahl" }));
    // A recording loaded now is named in the language chosen, and follows the next change.
    QVERIFY(v->loadRecording(dir.filePath("hand.rec")));
    QVERIFY(v->selectFileEntry(0, SpeedEntry, true));
    QCOMPARE(shown(OscSignalLists::FilePage, 0), QStringList({ "Drehzahl", "1: Drehzahl", "1: Drehzahl" }));
    tab->onLangTranslation(0);
    QCOMPARE(shown(OscSignalLists::FilePage, 0), QStringList({ "Speed", "1: Speed", "1: Speed" }));
    QCOMPARE(v->unitList(OscSignalLists::RS232Page)->topLevelItem(0)->child(SpeedEntry)->text(0), "Speed");
}

void TstOscilloscopeWidget::printsGraphAndTableToPdf_data()
{
    QTest::addColumn<int>("what");
    QTest::newRow("graph") << int(OscPrintGui::Graph);
    QTest::newRow("table") << int(OscPrintGui::Table);
}

void TstOscilloscopeWidget::printsGraphAndTableToPdf()
{
    QFETCH(int, what);
    const QString pdf = dir.filePath(QString("print%1").arg(what));
    prompter.expectSaveFile(pdf);
    view()->vxUISlotPrintBtnClicked();
    if (what == OscPrintGui::Table)
        view()->printDialog()->vxUIOppRbClicked();
    else
        view()->printDialog()->vxUIGraphRbClicked();
    view()->printDialog()->vxUISlotOkbtnClciked();
    QFile file(pdf + ".pdf");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-" && file.size() > 1000);
}

void TstOscilloscopeWidget::favouritesDialogAddsRenamesAndRemoves()
{
    view()->vxUISlotFavoritesBtnClicked();
    EditFavorites *dialog = view()->favoritesDialog();
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
    const FavouriteSet set = view()->favourites()[0];
    QCOMPARE(set.name, QString("Drive check"));
    QCOMPARE(set.entries.size(), 1);
    QCOMPARE(set.entries.first().text4, QString::number(SpeedEntry));
    QVERIFY(set.entries.first().flag1);
    QCOMPARE(set.entries.first().text2, QString("RS232"));
}

void TstOscilloscopeWidget::conditionalTriggerSetupAndComments()
{
    ConditionalTrigger *dialog = view()->conditionalTrigger();
    dialog->setUnitSource([this](int iface) { return view()->devicesOf(iface); });
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
    QCOMPARE(view()->triggerStatusText(), QString("Configured"));
    view()->triggerSettings()->vxUISlotNoTriggerClicked();
    view()->triggerSettings()->vxUISlotApplyBtnClicked();
}

void TstOscilloscopeWidget::settingsDialogDrivesTheLook()
{
    OsciSettings *dialog = view()->settingsDialog();
    OscPlotArea *plots = view()->plots();
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
    view()->vxUISlotDisplayAnalogClicked();
    QVERIFY(plots->digitalPlot()->isHidden());
    view()->selectFileEntry(0, SpeedEntry, false);
    view()->selectFileEntry(0, DigInBit2, false);
}

void TstOscilloscopeWidget::leavingTheTabWhileRecordingIsRefused()
{
    tab->setCurrentIndex(TabWidget::OscilloscopeTab);
    view()->vxUISlotRcrdBtnClicked();
    QVERIFY(view()->isRecording());
    prompter.expectInformation("Oscilloscope record in progress.\nPlease stop recording", "Information");
    tab->setCurrentIndex(TabWidget::ParametersTab);
    QCOMPARE(tab->currentIndex(), int(TabWidget::OscilloscopeTab));
    prompter.expectCritical("Oscilloscope Record in Progress.Please stop before Exit");
    QVERIFY(!tab->closeFunction());
    prompter.expectQuestion("Do you want to save rec file?", QMessageBox::No);
    view()->vxUISlotRcrdBtnClicked();
    QVERIFY(stopped());
    QVERIFY(QFileInfo(AppPaths::tempRecordingPath()).size() > 0);
    tab->setCurrentIndex(TabWidget::ParametersTab);
    QCOMPARE(tab->currentIndex(), int(TabWidget::ParametersTab));
}

void TstOscilloscopeWidget::zoomStopsAtSixteenAndBackStaysAtZero()
{
    OscilloscopeWidget *v = view();
    v->vxUISlotZoomBarMoved(0);
    QVERIFY(!v->zoomOutButton()->isEnabled());
    for (int level : { 2, 4, 8, 16 }) {
        QVERIFY(v->zoomInButton()->isEnabled());
        v->zoomInButton()->click();
        QCOMPARE(v->plots()->zoomLevel(), level);
        QCOMPARE(v->plots()->tickStep(), v->plots()->span() / 10);
    }
    QCOMPARE(v->zoomBar()->value(), 4);
    QVERIFY(!v->zoomInButton()->isEnabled());
    v->vxUISlotZoomInBtnClicked(); // the slot itself refuses too
    QCOMPARE(v->plots()->zoomLevel(), 16);
    v->vxUISlotZoomBarMoved(0);
    QCOMPARE(v->plots()->zoomLevel(), 1);
    v->vxUISlotNavigateOneRightSamples();
    QCOMPARE(v->plots()->windowStart(), v->plots()->tickStep());
    v->vxUISlotNavigateFourLeftSamples();
    QCOMPARE(v->plots()->windowStart(), 0.0);
    v->vxUISlotNavigateOneLeftSamples();
    QCOMPARE(v->plots()->windowStart(), 0.0);
    QCOMPARE(v->plots()->analogPlot()->xAxis->range().lower, 0.0);
}

void TstOscilloscopeWidget::fitAllWheelAndValueZoomBeyondTheWidestLevel()
{
    OscPlotArea *plots = view()->plots();
    QCustomPlot *analog = plots->analogPlot();
    QCPGraph *graph = plots->addTrace("three minutes", Qt::blue, false);
    plots->setPoints(graph, { 0, 90, 180 }, { -5, 5, 0 });
    QTest::keyClick(analog, Qt::Key_F);
    QCOMPARE(analog->xAxis->range(), QCPRange(0, 180));
    QCOMPARE(plots->digitalPlot()->xAxis->range(), QCPRange(0, 180));
    // A notch of the wheel narrows the window about the mouse, which stays over the same time.
    const QPoint at(int(analog->xAxis->coordToPixel(90)), analog->axisRect()->center().y());
    const auto wheel = [&](Qt::KeyboardModifiers modifiers) {
        QWheelEvent e(
            at, analog->mapToGlobal(at), {}, { 0, 120 }, Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(analog, &e);
    };
    wheel(Qt::NoModifier);
    QCOMPARE(analog->xAxis->range().size(), 144.0);
    QVERIFY(qAbs(analog->xAxis->range().center() - 90) <= 180.0 / analog->axisRect()->width()); // a pixel
    // Ctrl and the wheel zoom the values; A gives back the automatic range.
    const QCPRange automatic = analog->yAxis->range();
    wheel(Qt::ControlModifier);
    QVERIFY(plots->isValueRangeManual() && analog->yAxis->range().size() < automatic.size());
    plots->setPoints(graph, { 0, 90, 180 }, { -50, 50, 0 }); // the zoomed axis stays
    QVERIFY(analog->yAxis->range().size() < automatic.size());
    QTest::keyClick(analog, Qt::Key_A);
    QVERIFY(!plots->isValueRangeManual() && analog->yAxis->range().contains(-50)
        && analog->yAxis->range().contains(50));
    plots->removeTrace(graph);
    view()->vxUISlotZoomBarMoved(0);
}

void TstOscilloscopeWidget::samplingTimeRefusesNineOrLess_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<ulong>("kept");
    QTest::newRow("9") << "9" << 50ul;
    QTest::newRow("0") << "0" << 50ul;
    QTest::newRow("abc") << "abc" << 50ul;
    QTest::newRow("10") << "10" << 10ul;
}

void TstOscilloscopeWidget::samplingTimeRefusesNineOrLess()
{
    QFETCH(QString, typed);
    QFETCH(ulong, kept);
    view()->samplingTimeEdit()->setText(typed);
    view()->vxUISlotTimeEntered();
    QCOMPARE(view()->samplingTime(), kept);
    QCOMPARE(tab->oscDeviceKeeper()->recording().interval(), kept);
    QCOMPARE(view()->samplingTimeEdit()->text(), QString::number(kept));
    view()->samplingTimeEdit()->setText("50");
    view()->vxUISlotTimeEntered();
    // Shown as windows of their own, these dialogs would make the offscreen platform warn that it
    // keeps no size hints, and warnings are fatal here: they are shown inside the view instead.
    view()->printDialog()->setWindowFlags(Qt::Widget);
    view()->favoritesDialog()->setWindowFlags(Qt::Widget);
}

void TstOscilloscopeWidget::levelTriggerWritesACaptureAndCompletes()
{
    OscilloscopeWidget *v = view();
    LevelTrigger *dialog = v->levelTrigger();
    dialog->setUnitSource([v](int iface) { return v->devicesOf(iface); });
    dialog->modeBox()->setCurrentIndex(0);
    QCOMPARE(dialog->unitBox()->count(), 1);
    dialog->signalBox(0)->setCurrentIndex(CurrentEntry); // a sine through 0 every second
    dialog->typeBox(0)->setCurrentIndex(TriggerSetup::Falling);
    dialog->valueEdit(0)->setText("0");
    dialog->setBeforeTime(0, 1);
    dialog->setAfterTime(0, 1);
    dialog->vxUISlotConfirmBtnClicked();
    QCOMPARE(v->triggerStatusText(), QString("Configured"));
    QCOMPARE(dialog->comments().value(0), QString("Level Trigger"));
    QVERIFY(dialog->comments().contains("Trigger Type:Falling"));

    QDir(AppPaths::triggerDir()).removeRecursively();
    v->vxUISlotRcrdBtnClicked();
    QCOMPARE(v->triggerStatusText(), QString("Waiting..."));
    QVERIFY(waitFor([&] { return v->triggerStatusText() == QLatin1String("Completed"); }, 15000));
    // Set again while recording: it is applied at the next Start, and the light says so.
    OscControlBar *bar = v->findChild<OscControlBar *>();
    dialog->vxUISlotConfirmBtnClicked();
    QCOMPARE(v->triggerStatusText(), QString("Configured"));
    QCOMPARE(bar->triggerNote(), QString("(armed at the next Start)"));
    const QStringList files = QDir(AppPaths::triggerDir()).entryList({ "TRIGGER_*.rec" });
    QCOMPARE(files.size(), 1);
    QFile capture(QDir(AppPaths::triggerDir()).filePath(files.first()));
    QVERIFY(capture.open(QIODevice::ReadOnly));
    const QByteArray text = capture.readAll();
    QVERIFY(text.indexOf("[COMMENT]") > 0 && text.indexOf("Level Trigger") > text.indexOf("[COMMENT]"));
    prompter.expectQuestion("Do you want to save rec file?", QMessageBox::No);
    v->vxUISlotRcrdBtnClicked();
    QVERIFY(stopped());
    QCOMPARE(bar->triggerNote(), QString());

    // A capture still running asks before the recording stops; "No" keeps it recording.
    dialog->setAfterTime(1, 0);
    dialog->vxUISlotConfirmBtnClicked();
    v->vxUISlotRcrdBtnClicked();
    QVERIFY(waitFor([&] { return v->triggerStatusText() == QLatin1String("Running..."); }, 15000));
    prompter.expectQuestion("Trigger in Progress- Do you want to Stop?", QMessageBox::No, "Information");
    v->vxUISlotRcrdBtnClicked();
    QVERIFY(v->isRecording() && v->isTriggerInProgress());
    prompter.expectQuestion("Trigger in Progress- Do you want to Stop?", QMessageBox::Yes)
        .expectQuestion("Do you want to save rec file?", QMessageBox::No);
    v->vxUISlotRcrdBtnClicked();
    QVERIFY(stopped());
    QVERIFY(!v->isRecording() && !v->isTriggerInProgress());
    QCOMPARE(QDir(AppPaths::triggerDir()).entryList({ "TRIGGER_*.rec" }).size(), 1); // not written
    // The next recording has no trigger once "No Trigger" is chosen.
    v->triggerSettings()->vxUISlotNoTriggerClicked();
    v->triggerSettings()->vxUISlotApplyBtnClicked();
    QCOMPARE(v->triggerStatusText(), QString("Not Active"));
}

void TstOscilloscopeWidget::bothTriggerValidation_data()
{
    QTest::addColumn<QString>("low");
    QTest::addColumn<QString>("high");
    QTest::addColumn<QString>("message");
    const auto row = [](const char *name, const char *low, const char *high, const char *message) {
        QTest::newRow(name) << QString(low) << QString(high) << QString(message);
    };
    row("neither converts", "abc", "x", "Enter Valid Value");
    row("one is no number", "4,5", "1x", "Enter Valid Value");
    row("low above high", "10", "5", "Low Value Should be Less than High Value ");
    row("low alone counts against 0", "3", "", "Low Value Should be Less than High Value ");
    row("decimal comma and point", "4,5", "10.5", "");
}

void TstOscilloscopeWidget::bothTriggerValidation()
{
    QFETCH(QString, low);
    QFETCH(QString, high);
    QFETCH(QString, message);
    LevelTrigger *dialog = view()->levelTrigger();
    dialog->setUnitSource([this](int iface) { return view()->devicesOf(iface); });
    dialog->signalBox(0)->setCurrentIndex(SpeedEntry);
    dialog->typeBox(0)->setCurrentIndex(TriggerSetup::Both);
    dialog->valueEdit(0)->clear();
    dialog->highEdit(0)->clear();
    QTest::keyClicks(dialog->valueEdit(0), low);
    QTest::keyClicks(dialog->highEdit(0), high);
    view()->vxUISlotChangeTriggerstatus(OscControlBar::NotActive);
    if (!message.isEmpty())
        prompter.expectCritical(message, "Error");
    dialog->vxUISlotConfirmBtnClicked();
    QCOMPARE(view()->triggerStatusText(), message.isEmpty() ? QString("Configured") : QString("Not Active"));
    if (message.isEmpty()) {
        QCOMPARE(dialog->setup().a.low, 4.5);
        QCOMPARE(dialog->setup().a.high, 10.5);
        view()->triggerSettings()->vxUISlotNoTriggerClicked();
        view()->triggerSettings()->vxUISlotApplyBtnClicked();
    }
}

void TstOscilloscopeWidget::gridColourAndLineWidthFromTheSettingsFile_data()
{
    QTest::addColumn<uint>("grey");
    QTest::addColumn<uint>("lineWidth");
    QTest::addColumn<QColor>("grid");
    QTest::addColumn<bool>("fat");
    QTest::newRow("127 white grid, thin") << 127u << 0u << QColor(Qt::white) << false;
    QTest::newRow("128 black grid, fat by 5") << 128u << 5u << QColor(Qt::black) << true;
}

void TstOscilloscopeWidget::gridColourAndLineWidthFromTheSettingsFile()
{
    QFETCH(uint, grey);
    QFETCH(uint, lineWidth);
    SettingsRecord record;
    record.oscBackground = grey;
    record.oscLineWidth = lineWidth;
    record.oscGraphView = 1;
    view()->applySettings(record);
    QCPAxis *axis = view()->plots()->analogPlot()->xAxis;
    QTEST(axis->grid()->pen().color(), "grid");
    QCOMPARE(axis->grid()->pen().style(), Qt::DotLine);
    QCOMPARE(view()->plots()->analogPlot()->axisRect()->backgroundBrush().color(),
        QColor(int(grey), int(grey), int(grey)));
    QTEST(view()->plots()->isFat(), "fat");
    QCOMPARE(view()->plots()->display(), int(OscPlotArea::DigitalOnly));
    SettingsRecord back;
    view()->storeSettings(back);
    QCOMPARE(back.oscBackground, grey);
    QCOMPARE(back.oscLineWidth != 0, lineWidth != 0);
    view()->applySettings(SettingsRecord());
}

void TstOscilloscopeWidget::favouritesAndUnitChoicesSurviveARestart()
{
    OscilloscopeWidget *v = view();
    prompter.expectCritical("Favourite list is empty", "Error");
    QVERIFY(!v->applyFavouriteSet(2));
    QVERIFY(v->selectEntry(device(), DigInBit1, true));
    const FavouriteEntry entry = v->favouriteOf(v->traces().last());
    QVERIFY(v->addFavourite(2, entry));
    prompter.expectInformation("Param already exists", "Information");
    QVERIFY(!v->addFavourite(2, entry));
    // The speed trace with a colour and a range of the user's own.
    QVERIFY(v->selectEntry(device(), SpeedEntry, true));
    const int speedRow = v->traces().size() - 1;
    v->legend()->item(speedRow, OscLegendTable::MaxColumn)->setText("900");
    v->legend()->item(speedRow, OscLegendTable::AutoScaleColumn)->setCheckState(Qt::Checked);
    const QColor colour("#123456");
    v->setColourPicker([&](const QColor &) { return colour; });
    emit v->legend()->cellDoubleClicked(speedRow, OscLegendTable::NameColumn);

    SettingsBinder binder;
    binder.setPath(dir.filePath("settings.set"));
    binder.record().autoSave = true;
    v->storeSettings(binder.record());
    QVERIFY(binder.saveIfAutoSave());
    SettingsBinder restarted;
    restarted.setPath(binder.path());
    QVERIFY(restarted.load());
    v->selectEntry(device(), DigInBit1, false);
    v->selectEntry(device(), SpeedEntry, false);
    v->setFavourites({});
    v->applySettings(restarted.record());
    QCOMPARE(v->favourites()[2].entries.size(), 1);
    // The unit shows again what it showed, in the same colour and range.
    QCOMPARE(v->traces().size(), 2);
    QCOMPARE(v->traces().first().number, int(DigInBit1));
    QVERIFY(v->traces().first().entry.isDigital());
    const auto &speed = v->traces().last();
    QCOMPARE(speed.number, int(SpeedEntry));
    QCOMPARE(speed.colour, colour);
    QCOMPARE(speed.max, 900.0);
    QVERIFY(speed.autoScale);
    v->selectEntry(device(), DigInBit1, false);
    v->selectEntry(device(), SpeedEntry, false);
    QVERIFY(v->applyFavouriteSet(2));
    QCOMPARE(v->traces().size(), 1);
    QCOMPARE(v->traces().first().number, int(DigInBit1));
}

void TstOscilloscopeWidget::markersMeasureAndPlotsSave()
{
    OscPlotArea *plots = view()->plots();
    QCPGraph *graph = plots->addTrace("ramp", Qt::blue, false);
    plots->setPoints(graph, { 0, 1, 2, 3 }, { 0, 10, 20, 30 });
    plots->setMarker(0, 1.0);
    QVERIFY(!plots->hasMarkers());
    plots->setMarker(1, 3.0);
    QVERIFY(plots->markerReport().contains(QString::fromUtf8("\u0394t = 2.000 s")));
    QVERIFY(plots->markerReport().contains(QString::fromUtf8("ramp: \u0394 = 20")));
    // The Δ box goes when both markers have left the window, and comes back with them.
    plots->showRange(10, 20);
    plots->replot();
    QVERIFY(!plots->markerBox()->visible());
    plots->showRange(2, 12);
    plots->replot();
    QVERIFY(plots->markerBox()->visible());
    plots->showRange(0, 4);
    // The value cursor goes when the mouse leaves the plot, and when a trace it names goes.
    QCustomPlot *analog = plots->analogPlot();
    QCPItemText *cursor = plots->cursorItem(analog);
    const QPoint centre = analog->axisRect()->rect().center();
    const auto moveTo = [analog](const QPoint &at) {
        QMouseEvent move(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(analog, &move);
    };
    moveTo(centre);
    QVERIFY(cursor->visible() && cursor->text().contains("ramp"));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(analog, &leave);
    QVERIFY(!cursor->visible());
    QCPGraph *other = plots->addTrace("other", Qt::red, false);
    plots->setPoints(other, { 0, 1 }, { 5, 5 });
    moveTo(centre + QPoint(1, 0));
    QVERIFY(cursor->visible() && cursor->text().contains("other"));
    plots->removeTrace(other);
    QVERIFY(!cursor->visible());
    // The right button (its context menu takes the release) leaves no empty zoom rectangle.
    QTest::mousePress(analog, Qt::RightButton, {}, centre);
    QVERIFY(!analog->selectionRect()->isActive());
    moveTo(centre); // the mouse left the value cursor over the plot
    for (const QString name : { "plot.png", "plot.pdf" })
        QVERIFY(plots->savePlot(dir.filePath(name)));
    // The saved picture has a legend of the traces below the plots (and in the PDF below the
    // caption above them).
    const QImage png(dir.filePath("plot.png"));
    const int line = QFontMetrics(analog->font()).height();
    const auto drawn = [&png](int top, QRgb colour) {
        for (int y = top; y < png.height(); ++y)
            for (int x = 0; x < png.width(); ++x)
                if (png.pixel(x, y) == colour)
                    return true;
        return false;
    };
    QVERIFY(drawn(png.height() - 2 * line, QColor(Qt::blue).rgb()));
    // Saved from the menu, the window's status bar says where.
    QSignalSpy said(tab.get(), &TabWidget::statusMessage);
    prompter.expectSaveFile(dir.filePath("asked"));
    plots->saveWithPrompt("PDF (*.pdf)");
    QCOMPARE(said.value(0).value(0).toString(),
        "Plot saved to " + QDir::toNativeSeparators(dir.filePath("asked.pdf")));
    // In the PDF the tick labels are as high as on screen, and the cursor is not drawn.
    QProcess pdf;
    pdf.start("pdftotext", { "-bbox", dir.filePath("plot.pdf"), "-" });
    QVERIFY(pdf.waitForFinished(10000));
    const QString words = QString::fromUtf8(pdf.readAllStandardOutput());
    const QRegularExpression word("yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" yMax=\"([\\d.]+)\">([^<]*)<");
    int labels = 0;
    for (auto it = word.globalMatch(words); it.hasNext(); ++labels) {
        const QRegularExpressionMatch w = it.next();
        QVERIFY2(w.captured(2).toDouble() - w.captured(1).toDouble() < 16.0 && w.captured(3) != "t",
            qPrintable(w.captured(0)));
    }
    QVERIFY2(labels >= 8, qPrintable(words));
    for (const char *text : { ">Time<", ">ramp<", ">Recorded<" })
        QVERIFY2(words.contains(text), text);
    // A loaded recording keeps every point, however long (live traces keep PointBound).
    QVector<double> xs(OscPlotArea::PointBound + 1);
    std::iota(xs.begin(), xs.end(), 0.0);
    plots->setPoints(graph, xs, xs);
    QCOMPARE(graph->dataCount(), xs.size());
    plots->clearMarkers();
    plots->removeTrace(graph);
}

TARVOLINK_WIDGET_TEST_MAIN(TstOscilloscopeWidget)
#include "tst_oscilloscopewidget.moc"
