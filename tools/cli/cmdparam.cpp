// Subcommands on one parameter: get its value, set it (with the dependent values).
#include "clicommon.h"
#include "clioperations.h"
#include "cliunit.h"
#include "parametervalues.h"
#include "registerword.h"
#include "treeitem.h"
#include "treemodel.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTextStream>

namespace {

struct ParamArgs
{
    CliOptions options;
    QString menu;
    QString value;
    int set = 0;
    bool fileProblem = false; // the failure lies in a file of the installation
};

void addParamOptions(QCommandLineParser &parser)
{
    CliArgs::addUnitOptions(parser);
    parser.addOption({ QStringLiteral("set"), QStringLiteral("Parameter set A, B, C or D (default A)."),
        QStringLiteral("A|B|C|D"), QStringLiteral("A") });
    parser.addOption({ QStringLiteral("json"), QStringLiteral("Print a JSON object.") });
}

bool readParamArgs(const QCommandLineParser &parser, int positional, ParamArgs &args, QString *error)
{
    if (!CliArgs::readUnitOptions(parser, true, args.options, error, &args.fileProblem))
        return false;
    args.set = CliArgs::setIndex(parser.value(QStringLiteral("set")));
    if (args.set < 0) {
        *error = QStringLiteral("invalid parameter set '%1' (A, B, C or D)")
                     .arg(parser.value(QStringLiteral("set")));
        return false;
    }
    args.menu = parser.positionalArguments().value(0).trimmed();
    if (positional > 1)
        args.value = parser.positionalArguments().value(1);
    args.options.json = parser.isSet(QStringLiteral("json"));
    return true;
}

// The parameter of a menu number, or a message why there is none.
TreeItem *findParameter(const TreeModel &model, const QString &menu, QString *error)
{
    TreeItem *item = model.findItem(menu);
    if (!item) {
        *error = QStringLiteral("unknown menu '%1' in %2").arg(menu, model.deviceFileName());
        return nullptr;
    }
    if (item->isMenu()) {
        *error = QStringLiteral("menu %1 is a menu, not a parameter").arg(menu);
        return nullptr;
    }
    return item;
}

// Checks a typed value the way the value editors of the parameters view do: numbers in the
// parameter's limits (decimal comma or point), one of the value texts, a text of the allowed
// length without ";", or a time.
bool checkValue(const TreeModel &model, TreeItem *item, int set, QString *value, QString *error)
{
    const QString text = value->trimmed();
    const QString menu = item->text(TreeItem::MenuColumn);
    switch (item->kind()) {
    case TreeItem::Enumerated:
    case TreeItem::EnumeratedNegative: {
        const QStringList texts = item->valueTexts();
        for (const QString &choice : texts) {
            if (!choice.isEmpty() && choice.compare(text, Qt::CaseInsensitive) == 0) {
                *value = choice;
                return true;
            }
        }
        bool ok = false;
        const int v = text.toInt(&ok);
        const int lo = item->field(ParameterValues::FieldMin).toInt();
        const int hi = item->field(ParameterValues::FieldMax).toInt();
        const bool inRange
            = item->kind() == TreeItem::Enumerated ? (v >= lo && v <= hi) : (v <= 0 && -v < texts.size());
        if (ok && inRange) {
            *value = text;
            return true;
        }
        *error = QStringLiteral("value '%1' out of range for menu %2 (%3)")
                     .arg(text, menu, texts.join(QLatin1String(", ")));
        return false;
    }
    case TreeItem::Text: {
        const int length = item->field(ParameterValues::FieldLength).toInt();
        if (text.contains(QLatin1Char(';')) || text.isEmpty() || (length > 0 && text.size() > length)) {
            *error = QStringLiteral("value '%1' not allowed for menu %2 (1 to %3 characters, no ';')")
                         .arg(text, menu)
                         .arg(length);
            return false;
        }
        *value = text;
        return true;
    }
    case TreeItem::Time:
    case TreeItem::TimeHhMmSsT:
    case TreeItem::Date: {
        static const QRegularExpression pattern(QStringLiteral("^\\d{1,5}:\\d{1,2}:\\d{1,2}$"));
        if (!pattern.match(text).hasMatch()) {
            *error = QStringLiteral("value '%1' for menu %2 must be written as h:m:s").arg(text, menu);
            return false;
        }
        *value = text;
        return true;
    }
    default:
        break;
    }
    bool ok = false;
    const double number = RegisterWord::parseNumber(text, &ok);
    const DependencyTable::Limits limits = model.limits(item, set);
    bool okMin = false, okMax = false;
    const double lo = RegisterWord::parseNumber(limits.min, &okMin);
    const double hi = RegisterWord::parseNumber(limits.max, &okMax);
    if (!ok) {
        *error = QStringLiteral("value '%1' for menu %2 is not a number").arg(text, menu);
        return false;
    }
    if ((okMin && number < lo) || (okMax && number > hi)) {
        *error = QStringLiteral("value %1 out of range for menu %2 (%3 .. %4)")
                     .arg(text, menu, limits.min, limits.max);
        return false;
    }
    *value = text;
    return true;
}

QJsonObject describe(const TreeItem *item, int set)
{
    return { { QStringLiteral("menu"), item->text(TreeItem::MenuColumn) },
        { QStringLiteral("parameter"), item->text(TreeItem::TextColumn) },
        { QStringLiteral("set"), CliArgs::setLetter(set) },
        { QStringLiteral("value"), item->text(TreeItem::SetAColumn + set) },
        { QStringLiteral("unit"), item->text(TreeItem::UnitColumn).trimmed() },
        { QStringLiteral("stored"), item->text(TreeItem::StoredAColumn + set) } };
}

QString describeLine(const TreeItem *item, int set)
{
    const QString unitText = item->text(TreeItem::UnitColumn).trimmed();
    return QStringLiteral("%1 %2 [%3] = %4%5")
        .arg(item->text(TreeItem::MenuColumn), item->text(TreeItem::TextColumn), CliArgs::setLetter(set),
            item->text(TreeItem::SetAColumn + set),
            unitText.isEmpty() ? QString() : QLatin1Char(' ') + unitText);
}

// With a chosen device description file the menu (and value) are checked before the link is
// opened; otherwise the unit has to be identified first, which only reads.
bool precheck(ParamArgs &args, bool withValue, QString *error)
{
    if (args.options.deviceFile.isEmpty())
        return true;
    TreeModel model(args.options.deviceFile, 0, QString(), QString(), true);
    if (!model.isValid()) {
        *error = QStringLiteral("invalid CSV file: %1").arg(args.options.deviceFile);
        args.fileProblem = true;
        return false;
    }
    TreeItem *item = findParameter(model, args.menu, error);
    if (!item)
        return false;
    QString value = args.value;
    return !withValue || checkValue(model, item, args.set, &value, error);
}

// A parameter of the connected unit, as the command line names it.
struct OpenParameter
{
    ParamArgs args;
    std::unique_ptr<CliUnit> unit;
    std::unique_ptr<TreeModel> model;
    TreeItem *item = nullptr;
};

// Reads the arguments, opens the link to the unit and finds the parameter; on failure the reason
// is reported and *exitCode holds the exit code.
bool openParameter(
    const QCommandLineParser &parser, int positional, bool withValue, OpenParameter &opened, int *exitCode)
{
    QString error;
    if (!readParamArgs(parser, positional, opened.args, &error)
        || !precheck(opened.args, withValue, &error)) {
        *exitCode = CliCommon::optionFailure(error, opened.args.fileProblem);
        return false;
    }
    opened.unit = CliCommon::connectUnit(opened.args.options, opened.args.options.target, exitCode);
    if (!opened.unit)
        return false;
    opened.model = opened.unit->makeModel();
    if (!opened.model->isValid()) {
        *exitCode = CliCommon::fail(
            CliExit::File, QStringLiteral("invalid CSV file: %1").arg(opened.unit->deviceFile()));
        return false;
    }
    opened.item = findParameter(*opened.model, opened.args.menu, &error);
    if (!opened.item) {
        *exitCode = CliCommon::fail(CliExit::Usage, error);
        return false;
    }
    return true;
}

} // namespace

