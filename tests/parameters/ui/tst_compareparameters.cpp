#include "../parameterrows.h"
#include "compareparameters.h"
#include "datfile.h"
#include "parametercompare.h"
#include "printgui.h"
#include "promptedtest.h"
#include "viewfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace ViewFixture;

// The comparison rule (which set values count as different, how parameters are paired, what is
// left over on each side) and the compare dialog: sources by interface, the result table with its
// heading rows, emphasis of the differing sets, one-sided parameters, and its printout.
class TestCompareParameters : public PromptedTest
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void editsAreListedExactlyWithTheirSets();
    void differences_data();
    void differences();
    void emptySideComparesNothing();
    void unitAgainstItsSavedFileThenItsDifferences();
    void sourcesFollowTheModeAndAMissingOneIsReported();
    void printsTheComparisonAsPdf();

private:
    std::unique_ptr<CompareParameters> m_dialog;
    std::unique_ptr<TreeModel> m_unit;
    std::unique_ptr<TreeModel> m_file;
    QTemporaryDir m_dir;
};

void TestCompareParameters::init()
{
    m_dialog = std::make_unique<CompareParameters>(prompter);
    m_unit = unitModel();
    QVERIFY(m_unit->setData(cell(*m_unit, "222", TreeItem::SetAColumn + 1), "60"));
    const QString file = m_dir.filePath("unit.dat");
    QVERIFY(DatFile::save(file, unitEntry(), m_unit->customerData(), *m_unit));
    m_file = unitModel();
    QVERIFY(m_file->ParameterOpen(file));
    m_dialog->setSources({ { "RVN48-003 (1)", "RS232", m_unit.get() }, { "RVN48-004 (7)", "TCPIP", nullptr },
        { "RVN48-003 : unit", QString(), m_file.get() } });
}

void TestCompareParameters::cleanup()
{
    verifyPrompts();
    m_dialog.reset();
}

void TestCompareParameters::editsAreListedExactlyWithTheirSets()
{
    auto first = unitModel();
    auto second = unitModel();
    const auto edit = [&second](const QString &menu, int set, const QString &value) {
        QVERIFY2(second->setData(cell(*second, menu, TreeItem::SetAColumn + set), value), qPrintable(menu));
    };
    edit("213", 0, "Torque"); // one value for all sets: all four differ
    edit("222", 1, "60"); // whole number, set B (120 x 60 / 1450 keeps 4 poles)
    edit("227", 2, "0.9"); // scaled decimal, set C
    edit("643", 3, "2:00:00"); // time, set D
    edit("228", 3, "Forced"); // value text, set D

    QList<TreeItem *> onlyFirst, onlySecond;
    const QList<TreeItem *> pairs = CompareDriveParam(first.get(), second.get(), onlyFirst, onlySecond);
    QStringList menus;
    for (int i = 0; i < pairs.size(); i += 2) {
        QCOMPARE(pairs.at(i)->text(0), pairs.at(i + 1)->text(0));
        menus << pairs.at(i)->text(0);
    }
    QCOMPARE(menus, QStringList({ "213", "222", "227", "228", "643" }));

    const auto result = ParameterCompare::compare(first.get(), second.get());
    QStringList sets;
    for (const auto &d : result.differences) {
        QString s;
        for (int set = 0; set < 4; ++set)
            s += d.sets[set] ? QChar('A' + set) : QChar('-');
        sets << s;
    }
    QCOMPARE(sets, QStringList({ "ABCD", "-B--", "--C-", "---D", "---D" }));
}

// Pairs of (shown, stored) values of one set and whether they differ.
void TestCompareParameters::differences_data()
{
    QTest::addColumn<QString>("shownA");
    QTest::addColumn<QString>("storedA");
    QTest::addColumn<QString>("shownB");
    QTest::addColumn<QString>("storedB");
    QTest::addColumn<bool>("differs");
    const auto row = [](const char *name, const char *shownA, const char *storedA, const char *shownB,
                         const char *storedB, bool differs) {
        QTest::newRow(name) << shownA << storedA << shownB << storedB << differs;
    };
    row("same number", "50", "50", "50", "50", false);
    row("other number", "50", "50", "60", "60", true);
    row("leading zero stored", "50", "050", "50", "50", false);
    row("shown alike, stored differs", "0.5", "63493", "0.5", "61940", false);
    row("time compared as text", "1:30:00", "1:30:00", "1:30:01", "1:30:1", true);
    // Texts are not numbers: both read as 0 would hide every change of a name.
    row("text differs", "Pump 1", "Pump 1", "Pump 2", "Pump 2", true);
    row("empty versus value", "", "", "5", "5", true);
}

void TestCompareParameters::differences()
{
    QFETCH(QString, shownA);
    QFETCH(QString, storedA);
    QFETCH(QString, shownB);
    QFETCH(QString, storedB);
    QFETCH(bool, differs);
    QVector<QVariant> columns(TreeItem::ColumnCount);
    TreeItem a(columns), b(columns);
    a.setData(TreeItem::SetAColumn, shownA);
    a.setData(TreeItem::StoredAColumn, storedA);
    b.setData(TreeItem::SetAColumn, shownB);
    b.setData(TreeItem::StoredAColumn, storedB);
    QCOMPARE(ParameterCompare::setDiffers(a, b, 0), differs);
}

