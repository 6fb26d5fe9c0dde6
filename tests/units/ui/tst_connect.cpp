#include "addunit.h"
#include "connect.h"
#include "prefixtranslator.h"
#include "promptedtest.h"
#include "unitentryfields.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace F = UnitEntryField;

// The details panel is where a unit is disconnected, reconnected and removed: its buttons must name
// the right action for the unit's state and hand the controller the entry of the unit shown.
class TestConnect : public PromptedTest
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void panelShowsUnitByInterfaceAndState_data();
    void panelShowsUnitByInterfaceAndState();
    void statusChangeOfShownUnitOnlyFlipsButtonAndRemovedUnitSendsNothing();
    void addUnitDialogIsOpenedWithoutBlockingAndForwarded();
    void languageChangeReachesPanelAndDialog();

private:
    Connect *m_panel = nullptr;
};

static QStringList entry(const QString &iface, const QString &state)
{
    QStringList e = QVector<QString>(F::Count).toList();
    e[F::Number] = "3";
    e[F::Name] = "RVN 5.5kW (3)";
    e[F::State] = state;
    e[F::Interface] = iface;
    if (iface == "TCPIP") {
        e[F::Name] = "RVN 5.5kW (*.40)";
        e[F::IpAddress] = "192.168.0.40";
    } else {
        e[F::Port] = "ttyUSB0";
        e[F::Baudrate] = "19200";
        e[F::Parity] = "E,8,1";
    }
    e[F::DeviceFile] = "C:\\Tarvolink\\csv_file\\RVNV2.10.csv";
    e[F::Version] = "V2.10";
    return e;
}

void TestConnect::init()
{
    m_panel = new Connect(prompter);
}

void TestConnect::cleanup()
{
    delete m_panel;
    verifyPrompts();
}

void TestConnect::panelShowsUnitByInterfaceAndState_data()
{
    QTest::addColumn<QStringList>("entry");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("shown"); // values of the shown rows, in row order; "-" for hidden
    const auto row
        = [](const char *name, const QStringList &entry, const char *title, const char *button,
              const QStringList &shown) { QTest::newRow(name) << entry << title << button << shown; };
    const QStringList serial { "3", "ttyUSB0", "19200", "E,8,1", "RVN 5.5kW", "V2.10", "RVNV2.10.csv", "-" };
    const QStringList tcp { "3", "-", "-", "-", "RVN 5.5kW", "V2.10", "RVNV2.10.csv", "192.168.0.40" };
    row("RS232 connected", entry("RS232", "connect"), "RS232 Unit Details", "Disconnect", serial);
    row("RS485 disconnected", entry("RS485", "disconnect"), "RS485 Unit Details", "Connect", serial);
    row("TCP/IP connected", entry("TCPIP", "connect"), "TCP/IP Unit Details", "Disconnect", tcp);
    QStringList file = entry("FILE", "");
    file[F::Number] = file[F::Port] = file[F::Baudrate] = file[F::Parity] = QString();
    file[F::Name] = "RVN 4kW";
    file[F::DeviceFile] = "/home/eng/sets/pump.dat";
    file[F::Version] = "V1.01";
    file[F::FileDisplayName] = "RVN 4kW : pump";
    row("file set", file, "File Unit Details", "",
        { "RVN 4kW : pump", "-", "-", "-", "RVN 4kW", "V1.01", "pump.dat", "-" });
}

