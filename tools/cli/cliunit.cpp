#include "cliunit.h"

#include "apppaths.h"
#include "devicefiles.h"
#include "treemodel.h"
#include "vxcommmodbusmaster.h"

#include <QFileInfo>
#include <QMutexLocker>

namespace {

// Texts the window shows for the identification results of a unit added by hand.
QString identificationMessage(int result)
{
    switch (result) {
    case -1: return QStringLiteral("Invalid CSV File");
    case -2: return QStringLiteral("No CSV File Found");
    case -4: return QStringLiteral("No connection with given IP");
    case -5: return QStringLiteral("No Support for this Device");
    case -6: return QStringLiteral("Drive Size not found in CSV file");
    case -7: return QStringLiteral("INOM Value not found in CSV file");
    case -8: return QStringLiteral("PNOM Value not found in CSV file");
    default: return QStringLiteral("No Device Link");
    }
}

int toInt(const QString &text)
{
    return text.trimmed().toInt();
}

} // namespace

CliUnit::CliUnit(const CliOptions &options, const UnitTarget &target)
    : m_options(options)
    , m_target(target)
{
}

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
            m_message = identificationMessage(m_status);
            return false;
        }
    } else {
        m_master = std::make_unique<VxCommModbusMaster>(1);
        if (m_master->VxCommOpenSerialLink(m_target.address, m_options.baud, m_options.framing) != 1) {
            m_status = -1;
            m_message = identificationMessage(m_status);
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
        m_message = identificationMessage(m_status);
        return false;
    }
    return true;
}

int CliUnit::identify()
{
    const QString general = AppPaths::generalCsvPath();
    if (general.isEmpty())
        return -2;
    QVector<quint16> words;
    const int codeRegister = toInt(DeviceFiles::VxCommReadGeneralCsv(general, DeviceFiles::DeviceAddressSection, 1, 1));
    if (readRegisters(3, codeRegister, 1, &words) < 1 || words.isEmpty())
        return -3;
    const int deviceCode = words.first();
    const QString driveName = DeviceFiles::VxCommReadGeneralCsv(general, DeviceFiles::DeviceCodeSection, deviceCode, 1);
    if (driveName.isEmpty() || driveName.contains(QLatin1String("Error")))
        return -5;
    const int versionRegister =
        toInt(DeviceFiles::VxCommReadGeneralCsv(general, DeviceFiles::VersionAddressSection, deviceCode, 1));
    const int versionCount =
        qBound(1, toInt(DeviceFiles::VxCommReadGeneralCsv(general, DeviceFiles::VersionAddressSection, deviceCode, 2)), 2);
    if (readRegisters(3, versionRegister, versionCount, &words) < 1 || words.isEmpty())
        return -3;
    const quint16 version = words.value(0);
    const quint16 subVersion = words.value(1);

    if (m_options.deviceFile.isEmpty()) {
        const QString base = DeviceFiles::VxCommGetDeviceFileBaseName(general, deviceCode, version, subVersion);
        m_deviceFile = base.isEmpty() ? QString() : DeviceFiles::VxCommFindDeviceFile(base);
        if (m_deviceFile == QLatin1String("No"))
            m_deviceFile.clear();
    } else {
        m_deviceFile = m_options.deviceFile;
    }
    if (m_deviceFile.isEmpty())
        return -2;
    m_deviceFile = QFileInfo(m_deviceFile).absoluteFilePath();

    const int sizeRegister = toInt(DeviceFiles::VxCommGetSizeAddress(m_deviceFile, 1, 1));
    if (readRegisters(TreeModel::tableTypeFor(sizeRegister), sizeRegister, 1, &words) < 1 || words.isEmpty())
        return -3;
    const int sizeCode = words.first();
    m_driveSize = DeviceFiles::VxCommGetDriveSize(m_deviceFile, sizeCode);
    if (m_driveSize.isEmpty())
        return -6;
    m_version = DeviceFiles::VxCommGetVersionText(version, subVersion);
    m_inom = DeviceFiles::VxCommGetInom(m_deviceFile, sizeCode);
    if (m_inom.isEmpty())
        return -7;
    m_pnom = DeviceFiles::VxCommGetPnom(m_deviceFile, sizeCode);
    if (m_pnom.isEmpty())
        return -8;
    return 1;
}

QString CliUnit::unitName() const
{
    if (m_target.kind == UnitTarget::Tcp)
        return QStringLiteral("%1 (*.%2)").arg(m_driveSize, m_target.address.section(QLatin1Char('.'), -1));
    return QStringLiteral("%1 (%2)").arg(m_driveSize).arg(m_target.unit);
}

QStringList CliUnit::unitEntry() const
{
    QStringList entry;
    for (int i = 0; i < 21; ++i)
        entry.append(QString());
    entry[0] = QString::number(m_target.unit);
    entry[1] = unitName();
    entry[2] = QStringLiteral("connect");
    if (m_target.kind == UnitTarget::Tcp) {
        entry[3] = QStringLiteral("TCPIP");
        entry[7] = m_target.address;
    } else {
        entry[3] = QStringLiteral("RS232");
        entry[4] = m_target.address;
        entry[5] = QString::number(m_options.baud);
        entry[6] = m_options.framing;
    }
    entry[8] = m_deviceFile;
    entry[9] = m_inom;
    entry[10] = m_pnom;
    entry[11] = m_version;
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
            return -100;
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
        return -100;
    m_master->VxCommSetUnitAddress(m_target.unit);
    return m_master->VxCommTransaction(4, 0, number, 0, words.size(),
                                       reinterpret_cast<const quint8 *>(data.constData()), reply);
}
