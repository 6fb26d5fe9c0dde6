// The tab controller against the drive simulator over a pseudo-terminal and loopback TCP: connect
// by hand with its checks, identification, reading and writing parameters, disconnect, reconnect,
// removal, shared RS485 ports, faults during a read, close-down order and the settings file; the
// automatic scan (clearing the connected units, registering and reading the units found, the
// communication settings reaching their masters); and the control panel against two units on one
// RS485 line: the motor follows the buttons, refused and merely shown values write nothing, and
// the "Control Source" hand-back writes its sources before the unit goes; with it the oscilloscope
// devices: one per accepted unit, recording reported through the hook (removal refused while it
// runs), each device gone with its unit.
#include "addunit.h"
#include "alarms.h"
#include "apppaths.h"
#include "autoscansettings.h"
#include "commsettings.h"
#include "connect.h"
#include "controlbox.h"
#include "ctrlpanelcontroller.h"
#include "ctrlpanelframe.h"
#include "filesetkeeper.h"
#include "mbpoll.h"
#include "oscdevicekeeper.h"
#include "oscunitdev.h"
#include "parameters.h"
#include "paramtransfer.h"
#include "preferences.h"
#include "scancontroller.h"
#include "scandialog.h"
#include "scanimport.h"
#include "scanning.h"
#include "settingsbinder.h"
#include "settingsfile.h"
#include "simpeer.h"
#include "tabwidget.h"
#include "threadsupervisor.h"
#include "treeitem.h"
#include "treemodel.h"
#include "unitentryfields.h"
#include "unitfactory.h"
#include "unitregistry.h"
#include "unitstestsupport.h"
#include "unittreeframe.h"
#include "vxcommmodbusmaster.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>
#include <memory>

namespace F = UnitEntryField;

namespace {
// Each test program has its own loopback addresses so ctest -j2 runs them side by side.
const QString ipA = testHost(71);
const QString ipB = testHost(72);

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

const QString ClearQuestion = "Scanning will delete all connected units.\n Do you want to proceed?";

// Counts the masters made, so a test can tell a shared master from a new one.
class CountingFactory : public UnitFactory
{
public:
    explicit CountingFactory(int *made)
        : m_made(made)
    { }
    VxCommModbusMaster *createMaster(int channel) override
    {
        ++*m_made;
        return UnitFactory::createMaster(channel);
    }

private:
    int *m_made;
};
} // namespace

class TstTabWidget : public TabFixture
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(setUp());
        m_mastersMade = 0;
    }
    void cleanup() { tearDown(); }

    void badOrUnreachableRequestsRefused_data();
    void badOrUnreachableRequestsRefused();
    void tcpUnitIdentifiedReadWrittenGoesQuietIsRemovedAndQuitOrder();
    void rs485UnitsShareOneMasterAndRemovingOneKeepsThePort();
    void unpluggedAdapterDisconnectsAllItsUnitsOnceAndReplugBringsAllBack();
    void unitFallingSilentMidRead();
    void silentUnitProbedOnATabWithoutCycles();
    void slowUnitCancelledReadParkedFileSetAndRemovalDuringRead();
    void settingsWrittenAtCloseOnlyWithAutoSave_data();
    void settingsWrittenAtCloseOnlyWithAutoSave();
    void refusedClearingKeepsUnitsThenScanReplacesThemAndReadsWhatItFound();
    void typedScanFormFindingNothingSaysWhereItLooked();
    void controlPanelDrivesTwoRs485UnitsAndHandsControlBack();
    void controlBoxGivesTheSourceIndicesWritten();
    void driveTripAndItsResetEachRaiseOneAlert();
    void stuckUnitRemovedAndClosedDownWithoutWaiting();

private:
    TabWidget &counting() { return makeTab(std::make_unique<CountingFactory>(&m_mastersMade)); }
    // Starts the simulator on ipA with the extra options, makes the tab and connects unit 1;
    // true once its link is established.
    bool connectTcpUnit(SimPeer &sim, const QStringList &extra = {})
    {
        if (!sim.startTcp(ipA, simArgs(extra)))
            return false;
        counting();
        connectTcp(ipA);
        return waitRow(QStringLiteral("device link established"));
    }
    // Waits until the simulator has logged exactly `expected` writes since the last call.
    bool expectWrites(SimPeer &sim, const QStringList &expected)
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

    // How many read entries of the unit's model hold the simulator's delivered values.
    int entriesWithDefaults(TreeModel *model) const;

    int m_mastersMade = 0;
};

int TstTabWidget::entriesWithDefaults(TreeModel *model) const
{
    const QStringList entry = tab->currentUnit();
    TreeModel delivered(device, 0, F::at(entry, F::Inom), F::at(entry, F::Pnom), false);
    const auto wanted = delivered.readList();
    const auto have = model->readList();
    int same = 0;
    for (int i = 0; i < have.size() && i < wanted.size(); ++i)
        same += model->registerWords(have[i].item, have[i].set)
            == delivered.registerWords(wanted[i].item, wanted[i].set);
    return same;
}