void TestCompareParameters::emptySideComparesNothing()
{
    auto first = unitModel();
    QVERIFY(ParameterCompare::compare(first.get(), nullptr).identical());
    using namespace ParameterRows;
    auto menusOnly = model(table({ definition("1", 1, "M"), language("English", "Menu") }));
    QList<TreeItem *> onlyFirst, onlySecond;
    QVERIFY(CompareDriveParam(first.get(), menusOnly.get(), onlyFirst, onlySecond).isEmpty());
    QCOMPARE(onlyFirst.size(), first->GetEditableParameters().size());
}

void TestCompareParameters::unitAgainstItsSavedFileThenItsDifferences()
{
    m_dialog->unitCombo(1)->setCurrentIndex(1);
    m_dialog->compareButton()->click();
    QCOMPARE(m_dialog->resultLabel()->text(), QStringLiteral("Files are Identical"));

    QVERIFY(m_file->setData(cell(*m_file, "222", TreeItem::SetAColumn + 3), "55"));
    QVERIFY(m_file->setData(cell(*m_file, "228", TreeItem::SetAColumn), "Forced"));
    m_dialog->compareButton()->click();
    QTableWidget *t = m_dialog->table();
    QCOMPARE(t->rowCount(), 4);
    // Two heading rows, then the differences; nothing in the table can be edited.
    QVERIFY(!(t->item(1, 3)->flags() & Qt::ItemIsEditable));
    // Rows in tree order: 222 (set D), then 228 (set A).
    QCOMPARE(t->item(2, 0)->text(), QStringLiteral("222"));
    QCOMPARE(t->item(2, 3)->text(), QStringLiteral("60"));
    QCOMPARE(t->item(2, 9)->text(), QStringLiteral("55"));
    QCOMPARE(t->item(2, 5)->font().weight(), 99);
    QCOMPARE(t->item(3, 0)->text(), QStringLiteral("228"));
    QCOMPARE(t->item(3, 6)->text(), QStringLiteral("Forced"));

    // The older version of the drive lacks a parameter: listed under its own heading, not as a
    // difference.
    TreeModel older(dataDir() + QStringLiteral("/csv_file/RVNV2.03.csv"), 0, QStringLiteral("2,5"),
        QStringLiteral("0.75"), false);
    m_dialog->setSources({ { "RVN48-003 (1)", "RS232", m_unit.get() }, { "RVNV2.03", QString(), &older } });
    m_dialog->unitCombo(1)->setCurrentIndex(1);
    m_dialog->compareButton()->click();
    QCOMPARE(t->rowCount(), 5);
    QCOMPARE(t->item(3, 0)->text(), QStringLiteral("Only in RVN48-003 (1)"));
    QCOMPARE(t->item(4, 0)->text(), QStringLiteral("2655"));
}

void TestCompareParameters::sourcesFollowTheModeAndAMissingOneIsReported()
{
    QCOMPARE(m_dialog->unitCombo(1)->count(), 2); // the RS232 unit and the open file, marked
    QCOMPARE(m_dialog->unitCombo(1)->itemText(1), QStringLiteral("RVN48-003 : unit (file)"));
    m_dialog->modeCombo(1)->setCurrentIndex(2); // TCP/IP: its unit has no tree; only the file
    QCOMPARE(m_dialog->unitCombo(1)->count(), 1);
    QCOMPARE(m_dialog->selectedModel(1), m_file.get());
    m_unit.reset(); // a unit removed while the dialog is open is no longer offered
    m_dialog->modeCombo(0)->setCurrentIndex(1);
    m_dialog->modeCombo(0)->setCurrentIndex(0);
    QCOMPARE(m_dialog->unitCombo(0)->count(), 1);

    m_dialog->setSources({});
    prompter.expectInformation("Select Unit");
    m_dialog->compareButton()->click();
    QCOMPARE(m_dialog->table()->rowCount(), 2);
}

void TestCompareParameters::printsTheComparisonAsPdf()
{
    m_dialog->unitCombo(1)->setCurrentIndex(1);
    m_dialog->vxUISlotPrintBtnClicked();
    CompPrintGui *choice = m_dialog->printChoice();
    QVERIFY(choice);
    choice->pdfBox()->setChecked(true);
    prompter.expectSaveFile(m_dir.filePath("compare"));
    choice->printButton()->click();
    QVERIFY(QFileInfo(m_dir.filePath("compare.pdf")).size() > 1000);
    QCOMPARE(m_dialog->outcomeLabel()->text(), QString("Saved compare.pdf"));
    // Without a file name nothing is written.
    prompter.expectSaveFile(QString());
    m_dialog->vxUiComparisonPrintint(CompPrintGui::ToPdf);
}

QTEST_MAIN(TestCompareParameters)
#include "tst_compareparameters.moc"
