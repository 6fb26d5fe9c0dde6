#include "cliunit.h"

#include "apppaths.h"
#include "clitrace.h"
#include "devicefiles.h"
#include "treemodel.h"
#include "unitentryfields.h"
#include "vxcommidentify.h"
#include "vxcommmodbusmaster.h"

#include <QFileInfo>

namespace {

QString exceptionText(int code)
{
    switch (code) {
    case 1:
        return QStringLiteral("illegal function");
    case 2:
        return QStringLiteral("illegal data address");
    case 3:
        return QStringLiteral("illegal data value");
    case 4:
        return QStringLiteral("server device failure");
    case 6:
        return QStringLiteral("server device busy");
    default:
        return QStringLiteral("unknown exception");
    }
}

} // namespace

CliUnit::CliUnit(const CliOptions &options, const UnitTarget &target)
    : m_options(options)
    , m_target(target)
{ }

CliUnit::~CliUnit()
{
    // The master outlives the members its reports are noted in.
    QObject::disconnect(m_healthConnection);
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
            const QString fault = m_master->VxCommSerialOpenFault();
            m_message = fault.isEmpty() ? VxCommIdentify::identificationMessage(m_status) : fault;
            return false;
        }
    }
    m_healthConnection = QObject::connect(m_master.get(), &VxCommModbusMaster::VxCommHealthOfUnitToUI,
        [this](int kind, int, int, const QString &, const QString &message, const QStringList &,
            const QStringList &replyBytes) { noteHealth(kind, message, replyBytes); });
    m_master->VxCommSetNoOfRetries(m_options.retries);
    m_master->VxCommSetMsgDelay(m_options.delay);
    m_master->VxCommSetUnitAddress(m_target.unit);
    // Exchanges are only made with a unit the master holds as connected.
    m_master->VxCommAddUnitHealth(m_target.unit, QStringLiteral("connect"), QStringLiteral("1"));
    m_status = identify();
    if (m_status < 1) {
        m_message = VxCommIdentify::identificationMessage(m_status);
        if (m_status == VxCommIdentify::NoDeviceLink) {
            const QString fault = fileFault();
            m_fileFault = !fault.isEmpty();
            const QString failure = lastFailure();
            if (m_fileFault)
                m_message = fault;
            else if (!failure.isEmpty())
                m_message += QStringLiteral(": register %1: %2").arg(m_failure.address, failure);
        } else if (m_status == VxCommIdentify::NoDeviceFile || m_status == VxCommIdentify::NoDriveSize
            || m_status == VxCommIdentify::NoInom || m_status == VxCommIdentify::NoPnom
            || m_status == VxCommIdentify::UnsupportedDevice) {
            // The unit answered; what it named is missing from the installation's files.
            m_fileFault = true;
        }
        return false;
    }
    return true;
}

void CliUnit::noteHealth(int kind, const QString &message, const QStringList &replyBytes)
{
    const QStringList fields = message.split(QLatin1Char('\t'));
    if (kind == 4) {
        m_failure = Failure();
    } else if (kind == 1) {
        // "warning message", number, text, register, direction; the reply's third byte is the code.
        m_failure = Failure();
        m_failure.address = fields.value(3);
        m_failure.exception = replyBytes.value(2).toInt();
        m_failure.attempts = 1;
        m_failure.read = fields.value(4) == QLatin1String("read failure");
    } else if (kind == 3
        && fields.value(0).compare(QLatin1String("error information"), Qt::CaseInsensitive) == 0) {
        // The first failed attempt ("error Information") and one report per failed resend.
        if (fields.value(0) == QLatin1String("error Information")) {
            m_failure = Failure();
            m_failure.address = fields.value(3);
        }
        // "error Information" or "error information", result, text, register, direction.
        m_failure.code = fields.value(1).toInt();
        m_failure.read = fields.value(4) == QLatin1String("read failure");
        ++m_failure.attempts;
    }
}

QString CliUnit::lastFailure() const
{
    if (m_failure.attempts == 0)
        return QString();
    if (m_failure.exception != 0)
        return QStringLiteral("exception %1, %2")
            .arg(m_failure.exception)
            .arg(exceptionText(m_failure.exception));
    const int code = m_failure.code;
    const bool silent = code == -12 || code == -7 || code == -3;
    return QStringLiteral("%1 after %2 attempt%3")
        .arg(silent ? QStringLiteral("no answer") : VxCommModbusMaster::VxCommErrorText(code))
        .arg(m_failure.attempts)
        .arg(m_failure.attempts == 1 ? QString() : QStringLiteral("s"));
}

QString CliUnit::fileFault() const
{
    const QString general = AppPaths::generalCsvPath();
    bool ok = false;
    const int codeRegister
        = DeviceFiles::VxCommReadGeneralCsv(general, DeviceFiles::DeviceAddressSection, 1, 1).toInt(&ok);
    if (!ok || codeRegister < 1)
        return QStringLiteral(
            "invalid general.csv: no device code register in its device address section (%1)")
            .arg(general);
    const QString file = m_master ? m_master->VxCommGetDeviceFile() : QString();
    if (file.isEmpty())
        return QString();
    const int sizeRegister = DeviceFiles::VxCommGetSizeAddress(file, 1, 1).toInt(&ok);
    const bool isRegister = (sizeRegister >= 1 && sizeRegister <= 9999)
        || (sizeRegister >= 10001 && sizeRegister <= 19999)
        || (sizeRegister >= 30001 && sizeRegister <= 49999);
    if (!ok || !isRegister)
        return QStringLiteral("invalid CSV file: the size address '%1' is no register number (%2)")
            .arg(DeviceFiles::VxCommGetSizeAddress(file, 1, 1), DeviceFiles::resolveDeviceFile(file));
    return QString();
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
    auto model = std::make_unique<TreeModel>(m_deviceFile, uint(m_options.language), m_inom, m_pnom, true);
    model->setUnitName(unitName());
    CliTrace::learnUnit(m_master->VxCommLinkName(), m_target.unit, unitName(), model.get());
    return model;
}
