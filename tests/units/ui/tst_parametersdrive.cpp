// The parameters view against the drive simulator on a pseudo-terminal, driven through its
// widgets as a user drives it: a value typed into the editor of a set reaches the unit's register
// only with "Send changes directly"; "Load to Drive" with ExportOnlyChanged writes exactly the
// registers edited offline; and a "No" to any question on the way to the drive writes nothing.
#include "apppaths.h"
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
#include "unitentryfields.h"
#include "unithooks.h"
#include "unitregistry.h"
#include "unitstestsupport.h"
#include "valuefieldeditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>
#include <algorithm>
#include <memory>

namespace F = UnitEntryField;

namespace {

// One write request as the simulator logged it: the data-model number and the words sent.
struct LoggedWrite
{
    int reg = 0;
    QVector<quint16> words;
    bool operator==(const LoggedWrite &o) const { return reg == o.reg && words == o.words; }
    bool operator<(const LoggedWrite &o) const { return reg < o.reg; }
};

// The write requests (function codes 5, 6, 15, 16) among logged request lines, decoded from the
// RTU bytes themselves so that a wrong register or word shows even where the log's summary agrees.
QList<LoggedWrite> writesIn(const QStringList &requests)
{
    static const QRegularExpression line(
        QStringLiteral("^request \\d+ unit \\d+ fc (\\d+) reg (\\d+): (.*)$"));
    QList<LoggedWrite> writes;
    for (const QString &request : requests) {
        const auto match = line.match(request);
        if (!match.hasMatch())
            continue;
        const int fc = match.captured(1).toInt();
        if (fc != 5 && fc != 6 && fc != 15 && fc != 16)
            continue;
        QVector<int> bytes;
        for (const QString &hex : match.captured(3).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            bytes.append(hex.toInt(nullptr, 16));
        const auto word = [&bytes](int at) { return quint16((bytes.value(at) << 8) | bytes.value(at + 1)); };
        LoggedWrite write;
        write.reg = match.captured(2).toInt();
        if (fc == 6) {
            write.words.append(word(4));
        } else if (fc == 16) {
            const int count = word(4);
            for (int i = 0; i < count; ++i)
                write.words.append(word(7 + 2 * i));
        }
        writes.append(write);
    }
    return writes;
}

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
constexpr quint16 kWord55 = 0x8000 | (0xF << 11) | 55; // 5.5, the delivered value

} // namespace

class TstParametersDrive : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void typedValueReachesTheRegisterOnlyWhenSentDirectly_data();
    void typedValueReachesTheRegisterOnlyWhenSentDirectly();
    void loadToDriveWritesExactlyTheOfflineEdits();
    void noToAnyLoadToDriveQuestionWritesNothing_data();
    void noToAnyLoadToDriveQuestionWritesNothing();

private:
    // Starts the simulator on a pseudo-terminal, builds the controller and connects unit 1 over
    // RS232, and reads its parameters with "Load from Drive"; true once that is done. The requests
    // so far are dropped from the log.
    bool connectUnit();
    // Opens the editor of `menu` in set column `set` by clicking the cell in the tree.
    QWidget *clickCell(const QString &menu, int set);
    // Types `text` over the line edit's content and confirms with Return; false when no line
    // edit opened or the text did not take.
    bool typeInto(const QString &menu, int set, const QString &text);
    // Clicks "Load to Drive".
    void clickLoadToDrive();
    // Every request the simulator has logged so far in this test.
    QStringList requests();
    // Removes the unit so its port is free, then reads the registers with mbpoll.
    QList<int> readBackAfterRemoval(const QList<int> &registers);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_device;
    QString m_link;
    ScriptedPrompter m_prompter;
    std::unique_ptr<SimPeer> m_sim;
    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<TabWidget> m_tab;
    std::unique_ptr<OscilloscopeHook> m_osc;
    std::unique_ptr<ControlPanelHook> m_control;
    QStringList m_rows;
    QStringList m_requests;
};

