// tarvolink-cli: the program's unit jobs from a shell (identify, back up, restore, set and
// compare parameters) on the same core library and the same files as the window.
#include "clicommon.h"
#include "clitrace.h"
#include "tarvolinkversion.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTextStream>

namespace {

const char *const kUsage
    = "Usage: tarvolink-cli COMMAND [options]\n"
      "\n"
      "Commands:\n"
      "  ports                    List the serial ports present.\n"
      "  identify                 Drive size, software version, device description file, INOM, PNOM, unit "
      "name.\n"
      "  read --out FILE.dat      Read all parameters (sets A-D) into a parameter set file.\n"
      "  write FILE.dat           Write a parameter set file to a unit (--only-changed, --force).\n"
      "  get MENU                 Print one parameter value (--set A|B|C|D).\n"
      "  set MENU VALUE           Write one parameter value and re-read the values depending on it.\n"
      "  compare A B              Compare two sources: .dat files or units (tcp:ADDRESS, rtu:PORT).\n"
      "  download                 List the FTP server of ftpLink.txt; --file NAME or --all-new fetch\n"
      "                           device description files into csv_file/ (--link FILE, --overwrite).\n"
      "  record --seconds S --out FILE.rec\n"
      "                           Record the unit's signals (--interval MS, --comment, --trigger).\n"
      "  rec2csv FILE.rec         A recording as plain CSV (--out FILE.csv, else standard output).\n"
      "  status                   The unit's status values (--json).\n"
      "  trips                    The unit's trip log with the fault texts (--json).\n"
      "  control (--forward | --reverse | --stop | --ref PERCENT | --ref-source NAME | --run-source NAME)\n"
      "                           Drive the unit as the control panel does; without an action print its\n"
      "                           control state (--json).\n"
      "  scan (--rtu PORT [--rs485] --units TEXT [--baud N --parity P] | --tcp-range A.B.C.D-E)\n"
      "                           Find the units on serial ports or an IP range (--json).\n"
      "  password                 Set the service password: asked twice on a terminal, else the first\n"
      "                           line of standard input; writes configData/pwFile.txt (--file FILE).\n"
      "\n"
      "Unit selection (identify, read, write, get, set, record, status, trips, control):\n"
      "  --tcp ADDRESS[:PORT]     Modbus TCP, port 502 unless given.\n"
      "  --rtu PORT               Modbus RTU; --baud N (19200), --parity N,8,1|N,8,2|E,8,1|O,8,1.\n"
      "  --unit N                 Unit number 1..255 (1).\n"
      "  --csv FILE               Use this device description file (also --device-file).\n"
      "  --retries N              1..5.   --delay MS   35..99999 (both: settings file, else 2 and 70).\n"
      "  --language NAME|INDEX    Parameter texts (settings file).\n"
      "  --continue-on-fault, --stop-on-fault   Pass over a failed parameter, or stop (settings file).\n"
      "  --data DIR               Installation folder with configData/ and csv_file/.\n"
      "  --trace                  Every exchange with the unit, in the drive's words, to standard error.\n"
      "  --trace-json FILE        Every exchange as one JSON object per line (also for scan).\n"
      "\n"
      "'tarvolink-cli COMMAND --help' describes each command.\n"
      "Exit status: 0 success, 1 compare found differences, 2 bad arguments, 3 unit or link failure,\n"
      "4 file failure, 5 write refused (size, type or version differs; control source not COM).\n";

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarvolink-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARVOLINK_VERSION));

    // The library's diagnostic lines would break the one-line reports scripts read;
    // TARVOLINK_CLI_LOG=1 brings them back.
    if (qEnvironmentVariableIsEmpty("TARVOLINK_CLI_LOG"))
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false\n*.warning=false"));

    QStringList args = QCoreApplication::arguments();
    const QString command = args.value(1);
    if (command.isEmpty() || command == QLatin1String("--help") || command == QLatin1String("-h")
        || command == QLatin1String("help")) {
        QTextStream(command.isEmpty() ? stderr : stdout) << kUsage;
        return command.isEmpty() ? CliExit::Usage : CliExit::Ok;
    }
    if (command == QLatin1String("--version")) {
        QTextStream(stdout) << "tarvolink-cli " TARVOLINK_VERSION "\n";
        return CliExit::Ok;
    }
    // The subcommand's own parser sees "tarvolink-cli COMMAND" as its program name.
    args.removeAt(1);
    args[0] = QStringLiteral("tarvolink-cli ") + command;
    using Command = int (*)(const QStringList &);
    const QList<QPair<QString, Command>> commands {
        { QStringLiteral("ports"), CliCommands::ports },
        { QStringLiteral("identify"), CliCommands::identify },
        { QStringLiteral("read"), CliCommands::read },
        { QStringLiteral("write"), CliCommands::write },
        { QStringLiteral("get"), CliCommands::get },
        { QStringLiteral("set"), CliCommands::set },
        { QStringLiteral("compare"), CliCommands::compare },
        { QStringLiteral("download"), CliCommands::download },
        { QStringLiteral("record"), CliCommands::record },
        { QStringLiteral("rec2csv"), CliCommands::rec2csv },
        { QStringLiteral("status"), CliCommands::status },
        { QStringLiteral("trips"), CliCommands::trips },
        { QStringLiteral("control"), CliCommands::control },
        { QStringLiteral("scan"), CliCommands::scan },
        { QStringLiteral("password"), CliCommands::password },
    };
    for (const auto &entry : commands) {
        if (entry.first == command) {
            const int code = entry.second(args);
            CliTrace::stop(); // the last exchanges are written before the program ends
            return code;
        }
    }
    return CliCommon::fail(
        CliExit::Usage, QStringLiteral("unknown command '%1' (see tarvolink-cli --help)").arg(command));
}
