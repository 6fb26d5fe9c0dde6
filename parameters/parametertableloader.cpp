#include "parametertableloader.h"

#include "csvline.h"
#include "parametervalues.h"
#include "registerword.h"
#include "treeitem.h"

#include <QTextStream>
#include <QVector>

using namespace ParameterValues;

namespace {

const QString kStart = QStringLiteral("[PARAMETER SETS]");
const QString kEnd = QStringLiteral("[PARAMETER SETS]END");

QStringList splitRecord(QString line)
{
    if (line.startsWith(QLatin1Char('"')))
        line.remove(0, 1);
    QStringList fields = CsvLine::split(line);
    if (fields.size() <= 2) {
        // A language row without value texts may stand without its trailing separators.
        if (line.endsWith(QLatin1Char('\n')))
            line.chop(1);
        while (line.endsWith(QLatin1Char(',')))
            line.chop(1);
        line += QLatin1String(";;;;");
        fields = CsvLine::split(line);
    }
    return fields;
}

// Nominal value factors: "ZNP" drives allow more overload than the others.
double maximumFactor(const QString &role, const QString &deviceFileName)
{
    const int cut
        = qMax(deviceFileName.lastIndexOf(QLatin1Char('\\')), deviceFileName.lastIndexOf(QLatin1Char('/')));
    const bool znp = deviceFileName.mid(cut + 1).contains(QLatin1String("ZNP"));
    if (role == QLatin1String("Inom"))
        return znp ? 2.0 : 1.5;
    return znp ? 4.0 : 1.5;
}

// Modbus table of a one-based register number; 0 for a number outside the four tables.
int tableOf(qlonglong number)
{
    if (number >= 1 && number <= 9999)
        return 1;
    if (number >= 10001 && number <= 19999)
        return 2;
    if (number >= 30001 && number <= 39999)
        return 3;
    return number >= 40001 && number <= 49999 ? 4 : 0;
}

// A parameter has no register ("x" or nothing) or one whose set registers (+1000 per set) all
// lie in one table: a number that is none would be read and written nowhere, in silence.
bool registerFieldValid(const QStringList &fields)
{
    if (fields.value(FieldType) == QLatin1String("M"))
        return true;
    const QString text = fields.value(FieldRegister).trimmed();
    if (text.isEmpty() || text.compare(QLatin1String("x"), Qt::CaseInsensitive) == 0)
        return true;
    bool ok = false;
    const qlonglong first = text.toLongLong(&ok);
    const qlonglong last = first + (fields.value(FieldOneValue) == QLatin1String("N") ? 3000 : 0);
    return ok && tableOf(first) != 0 && tableOf(first) == tableOf(last);
}

} // namespace

const QStringList &ParameterTableLoader::languageKeys()
{
    static const QStringList keys { QStringLiteral("English"), QStringLiteral("Svenska"),
        QStringLiteral("Nederlands"), QStringLiteral("Deutsch"), QStringLiteral("Français"),
        QStringLiteral("Español"), QStringLiteral("Russian"), QStringLiteral("Italiano"),
        QStringLiteral("Czech"), QStringLiteral("Turkish"), QStringLiteral("Português") };
    return keys;
}

QString ParameterTableLoader::languageMarker(int language)
{
    return QLatin1Char('*') + languageKeys().value(language, languageKeys().first());
}

ParameterTableLoader::Result ParameterTableLoader::walk(QTextStream &in, int language,
    const std::function<void(int, const QStringList &)> &onDefinition,
    const std::function<void(int, const QStringList &)> &onLanguage)
{
    QString line;
    bool found = false;
    while (in.readLineInto(&line)) {
        if (line.startsWith(QLatin1Char('"')))
            line.remove(0, 1);
        if (CsvLine::cleanField(line.section(QLatin1Char(';'), 0, 0)) == kStart) {
            found = true;
            break;
        }
    }
    if (!found)
        return Result::NoTable;
    in.readLineInto(&line); // heading line

    const QString marker = languageMarker(language);
    int ordinal = -1;
    while (in.readLineInto(&line)) {
        // Blank lines carry nothing; they are not taken for a broken definition row.
        if (line.trimmed().isEmpty())
            continue;
        const QStringList fields = splitRecord(line);
        const QString &first = fields.first();
        if (first == kEnd)
            return Result::Complete;
        if (first.startsWith(QLatin1Char('/')))
            continue;
        if (first.startsWith(QLatin1Char('*'))) {
            if (first == marker && ordinal >= 0)
                onLanguage(ordinal, fields);
            continue;
        }
        if (fields.size() < MinimumFields)
            return Result::ShortDefinition;
        if (!registerFieldValid(fields))
            return Result::BadRegister;
        ++ordinal;
        onDefinition(ordinal, fields);
    }
    // Without its end marker the table was cut short: what was read is no whole table.
    return Result::NoEndMarker;
}

