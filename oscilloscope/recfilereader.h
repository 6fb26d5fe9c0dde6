#pragma once

#include "signalcatalogue.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class QByteArray;

// One unit of a loaded recording: its unit line, its signals and its sample rows. Values are
// kept as numbers (bit patterns and fault numbers too), so a large file loads fast and small.
struct RecordingUnit
{
    enum CellKind : quint8 {
        Number = 0, // "0,5"
        Fault = 1, // "F:12"
        Pattern = 2, // "------HL": value = mask << 16 | bits
        Text = 3 // anything else: value = its place in textPool (see textCell)
    };
    // A text cell's bytes stay in one pool, its place and length packed into the value: a file of
    // short text cells costs little more in memory than on disk.
    static constexpr int TextLengthBits = 20;
    static constexpr int MaxTextLength = (1 << TextLengthBits) - 1;
    static double textCell(qint64 offset, int length) { return double((offset << TextLengthBits) | length); }

    QStringList unitLine; // the unit line's fields
    QString deviceFile; // its field 4
    SignalCatalogue catalogue; // of that device description file
    QStringList signalNames; // from the header line
    QVector<qint64> times; // per row: local time, milliseconds since the epoch
    QVector<double> x; // per row: seconds since the first row of the recording
    QVector<double> values; // row-major: row r, signal s at r * signalNames.size() + s
    QVector<quint8> kinds;
    QByteArray textPool;
    bool textUtf8 = true; // else Windows-1252

    int rowCount() const { return times.size(); }
    int signalCount() const { return signalNames.size(); }
    double value(int row, int signal) const { return values.at(row * signalCount() + signal); }
    CellKind kind(int row, int signal) const { return CellKind(kinds.at(row * signalCount() + signal)); }
    // The cell as the file holds it ("0,5", "F:12", "-----HL").
    QString cellText(int row, int signal) const;
    // The row's time text "hh:mm:ss AP,zzz".
    QString timeText(int row) const;
};

struct Recording
{
    QDate date; // of the first line
    QList<RecordingUnit> units; // unit i is numbered i + 1 in the file
    QString comment; // the text after "[COMMENT]"
    bool windows1252 = false; // the file was not UTF-8 (written by an earlier installation)
};

// The read side of recording files, shared by the window and the command line.
namespace RecFileReader {

enum Status {
    Loaded,
    FileNotFound, // "CSV file not found": the recording cannot be opened
    DeviceFileNotFound, // "CSV file not found": a unit's device description file is missing
    Invalid // "Invalid Rec file"
};
QString message(Status status);
QString title(Status status); // "Error" for every failure

// Finds the catalogue of a device description file named in a unit line; false when missing.
using CatalogueLookup = std::function<bool(const QString &fileName, SignalCatalogue *catalogue)>;
// Looks in the csv_file folder beside the program (extension ".csv" in any case).
CatalogueLookup deviceFileLookup(int language = 0);

// Reads a recording file. On any failure `recording` is left empty.
Status read(const QString &path, Recording *recording, const CatalogueLookup &lookup = deviceFileLookup());
// The same, from the file's bytes.
Status parse(const QByteArray &bytes, Recording *recording, const CatalogueLookup &lookup);

// Parses "hh:mm:ss AP,zzz" into milliseconds since midnight; -1 when the text is not one.
int parseTimeText(const char *text, int length);
// Parses a number with a decimal comma or point; false for anything else.
bool parseNumber(const char *begin, const char *end, double *value);
// Whether the bytes are well-formed UTF-8.
bool isUtf8(const char *data, qint64 length);

} // namespace RecFileReader
