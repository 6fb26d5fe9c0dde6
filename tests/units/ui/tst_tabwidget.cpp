// The tab controller against the drive simulator over a pseudo-terminal and loopback TCP: connect
// by hand with its checks, identification, reading and writing parameters, disconnect, reconnect,
// removal, shared RS485 ports, faults during a read, close-down order and the settings file.
#include "addunit.h"
#include "apppaths.h"
#include "connect.h"
#include "importfilethread.h"
#include "mbpoll.h"
#include "paramtransfer.h"
#include "scriptedprompter.h"
#include "settingsbinder.h"
#include "settingsfile.h"
#include "simpeer.h"
#include "tabwidget.h"
#include "threadsupervisor.h"
#include "treemodel.h"
#include "unitentryfields.h"
#include "unitfactory.h"
#include "unitregistry.h"
#include "unitstestsupport.h"
#include "unittreeframe.h"
#include "vxcommmodbusmaster.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>
#include <memory>

namespace F = UnitEntryField;

namespace {
// Each test program has its own loopback addresses so ctest -j2 runs them side by side.
const QString ipA = QStringLiteral("127.0.0.71");
const QString ipB = QStringLiteral("127.0.0.72");

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

class TstTabWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void refusesBadRequestsBeforeOpeningAnything_data();
    void refusesBadRequestsBeforeOpeningAnything();
    void tcpUnitIdentifiedReadWrittenDisconnectedReconnectedRemoved();
    void serialPortThatCannotOpenRefused();
    void reconnectOfASilentUnitFails();
    void linkStateFollowsTheUnitGoingQuietAndComingBack();
    void duplicateIpAddressRefused();
    void unknownAddressReportsNoConnection();
    void rs485UnitsShareOneMasterAndRemovingOneKeepsThePort();
    void rs232AndRs485OnOnePortRefused();
    void unitFallingSilentMidRead_data();
    void unitFallingSilentMidRead();
    void removingDuringReadEndsItWithoutMessage();
    void cancellingReadStopsAndClosesProgress();
    void statusCycleRunsOnlyOnStatusTab();
    void quitRemovesRs232ThenRs485ThenTcpIp();
    void settingsWrittenAtCloseOnlyWithAutoSave_data();
    void settingsWrittenAtCloseOnlyWithAutoSave();

private:
    TabWidget &makeTab();
    void connectTcp(const QString &ip, int unit = 1);
    void connectSerial(const QString &iface, const QString &port, int unit);
    bool waitRow(const QString &needle, int ms = 10000);
    int rowsWith(const QString &needle) const;
    QString simDevice() const { return m_device; }
    QStringList simArgs(const QStringList &extra = {}) const;
    // Starts the simulator on ipA with the extra options, makes the tab and connects unit 1;
    // true once its link is established.
    bool connectTcpUnit(SimPeer &sim, const QStringList &extra = {});
    // Reads every parameter of the unit and waits until the progress dialog has gone.
    bool readAll(const QStringList &entry);
    // How many read entries of the unit's model hold the simulator's delivered values.
    int entriesWithDefaults(TreeModel *model) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_device;
    ScriptedPrompter m_prompter;
    std::unique_ptr<TabWidget> m_tab;
    QStringList m_rows;
    int m_mastersMade = 0;
};

void TstTabWidget::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_device = prepareTestInstallation(m_dir->path());
    QVERIFY(!m_device.isEmpty());
    AppPaths::setBaseDir(m_dir->path());
    m_prompter.reset();
    m_rows.clear();
    m_mastersMade = 0;
}

void TstTabWidget::cleanup()
{
    m_tab.reset();
    AppPaths::setBaseDir(QString());
    QCOMPARE(m_prompter.problems(), QString());
    QCOMPARE(m_prompter.pending(), 0);
}

TabWidget &TstTabWidget::makeTab()
{
    m_tab
        = std::make_unique<TabWidget>(m_prompter, nullptr, std::make_unique<CountingFactory>(&m_mastersMade));
    SettingsRecord &s = m_tab->settings().record();
    s.importActive = false;
    s.autoSave = false;
    s.delayMs = 0; // the simulator answers at once; the tests need no pause between messages
    s.retriesEnabled = false;
    s.continueDespiteFault = false;
    connect(m_tab.get(), &TabWidget::linkInformation, this, [this](const QString &row) { m_rows << row; });
    return *m_tab;
}

