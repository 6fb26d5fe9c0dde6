#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QTextStream;

// Lookups in general.csv and in the device description files of the csv_file folder.
//
// Every function is reentrant: it opens the file, reads what it needs and closes it again, so
// identification may call them from any worker thread.
namespace DeviceFiles {

// Sections of general.csv, numbered as the lookup takes them.
enum GeneralCsvSection {
    DeviceAddressSection = 1,
    DeviceCodeSection = 2,
    VersionAddressSection = 3,
    PsetIncrementAddressSection = 4,
    CompanySection = 5
};

// Marker line of a general.csv section ("[DEVICE CODE]" ...), empty for a number outside 1-5.
QString generalCsvSectionMarker(int section);

// Register number and maximum value of "REF_ADDRESS_MAXVALUE".
struct RefAddress
{
    QString address;
    QString maxValue;
};

// Register and value (converted from the base-2 text of the file to decimal) of one motor command.
struct MotorCommand
{
    QString address;
    QString value;
};

// The three motor command rows "FWD_ADDRESS_DATA", "REV_ADDRESS_DATA", "STP_ADDRESS_DATA".
struct MotorCommands
{
    MotorCommand forward;
    MotorCommand reverse;
    MotorCommand stop;
};

// What the "[CONTROL PANEL]" section says about driving a unit from the control panel.
struct ControlPanelInfo
{
    bool sectionFound = false;
    QString refSourceAddress;
    QString runSourceAddress;
    QString panelType;
    QString fwdAddress;
    QString fwdData;
    QString revAddress;
    QString revData;
    QString stpAddress;
    QString stpData;
    QString refAddress;
    QString refMaxValue;

    // The unit takes its reference from the panel only when both registers are known.
    bool hasReferenceControl() const { return isKnown(refSourceAddress) && isKnown(refAddress); }
    // Run/stop from the panel needs the source register and the command registers.
    bool hasRunControl() const
    {
        return isKnown(runSourceAddress) && isKnown(fwdAddress) && isKnown(revAddress) && isKnown(stpAddress);
    }

private:
    // A short row gives "0" for a register, which no unit uses for panel control.
    static bool isKnown(const QString &address)
    {
        return !address.isEmpty() && address != QLatin1String("0");
    }
};

// ---- Parsers over an open text stream (the stream is read from its current position) ----

// Column `column` (1 = second field) of the first row of section `marker` whose first field is `key`.
// Rows too short for the column are skipped. With keepCommas the wanted field keeps its "," characters
// (a decimal comma) and is only trimmed.
QString readSectionField(
    QTextStream &in, const QString &marker, const QString &key, int column, bool keepCommas = false);

// Fields of the first row anywhere in the file whose first field is `keyword`; empty when absent.
QStringList readKeywordRow(QTextStream &in, const QString &keyword);

// The "[CONTROL PANEL]" section.
ControlPanelInfo readControlPanel(QTextStream &in);

// One drive size of the "[SIZES]" section.
struct DriveSize
{
    int code = -1;
    QString name; // "RVN48-010"
    QString inom; // as written, decimal comma kept ("12,5")
    QString pnom;
    // The unit of pnom when the table's heading row names one ("PNOM (kW)"), else empty.
    QString pnomUnit;

    bool isValid() const { return code >= 0; }
};

// The rows of "[SIZES]" whose first field is a size code; comment rows ("/ Code;...") and
// rows too short to name a size are passed over.
QList<DriveSize> readSizes(QTextStream &in);

// A base-2 text as decimal text; "0" for text that is not base 2.
QString binaryToDecimalText(const QString &binary);

// ---- general.csv (always UTF-8) ----

// Field `column` of the row `key` of section 1-5; empty when absent. A general.csv that cannot be
// opened gives empty and raises DeviceFileNotices::generalCsvMissing once per process.
QString VxCommReadGeneralCsv(const QString &path, int section, int key, int column);

// "V2.05", or "P1.10-01.03" with a non-zero sub-version word.
QString VxCommGetVersionText(quint16 version, quint16 subVersion);

// Drive name of the device code followed by the version text; empty when the code has no drive name.
QString VxCommGetDeviceFileBaseName(
    const QString &generalCsvPath, int deviceCode, quint16 version, quint16 subVersion);

// ---- Finding the device description file ----

// Stored name of the csv_file entry that equals name + ".csv" ignoring case, or empty.
QString findCsvFromRsrc(const QString &name);

// Path (in csv_file, native separators) of the file to use for a base name such as "ABCV2.05", walking
// the last number of the version down to "00" and preferring a "_UTF8" copy at each step; "No" when
// nothing fits.
QString VxCommFindDeviceFile(const QString &baseName);

// How many times the csv_file folder has been listed in this process: lets tests see that a search
// lists it once, or not at all.
int csvDirectoryListings();

// A device file given by bare name lives in csv_file; a path is used as it is.
QString resolveDeviceFile(const QString &deviceFile);

// ---- Device description file sections (encoding by file name) ----

QString VxCommGetSizeAddress(const QString &deviceFile, int key, int column);
// Every drive size of the file; empty when it cannot be read or has none.
QList<DriveSize> VxCommGetSizes(const QString &deviceFile);
// The size of that code, or of that name ("RVN48-010"); invalid when the file has none such.
DriveSize VxCommGetSizeByCode(const QString &deviceFile, int sizeCode);
DriveSize VxCommGetSizeByName(const QString &deviceFile, const QString &driveSize);
QString VxCommGetDriveSize(const QString &deviceFile, int sizeCode);
// Keeps a decimal comma ("12,5").
QString VxCommGetInom(const QString &deviceFile, int sizeCode);
QString VxCommGetPnom(const QString &deviceFile, int sizeCode);
RefAddress VxCommGetRefAddress(const QString &deviceFile);
QString VxCommGetRunSourceAddress(const QString &deviceFile);
QString VxCommGetRefSourceAddress(const QString &deviceFile);
MotorCommands VxCommGetMotorCommands(const QString &deviceFile);
ControlPanelInfo VxCommGetControlPanel(const QString &deviceFile);

// Modbus table of a register number: 1 coil (1-9999), 2 discrete input (10001-19999),
// 3 input register (30001-39999), 4 holding register (anything else).
int tableTypeOf(long registerNumber);

} // namespace DeviceFiles
