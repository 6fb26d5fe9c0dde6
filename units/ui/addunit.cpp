#include "addunit.h"

#include "apppaths.h"
#include "ipaddressvalidator.h"
#include "prompter.h"
#include "seriallinechoices.h"
#include "vxcommmanageserialport.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const int defaultBaudIndex = 2; // 9600

} // namespace

addunit::addunit(Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_prompter(prompter)
    , m_portLister(&addunit::availableSerialPorts)
    , m_pages(new QTabWidget(this))
{
    setObjectName(QStringLiteral("addunit"));
    m_serial[0] = buildSerialPage();
    m_serial[1] = buildSerialPage();
    m_pages->addTab(m_serial[0].page, QString());
    m_pages->addTab(m_serial[1].page, QString());
    m_pages->addTab(buildTcpIpPage(), QString());

    m_connect = new QPushButton(this);
    m_cancel = new QPushButton(this);
    m_connect->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_connect);
    buttons->addWidget(m_cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(buildDataFileBox());
    layout->addLayout(buttons);

    connect(m_connect, &QPushButton::clicked, this, &addunit::onConnectClicked);
    connect(m_cancel, &QPushButton::clicked, this, &addunit::onCancelClicked);
    connect(m_browse, &QPushButton::clicked, this, &addunit::onDataFileSelectClicked);
    connect(m_automatic, &QRadioButton::toggled, this, &addunit::onDataFileModeChanged);
    connect(this, &QDialog::finished, this, &addunit::bringAppToForeGround);

    retranslateUi();
    reset();
}

QLineEdit *addunit::newUnitEdit(QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    // Digits only; the 1..255 range is the controller's to check, so "0" or "256" still gets through
    // and is refused there with its own message.
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    edit->setMaxLength(3);
    return edit;
}

addunit::SerialPage addunit::buildSerialPage()
{
    SerialPage p;
    p.page = new QWidget(m_pages);
    auto *form = new QFormLayout(p.page);
    p.unitLabel = new QLabel(p.page);
    p.unit = newUnitEdit(p.page);
    p.portLabel = new QLabel(p.page);
    p.port = new QComboBox(p.page);
    // Besides the ports found, a device path can be typed: adapters named by udev links
    // (/dev/serial/by-id/...) and pseudo-terminals are not always enumerated.
    p.port->setEditable(true);
    p.baudLabel = new QLabel(p.page);
    p.baud = new QComboBox(p.page);
    for (int rate : SerialLineChoices::baudRates)
        p.baud->addItem(QString::number(rate));
    p.parityLabel = new QLabel(p.page);
    p.parity = new QComboBox(p.page);
    for (const char *parity : SerialLineChoices::framings)
        p.parity->addItem(QLatin1String(parity));
    form->addRow(p.unitLabel, p.unit);
    form->addRow(p.portLabel, p.port);
    form->addRow(p.baudLabel, p.baud);
    form->addRow(p.parityLabel, p.parity);
    return p;
}

QWidget *addunit::buildTcpIpPage()
{
    auto *page = new QWidget(m_pages);
    auto *form = new QFormLayout(page);
    m_tcpUnitLabel = new QLabel(page);
    m_tcpUnit = newUnitEdit(page);
    m_ipLabel = new QLabel(page);
    m_ipEdit = new QLineEdit(page);
    m_ipEdit->setInputMask(QStringLiteral("000.000.000.000"));
    m_ipEdit->setValidator(new IpAddressValidator(m_ipEdit));
    form->addRow(m_tcpUnitLabel, m_tcpUnit);
    form->addRow(m_ipLabel, m_ipEdit);
    return page;
}

QWidget *addunit::buildDataFileBox()
{
    m_dataFileBox = new QGroupBox(this);
    m_automatic = new QRadioButton(m_dataFileBox);
    m_manual = new QRadioButton(m_dataFileBox);
    m_dataFileGroup = new QButtonGroup(this);
    m_dataFileGroup->addButton(m_automatic, AutomaticFile);
    m_dataFileGroup->addButton(m_manual, ManualFile);
    m_browse = new QPushButton(m_dataFileBox);
    m_filePath = new QLineEdit(m_dataFileBox);
    m_filePath->setReadOnly(true);
    auto *grid = new QGridLayout(m_dataFileBox);
    grid->addWidget(m_automatic, 0, 0);
    grid->addWidget(m_manual, 1, 0);
    grid->addWidget(m_browse, 1, 1);
    grid->addWidget(m_filePath, 2, 0, 1, 2);
    return m_dataFileBox;
}

QStringList addunit::availableSerialPorts()
{
    return VxCommManageSerialPort::VxCommAvailablePorts();
}

void addunit::setPortLister(std::function<QStringList()> lister)
{
    m_portLister = lister ? std::move(lister) : std::function<QStringList()>(&addunit::availableSerialPorts);
}

void addunit::setPortList(const QStringList &ports)
{
    for (SerialPage &p : m_serial) {
        const QString chosen = p.port->currentText();
        p.port->clear();
        for (const QString &port : ports) {
            p.port->addItem(port);
            p.port->setItemData(
                p.port->count() - 1, VxCommManageSerialPort::VxCommPortDescription(port), Qt::ToolTipRole);
        }
        const int keep = p.port->findText(chosen);
        if (keep >= 0)
            p.port->setCurrentIndex(keep);
    }
}

void addunit::refreshPorts()
{
    setPortList(m_portLister());
}

void addunit::enableConnectButtons()
{
    m_connect->setEnabled(true);
    m_cancel->setEnabled(true);
}

void addunit::reset()
{
    for (SerialPage &p : m_serial) {
        p.unit->setText(QStringLiteral("1"));
        p.baud->setCurrentIndex(defaultBaudIndex);
        p.parity->setCurrentIndex(0);
    }
    m_tcpUnit->setText(QStringLiteral("1"));
    resetDataFileSelection();
    enableConnectButtons();
}

QString addunit::interfaceName(int page)
{
    switch (page) {
    case RS232Page:
        return QStringLiteral("RS232");
    case RS485Page:
        return QStringLiteral("RS485");
    case TcpIpPage:
        return QStringLiteral("TCPIP");
    default:
        return QString();
    }
}

QLineEdit *addunit::unitEdit(int page) const
{
    if (page == TcpIpPage)
        return m_tcpUnit;
    return (page == RS232Page || page == RS485Page) ? m_serial[page].unit : nullptr;
}

QComboBox *addunit::portCombo(int page) const
{
    return (page == RS232Page || page == RS485Page) ? m_serial[page].port : nullptr;
}

QComboBox *addunit::baudCombo(int page) const
{
    return (page == RS232Page || page == RS485Page) ? m_serial[page].baud : nullptr;
}

QComboBox *addunit::parityCombo(int page) const
{
    return (page == RS232Page || page == RS485Page) ? m_serial[page].parity : nullptr;
}

void addunit::onConnectClicked()
{
    const int page = m_pages->currentIndex();
    if (page == TcpIpPage && !IpAddressValidator::isComplete(m_ipEdit->text())) {
        m_prompter.information(this, tr("Information"), tr("Please provide valid TCP/IP range"));
        return;
    }
    QLineEdit *unit = unitEdit(page);
    if (!unit || unit->text().isEmpty()) {
        m_prompter.critical(this, tr("Error"), tr("Please provide required configuration details"));
        return;
    }

    // The controller checks both unit numbers whatever the interface; the number of the page not
    // shown mirrors the one the user typed, so a field the user cannot see never refuses a unit.
    const int number = unit->text().toInt();
    QString port;
    QString parity;
    QString ip;
    int baud = 0;
    if (page == TcpIpPage) {
        ip = IpAddressValidator::normalized(m_ipEdit->text());
    } else {
        const SerialPage &p = m_serial[page];
        port = p.port->currentText();
        baud = p.baud->currentText().toInt();
        parity = p.parity->currentText();
    }
    const int mode = m_manual->isChecked() ? ManualFile : AutomaticFile;
    const QString path = mode == ManualFile ? m_filePath->text() : QString();

    // Disabled until the controller reports the attempt ended, so one click starts one connect.
    m_connect->setEnabled(false);
    m_cancel->setEnabled(false);
    emit vxUISigAddUnitClicked(number, port, baud, parity, number, ip, interfaceName(page), mode, path);
}

void addunit::onCancelClicked()
{
    reject();
}

void addunit::resetDataFileSelection()
{
    m_automatic->setChecked(true);
    m_filePath->clear();
    onDataFileModeChanged();
}

void addunit::onDataFileSelectClicked()
{
    const QString file
        = m_prompter.openFileName(this, tr("Open File"), AppPaths::csvDir(), tr("csv File(*.csv)"));
    if (!file.isEmpty())
        m_filePath->setText(file);
}

void addunit::onDataFileModeChanged()
{
    const bool manual = m_manual->isChecked();
    m_browse->setEnabled(manual);
    m_filePath->setEnabled(manual);
}

void addunit::onLangTranslation(int)
{
    retranslateUi();
}

void addunit::retranslateUi()
{
    setWindowTitle(tr("Add Units"));
    m_pages->setTabText(RS232Page, tr("RS232"));
    m_pages->setTabText(RS485Page, tr("RS485"));
    m_pages->setTabText(TcpIpPage, tr("TCP/IP"));
    for (SerialPage &p : m_serial) {
        p.unitLabel->setText(tr("Unit"));
        p.portLabel->setText(tr("Port"));
        p.baudLabel->setText(tr("Baudrate"));
        p.parityLabel->setText(tr("Parity"));
    }
    m_tcpUnitLabel->setText(tr("Unit"));
    m_ipLabel->setText(tr("IP Address"));
    m_dataFileBox->setTitle(tr("Data File Selection"));
    m_automatic->setText(tr("Automatic"));
    m_manual->setText(tr("Manual"));
    m_browse->setText(tr("Browse"));
    m_connect->setText(tr("Connect"));
    m_cancel->setText(tr("Cancel"));
}
