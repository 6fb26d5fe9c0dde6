// The parameters view against the drive simulator on a pseudo-terminal, driven through its
// widgets as a user drives it, in one session with one unit: a value typed into the editor of a
// set reaches the unit's register only with "Send changes directly"; "Load to Drive" with
// ExportOnlyChanged writes exactly the registers edited offline; and a "No" to any question on
// the way to the drive writes nothing.
#include "apppaths.h"
#include "ctrlpanelcontroller.h"
#include "mbpoll.h"
#include "parameters.h"
#include "parametertoolbar.h"
#include "paramtransfer.h"
#include "scriptedprompter.h"
#include "settingsbinder.h"
#include "settingsrecord.h"
#include "simpeer.h"
#include "tabwidget.h"
#include "treeitem.h"
#include "treemodel.h"
#include "unithooks.h"
#include "unitregistry.h"
#include "unitstestsupport.h"
#include "valuefieldeditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>
#include <memory>

namespace {

class RecordingOscilloscope : public OscilloscopeHook
{
public:
    bool isRecording() const override { return true; }
};

class RunningMotor : public ControlPanelHook
{
public:
    bool isMotorRunning(const QStringList &) const override { return true; }
};

// Register words worked out by hand from the word format (bit 15 marks mantissa x 10^exponent, the
// exponent in bits 11-14, the mantissa in bits 0-10), not by the program's own encoder.
constexpr quint16 kWord725 = 0x8000 | (0xE << 11) | 725; // 7.25: exponent -2, mantissa 725

} // namespace

class TstParametersDrive : public TabFixture
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(setUp());
        m_link = path(QStringLiteral("line"));
        m_requests.clear();
    }
    void cleanup()
    {
        tearDown(); // removes the unit and ends its workers first
        m_window.reset();
        m_sim.reset();
    }

    void editsReachTheUnitOnlyWhenSentOrLoadedToTheDrive();

private:
    // Starts the simulator on a pseudo-terminal, builds the controller and connects unit 1 over
    // RS232, and reads its parameters with "Load from Drive"; true once that is done. The requests
    // so far are dropped from the log. Offline edits from then on: "Send changes directly" is off.
    bool connectUnit();
    // Opens the editor of `menu` in set column `set` by clicking the cell in the tree.
    QWidget *clickCell(const QString &menu, int set);
    // Types `text` over the line edit's content and confirms with Return; false when no line
    // edit opened or the text did not take.
    bool typeInto(const QString &menu, int set, const QString &text);
    // Every request the simulator has logged so far in this test. Written values are checked by
    // reading them back from the unit.
    QStringList requests()
    {
        m_requests += m_sim->takeRequests();
        return m_requests;
    }
    // Waits until the transfer and its worker have ended.
    bool transferEnded()
    {
        return waitFor([&] { return !tab->transfer()->isOpen(); }, 20000)
            && waitFor([&] { return tab->threadList(UnitRegistry::RS232).value(0).isEmpty(); }, 5000);
    }
    // Removes the unit so its port is free, then reads the registers with mbpoll.
    QList<int> readBackAfterRemoval(const QList<int> &registers);

    QString m_link;
    std::unique_ptr<SimPeer> m_sim;
    std::unique_ptr<QWidget> m_window;
    QStringList m_requests;
};

bool TstParametersDrive::connectUnit()
{
    m_sim = std::make_unique<SimPeer>();
    if (!m_sim->startPty(m_link, SimPeer::unitOptions({ 1 }) + simArgs({ QStringLiteral("--verbose") })))
        return false;
    makeTab();
    tab->settings().record().exportOnlyChanged = true;
    // Shown inside a window without a layout: a window whose layout sets size limits makes the
    // headless platform warn, and these tests make every warning fatal.
    m_window = std::make_unique<QWidget>();
    m_window->resize(1400, 900);
    tab->setParent(m_window.get());
    tab->setGeometry(0, 0, 1400, 900);
    m_window->show();
    tab->setCurrentIndex(TabWidget::ParametersTab);
    connectSerial(QStringLiteral("RS232"), m_link, 1);
    if (!waitRow(QStringLiteral("device link established"))
        || tab->parameters()->model() != tab->modelOf(tab->currentUnit()))
        return false;
    // A connected unit's set is empty until it is read: what a user does first.
    QTest::mouseClick(tab->parameters()->toolBar()->button(ParameterToolBar::Import), Qt::LeftButton);
    if (!tab->transfer()->isOpen() || !transferEnded())
        return false;
    m_sim->takeRequests();
    tab->parameters()->toolBar()->sendDirectly()->setChecked(false);
    return true;
}

