#include "devicefiles.h"

#include "apppaths.h"
#include "csvline.h"
#include "devicefilenotices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTextCodec>
#include <QTextStream>
#include <atomic>

namespace {

// Silent unless enabled ("tarvolink.devicefiles.debug=true"): identification runs these lookups
// for every scanned unit.
Q_LOGGING_CATEGORY(lcDeviceFiles, "tarvolink.devicefiles", QtInfoMsg)

std::atomic_int listingCount { 0 };

const QString noFile = QStringLiteral("No");

// Lower-case name -> stored name of every file in csv_file; the first entry wins for names that
// differ only in case.
QHash<QString, QString> listCsvDirectory()
{
    ++listingCount;
    QHash<QString, QString> byLowerName;
    const QStringList entries = QDir(AppPaths::csvDir()).entryList(QDir::Files, QDir::Name);
    for (const QString &entry : entries) {
        const QString key = entry.toLower();
        if (!byLowerName.contains(key))
            byLowerName.insert(key, entry);
    }
    return byLowerName;
}

QString csvPath(const QString &storedName)
{
    return QDir::toNativeSeparators(AppPaths::csvDir() + QLatin1Char('/') + storedName);
}

// Opens a device description file with the codec its name calls for; false when it cannot be read.
bool openDeviceFile(const QString &deviceFile, QFile &file, QTextStream &in)
{
    file.setFileName(DeviceFiles::resolveDeviceFile(deviceFile));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    in.setDevice(&file);
    in.setCodec(CsvLine::codecForDeviceFile(QFileInfo(file.fileName()).fileName()));
    return true;
}

QString deviceFileSectionField(
    const QString &deviceFile, const QString &marker, int key, int column, bool keepCommas = false)
{
    QFile file;
    QTextStream in;
    if (!openDeviceFile(deviceFile, file, in))
        return QString();
    return DeviceFiles::readSectionField(in, marker, QString::number(key), column, keepCommas);
}

QStringList deviceFileKeywordRow(const QString &deviceFile, const QString &keyword)
{
    QFile file;
    QTextStream in;
    if (!openDeviceFile(deviceFile, file, in))
        return QStringList();
    return DeviceFiles::readKeywordRow(in, keyword);
}

DeviceFiles::MotorCommand motorCommandFromRow(const QStringList &fields)
{
    // A row without both register and value cannot drive the motor: "0" marks it unusable.
    if (fields.size() < 3)
        return { QStringLiteral("0"), QStringLiteral("0") };
    return { fields.at(1), DeviceFiles::binaryToDecimalText(fields.at(2)) };
}

const QLatin1String fwdKeyword("FWD_ADDRESS_DATA");
const QLatin1String revKeyword("REV_ADDRESS_DATA");
const QLatin1String stpKeyword("STP_ADDRESS_DATA");
const QLatin1String refKeyword("REF_ADDRESS_MAXVALUE");
const QLatin1String runSourceKeyword("PANEL_RUN_SOURCE_ADDRESS");
const QLatin1String refSourceKeyword("PANEL_REF_SOURCE_ADDRESS");
const QLatin1String panelTypeKeyword("PANEL_TYPE");

} // namespace