void TstTabWidget::badOrUnreachableRequestsRefused_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("tcpUnit");
    QTest::addColumn<QString>("iface");
    QTest::addColumn<int>("fileMode");
    QTest::addColumn<QString>("title"); // empty: any title
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("row"); // empty: refused before anything is opened
    const QString range = QStringLiteral("Invalid Unit Number: Unit range is 1-255");
    QTest::newRow("serial unit 256") << 256 << 1 << "RS485" << 1 << "Error" << range << QString();
    QTest::newRow("tcp unit 0 on a serial request")
        << 1 << 0 << "RS232" << 1 << "Error" << range << QString();
    QTest::newRow("manual file without a path") << 1 << 1 << "TCPIP" << 2 << QString("Information")
                                                << QString("No csv file information") << QString();
    QTest::newRow("no such interface")
        << 1 << 1 << "USB" << 1 << QString("Error") << QString("No channel information") << QString();
    QTest::newRow("serial port that cannot open")
        << 1 << 1 << "RS232" << 1 << QString()
        << QString("Port is not Opened\n/nonexistent/tty does not exist: is the adapter plugged in?")
        << QString("failure\tport not open");
    // Nothing listens on this address: identification cannot even connect.
    QTest::newRow("nothing at the address")
        << 1 << 1 << "TCPIP" << 1 << QString() << QString("No connection with given IP")
        << QString("No Connection with given IP");
}

void TstTabWidget::badOrUnreachableRequestsRefused()
{
    QFETCH(int, unit);
    QFETCH(int, tcpUnit);
    QFETCH(QString, iface);
    QFETCH(int, fileMode);
    QFETCH(QString, title);
    QFETCH(QString, message);
    QFETCH(QString, row);
    TabWidget &t = counting();
    if (title == QLatin1String("Information"))
        prompter.expectInformation(message, title);
    else
        prompter.expectCritical(message, title);
    // A port that does not exist: a check that came too late would try to open it and fail differently.
    t.onAddUnitClicked(unit, QStringLiteral("/nonexistent/tty"), 19200, QStringLiteral("N,8,1"), tcpUnit, ipB,
        iface, fileMode, QString());
    if (row.isEmpty()) {
        QCOMPARE(m_mastersMade, 0);
        QVERIFY(t.detailsPanel()->addUnitDialog()->isEnabled());
    } else {
        QVERIFY(waitRow(row));
        QVERIFY(waitFor([&] { return prompter.pending() == 0; }, 2000));
        QVERIFY(t.commModList(iface == QLatin1String("TCPIP") ? UnitRegistry::TCPIP : UnitRegistry::RS232)
                    .isEmpty());
    }
    QCOMPARE(t.registry().total() + t.registry().pending().size(), 0);
}

void TstTabWidget::tcpUnitIdentifiedReadWrittenGoesQuietIsRemovedAndQuitOrder()
{
    SKIP_UNLESS_PORT_502();
    SimPeer sim;
    QVERIFY2(connectTcpUnit(sim), qPrintable(rows.join('\n')));
    TabWidget &t = *tab;
    QCOMPARE(t.infoList(UnitRegistry::TCPIP).size(), 1);
    const QStringList entry = t.infoList(UnitRegistry::TCPIP).first();
    QCOMPARE(F::at(entry, F::Name), QStringLiteral("TST-0010 (*.71)"));

    // Read: every value the unit delivers ends up in the model; the model started without them.
    TreeModel *model = t.modelOf(entry);
    const int entries = model->readList().size();
    QVERIFY(entriesWithDefaults(model) < entries);
    QVERIFY(readAll(entry));
    QCOMPARE(entriesWithDefaults(model), entries);

    // Write one edited parameter and see it in the simulator through another master.
    TreeModel::ReadEntry target;
    for (const TreeModel::ReadEntry &e : model->readList()) {
        if (e.tableType == 4 && e.count == 1 && e.set == 0
            && model->GetEditableParameters().contains(e.item)) {
            const quint16 word = model->registerWords(e.item, 0).value(0);
            if (word < 30000) {
                target = e;
                break;
            }
        }
    }
    QVERIFY(target.item);
    const quint16 edited = model->registerWords(target.item, 0).value(0) + 1;
    model->storeRegisters(target.item, 0, { edited });
    t.vxUISlotParamWrite(model, model->indexOf(target.item, 4));
    QVERIFY(waitFor([&] { return mbpollReadHolding(ipA, 1, target.registerNumber) == edited; }, 10000));

    // The same address under another unit number is the same unit.
    prompter.expectCritical(QStringLiteral("Unit is already activated"), QStringLiteral("Error"));
    connectTcp(ipA, 7);
    QVERIFY(waitRow(QStringLiteral("duplicate ip address"), 1000));
    QCOMPARE(m_mastersMade, 1);

    // The silence outlasts a transaction's resends: the status cycle says so once and goes on
    // asking, so the unit comes back without the user pressing "Connect".
    QSignalSpy alerts(&t, &TabWidget::alertNotifcation);
    t.setCurrentIndex(TabWidget::StatusTab);
    const auto state = [&] { return F::at(t.infoList(UnitRegistry::TCPIP).first(), F::State); };
    prompter.expectCritical(QStringLiteral("OprStatusUpdate:Write Error"), QStringLiteral("Error"));
    QVERIFY(sim.pause(true));
    QVERIFY(waitFor([&] { return state() == QLatin1String("disconnect"); }, 10000));
    QTest::qWait(6000);
    QCOMPARE(prompter.pending(), 0);
    QVERIFY(!alerts.isEmpty());
    QVERIFY(alerts.last().first().toString().contains(QStringLiteral("failure")));
    // However often the cycle asked, the list holds the silence once, as a sentence with its count.
    const AlertList &list = t.alertList()->list();
    QVector<AlertFold> silence;
    for (const AlertFold &row : list.current())
        if (row.event.kind == AlertEvent::NoAnswer)
            silence.append(row);
    QCOMPARE(silence.size(), 1);
    QVERIFY2(silence.first().count >= 2, qPrintable(silence.first().sentenceWithCount()));
    QVERIFY2(silence.first().sentence().contains(
                 QRegularExpression("^TST-0010 \\(\\*\\.71\\): no answer to a read of \\d+")),
        qPrintable(silence.first().sentence()));
    QVERIFY(sim.pause(false));
    QVERIFY(waitFor([&] { return state() == QLatin1String("connect"); }, 20000));
    // The unit answering again ends its alert on the alert line.
    QVERIFY(alerts.last().first().toString().contains(QStringLiteral("success\tdevice answers again")));
    QCOMPARE(t.unitTree()->statusMark(UnitTreeFrame::TcpIpGroup, 0)->styleSheet(),
        UnitTreeFrame::statusStyle(QStringLiteral("connect")));

    // Disconnecting and reconnecting are driven through the window's buttons in tst_mainwindowunits.
    // Remove: every list shrinks, the master goes.
    t.vxUISlotUnitRemoveClicked(entry, false);
    QVERIFY(waitRow(QStringLiteral("device link removed"), 1000));
    QCOMPARE(t.registry().total(), 0);

    // Quitting removes RS232, then RS485, then TCP/IP units. They are connected in the reverse order
    // (the TCP/IP unit again), so the close-down order cannot come from the order of connecting.
    SimPeer line, bus;
    const QString lineLink = path(QStringLiteral("line"));
    const QString busLink = path(QStringLiteral("bus"));
    QVERIFY(line.startPty(lineLink, SimPeer::unitOptions({ 2 }) + simArgs()));
    QVERIFY(bus.startPty(busLink, SimPeer::unitOptions({ 4 }) + simArgs()));
    rows.clear();
    connectTcp(ipA);
    QVERIFY(waitRow(QStringLiteral("(*.71)\t")));
    connectSerial(QStringLiteral("RS485"), busLink, 4);
    QVERIFY(waitRow(QStringLiteral("(4)\t")));
    connectSerial(QStringLiteral("RS232"), lineLink, 2);
    QVERIFY(waitRow(QStringLiteral("(2)\t")));
    QCOMPARE(t.currentIndex(), int(TabWidget::StatusTab)); // a cycle runs while quitting
    rows.clear();
    QVERIFY(t.closeFunction());
    QStringList removed;
    for (const QString &row : rows)
        if (row.contains(QLatin1String("device link removed")))
            removed << row.section(QLatin1Char('\t'), 1, 1);
    QCOMPARE(removed, QStringList({ "TST-0010 (2)", "TST-0010 (4)", "TST-0010 (*.71)" }));
    QCOMPARE(t.registry().total(), 0);
    QVERIFY(!t.supervisor()->statusThread());
}