QStringList TstTabWidget::simArgs(const QStringList &extra) const
{
    return QStringList { QStringLiteral("--data"), m_dir->path(), QStringLiteral("--device"), m_device,
        QStringLiteral("--size"), QStringLiteral("1") }
    + extra;
}

bool TstTabWidget::connectTcpUnit(SimPeer &sim, const QStringList &extra)
{
    if (!sim.startTcp(ipA, simArgs(extra)))
        return false;
    makeTab();
    connectTcp(ipA);
    return waitRow(QStringLiteral("device link established"));
}

void TstTabWidget::connectTcp(const QString &ip, int unit)
{
    m_tab->onAddUnitClicked(
        unit, QString(), 19200, QStringLiteral("N,8,1"), unit, ip, QStringLiteral("TCPIP"), 1, QString());
}

void TstTabWidget::connectSerial(const QString &iface, const QString &port, int unit)
{
    m_tab->onAddUnitClicked(unit, port, 19200, QStringLiteral("N,8,1"), unit, QString(), iface, 1, QString());
}

bool TstTabWidget::waitRow(const QString &needle, int ms)
{
    return waitFor([&] { return rowsWith(needle) > 0; }, ms);
}

int TstTabWidget::rowsWith(const QString &needle) const
{
    int n = 0;
    for (const QString &row : m_rows)
        n += row.contains(needle) ? 1 : 0;
    return n;
}

bool TstTabWidget::readAll(const QStringList &entry)
{
    m_tab->GetTreeModelslotImport(m_tab->modelOf(entry), entry);
    if (!m_tab->transfer()->isOpen())
        return false;
    return waitFor([this] { return !m_tab->transfer()->isOpen(); }, 30000);
}

int TstTabWidget::entriesWithDefaults(TreeModel *model) const
{
    const QStringList entry = m_tab->currentUnit();
    TreeModel delivered(m_device, 0, F::at(entry, F::Inom), F::at(entry, F::Pnom), false);
    const auto wanted = delivered.readList();
    const auto have = model->readList();
    int same = 0;
    for (int i = 0; i < have.size() && i < wanted.size(); ++i)
        same += model->registerWords(have[i].item, have[i].set)
            == delivered.registerWords(wanted[i].item, wanted[i].set);
    return same;
}

void TstTabWidget::refusesBadRequestsBeforeOpeningAnything_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("tcpUnit");
    QTest::addColumn<QString>("iface");
    QTest::addColumn<int>("fileMode");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");
    const QString range = QStringLiteral("Invalid Unit Number: Unit range is 1-255");
    QTest::newRow("serial unit 0") << 0 << 1 << "RS232" << 1 << "Error" << range;
    QTest::newRow("serial unit 256") << 256 << 1 << "RS485" << 1 << "Error" << range;
    QTest::newRow("tcp unit 0 on a serial request") << 1 << 0 << "RS232" << 1 << "Error" << range;
    QTest::newRow("tcp unit 256") << 1 << 256 << "TCPIP" << 1 << "Error" << range;
    QTest::newRow("manual file without a path") << 1 << 1 << "TCPIP" << 2 << "Information"
                                                << "No csv file information";
    QTest::newRow("no such interface") << 1 << 1 << "USB" << 1 << "Error"
                                       << "No channel information";
}

void TstTabWidget::refusesBadRequestsBeforeOpeningAnything()
{
    QFETCH(int, unit);
    QFETCH(int, tcpUnit);
    QFETCH(QString, iface);
    QFETCH(int, fileMode);
    QFETCH(QString, title);
    QFETCH(QString, message);
    TabWidget &tab = makeTab();
    if (title == QLatin1String("Error"))
        m_prompter.expectCritical(message, title);
    else
        m_prompter.expectInformation(message, title);
    // A port that does not exist: a check that came too late would try to open it and fail differently.
    tab.onAddUnitClicked(unit, QStringLiteral("/nonexistent/tty"), 19200, QStringLiteral("N,8,1"), tcpUnit,
        ipA, iface, fileMode, QString());
    QCOMPARE(m_mastersMade, 0);
    QCOMPARE(tab.registry().total() + tab.registry().pending().size(), 0);
    QVERIFY(tab.detailsPanel()->addUnitDialog()->isEnabled());
}

