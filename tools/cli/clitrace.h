#pragma once

#include <QString>

class TreeModel;

// --trace and --trace-json: every exchange of the command, described as the Link Monitor does,
// one line each to standard error or as JSON lines to a file. A thread of its own writes them, so
// the bus never waits for the terminal or the disk.
namespace CliTrace {

// Starts once per process; later calls only report whether it runs. False with *error when the
// JSON file cannot be opened.
bool start(bool toStderr, const QString &jsonFile, QString *error);
bool active();
// Names the unit's exchanges from here on: its tree name and, once made, its parameter model.
void learnUnit(const QString &link, int unit, const QString &name, const TreeModel *model = nullptr);
// Writes what is still queued and ends the writer.
void stop();

} // namespace CliTrace
