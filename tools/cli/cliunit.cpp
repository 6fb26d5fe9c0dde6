#include "cliunit.h"

#include "devicefiles.h"
#include "treemodel.h"
#include "unitentryfields.h"
#include "vxcommidentify.h"
#include "vxcommmodbusmaster.h"

#include <QFileInfo>

CliUnit::CliUnit(const CliOptions &options, const UnitTarget &target)
    : m_options(options)
    , m_target(target)
{ }

CliUnit::~CliUnit()
{
    if (m_master)
        m_master->VxCommCloseLink();
}

bool CliUnit::connect()
{
    if (m_target.kind == UnitTarget::Tcp) {
        m_master = std::make_unique<VxCommModbusMaster>(3);
        if (!m_master->VxCommConnectTcpLink(m_target.address, m_target.port)) {
            m_status = -4;
            m_message = VxCommIdentify::identificationMessage(m_status);
            return false;
        }
    } else {
        m_master = std::make_unique<VxCommModbusMaster>(1);
        if (m_master->VxCommOpenSerialLink(m_target.address, m_options.baud, m_options.framing) != 1) {
            m_status = -1;
            m_message = VxCommIdentify::identificationMessage(m_status);
            return false;
        }
    }
    m_master->VxCommSetNoOfRetries(m_options.retries);
    m_master->VxCommSetMsgDelay(m_options.delay);
    m_master->VxCommSetUnitAddress(m_target.unit);
    // Exchanges are only made with a unit the master holds as connected.
    m_master->VxCommAddUnitHealth(m_target.unit, QStringLiteral("connect"), QStringLiteral("1"));
    m_status = identify();
    if (m_status < 1) {
        m_message = VxCommIdentify::identificationMessage(m_status);
        return false;
    }
    return true;
}

int CliUnit::identify()
{
    // A chosen device description file is identification from that file (file mode 2).
    const int fileMode = m_options.deviceFile.isEmpty() ? 1 : 2;
    const int result = m_master->VxCommIdentifyUnit(
        m_deviceFile, m_driveSize, m_version, m_inom, m_pnom, fileMode, m_options.deviceFile, m_target.unit);
    if (!m_deviceFile.isEmpty())
        m_deviceFile = QFileInfo(DeviceFiles::resolveDeviceFile(m_deviceFile)).absoluteFilePath();
    return result;
}

QString CliUnit::unitName() const
{
    return unitEntry().value(1);
}

QStringList CliUnit::unitEntry() const
{
    namespace F = UnitEntryField;
    QStringList entry = F::emptyEntry();
    entry[F::Number] = QString::number(m_target.unit);
    if (m_target.kind == UnitTarget::Tcp) {
        entry[F::Interface] = F::tcpIp();
        entry[F::IpAddress] = m_target.address;
    } else {
        entry[F::Interface] = F::rs232();
        entry[F::Port] = m_target.address;
        entry[F::Baudrate] = QString::number(m_options.baud);
        entry[F::Parity] = m_options.framing;
    }
    VxCommIdentify::fillUnitEntry(entry, { m_deviceFile, m_driveSize, m_version, m_inom, m_pnom });
    return entry;
}

std::unique_ptr<TreeModel> CliUnit::makeModel() const
{
    auto model = std::make_unique<TreeModel>(m_deviceFile, 0, m_inom, m_pnom, true);
    model->setUnitName(unitName());
    return model;
}
