#pragma once

#include <QByteArray>
#include <QString>

// Options of this program that the settings file has no place for. They live in an INI file of
// their own beside it, so settings.set keeps the layout other installations read; a missing file
// means the defaults.
struct ProgramOptions
{
    // Reads consecutive parameter registers with one exchange per run instead of one each.
    bool blockReads = false;

    // The defaults when the file is missing or unreadable.
    static ProgramOptions load(const QString &path = defaultPath());
    // False when the file could not be written.
    bool save(const QString &path = defaultPath()) const;
    static QString defaultPath(); // configData/tarvolink.ini

    bool operator==(const ProgramOptions &o) const { return blockReads == o.blockReads; }
};

// Where the window was and how its panes were divided, kept in the same file; each is empty
// until the program has been closed once.
struct WindowLayout
{
    QByteArray geometry; // QWidget::saveGeometry
    QByteArray panes; // QSplitter::saveState of the unit pane and the views

    static WindowLayout load(const QString &path = ProgramOptions::defaultPath());
    // Only these keys are written: the options beside them stay as they are.
    bool save(const QString &path = ProgramOptions::defaultPath()) const;
};
