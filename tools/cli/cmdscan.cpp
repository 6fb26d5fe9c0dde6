// The automatic scan from a shell: serial ports with unit numbers, or an IP range, with the
// window's candidate rules, order and messages.
#include "apppaths.h"
#include "clicommon.h"
#include "clitrace.h"
#include "scanoperation.h"
#include "seriallinechoices.h"
#include "settingsfile.h"
#include "settingsrecord.h"
#include "unitentryfields.h"
#include "vxcommdevicestatus.h"
#include "vxcommmodbusmaster.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <QTextStream>

namespace F = UnitEntryField;

namespace {

// "A.B.C.D-E" or "A.B.C.D-A.B.C.E" into the two addresses of the range.
bool splitRange(const QString &text, QString *start, QString *end)
{
    const QStringList ends = text.split(QLatin1Char('-'));
    if (ends.size() != 2)
        return false;
    *start = ends.at(0).trimmed();
    *end = ends.at(1).trimmed();
    if (!end->contains(QLatin1Char('.')))
        *end = start->section(QLatin1Char('.'), 0, 2) + QLatin1Char('.') + *end;
    return true;
}

QString linkOf(const QStringList &entry)
{
    return F::at(entry, F::Interface) == F::tcpIp() ? F::at(entry, F::IpAddress) : F::at(entry, F::Port);
}

} // namespace

