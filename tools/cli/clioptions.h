#pragma once

#include <QString>
#include <QStringList>

class QCommandLineParser;

// Where a unit is reached: Modbus TCP address and port, or a serial port, plus the unit number.
struct UnitTarget
{
    enum Kind { None, Tcp, Rtu };
    Kind kind = None;
    QString address; // IPv4 address (TCP) or serial port name (RTU)
    quint16 port = 502;
    int unit = 1;

    bool isSet() const { return kind != None; }
    QString text() const; // "tcp:ADDRESS:PORT@UNIT" or "rtu:PORT@UNIT"
};

// The options every subcommand that talks to a unit shares, checked before anything is sent.
struct CliOptions
{
    UnitTarget target;
    int baud = 19200;
    QString framing = QStringLiteral("N,8,1");
    QString deviceFile; // chosen device description file (identification from that file)
    int retries = 2;
    int delay = 70;
    QString dataDir;
    bool json = false;
    // From the installation's settings file unless an option says otherwise.
    int language = 0; // language index 0..10
    bool continueOnFault = false; // "ContinueDespiteCOMFault": skip what fails and go on
    bool blockReads = false; // read parameters in runs of consecutive registers (options file)
    QStringList customerData; // the twelve customer texts a saved .dat carries
    bool trace = false; // --trace: every exchange to standard error
    QString traceJson; // --trace-json FILE: every exchange as a JSON line
};

namespace CliArgs {

// Adds --tcp, --rtu, --baud, --parity, --unit, --csv/--device-file, --retries, --delay, --language,
// --continue-on-fault, --stop-on-fault, --blocks, --no-blocks, --trace, --trace-json and --data.
// For compare, whose sources name their units and whose --csv is its output format, `forSources`
// leaves out --tcp, --rtu and --csv.
void addUnitOptions(QCommandLineParser &parser, bool forSources = false);
void addDataOption(QCommandLineParser &parser);
void addTraceOptions(QCommandLineParser &parser);

// Reads and checks the shared options. `needTarget`: exactly one of --tcp and --rtu is required
// (false for compare, which has neither).
// Returns false with a one-line message on the first bad value; *fileProblem (when given) is set
// when the cause is a file of the installation rather than an argument.
bool readUnitOptions(const QCommandLineParser &parser, bool needTarget, CliOptions &options, QString *error,
    bool *fileProblem = nullptr);
// --data: points the installation folder elsewhere and checks that general.csv is there.
bool applyDataDir(const QCommandLineParser &parser, CliOptions &options, QString *error);
// Delay, retries, language, fault handling and customer data of the installation's settings file
// (configData/settings.set), as the window uses them; a missing file leaves the built-in values
// and stops at the first fault.
void applySettingsFile(CliOptions &options);
// "Deutsch" (any case) or "3" -> 3; -1 for neither.
int languageIndex(const QString &text);

// "tcp:ADDRESS[:PORT][@UNIT]" or "rtu:PORT[@UNIT]"; `isUnit` false for anything else (a file).
bool parseSource(const QString &text, UnitTarget &target, bool *isUnit, QString *error);

// Single-value checks shared with the sources of compare.
bool checkUnitNumber(const QString &text, int *unit, QString *error);
bool checkTcpAddress(const QString &text, UnitTarget &target, QString *error);

// Set letter A..D (case-insensitive) -> 0..3; -1 when it is none of them.
int setIndex(const QString &letter);
QString setLetter(int set);

} // namespace CliArgs
