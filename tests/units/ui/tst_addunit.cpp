#include "addunit.h"
#include "apppaths.h"
#include "ipaddressvalidator.h"
#include "prefixtranslator.h"
#include "promptedtest.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

// The add-unit dialog is the only place a unit's link settings are typed by hand: a request that
// goes out with a wrong field connects the wrong port or address, and one that goes out twice
// starts two connects.
class TestAddUnit : public PromptedTest
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void emptyUnitFieldIsRefusedOnEveryPage_data();
    void emptyUnitFieldIsRefusedOnEveryPage();
    void requestCarriesExactlyTheTypedSettings_data();
    void requestCarriesExactlyTheTypedSettings();
    void cancelledBrowseKeepsNoFileAndAutomaticSendsNoPath();
    void ipAddressIsCheckedOctetByOctet_data();
    void ipAddressIsCheckedOctetByOctet();
    void portRefreshKeepsChoiceWhenPortStillPresent();
    void everyTextIsSetAgainOnLanguageChange();

private:
    addunit *m_dialog = nullptr;
};

using Args = QList<QVariant>;

void TestAddUnit::init()
{
    m_dialog = new addunit(prompter);
    m_dialog->setPortList({ "ttyS0", "ttyUSB1" });
}

void TestAddUnit::cleanup()
{
    delete m_dialog;
    verifyPrompts();
}

void TestAddUnit::emptyUnitFieldIsRefusedOnEveryPage_data()
{
    QTest::addColumn<int>("page");
    QTest::newRow("RS232") << int(addunit::RS232Page);
    QTest::newRow("RS485") << int(addunit::RS485Page);
    QTest::newRow("TCP/IP") << int(addunit::TcpIpPage);
}

void TestAddUnit::emptyUnitFieldIsRefusedOnEveryPage()
{
    QFETCH(int, page);
    QSignalSpy spy(m_dialog, &addunit::vxUISigAddUnitClicked);
    m_dialog->pages()->setCurrentIndex(page);
    m_dialog->ipEdit()->setText("10.0.0.1");
    m_dialog->unitEdit(page)->clear();
    prompter.expectCritical("Please provide required configuration details", "Error");
    QTest::mouseClick(m_dialog->connectButton(), Qt::LeftButton);
    QCOMPARE(spy.count(), 0);
    // A refused request must leave the dialog usable.
    QVERIFY(m_dialog->connectButton()->isEnabled());
}

void TestAddUnit::requestCarriesExactlyTheTypedSettings_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("baud");
    QTest::addColumn<QString>("parity");
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("browsed"); // empty: automatic data file
    QTest::addColumn<Args>("expected");

    const auto row = [](const char *name, int page, const char *unit, const char *port, const char *baud,
                         const char *parity, const char *ip, const QString &browsed, const Args &expected) {
        QTest::newRow(name) << page << unit << port << baud << parity << ip << browsed << expected;
    };
    const QString file = "/data/csv_file/DRIVE_V2.csv";
    row("RS485 manual file", addunit::RS485Page, "7", "ttyUSB1", "19200", "E,8,1", "", file,
        { 7, "ttyUSB1", 19200, "E,8,1", 7, "", "RS485", 2, file });
    row("TCP/IP automatic", addunit::TcpIpPage, "12", "", "", "", "192.168.1.20", "",
        { 12, "", 0, "", 12, "192.168.1.20", "TCPIP", 1, "" });
    // Leading zeros are dropped: "010" would be read as octal by some resolvers, and the controller's
    // duplicate check compares texts.
    row("TCP/IP leading zeros", addunit::TcpIpPage, "3", "", "", "", "010.001.000.099", "",
        { 3, "", 0, "", 3, "10.1.0.99", "TCPIP", 1, "" });
    row("RS232 defaults", addunit::RS232Page, "1", "ttyS0", "", "", "", "",
        { 1, "ttyS0", 9600, "N,8,1", 1, "", "RS232", 1, "" });
}

void TestAddUnit::requestCarriesExactlyTheTypedSettings()
{
    QFETCH(int, page);
    QFETCH(QString, unit);
    QFETCH(QString, port);
    QFETCH(QString, baud);
    QFETCH(QString, parity);
    QFETCH(QString, ip);
    QFETCH(QString, browsed);
    QFETCH(Args, expected);

    // The pages the user does not send must not leak into the request.
    m_dialog->unitEdit(addunit::RS232Page)->setText("99");
    m_dialog->unitEdit(addunit::RS485Page)->setText("98");
    m_dialog->unitEdit(addunit::TcpIpPage)->clear();
    m_dialog->ipEdit()->setText("172.16.0.9");

    m_dialog->pages()->setCurrentIndex(page);
    m_dialog->unitEdit(page)->setText(unit);
    if (page == addunit::TcpIpPage) {
        m_dialog->ipEdit()->setText(ip);
    } else {
        m_dialog->portCombo(page)->setCurrentText(port);
        if (!baud.isEmpty())
            m_dialog->baudCombo(page)->setCurrentText(baud);
        if (!parity.isEmpty())
            m_dialog->parityCombo(page)->setCurrentText(parity);
    }
    if (!browsed.isEmpty()) {
        m_dialog->manualButton()->setChecked(true);
        prompter.expectOpenFile(browsed);
        QTest::mouseClick(m_dialog->browseButton(), Qt::LeftButton);
    }

    QSignalSpy spy(m_dialog, &addunit::vxUISigAddUnitClicked);
    QTest::mouseClick(m_dialog->connectButton(), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first(), expected);
}