void TstTabWidget::tcpUnitIdentifiedReadWrittenDisconnectedReconnectedRemoved()
{
    SKIP_UNLESS_PORT_502();
    SimPeer sim;
    QVERIFY2(connectTcpUnit(sim), qPrintable(m_rows.join('\n')));
    TabWidget &tab = *m_tab;
    QCOMPARE(tab.infoList(UnitRegistry::TCPIP).size(), 1);
    const QStringList entry = tab.infoList(UnitRegistry::TCPIP).first();
    QCOMPARE(F::at(entry, F::Name), QStringLiteral("TST-0010 (*.71)"));
    QCOMPARE(F::at(entry, F::State), QStringLiteral("connect"));
    QCOMPARE(QFileInfo(F::at(entry, F::DeviceFile)).fileName(), QStringLiteral("TSTV1.00.csv"));
    QCOMPARE(tab.currentUnit(), entry);
    QVERIFY(tab.parametersView()->model() == tab.modelOf(entry));

    // Read: every value the unit delivers ends up in the model; the model started without them.
    TreeModel *model = tab.modelOf(entry);
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
    tab.vxUISlotParamWrite(model, model->indexOf(target.item, 4));
    QVERIFY(waitFor([&] { return mbpollReadHolding(ipA, 1, target.registerNumber) == edited; }, 10000));

    // Disconnect, reconnect.
    m_rows.clear();
    tab.vxUISlotUnitDisconnectClicked(QStringLiteral("Disconnect"), entry);
    QVERIFY(waitRow(QStringLiteral("device link disconnected"), 1000));
    QCOMPARE(F::at(tab.infoList(UnitRegistry::TCPIP).first(), F::State), QStringLiteral("disconnect"));
    QVERIFY(!tab.commModList(UnitRegistry::TCPIP).first()->VxCommIsUnitConnected(1));
    m_prompter.expectInformation(QStringLiteral("Device Link is established"), QStringLiteral("Information"));
    tab.vxUISlotUnitDisconnectClicked(QStringLiteral("Connect"), entry);
    QVERIFY(waitRow(QStringLiteral("device link reconnected")));
    QCOMPARE(F::at(tab.infoList(UnitRegistry::TCPIP).first(), F::State), QStringLiteral("connect"));

    // Remove: every list shrinks, the master goes.
    tab.vxUISlotUnitRemoveClicked(entry, false);
    QVERIFY(waitRow(QStringLiteral("device link removed"), 1000));
    QCOMPARE(tab.registry().total(), 0);
    QVERIFY(!tab.registry().ownsMaster(tab.commModList(UnitRegistry::TCPIP).value(0)));
    QVERIFY(tab.parametersView()->model() == nullptr);
    QVERIFY(tab.currentUnit().isEmpty());
}

void TstTabWidget::serialPortThatCannotOpenRefused()
{
    TabWidget &tab = makeTab();
    m_prompter.expectCritical(QStringLiteral("Port is not Opened"), QStringLiteral("Error"));
    connectSerial(QStringLiteral("RS232"), m_dir->path() + QStringLiteral("/no-such-tty"), 1);
    QVERIFY(waitRow(QStringLiteral("failure\tport not open"), 1000));
    QCOMPARE(m_mastersMade, 1);
    QCOMPARE(tab.registry().total() + tab.registry().pending().size(), 0);
    QVERIFY(tab.commModList(UnitRegistry::RS232).isEmpty());
}

