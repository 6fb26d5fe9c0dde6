#pragma once

#include "clioptions.h"

#include <QJsonObject>
#include <QStringList>
#include <memory>

class CliUnit;
class QCommandLineParser;
class TreeModel;

// Exit codes of every subcommand.
namespace CliExit {
enum Code { Ok = 0, Differ = 1, Usage = 2, Link = 3, File = 4, Refused = 5 };
}

// Helpers the subcommands share: argument parsing with --help, the one-line failure report,
// JSON output, connecting a unit and opening a parameter set file.
namespace CliCommon {

// Prints "tarvolink-cli: MESSAGE" on one line to stderr and returns `code`.
int fail(int code, const QString &message);

// Parses `args` (argv[0] first). On --help prints the help and sets *exitCode to 0; on a parse
// error reports it and sets *exitCode to Usage. Returns true when the command should go on.
bool parse(QCommandLineParser &parser, const QStringList &args, int *exitCode);

// Positional arguments must number exactly `count`; false with a message otherwise.
bool expectPositional(const QCommandLineParser &parser, int count, const QString &usage, int *exitCode);

void printJson(const QJsonObject &object);

// Opens the link and identifies the unit; on failure reports the identification message.
std::unique_ptr<CliUnit> connectUnit(const CliOptions &options, const UnitTarget &target, int *exitCode);

// A parameter set file opened the way the parameters view opens it: header, the model of the
// device description file it names (in the language the file was saved in, `language` unless its
// lines say otherwise), then its values. `unitInformation` gets the header's entry.
// The whole file is checked first (DatFile::check): a damaged file is refused, naming the line.
std::unique_ptr<TreeModel> openDatFile(
    const QString &fileName, QStringList *unitInformation, QString *error, int language = 0);

// The customer data a saved .dat carries: the set's own, else those of the settings file, as
// the parameters view saves them.
QStringList customerDataFor(const TreeModel &model, const CliOptions &options);

// Exit code of a failed option check.
int optionFailure(const QString &error, bool fileProblem);
// Parses the arguments of a command that talks to units (usage refusals, positional count, unit
// options); false with *exitCode set when the command is refused.
bool parseUnitCommand(QCommandLineParser &parser, const QStringList &args, int positional,
    const QString &usage, bool needTarget, CliOptions &options, int *exitCode);

} // namespace CliCommon

// The subcommands; each takes its arguments with argv[0] first and returns the exit code.
namespace CliCommands {
int ports(const QStringList &args);
int identify(const QStringList &args);
int read(const QStringList &args);
int write(const QStringList &args);
int get(const QStringList &args);
int set(const QStringList &args);
int compare(const QStringList &args);
int download(const QStringList &args);
int record(const QStringList &args);
int rec2csv(const QStringList &args);
int status(const QStringList &args);
int trips(const QStringList &args);
int control(const QStringList &args);
int scan(const QStringList &args);
int password(const QStringList &args);
} // namespace CliCommands