void TstParametersDrive::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_device = prepareTestInstallation(m_dir->path());
    QVERIFY(!m_device.isEmpty());
    AppPaths::setBaseDir(m_dir->path());
    m_link = m_dir->path() + QStringLiteral("/line");
    m_prompter.reset();
    m_rows.clear();
    m_requests.clear();
}

void TstParametersDrive::cleanup()
{
    m_tab.reset(); // removes the unit and ends its workers before the hooks and the simulator go
    m_window.reset();
    m_osc.reset();
    m_control.reset();
    m_sim.reset();
    AppPaths::setBaseDir(QString());
    QCOMPARE(m_prompter.problems(), QString());
    QCOMPARE(m_prompter.pending(), 0);
}

bool TstParametersDrive::connectUnit()
{
    m_sim = std::make_unique<SimPeer>();
    if (!m_sim->startPty(m_link,
            SimPeer::unitOptions({ 1 })
                + QStringList { QStringLiteral("--data"), m_dir->path(), QStringLiteral("--device"), m_device,
                    QStringLiteral("--size"), QStringLiteral("1"), QStringLiteral("--verbose") }))
        return false;
    m_tab = std::make_unique<TabWidget>(m_prompter);
    SettingsRecord &s = m_tab->settings().record();
    s.importActive = false;
    s.autoSave = false;
    s.delayMs = 0; // the simulator answers at once
    s.retriesEnabled = false;
    s.continueDespiteFault = false;
    connect(m_tab.get(), &TabWidget::linkInformation, this, [this](const QString &row) { m_rows << row; });
    // Shown inside a window without a layout: a window whose layout sets size limits makes the
    // headless platform warn, and these tests make every warning fatal.
    m_window = std::make_unique<QWidget>();
    m_window->resize(1400, 900);
    m_tab->setParent(m_window.get());
    m_tab->setGeometry(0, 0, 1400, 900);
    m_window->show();
    m_tab->setCurrentIndex(TabWidget::ParametersTab);
    m_tab->onAddUnitClicked(
        1, m_link, 19200, QStringLiteral("N,8,1"), 1, QString(), QStringLiteral("RS232"), 1, QString());
    const bool up = waitFor([this] {
        return std::any_of(m_rows.cbegin(), m_rows.cend(),
            [](const QString &row) { return row.contains(QLatin1String("device link established")); });
    });
    if (!up || m_tab->parameters()->model() != m_tab->modelOf(m_tab->currentUnit()))
        return false;
    // A connected unit's set is empty until it is read: what a user does first.
    QTest::mouseClick(m_tab->parameters()->toolBar()->button(ParameterToolBar::Import), Qt::LeftButton);
    if (!m_tab->transfer()->isOpen() || !waitFor([this] { return !m_tab->transfer()->isOpen(); }, 20000))
        return false;
    if (!waitFor([this] { return m_tab->threadList(UnitRegistry::RS232).value(0).isEmpty(); }, 5000))
        return false;
    m_sim->takeRequests();
    return true;
}