namespace DeviceFiles {

QString generalCsvSectionMarker(int section)
{
    switch (section) {
    case DeviceAddressSection:
        return QStringLiteral("[DEVICE ADDRESS]");
    case DeviceCodeSection:
        return QStringLiteral("[DEVICE CODE]");
    case VersionAddressSection:
        return QStringLiteral("[VERSION ADDRESS]");
    case PsetIncrementAddressSection:
        return QStringLiteral("[PSET INCREMENT ADDRESS]");
    case CompanySection:
        return QStringLiteral("[COMPANY]");
    default:
        return QString();
    }
}

QString readSectionField(
    QTextStream &in, const QString &marker, const QString &key, int column, bool keepCommas)
{
    if (column < 1 || marker.isEmpty())
        return QString();
    const QString endMarker = marker + QLatin1String("END");
    bool inside = false;
    while (!in.atEnd()) {
        const QStringList rawFields = in.readLine().split(QLatin1Char(';'));
        const QString first = CsvLine::cleanField(rawFields.first());
        if (!inside) {
            inside = (first == marker);
            continue;
        }
        if (first == endMarker)
            break;
        if (first != key || rawFields.size() <= column)
            continue;
        const QString &raw = rawFields.at(column);
        return keepCommas ? raw.trimmed() : CsvLine::cleanField(raw);
    }
    return QString();
}

QList<DriveSize> readSizes(QTextStream &in)
{
    QList<DriveSize> sizes;
    bool inside = false;
    // A heading row may name the unit of the nominal power: "/ Code;Drive size;INOM (A);PNOM (kW)".
    static const QRegularExpression unitNamed(
        QStringLiteral("PNOM\\s*\\(\\s*([A-Za-z]+)"), QRegularExpression::CaseInsensitiveOption);
    QString pnomUnit;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const QStringList raw = line.split(QLatin1Char(';'));
        const QString first = CsvLine::cleanField(raw.first());
        if (!inside) {
            inside = first == QLatin1String("[SIZES]");
            continue;
        }
        if (first == QLatin1String("[SIZES]END"))
            break;
        if (line.trimmed().startsWith(QLatin1Char('/'))) {
            const QRegularExpressionMatch named = unitNamed.match(line);
            if (named.hasMatch())
                pnomUnit = named.captured(1);
            continue;
        }
        bool numeric = false;
        const int code = first.toInt(&numeric);
        const QString name = CsvLine::cleanField(raw.value(1));
        if (!numeric || code < 0 || name.isEmpty() || raw.size() < 4)
            continue;
        sizes.append({ code, name, raw.at(2).trimmed(), CsvLine::cleanField(raw.at(3)), pnomUnit });
    }
    return sizes;
}

QStringList readKeywordRow(QTextStream &in, const QString &keyword)
{
    while (!in.atEnd()) {
        const QStringList fields = CsvLine::split(in.readLine());
        if (fields.first() == keyword)
            return fields;
    }
    return QStringList();
}

QString binaryToDecimalText(const QString &binary)
{
    bool ok = false;
    const qulonglong value = binary.trimmed().toULongLong(&ok, 2);
    return ok ? QString::number(value) : QStringLiteral("0");
}

ControlPanelInfo readControlPanel(QTextStream &in)
{
    static const QString marker = QStringLiteral("[CONTROL PANEL]");
    static const QString endMarker = QStringLiteral("[CONTROL PANEL]END");
    ControlPanelInfo info;
    QStringList seen;
    while (!in.atEnd()) {
        const QStringList fields = CsvLine::split(in.readLine());
        const QString &first = fields.first();
        if (!info.sectionFound) {
            info.sectionFound = (first == marker);
            continue;
        }
        if (first == endMarker)
            break;
        // The first row of a kind counts, as for the keyword lookups of the same rows.
        static const QStringList panelRows = { refSourceKeyword, runSourceKeyword, panelTypeKeyword,
            fwdKeyword, revKeyword, stpKeyword, refKeyword };
        if (!panelRows.contains(first) || seen.contains(first))
            continue;
        seen.append(first);
        const QString field1 = fields.value(1);
        if (first == refSourceKeyword) {
            info.refSourceAddress = field1;
        } else if (first == runSourceKeyword) {
            info.runSourceAddress = field1;
        } else if (first == panelTypeKeyword) {
            info.panelType = field1;
        } else if (first == refKeyword) {
            // Without its maximum the reference cannot be scaled: the row counts as absent.
            if (fields.size() >= 3) {
                info.refAddress = fields.at(1);
                info.refMaxValue = fields.at(2);
            }
        } else {
            const MotorCommand command = motorCommandFromRow(fields);
            if (first == fwdKeyword) {
                info.fwdAddress = command.address;
                info.fwdData = command.value;
            } else if (first == revKeyword) {
                info.revAddress = command.address;
                info.revData = command.value;
            } else {
                info.stpAddress = command.address;
                info.stpData = command.value;
            }
        }
    }
    return info;
}

