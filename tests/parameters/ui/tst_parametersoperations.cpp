#include "customerdatadialog.h"
#include "datfile.h"
#include "parametercompare.h"
#include "parameters.h"
#include "parametertoolbar.h"
#include "printgui.h"
#include "promptedtest.h"
#include "selectcsvdialog.h"
#include "viewfixture.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTreeView>
#include <QtTest>

using namespace ViewFixture;

Q_DECLARE_METATYPE(TreeModel *)

// The toolbar operations: the questions before writing to a unit, files, new sets, folding,
// printing and what the File menu may offer.
class TestParametersOperations : public PromptedTest
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void loadToDriveQuestions_data();
    void loadToDriveQuestions();
    void fileCutAtALineEndIsWrittenOnlyIfWished();
    void saveAndOpenRoundTrip();
    void valuesMissingAreToldBeforeSaveAndLoadToDrive();
    void openRefusesBrokenFiles();
    void foldStateSurvivesRebuild();
    void actionStatesFollowTheSetThenNewSetFromFileAndSize();
    void printToPdfAndPrinter();

private:
    std::unique_ptr<Parameters> m_view;
    std::unique_ptr<TreeModel> m_model;
    QTemporaryDir m_dir;
};

void TestParametersOperations::init()
{
    qRegisterMetaType<TreeModel *>();
    AppPaths::setBaseDir(dataDir());
    m_view = std::make_unique<Parameters>(prompter);
    m_model = unitModel();
    m_view->vxUISlotSetTreeView(unitEntry(), m_model.get());
}

void TestParametersOperations::cleanup()
{
    verifyPrompts();
    m_view.reset();
    m_model.reset();
    AppPaths::setBaseDir(QString());
}

namespace {
const QString kRecording = QStringLiteral(
    "oscView Record in Progress.\nYou can stop recording for faster performance\nDo you want to Continue?");
const QString kSizes = QStringLiteral("Sizes of drives are differ\n Do you want to continue?");
const QString kTypes = QStringLiteral("Type of drives are differ\n Do you want to continue?");
const QString kVersions = QStringLiteral("Version of drives are differ\n Do you want to continue?");
const QString kMotor = QStringLiteral(
    "Motor is running, some of configuration parameter may not set properly.\nDo you want to Continue?");
// The set, its size and the unit it goes to, named in the last question.
const QString kCopy
    = QStringLiteral("Copy parameters to Drive\n279 parameters of RVN48-003 (1) to RVN48-003 (1)");
const QString kCopyFile
    = QStringLiteral("Copy parameters to Drive\n279 parameters of KTZ10-004 to RVN48-003 (1)");
} // namespace

// Every question in order; the scenario answers "No" at `refuseAt` (-1: all "Yes").
void TestParametersOperations::loadToDriveQuestions_data()
{
    QTest::addColumn<bool>("fileSet");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<int>("refuseAt");
    const QStringList unitQuestions { kRecording, kMotor, kCopy };
    const QStringList fileQuestions { kRecording, kSizes, kTypes, kVersions, kMotor, kCopyFile };
    for (int i = -1; i < unitQuestions.size(); ++i)
        QTest::addRow("unit set, no at %d", i) << false << unitQuestions << i;
    for (int i = -1; i < fileQuestions.size(); ++i)
        QTest::addRow("file set, no at %d", i) << true << fileQuestions << i;
}

void TestParametersOperations::loadToDriveQuestions()
{
    QFETCH(bool, fileSet);
    QFETCH(QStringList, questions);
    QFETCH(int, refuseAt);
    QStringList setEntry = unitEntry();
    QStringList target = unitEntry();
    if (fileSet) {
        setEntry[3] = QStringLiteral("FILE");
        setEntry[1] = QStringLiteral("KTZ10-004");
        setEntry[11] = QStringLiteral("V1.12");
        m_view->vxUISlotSetTreeView(setEntry, m_model.get());
    }
    QList<QStringList> offered;
    Parameters::DriveContext context;
    context.isRecording = [] { return true; };
    context.connectedUnits = [] { return QList<QStringList> { unitEntry() }; };
    context.isMotorRunning = [](const QStringList &e) { return e.value(0) == QLatin1String("1"); };
    m_view->setDriveContext(context);
    m_view->setTargetChooser([&offered](const QList<QStringList> &units, QWidget *) {
        offered = units;
        return units.first();
    });
    for (int i = 0; i < questions.size() && (refuseAt < 0 || i <= refuseAt); ++i)
        prompter.expectQuestion(questions.at(i), i == refuseAt ? QMessageBox::No : QMessageBox::Yes);
    QSignalSpy exported(m_view.get(), &Parameters::vxUISigExportBtnClicked);
    m_view->toolBar()->button(ParameterToolBar::Export)->click();
    QCOMPARE(exported.count(), refuseAt < 0 ? 1 : 0);
    QCOMPARE(offered.size(), fileSet && (refuseAt < 0 || refuseAt > 0) ? 1 : 0);
    for (const auto &p : prompter.seen())
        QCOMPARE(p.defaultButton, QMessageBox::No);
    if (refuseAt < 0) {
        QCOMPARE(exported.first().at(0).value<TreeModel *>(), m_model.get());
        QCOMPARE(exported.first().at(1).toStringList(), target);
    }
}