QWidget *TstParametersDrive::clickCell(const QString &menu, int set)
{
    TreeModel *model = m_tab->parameters()->model();
    QTreeView *view = m_tab->parametersView();
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

void TstParametersDrive::clickLoadToDrive()
{
    QPushButton *button = m_tab->parameters()->toolBar()->button(ParameterToolBar::Export);
    QVERIFY(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
}

QStringList TstParametersDrive::requests()
{
    m_requests += m_sim->takeRequests();
    return m_requests;
}

QList<int> TstParametersDrive::readBackAfterRemoval(const QList<int> &registers)
{
    // A recording oscilloscope would refuse the removal; the test's stand-ins have done their part.
    m_tab->setOscilloscopeHook(nullptr);
    m_tab->setControlPanelHook(nullptr);
    m_tab->vxUISlotUnitRemoveClicked(m_tab->currentUnit(), false);
    QList<int> values;
    if (m_tab->registry().total() != 0)
        return values;
    for (int reg : registers)
        values.append(mbpollReadHolding(m_link, 1, reg, true));
    return values;
}

void TstParametersDrive::typedValueReachesTheRegisterOnlyWhenSentDirectly_data()
{
    QTest::addColumn<bool>("sendDirectly");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("set");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("reg");
    QTest::addColumn<QList<int>>("words");
    QTest::addColumn<QList<int>>("delivered");

    // Acceleration time: two decimals, typed with the decimal comma; 40333 + 1000 per set.
    QTest::newRow("decimal comma, sent directly")
        << true << "333" << 1 << "7,25"
        << "7.25" << 41333 << QList<int> { kWord725 } << QList<int> { kWord55 };
    QTest::newRow("decimal comma, only the model")
        << false << "333" << 1 << "7,25"
        << "7.25" << 41333 << QList<int> { kWord725 } << QList<int> { kWord55 };
    // Scaled by 100 and signed: the raw value in two's complement, -150.
    QTest::newRow("negative scaled decimal, sent directly")
        << true << "83" << 2 << "-1,5"
        << "-1.5" << 42830 << QList<int> { 0xFF6A } << QList<int> { 0 };
    // A text of 12 characters: two per register, high byte first, the rest cleared; one write.
    QTest::newRow("text, sent directly") << true << "81" << 0 << "Fan 2"
                                         << "Fan 2" << 40810 << QList<int> { 0x4661, 0x6E20, 0x3200, 0, 0, 0 }
                                         << QList<int> { 0x5075, 0x6D70, 0x2031, 0, 0, 0 };
}

void TstParametersDrive::typedValueReachesTheRegisterOnlyWhenSentDirectly()
{
    QFETCH(bool, sendDirectly);
    QFETCH(QString, menu);
    QFETCH(int, set);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, reg);
    QFETCH(QList<int>, words);
    QFETCH(QList<int>, delivered);
    QVERIFY2(connectUnit(), qPrintable(m_rows.join('\n') + m_sim->errorOutput()));
    m_tab->parameters()->toolBar()->sendDirectly()->setChecked(sendDirectly);
    TreeModel *model = m_tab->parameters()->model();

    QVERIFY(typeInto(menu, set, typed));
    QCOMPARE(model->findItem(menu)->text(TreeItem::SetAColumn + set), shown);
    QVERIFY(model->findItem(menu)->isChanged(set));

    LoggedWrite expected { reg, {} };
    for (int w : words)
        expected.words.append(quint16(w));
    if (sendDirectly) {
        QVERIFY2(waitFor([&] { return !writesIn(requests()).isEmpty(); }, 5000),
            qPrintable(requests().join('\n')));
        QVERIFY(waitFor([&] { return m_tab->threadList(UnitRegistry::RS232).value(0).isEmpty(); }, 5000));
        QCOMPARE(writesIn(requests()), QList<LoggedWrite>({ expected }));
    } else {
        // No worker is even started; a short wait shows nothing arrives late either.
        QVERIFY(m_tab->threadList(UnitRegistry::RS232).value(0).isEmpty());
        QTest::qWait(300);
        QCOMPARE(writesIn(requests()), QList<LoggedWrite>());
    }
    QList<int> registers;
    for (int i = 0; i < words.size(); ++i)
        registers.append(reg + i);
    QCOMPARE(readBackAfterRemoval(registers), sendDirectly ? words : delivered);
}

void TstParametersDrive::loadToDriveWritesExactlyTheOfflineEdits()
{
    QVERIFY2(connectUnit(), qPrintable(m_rows.join('\n') + m_sim->errorOutput()));
    m_tab->settings().record().exportOnlyChanged = true;
    m_tab->parameters()->toolBar()->sendDirectly()->setChecked(false);
    TreeModel *model = m_tab->parameters()->model();

    // A decimal in set B, a whole number in set D and a value text chosen in set A.
    QVERIFY(typeInto(QStringLiteral("333"), 1, QStringLiteral("7,25")));
    QVERIFY(typeInto(QStringLiteral("322"), 3, QStringLiteral("1800")));
    auto *choice = qobject_cast<specialwidgets *>(clickCell(QStringLiteral("341"), 0));
    QVERIFY(choice && choice->isCombo());
    QCOMPARE(choice->comboBox()->currentText(), QStringLiteral("Both directions"));
    emit choice->comboBox()->activated(choice->comboBox()->findText(QStringLiteral("Reduced")));
    QCOMPARE(model->findItem(QStringLiteral("341"))->text(TreeItem::SetAColumn), QStringLiteral("Reduced"));
    QTest::qWait(100);
    QCOMPARE(writesIn(requests()), QList<LoggedWrite>()); // offline so far

    m_prompter.expectQuestion(
        QStringLiteral("Copy parameters to Drive"), QMessageBox::Yes, QStringLiteral("Warning"));
    clickLoadToDrive();
    QVERIFY(m_tab->transfer()->isOpen());
    QVERIFY(waitFor([&] { return !m_tab->transfer()->isOpen(); }, 20000));
    QVERIFY(waitFor([&] { return m_tab->threadList(UnitRegistry::RS232).value(0).isEmpty(); }, 5000));

    QList<LoggedWrite> writes = writesIn(requests());
    std::sort(writes.begin(), writes.end());
    QCOMPARE(writes, QList<LoggedWrite>({ { 40341, { 2 } }, { 41333, { kWord725 } }, { 43322, { 1800 } } }));
    QCOMPARE(readBackAfterRemoval({ 40341, 41333, 43322, 40322 }), QList<int>({ 2, kWord725, 1800, 1500 }));
}

void TstParametersDrive::noToAnyLoadToDriveQuestionWritesNothing_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>(
        "fileSet"); // "TST-0020" or "ABC-0010": a new set of that size; empty: the unit's own
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<int>("refusedAt"); // -1: every question answered "Yes"

    const QString recording = QStringLiteral("oscView Record in Progress.\nYou can stop recording for faster "
                                             "performance\nDo you want to Continue?");
    const QString sizes = QStringLiteral("Sizes of drives are differ\n Do you want to continue?");
    const QString types = QStringLiteral("Type of drives are differ\n Do you want to continue?");
    const QString versions = QStringLiteral("Version of drives are differ\n Do you want to continue?");
    const QString motor = QStringLiteral(
        "Motor is running, some of configuration parameter may not set properly.\nDo you want to Continue?");
    const QString copy = QStringLiteral("Copy parameters to Drive");

    QTest::newRow("oscilloscope recording") << "recording"
                                            << "" << QStringList { recording, copy } << 0;
    QTest::newRow("sizes differ") << ""
                                  << "TST-0020" << QStringList { sizes, copy } << 0;
    QTest::newRow("types differ") << ""
                                  << "ABC-0010" << QStringList { sizes, types, versions, copy } << 1;
    QTest::newRow("versions differ") << ""
                                     << "ABC-0010" << QStringList { sizes, types, versions, copy } << 2;
    QTest::newRow("motor running") << "motor"
                                   << "" << QStringList { motor, copy } << 0;
    QTest::newRow("copy parameters") << ""
                                     << "" << QStringList { copy } << 0;
    QTest::newRow("control: file set, every answer Yes")
        << ""
        << "ABC-0010" << QStringList { sizes, types, versions, copy } << -1;
}