void TestConnect::panelShowsUnitByInterfaceAndState()
{
    QFETCH(QStringList, entry);
    QFETCH(QString, title);
    QFETCH(QString, button);
    QFETCH(QStringList, shown);
    m_panel->vxUISlotDisplayUnitDetails(entry);
    if (button.isEmpty()) {
        QVERIFY(m_panel->connectButton()->isHidden()); // a file set has no link
    } else {
        QVERIFY(!m_panel->connectButton()->isHidden());
        QCOMPARE(m_panel->connectButton()->text(), button);
    }
    for (int row = 0; row < Connect::RowCount; ++row) {
        const auto r = static_cast<Connect::DetailRow>(row);
        if (shown.at(row) == "-") {
            QVERIFY2(!m_panel->isRowShown(r), qPrintable(QString::number(row)));
        } else {
            QVERIFY2(m_panel->isRowShown(r), qPrintable(QString::number(row)));
            QCOMPARE(m_panel->valueLabel(r)->text(), shown.at(row));
        }
    }
    // A set opened from a file names its data file.
    QCOMPARE(m_panel->nameLabel(Connect::CsvVersionRow)->text(),
        button.isEmpty() ? QStringLiteral("Data File") : QStringLiteral("CSV Version Used"));
}

void TestConnect::statusChangeOfShownUnitOnlyFlipsButtonAndRemovedUnitSendsNothing()
{
    QSignalSpy disconnectSpy(m_panel, &Connect::vxUISigUnitDisconnectClicked);
    QSignalSpy removeSpy(m_panel, &Connect::vxUISigUnitRemoveClicked);
    m_panel->vxUISlotDisplayUnitDetails(entry("RS232", "connect"));
    QStringList otherPort = entry("RS232", "disconnect");
    otherPort[F::Port] = "ttyUSB1";
    m_panel->vxUISlotUnitStatusChanged(otherPort);
    m_panel->vxUISlotUnitStatusChanged(entry("RS485", "disconnect"));
    QCOMPARE(m_panel->connectButton()->text(), QString("Disconnect"));

    m_panel->vxUISlotUnitStatusChanged(entry("RS232", "disconnect"));
    QCOMPARE(m_panel->connectButton()->text(), QString("Connect"));

    m_panel->reset(); // the unit was removed
    m_panel->onConnectBtnClicked();
    m_panel->onRemoveBtnClicked();
    m_panel->setUnitState("connect");
    QCOMPARE(disconnectSpy.count(), 0);
    QCOMPARE(removeSpy.count(), 0);
}

void TestConnect::addUnitDialogIsOpenedWithoutBlockingAndForwarded()
{
    addunit *dialog = m_panel->addUnitDialog();
    dialog->setPortLister([] { return QStringList { "ttyACM3" }; });
    QSignalSpy ports(m_panel, &Connect::vxUISigAddPorts);
    QSignalSpy request(m_panel, &Connect::vxUISigAddUnitClicked);
    QSignalSpy raise(m_panel, &Connect::bringAppToForeGround);

    m_panel->showAddUnitDialog(); // returns at once: the dialog is shown, not exec()'d
    QVERIFY(dialog->isVisible());
    QCOMPARE(ports.count(), 1);

    dialog->manualButton()->setChecked(true);
    prompter.expectOpenFile("/tmp/RVNV2.10.csv");
    m_panel->onDataFileSelectClicked();
    QTest::mouseClick(dialog->connectButton(), Qt::LeftButton);
    QCOMPARE(request.count(), 1);
    QCOMPARE(request.at(0).at(8).toString(), QString("/tmp/RVNV2.10.csv"));
    QVERIFY(!dialog->connectButton()->isEnabled());
    m_panel->enableAddUnitButtons();

    // Cancel closes it, raises the main window, and the hand-picked file is not offered to the next unit.
    QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(raise.count(), 1);
    QCOMPARE(dialog->filePathEdit()->text(), QString());
}

void TestConnect::languageChangeReachesPanelAndDialog()
{
    m_panel->vxUISlotDisplayUnitDetails(entry("RS485", "disconnect"));
    PrefixTranslator translator("#");
    QCoreApplication::installTranslator(&translator);
    m_panel->onLangTranslation(4);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(m_panel->titleLabel()->text(), QString("#RS485 Unit Details"));
    QCOMPARE(m_panel->valueLabel(Connect::PortRow)->text(), QString("ttyUSB0")); // data, not a text
    QCOMPARE(m_panel->addUnitDialog()->windowTitle(), QString("#Add Units"));
}

QTEST_MAIN(TestConnect)
#include "tst_connect.moc"