void TstTabWidget::rs485UnitsShareOneMasterAndRemovingOneKeepsThePort()
{
    SimPeer sim;
    const QString link = path(QStringLiteral("bus"));
    QVERIFY(sim.startPty(link, SimPeer::unitOptions({ 3, 5 }) + simArgs()));
    TabWidget &t = counting();
    QSignalSpy said(&t, &TabWidget::statusMessage);
    connectSerial(QStringLiteral("RS485"), link, 3);
    QVERIFY(waitRow(QStringLiteral("(3)\t")));
    connectSerial(QStringLiteral("RS485"), link, 5);
    QVERIFY(waitFor([&] { return t.infoList(UnitRegistry::RS485).size() == 2; }));
    QCOMPARE(m_mastersMade, 1);
    // The unit just added is the current one in the tree, the view and the details alike.
    const QStringList second = t.infoList(UnitRegistry::RS485).at(1);
    QVERIFY(F::sameUnit(t.currentUnit(), second));
    QCOMPARE(t.parameters()->model(), t.modelOf(second));
    QVERIFY(F::sameUnit(t.detailsPanel()->currentEntry(), second));
    QCOMPARE(t.unitTree()->selectedRow(UnitTreeFrame::RS485Group), 1);
    QCOMPARE(said.last().first().toString(),
        QStringLiteral("Connected %1 (unit 5 on %2)").arg(F::at(second, F::Name), link));
    const auto masters = t.commModList(UnitRegistry::RS485);
    QCOMPARE(masters.at(0), masters.at(1));

    // The same unit number again on this port is the same unit.
    prompter.expectCritical(QStringLiteral("Unit already connected on RS485 Interface"));
    connectSerial(QStringLiteral("RS485"), link, 5);

    // Unit 3 is disconnected first: reading it says so instead of keeping the old values quietly,
    // and its removal must not leave the shared master refusing it.
    t.vxUISlotUnitDisconnectClicked(QStringLiteral("Disconnect"), t.infoList(UnitRegistry::RS485).first());
    prompter.expectCritical(QStringLiteral("Device not connected"), QStringLiteral("Error"));
    QVERIFY(!readAll(t.infoList(UnitRegistry::RS485).first()));
    QVERIFY(said.last().first().toString().endsWith(QStringLiteral(": Device not connected")));
    t.vxUISlotUnitRemoveClicked(t.infoList(UnitRegistry::RS485).first(), false);
    QCOMPARE(t.infoList(UnitRegistry::RS485).size(), 1);
    VxCommModbusMaster *kept = t.commModList(UnitRegistry::RS485).first();
    QCOMPARE(kept, masters.at(0));
    // Unit 5 still answers over the shared port.
    QVERIFY(readAll(t.infoList(UnitRegistry::RS485).first()));
    QCOMPARE(entriesWithDefaults(t.modelOf(t.infoList(UnitRegistry::RS485).first())),
        t.modelOf(t.infoList(UnitRegistry::RS485).first())->readList().size());
    QVERIFY(waitFor([&] { return said.last().first().toString().startsWith(QStringLiteral("Read ")); }));
    QVERIFY(said.last().first().toString().endsWith(
        QStringLiteral(" from %1").arg(F::at(t.infoList(UnitRegistry::RS485).first(), F::Name))));

    // The removed unit can be added again on the port its neighbour keeps open.
    connectSerial(QStringLiteral("RS485"), link, 3);
    QVERIFY(waitFor([&] { return t.infoList(UnitRegistry::RS485).size() == 2; }));
    QCOMPARE(t.commModList(UnitRegistry::RS485).at(1), kept);

    // With no unit on it connected the port is left to other programs; Connect takes it again.
    for (const QStringList &unit : t.infoList(UnitRegistry::RS485))
        t.vxUISlotUnitDisconnectClicked(QStringLiteral("Disconnect"), unit);
    QVERIFY(!kept->VxCommIsLinkOpen());
    prompter.expectInformation(QStringLiteral("Device Link is established"), QStringLiteral("Information"));
    t.vxUISlotUnitDisconnectClicked(QStringLiteral("Connect"), t.infoList(UnitRegistry::RS485).first());
    QVERIFY(kept->VxCommIsLinkOpen());
    QVERIFY(waitFor([&] { return prompter.pending() == 0; }));
}