void TstParametersDrive::noToAnyLoadToDriveQuestionWritesNothing()
{
    QFETCH(QString, situation);
    QFETCH(QString, fileSet);
    QFETCH(QStringList, questions);
    QFETCH(int, refusedAt);

    // Another drive type of a later software version: its own description file, sizes renamed.
    QFile tst(m_device);
    QVERIFY(tst.open(QIODevice::ReadOnly));
    QFile abc(AppPaths::csvDir() + QStringLiteral("/ABCV1.01.csv"));
    QVERIFY(abc.open(QIODevice::WriteOnly));
    abc.write(tst.readAll().replace("TST-0", "ABC-0"));
    abc.close();

    QVERIFY2(connectUnit(), qPrintable(m_rows.join('\n') + m_sim->errorOutput()));
    const QStringList unit = m_tab->currentUnit();
    QCOMPARE(F::at(unit, F::Version), QStringLiteral("V1.00"));
    m_tab->settings().record().exportOnlyChanged = true;
    m_tab->parameters()->toolBar()->sendDirectly()->setChecked(false);
    if (situation == QLatin1String("recording")) {
        m_osc = std::make_unique<RecordingOscilloscope>();
        m_tab->setOscilloscopeHook(m_osc.get());
    } else if (situation == QLatin1String("motor")) {
        m_control = std::make_unique<RunningMotor>();
        m_tab->setControlPanelHook(m_control.get());
    }
    int chooserCalls = 0;
    m_tab->parameters()->setTargetChooser([&](const QList<QStringList> &units, QWidget *) {
        ++chooserCalls;
        return units.value(0);
    });
    if (!fileSet.isEmpty()) {
        // What "New" builds once a file and a size are chosen.
        const QString file = AppPaths::csvDir()
            + (fileSet.startsWith(QLatin1String("TST")) ? "/TSTV1.00.csv" : "/ABCV1.01.csv");
        m_tab->parameters()->vxUIGetCSVFile({ file, fileSet, QStringLiteral("25"), QStringLiteral("11000") });
        QVERIFY(m_tab->parameters()->model() != m_tab->modelOf(unit));
    }
    // Something to write, so that refusing is what keeps the drive untouched.
    QVERIFY(typeInto(QStringLiteral("333"), 1, QStringLiteral("7,25")));

    for (int i = 0; i < questions.size() && (refusedAt < 0 || i <= refusedAt); ++i) {
        const QString &q = questions.at(i);
        const QString title = q.startsWith(QLatin1String("Copy")) ? QStringLiteral("Warning")
            : q.startsWith(QLatin1String("Motor"))                ? QString()
                                                                  : QStringLiteral("Information");
        m_prompter.expectQuestion(q, i == refusedAt ? QMessageBox::No : QMessageBox::Yes, title);
    }
    clickLoadToDrive();
    QCOMPARE(m_prompter.pending(), 0);
    QCOMPARE(chooserCalls, fileSet.isEmpty() ? 0 : 1);
    // "No" is the default everywhere: Return on any of these boxes must not write.
    for (const ScriptedPrompter::Prompt &p : m_prompter.seen()) {
        QCOMPARE(p.buttons, QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No));
        QCOMPARE(p.defaultButton, QMessageBox::No);
    }

    if (refusedAt >= 0) {
        QVERIFY(!m_tab->transfer()->isOpen());
        QVERIFY(m_tab->threadList(UnitRegistry::RS232).value(0).isEmpty());
        QTest::qWait(300);
        QCOMPARE(writesIn(requests()), QList<LoggedWrite>());
        QCOMPARE(readBackAfterRemoval({ 41333 }), QList<int>({ kWord55 }));
    } else {
        QVERIFY(waitFor([&] { return !m_tab->transfer()->isOpen(); }, 20000));
        QVERIFY(waitFor([&] { return m_tab->threadList(UnitRegistry::RS232).value(0).isEmpty(); }, 5000));
        QCOMPARE(writesIn(requests()), QList<LoggedWrite>({ { 41333, { kWord725 } } }));
        QCOMPARE(readBackAfterRemoval({ 41333 }), QList<int>({ kWord725 }));
    }
}

TARVOLINK_WIDGET_TEST_MAIN(TstParametersDrive)

#include "tst_parametersdrive.moc"
