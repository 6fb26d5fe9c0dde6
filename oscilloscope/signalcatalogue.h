#pragma once

#include "tripmessages.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

class QTextStream;

// The recordable signals of one unit, read from the "[RECORD VALUES]" section of its device
// description file, and the fault texts of its "[TRIP MESSAGES]" section before it.
struct SignalCatalogue
{
    // Positions in a stored signal row: the name, then the fields of the signal's data line.
    enum RowField {
        NameField = 0,
        FaultCodeField = 7, // "Y": the value is a fault number
        MaskField = 8, // "N": analog; otherwise the decimal mask of a bit-field signal
        FormatField = 11, // "E" decimal floating word, "N" signed, else unsigned
        MinimumRowSize = 12
    };

    QVector<quint16> blockAddresses; // start register number of each block, in file order
    QVector<quint16> blockCounts; // registers (= signal rows) of each block
    QList<QStringList> signalRows; // row n belongs to register n of the concatenated blocks
    TripMessages trips;
    // Per signal: the names in every language of the file, as [language, name] pairs.
    QVector<QVector<QStringList>> namesInAllLanguages;
    bool valid = false; // the section was read completely and consistently
    bool present = false; // the file has the section (a faulty one when not valid)

    int signalCount() const { return signalRows.size(); }
    int registerCount() const;
    QStringList signalNames() const;
    // The register of the first fault-number signal: the drive's active trip (0 = no trip).
    // 0 when the catalogue has no such signal.
    int activeTripRegister() const;
};

namespace SignalCatalogueReader {

// Reads the sections from the stream's current position. `language` is the name of the
// program's language ("English", "Deutsch", ...); the file's first language stands in for a
// language it does not carry.
SignalCatalogue read(QTextStream &in, const QString &language);

// Reads a device description file (UTF-8 when its name says "UTF8", else Windows-1252) in the
// language of index 0..10. A file that cannot be opened gives an invalid, empty catalogue.
SignalCatalogue readFile(const QString &path, int languageIndex);

// Name of the language of index 0..10 (English for anything else).
QString languageName(int languageIndex);

} // namespace SignalCatalogueReader
