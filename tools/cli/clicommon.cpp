#include "clicommon.h"

#include "apppaths.h"
#include "clitrace.h"
#include "cliunit.h"
#include "datfile.h"
#include "treemodel.h"
#include "vxcommmodbusmaster.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QTextStream>
#include <algorithm>

namespace CliCommon {

int fail(int code, const QString &message)
{
    QTextStream(stderr) << "tarvolink-cli: " << message.simplified() << Qt::endl;
    return code;
}

bool parse(QCommandLineParser &parser, const QStringList &args, int *exitCode)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(
        { QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Show this help."));
    parser.addOption(help);
    if (!parser.parse(args)) {
        *exitCode = fail(CliExit::Usage, parser.errorText());
        return false;
    }
    if (parser.isSet(help)) {
        // The parser names the program by its path; the usage line names the command.
        QString text = parser.helpText();
        const int end = text.indexOf(QLatin1Char('\n'));
        text.replace(0, end, text.left(end).replace(QCoreApplication::arguments().value(0), args.value(0)));
        QTextStream(stdout) << text;
        *exitCode = CliExit::Ok;
        return false;
    }
    return true;
}

bool expectPositional(const QCommandLineParser &parser, int count, const QString &usage, int *exitCode)
{
    if (parser.positionalArguments().size() == count)
        return true;
    *exitCode = fail(CliExit::Usage, QStringLiteral("usage: tarvolink-cli %1").arg(usage));
    return false;
}

void printJson(const QJsonObject &object)
{
    QTextStream(stdout) << QJsonDocument(object).toJson(QJsonDocument::Indented);
}

std::unique_ptr<CliUnit> connectUnit(const CliOptions &options, const UnitTarget &target, int *exitCode)
{
    QString error;
    if (!CliTrace::start(options.trace, options.traceJson, &error)) {
        *exitCode = fail(CliExit::File, error);
        return nullptr;
    }
    auto unit = std::make_unique<CliUnit>(options, target);
    if (!unit->connect()) {
        *exitCode = fail(unit->isFileFault() ? CliExit::File : CliExit::Link,
            QStringLiteral("%1 (%2)").arg(unit->message(), target.text()));
        return nullptr;
    }
    CliTrace::learnUnit(unit->master()->VxCommLinkName(), target.unit, unit->unitName());
    return unit;
}

int optionFailure(const QString &error, bool fileProblem)
{
    return fail(fileProblem ? CliExit::File : CliExit::Usage, error);
}

bool parseUnitCommand(QCommandLineParser &parser, const QStringList &args, int positional,
    const QString &usage, bool needTarget, CliOptions &options, int *exitCode)
{
    if (!parse(parser, args, exitCode) || !expectPositional(parser, positional, usage, exitCode))
        return false;
    QString error;
    bool fileProblem = false;
    if (CliArgs::readUnitOptions(parser, needTarget, options, &error, &fileProblem))
        return true;
    *exitCode = optionFailure(error, fileProblem);
    return false;
}

QStringList customerDataFor(const TreeModel &model, const CliOptions &options)
{
    const QStringList own = model.customerData();
    const bool any
        = std::any_of(own.begin(), own.end(), [](const QString &t) { return !t.trimmed().isEmpty(); });
    return any ? own : options.customerData;
}

std::unique_ptr<TreeModel> openDatFile(
    const QString &fileName, QStringList *unitInformation, QString *error, int language)
{
    const DatFile::Header header = DatFile::readHeader(fileName, AppPaths::csvDir());
    if (header.status != DatFile::Status::Ok) {
        *error = QStringLiteral("%1: %2").arg(fileName, header.message);
        return nullptr;
    }
    // In the language it was saved in: its lines follow the parameter tree of that language.
    language = DatFile::languageOf(fileName, header.deviceFile, language);
    auto model = std::make_unique<TreeModel>(
        header.deviceFile, uint(language), header.nominalCurrent, header.nominalPower, true);
    if (!model->isValid()) {
        *error = QStringLiteral("%1: invalid CSV file: %2").arg(fileName, header.deviceFile);
        return nullptr;
    }
    const DatFile::Check check = DatFile::check(fileName, *model);
    if (!check.ok) {
        *error = QStringLiteral("%1: %2").arg(fileName, check.message);
        return nullptr;
    }
    QString message;
    if (!model->ParameterOpen(fileName, &message)) {
        *error = QStringLiteral("%1: %2").arg(fileName, message);
        return nullptr;
    }
    model->setUnitName(header.deviceType);
    if (unitInformation)
        *unitInformation = header.unitInformation();
    return model;
}

} // namespace CliCommon
