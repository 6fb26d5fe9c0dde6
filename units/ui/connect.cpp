#include "connect.h"

#include "addunit.h"
#include "unitentryfields.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace F = UnitEntryField;

Connect::Connect(Prompter &prompter, QWidget *parent)
    : QWidget(parent)
    , m_addUnit(new addunit(prompter, this))
    , m_title(new QLabel(this))
    , m_connectBtn(new QPushButton(this))
    , m_removeBtn(new QPushButton(this))
{
    setObjectName(QStringLiteral("Connect"));
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);

    auto *grid = new QGridLayout;
    for (int i = 0; i < RowCount; ++i) {
        m_rows[i].name = new QLabel(this);
        m_rows[i].value = new QLabel(this);
        m_rows[i].value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(m_rows[i].name, i, 0);
        grid->addWidget(m_rows[i].value, i, 1);
    }
    grid->setColumnStretch(1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_connectBtn);
    buttons->addWidget(m_removeBtn);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->addStretch();

    connect(m_connectBtn, &QPushButton::clicked, this, &Connect::onConnectBtnClicked);
    connect(m_removeBtn, &QPushButton::clicked, this, &Connect::onRemoveBtnClicked);
    connect(m_addUnit, &addunit::vxUISigAddUnitClicked, this, &Connect::vxUISigAddUnitClicked);
    connect(m_addUnit, &addunit::bringAppToForeGround, this, &Connect::bringAppToForeGround);
    connect(m_addUnit, &QDialog::finished, this, &Connect::onAddunitsClosed);
    connect(this, &Connect::langTranslation, m_addUnit, &addunit::onLangTranslation);

    retranslateUi();
    // The panel keeps the height of its fullest form (a serial unit), so the unit lists above
    // keep theirs whichever unit is shown; unused rows leave their room at the bottom.
    for (Row &row : m_rows) {
        row.name->setText(QStringLiteral("X"));
        row.value->setText(QStringLiteral("X"));
    }
    setMinimumHeight(sizeHint().height());
    retranslateUi();
    vxUISlotDisplayUnitDetails(QStringList());
}

void Connect::showAddUnitDialog()
{
    emit vxUISigAddPorts();
    m_addUnit->refreshPorts();
    // Modal, but shown rather than exec()'d: the controller's answer arrives through the event loop
    // and must be able to enable the dialog's buttons again.
    m_addUnit->setWindowModality(Qt::ApplicationModal);
    m_addUnit->show();
    m_addUnit->raise();
    m_addUnit->activateWindow();
}

void Connect::closeAddUnitDialog()
{
    m_addUnit->accept();
}

void Connect::enableAddUnitButtons()
{
    m_addUnit->enableConnectButtons();
}

void Connect::reset()
{
    vxUISlotDisplayUnitDetails(QStringList());
    m_addUnit->reset();
}

bool Connect::isRowShown(DetailRow row) const
{
    return !m_rows[row].value->isHidden();
}

QString Connect::titleFor(const QString &interfaceName)
{
    if (interfaceName == F::rs232())
        return tr("RS232 Unit Details");
    if (interfaceName == F::rs485())
        return tr("RS485 Unit Details");
    if (interfaceName == F::tcpIp())
        return tr("TCP/IP Unit Details");
    if (interfaceName == F::file())
        return tr("File Unit Details");
    return QString();
}