// A USB adapter with two RS485 units pulled out and plugged in again: the simulator's
// pseudo-terminal goes with its name, and a new one comes back under the same name. Every unit on
// it goes "disconnect" with one alert and no box, and every one comes back by itself, not only
// the current unit whose status cycle runs.
void TstTabWidget::unpluggedAdapterDisconnectsAllItsUnitsOnceAndReplugBringsAllBack()
{
    SimPeer sim;
    const QString link = path(QStringLiteral("usb-adapter"));
    const QStringList units = SimPeer::unitOptions({ 3, 5 }) + simArgs();
    QVERIFY(sim.startPty(link, units));
    TabWidget &t = counting();
    connectSerial(QStringLiteral("RS485"), link, 3);
    QVERIFY(waitRow(QStringLiteral("(3)\t")));
    connectSerial(QStringLiteral("RS485"), link, 5);
    QVERIFY(waitFor([&] { return t.infoList(UnitRegistry::RS485).size() == 2; }));
    t.setCurrentIndex(TabWidget::StatusTab);
    const auto allMarked = [&](const QString &state) {
        for (int row = 0; row < 2; ++row)
            if (F::at(t.infoList(UnitRegistry::RS485).at(row), F::State) != state
                || t.unitTree()->statusMark(UnitTreeFrame::RS485Group, row)->styleSheet()
                    != UnitTreeFrame::statusStyle(state))
                return false;
        return true;
    };
    QVERIFY(allMarked(F::connected()));
    const int alertsBefore = t.alertList()->list().current().size();
    sim.stop();
    QVERIFY(waitFor([&] { return allMarked(F::disconnected()); }, 5000));
    QTest::qWait(3000); // nothing more is said while the adapter is away
    const QVector<AlertFold> alerts = t.alertList()->list().current().mid(alertsBefore);
    QCOMPARE(alerts.size(), 1);
    QVERIFY2(alerts.first().sentence().contains(link), qPrintable(alerts.first().sentence()));

    QVERIFY(sim.startPty(link, units));
    QElapsedTimer back;
    back.start();
    QVERIFY(waitFor([&] { return allMarked(F::connected()); }, 10000));
    qInfo("both units connected %lld ms after the adapter came back", back.elapsed());
}

void TstTabWidget::unitFallingSilentMidRead()
{
    SKIP_UNLESS_PORT_502();
    // First count what identification asks of the unit, then let a second simulator go quiet a few
    // parameters before the end of the read, so the skipped remainder stays short: once going on
    // despite the fault (no box), once stopping at it (one box).
    int identificationRequests = 0;
    {
        SimPeer probeSim;
        QVERIFY(probeSim.startTcp(ipA, simArgs({ QStringLiteral("--verbose") })));
        counting();
        connectTcp(ipA);
        QVERIFY(waitRow(QStringLiteral("device link established")));
        QTest::qWait(100);
        identificationRequests = probeSim.takeRequests().size();
        tab.reset();
    }
    QVERIFY(identificationRequests > 0);
    TreeModel probe(device, 0, QString(), QString(), true);
    const int silentAfter = identificationRequests + probe.readList().size() - 6;
    for (const bool continueDespiteFault : { true, false }) {
        rows.clear();
        SimPeer sim;
        QVERIFY(
            sim.startTcp(ipA, simArgs({ QStringLiteral("--silent-after"), QString::number(silentAfter) })));
        TabWidget &t = counting();
        t.settings().record().continueDespiteFault = continueDespiteFault;
        connectTcp(ipA);
        QVERIFY(waitRow(QStringLiteral("device link established")));
        const QStringList entry = t.currentUnit();
        if (!continueDespiteFault)
            prompter.expectCritical(QStringLiteral(" Comm Error"), QStringLiteral("Error"));
        QVERIFY(readAll(entry));
        // The read ends; what may stay is the probe of the silent unit.
        const auto left = [&] { return t.threadList(UnitRegistry::TCPIP).first(); };
        QVERIFY(waitFor([&] { return left().size() == (t.supervisor()->statusThread() ? 1 : 0); }, 20000));
        QVERIFY(rowsWith(QStringLiteral("failure")) > 0); // the timeouts reach the log
        QCOMPARE(prompter.pending(), 0);
        QVERIFY(entriesWithDefaults(t.modelOf(entry)) < t.modelOf(entry)->readList().size());
        tab.reset();
    }
}

