// Subcommands on a whole unit: list ports, identify, read all parameters, write them back.
#include "clicommon.h"
#include "clioperations.h"
#include "cliprogress.h"
#include "cliunit.h"
#include "datfile.h"
#include "registerword.h"
#include "treemodel.h"
#include "unitentryfields.h"
#include "vxcommmanageserialport.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QTextStream>

namespace {

// A nominal value as a JSON number ("12,5" -> 12.5); a text that is no number stays a text.
QJsonValue numberOf(const QString &text)
{
    bool ok = false;
    const double value = RegisterWord::parseNumber(text, &ok);
    return ok ? QJsonValue(value) : QJsonValue(text);
}

} // namespace

namespace CliCommands {

int ports(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Lists the serial ports present, one per line."));
    int exitCode = 0;
    if (!CliCommon::parse(parser, args, &exitCode)
        || !CliCommon::expectPositional(parser, 0, QStringLiteral("ports"), &exitCode))
        return exitCode;
    QTextStream out(stdout);
    for (const QString &port : VxCommManageSerialPort::VxCommAvailablePorts())
        out << port << '\n';
    return CliExit::Ok;
}

int identify(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Identifies a unit: drive size, software version, device description file, INOM, PNOM, unit name."));
    CliArgs::addUnitOptions(parser);
    parser.addOption({ QStringLiteral("json"), QStringLiteral("Print a JSON object.") });
    int exitCode = 0;
    CliOptions options;
    if (!CliCommon::parseUnitCommand(
            parser, args, 0, QStringLiteral("identify --tcp ADDRESS | --rtu PORT"), true, options, &exitCode))
        return exitCode;
    const auto unit = CliCommon::connectUnit(options, options.target, &exitCode);
    if (!unit)
        return exitCode;
    if (parser.isSet(QStringLiteral("json"))) {
        CliCommon::printJson({ { QStringLiteral("unitName"), unit->unitName() },
            { QStringLiteral("driveSize"), unit->driveSize() },
            { QStringLiteral("softwareVersion"), unit->version() },
            { QStringLiteral("deviceFile"), unit->deviceFile() },
            { QStringLiteral("inom"), numberOf(unit->inom()) },
            { QStringLiteral("pnom"), numberOf(unit->pnom()) },
            { QStringLiteral("unit"), unit->target().unit },
            { QStringLiteral("link"), unit->target().text() } });
    } else {
        QTextStream(stdout) << "Unit name:               " << unit->unitName() << '\n'
                            << "Drive size:              " << unit->driveSize() << '\n'
                            << "Software version:        " << unit->version() << '\n'
                            << "Device description file: " << unit->deviceFile() << '\n'
                            << "INOM:                    " << unit->inom() << '\n'
                            << "PNOM:                    " << unit->pnom() << '\n';
    }
    return CliExit::Ok;
}

int read(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Reads every parameter of a unit, sets A to D, into a parameter set file (.dat), "
                       "as the parameters view saves it."));
    CliArgs::addUnitOptions(parser);
    parser.addOption({ QStringLiteral("out"),
        QStringLiteral("The .dat file to write (\".dat\" is added when missing)."), QStringLiteral("FILE") });
    int exitCode = 0;
    if (!CliCommon::parse(parser, args, &exitCode)
        || !CliCommon::expectPositional(
            parser, 0, QStringLiteral("read --out FILE.dat --tcp ADDRESS | --rtu PORT"), &exitCode))
        return exitCode;
    CliOptions options;
    QString error;
    if (!parser.isSet(QStringLiteral("out")) || parser.value(QStringLiteral("out")).isEmpty())
        return CliCommon::fail(CliExit::Usage, QStringLiteral("read needs --out FILE.dat"));
    bool fileProblem = false;
    if (!CliArgs::readUnitOptions(parser, true, options, &error, &fileProblem))
        return CliCommon::optionFailure(error, fileProblem);
    const QString fileName = DatFile::withDatExtension(parser.value(QStringLiteral("out")));
    // Found out before a long read, not after it.
    if (!QFileInfo(fileName).absoluteDir().exists())
        return CliCommon::fail(CliExit::Usage, QStringLiteral("folder not found for %1").arg(fileName));
    const auto unit = CliCommon::connectUnit(options, options.target, &exitCode);
    if (!unit)
        return exitCode;
    const auto model = unit->makeModel();
    if (!model->isValid())
        return CliCommon::fail(CliExit::File, QStringLiteral("invalid CSV file: %1").arg(unit->deviceFile()));
    CliOperations::WalkResult walk;
    {
        CliProgress progress(QStringLiteral("Parameters Loading from Drive"));
        if (!CliOperations::readAll(
                *unit, *model, [&progress](int done, int total) { progress.update(done, total); }, &walk))
            return CliCommon::fail(CliExit::Link, walk.error);
    }
    // Saved as the parameters view saves it: the settings' customer data unless the set has its own.
    if (!DatFile::save(
            fileName, unit->unitEntry(), CliCommon::customerDataFor(*model, options), *model, &error))
        return CliCommon::fail(CliExit::File, QStringLiteral("cannot write %1: %2").arg(fileName, error));
    // ContinueDespiteCOMFault: the window saves what it has; a script learns what is missing.
    if (!walk.skipped.isEmpty())
        return CliCommon::fail(CliExit::Link,
            QStringLiteral("saved %1 without its unread values: %2").arg(fileName, walk.error));
    QTextStream(stdout) << "Saved " << unit->unitName() << " to " << fileName << '\n';
    return CliExit::Ok;
}