void TstTabWidget::reconnectOfASilentUnitFails()
{
    SKIP_UNLESS_PORT_502();
    SimPeer sim;
    QVERIFY2(connectTcpUnit(sim), qPrintable(m_rows.join('\n')));
    TabWidget &tab = *m_tab;
    const QStringList entry = tab.currentUnit();
    tab.vxUISlotUnitDisconnectClicked(QStringLiteral("Disconnect"), entry);
    sim.stop();
    m_prompter.expectCritical(QStringLiteral("No Device Link"), QStringLiteral("Error"));
    tab.vxUISlotUnitDisconnectClicked(QStringLiteral("Connect"), entry);
    QVERIFY(waitRow(QStringLiteral("failure\tdevice link not reconnected")));
    // The unit stays listed, disconnected, and the master no longer counts it as connected.
    QCOMPARE(tab.infoList(UnitRegistry::TCPIP).size(), 1);
    QCOMPARE(F::at(tab.infoList(UnitRegistry::TCPIP).first(), F::State), QStringLiteral("disconnect"));
    QVERIFY(!tab.commModList(UnitRegistry::TCPIP).first()->VxCommIsUnitConnected(1));
    QCOMPARE(tab.detailsPanel()->connectButton()->text(), QStringLiteral("Connect"));
}

void TstTabWidget::linkStateFollowsTheUnitGoingQuietAndComingBack()
{
    SKIP_UNLESS_PORT_502();
    SimPeer sim;
    QVERIFY(sim.startTcp(ipA, simArgs()));
    TabWidget &tab = makeTab();
    connectTcp(ipA);
    QVERIFY(waitRow(QStringLiteral("device link established")));
    QSignalSpy alerts(&tab, &TabWidget::alertNotifcation);
    tab.setCurrentIndex(TabWidget::StatusTab);
    const auto state = [&] { return F::at(tab.infoList(UnitRegistry::TCPIP).first(), F::State); };

    // The silence outlasts a transaction's resends: the status cycle says so once and goes on
    // asking, so the unit comes back without the user pressing "Connect".
    m_prompter.expectCritical(QStringLiteral("OprStatusUpdate:Write Error"), QStringLiteral("Error"));
    QVERIFY(sim.pause(true));
    QVERIFY(waitFor([&] { return state() == QLatin1String("disconnect"); }, 10000));
    QTest::qWait(6000);
    QCOMPARE(m_prompter.pending(), 0);
    QCOMPARE(tab.unitTree()->statusMark(UnitTreeFrame::TcpIpGroup, 0)->styleSheet(),
        UnitTreeFrame::statusStyle(QStringLiteral("disconnect")));
    QVERIFY(!alerts.isEmpty());
    QVERIFY(alerts.last().first().toString().startsWith(QStringLiteral("alert message : ")));
    QVERIFY(alerts.last().first().toString().contains(QStringLiteral("failure")));

    QVERIFY(sim.pause(false));
    QVERIFY(waitFor([&] { return state() == QLatin1String("connect"); }, 20000));
    QCOMPARE(tab.unitTree()->statusMark(UnitTreeFrame::TcpIpGroup, 0)->styleSheet(),
        UnitTreeFrame::statusStyle(QStringLiteral("connect")));
}

void TstTabWidget::duplicateIpAddressRefused()
{
    SKIP_UNLESS_PORT_502();
    SimPeer sim;
    QVERIFY2(connectTcpUnit(sim), qPrintable(m_rows.join('\n')));
    TabWidget &tab = *m_tab;
    m_prompter.expectCritical(QStringLiteral("Unit is already activated"), QStringLiteral("Error"));
    connectTcp(ipA, 7); // another unit number does not make it another unit
    QVERIFY(waitRow(QStringLiteral("duplicate ip address"), 1000));
    QCOMPARE(tab.infoList(UnitRegistry::TCPIP).size(), 1);
    QCOMPARE(m_mastersMade, 1);
}

void TstTabWidget::unknownAddressReportsNoConnection()
{
    // Nothing listens on this address: identification cannot even connect.
    TabWidget &tab = makeTab();
    m_prompter.expectCritical(QStringLiteral("No connection with given IP"));
    connectTcp(ipB);
    QVERIFY(waitRow(QStringLiteral("No Connection with given IP")));
    QVERIFY(waitFor([&] { return m_prompter.pending() == 0; }, 2000));
    QCOMPARE(tab.registry().total() + tab.registry().pending().size(), 0);
    QCOMPARE(tab.commModList(UnitRegistry::TCPIP).size(), 0);
}

