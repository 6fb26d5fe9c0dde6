#pragma once

#include <QString>
#include <QStringList>

class QIODevice;
class QTextStream;
class TreeModel;

// Parameter set files (".dat"): the four sets of a unit with the drive's identity, the device
// description file it was built from and the customer data. Written as UTF-8.
// The readers never show a dialog: they return the text the user should see and leave it to
// the view to show it ("invalid CSV file" in a box titled "Error", the compatibility text in
// the alert line).
namespace DatFile {

QString invalidFileMessage(); // "invalid CSV file"
QString incompatibleMessage(); // "Selected DAT file is not compatible with current CSV version"

// "name" -> "name.dat"; a name that contains ".dat" anywhere is used as typed.
QString withDatExtension(const QString &fileName);

// Lines 1-26: identity and customer data. `unitInformation` is the unit entry of the view
// (0 unit number, 1 device type, 8 device description file, 11 software version).
void writeHeader(QTextStream &out, const QStringList &unitInformation, const QStringList &customerData);
// "[PARAMETER SETS]" and one line per item in display order.
void writeParameterLines(QTextStream &out, const TreeModel &model);

// Writes header and parameters in one go. The file appears only when everything was written,
// so a failure (disk full, no permission) leaves an existing file untouched.
bool save(const QString &fileName, const QStringList &unitInformation, const QStringList &customerData,
    const TreeModel &model, QString *error = nullptr);

enum class Status { Ok, CannotOpen, InvalidFile, Incompatible };

struct Header
{
    Status status = Status::CannotOpen;
    QString message; // what to tell the user; empty on success
    QString deviceType;
    QString dataFile; // as written in the file
    QString deviceFile; // the matching device description file found, full path
    QString softwareVersion;
    QString nominalCurrent; // from the first row of the device file's sizes table
    QString nominalPower;
    // A unit entry of 21 texts: 1 device type, 8 device file, 9 Inom, 10 Pnom, 11 version.
    QStringList unitInformation() const;
};

// Reads lines 1-26. `csvDir` is where the device description files are looked up
// (case-insensitive), normally AppPaths::csvDir().
Header readHeader(QIODevice &device, const QString &csvDir);
Header readHeader(const QString &fileName, const QString &csvDir);

struct OpenResult
{
    bool ok = false;
    QString message; // why reading stopped early, for the log
    int linesApplied = 0;
};

// What opening does to the offline-change marks.
enum class ChangeMarks {
    Clear, // opening a file is no offline change: the set starts unmarked
    MarkDifferences // values that differ from what the model held are marked (write only those)
};

// The whole parameter part of a file checked against the model it is to be opened into, before
// anything takes its values (a view, a unit): a "[PARAMETER SETS]" line, at least one parameter
// line, no section line among them, every line complete (ten fields for a parameter; a last line
// without its line end must not have been cut) and every value within the parameter's limits: a
// number, one of its choices, a time. `message` names the line, menu and set of the first fault.
// A file that ends at a line end before the last parameter passes: opening it marks what it did
// not reach (coverage()), and a write asks first.
struct Check
{
    bool ok = false;
    int line = 0; // 1-based line of the fault; 0 when it is no single line
    QString message;
};
Check check(QIODevice &device, const TreeModel &model);
Check check(const QString &fileName, const TreeModel &model);

// Customer data and set values into an existing model, line by line in display order. Items
// after the file's last line are marked as not reached (TreeModel::isBeyondFile).
OpenResult openParameters(QIODevice &device, TreeModel &model, ChangeMarks marks = ChangeMarks::Clear);
OpenResult openParameters(const QString &fileName, TreeModel &model, ChangeMarks marks = ChangeMarks::Clear);

// Of the values a write of the model sends (parameter and set of the writable parameters), how
// many the file it was opened from holds.
struct Coverage
{
    int held = 0;
    int total = 0;
};
Coverage coverage(const TreeModel &model);

// The language (0..10) in whose parameter tree the file's lines stand: a file follows the tree of
// the language it was saved in, and a device description file may give a parameter a row in some
// languages only. `preferred` unless another language matches more menu numbers and texts.
int languageOf(QIODevice &device, const QString &deviceFile, int preferred);
int languageOf(const QString &fileName, const QString &deviceFile, int preferred);

} // namespace DatFile