int write(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the parameters of a .dat file to a unit. A file of another drive size, drive type or "
        "software version is refused unless --force is given."));
    CliArgs::addUnitOptions(parser);
    parser.addPositionalArgument(QStringLiteral("FILE.dat"), QStringLiteral("Parameter set file to write."));
    parser.addOption({ QStringLiteral("only-changed"),
        QStringLiteral("Read the unit first and write only the values that differ from the file.") });
    parser.addOption(
        { QStringLiteral("force"), QStringLiteral("Write despite a size, type or version difference.") });
    parser.addOption({ QStringLiteral("partial"),
        QStringLiteral("Write a file that ends before the last parameter of its device description file "
                       "(only the values it holds).") });
    int exitCode = 0;
    CliOptions options;
    if (!CliCommon::parseUnitCommand(parser, args, 1,
            QStringLiteral("write FILE.dat --tcp ADDRESS | --rtu PORT"), true, options, &exitCode))
        return exitCode;
    QString error;
    const QString fileName = parser.positionalArguments().first();
    QStringList fileInfo;
    const auto model = CliCommon::openDatFile(fileName, &fileInfo, &error, options.language);
    if (!model)
        return CliCommon::fail(CliExit::File, error);
    // A backup lists every parameter: one that holds fewer was cut short, or made so on purpose.
    const DatFile::Coverage coverage = DatFile::coverage(*model);
    if (model->endsBeforeLastItem() && !parser.isSet(QStringLiteral("partial")))
        return CliCommon::fail(CliExit::File,
            QStringLiteral(
                "%1: the file holds %2 of %3 parameters of %4 (cut short?); --partial writes these %2")
                .arg(fileName)
                .arg(coverage.held)
                .arg(coverage.total)
                .arg(QFileInfo(model->deviceFileName()).fileName()));

    const auto unit = CliCommon::connectUnit(options, options.target, &exitCode);
    if (!unit)
        return exitCode;
    if (!parser.isSet(QStringLiteral("force"))) {
        // The window asks about each difference in turn; here all of them are told at once.
        const QString fileType = fileInfo.value(1);
        QStringList differences;
        const auto check = [&differences](const QString &what, const QString &inFile, const QString &inUnit) {
            if (inFile != inUnit)
                differences
                    << QStringLiteral("%1 of drives are differ (file %2, unit %3)").arg(what, inFile, inUnit);
        };
        check(QStringLiteral("Sizes"), UnitEntryField::driveSizeOfName(fileType), unit->driveSize());
        check(QStringLiteral("Type"), fileType.left(3), unit->driveSize().left(3));
        check(QStringLiteral("Version"), fileInfo.value(11), unit->version());
        if (!differences.isEmpty())
            return CliCommon::fail(CliExit::Refused,
                differences.join(QLatin1String("; ")) + QStringLiteral("; --force writes anyway"));
    }
    const bool onlyChanged = parser.isSet(QStringLiteral("only-changed"));
    if (onlyChanged) {
        // The unit's values first; opening the file then marks what differs from them.
        CliProgress progress(QStringLiteral("Parameters Loading from Drive"));
        if (!CliOperations::readAll(
                *unit, *model, [&progress](int done, int total) { progress.update(done, total); }, &error))
            return CliCommon::fail(CliExit::Link, error);
        if (!model->ParameterOpen(fileName, &error, DatFile::ChangeMarks::MarkDifferences))
            return CliCommon::fail(CliExit::File, QStringLiteral("%1: %2").arg(fileName, error));
    }
    CliOperations::WalkResult walk;
    {
        CliProgress progress(QStringLiteral("Parameters Loading To Drive"));
        if (!CliOperations::writeAll(
                *unit, *model, onlyChanged,
                [&progress](int done, int total) { progress.update(done, total); }, &walk))
            return CliCommon::fail(CliExit::Link, walk.error);
    }
    if (!walk.skipped.isEmpty())
        return CliCommon::fail(CliExit::Link, walk.error);
    QTextStream(stdout) << "Wrote " << walk.values << " values from " << QFileInfo(fileName).fileName()
                        << " to " << unit->unitName() << '\n';
    return CliExit::Ok;
}

} // namespace CliCommands