void TstTabWidget::rs485UnitsShareOneMasterAndRemovingOneKeepsThePort()
{
    SimPeer sim;
    const QString link = m_dir->path() + QStringLiteral("/bus");
    QVERIFY(sim.startPty(link, SimPeer::unitOptions({ 3, 5 }) + simArgs()));
    TabWidget &tab = makeTab();
    connectSerial(QStringLiteral("RS485"), link, 3);
    QVERIFY(waitRow(QStringLiteral("(3)\t")));
    connectSerial(QStringLiteral("RS485"), link, 5);
    QVERIFY(waitFor([&] { return tab.infoList(UnitRegistry::RS485).size() == 2; }));
    QCOMPARE(m_mastersMade, 1);
    const auto masters = tab.commModList(UnitRegistry::RS485);
    QCOMPARE(masters.at(0), masters.at(1));
    QCOMPARE(F::at(tab.infoList(UnitRegistry::RS485).at(1), F::Name), QStringLiteral("TST-0010 (5)"));

    // The same unit number again on this port is the same unit.
    m_prompter.expectCritical(QStringLiteral("Unit already connected on RS485 Interface"));
    connectSerial(QStringLiteral("RS485"), link, 5);

    // Unit 3 is disconnected first: its removal must not leave the shared master refusing it.
    tab.vxUISlotUnitDisconnectClicked(
        QStringLiteral("Disconnect"), tab.infoList(UnitRegistry::RS485).first());
    QCOMPARE(F::at(tab.infoList(UnitRegistry::RS485).first(), F::State), QStringLiteral("disconnect"));
    tab.vxUISlotUnitRemoveClicked(tab.infoList(UnitRegistry::RS485).first(), false);
    QCOMPARE(tab.infoList(UnitRegistry::RS485).size(), 1);
    VxCommModbusMaster *kept = tab.commModList(UnitRegistry::RS485).first();
    QCOMPARE(kept, masters.at(0));
    QVERIFY(kept->VxCommIsLinkOpen());
    // Unit 5 still answers over the shared port.
    QVERIFY(readAll(tab.infoList(UnitRegistry::RS485).first()));
    QCOMPARE(entriesWithDefaults(tab.modelOf(tab.infoList(UnitRegistry::RS485).first())),
        tab.modelOf(tab.infoList(UnitRegistry::RS485).first())->readList().size());

    // The removed unit can be added again on the port its neighbour keeps open.
    connectSerial(QStringLiteral("RS485"), link, 3);
    QVERIFY(waitFor([&] { return tab.infoList(UnitRegistry::RS485).size() == 2; }));
    QCOMPARE(tab.commModList(UnitRegistry::RS485).at(1), kept);
    QCOMPARE(F::at(tab.infoList(UnitRegistry::RS485).at(1), F::State), QStringLiteral("connect"));
}

void TstTabWidget::rs232AndRs485OnOnePortRefused()
{
    SimPeer sim;
    const QString link = m_dir->path() + QStringLiteral("/line");
    QVERIFY(sim.startPty(link, SimPeer::unitOptions({ 3, 5 }) + simArgs()));
    TabWidget &tab = makeTab();
    connectSerial(QStringLiteral("RS232"), link, 3);
    QVERIFY(waitRow(QStringLiteral("device link established")));
    m_prompter.expectCritical(QStringLiteral("port already in use on RS232"), QStringLiteral("Error"));
    connectSerial(QStringLiteral("RS485"), link, 5);
    m_prompter.expectCritical(QStringLiteral("port already in use on RS232"), QStringLiteral("Error"));
    connectSerial(QStringLiteral("RS232"), link, 5);
    QCOMPARE(tab.registry().total(), 1);
    QCOMPARE(m_mastersMade, 1);
}

void TstTabWidget::unitFallingSilentMidRead_data()
{
    QTest::addColumn<bool>("continueDespiteFault");
    QTest::newRow("continue despite fault: no box") << true;
    QTest::newRow("stop at the fault: one box") << false;
}