QWidget *TstParametersDrive::clickCell(const QString &menu, int set)
{
    TreeModel *model = tab->parameters()->model();
    QTreeView *view = tab->parametersView();
    const QModelIndex index = model->indexOf(model->findItem(menu), TreeItem::SetAColumn + set);
    if (!index.isValid())
        return nullptr;
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
        view->expand(parent);
    view->scrollTo(index);
    const QRect cell = view->visualRect(index);
    if (!cell.isValid())
        return nullptr;
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    return view->indexWidget(index);
}

bool TstParametersDrive::typeInto(const QString &menu, int set, const QString &text)
{
    auto *editor = qobject_cast<specialwidgets *>(clickCell(menu, set));
    if (!editor || editor->isCombo())
        return false;
    QLineEdit *line = editor->lineEdit();
    QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(line, text);
    if (line->text() != text)
        return false;
    QTest::keyClick(line, Qt::Key_Return);
    return true;
}

QList<int> TstParametersDrive::readBackAfterRemoval(const QList<int> &registers)
{
    // A recording oscilloscope would refuse the removal; the test's stand-ins have done their part.
    tab->setOscilloscopeHook(nullptr);
    tab->setControlPanelHook(nullptr);
    tab->vxUISlotUnitRemoveClicked(tab->currentUnit(), false);
    QList<int> values;
    if (tab->registry().total() != 0)
        return values;
    for (int reg : registers)
        values.append(mbpollReadHolding(m_link, 1, reg, true));
    return values;
}

