// Identification of a unit by VxCommModbusMaster: device code, version and size read over the
// bus, the device description file chosen from them, and the sizes table looked up.
#include "vxcommidentify.h"

#include "apppaths.h"
#include "linktap.h"
#include "unitentryfields.h"
#include "vxcommmodbusmaster.h"
#include "vxcommreply.h"

#include <QDebug>
#include <QFileInfo>
#include <QMutexLocker>

using namespace VxCommIdentify;

namespace {
// What an identification read is for; within a scan every exchange counts as the scan's.
LinkPurpose identificationStep(LinkPurpose step)
{
    return LinkPurposeScope::current() == LinkPurpose::Scan ? LinkPurpose::Scan : step;
}
} // namespace

int VxCommModbusMaster::lockedRead(int address, int type, int number, int count, quint8 *reply)
{
    // Held for this one exchange only: other units on a shared RS485 port may be served
    // between the reads of an identification.
    QMutexLocker locker(mutex.get());
    unitAddress.store(address);
    return VxCommTransaction(type, number, 0, count, 0, nullptr, reply);
}

QString VxCommModbusMaster::VxCommGetDeviceFile() const
{
    QMutexLocker locker(&deviceFileLock);
    return deviceFile;
}

int VxCommModbusMaster::VxCommIdentifyUnit(QString &deviceFileOut, QString &driveSize, QString &version,
    QString &inom, QString &pnom, int fileMode, const QString &filePath, int address)
{
    const QString generalCsv = AppPaths::generalCsvPath();
    if (generalCsv.isEmpty())
        return NoDeviceFile;

    quint8 reply[1024];
    const int codeRegister
        = VxCommReadGeneralCsv(generalCsv, DeviceFiles::DeviceAddressSection, 1, 1).toInt();
    // A reply without the register (byte count 0, or cut short) is as good as no answer.
    int result = 0;
    {
        const LinkPurposeScope purpose(identificationStep(LinkPurpose::DeviceCode));
        result = lockedRead(address, 3, codeRegister, 1, reply);
    }
    if (!VxCommReply::hasRegisters(reply, result, 1))
        return NoDeviceLink;
    const int deviceCode = VxCommReply::word(reply, 0);

    const QString driveName = VxCommReadGeneralCsv(generalCsv, DeviceFiles::DeviceCodeSection, deviceCode, 1);
    if (driveName.isEmpty() || driveName.contains(QLatin1String("Error")))
        return UnsupportedDevice;

    const int versionRegister
        = VxCommReadGeneralCsv(generalCsv, DeviceFiles::VersionAddressSection, deviceCode, 1).toInt();
    // Version and sub-version word are all we use; a count beyond a Modbus read is a broken row.
    const int versionCount = qBound(
        1, VxCommReadGeneralCsv(generalCsv, DeviceFiles::VersionAddressSection, deviceCode, 2).toInt(), 125);
    {
        const LinkPurposeScope purpose(identificationStep(LinkPurpose::SoftwareVersion));
        result = lockedRead(address, 3, versionRegister, versionCount, reply);
    }
    if (!VxCommReply::hasRegisters(reply, result, versionCount))
        return NoDeviceLink;
    const quint16 versionWord = VxCommReply::word(reply, 0);
    const quint16 subVersionWord = versionCount > 1 ? VxCommReply::word(reply, 1) : 0;

    QString file;
    if (fileMode == 1) {
        file = VxCommFindDeviceFile(
            VxCommGetDeviceFileBaseName(generalCsv, deviceCode, versionWord, subVersionWord));
        if (file == QLatin1String("No"))
            return NoDeviceFile;
    } else if (fileMode == 2) {
        // A given file that is not there is reported as missing rather than as a dead unit.
        if (!filePath.isEmpty() && QFileInfo::exists(DeviceFiles::resolveDeviceFile(filePath)))
            file = filePath;
    }
    if (file.isEmpty())
        return NoDeviceFile;
    deviceFileOut = file;
    {
        QMutexLocker locker(&deviceFileLock);
        deviceFile = file;
    }

    const int sizeRegister = VxCommGetSizeAddress(file, 1, 1).toInt();
    qDebug() << "sizeAddrs2" << sizeRegister;
    const int sizeTable = DeviceFiles::tableTypeOf(sizeRegister);
    {
        const LinkPurposeScope purpose(identificationStep(LinkPurpose::DriveSize));
        result = lockedRead(address, sizeTable, sizeRegister, 1, reply);
    }
    int sizeCode = 0;
    if (sizeTable <= 2) {
        if (!VxCommReply::hasBits(reply, result, 1))
            return NoDeviceLink;
        sizeCode = reply[3] & 1;
    } else {
        if (!VxCommReply::hasRegisters(reply, result, 1))
            return NoDeviceLink;
        sizeCode = VxCommReply::word(reply, 0);
    }
    qDebug() << "ActualSizeAddrs" << sizeCode;

    const DeviceFiles::DriveSize size = DeviceFiles::VxCommGetSizeByCode(file, sizeCode);
    driveSize = size.name;
    if (driveSize.isEmpty())
        return NoDriveSize;
    version = VxCommGetVersionText(versionWord, subVersionWord);
    inom = size.inom;
    if (inom.isEmpty())
        return NoInom;
    pnom = size.pnom;
    if (pnom.isEmpty())
        return NoPnom;
    return Identified;
}

namespace VxCommIdentify {

QString identificationMessage(int code)
{
    switch (code) {
    case Identified:
        return QString();
    case InvalidLink:
        return QStringLiteral("Invalid CSV File");
    case NoDeviceFile:
        return QStringLiteral("No CSV File Found");
    case NoTcpConnection:
        return QStringLiteral("No connection with given IP");
    case UnsupportedDevice:
        return QStringLiteral("No Support for this Device");
    case NoDriveSize:
        return QStringLiteral("Drive Size not found in CSV file");
    case NoInom:
        return QStringLiteral("INOM Value not found in CSV file");
    case NoPnom:
        return QStringLiteral("PNOM Value not found in CSV file");
    default:
        return QStringLiteral("No Device Link");
    }
}

QString unitName(const QString &driveSize, const QString &interfaceText, const QString &unitNumber,
    const QString &ipAddress)
{
    if (interfaceText == QLatin1String("TCPIP"))
        return driveSize + QStringLiteral(" (*.") + ipAddress.trimmed().section(QLatin1Char('.'), -1)
            + QLatin1Char(')');
    return driveSize + QStringLiteral(" (") + unitNumber + QLatin1Char(')');
}

void fillUnitEntry(QStringList &entry, const Identity &identity)
{
    namespace F = UnitEntryField;
    while (entry.size() < F::Count)
        entry.append(QString());
    entry[F::Name]
        = unitName(identity.driveSize, entry.at(F::Interface), entry.at(F::Number), entry.at(F::IpAddress));
    entry[F::State] = F::connected();
    entry[F::DeviceFile] = identity.deviceFile;
    entry[F::Inom] = identity.inom;
    entry[F::Pnom] = identity.pnom;
    entry[F::Version] = identity.version;
}

} // namespace VxCommIdentify