void TstTabWidget::unitFallingSilentMidRead()
{
    QFETCH(bool, continueDespiteFault);
    SKIP_UNLESS_PORT_502();
    // First count what identification asks of the unit, then let a second simulator go quiet a few
    // parameters before the end of the read, so the skipped remainder stays short.
    int identificationRequests = 0;
    {
        SimPeer counting;
        QVERIFY(counting.startTcp(ipA, simArgs({ QStringLiteral("--verbose") })));
        TabWidget &tab = makeTab();
        connectTcp(ipA);
        QVERIFY(waitRow(QStringLiteral("device link established")));
        QTest::qWait(100);
        identificationRequests = counting.takeRequests().size();
        m_tab.reset();
        Q_UNUSED(tab)
    }
    QVERIFY(identificationRequests > 0);
    TreeModel probe(m_device, 0, QString(), QString(), true);
    const int silentAfter = identificationRequests + probe.readList().size() - 6;
    m_rows.clear();
    SimPeer sim;
    QVERIFY(sim.startTcp(ipA, simArgs({ QStringLiteral("--silent-after"), QString::number(silentAfter) })));
    TabWidget &tab = makeTab();
    tab.settings().record().continueDespiteFault = continueDespiteFault;
    connectTcp(ipA);
    QVERIFY(waitRow(QStringLiteral("device link established")));
    const QStringList entry = tab.currentUnit();
    if (!continueDespiteFault)
        m_prompter.expectCritical(QStringLiteral(" Comm Error"), QStringLiteral("Error"));
    QVERIFY(readAll(entry));
    QVERIFY(waitFor([&] { return tab.threadList(UnitRegistry::TCPIP).first().isEmpty(); }, 20000));
    QVERIFY(rowsWith(QStringLiteral("failure")) > 0); // the timeouts reach the log
    QCOMPARE(m_prompter.pending(), 0);
    QVERIFY(entriesWithDefaults(tab.modelOf(entry)) < tab.modelOf(entry)->readList().size());
}

void TstTabWidget::removingDuringReadEndsItWithoutMessage()
{
    SKIP_UNLESS_PORT_502();
    SimPeer sim;
    QVERIFY2(connectTcpUnit(sim, { QStringLiteral("--slow"), QStringLiteral("30") }),
        qPrintable(m_rows.join('\n')));
    TabWidget &tab = *m_tab;
    const QStringList entry = tab.currentUnit();
    tab.GetTreeModelslotImport(tab.modelOf(entry), entry);
    QProgressDialog *dialog = tab.transfer()->dialog();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Progress"));
    QVERIFY(waitFor([&] { return dialog->value() >= 2; }));
    // Any box here would be an unexpected prompt.
    tab.vxUISlotUnitRemoveClicked(entry, false);
    QCOMPARE(tab.registry().total(), 0);
    QVERIFY(!tab.transfer()->isOpen());
    QVERIFY(tab.registry().retiring().isEmpty());
    QTest::qWait(300); // whatever the worker might still have queued arrives now
}

void TstTabWidget::cancellingReadStopsAndClosesProgress()
{
    SKIP_UNLESS_PORT_502();
    SimPeer sim;
    QVERIFY2(connectTcpUnit(sim, { QStringLiteral("--slow"), QStringLiteral("30") }),
        qPrintable(m_rows.join('\n')));
    TabWidget &tab = *m_tab;
    const QStringList entry = tab.currentUnit();
    tab.GetTreeModelslotImport(tab.modelOf(entry), entry);
    QProgressDialog *dialog = tab.transfer()->dialog();
    QVERIFY(waitFor([&] { return dialog->value() >= 2; }));
    QPushButton *cancel = dialog->findChild<QPushButton *>();
    QVERIFY(cancel);
    QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
    cancel->click();
    QVERIFY(waitFor([&] { return !tab.transfer()->isOpen(); }, 5000));
    QVERIFY(waitFor([&] { return tab.threadList(UnitRegistry::TCPIP).first().isEmpty(); }, 5000));
    TreeModel *model = tab.modelOf(entry);
    const int read = entriesWithDefaults(model);
    QVERIFY(read > 0);
    QVERIFY(read < model->readList().size());
}