namespace CliCommands {

int scan(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Scans serial ports for unit numbers, or an IP range, and prints the units found.\n"
                       "Every candidate's outcome goes to standard error."));
    parser.addOptions({
        { QStringLiteral("rtu"), QStringLiteral("Serial port to scan (repeatable)."),
            QStringLiteral("PORT") },
        { QStringLiteral("rs485"),
            QStringLiteral("The ports are RS485 (several units per port); else RS232.") },
        { QStringLiteral("units"), QStringLiteral("Unit numbers and ranges, e.g. 1-3,7."),
            QStringLiteral("TEXT") },
        { QStringLiteral("baud"), QStringLiteral("Baud rate (19200)."), QStringLiteral("N"),
            QStringLiteral("19200") },
        { QStringLiteral("parity"), QStringLiteral("Framing N,8,1 (default), N,8,2, E,8,1 or O,8,1."),
            QStringLiteral("P"), QStringLiteral("N,8,1") },
        { QStringLiteral("tcp-range"), QStringLiteral("IP range A.B.C.D-E."), QStringLiteral("RANGE") },
        { QStringLiteral("tcp-port"), QStringLiteral("Modbus TCP port (502)."), QStringLiteral("PORT"),
            QStringLiteral("502") },
        { QStringLiteral("sequential"), QStringLiteral("Try the addresses of a range one by one.") },
        { QStringLiteral("json"), QStringLiteral("Print a JSON object.") },
        { QStringLiteral("data"), QStringLiteral("Installation folder with configData/ and csv_file/."),
            QStringLiteral("DIR") },
    });
    CliArgs::addTraceOptions(parser);
    int exitCode = 0;
    if (!CliCommon::parse(parser, args, &exitCode)
        || !CliCommon::expectPositional(parser, 0,
            QStringLiteral("scan (--rtu PORT [--rs485] --units TEXT | --tcp-range A.B.C.D-E)"), &exitCode))
        return exitCode;
    if (parser.isSet(QStringLiteral("data")))
        AppPaths::setBaseDir(parser.value(QStringLiteral("data")));
    QString traceError;
    if (!CliTrace::start(
            parser.isSet(QStringLiteral("trace")), parser.value(QStringLiteral("trace-json")), &traceError))
        return CliCommon::fail(CliExit::File, traceError);

    bool ok = false;
    const int baud = parser.value(QStringLiteral("baud")).toInt(&ok);
    if (!ok || !SerialLineChoices::isBaudRate(baud))
        return CliCommon::fail(CliExit::Usage,
            QStringLiteral("--baud must be one of %1").arg(SerialLineChoices::baudRateList()));
    const QString parity = parser.value(QStringLiteral("parity"));
    if (!SerialLineChoices::isFraming(parity))
        return CliCommon::fail(
            CliExit::Usage, QStringLiteral("--parity must be N,8,1, N,8,2, E,8,1 or O,8,1"));
    const int tcpPort = parser.value(QStringLiteral("tcp-port")).toInt(&ok);
    if (!ok || tcpPort < 1 || tcpPort > 65535)
        return CliCommon::fail(CliExit::Usage, QStringLiteral("--tcp-port must be 1 to 65535"));

    const bool onRs485 = parser.isSet(QStringLiteral("rs485"));
    ScanRules::ScanForm form;
    (onRs485 ? form.rs485Ports : form.rs232Ports) = parser.values(QStringLiteral("rtu"));
    (onRs485 ? form.rs485Units : form.rs232Units) = parser.value(QStringLiteral("units"));
    if (parser.isSet(QStringLiteral("tcp-range"))
        && !splitRange(parser.value(QStringLiteral("tcp-range")), &form.startIp, &form.endIp))
        return CliCommon::fail(CliExit::Usage, QStringLiteral("Please provide valid TCP/IP range"));
    rs232InfoForAutoScan rs232 { form.rs232Ports, baud, parity, {} };
    rs485InfoForAutoScan rs485 { form.rs485Ports, baud, parity, {} };
    ethernetInfoForAutoScan range;
    const QString fault = ScanRules::validateForm(form, &rs232.units, &rs485.units, &range);
    if (!fault.isEmpty())
        return CliCommon::fail(CliExit::Usage, fault);

    // The window's communication settings, as the settings file holds them.
    SettingsRecord settings;
    SettingsFile::load(AppPaths::settingsPath(), settings);
    vxCommDeviceStatus scanner;
    scanner.VxCommSetMsgDelay(int(settings.delayMs));
    scanner.VxCommSetNoOfRetries(settings.retriesEnabled ? int(settings.retries) : 0);

    QTextStream err(stderr);
    ScanOps::Hooks hooks;
    hooks.createMaster = [](int channel) { return new VxCommModbusMaster(channel); };
    hooks.discardMaster = [](VxCommModbusMaster *master) { delete master; };
    hooks.report = [&err](int, int unit, int channel, const QString &link, const QString &message) {
        static const char *const names[] = { "RS232", "RS485", "TCPIP" };
        err << names[qBound(1, channel, 3) - 1] << ' ' << link << " unit " << unit << ": " << message
            << Qt::endl;
    };
    ScanOps::Options options;
    options.tcpPort = quint16(tcpPort);
    if (parser.isSet(QStringLiteral("sequential"))) {
        options.concurrentProbes = 1;
        options.concurrentIdentify = 1;
    }
    const QList<ScanOps::FoundUnit> found = ScanOps::runScan(scanner, rs232, rs485, range, hooks, options);

    if (parser.isSet(QStringLiteral("json"))) {
        QJsonArray units;
        for (const ScanOps::FoundUnit &unit : found)
            units.append(QJsonObject { { QStringLiteral("unit"), F::at(unit.entry, F::Number).toInt() },
                { QStringLiteral("interface"), F::at(unit.entry, F::Interface) },
                { QStringLiteral("link"), linkOf(unit.entry) },
                { QStringLiteral("name"), F::at(unit.entry, F::Name) },
                { QStringLiteral("deviceFile"), F::at(unit.entry, F::DeviceFile) },
                { QStringLiteral("softwareVersion"), F::at(unit.entry, F::Version) } });
        CliCommon::printJson(
            { { QStringLiteral("candidates"), ScanRules::progressTotal(rs232, rs485, range) },
                { QStringLiteral("units"), units } });
    } else {
        QTextStream out(stdout);
        out << QStringLiteral("%1  %2  %3  %4  %5\n")
                   .arg(QStringLiteral("UNIT"), -4)
                   .arg(QStringLiteral("INTERFACE"), -9)
                   .arg(QStringLiteral("LINK"), -20)
                   .arg(QStringLiteral("NAME"), -20)
                   .arg(QStringLiteral("DEVICE FILE"));
        for (const ScanOps::FoundUnit &unit : found)
            out << QStringLiteral("%1  %2  %3  %4  %5\n")
                       .arg(F::at(unit.entry, F::Number), -4)
                       .arg(F::at(unit.entry, F::Interface), -9)
                       .arg(linkOf(unit.entry), -20)
                       .arg(F::at(unit.entry, F::Name), -20)
                       .arg(F::at(unit.entry, F::DeviceFile));
    }
    QSet<VxCommModbusMaster *> masters;
    for (const ScanOps::FoundUnit &unit : found)
        masters.insert(unit.master);
    for (VxCommModbusMaster *master : masters) {
        master->VxCommCloseLink();
        delete master;
    }
    return found.isEmpty() ? CliExit::Link : CliExit::Ok;
}

} // namespace CliCommands
