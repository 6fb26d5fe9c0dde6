#include "editorchoice.h"
#include "lineeditswidget.h"
#include "parameters.h"
#include "parametertoolbar.h"
#include "promptedtest.h"
#include "valuefieldeditor.h"
#include "viewfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTreeView>
#include <QtTest>

using namespace ViewFixture;

// The in-place editors of the parameters view: the right editor for each kind of parameter,
// refusal of what the unit would not take, and where an accepted value goes.
class TestParametersEditors : public PromptedTest
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void editorKind_data();
    void editorKind();
    void typedValue_data();
    void typedValue();
    void timeValue_data();
    void timeValue();
    void choiceCommitsValueText();
    void sendDirectlyEmitsTheWrittenValueButNeverForAFileSet();
    void keyboardOpensMovesAndCancels();
    void limitsShowForTheClickedSet();
    void draggedColumnWidthOutlivesResizes();

private:
    QWidget *openEditor(const QString &menu, int column);

    std::unique_ptr<Parameters> m_view;
    std::unique_ptr<TreeModel> m_model;
};

void TestParametersEditors::init()
{
    AppPaths::setBaseDir(dataDir());
    m_view = std::make_unique<Parameters>(prompter);
    m_model = unitModel();
    QVERIFY(m_model->isValid());
    m_view->vxUISlotSetTreeView(unitEntry(), m_model.get());
    m_view->treeView()->expandAll();
    m_view->resize(1000, 700);
    m_view->show();
}

void TestParametersEditors::cleanup()
{
    verifyPrompts();
    m_view.reset();
    m_model.reset();
    AppPaths::setBaseDir(QString());
}

QWidget *TestParametersEditors::openEditor(const QString &menu, int column)
{
    const QModelIndex index = cell(*m_model, menu, column);
    if (!index.isValid())
        return nullptr;
    m_view->vxUISlotTmClicked(index);
    return m_view->treeView()->indexWidget(index);
}

void TestParametersEditors::editorKind_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("kind");
    // A text and a choice of value texts opened by a click: tst_parametersdrive.
    QTest::newRow("scaled cos phi is decimal") << "227" << 5 << int(EditorChoice::Decimal);
    QTest::newRow("frequency is whole") << "222" << 7 << int(EditorChoice::Whole);
    QTest::newRow("time has three fields") << "643" << 4 << int(EditorChoice::Time);
    QTest::newRow("one-value parameter in A") << "213" << 4 << int(EditorChoice::Choice);
    QTest::newRow("one-value parameter in B") << "213" << 5 << int(EditorChoice::None);
    QTest::newRow("read-only parameter") << "22D" << 4 << int(EditorChoice::None);
}

void TestParametersEditors::editorKind()
{
    QFETCH(QString, menu);
    QFETCH(int, column);
    QFETCH(int, kind);
    QWidget *editor = openEditor(menu, column);
    QCOMPARE(int(EditorChoice::forItem(*m_model, m_model->findItem(menu), column).kind), kind);
    switch (kind) {
    case EditorChoice::None:
        QVERIFY(!editor);
        QVERIFY(!m_view->editorIndex().isValid());
        break;
    case EditorChoice::Time:
        QVERIFY(qobject_cast<LineEditsWidget *>(editor));
        break;
    case EditorChoice::Choice:
        QVERIFY(qobject_cast<specialwidgets *>(editor));
        QVERIFY(qobject_cast<specialwidgets *>(editor)->isCombo());
        break;
    default:
        QVERIFY(qobject_cast<specialwidgets *>(editor));
        QVERIFY(!qobject_cast<specialwidgets *>(editor)->isCombo());
    }
}