void TestParametersOperations::fileCutAtALineEndIsWrittenOnlyIfWished()
{
    const QString cut = m_dir.filePath("cut.dat");
    QVERIFY(DatFile::save(cut, m_view->unitInformation(), {}, *m_model));
    QFile file(cut);
    QVERIFY(file.open(QIODevice::ReadWrite));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QVERIFY(file.resize(0) && file.write(lines.mid(0, 40).join('\n') + '\n') > 0);
    file.close();
    prompter.expectOpenFile(cut);
    m_view->vxUISlotOpenBtnClicked();
    Parameters::DriveContext context;
    context.connectedUnits = [] { return QList<QStringList> { unitEntry() }; };
    m_view->setDriveContext(context);
    m_view->setTargetChooser([](const QList<QStringList> &units, QWidget *) { return units.first(); });
    const QString question
        = QStringLiteral("The file holds 10 of 720 parameters of RVNV2.05.csv. Write these 10?");
    QSignalSpy exported(m_view.get(), &Parameters::vxUISigExportBtnClicked);
    prompter.expectQuestion(question, QMessageBox::No);
    m_view->vxUISlotExportBtnClicked();
    prompter.expectQuestion(question, QMessageBox::Yes)
        .expectQuestion("Copy parameters to Drive\n10 parameters of RVN48-003 (1) : cut to RVN48-003 (1)",
            QMessageBox::Yes);
    m_view->vxUISlotExportBtnClicked();
    QCOMPARE(exported.count(), 1);
}

void TestParametersOperations::saveAndOpenRoundTrip()
{
    QVERIFY(m_model->setData(cell(*m_model, "222", TreeItem::SetAColumn + 1), "60"));
    QVERIFY(m_model->setData(cell(*m_model, "923", TreeItem::SetAColumn), "Line <2>"));
    QVERIFY(m_model->setData(cell(*m_model, "643", TreeItem::SetAColumn + 3), "2:15:00"));
    QStringList customer;
    for (int i = 0; i < 12; ++i)
        customer << QStringLiteral("text %1").arg(i);
    m_view->setCustomerData(customer);

    QSignalSpy saved(m_view.get(), &Parameters::vxUISigSaveBtnClicked);
    prompter.expectSaveFile(m_dir.filePath("pump"));
    m_view->toolBar()->button(ParameterToolBar::Save)->click();

    QSignalSpy named(m_view.get(), &Parameters::vxUISigSendFileName);
    QSignalSpy opened(m_view.get(), &Parameters::vxUISigOpenBtnClicked);
    prompter.expectOpenFile(m_dir.filePath("pump.dat"));
    m_view->toolBar()->button(ParameterToolBar::Open)->click();
    QCOMPARE(named.count(), 1);
    TreeModel *copy = m_view->model();
    QVERIFY(copy && copy != m_model.get());
    QCOMPARE(named.first().at(6).value<TreeModel *>(), copy);
    QCOMPARE(named.first().at(5).toString(), QStringLiteral("RVN48-003 (1) : pump"));
    QCOMPARE(shown(*copy, "222", 1), QStringLiteral("60"));
    QVERIFY(!copy->findItem("222")->isChanged(1)); // opening is no offline edit
    QCOMPARE(shown(*copy, "923", 0), QStringLiteral("Line <2>"));
    QCOMPARE(copy->customerData(), customer);
    QVERIFY(ParameterCompare::compare(m_model.get(), copy).identical());

    // "&Dat File Information...": the file's customer data, read-only.
    m_view->vxUISlotDatFileInfo();
    CustomerDataDialog *info = m_view->customerDataDialog();
    QVERIFY(info);
    QCOMPARE(info->texts(), customer);
    info->close();

    // Saving the opened set under its own name reads it back; the file is still identical.
    QVERIFY(copy->setData(cell(*copy, "222", TreeItem::SetAColumn + 2), "70"));
    prompter.expectSaveFile(m_dir.filePath("pump.dat"));
    m_view->vxUISlotSaveBtnClicked();
    auto again = unitModel();
    QVERIFY(again->ParameterOpen(m_dir.filePath("pump.dat")));
    QCOMPARE(shown(*again, "222", 2), QStringLiteral("70"));
    delete copy;
    QVERIFY(!m_view->model());
    QVERIFY(!m_view->actionStates().save);
}

