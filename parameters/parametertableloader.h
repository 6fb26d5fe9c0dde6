#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QTextStream;
class TreeItem;

// Reads the parameter table ("[PARAMETER SETS]" .. "[PARAMETER SETS]END") of a device
// description file into a tree of TreeItems. Works on a text stream so that tests and the
// fuzzer can feed it text; TreeModel opens the file with the right codec.
class ParameterTableLoader
{
public:
    struct Options
    {
        int language = 0; // language index 0..10; anything else means English
        QString nominalCurrent; // "Inom" of the unit's size, decimal comma allowed
        QString nominalPower; // "Pnom"
        bool emptyValues = false; // leave the set values empty (a new set before any read)
        QString deviceFileName; // its name decides the "ZNP" maximum factors
    };

    enum class Result {
        Complete, // end marker reached
        NoTable, // no "[PARAMETER SETS]" line
        ShortDefinition, // a definition row with fewer than 26 fields
        NoEndMarker, // the file ended before "[PARAMETER SETS]END": cut short
        BadRegister // a parameter row whose register field is neither "x" nor a register number
    };

    // Appends the items to `root`. Unless the table is complete every item appended so far is
    // removed.
    static Result load(QTextStream &in, TreeItem *root, const Options &options);

    // Language keys by language index.
    static const QStringList &languageKeys();
    // "*" followed by the key of the language (English for an index out of range).
    static QString languageMarker(int language);

    // Walks the records of the table: `onDefinition(ordinal, fields)` for each definition row of
    // at least 26 fields, `onLanguage(ordinal of the last definition row, fields)` for each language
    // row of `language`. Stops at the end marker, the end of the text (NoEndMarker), a short
    // definition row or one whose register field names no register.
    static Result walk(QTextStream &in, int language,
        const std::function<void(int, const QStringList &)> &onDefinition,
        const std::function<void(int, const QStringList &)> &onLanguage);

    // Fills the columns, kind and value texts of `item` from its definition row and the language
    // row (used when the item is created).
    static void fillItem(
        TreeItem *item, const QStringList &definition, const QStringList &language, const Options &options);
    // Sets the text and value texts of another language; re-derives the shown texts.
    static void applyLanguage(TreeItem *item, const QStringList &language);
};
