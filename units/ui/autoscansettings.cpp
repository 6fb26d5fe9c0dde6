#include "autoscansettings.h"

#include "ipaddressvalidator.h"
#include "prompter.h"
#include "seriallinechoices.h"
#include "settingsrecord.h"
#include "vxcommmanageserialport.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSerialPortInfo>
#include <QVBoxLayout>

AutoScanSettings::AutoScanSettings(Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_prompter(prompter)
    , m_tcpGroup(new QGroupBox(this))
    , m_startCaption(new QLabel(m_tcpGroup))
    , m_endCaption(new QLabel(m_tcpGroup))
    , m_startIp(new QLineEdit(m_tcpGroup))
    , m_endIp(new QLineEdit(m_tcpGroup))
    , m_start(new QPushButton(this))
    , m_cancel(new QPushButton(this))
{
    setObjectName(QStringLiteral("autoScanSettings"));
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    auto *sides = new QHBoxLayout;
    layout->addLayout(sides);
    for (Serial s : { Rs232, Rs485 }) {
        buildSide(s);
        sides->addWidget(m_side[s].group);
    }
    auto *tcp = new QGridLayout(m_tcpGroup);
    for (QLineEdit *ip : { m_startIp, m_endIp }) {
        ip->setInputMask(QStringLiteral("000.000.000.000"));
        // Octet by octet: a whole-address check would refuse every digit typed into an empty field.
        ip->setValidator(new IpAddressValidator(ip));
    }
    tcp->addWidget(m_startCaption, 0, 0);
    tcp->addWidget(m_startIp, 0, 1);
    tcp->addWidget(m_endCaption, 1, 0);
    tcp->addWidget(m_endIp, 1, 1);
    layout->addWidget(m_tcpGroup);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_start);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
    m_start->setDefault(true);
    connect(m_start, &QPushButton::clicked, this, &AutoScanSettings::vxUISlotStartScanClicked);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    refreshPorts();
    onLangTranslation(0);
}

void AutoScanSettings::buildSide(Serial serial)
{
    Side &side = m_side[serial];
    side.group = new QGroupBox(this);
    side.ports = new QListWidget(side.group);
    side.baud = new QComboBox(side.group);
    side.parity = new QComboBox(side.group);
    side.units = new QLineEdit(side.group);
    side.typedPorts = new QLineEdit(side.group);
    side.typedPorts->setPlaceholderText(QStringLiteral("/dev/serial/by-id/..."));
    for (int rate : SerialLineChoices::baudRates)
        side.baud->addItem(QString::number(rate));
    for (const char *framing : SerialLineChoices::framings)
        side.parity->addItem(QString::fromLatin1(framing)); // keys of the file and the link: never translated
    // The line of a unit as it leaves the factory, as Add Unit offers it, until the settings say otherwise.
    const ScanSerialChoice factory;
    side.baud->setCurrentIndex(int(factory.baudChoice));
    side.parity->setCurrentIndex(int(factory.parityChoice));
    side.units->setValidator(
        new QRegularExpressionValidator(QRegularExpression(ScanRules::unitTextPattern()), side.units));
    auto *grid = new QGridLayout(side.group);
    QWidget *fields[5] = { side.ports, side.typedPorts, side.baud, side.parity, side.units };
    for (int i = 0; i < 5; ++i) {
        side.captions[i] = new QLabel(side.group);
        grid->addWidget(side.captions[i], i, 0);
        grid->addWidget(fields[i], i, 1);
    }
}

void AutoScanSettings::setPorts(const QStringList &ports)
{
    for (Serial s : { Rs232, Rs485 }) {
        const QStringList checked = checkedPorts(s);
        m_side[s].ports->clear();
        for (const QString &port : ports) {
            auto *item = new QListWidgetItem(port, m_side[s].ports);
            item->setToolTip(VxCommManageSerialPort::VxCommPortDescription(port));
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(checked.contains(port) ? Qt::Checked : Qt::Unchecked);
        }
    }
}

void AutoScanSettings::refreshPorts()
{
    setPorts(VxCommManageSerialPort::VxCommAvailablePorts());
}

void AutoScanSettings::setCheckedPorts(Serial serial, const QStringList &ports)
{
    QListWidget *list = m_side[serial].ports;
    QStringList unlisted = ports;
    for (int i = 0; i < list->count(); ++i) {
        const QString name = list->item(i)->text();
        list->item(i)->setCheckState(ports.contains(name) ? Qt::Checked : Qt::Unchecked);
        unlisted.removeAll(name);
    }
    m_side[serial].typedPorts->setText(unlisted.join(QLatin1Char(',')));
}