// A unit read only in part (a cancelled "Load from Drive"): two values never came.
void TestParametersOperations::valuesMissingAreToldBeforeSaveAndLoadToDrive()
{
    for (const char *menu : { "222", "227" })
        QVERIFY(m_model->setData(cell(*m_model, menu, TreeItem::SetAColumn + 1), QString()));
    prompter.expectQuestion("2 parameters were not read from the unit. Save anyway?", QMessageBox::No);
    m_view->vxUISlotSaveBtnClicked(); // no file is asked for
    prompter.expectQuestion(QString(kCopy).replace("279", "277")
            + "\n2 parameters have no value in this set and will be skipped.",
        QMessageBox::Yes);
    QSignalSpy exported(m_view.get(), &Parameters::vxUISigExportBtnClicked);
    m_view->vxUISlotExportBtnClicked();
    QCOMPARE(exported.count(), 1);
}

void TestParametersOperations::openRefusesBrokenFiles()
{
    QFile broken(m_dir.filePath("broken.dat"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("[DEVICE TYPE];;;\nno separator here\n");
    broken.close();
    QFile foreign(m_dir.filePath("foreign.dat"));
    QVERIFY(foreign.open(QIODevice::WriteOnly));
    foreign.write("[DEVICE TYPE];;\nX;;\n[DATA FILE];;\n1;C:\\drives\\NOPEV9.99.csv;;\nMenu nr;;\n");
    foreign.close();

    QSignalSpy alerts(m_view.get(), &Parameters::alertNotification);
    QSignalSpy named(m_view.get(), &Parameters::vxUISigSendFileName);
    prompter.expectOpenFile(broken.fileName()).expectCritical("invalid CSV file", "Error");
    m_view->vxUISlotOpenBtnClicked();
    prompter.expectOpenFile(foreign.fileName());
    m_view->vxUISlotOpenBtnClicked();
    QCOMPARE(alerts.count(), 1);
    prompter.expectOpenFile(QString());
    m_view->vxUISlotOpenBtnClicked();

    // A set file cut short is refused whole, by the check a write to a unit uses.
    const QString cut = m_dir.filePath("cut.dat");
    QVERIFY(DatFile::save(cut, m_view->unitInformation(), {}, *m_model));
    QFile file(cut);
    QVERIFY(file.open(QIODevice::ReadWrite) && file.resize(file.size() - 3));
    QVERIFY(file.seek(0));
    const int lastLine = file.readAll().count('\n') + 1;
    file.close();
    prompter.expectOpenFile(cut).expectCritical(
        QStringLiteral("invalid CSV file\nline %1: the file ends inside a line (cut short?)").arg(lastLine),
        "Error");
    m_view->vxUISlotOpenBtnClicked();
    QVERIFY2(prompter.problems().isEmpty(), qPrintable(prompter.problems()));
    QCOMPARE(named.count(), 0);
    QCOMPARE(m_view->model(), m_model.get());
}

void TestParametersOperations::foldStateSurvivesRebuild()
{
    QTreeView *tree = m_view->treeView();
    const auto isOpen
        = [&](TreeModel &m, const QString &menu) { return tree->isExpanded(m.indexOf(m.findItem(menu))); };
    tree->expand(m_model->indexOf(m_model->findItem("2")));
    tree->expand(m_model->indexOf(m_model->findItem("22")));
    tree->expand(m_model->indexOf(m_model->findItem("23")));
    tree->collapse(m_model->indexOf(m_model->findItem("23")));

    // The same unit's tree built again (another language): the same menus open.
    auto rebuilt = unitModel();
    m_view->vxUISlotSetTreeView(unitEntry(), rebuilt.get());
    QVERIFY(isOpen(*rebuilt, "2"));
    QVERIFY(!isOpen(*rebuilt, "23"));

    m_view->toolBar()->expandButton()->click();
    m_view->vxUISlotSetTreeView(unitEntry(), m_model.get());
    QVERIFY(isOpen(*m_model, "1") && isOpen(*m_model, "23"));
    m_view->onExpColClicked();
    QVERIFY(!isOpen(*m_model, "2"));
    m_view->vxUISlotSetTreeView(unitEntry(), nullptr);
}

void TestParametersOperations::actionStatesFollowTheSetThenNewSetFromFileAndSize()
{
    auto s = m_view->actionStates();
    QVERIFY(s.save && s.print && s.compare && s.loadFromDrive && s.loadToDrive && s.datFileInfo);
    QStringList fileEntry = unitEntry();
    fileEntry[3] = QStringLiteral("FILE");
    m_view->vxUISlotSetTreeView(fileEntry, m_model.get());
    s = m_view->actionStates();
    QVERIFY(!s.loadFromDrive && s.loadToDrive);
    // While a transfer runs the user cannot operate on the values the worker writes.
    m_view->vxUISlotDisableImpExpWid(true);
    s = m_view->actionStates();
    QVERIFY(!s.loadToDrive && !s.save && !s.print && !s.compare && !s.newSet && !s.open);
    const QModelIndex speed = m_model->indexOf(m_model->findItem("225"), TreeItem::SetAColumn);
    QVERIFY(speed.isValid());
    m_view->vxUISlotTmClicked(speed);
    QVERIFY(!m_view->editorIndex().isValid());
    m_view->vxUISlotDisableImpExpWid(false);
    m_view->vxUISlotTmClicked(speed);
    QVERIFY(m_view->editorIndex().isValid());
    m_view->vxUISlotSetTreeView({}, nullptr);
    s = m_view->actionStates();
    QVERIFY(s.newSet && s.open && !s.save && !s.print && !s.datFileInfo);

    QSignalSpy named(m_view.get(), &Parameters::vxUISigSendFileName);
    m_view->toolBar()->button(ParameterToolBar::New)->click();
    SelectCsvDialog *dialog = m_view->csvDialog();
    QVERIFY(dialog);
    const auto found = dialog->fileList()->findItems("RVNV2.05.csv", Qt::MatchExactly);
    dialog->fileList()->setCurrentItem(found.first());
    dialog->chooseFile();
    // The heading names the unit the file's sizes table gives.
    QCOMPARE(dialog->sizeTable()->horizontalHeaderItem(2)->text(), QStringLiteral("Pnom(kW)"));
    dialog->sizeTable()->setCurrentCell(4, 0); // RVN48-010, 10,5 A
    dialog->chooseSize();
    QCOMPARE(named.count(), 1);
    TreeModel *made = m_view->model();
    QVERIFY(made && made != m_model.get());
    QCOMPARE(named.first().at(2).toString(), QStringLiteral("10,5"));
    QCOMPARE(shown(*made, "224", 0), QStringLiteral("10.5"));
}

void TestParametersOperations::printToPdfAndPrinter()
{
    int dialogs = 0;
    const QString printed = m_dir.filePath("printer.pdf"); // this run's own: another copy prints too
    m_view->setPrintDialogRunner([&dialogs, printed](QPrinter &printer, QWidget *) {
        ++dialogs;
        // Declining the dialog prints nothing; an accepted one here prints into a file.
        if (dialogs == 1)
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        return true;
    });
    QSignalSpy said(m_view.get(), &Parameters::statusMessage);
    m_view->vxUISlotPrintBtnClicked();
    PrintGui *choice = m_view->printGui();
    QVERIFY(choice);
    choice->pdfBox()->setChecked(true);
    choice->changedChoice()->click();
    QCOMPARE(choice->mode(), 4);
    prompter.expectSaveFile(m_dir.filePath("changed"));
    choice->printButton()->click();
    QVERIFY(QFileInfo(m_dir.filePath("changed.pdf")).size() > 1000);

    for (int i = 0; i < 2; ++i) {
        m_view->vxUISlotPrintBtnClicked();
        m_view->printGui()->printButton()->click();
    }
    QCOMPARE(dialogs, 2);
    // What was done is said; the declined printer dialog says nothing.
    QCOMPARE(said.size(), 2);
    QCOMPARE(said.at(0).first().toString(), QStringLiteral("Saved changed.pdf"));
    QCOMPARE(said.at(1).first().toString(), QStringLiteral("Sent to the printer"));
    QVERIFY(QFile::exists(printed));
}

QTEST_MAIN(TestParametersOperations)
#include "tst_parametersoperations.moc"
