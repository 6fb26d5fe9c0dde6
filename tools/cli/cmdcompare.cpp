// compare: two parameter sources (files or units), the differing parameters set by set.
#include "clicommon.h"
#include "clioperations.h"
#include "cliprogress.h"
#include "cliunit.h"
#include "parametercompare.h"
#include "treeitem.h"
#include "treemodel.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QTextStream>

namespace {

struct Source
{
    QString text;
    bool isUnit = false;
    UnitTarget target;
    std::unique_ptr<CliUnit> unit;
    std::unique_ptr<TreeModel> model;
};

bool loadSource(Source &source, const CliOptions &options, int *exitCode)
{
    QString error;
    if (!source.isUnit) {
        source.model = CliCommon::openDatFile(source.text, nullptr, &error, options.language);
        if (!source.model)
            *exitCode = CliCommon::fail(CliExit::File, error);
        return bool(source.model);
    }
    source.unit = CliCommon::connectUnit(options, source.target, exitCode);
    if (!source.unit)
        return false;
    source.model = source.unit->makeModel();
    if (!source.model->isValid()) {
        *exitCode = CliCommon::fail(
            CliExit::File, QStringLiteral("invalid CSV file: %1").arg(source.unit->deviceFile()));
        return false;
    }
    CliProgress progress(QStringLiteral("Parameters Loading from Drive"));
    if (!CliOperations::readAll(
            *source.unit, *source.model, [&progress](int done, int total) { progress.update(done, total); },
            &error)) {
        *exitCode = CliCommon::fail(CliExit::Link, error);
        return false;
    }
    // The link is closed once the values are in: two units on one serial line are read one
    // after the other through the same port.
    source.unit.reset();
    return true;
}

QStringList rowOf(const TreeItem *a, const TreeItem *b)
{
    QStringList row { a->text(TreeItem::MenuColumn), a->text(TreeItem::TextColumn) };
    for (int set = 0; set < 4; ++set)
        row << a->text(TreeItem::SetAColumn + set);
    for (int set = 0; set < 4; ++set)
        row << b->text(TreeItem::SetAColumn + set);
    return row;
}

QJsonArray menus(const QList<TreeItem *> &items)
{
    QJsonArray array;
    for (const TreeItem *item : items)
        array.append(item->text(TreeItem::MenuColumn));
    return array;
}

void printTable(const ParameterCompare::Result &result, const Source &first, const Source &second)
{
    QTextStream out(stdout);
    if (result.differences.isEmpty()) {
        out << "Files are Identical\n";
    } else {
        QList<QStringList> rows;
        rows << QStringList { QStringLiteral("Menu"), QStringLiteral("Parameter"), QStringLiteral("Compare"),
            QString(), QString(), QString(), QStringLiteral("Compare With") };
        rows << QStringList { QString(), QString(), QStringLiteral("A"), QStringLiteral("B"),
            QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("A"), QStringLiteral("B"),
            QStringLiteral("C"), QStringLiteral("D") };
        for (const ParameterCompare::Difference &difference : result.differences) {
            QStringList row = rowOf(difference.first, difference.second);
            for (int set = 0; set < 4; ++set) {
                if (difference.sets[set]) {
                    row[2 + set] += QLatin1Char('*');
                    row[6 + set] += QLatin1Char('*');
                }
            }
            rows << row;
        }
        QVector<int> width(10, 0);
        for (const QStringList &row : qAsConst(rows)) {
            for (int c = 0; c < row.size() && c < 10; ++c) {
                // The spanning headings do not widen their first column.
                if (!(rows.indexOf(row) == 0 && (c == 2 || c == 6)))
                    width[c] = qMax(width[c], row.at(c).size());
            }
        }
        for (const QStringList &row : qAsConst(rows)) {
            QString line;
            for (int c = 0; c < row.size(); ++c)
                line += row.at(c).leftJustified(width[c])
                    + (c == 5 ? QStringLiteral(" | ") : QStringLiteral("  "));
            out << line.trimmed() << '\n';
        }
        out << "(* differs)\n";
    }
    out << "Compare: " << first.text << "  Compare With: " << second.text << '\n';
    if (!result.onlyInFirst.isEmpty())
        out << result.onlyInFirst.size() << " parameters only in " << first.text << '\n';
    if (!result.onlyInSecond.isEmpty())
        out << result.onlyInSecond.size() << " parameters only in " << second.text << '\n';
}

} // namespace

