#include "cliunit.h"

#include "devicefiles.h"
#include "treemodel.h"
#include "vxcommidentify.h"
#include "vxcommmodbusmaster.h"

#include <QFileInfo>
#include <QMutexLocker>

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
    QStringList entry;
    for (int i = 0; i < 21; ++i)
        entry.append(QString());
    entry[0] = QString::number(m_target.unit);
    if (m_target.kind == UnitTarget::Tcp) {
        entry[3] = QStringLiteral("TCPIP");
        entry[7] = m_target.address;
    } else {
        entry[3] = QStringLiteral("RS232");
        entry[4] = m_target.address;
        entry[5] = QString::number(m_options.baud);
        entry[6] = m_options.framing;
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

int CliUnit::readRegisters(int tableType, int number, int count, QVector<quint16> *words)
{
    words->clear();
    quint8 reply[1024] = {};
    int result = 0;
    {
        QMutexLocker lock(m_master->VxCommMutex());
        if (!m_master->VxCommIsUnitConnected(m_target.unit))
            return NotConnected;
        m_master->VxCommSetUnitAddress(m_target.unit);
        result = m_master->VxCommTransaction(tableType, number, 0, count, 0, nullptr, reply);
    }
    if (result < 1)
        return result;
    const int bytes = reply[2];
    if (tableType <= 2) {
        for (int i = 0; i < count && i / 8 < bytes; ++i)
            words->append((reply[3 + i / 8] >> (i % 8)) & 1);
    } else {
        for (int i = 0; i + 1 < bytes && i / 2 < count; i += 2)
            words->append(quint16((reply[3 + i] << 8) | reply[4 + i]));
    }
    return words->size() == count ? result : -3;
}

int CliUnit::writeRegisters(int tableType, int number, const QVector<quint16> &words)
{
    if (tableType != 4 || words.isEmpty())
        return -11;
    QByteArray data;
    for (quint16 word : words) {
        data.append(char(word & 0xFF)); // the master takes register values low byte first
        data.append(char(word >> 8));
    }
    quint8 reply[1024] = {};
    QMutexLocker lock(m_master->VxCommMutex());
    if (!m_master->VxCommIsUnitConnected(m_target.unit))
        return NotConnected;
    m_master->VxCommSetUnitAddress(m_target.unit);
    return m_master->VxCommTransaction(
        4, 0, number, 0, words.size(), reinterpret_cast<const quint8 *>(data.constData()), reply);
}