void TstTabWidget::silentUnitProbedOnATabWithoutCycles()
{
    SKIP_UNLESS_PORT_502();
    SimPeer sim;
    QVERIFY2(connectTcpUnit(sim), qPrintable(rows.join('\n')));
    TabWidget &t = *tab;
    const auto state = [&] { return F::at(t.infoList(UnitRegistry::TCPIP).first(), F::State); };
    sim.stop();
    QVERIFY(sim.startTcp(ipA, simArgs({ QStringLiteral("--silent-after"), QStringLiteral("0") })));
    prompter.expectCritical(QStringLiteral("OprStatusUpdate:Write Error"), QStringLiteral("Error"));
    t.setCurrentIndex(ThreadSupervisor::StatusTab); // the status cycle notices the silence
    QVERIFY(waitFor([&] { return state() == F::disconnected(); }));
    t.setCurrentIndex(ThreadSupervisor::ParametersTab);
    sim.stop();
    QVERIFY(sim.startTcp(ipA, simArgs()));
    QVERIFY(waitFor([&] { return state() == F::connected(); }));
}

// A unit that answers slowly: a read cancelled part way, a file set removed while it is written,
// and the unit removed during a read.
void TstTabWidget::slowUnitCancelledReadParkedFileSetAndRemovalDuringRead()
{
    SKIP_UNLESS_PORT_502();
    SimPeer sim;
    QVERIFY2(
        connectTcpUnit(sim, { QStringLiteral("--slow"), QStringLiteral("30") }), qPrintable(rows.join('\n')));
    TabWidget &t = *tab;
    const QStringList entry = t.currentUnit();
    QSignalSpy said(&t, &TabWidget::statusMessage);
    const auto startRead = [&] {
        t.GetTreeModelslotImport(t.modelOf(entry), entry);
        QProgressDialog *dialog = t.transfer()->dialog();
        return dialog && dialog->isVisible() && waitFor([&] { return dialog->value() >= 2; }) ? dialog
                                                                                              : nullptr;
    };
    QProgressDialog *dialog = startRead();
    QVERIFY(dialog);
    QPushButton *cancel = dialog->findChild<QPushButton *>();
    QVERIFY(cancel);
    cancel->click();
    QVERIFY(waitFor([&] { return !t.transfer()->isOpen(); }, 5000));
    QVERIFY(waitFor([&] { return t.threadList(UnitRegistry::TCPIP).first().isEmpty(); }, 5000));
    const int read = entriesWithDefaults(t.modelOf(entry));
    QVERIFY(read > 0);
    QVERIFY(read < t.modelOf(entry)->readList().size());
    // The status bar says how far the read got, out of how many.
    QVERIFY(waitFor([&] { return !said.isEmpty(); }));
    const QRegularExpression told(
        QStringLiteral("^Read from .* cancelled after (\\d+) of (\\d+) parameters$"));
    const QRegularExpressionMatch match = told.match(said.last().first().toString());
    QVERIFY2(match.hasMatch(), qPrintable(said.last().first().toString()));
    QVERIFY(match.captured(1).toInt() > 0 && match.captured(1).toInt() < match.captured(2).toInt());

    auto *set = new TreeModel(device, 0, QStringLiteral("12,5"), QStringLiteral("5500"), false);
    QPointer<TreeModel> alive(set);
    t.fileSets()->add(QStringLiteral("TST-0010"), device, QStringLiteral("12,5"), QStringLiteral("5500"),
        QStringLiteral("V1.00"), QStringLiteral("TST-0010 : TSTV1.00"), set);
    t.GetTreeModelslotExport(set, entry);
    QVERIFY(t.transfer()->isOpen());
    // The unit stops answering mid-write, so the exchange outlasts the removal's wait: the set is
    // parked, not freed under the worker, and freed once the answer comes and the write ends.
    QTest::qWait(100);
    QVERIFY(sim.pause(true));
    QTest::qWait(100);
    t.fileSets()->setStopWaitMs(1);
    t.fileSets()->remove(set);
    QCOMPARE(t.fileSets()->parkedCount(), 1);
    QVERIFY(alive);
    QVERIFY(sim.pause(false));
    QVERIFY(waitFor([&] { return !alive; }, 10000));
    QCOMPARE(t.fileSets()->parkedCount(), 0);
    QVERIFY(waitFor([&] { return t.threadList(UnitRegistry::TCPIP).first().isEmpty(); }, 5000));

    // Removing the unit ends a read without a message: any box here would be an unexpected prompt.
    QVERIFY(startRead());
    t.vxUISlotUnitRemoveClicked(entry, false);
    QCOMPARE(t.registry().total(), 0);
    QVERIFY(!t.transfer()->isOpen());
    QTest::qWait(300); // whatever the worker might still have queued arrives now
}

void TstTabWidget::settingsWrittenAtCloseOnlyWithAutoSave_data()
{
    QTest::addColumn<bool>("autoSave");
    QTest::newRow("AutoSave off keeps the old file") << false;
    QTest::newRow("AutoSave on writes the file") << true;
}