QString VxCommReadGeneralCsv(const QString &path, int section, int key, int column)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        // Runs on worker threads: the user-interface thread shows the message.
        DeviceFileNotices::instance()->reportGeneralCsvMissing(path);
        return QString();
    }
    QTextStream in(&file);
    in.setCodec("UTF-8");
    return readSectionField(in, generalCsvSectionMarker(section), QString::number(key), column);
}

QString VxCommGetVersionText(quint16 version, quint16 subVersion)
{
    static const char letters[] = { 'V', 'P', 'B', 'A' };
    QString text = QLatin1Char(letters[(version >> 14) & 0x3]) + QString::number((version >> 8) & 0x3F)
        + QLatin1Char('.') + QStringLiteral("%1").arg(version & 0xFF, 2, 10, QLatin1Char('0'));
    if (subVersion != 0)
        text += QStringLiteral("-%1.%2")
                    .arg(subVersion >> 8, 2, 10, QLatin1Char('0'))
                    .arg(subVersion & 0xFF, 2, 10, QLatin1Char('0'));
    return text;
}

QString VxCommGetDeviceFileBaseName(
    const QString &generalCsvPath, int deviceCode, quint16 version, quint16 subVersion)
{
    const QString driveName = VxCommReadGeneralCsv(generalCsvPath, DeviceCodeSection, deviceCode, 1);
    if (driveName.isEmpty())
        return QString();
    return driveName + VxCommGetVersionText(version, subVersion);
}

QString findCsvFromRsrc(const QString &name)
{
    return listCsvDirectory().value((name + QLatin1String(".csv")).toLower());
}

QString VxCommFindDeviceFile(const QString &baseName)
{
    if (baseName.size() < 4 || !QStringLiteral("ABPV").contains(baseName.at(3)))
        return noFile;

    // The last number of the version text is walked down: "ABCV2.05" tries 05, 04 ... 00.
    const int separator
        = qMax(baseName.lastIndexOf(QLatin1Char('.')), baseName.lastIndexOf(QLatin1Char('-')));
    const QString prefix = separator > 3 ? baseName.left(separator + 1) : baseName;
    const QString lastNumber = separator > 3 ? baseName.mid(separator + 1) : QString();
    bool numeric = false;
    int number = lastNumber.toInt(&numeric);
    // Only the version's own numbers are walked; anything else (a malformed or absurdly long
    // number) is tried exactly as given.
    if (!numeric || number < 0 || lastNumber.size() > 3 || !lastNumber.at(0).isDigit())
        number = 0;

    // One listing serves every candidate of the walk.
    const QHash<QString, QString> entries = listCsvDirectory();
    auto tryName = [&entries](const QString &candidate) -> QString {
        const QString stored = entries.value((candidate + QLatin1String(".csv")).toLower());
        if (stored.isEmpty())
            return QString();
        QFile file(csvPath(stored));
        return file.open(QIODevice::ReadOnly | QIODevice::Text) ? file.fileName() : QString();
    };

    QString candidate = baseName;
    for (;;) {
        qCDebug(lcDeviceFiles) << "FileNameTry" << candidate;
        QString found = tryName(candidate + QLatin1String("_UTF8"));
        if (found.isEmpty())
            found = tryName(candidate);
        if (!found.isEmpty()) {
            qCDebug(lcDeviceFiles) << "CSV File Found versioncopy : " << candidate;
            return QDir::toNativeSeparators(found);
        }
        if (number <= 0)
            return noFile;
        --number;
        candidate = prefix + QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
    }
}