namespace CliCommands {

int get(const QStringList &argv)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Reads one parameter of a unit and prints its value as shown (with --json: menu, text, set, value, "
        "unit and stored form)."));
    addParamOptions(parser);
    parser.addPositionalArgument(
        QStringLiteral("MENU"), QStringLiteral("Menu number of the parameter, e.g. 225."));
    int exitCode = 0;
    if (!CliCommon::parse(parser, argv, &exitCode)
        || !CliCommon::expectPositional(
            parser, 1, QStringLiteral("get MENU [--set A|B|C|D] --tcp ADDRESS | --rtu PORT"), &exitCode))
        return exitCode;
    OpenParameter opened;
    if (!openParameter(parser, 1, false, opened, &exitCode))
        return exitCode;
    const auto &[args, unit, model, item] = opened;
    QString error;
    if (!CliOperations::readItem(*unit, *model, item, args.set, &error))
        return CliCommon::fail(CliExit::Link, error);
    if (args.options.json)
        CliCommon::printJson(describe(item, args.set));
    else
        QTextStream(stdout) << item->text(TreeItem::SetAColumn + args.set) << '\n';
    return CliExit::Ok;
}

int set(const QStringList &argv)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes one parameter of a unit. VALUE is written as shown: a number with decimal comma or point, "
        "one of the value texts (or its number), a text, or h:m:s. The values that depend on it (the pole "
        "number after motor speed or frequency) are then read back from the unit, which derives them."));
    addParamOptions(parser);
    parser.addPositionalArgument(
        QStringLiteral("MENU"), QStringLiteral("Menu number of the parameter, e.g. 225."));
    parser.addPositionalArgument(QStringLiteral("VALUE"), QStringLiteral("The new value, as shown."));
    // A negative value ("-300") would otherwise be taken for an option.
    QStringList words;
    QStringList negatives;
    static const QRegularExpression negative(QStringLiteral("^-\\d+([.,]\\d+)?$"));
    for (const QString &arg : argv)
        (negative.match(arg).hasMatch() ? negatives : words).append(arg);
    if (!negatives.isEmpty())
        words << QStringLiteral("--") << negatives;
    int exitCode = 0;
    if (!CliCommon::parse(parser, words, &exitCode)
        || !CliCommon::expectPositional(parser, 2,
            QStringLiteral("set MENU VALUE [--set A|B|C|D] --tcp ADDRESS | --rtu PORT"), &exitCode))
        return exitCode;
    OpenParameter opened;
    if (!openParameter(parser, 2, true, opened, &exitCode))
        return exitCode;
    const auto &[args, unit, model, item] = opened;
    QString error;
    if (!CliOperations::isWritable(*model, item))
        return CliCommon::fail(CliExit::Usage, QStringLiteral("menu %1 cannot be written").arg(args.menu));
    // The current value and those the dependent values are computed from, before the change.
    QList<TreeItem *> inputs { item };
    for (TreeItem *dependent : model->dependingItems(item)) {
        inputs.append(dependent);
        for (TreeItem *other : { model->dependencyItem(DependencyTable::Frequency),
                 model->dependencyItem(DependencyTable::Speed), model->genPolesFreqItem(),
                 model->genPolesSpeedItem() }) {
            if (other && !inputs.contains(other))
                inputs.append(other);
        }
    }
    // A parameter whose limits follow other parameters (a range selector, the maximum speed)
    // is checked against their values in the unit.
    if (model->DepPrmItemList().contains(item)) {
        for (TreeItem *other : model->DepPrmItemList()) {
            if (other && !inputs.contains(other) && other->field(ParameterValues::FieldRegister).toInt() > 0)
                inputs.append(other);
        }
    }
    for (TreeItem *input : qAsConst(inputs)) {
        if (!CliOperations::readItem(*unit, *model, input, args.set, &error))
            return CliCommon::fail(CliExit::Link, error);
    }
    model->clearChangedFlags();
    QString value = args.value;
    if (!checkValue(*model, item, args.set, &value, &error))
        return CliCommon::fail(CliExit::Usage, error);
    const int column = TreeItem::SetAColumn
        + (item->field(ParameterValues::FieldOneValue) == QLatin1String("Y") ? 0 : args.set);
    if (!model->setData(model->indexOf(item, column), value, Qt::EditRole))
        return CliCommon::fail(CliExit::Usage,
            QStringLiteral("menu %1 cannot be edited in set %2")
                .arg(args.menu, CliArgs::setLetter(args.set)));
    QList<TreeItem *> dependents;
    if (!CliOperations::writeOne(*unit, *model, item, args.set, &dependents, &error))
        return CliCommon::fail(CliExit::Link, error);
    if (!CliOperations::readItem(*unit, *model, item, args.set, &error))
        return CliCommon::fail(CliExit::Link,
            QStringLiteral("menu %1 was written, but reading it back failed: %2").arg(args.menu, error));
    if (args.options.json) {
        QJsonArray dependentValues;
        for (const TreeItem *dependent : qAsConst(dependents))
            dependentValues.append(describe(dependent, args.set));
        QJsonObject object = describe(item, args.set);
        object.insert(QStringLiteral("dependents"), dependentValues);
        CliCommon::printJson(object);
    } else {
        QTextStream out(stdout);
        out << describeLine(item, args.set) << '\n';
        for (const TreeItem *dependent : qAsConst(dependents))
            out << describeLine(dependent, args.set) << '\n';
    }
    return CliExit::Ok;
}

} // namespace CliCommands
