// Subcommands on a unit's operating state: the status values and the trip log, read once.
#include "clicommon.h"
#include "cliunit.h"
#include "treeitem.h"
#include "treemodel.h"
#include "tripdecoding.h"
#include "tripmessages.h"
#include "workeroperations.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonObject>
#include <QTextStream>

namespace {

QString shown(const TreeModel &model, const TreeItem *item, int column)
{
    return model.data(model.indexOf(item, column), Qt::DisplayRole).toString().trimmed();
}

// Reads the entries once into the model, as one pass of the window's cycle does.
bool readOnce(CliUnit &unit, TreeModel &model, const QVector<TreeModel::ReadEntry> &entries, QString *error)
{
    WorkerOps::Context ctx;
    ctx.master = unit.master();
    ctx.unitAddress = unit.target().unit;
    ctx.model = &model;
    for (const TreeModel::ReadEntry &entry : entries) {
        QVector<quint16> words;
        if (WorkerOps::readWords(ctx, entry.tableType, entry.registerNumber, entry.count, &words)
            != WorkerOps::Exchange::Ok) {
            const QString failure = unit.lastFailure();
            *error = QStringLiteral("menu %1 (register %2): %3")
                         .arg(entry.item->text(TreeItem::MenuColumn))
                         .arg(entry.registerNumber)
                         .arg(failure.isEmpty() ? QStringLiteral("Comm Error") : failure);
            return false;
        }
        model.storeRegisters(entry.item, entry.set, words);
    }
    return true;
}

// Connects, builds the unit's model and reads `entries(model)` into it.
std::unique_ptr<TreeModel> readUnit(CliUnit &unit,
    const std::function<QVector<TreeModel::ReadEntry>(const TreeModel &)> &entries, int *exitCode)
{
    auto model = unit.makeModel();
    if (!model->isValid()) {
        *exitCode
            = CliCommon::fail(CliExit::File, QStringLiteral("invalid CSV file: %1").arg(unit.deviceFile()));
        return nullptr;
    }
    QString error;
    if (!readOnce(unit, *model, entries(*model), &error)) {
        *exitCode = CliCommon::fail(CliExit::Link, error);
        return nullptr;
    }
    return model;
}

} // namespace

namespace CliCommands {

int status(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Reads the status values of a unit once, as the status view shows them."));
    CliArgs::addUnitOptions(parser);
    parser.addOption({ QStringLiteral("json"), QStringLiteral("Print a JSON object.") });
    int exitCode = 0;
    CliOptions options;
    if (!CliCommon::parseUnitCommand(
            parser, args, 0, QStringLiteral("status --tcp ADDRESS | --rtu PORT"), true, options, &exitCode))
        return exitCode;
    const auto unit = CliCommon::connectUnit(options, options.target, &exitCode);
    if (!unit)
        return exitCode;
    const auto model = readUnit(*unit, WorkerOps::statusParameters, &exitCode);
    if (!model)
        return exitCode;
    QJsonArray values;
    QTextStream out(stdout);
    const bool json = parser.isSet(QStringLiteral("json"));
    if (!json)
        out << unit->unitName() << '\n';
    for (const TreeModel::ReadEntry &entry : WorkerOps::statusParameters(*model)) {
        const QString menu = shown(*model, entry.item, TreeItem::MenuColumn);
        const QString text = shown(*model, entry.item, TreeItem::TextColumn);
        const QString value = shown(*model, entry.item, TreeItem::SetAColumn);
        const QString unitText = shown(*model, entry.item, TreeItem::UnitColumn);
        if (json)
            values.append(QJsonObject { { QStringLiteral("menu"), menu }, { QStringLiteral("text"), text },
                { QStringLiteral("value"), value }, { QStringLiteral("unit"), unitText } });
        else
            out << qSetFieldWidth(8) << Qt::left << menu << qSetFieldWidth(24) << text << qSetFieldWidth(0)
                << value << (unitText.isEmpty() ? QString() : QLatin1Char(' ') + unitText) << '\n';
    }
    if (json)
        CliCommon::printJson({ { QStringLiteral("unitName"), unit->unitName() },
            { QStringLiteral("link"), unit->target().text() }, { QStringLiteral("values"), values } });
    return CliExit::Ok;
}

int trips(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Reads the trip log of a unit once, each fault with its text, as the fault logger shows it."));
    CliArgs::addUnitOptions(parser);
    parser.addOption({ QStringLiteral("json"), QStringLiteral("Print a JSON object.") });
    int exitCode = 0;
    CliOptions options;
    if (!CliCommon::parseUnitCommand(
            parser, args, 0, QStringLiteral("trips --tcp ADDRESS | --rtu PORT"), true, options, &exitCode))
        return exitCode;
    const auto unit = CliCommon::connectUnit(options, options.target, &exitCode);
    if (!unit)
        return exitCode;
    const auto model = readUnit(*unit, WorkerOps::triplogParameters, &exitCode);
    if (!model)
        return exitCode;
    const QList<TripEntry> entries = TripDecoding::decode(*model, TripMessages::readFile(unit->deviceFile()));
    if (parser.isSet(QStringLiteral("json"))) {
        QJsonArray list;
        for (const TripEntry &e : entries) {
            QJsonObject values;
            for (const auto &v : e.values)
                values.insert(v.first, v.second);
            list.append(
                QJsonObject { { QStringLiteral("entry"), e.group }, { QStringLiteral("code"), e.code },
                    { QStringLiteral("text"), e.text }, { QStringLiteral("values"), values } });
        }
        CliCommon::printJson({ { QStringLiteral("unitName"), unit->unitName() },
            { QStringLiteral("link"), unit->target().text() }, { QStringLiteral("trips"), list } });
        return CliExit::Ok;
    }
    QTextStream out(stdout);
    out << unit->unitName() << '\n';
    for (const TripEntry &e : entries) {
        QStringList values;
        for (const auto &v : e.values)
            values << v.first + QStringLiteral(": ") + v.second;
        out << qSetFieldWidth(10) << Qt::left << e.group << qSetFieldWidth(24) << e.text << qSetFieldWidth(0)
            << values.join(QLatin1String(", ")) << '\n';
    }
    return CliExit::Ok;
}

} // namespace CliCommands