// Typed into the line edit and confirmed with Return.
void TestParametersEditors::typedValue_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("set");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("committed");
    QTest::addColumn<QString>("shown");
    // A refused value stays out of the model and the user is told why, with the range.
    QTest::addColumn<QString>("refusal");
    QTest::newRow("name cut at 12") << "923" << 0 << "Pump Station 7" << true << "Pump Station"
                                    << "";
    QTest::newRow("empty name refused") << "923" << 0 << "" << false << ""
                                        << "\"\" is not a valid value for 923 Unit Name.";
    QTest::newRow("decimal comma") << "227" << 1 << "0,92" << true << "0.92"
                                   << "";
    QTest::newRow("decimal point") << "2642" << 0 << "1.5" << true << "1.5"
                                   << "";
    QTest::newRow("too many decimals")
        << "227" << 1 << "0,925" << false << "0.86"
        << "\"0,925\" is not a valid value for 227 Motor Cos PHI.\nThe range is 0.50 to 1.00.";
    QTest::newRow("whole number") << "222" << 2 << "60" << true << "60"
                                  << "";
    QTest::newRow("whole above max")
        << "222" << 2 << "301" << false << "50"
        << "\"301\" is not a valid value for 222 Motor Frequency.\nThe range is 24 to 300.";
    QTest::newRow("whole refuses letters")
        << "222" << 2 << "6x0" << false << "50"
        << "\"6x0\" is not a valid value for 222 Motor Frequency.\nThe range is 24 to 300.";
    QTest::newRow("motor power above 1.5 x nominal")
        << "221" << 3 << "1,2" << false << "0.75"
        << "\"1,2\" is not a valid value for 221 Motor Power.\nThe range is 0.1 to 1.125.";
}

void TestParametersEditors::typedValue()
{
    QFETCH(QString, menu);
    QFETCH(int, set);
    QFETCH(QString, typed);
    QFETCH(bool, committed);
    QFETCH(QString, shown);
    QFETCH(QString, refusal);
    if (!refusal.isEmpty())
        prompter.expectWarning(refusal, QStringLiteral("Warning"));
    m_view->toolBar()->sendDirectly()->setChecked(true);
    QSignalSpy sent(m_view.get(), &Parameters::sendDataToControl);
    auto *editor = qobject_cast<specialwidgets *>(openEditor(menu, TreeItem::SetAColumn + set));
    QVERIFY(editor);
    editor->lineEdit()->clear();
    QTest::keyClicks(editor->lineEdit(), typed);
    QTest::keyClick(editor->lineEdit(), Qt::Key_Return);
    QCOMPARE(sent.count(), committed ? 1 : 0);
    if (!shown.isEmpty())
        QCOMPARE(ViewFixture::shown(*m_model, menu, set), shown);
    QCOMPARE(m_model->findItem(menu)->isChanged(set), committed);
}

void TestParametersEditors::timeValue_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<bool>("committed");
    QTest::newRow("one and a half hours") << QStringList { "1", "30", "0" } << true;
    QTest::newRow("above 9:59:59") << QStringList { "10", "0", "0" } << false;
    QTest::newRow("60 minutes refused") << QStringList { "1", "60", "0" } << false;
}

void TestParametersEditors::timeValue()
{
    QFETCH(QStringList, fields);
    QFETCH(bool, committed);
    auto *editor = qobject_cast<LineEditsWidget *>(openEditor("643", TreeItem::SetAColumn + 2));
    QVERIFY(editor);
    for (int i = 0; i < 3; ++i) {
        editor->field(i)->clear();
        QTest::keyClicks(editor->field(i), fields.at(i));
    }
    QTest::keyClick(editor->field(2), Qt::Key_Return);
    QCOMPARE(shown(*m_model, "643", 2), committed ? QStringLiteral("1:30:00") : QStringLiteral("0:00:00"));
}