void TstTabWidget::statusCycleRunsOnlyOnStatusTab()
{
    SKIP_UNLESS_PORT_502();
    SimPeer sim;
    QVERIFY2(connectTcpUnit(sim), qPrintable(m_rows.join('\n')));
    TabWidget &tab = *m_tab;
    QVERIFY(!tab.supervisor()->statusThread());
    tab.setCurrentIndex(TabWidget::StatusTab);
    QPointer<importfileThread> status = tab.supervisor()->statusThread();
    QVERIFY(status);
    QVERIFY(waitFor([&] { return status->isRunning(); }, 2000));
    QVERIFY(!tab.supervisor()->faultThread());
    tab.setCurrentIndex(TabWidget::FaultLoggerTab);
    QVERIFY(tab.supervisor()->faultThread());
    QVERIFY(!tab.supervisor()->statusThread());
    // The stopped status cycle ends by itself and is freed.
    QVERIFY(waitFor([&] { return status.isNull(); }, 5000));
    tab.setCurrentIndex(TabWidget::ParametersTab);
    QVERIFY(!tab.supervisor()->faultThread());
}

void TstTabWidget::quitRemovesRs232ThenRs485ThenTcpIp()
{
    SKIP_UNLESS_PORT_502();
    SimPeer tcp, line, bus;
    QVERIFY(tcp.startTcp(ipA, simArgs()));
    const QString lineLink = m_dir->path() + QStringLiteral("/line");
    const QString busLink = m_dir->path() + QStringLiteral("/bus");
    QVERIFY(line.startPty(lineLink, SimPeer::unitOptions({ 2 }) + simArgs()));
    QVERIFY(bus.startPty(busLink, SimPeer::unitOptions({ 4 }) + simArgs()));
    TabWidget &tab = makeTab();
    // Connected in the reverse order, so the close-down order cannot come from the order of connecting.
    connectTcp(ipA);
    QVERIFY(waitRow(QStringLiteral("(*.71)\t")));
    connectSerial(QStringLiteral("RS485"), busLink, 4);
    QVERIFY(waitRow(QStringLiteral("(4)\t")));
    connectSerial(QStringLiteral("RS232"), lineLink, 2);
    QVERIFY(waitRow(QStringLiteral("(2)\t")));
    tab.setCurrentIndex(TabWidget::StatusTab); // a cycle runs while quitting
    m_rows.clear();
    QVERIFY(tab.closeFunction());
    QStringList removed;
    for (const QString &row : m_rows)
        if (row.contains(QLatin1String("device link removed")))
            removed << row.section(QLatin1Char('\t'), 1, 1);
    QCOMPARE(removed, QStringList({ "TST-0010 (2)", "TST-0010 (4)", "TST-0010 (*.71)" }));
    QCOMPARE(tab.registry().total(), 0);
    QVERIFY(!tab.supervisor()->statusThread());
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
    const QString path = AppPaths::settingsPath();
    QVERIFY(SettingsFile::save(old, path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    m_tab = std::make_unique<TabWidget>(m_prompter);
    QSignalSpy language(m_tab.get(), &TabWidget::vxUISetLangCombo);
    QVERIFY(m_tab->readSettings());
    QCOMPARE(language.count(), 1);
    QCOMPARE(language.first().first().toUInt(), 2u);
    QCOMPARE(m_tab->settings().record().delayMs, 120u);
    m_tab->onLangTranslation(3); // the user picks another language in this run
    QVERIFY(m_tab->closeFunction());

    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray after = file.readAll();
    SettingsRecord reread;
    QVERIFY(SettingsFile::load(path, reread));
    if (autoSave) {
        QCOMPARE(reread.language, 3u);
        QCOMPARE(reread.delayMs, 120u);
    } else {
        QCOMPARE(after, before);
    }
}

TARVOLINK_WIDGET_TEST_MAIN(TstTabWidget)

#include "tst_tabwidget.moc"