namespace CliCommands {

int compare(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Compares two parameter sources and lists every editable parameter whose values differ in a set.\n"
        "A source is a .dat file or a unit:\n"
        "  tcp:ADDRESS[:PORT][@UNIT]   unit on Modbus TCP (port 502 unless given)\n"
        "  rtu:PORT[@UNIT]             unit on Modbus RTU at a serial port (--baud, --parity)\n"
        "UNIT defaults to --unit. Exit status 0 when identical, 1 when they differ.\n"
        "Example: tarvolink-cli compare plant/pump1.dat tcp:192.168.1.27@1"));
    CliArgs::addUnitOptions(parser, true);
    parser.addPositionalArgument(QStringLiteral("A"), QStringLiteral("First source (file or unit)."));
    parser.addPositionalArgument(QStringLiteral("B"), QStringLiteral("Second source (file or unit)."));
    parser.addOption(
        { QStringLiteral("csv"), QStringLiteral("Print semicolon-separated lines (a heading line first).") });
    parser.addOption({ QStringLiteral("json"), QStringLiteral("Print a JSON object.") });
    int exitCode = 0;
    CliOptions options;
    if (!CliCommon::parseUnitCommand(parser, args, 2,
            QStringLiteral("compare A B (a .dat file, tcp:ADDRESS or rtu:PORT)"), false, options, &exitCode))
        return exitCode;
    QString error;
    Source sources[2];
    for (int i = 0; i < 2; ++i) {
        sources[i].text = parser.positionalArguments().at(i);
        sources[i].target.unit = options.target.unit;
        if (!CliArgs::parseSource(sources[i].text, sources[i].target, &sources[i].isUnit, &error))
            return CliCommon::fail(CliExit::Usage, error);
        if (!sources[i].isUnit && !QFileInfo(sources[i].text).isFile())
            return CliCommon::fail(CliExit::File, QStringLiteral("file not found: %1").arg(sources[i].text));
    }
    // Files first: a bad file is reported before any unit is asked.
    for (int pass = 0; pass < 2; ++pass) {
        for (Source &source : sources) {
            if (source.isUnit == (pass == 1) && !loadSource(source, options, &exitCode))
                return exitCode;
        }
    }
    // Parameters found in only one source are listed, but only differing values count.
    const ParameterCompare::Result result
        = ParameterCompare::compare(sources[0].model.get(), sources[1].model.get());
    if (parser.isSet(QStringLiteral("json"))) {
        QJsonArray differences;
        for (const ParameterCompare::Difference &difference : result.differences) {
            QJsonArray a, b, sets;
            for (int set = 0; set < 4; ++set) {
                a.append(difference.first->text(TreeItem::SetAColumn + set));
                b.append(difference.second->text(TreeItem::SetAColumn + set));
                if (difference.sets[set])
                    sets.append(CliArgs::setLetter(set));
            }
            differences.append(
                QJsonObject { { QStringLiteral("menu"), difference.first->text(TreeItem::MenuColumn) },
                    { QStringLiteral("parameter"), difference.first->text(TreeItem::TextColumn) },
                    { QStringLiteral("compare"), a }, { QStringLiteral("compareWith"), b },
                    { QStringLiteral("differingSets"), sets } });
        }
        CliCommon::printJson({ { QStringLiteral("compare"), sources[0].text },
            { QStringLiteral("compareWith"), sources[1].text },
            { QStringLiteral("identical"), result.differences.isEmpty() },
            { QStringLiteral("differences"), differences },
            { QStringLiteral("onlyInCompare"), menus(result.onlyInFirst) },
            { QStringLiteral("onlyInCompareWith"), menus(result.onlyInSecond) } });
    } else if (parser.isSet(QStringLiteral("csv"))) {
        QTextStream out(stdout);
        out << "Menu;Parameter;Compare A;Compare B;Compare C;Compare D;Compare With A;Compare With B;"
               "Compare With C;Compare With D\n";
        for (const ParameterCompare::Difference &difference : result.differences)
            out << rowOf(difference.first, difference.second).join(QLatin1Char(';')) << '\n';
    } else {
        printTable(result, sources[0], sources[1]);
    }
    return result.differences.isEmpty() ? CliExit::Ok : CliExit::Differ;
}

} // namespace CliCommands