void TestParametersEditors::choiceCommitsValueText()
{
    auto *editor = qobject_cast<specialwidgets *>(openEditor("228", TreeItem::SetAColumn + 1));
    QVERIFY(editor);
    emit editor->comboBox()->activated(2);
    QCOMPARE(shown(*m_model, "228", 1), QStringLiteral("Forced"));

    // "0 = Off, otherwise seconds": the text or a number in range may be typed.
    editor = qobject_cast<specialwidgets *>(openEditor("252", TreeItem::SetAColumn));
    QVERIFY(editor && editor->comboBox()->isEditable());
    QLineEdit *typed = editor->comboBox()->lineEdit();
    typed->clear();
    QTest::keyClicks(typed, "4000"); // the last digit would pass 3600
    QCOMPARE(typed->text(), QStringLiteral("400"));
    typed->setText("O");
    QTest::keyClick(typed, Qt::Key_Return);
    QCOMPARE(shown(*m_model, "252", 0), QStringLiteral("Off"));
    typed->clear();
    QTest::keyClicks(typed, "30");
    QTest::keyClick(typed, Qt::Key_Return);
    QCOMPARE(shown(*m_model, "252", 0), QStringLiteral("30"));
}

void TestParametersEditors::sendDirectlyEmitsTheWrittenValueButNeverForAFileSet()
{
    // Without "Send changes directly" nothing reaches the unit: tst_parametersdrive.
    QSignalSpy sent(m_view.get(), &Parameters::sendDataToControl);
    m_view->toolBar()->sendDirectly()->setChecked(true);
    auto *editor = qobject_cast<specialwidgets *>(openEditor("227", TreeItem::SetAColumn + 2));
    editor->lineEdit()->setText("0,9");
    QTest::keyClick(editor->lineEdit(), Qt::Key_Return);
    QCOMPARE(sent.count(), 1);
    const QList<QVariant> args = sent.takeFirst();
    QCOMPARE(args.at(0).value<QModelIndex>().column(), TreeItem::SetAColumn + 2);
    QCOMPARE(args.at(1).toString(), QStringLiteral("0.9"));
    QCOMPARE(args.at(2).toString(), QStringLiteral("90")); // scaled by 100
    QCOMPARE(args.at(5).toStringList(), unitEntry());

    auto *combo = qobject_cast<specialwidgets *>(openEditor("228", TreeItem::SetAColumn + 3));
    emit combo->comboBox()->activated(0);
    QCOMPARE(sent.count(), 1);
    QCOMPARE(sent.first().at(2).toString(), QStringLiteral("0"));
    QCOMPARE(sent.first().at(4).toBool(), false);

    QStringList entry = unitEntry();
    entry[3] = QStringLiteral("FILE");
    m_view->vxUISlotSetTreeView(entry, m_model.get());
    sent.clear();
    m_view->toolBar()->sendDirectly()->setChecked(true);
    editor = qobject_cast<specialwidgets *>(openEditor("222", TreeItem::SetAColumn));
    QVERIFY(editor);
    editor->lineEdit()->setText("55");
    QTest::keyClick(editor->lineEdit(), Qt::Key_Return);
    QCOMPARE(sent.count(), 0);
    QVERIFY(!m_view->toolBar()->sendDirectly()->isEnabled());
}