void TstParametersDrive::editsReachTheUnitOnlyWhenSentOrLoadedToTheDrive()
{
    // Another drive type of a later software version: its own description file, sizes renamed.
    QFile tst(device);
    QVERIFY(tst.open(QIODevice::ReadOnly));
    const QString abcFile = AppPaths::csvDir() + QStringLiteral("/ABCV1.01.csv");
    QFile abc(abcFile);
    QVERIFY(abc.open(QIODevice::WriteOnly));
    abc.write(tst.readAll().replace("TST-0", "ABC-0"));
    abc.close();

    QVERIFY2(connectUnit(), qPrintable(rows.join('\n') + (m_sim ? m_sim->errorOutput() : QString())));
    TreeModel *model = tab->parameters()->model();
    int chooserCalls = 0;
    tab->parameters()->setTargetChooser([&](const QList<QStringList> &units, QWidget *) {
        ++chooserCalls;
        return units.value(0);
    });
    QPushButton *loadToDrive = tab->parameters()->toolBar()->button(ParameterToolBar::Export);

    // A decimal in set B, a whole number in set D and a value text chosen in set A.
    QVERIFY(typeInto(QStringLiteral("333"), 1, QStringLiteral("7,25")));
    QVERIFY(typeInto(QStringLiteral("322"), 3, QStringLiteral("1800")));
    auto *choice = qobject_cast<specialwidgets *>(clickCell(QStringLiteral("341"), 0));
    QVERIFY(choice && choice->isCombo());
    emit choice->comboBox()->activated(choice->comboBox()->findText(QStringLiteral("Reduced")));
    QCOMPARE(model->findItem(QStringLiteral("341"))->text(TreeItem::SetAColumn), QStringLiteral("Reduced"));

    // A "No" at every other place is shown by the parameters view's own test; here the questions
    // come from the controller's hooks and the unit's real entry, and refusing writes nothing.
    RecordingOscilloscope recording;
    RunningMotor running;
    const QString copy
        = QStringLiteral("Copy parameters to Drive\n22 parameters of TST-0010 (1) to TST-0010 (1)");
    const QStringList refused { QStringLiteral(
                                    "oscView Record in Progress.\nYou can stop recording for faster "
                                    "performance\nDo you want to Continue?"),
        QStringLiteral("Motor is running, some of configuration parameter may not set properly.\nDo you want "
                       "to Continue?") };
    for (const QString &question : refused) {
        const bool osc = question == refused.first();
        tab->setOscilloscopeHook(osc ? &recording : nullptr);
        if (!osc)
            tab->setControlPanelHook(&running);
        prompter.expectQuestion(question, QMessageBox::No);
        QTest::mouseClick(loadToDrive, Qt::LeftButton);
        QCOMPARE(prompter.pending(), 0);
        QVERIFY(!tab->transfer()->isOpen());
        QVERIFY(tab->threadList(UnitRegistry::RS232).value(0).isEmpty());
    }
    // The controller's own control panel from here on: its motor is not running.
    tab->setControlPanelHook(tab->ctrlController());
    QTest::qWait(300);
    QCOMPARE(SimPeer::writtenRegisters(requests()), QStringList()); // offline so far

    prompter.expectQuestion(copy, QMessageBox::Yes, QStringLiteral("Warning"));
    QTest::mouseClick(loadToDrive, Qt::LeftButton);
    QVERIFY(transferEnded());
    QStringList writes = SimPeer::writtenRegisters(requests());
    writes.sort();
    QCOMPARE(writes, QStringList({ "40341", "41333", "43322" }));
    m_requests.clear();

    // A text of 12 characters: two per register, high byte first, the rest cleared, all in one write.
    tab->parameters()->toolBar()->sendDirectly()->setChecked(true);
    QVERIFY(typeInto(QStringLiteral("81"), 0, QStringLiteral("Fan 2")));
    QCOMPARE(model->findItem(QStringLiteral("81"))->text(TreeItem::SetAColumn), QStringLiteral("Fan 2"));
    QVERIFY2(waitFor([&] { return !SimPeer::writtenRegisters(requests()).isEmpty(); }, 5000),
        qPrintable(requests().join('\n')));
    QVERIFY(transferEnded());
    QCOMPARE(SimPeer::writtenRegisters(requests()), QStringList { QStringLiteral("40810") });
    m_requests.clear();

    // A set of another drive type, size and version, written to the unit: every question answered.
    tab->parameters()->toolBar()->sendDirectly()->setChecked(false);
    const QStringList unit = tab->currentUnit();
    // What "New" builds once a file and a size are chosen.
    tab->parameters()->vxUIGetCSVFile(
        { abcFile, QStringLiteral("ABC-0010"), QStringLiteral("25"), QStringLiteral("11000") });
    QVERIFY(tab->parameters()->model() != tab->modelOf(unit));
    QVERIFY(typeInto(QStringLiteral("333"), 2, QStringLiteral("7,25")));
    // A value the set lacks is passed over, and said so before and after the write.
    TreeModel *fileSet = tab->parameters()->model();
    QVERIFY(
        fileSet->setData(fileSet->indexOf(fileSet->findItem("322"), TreeItem::SetAColumn + 1), QString()));
    QSignalSpy said(tab.get(), &TabWidget::statusMessage);
    for (const char *question : { "Sizes of drives are differ\n Do you want to continue?",
             "Type of drives are differ\n Do you want to continue?",
             "Version of drives are differ\n Do you want to continue?" })
        prompter.expectQuestion(QString::fromLatin1(question), QMessageBox::Yes);
    prompter.expectQuestion("Copy parameters to Drive\n21 parameters of ABC-0010 : ABCV1.01 to TST-0010 (1)\n"
                            "1 parameters have no value in this set and will be skipped.",
        QMessageBox::Yes);
    QTest::mouseClick(loadToDrive, Qt::LeftButton);
    QCOMPARE(prompter.pending(), 0);
    QCOMPARE(chooserCalls, 1); // the unit's own set needs no choice of unit
    QVERIFY(transferEnded());
    QCOMPARE(SimPeer::writtenRegisters(requests()), QStringList { "42333" });
    QVERIFY(said.last().first().toString().endsWith("; 1 parameters without a value were skipped"));
    // The unit's own set holds what the unit now holds.
    QCOMPARE(tab->modelOf(unit)->findItem("333")->text(TreeItem::SetAColumn + 2), QStringLiteral("7.25"));
    // "No" is the default everywhere: Return on any of these boxes must not write.
    for (const ScriptedPrompter::Prompt &p : prompter.seen())
        QCOMPARE(p.defaultButton, QMessageBox::No);

    QCOMPARE(
        readBackAfterRemoval({ 40341, 41333, 43322, 40322, 42333, 40810, 40811, 40812, 40813, 40814, 40815 }),
        QList<int>({ 2, kWord725, 1800, 1500, kWord725, 0x4661, 0x6E20, 0x3200, 0, 0, 0 }));
}

TARVOLINK_WIDGET_TEST_MAIN(TstParametersDrive)

#include "tst_parametersdrive.moc"
