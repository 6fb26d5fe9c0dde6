#include "clioptions.h"

#include "apppaths.h"
#include "devicefiles.h"
#include "parametertableloader.h"
#include "programoptions.h"
#include "seriallinechoices.h"
#include "settingsfile.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QHostAddress>
#include <QTextStream>

namespace {

bool toInt(const QString &text, int *value)
{
    bool ok = false;
    *value = text.trimmed().toInt(&ok);
    return ok;
}

} // namespace

QString UnitTarget::text() const
{
    if (kind == Tcp)
        return QStringLiteral("tcp:%1:%2@%3").arg(address).arg(port).arg(unit);
    if (kind == Rtu)
        return QStringLiteral("rtu:%1@%2").arg(address).arg(unit);
    return QString();
}

namespace CliArgs {

void addDataOption(QCommandLineParser &parser)
{
    parser.addOption({ QStringLiteral("data"),
        QStringLiteral(
            "Installation folder holding configData/ and csv_file/ (default: beside the program)."),
        QStringLiteral("DIR") });
}

void addUnitOptions(QCommandLineParser &parser, bool forSources)
{
    if (!forSources) {
        parser.addOption({ QStringLiteral("tcp"),
            QStringLiteral("Unit on Modbus TCP at ADDRESS (port 502), or ADDRESS:PORT for another port."),
            QStringLiteral("ADDRESS") });
        parser.addOption({ QStringLiteral("rtu"),
            QStringLiteral("Unit on Modbus RTU at serial PORT (see 'ports')."), QStringLiteral("PORT") });
    }
    parser.addOption({ QStringLiteral("baud"),
        QStringLiteral("Baud rate of --rtu: 2400, 4800, 9600, 19200 (default), 38400, 57600, 115200."),
        QStringLiteral("N"), QStringLiteral("19200") });
    parser.addOption({ QStringLiteral("parity"),
        QStringLiteral("Framing of --rtu: N,8,1 (default), N,8,2, E,8,1 or O,8,1."), QStringLiteral("P,8,S"),
        QStringLiteral("N,8,1") });
    parser.addOption({ QStringLiteral("unit"), QStringLiteral("Unit number 1..255 (default 1)."),
        QStringLiteral("N"), QStringLiteral("1") });
    const QString deviceHelp
        = QStringLiteral("Use this device description file instead of the one the unit's identity selects.");
    if (!forSources)
        parser.addOption(
            { { QStringLiteral("csv"), QStringLiteral("device-file") }, deviceHelp, QStringLiteral("FILE") });
    else
        parser.addOption({ QStringLiteral("device-file"), deviceHelp, QStringLiteral("FILE") });
    parser.addOption({ QStringLiteral("retries"),
        QStringLiteral("Number of retries 1..5 (default: the settings file, else 2)."),
        QStringLiteral("N") });
    parser.addOption({ QStringLiteral("delay"),
        QStringLiteral("Delay between messages in ms, 35..99999 (default: the settings file, else 70)."),
        QStringLiteral("MS") });
    parser.addOption({ QStringLiteral("language"),
        QStringLiteral("Language of the parameter texts: a name (English, Deutsch, ...) or its index 0..10 "
                       "(default: the settings file)."),
        QStringLiteral("NAME|INDEX") });
    parser.addOption({ QStringLiteral("continue-on-fault"),
        QStringLiteral("Skip a parameter whose exchange fails and go on (default: the settings file).") });
    parser.addOption({ QStringLiteral("stop-on-fault"),
        QStringLiteral("Stop at the first parameter whose exchange fails.") });
    parser.addOption({ QStringLiteral("blocks"),
        QStringLiteral("Read consecutive parameters with one exchange where the unit allows it "
                       "(default: configData/tarvolink.ini, else off).") });
    parser.addOption({ QStringLiteral("no-blocks"), QStringLiteral("Read one parameter per exchange.") });
    addTraceOptions(parser);
    addDataOption(parser);
}

void addTraceOptions(QCommandLineParser &parser)
{
    parser.addOption({ QStringLiteral("trace"),
        QStringLiteral("Print every exchange with the unit to standard error, named as the Link Monitor "
                       "names it.") });
    parser.addOption({ QStringLiteral("trace-json"),
        QStringLiteral("Write every exchange to FILE as one JSON object per line."),
        QStringLiteral("FILE") });
}

bool checkUnitNumber(const QString &text, int *unit, QString *error)
{
    int value = 0;
    if (!toInt(text, &value) || value < 1 || value > 255) {
        *error = QStringLiteral("Invalid Unit Number: Unit range is 1-255 (got '%1')").arg(text);
        return false;
    }
    *unit = value;
    return true;
}

bool checkTcpAddress(const QString &text, UnitTarget &target, QString *error)
{
    QString address = text.trimmed();
    int port = 502;
    const int colon = address.indexOf(QLatin1Char(':'));
    if (colon >= 0) {
        if (!toInt(address.mid(colon + 1), &port) || port < 1 || port > 65535) {
            *error = QStringLiteral("invalid TCP port in '%1' (1..65535)").arg(text);
            return false;
        }
        address.truncate(colon);
    }
    QHostAddress host;
    if (!host.setAddress(address) || host.protocol() != QAbstractSocket::IPv4Protocol
        || address.count(QLatin1Char('.')) != 3) {
        *error = QStringLiteral("invalid IP address '%1'").arg(address);
        return false;
    }
    target.kind = UnitTarget::Tcp;
    target.address = address;
    target.port = quint16(port);
    return true;
}

bool readUnitOptions(
    const QCommandLineParser &parser, bool needTarget, CliOptions &options, QString *error, bool *fileProblem)
{
    options.trace = parser.isSet(QStringLiteral("trace"));
    options.traceJson = parser.value(QStringLiteral("trace-json"));
    const bool tcp = needTarget && parser.isSet(QStringLiteral("tcp"));
    const bool rtu = needTarget && parser.isSet(QStringLiteral("rtu"));
    if (needTarget && tcp == rtu) {
        *error = tcp ? QStringLiteral("give either --tcp or --rtu, not both")
                     : QStringLiteral("no unit given: use --tcp ADDRESS or --rtu PORT");
        return false;
    }
    if (!checkUnitNumber(parser.value(QStringLiteral("unit")), &options.target.unit, error))
        return false;
    if (tcp && !checkTcpAddress(parser.value(QStringLiteral("tcp")), options.target, error))
        return false;
    if (rtu) {
        options.target.kind = UnitTarget::Rtu;
        options.target.address = parser.value(QStringLiteral("rtu"));
    }
    if (!toInt(parser.value(QStringLiteral("baud")), &options.baud)
        || !SerialLineChoices::isBaudRate(options.baud)) {
        *error = QStringLiteral("invalid baud rate '%1' (%2)")
                     .arg(parser.value(QStringLiteral("baud")), SerialLineChoices::baudRateList());
        return false;
    }
    options.framing = parser.value(QStringLiteral("parity")).toUpper().remove(QLatin1Char(' '));
    if (!SerialLineChoices::isFraming(options.framing)) {
        *error = QStringLiteral("invalid framing '%1' (N,8,1, N,8,2, E,8,1 or O,8,1)")
                     .arg(parser.value(QStringLiteral("parity")));
        return false;
    }
    // The installation's settings first; the options given override them.
    if (!applyDataDir(parser, options, error)) {
        if (fileProblem)
            *fileProblem = true;
        return false;
    }
    applySettingsFile(options);
    if (parser.isSet(QStringLiteral("retries"))
        && (!toInt(parser.value(QStringLiteral("retries")), &options.retries) || options.retries < 1
            || options.retries > 5)) {
        *error = QStringLiteral("invalid number of retries '%1' (1..5)")
                     .arg(parser.value(QStringLiteral("retries")));
        return false;
    }
    if (parser.isSet(QStringLiteral("delay"))) {
        const QString delay = parser.value(QStringLiteral("delay")).trimmed();
        if (!toInt(delay, &options.delay) || delay.size() > 5 || options.delay < 0) {
            *error = QStringLiteral("invalid delay '%1' (35..99999 ms)").arg(delay);
            return false;
        }
        if (options.delay < 35) {
            *error = QStringLiteral("Delay should be at least 35 ms.");
            return false;
        }
    }
    if (parser.isSet(QStringLiteral("language"))) {
        options.language = languageIndex(parser.value(QStringLiteral("language")));
        if (options.language < 0) {
            *error = QStringLiteral("invalid language '%1' (%2, or 0..10)")
                         .arg(parser.value(QStringLiteral("language")),
                             ParameterTableLoader::languageKeys().join(QLatin1String(", ")));
            return false;
        }
    }
    if (parser.isSet(QStringLiteral("continue-on-fault")) && parser.isSet(QStringLiteral("stop-on-fault"))) {
        *error = QStringLiteral("give either --continue-on-fault or --stop-on-fault, not both");
        return false;
    }
    if (parser.isSet(QStringLiteral("continue-on-fault")))
        options.continueOnFault = true;
    if (parser.isSet(QStringLiteral("stop-on-fault")))
        options.continueOnFault = false;
    if (parser.isSet(QStringLiteral("blocks")) && parser.isSet(QStringLiteral("no-blocks"))) {
        *error = QStringLiteral("give either --blocks or --no-blocks, not both");
        return false;
    }
    if (parser.isSet(QStringLiteral("blocks")) || parser.isSet(QStringLiteral("no-blocks")))
        options.blockReads = parser.isSet(QStringLiteral("blocks"));
    if (parser.isSet(QStringLiteral("device-file"))) {
        // A bare name is also looked up in the installation's csv_file folder.
        QString file = parser.value(QStringLiteral("device-file"));
        if (!QFileInfo(file).isFile() && !file.contains(QLatin1Char('/')))
            file = DeviceFiles::resolveDeviceFile(file);
        if (!QFileInfo(file).isFile()) {
            *error = QStringLiteral("No CSV File Found: %1").arg(parser.value(QStringLiteral("device-file")));
            if (fileProblem)
                *fileProblem = true;
            return false;
        }
        options.deviceFile = QFileInfo(file).absoluteFilePath();
    }
    return true;
}

bool applyDataDir(const QCommandLineParser &parser, CliOptions &options, QString *error)
{
    if (parser.isSet(QStringLiteral("data"))) {
        options.dataDir = QFileInfo(parser.value(QStringLiteral("data"))).absoluteFilePath();
        AppPaths::setBaseDir(options.dataDir);
    }
    if (!QFileInfo(AppPaths::generalCsvPath()).isFile()) {
        *error = QStringLiteral("File not found : general.csv (%1)")
                     .arg(QDir::toNativeSeparators(AppPaths::configDir()));
        return false;
    }
    return true;
}

void applySettingsFile(CliOptions &options)
{
    options.blockReads = ProgramOptions::load().blockReads;
    SettingsRecord record;
    QString error;
    if (!SettingsFile::load(AppPaths::settingsPath(), record, &error)) {
        if (!error.isEmpty())
            QTextStream(stderr) << "tarvolink-cli: " << error << '\n';
        return;
    }
    // The window's link settings: retries switched off means no resend at all.
    options.delay = int(record.delayMs);
    options.retries = record.retriesEnabled ? int(record.retries) : 0;
    options.language = int(record.language);
    options.continueOnFault = record.continueDespiteFault;
    options.customerData = QStringList(record.customer.begin(), record.customer.end());
}

int languageIndex(const QString &text)
{
    const QString name = text.trimmed();
    bool isNumber = false;
    const int index = name.toInt(&isNumber);
    if (isNumber)
        return index >= 0 && index <= int(SettingsRecord::maxLanguage) ? index : -1;
    const QStringList &keys = ParameterTableLoader::languageKeys();
    for (int i = 0; i < keys.size(); ++i) {
        if (keys.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool parseSource(const QString &text, UnitTarget &target, bool *isUnit, QString *error)
{
    *isUnit = false;
    const bool tcp = text.startsWith(QLatin1String("tcp:"));
    const bool rtu = text.startsWith(QLatin1String("rtu:"));
    if (!tcp && !rtu)
        return true;
    *isUnit = true;
    QString rest = text.mid(4);
    const int at = rest.lastIndexOf(QLatin1Char('@'));
    if (at >= 0) {
        if (!checkUnitNumber(rest.mid(at + 1), &target.unit, error))
            return false;
        rest.truncate(at);
    }
    if (tcp)
        return checkTcpAddress(rest, target, error);
    if (rest.isEmpty()) {
        *error = QStringLiteral("no serial port in '%1'").arg(text);
        return false;
    }
    target.kind = UnitTarget::Rtu;
    target.address = rest;
    return true;
}

int setIndex(const QString &letter)
{
    const QString upper = letter.trimmed().toUpper();
    if (upper.size() != 1)
        return -1;
    const int index = QStringLiteral("ABCD").indexOf(upper);
    return index;
}

QString setLetter(int set)
{
    return QString(QChar(QLatin1Char('A').unicode() + set));
}

} // namespace CliArgs