void TestParametersEditors::keyboardOpensMovesAndCancels()
{
    QTreeView *tree = m_view->treeView();
    const QModelIndex a = cell(*m_model, "222", TreeItem::SetAColumn);
    tree->setCurrentIndex(a);
    tree->setFocus();
    // F2, Return and Space each open the editor of the current value.
    for (Qt::Key key : { Qt::Key_F2, Qt::Key_Return, Qt::Key_Space }) {
        QTest::keyClick(tree, key);
        QCOMPARE(m_view->editorIndex(), a);
        QVERIFY(tree->indexWidget(a));
        QTest::keyClick(tree->indexWidget(a)->focusProxy(), Qt::Key_Escape);
        QVERIFY(!m_view->editorIndex().isValid());
    }
    // Escape leaves the value as it was; Tab takes a typed value and moves on to set B.
    const QString before = shown(*m_model, "222", 0);
    QTest::keyClick(tree, Qt::Key_F2);
    auto *editor = qobject_cast<specialwidgets *>(tree->indexWidget(a));
    QVERIFY(editor);
    editor->lineEdit()->setText("61");
    QTest::keyClick(editor->lineEdit(), Qt::Key_Escape);
    QCOMPARE(shown(*m_model, "222", 0), before);
    QTest::keyClick(tree, Qt::Key_F2);
    editor = qobject_cast<specialwidgets *>(tree->indexWidget(a));
    editor->lineEdit()->setText("61");
    QSignalSpy said(m_view.get(), &Parameters::statusMessage);
    QTest::keyClick(editor->lineEdit(), Qt::Key_Return);
    QCOMPARE(shown(*m_model, "222", 0), QStringLiteral("61"));
    // The status bar says so, instead of keeping what a refused value left there.
    QVERIFY(said.value(0).value(0).toString().endsWith(" is now 61 in set A"));
    QTest::keyClick(tree, Qt::Key_F2);
    QTest::keyClick(tree->indexWidget(a)->focusProxy(), Qt::Key_Tab);
    QTRY_COMPARE(tree->currentIndex(), a.siblingAtColumn(TreeItem::SetAColumn + 1));
    // Without an editor Tab walks the sets as well, past set D to the next row, and Shift+Tab back.
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(tree, Qt::Key_Tab);
    QCOMPARE(tree->currentIndex(), tree->indexBelow(a).siblingAtColumn(TreeItem::SetAColumn));
    QTest::keyClick(tree, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(tree->currentIndex(), a.siblingAtColumn(TreeItem::SetAColumn + 3));
}

void TestParametersEditors::limitsShowForTheClickedSet()
{
    openEditor("222", TreeItem::SetAColumn);
    QCOMPARE(m_view->minField()->text(), QStringLiteral("24"));
    QCOMPARE(m_view->maxField()->text(), QStringLiteral("300"));
    // Nominal current: the maximum follows the drive size (2.5 A x 1.5).
    openEditor("224", TreeItem::SetAColumn + 1);
    QCOMPARE(m_view->maxField()->text().replace(',', '.'), QStringLiteral("3.75"));
}

void TestParametersEditors::draggedColumnWidthOutlivesResizes()
{
    // Fitted, the menu column holds every menu number whole at its depth (the number names the
    // parameter: "2…" names nothing).
    QTreeView *tree = m_view->treeView();
    tree->expandAll();
    m_view->resize(m_view->width() + 1, 700);
    QTest::qWait(20);
    const QFontMetrics metrics(tree->font());
    for (QModelIndex i = tree->model()->index(0, 0); i.isValid(); i = tree->indexBelow(i)) {
        const QString menu = i.data().toString().trimmed();
        QVERIFY2(tree->visualRect(i).width() >= metrics.horizontalAdvance(menu) + 6, qPrintable(menu));
    }
    QHeaderView *header = m_view->treeView()->header();
    const auto setWidth = [&] { return header->sectionSize(TreeItem::SetAColumn); };
    const int fitted = setWidth();
    m_view->resize(m_view->width() + 400, 700);
    QTRY_VERIFY(setWidth() > fitted); // the fit follows the window
    // The user drags set A's right edge 60 px further.
    QWidget *strip = header->viewport();
    const int y = header->height() / 2;
    const int edge = header->sectionViewportPosition(TreeItem::SetAColumn) + setWidth() - 1;
    QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(edge, y));
    QMouseEvent move(QEvent::MouseMove, QPoint(edge + 60, y), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(strip, &move);
    QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(edge + 60, y));
    const int dragged = setWidth();
    QVERIFY(dragged > fitted + 50);
    m_view->resize(m_view->width() + 400, 700);
    QTest::qWait(50);
    QCOMPARE(setWidth(), dragged);
    m_view->vxUISlotSetTreeView(unitEntry(), m_model.get());
    QCOMPARE(setWidth(), dragged);
}

QTEST_MAIN(TestParametersEditors)
#include "tst_parameterseditors.moc"