ParameterTableLoader::Result ParameterTableLoader::load(
    QTextStream &in, TreeItem *root, const Options &options)
{
    struct Level
    {
        TreeItem *parent;
        int level;
    };
    QVector<Level> stack { { root, 0 } };
    QStringList pending;
    int pendingOrdinal = -1;
    const int before = root->childCount();

    const Result result = walk(
        in, options.language,
        [&](int ordinal, const QStringList &fields) {
            pending = fields;
            pendingOrdinal = ordinal;
        },
        [&](int ordinal, const QStringList &language) {
            if (ordinal != pendingOrdinal || pending.isEmpty())
                return; // this definition row already has its item
            auto *item = new TreeItem(QVector<QVariant>(TreeItem::ColumnCount));
            fillItem(item, pending, language, options);
            item->setDefinitionOrdinal(ordinal);
            pending.clear();

            const int level = item->field(FieldLevel).toInt() - 1;
            TreeItem *top = stack.last().parent;
            if (level > stack.last().level && top->childCount() > 0)
                stack.append({ top->child(top->childCount() - 1), level });
            while (stack.size() > 1 && level < stack.last().level)
                stack.removeLast();
            stack.last().parent->appendChild(item);
        });

    if (result != Result::Complete)
        root->removeChildren(before, root->childCount() - before);
    return result;
}

void ParameterTableLoader::fillItem(
    TreeItem *item, const QStringList &definition, const QStringList &language, const Options &options)
{
    item->setDefinition(definition);
    item->setKind(kindFor(definition));
    item->setValueTexts(language.mid(2));

    QString menu = definition.value(FieldMenu);
    if (menu.startsWith(QLatin1Char('+')))
        menu.remove(0, 1);
    item->setData(TreeItem::MenuColumn, menu);
    item->setData(TreeItem::TextColumn, language.value(1));
    if (item->isMenu()) {
        item->setData(TreeItem::UnitColumn, QString());
        for (int c = TreeItem::DefaultColumn; c < TreeItem::ColumnCount; ++c)
            item->setData(c, QString());
        return;
    }
    item->setData(TreeItem::UnitColumn, definition.value(FieldUnit));
    if (item->kind() == TreeItem::EnumeratedNegative)
        item->setField(FieldMin, QStringLiteral("-2"));

    const QString role = definition.value(FieldNominal);
    QString nominal;
    if (role == QLatin1String("Inom"))
        nominal = options.nominalCurrent.trimmed();
    else if (role == QLatin1String("Pnom"))
        nominal = options.nominalPower.trimmed();
    if (!nominal.isEmpty()) {
        const double value = RegisterWord::parseNumber(nominal);
        item->setField(
            FieldMax, RegisterWord::formatNumber(value * maximumFactor(role, options.deviceFileName)));
    }

    const bool enumerated
        = item->kind() == TreeItem::Enumerated || item->kind() == TreeItem::EnumeratedNegative;
    for (int set = 0; set < 4; ++set) {
        SetValue value;
        if (!nominal.isEmpty())
            value = fromShown(*item, nominal);
        else if (enumerated)
            value = fromStored(*item, definition.value(FieldSetA + set));
        else
            value = fromShown(*item, definition.value(FieldSetA + set));
        if (set == 0)
            item->setData(TreeItem::DefaultColumn, value.shown);
        if (options.emptyValues)
            value = {};
        item->setData(TreeItem::SetAColumn + set, value.shown);
        item->setData(TreeItem::StoredAColumn + set, value.stored);
    }
}

void ParameterTableLoader::applyLanguage(TreeItem *item, const QStringList &language)
{
    item->setData(TreeItem::TextColumn, language.value(1));
    item->setValueTexts(language.mid(2));
    if (item->kind() != TreeItem::Enumerated && item->kind() != TreeItem::EnumeratedNegative)
        return;
    for (int set = 0; set < 4; ++set) {
        const SetValue value = fromStored(*item, item->text(TreeItem::StoredAColumn + set));
        item->setData(TreeItem::SetAColumn + set, value.shown);
    }
    const QString delivered = item->field(FieldSetA);
    item->setData(TreeItem::DefaultColumn, fromStored(*item, delivered).shown);
}