QString Connect::sizeText(const QStringList &entry)
{
    // Identification names a unit by its drive size followed by " (unit)" or " (*.octet)"; the
    // size is the name without that last bracket.
    static const QRegularExpression suffix(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    QString name = F::at(entry, F::Name);
    name.remove(suffix);
    return name.trimmed();
}

QString Connect::fileBaseName(const QString &path)
{
    // Paths may carry either separator: device description files are named the same on every system.
    const int cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}

void Connect::showRows(const QString &interfaceName)
{
    const bool serial = interfaceName == F::rs232() || interfaceName == F::rs485();
    const bool tcp = interfaceName == F::tcpIp();
    const bool any = serial || tcp || interfaceName == F::file();
    const bool shown[RowCount] = { any, serial, serial, serial, any, any, any, tcp };
    for (int i = 0; i < RowCount; ++i) {
        m_rows[i].name->setHidden(!shown[i]);
        m_rows[i].value->setHidden(!shown[i]);
    }
}

void Connect::vxUISlotDisplayUnitDetails(QStringList entry)
{
    m_entry = entry;
    const QString iface = F::at(entry, F::Interface);
    m_title->setText(titleFor(iface));
    showRows(iface);

    const bool isFile = iface == F::file();
    QString unit = F::at(entry, F::Number);
    if (isFile) {
        unit = F::at(entry, F::FileDisplayName);
        if (unit.isEmpty())
            unit = F::at(entry, F::Name);
    }
    m_rows[UnitRow].value->setText(unit);
    m_rows[PortRow].value->setText(F::at(entry, F::Port));
    m_rows[BaudrateRow].value->setText(F::at(entry, F::Baudrate));
    m_rows[ParityRow].value->setText(F::at(entry, F::Parity));
    m_rows[SizeRow].value->setText(sizeText(entry));
    m_rows[SwVersionRow].value->setText(F::at(entry, F::Version));
    m_rows[CsvVersionRow].value->setText(fileBaseName(F::at(entry, F::DeviceFile)));
    m_rows[CsvVersionRow].name->setText(fileRowCaption());
    m_rows[IpRow].value->setText(F::at(entry, F::IpAddress));
    updateButtons();
}

QString Connect::fileRowCaption() const
{
    // A set opened from a file shows that file; units and new sets show their description file.
    const bool datFile = F::at(m_entry, F::Interface) == F::file()
        && F::at(m_entry, F::DeviceFile).endsWith(QLatin1String(".dat"), Qt::CaseInsensitive);
    return datFile ? tr("Data File") : tr("CSV Version Used");
}

void Connect::vxUISlotUnitStatusChanged(QStringList entry)
{
    if (!m_entry.isEmpty() && F::sameUnit(m_entry, entry))
        setUnitState(F::at(entry, F::State));
}

void Connect::setUnitState(const QString &state)
{
    if (m_entry.isEmpty())
        return;
    while (m_entry.size() <= F::State)
        m_entry << QString();
    m_entry[F::State] = state;
    updateButtons();
}

void Connect::updateButtons()
{
    const QString iface = F::at(m_entry, F::Interface);
    const bool onLink = iface == F::rs232() || iface == F::rs485() || iface == F::tcpIp();
    // A parameter set from file has no link to break or make; it can only be removed.
    m_connectBtn->setHidden(iface == F::file());
    m_connectBtn->setEnabled(onLink);
    m_removeBtn->setEnabled(!m_entry.isEmpty());
    m_connectBtn->setText(F::at(m_entry, F::State) == F::connected() ? tr("Disconnect") : tr("Connect"));
}

void Connect::onConnectBtnClicked()
{
    if (m_entry.isEmpty())
        return;
    emit vxUISigUnitDisconnectClicked(m_connectBtn->text(), m_entry);
}

void Connect::onRemoveBtnClicked()
{
    if (m_entry.isEmpty())
        return;
    emit vxUISigUnitRemoveClicked(m_entry, false);
}

void Connect::onAddunitsClosed()
{
    // A file picked by hand belongs to the unit it was picked for; the next unit starts automatic.
    m_addUnit->resetDataFileSelection();
}

void Connect::onDataFileSelectClicked()
{
    m_addUnit->onDataFileSelectClicked();
}

void Connect::onLangTranslation(int index)
{
    retranslateUi();
    emit langTranslation(index);
}

void Connect::retranslateUi()
{
    static const char *const names[RowCount] = { QT_TR_NOOP("Unit"), QT_TR_NOOP("Port"),
        QT_TR_NOOP("Baudrate"), QT_TR_NOOP("Parity"), QT_TR_NOOP("Size"), QT_TR_NOOP("Drive SW Version"),
        QT_TR_NOOP("CSV Version Used"), QT_TR_NOOP("IP Addr") };
    for (int i = 0; i < RowCount; ++i)
        m_rows[i].name->setText(tr(names[i]));
    m_title->setText(titleFor(F::at(m_entry, F::Interface)));
    m_rows[CsvVersionRow].name->setText(fileRowCaption());
    m_removeBtn->setText(tr("Remove"));
    updateButtons();
}