int csvDirectoryListings()
{
    return listingCount.load();
}

QString resolveDeviceFile(const QString &deviceFile)
{
    if (deviceFile.contains(QLatin1Char('/')) || deviceFile.contains(QLatin1Char('\\'))
        || QFileInfo(deviceFile).isAbsolute())
        return QDir::fromNativeSeparators(deviceFile);
    return AppPaths::csvDir() + QLatin1Char('/') + deviceFile;
}

QString VxCommGetSizeAddress(const QString &deviceFile, int key, int column)
{
    return deviceFileSectionField(deviceFile, QStringLiteral("[SIZE ADDRESS]"), key, column);
}

QList<DriveSize> VxCommGetSizes(const QString &deviceFile)
{
    QFile file;
    QTextStream in;
    if (!openDeviceFile(deviceFile, file, in))
        return {};
    return readSizes(in);
}

DriveSize VxCommGetSizeByCode(const QString &deviceFile, int sizeCode)
{
    const QList<DriveSize> sizes = VxCommGetSizes(deviceFile);
    for (const DriveSize &size : sizes) {
        if (size.code == sizeCode)
            return size;
    }
    return {};
}

DriveSize VxCommGetSizeByName(const QString &deviceFile, const QString &driveSize)
{
    const QString wanted = driveSize.trimmed();
    const QList<DriveSize> sizes = VxCommGetSizes(deviceFile);
    for (const DriveSize &size : sizes) {
        if (size.name.compare(wanted, Qt::CaseInsensitive) == 0)
            return size;
    }
    return {};
}

QString VxCommGetDriveSize(const QString &deviceFile, int sizeCode)
{
    return VxCommGetSizeByCode(deviceFile, sizeCode).name;
}

QString VxCommGetInom(const QString &deviceFile, int sizeCode)
{
    return VxCommGetSizeByCode(deviceFile, sizeCode).inom;
}

QString VxCommGetPnom(const QString &deviceFile, int sizeCode)
{
    return VxCommGetSizeByCode(deviceFile, sizeCode).pnom;
}

RefAddress VxCommGetRefAddress(const QString &deviceFile)
{
    const QStringList fields = deviceFileKeywordRow(deviceFile, refKeyword);
    return { fields.value(1), fields.value(2) };
}

QString VxCommGetRunSourceAddress(const QString &deviceFile)
{
    return deviceFileKeywordRow(deviceFile, runSourceKeyword).value(1);
}

QString VxCommGetRefSourceAddress(const QString &deviceFile)
{
    return deviceFileKeywordRow(deviceFile, refSourceKeyword).value(1);
}

MotorCommands VxCommGetMotorCommands(const QString &deviceFile)
{
    QFile file;
    QTextStream in;
    if (!openDeviceFile(deviceFile, file, in))
        return MotorCommands { motorCommandFromRow({}), motorCommandFromRow({}), motorCommandFromRow({}) };
    MotorCommands commands;
    for (const QLatin1String &keyword : { fwdKeyword, revKeyword, stpKeyword }) {
        in.seek(0);
        const MotorCommand command = motorCommandFromRow(readKeywordRow(in, keyword));
        if (keyword == fwdKeyword)
            commands.forward = command;
        else if (keyword == revKeyword)
            commands.reverse = command;
        else
            commands.stop = command;
    }
    return commands;
}

ControlPanelInfo VxCommGetControlPanel(const QString &deviceFile)
{
    QFile file;
    QTextStream in;
    if (!openDeviceFile(deviceFile, file, in))
        return ControlPanelInfo();
    return readControlPanel(in);
}

int tableTypeOf(long registerNumber)
{
    if (registerNumber >= 1 && registerNumber <= 9999)
        return 1;
    if (registerNumber >= 10001 && registerNumber <= 19999)
        return 2;
    if (registerNumber >= 30001 && registerNumber <= 39999)
        return 3;
    return 4;
}

} // namespace DeviceFiles