QStringList AutoScanSettings::checkedPorts(Serial serial) const
{
    QStringList ports;
    const QListWidget *list = m_side[serial].ports;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->checkState() == Qt::Checked)
            ports.append(list->item(i)->text());
    for (const QString &typed :
        m_side[serial].typedPorts->text().split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (!typed.trimmed().isEmpty() && !ports.contains(typed.trimmed()))
            ports.append(typed.trimmed());
    }
    return ports;
}

void AutoScanSettings::loadFrom(const SettingsRecord &r)
{
    const ScanSerialChoice *choices[2] = { &r.rs232Scan, &r.rs485Scan };
    const QString *ports[2] = { &r.rs232Ports, &r.rs485Ports };
    for (Serial s : { Rs232, Rs485 }) {
        Side &side = m_side[s];
        if (choices[s]->baudChoice < uint(side.baud->count()))
            side.baud->setCurrentIndex(int(choices[s]->baudChoice));
        if (choices[s]->parityChoice < uint(side.parity->count()))
            side.parity->setCurrentIndex(int(choices[s]->parityChoice));
        side.units->setText(choices[s]->unitNumbers);
        setCheckedPorts(s, ports[s]->split(QLatin1Char(','), Qt::SkipEmptyParts));
    }
    m_startIp->setText(r.tcpStartIp);
    m_endIp->setText(r.tcpEndIp);
}

void AutoScanSettings::storeIn(SettingsRecord &r) const
{
    ScanSerialChoice *choices[2] = { &r.rs232Scan, &r.rs485Scan };
    QString *ports[2] = { &r.rs232Ports, &r.rs485Ports };
    for (Serial s : { Rs232, Rs485 }) {
        choices[s]->baudChoice = uint(m_side[s].baud->currentIndex());
        choices[s]->parityChoice = uint(m_side[s].parity->currentIndex());
        choices[s]->unitNumbers = m_side[s].units->text();
        *ports[s] = checkedPorts(s).join(QLatin1Char(','));
    }
    r.tcpStartIp = m_startIp->text();
    r.tcpEndIp = m_endIp->text();
}

void AutoScanSettings::vxUISlotStartScanClicked()
{
    ScanRules::ScanForm form;
    form.rs232Ports = checkedPorts(Rs232);
    form.rs485Ports = checkedPorts(Rs485);
    form.rs232Units = m_side[Rs232].units->text();
    form.rs485Units = m_side[Rs485].units->text();
    form.startIp = m_startIp->text();
    form.endIp = m_endIp->text();
    rs232InfoForAutoScan rs232;
    rs485InfoForAutoScan rs485;
    ethernetInfoForAutoScan range;
    const QString fault = ScanRules::validateForm(form, &rs232.units, &rs485.units, &range);
    if (!fault.isEmpty()) {
        m_prompter.information(this, tr("Information"), fault);
        return;
    }
    rs232.ports = form.rs232Ports;
    rs232.baudrate = m_side[Rs232].baud->currentText().toInt();
    rs232.parity = m_side[Rs232].parity->currentText();
    rs485.ports = form.rs485Ports;
    rs485.baudrate = m_side[Rs485].baud->currentText().toInt();
    rs485.parity = m_side[Rs485].parity->currentText();
    accept();
    emit vxUISigStartScanClicked(rs232, rs485, range);
}

void AutoScanSettings::onLangTranslation(int)
{
    setWindowTitle(tr("Auto Scan Settings"));
    m_side[Rs232].group->setTitle(tr("RS232"));
    m_side[Rs485].group->setTitle(tr("RS485"));
    m_tcpGroup->setTitle(tr("TCP/IP"));
    for (Side &side : m_side) {
        side.captions[0]->setText(tr("Ports"));
        side.captions[1]->setText(tr("Other port"));
        side.captions[2]->setText(tr("Baudrate"));
        side.captions[3]->setText(tr("Parity"));
        side.captions[4]->setText(tr("Units"));
    }
    m_startCaption->setText(tr("Start IP:"));
    m_endCaption->setText(tr("End IP:"));
    m_start->setText(tr("Start Scan"));
    m_cancel->setText(tr("Cancel"));
}