void TestAddUnit::cancelledBrowseKeepsNoFileAndAutomaticSendsNoPath()
{
    QSignalSpy spy(m_dialog, &addunit::vxUISigAddUnitClicked);
    m_dialog->manualButton()->setChecked(true);
    prompter.expectOpenFile(QString());
    m_dialog->onDataFileSelectClicked();
    // "Manual" without a file still goes out: the controller answers it with its own message.
    m_dialog->onConnectClicked();

    m_dialog->enableConnectButtons();
    prompter.expectOpenFile("/x/A.csv");
    m_dialog->onDataFileSelectClicked();
    m_dialog->automaticButton()->setChecked(true);
    QVERIFY(!m_dialog->browseButton()->isEnabled());
    m_dialog->onConnectClicked();

    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).mid(7), (Args { 2, QString() }));
    QCOMPARE(spy.at(1).mid(7), (Args { 1, QString() }));
}

void TestAddUnit::ipAddressIsCheckedOctetByOctet_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("state");
    const int ok = QValidator::Acceptable, partial = QValidator::Intermediate, bad = QValidator::Invalid;
    QTest::newRow("complete") << "192.168.1.1" << ok;
    QTest::newRow("complete with mask blanks") << "10 .0  .0  .255" << ok;
    QTest::newRow("blank mask") << "   .   .   .   " << partial;
    QTest::newRow("last octet missing") << "192.168.1." << partial;
    QTest::newRow("octet above 255") << "300.1.1.1" << bad;
}

void TestAddUnit::ipAddressIsCheckedOctetByOctet()
{
    QFETCH(QString, text);
    QFETCH(int, state);
    IpAddressValidator v;
    int pos = 0;
    QString input = text;
    QCOMPARE(int(v.validate(input, pos)), state);
    QCOMPARE(input, text); // never rewrites the masked text

    // In the dialog: anything short of a complete address is refused, and before the unit field
    // is looked at (left empty here for the refused ones).
    const bool complete = state == QValidator::Acceptable;
    QSignalSpy spy(m_dialog, &addunit::vxUISigAddUnitClicked);
    m_dialog->pages()->setCurrentIndex(addunit::TcpIpPage);
    m_dialog->ipEdit()->setText(text);
    m_dialog->unitEdit(addunit::TcpIpPage)->setText(complete ? "1" : "");
    if (!complete)
        prompter.expectInformation("Please provide valid TCP/IP range", "Information");
    m_dialog->onConnectClicked();
    QCOMPARE(prompter.pending(), 0);
    QCOMPARE(spy.count(), complete ? 1 : 0);
}

void TestAddUnit::portRefreshKeepsChoiceWhenPortStillPresent()
{
    QStringList present { "ttyACM0", "ttyUSB1" };
    m_dialog->setPortLister([&present] { return present; });
    m_dialog->portCombo(addunit::RS232Page)->setCurrentText("ttyUSB1");
    m_dialog->portCombo(addunit::RS485Page)->setCurrentText("ttyS0");
    m_dialog->refreshPorts();
    QCOMPARE(m_dialog->portCombo(addunit::RS232Page)->currentText(), QString("ttyUSB1"));
    // The RS485 choice is gone: the first port present is offered instead of an empty name.
    QCOMPARE(m_dialog->portCombo(addunit::RS485Page)->currentText(), QString("ttyACM0"));
}

void TestAddUnit::everyTextIsSetAgainOnLanguageChange()
{
    PrefixTranslator translator("#");
    QCoreApplication::installTranslator(&translator);
    m_dialog->onLangTranslation(1);
    const auto labels = m_dialog->findChildren<QLabel *>();
    for (const QLabel *label : labels)
        QVERIFY2(label->text().startsWith('#'), qPrintable(label->text()));
    // The interface names sent to the controller never follow the language.
    QSignalSpy spy(m_dialog, &addunit::vxUISigAddUnitClicked);
    m_dialog->pages()->setCurrentIndex(addunit::RS485Page);
    m_dialog->onConnectClicked();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().at(6).toString(), QString("RS485"));
}

QTEST_MAIN(TestAddUnit)
#include "tst_addunit.moc"