void TstTabWidget::settingsWrittenAtCloseOnlyWithAutoSave()
{
    QFETCH(bool, autoSave);
    SettingsRecord old;
    old.language = 2;
    old.autoSave = autoSave;
    old.delayMs = 120;
    const QString file = AppPaths::settingsPath();
    QVERIFY(SettingsFile::save(old, file));
    const auto bytes = [&file] {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray before = bytes();
    QFile::remove(ProgramOptions::defaultPath()); // an installation without the options file

    tab = std::make_unique<TabWidget>(prompter);
    QVERIFY(tab->readSettings());
    QCOMPARE(tab->settings().record().delayMs, 120u);
    tab->onLangTranslation(3); // the user picks another language in this run
    // "Read in blocks" is off there; ticked, it goes to its own file at once, never into settings.set.
    QCheckBox *blocks = tab->preferencesDialog()->box(Preferences::BlockReads);
    QVERIFY(!blocks->isChecked());
    QTest::mouseClick(blocks, Qt::LeftButton, {}, QPoint(4, blocks->height() / 2));
    tab->preferencesDialog()->okButton()->click();
    QVERIFY(ProgramOptions::load().blockReads);
    QCOMPARE(bytes(), before);
    QVERIFY(tab->closeFunction());
    tab = std::make_unique<TabWidget>(prompter);
    tab->readSettings();
    QVERIFY(tab->preferencesDialog()->getBlockReads());
    QVERIFY(QFile::remove(ProgramOptions::defaultPath()));

    SettingsRecord reread;
    QVERIFY(SettingsFile::load(file, reread));
    if (autoSave) {
        QCOMPARE(reread.language, 3u);
        QCOMPARE(reread.delayMs, 120u);
        QVERIFY(SettingsFile::save(reread, file + ".expected")); // the layout of a plain record
        QFile expected(file + ".expected");
        QVERIFY(expected.open(QIODevice::ReadOnly));
        QCOMPARE(bytes(), expected.readAll());
    } else {
        QCOMPARE(bytes(), before);
    }
}

void TstTabWidget::refusedClearingKeepsUnitsThenScanReplacesThemAndReadsWhatItFound()
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
    // Units 1 and 3 did not answer: that is the scan's result, in the log but not an alert.
    QCOMPARE(rowsWith("scan result"), 2);
    QVERIFY(t.alertList()->list().current().isEmpty());

    // "AutoImportActive": both read at once, the window gone when both rows are.
    QVERIFY(scan->importWindow());
    QCOMPARE(scan->importWindow()->rowCount(), 2);
    // Like any transfer the reads own the models: no other load, write or edit meanwhile.
    QVERIFY(!t.parameters()->actionStates().newSet);
    QVERIFY(waitFor([scan] { return !scan->importWindow(); }, 30000));
    QVERIFY(waitFor([&] { return t.parameters()->actionStates().newSet; }, 5000));

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

void TstTabWidget::typedScanFormFindingNothingSaysWhereItLooked()
{
    TabWidget &t = makeTab();
    AutoScanSettings *form = t.scanController()->settingsDialog();
    form->setPorts({});
    // Typed as a person types them: a port the list does not offer, units, and addresses digit by
    // digit into the masked fields.
    QTest::keyClicks(form->typedPortsEdit(AutoScanSettings::Rs232), path("nothing"));
    QTest::keyClicks(form->unitsEdit(AutoScanSettings::Rs232), "1-2,2");
    QTest::keyClicks(form->startIpEdit(), "127.0.0.250");
    QTest::keyClicks(form->endIpEdit(), "127.0.0.251");
    QCOMPARE(form->baudBox(AutoScanSettings::Rs232)->currentText(), QString("19200"));
    prompter.expectInformation(
        QString("No unit found on %1, 127.0.0.250 - 127.0.0.251.").arg(path("nothing")), "Information");
    form->startButton()->click();
    QCOMPARE(
        t.scanController()->progressWindow()->progressBar()->maximum(), 4); // units 1, 2 and two addresses
    QVERIFY(waitFor([&] { return !t.scanController()->isScanning(); }, 20000));
    QCOMPARE(prompter.pending(), 0);
}

void TstTabWidget::controlPanelDrivesTwoRs485UnitsAndHandsControlBack()
{
    QVERIFY(TestInstallation(dir->path()).addDeviceFile("KTZV1.10.csv"));
    const QString line = path("line");
    SimPeer sim;
    QVERIFY2(sim.startPty(line,
                 QStringList { "--data", dir->path(), "--device", "KTZV1.10.csv", "--size", "1", "--verbose" }
                     + SimPeer::unitOptions({ 1, 2 })),
        qPrintable(sim.errorOutput()));
    TabWidget &t = makeTab();
    CtrlPanelFrame *panel = t.ctrlPanel();
    t.onAddUnitClicked(2, line, 19200, "N,8,1", 2, QString(), "RS485", 1, QString());
    QVERIFY(waitFor([&] { return t.registry().total() == 1; }, 15000));
    t.onAddUnitClicked(1, line, 19200, "N,8,1", 1, QString(), "RS485", 1, QString());
    QVERIFY(waitFor([&] { return t.registry().total() == 2; }, 15000));
    const QStringList unit1 = t.currentUnit();
    const QStringList unit2 = t.infoList(UnitRegistry::RS485).first();
    QCOMPARE(unit1.value(0), QString("1"));
    OscDeviceKeeper *keeper = t.oscDeviceKeeper();
    QCOMPARE(keeper->recording().devices().size(), 2);
    QCOMPARE(keeper->recording().devices().at(0)->runningNumber(), 1);
    QCOMPARE(keeper->recording().devices().at(1)->runningNumber(), 2);
    t.setCurrentIndex(TabWidget::StatusTab);
    QVERIFY(panel->isVisibleTo(&t));
    QCOMPARE(panel->unitLabel()->text(), unit1.value(1));
    QVERIFY(!panel->forwardButton()->isEnabled()); // run/stop from "Remote"
    sim.takeRequests();

    t.vxUISlotCtrlRunStopSrcChanged(2);
    QVERIFY(expectWrites(sim, { "1:6:40105" }));
    QVERIFY(panel->forwardButton()->isEnabled());
    t.vxUIslotCtrlFwdBtnClicked();
    QCOMPARE(panel->pressed(), int(CtrlPanelFrame::ForwardPressed));
    QVERIFY(expectWrites(sim, { "1:15:11" }));
    TreeModel *model = t.modelOf(unit1);
    QVERIFY(waitFor([&] { return shownSpeed(model) > 300; }, 8000));
    const double running = shownSpeed(model);
    t.vxUIslotCtrlStpBtnClicked();
    QVERIFY(expectWrites(sim, { "1:15:11" }));
    QVERIFY(waitFor([&] { return shownSpeed(model) < running / 2; }, 8000));
    t.vxUIslotCtrlBwdBtnClicked();
    QCOMPARE(panel->pressed(), int(CtrlPanelFrame::BackwardPressed));
    QVERIFY(expectWrites(sim, { "1:15:11" }));

    t.vxUISlotCtrlRefSrcChanged(2);
    QVERIFY(panel->refValue()->isEnabled());
    panel->refValue()->clear();
    QTest::keyClicks(panel->refValue(), "50,5"); // a decimal comma, typed as a user types it
    QTest::keyClick(panel->refValue(), Qt::Key_Return);
    QVERIFY(expectWrites(sim, { "1:6:40104", "1:6:44501" }));
    for (const QString &refused : QStringList { "100.5", "-1", "fast" }) {
        prompter.expectCritical("Range is 0 to 100", "Error");
        panel->refValue()->setText(refused);
        t.vxUISlotCtrlRefValEntered();
    }
    QVERIFY(expectWrites(sim, {}));

    // Another unit shown and back: nothing written to either.
    t.vxUISlotCtrlSetChanged(unit2, true);
    QCOMPARE(panel->unitLabel()->text(), unit2.value(1));
    t.vxUISlotCtrlSetChanged(unit1, true);
    QVERIFY(expectWrites(sim, {}));

    t.vxUISlotCtrlRunStopSrcChanged(0);
    QCOMPARE(panel->pressed(), int(CtrlPanelFrame::StopPressed));
    QVERIFY(!panel->forwardButton()->isEnabled() && !panel->stopButton()->isEnabled());
    QVERIFY(expectWrites(sim, { "1:6:40105" }));

    // Hand-back: "Cancel" keeps the unit, OK writes run/stop then reference source first.
    t.vxUISlotCtrlRunStopSrcChanged(2);
    QVERIFY(expectWrites(sim, { "1:6:40105" }));
    int asked = 0;
    bool confirm = false;
    t.ctrlController()->setSourceAsker([&](QWidget *, const QStringList &entry, int *run, int *ref) {
        ++asked;
        if (entry.value(0) != "1")
            return false;
        *run = 1;
        *ref = 3;
        return confirm;
    });
    t.vxUISlotUnitRemoveClicked(unit1, false);
    QCOMPARE(t.registry().total(), 2);
    confirm = true;
    t.vxUISlotUnitRemoveClicked(unit1, false);
    QCOMPARE(asked, 2);
    QVERIFY(waitFor([&] { return t.registry().total() == 1; }, 15000));
    QVERIFY(expectWrites(sim, { "1:6:40105", "1:6:40104" }));

    // A write for the removed unit reaches no unit at all.
    t.vxUISlotCatchCtrlPanelSignal(unit1, 3, 0);
    QVERIFY(expectWrites(sim, {}));

    // Unit 1's device went with it; while unit 2's records, unit 2 cannot be removed.
    QCOMPARE(keeper->recording().devices().size(), 1);
    OscUnitDev *osc = keeper->recording().devices().first();
    QVERIFY(osc->catalogueValid());
    QCOMPARE(osc->runningNumber(), 1);
    QVERIFY(keeper->recording().startRecording());
    QVERIFY(t.isOscRecording());
    QVERIFY(waitFor([&] { return osc->sampleCount() >= 2; }, 10000));
    prompter.expectCritical("Oscilloscope Record in Progress.Please stop before Removing");
    t.vxUISlotUnitRemoveClicked(unit2, false);
    QCOMPARE(t.registry().total(), 1);
    QSignalSpy stopped(&keeper->recording(), &RecordingController::recordingStopped);
    QVERIFY(keeper->recording().stopRecording());
    QVERIFY(!stopped.isEmpty() || stopped.wait(10000));
    QVERIFY(QFileInfo(path("TEMP.peb")).size() > 0);
    t.vxUISlotUnitRemoveClicked(unit2, false);
    QVERIFY(waitFor([&] { return t.registry().total() == 0; }, 15000));
    QCOMPARE(asked, 2); // unit 2 runs from "Remote": nothing to hand back
    QCOMPARE(keeper->recording().devices().size(), 0);
    QCOMPARE(panel->unitLabel()->text(), QString("No Unit"));
    QCOMPARE(panel->pressed(), int(CtrlPanelFrame::NonePressed));
    // Every link outcome reached the log file, the byte lines of the exchanges did not; successes
    // are no alerts.
    const QStringList logged = t.alertList()->list().pending();
    QCOMPARE(logged.filter("device link established").size(), 2);
    QCOMPARE(logged.filter("device link removed").size(), 2);
    QVERIFY(logged.filter("Tx Msg").isEmpty());
    QVERIFY(t.alertList()->list().current().isEmpty());
    // A device file whose recording section declares a block it does not hold: refused.
    TestInstallation broken(path("broken"));
    QVERIFY(broken.addDeviceFile("KTZV1.10.csv", replacing("4;Blocks", "5;Blocks")));
    prompter.expectCritical("Error in CSV file \n Please provide correct CSV file", "Error");
    t.onAddUnitClicked(
        2, line, 19200, "N,8,1", 2, QString(), "RS485", 2, broken.deviceFilePath("KTZV1.10.csv"));
    QVERIFY(waitFor([&] { return prompter.pending() == 0 && t.registry().total() == 0; }, 15000));
    QVERIFY(t.oscDeviceKeeper()->recording().devices().isEmpty());
}

void TstTabWidget::controlBoxGivesTheSourceIndicesWritten()
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

// The status view reads the drive's active trip: a trip raises one alert row and the alert line,
// however often it is read again (also by the next status cycle after a tab change), and the
// stop command that resets it one "cleared" row.
void TstTabWidget::driveTripAndItsResetEachRaiseOneAlert()
{
    SKIP_UNLESS_PORT_502();
    QVERIFY(TestInstallation(dir->path()).addDeviceFile(QStringLiteral("RVNV2.05.csv")));
    SimPeer sim;
    QVERIFY(sim.startTcp(ipA, { "--data", dir->path(), "--device", "RVNV2.05.csv" }));
    TabWidget &t = makeTab();
    connectTcp(ipA);
    QVERIFY2(waitRow(QStringLiteral("device link established")), qPrintable(rows.join('\n')));
    QSignalSpy line(&t, &TabWidget::alertNotifcation);
    const auto count = [&](const QString &needle) {
        int lines = 0;
        for (const QList<QVariant> &l : qAsConst(line))
            lines += l.first().toString().contains(needle);
        const int alerts = t.alertList()->list().pending().filter(needle).size();
        return alerts == lines ? alerts : -1;
    };
    t.setCurrentIndex(ThreadSupervisor::StatusTab);
    QTest::qWait(500);
    QCOMPARE(count(QStringLiteral("drive trip")), 0);
    QVERIFY(sim.trip());
    QVERIFY(waitFor([&] { return count(QStringLiteral("failure\tdrive trip: 1 Motor I2t")) == 1; }, 5000));
    t.setCurrentIndex(ThreadSupervisor::ParametersTab);
    t.setCurrentIndex(ThreadSupervisor::StatusTab);
    QTest::qWait(500);
    QCOMPARE(count(QStringLiteral("drive trip")), 1);
    t.vxUIslotCtrlStpBtnClicked();
    QVERIFY(waitFor([&] { return count(QStringLiteral("drive trip cleared: 1 Motor I2t")) == 1; }, 5000));
    QTest::qWait(500);
    QCOMPARE(count(QStringLiteral("drive trip")), 2);
}

// A unit that stops answering mid-exchange holds up neither its removal nor the close-down, both
// with control handed back: each returns at once, and the unit's model and master go, after the
// hand-back writes, once its workers have ended.
void TstTabWidget::stuckUnitRemovedAndClosedDownWithoutWaiting()
{
    SKIP_UNLESS_PORT_502();
    QVERIFY(TestInstallation(dir->path()).addDeviceFile(QStringLiteral("KTZV1.10.csv")));
    SimPeer sim;
    QVERIFY(sim.startTcp(ipA, { "--data", dir->path(), "--device", "KTZV1.10.csv", "--verbose" }));
    TabWidget &t = makeTab();
    t.ctrlController()->setSourceAsker([](QWidget *, const QStringList &, int *run, int *ref) {
        *run = *ref = 1;
        return true;
    });
    for (const bool closing : { false, true }) {
        connectTcp(ipA);
        QVERIFY(waitFor([&] { return t.registry().total() == 1; }));
        const QStringList entry = t.currentUnit();
        const QPointer<TreeModel> model(t.modelOf(entry));
        t.setCurrentIndex(TabWidget::StatusTab); // status and control cycles on the unit
        t.vxUISlotCtrlRunStopSrcChanged(2);
        QVERIFY(expectWrites(sim, { "1:6:40105" }));
        QVERIFY(sim.pause(true));
        QTest::qWait(100);
        QElapsedTimer clock;
        clock.start();
        if (closing)
            QVERIFY(t.closeFunction());
        else
            t.vxUISlotUnitRemoveClicked(entry, false);
        QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(t.registry().total(), 0);
        QCOMPARE(t.registry().retiring().size(), 1);
        QVERIFY(model);
        QVERIFY(sim.pause(false));
        QVERIFY(expectWrites(sim, { "1:6:40105", "1:6:40104" }));
        QVERIFY(waitFor([&] { return !model && t.registry().retiring().isEmpty(); }));
    }
}

TARVOLINK_WIDGET_TEST_MAIN(TstTabWidget)

#include "tst_tabwidget.moc"
