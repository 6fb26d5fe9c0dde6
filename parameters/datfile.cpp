#include "datfile.h"

#include "csvline.h"
#include "devicefiles.h"
#include "parametervalues.h"
#include "registerword.h"
#include "safesave.h"
#include "treeitem.h"
#include "treemodel.h"
#include "unitentryfields.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTextCodec>
#include <QTextStream>

namespace DatFile {

using ParameterValues::SetValue;

namespace {

const QString kPad = QStringLiteral(";;;;;;;;;"); // 9 separators
const QString kCustomerPad = QString(18, QLatin1Char(';'));

// A text written into one field must not split the line or the record.
QString fieldText(QString text)
{
    text.replace(QLatin1Char(';'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

QStringList readAllLines(QIODevice &device)
{
    QTextStream in(&device);
    in.setCodec("UTF-8");
    QStringList lines;
    QString line;
    while (in.readLineInto(&line)) {
        while (!line.isEmpty()
            && (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r'))
                || line.endsWith(QLatin1Char(' ')) || line.endsWith(QLatin1Char('\t'))))
            line.chop(1);
        lines.append(line);
    }
    return lines;
}

// Section markers start the first field; a "[" inside a parameter text ("Current [A]") is
// no marker.
bool isMarker(const QString &line)
{
    return line.startsWith(QLatin1Char('['));
}

QString findDeviceFile(const QString &csvDir, const QString &name)
{
    const QStringList entries = QDir(csvDir).entryList(QDir::Files);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return QDir(csvDir).filePath(entry);
    }
    return {};
}

QString quoted(const QString &text)
{
    QString printable;
    for (const QChar c : text)
        printable
            += c.isPrint() ? QString(c) : QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
    return QLatin1Char('\'') + printable + QLatin1Char('\'');
}

// A value the unit accepts writes of and whose limits are fixed: limits that follow other
// parameters are the unit's to judge, and a read-only value (a measured one may exceed its rated
// range) is never written.
bool limitsApply(const TreeModel &model, const TreeItem &item)
{
    return !model.DepPrmItemList().contains(const_cast<TreeItem *>(&item))
        && item.field(ParameterValues::FieldAccess).toInt() > 0;
}

// Why a time or date text cannot be taken; empty when it can. `stored`: the hour of "T_HHMMSST"
// is in tenths of an hour there.
QString timeFault(const TreeModel &model, const TreeItem &item, const QString &value, bool stored)
{
    const QStringList parts = value.split(QLatin1Char(':'));
    QVector<uint> p;
    for (const QString &part : parts) {
        bool ok = false;
        p.append(part.toUInt(&ok));
        if (!ok || p.last() > 65535 || parts.size() != 3)
            return QStringLiteral("%1 is no time").arg(quoted(value));
    }
    if (stored && item.kind() == TreeItem::TimeHhMmSsT)
        p[0] /= 10;
    const bool date = item.kind() == TreeItem::Date;
    // A time counts seconds, a date its year, month and day in that order.
    const auto ordinal = [date](const QVector<uint> &t) {
        return date ? qint64(t[0]) * 10000 + t[1] * 100 + t[2] : qint64(t[0]) * 3600 + t[1] * 60 + t[2];
    };
    if (!limitsApply(model, item))
        return QString();
    if (date ? (p[1] > 12 || p[2] > 31) : (p[1] > 59 || p[2] > 59))
        return QStringLiteral("%1 is no %2")
            .arg(quoted(value), date ? QStringLiteral("date") : QStringLiteral("time"));
    const auto limit = [&](int field, bool *ok) {
        const QStringList l = item.field(field).split(QLatin1Char(':'));
        QVector<uint> t;
        for (const QString &part : l)
            t.append(part.toUInt(ok));
        *ok = *ok && t.size() == 3;
        return *ok ? ordinal(t) : 0;
    };
    bool okMin = false, okMax = false;
    const qint64 lo = limit(ParameterValues::FieldMin, &okMin), hi = limit(ParameterValues::FieldMax, &okMax);
    if ((okMin && ordinal(p) < lo) || (okMax && ordinal(p) > hi))
        return QStringLiteral("%1 is outside %2 .. %3")
            .arg(value, item.field(ParameterValues::FieldMin), item.field(ParameterValues::FieldMax));
    return QString();
}

// Why a value of an enumerated parameter cannot be taken: a shown text must be one of its
// choices (in the language the file was saved in) or the number of one; a stored one a number
// within its limits.
QString choiceFault(const TreeItem &item, const QString &value, bool stored)
{
    const QStringList texts = item.valueTexts();
    if (!stored && texts.contains(value))
        return QString();
    bool ok = false;
    const int v = value.toInt(&ok);
    if (!ok)
        return stored ? QStringLiteral("%1 is not a number").arg(quoted(value))
                      : QStringLiteral("%1 is none of its choices (%2)")
                            .arg(quoted(value), texts.join(QLatin1String(", ")));
    const bool negative = item.kind() == TreeItem::EnumeratedNegative;
    bool okMin = false, okMax = false;
    int lo = item.field(ParameterValues::FieldMin).toInt(&okMin);
    int hi = item.field(ParameterValues::FieldMax).toInt(&okMax);
    // Without limits in its row, its choices bound it.
    if (!okMin && !texts.isEmpty())
        lo = negative ? 1 - texts.size() : 0;
    if (!okMax && !texts.isEmpty())
        hi = negative ? 0 : texts.size() - 1;
    if (((okMin || !texts.isEmpty()) && v < lo) || ((okMax || !texts.isEmpty()) && v > hi))
        return QStringLiteral("%1 is outside %2 .. %3").arg(value).arg(lo).arg(hi);
    return QString();
}

// Why one value of a parameter line cannot be taken; empty when it can. `stored` is the form
// that is sent to a unit, `shown` the one read when the stored form is empty.
QString valueFault(const TreeModel &model, const TreeItem &item, const QString &shown, const QString &stored)
{
    const bool fromStored = !stored.trimmed().isEmpty();
    const QString value = fromStored ? stored.trimmed() : shown.trimmed();
    if (value.isEmpty())
        return QString();
    switch (item.kind()) {
    case TreeItem::Text:
    case TreeItem::Menu:
        return QString();
    case TreeItem::Time:
    case TreeItem::TimeHhMmSsT:
    case TreeItem::Date:
        return timeFault(model, item, value, fromStored);
    case TreeItem::Enumerated:
    case TreeItem::EnumeratedNegative:
        return choiceFault(item, value, fromStored);
    default:
        break;
    }
    SetValue taken;
    if (fromStored) {
        bool ok = false;
        const int word = value.toInt(&ok);
        const bool scaled = ParameterValues::scaleFactor(item) > 0;
        if (!ok || (!scaled && (word < 0 || word > 0xFFFF)) || (scaled && (word < -0x8000 || word > 0xFFFF)))
            return QStringLiteral("%1 is not a register value").arg(quoted(value));
        taken = ParameterValues::fromStored(item, value);
    } else {
        bool ok = false;
        RegisterWord::parseNumber(value, &ok);
        if (!ok)
            return QStringLiteral("%1 is not a number").arg(quoted(value));
        taken = ParameterValues::fromShown(item, value);
    }
    if (!limitsApply(model, item))
        return QString();
    bool ok = false, okMin = false, okMax = false;
    const double number = RegisterWord::parseNumber(taken.shown, &ok);
    const double lo = RegisterWord::parseNumber(item.field(ParameterValues::FieldMin), &okMin);
    const double hi = RegisterWord::parseNumber(item.field(ParameterValues::FieldMax), &okMax);
    // The stored form keeps about three significant digits: a limit is met within that rounding.
    const auto slack = [](double limit) { return qMax(1e-9, qAbs(limit) * 0.005); };
    if (ok && ((okMin && number < lo - slack(lo)) || (okMax && number > hi + slack(hi))))
        return QStringLiteral("%1 is outside %2 .. %3")
            .arg(taken.shown, item.field(ParameterValues::FieldMin), item.field(ParameterValues::FieldMax));
    return QString();
}

// The last line of a file without its line end may have been cut: it counts as whole when its
// last field (the stored form of set D) is the one its shown form gives.
bool lastLineWhole(const TreeItem &item, const QStringList &fields)
{
    if (fields.size() < 10)
        return false;
    if (fields.size() > 10 || item.isMenu() || fields.at(5).trimmed().isEmpty()
        || fields.at(9).trimmed().isEmpty())
        return true;
    return ParameterValues::fromShown(item, fields.at(5)).stored
        == ParameterValues::fromStored(item, fields.at(9)).stored;
}

// Lines of the file, decoded by its byte-order mark (UTF-8 without one), NUL bytes kept.
QStringList decodedLines(QIODevice &device)
{
    const QByteArray bytes = device.readAll();
    QTextCodec *codec = QTextCodec::codecForUtfText(bytes, QTextCodec::codecForName("UTF-8"));
    return codec->toUnicode(bytes).split(QLatin1Char('\n'));
}

int parameterSetsLine(const QStringList &lines)
{
    int i = 0;
    while (i < lines.size()
        && lines.at(i).section(QLatin1Char(';'), 0, 0).trimmed() != QLatin1String("[PARAMETER SETS]"))
        ++i;
    return i;
}

} // namespace

Check check(QIODevice &device, const TreeModel &model)
{
    Check result;
    const QStringList lines = decodedLines(device);
    int i = parameterSetsLine(lines);
    if (i >= lines.size()) {
        result.message = QStringLiteral("no \"[PARAMETER SETS]\" line: the file holds no parameters");
        return result;
    }
    ++i;
    const QVector<TreeItem *> items = model.allItems();
    // The text after the last line end: empty unless the file ends inside a line, or its last
    // line lacks its line end.
    const int last = lines.size() - 1;
    int parameters = 0;
    static const char *const setNames[] = { "A", "B", "C", "D" };
    for (TreeItem *item : items) {
        if (i > last || (i == last && lines.at(last).trimmed().isEmpty()))
            break; // a file cut at a line end: opening and writing say how much it holds
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const int number = i + 1;
        const QString menu = item->text(TreeItem::MenuColumn);
        const auto fault = [&](const QString &why) {
            result.line = number;
            result.message = QStringLiteral("line %1 (menu %2): %3").arg(number).arg(menu, why);
            return result;
        };
        const QStringList fields = line.split(QLatin1Char(';'));
        if (i++ == last && !lastLineWhole(*item, fields)) {
            result.line = number;
            result.message = QStringLiteral("line %1: the file ends inside a line (cut short?)").arg(number);
            return result;
        }
        if (isMarker(line))
            return fault(QStringLiteral("a section line inside the parameter table: the file is damaged"));
        if (!line.contains(QLatin1Char(';')))
            return fault(QStringLiteral("the line is incomplete (no \";\")"));
        if (item->isMenu())
            continue;
        if (fields.size() < 10)
            return fault(QStringLiteral("the line is incomplete (%1 of 10 fields)").arg(fields.size()));
        for (int set = 0; set < 4; ++set) {
            const QString why = valueFault(model, *item, fields.at(2 + set), fields.at(6 + set));
            if (!why.isEmpty())
                return fault(QStringLiteral("value of set %1: %2").arg(QLatin1String(setNames[set]), why));
        }
        ++parameters;
    }
    if (parameters == 0) {
        result.message = QStringLiteral("no parameter lines after \"[PARAMETER SETS]\"");
        return result;
    }
    result.ok = true;
    return result;
}

Check check(const QString &fileName, const TreeModel &model)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        Check result;
        result.message = file.errorString();
        return result;
    }
    return check(file, model);
}

Coverage coverage(const TreeModel &model)
{
    Coverage counted;
    const QList<TreeItem *> writable = model.GetWritableParameters();
    for (const TreeModel::ReadEntry &entry : model.readList()) {
        if (entry.tableType != 4 || !writable.contains(entry.item))
            continue;
        ++counted.total;
        counted.held += model.isBeyondFile(entry.item) ? 0 : 1;
    }
    return counted;
}

int languageOf(QIODevice &device, const QString &deviceFile, int preferred)
{
    const QStringList lines = decodedLines(device);
    const int first = parameterSetsLine(lines) + 1;
    QList<int> order { preferred };
    for (int language = 0; language < ParameterTableLoader::languageKeys().size(); ++language) {
        if (language != preferred)
            order.append(language);
    }
    int best = preferred, bestScore = -1;
    for (int language : qAsConst(order)) {
        const TreeModel model(deviceFile, uint(language), QString(), QString(), true);
        const QVector<TreeItem *> items = model.allItems();
        int score = 0;
        for (int k = 0; k < items.size() && first + k < lines.size(); ++k) {
            const QStringList fields = lines.at(first + k).split(QLatin1Char(';'));
            score += fields.value(0) == items.at(k)->text(TreeItem::MenuColumn)
                && fields.value(1) == fieldText(items.at(k)->text(TreeItem::TextColumn));
        }
        if (score > bestScore) {
            best = language;
            bestScore = score;
        }
        if (score > 0 && score == items.size())
            break; // every line in step
    }
    return best;
}

int languageOf(const QString &fileName, const QString &deviceFile, int preferred)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? languageOf(file, deviceFile, preferred) : preferred;
}

QString invalidFileMessage()
{
    return QStringLiteral("invalid CSV file");
}

QString incompatibleMessage()
{
    return QStringLiteral("Selected DAT file is not compatible with current CSV version");
}

QString withDatExtension(const QString &fileName)
{
    return fileName.contains(QLatin1String(".dat")) ? fileName : fileName + QLatin1String(".dat");
}

void writeHeader(QTextStream &out, const QStringList &unitInformation, const QStringList &customerData)
{
    const auto entry = [&unitInformation](int i) { return fieldText(unitInformation.value(i)); };
    out << "[DEVICE TYPE]" << kPad << '\n'
        << entry(UnitEntryField::Name) << kPad << '\n'
        << kPad << '\n'
        << "[DEVICE TYPE_END]" << kPad << '\n'
        << "[DATA FILE]" << kPad << '\n'
        << entry(UnitEntryField::Number) << ';' << entry(UnitEntryField::DeviceFile) << ";;;;;;;;;;" << kPad
        << '\n'
        << "[DATA FILE_END]" << kPad << '\n'
        << "[SOFTWARE VERSION]" << kPad << '\n'
        << entry(UnitEntryField::Version) << kPad << '\n'
        << kPad << '\n'
        << "[SOFTWARE VERSION_END]" << kPad << '\n'
        << "[CUSTOMER DATA]" << kCustomerPad << '\n';
    for (int i = 0; i < 12; ++i) {
        QString text = fieldText(customerData.value(i));
        // The reader ends the customer data at a section marker.
        if (text.startsWith(QLatin1Char('[')))
            text[0] = QLatin1Char('(');
        out << text << (i == 8 ? QStringLiteral(";;;;;;;;;;;") : kPad) << '\n';
    }
    out << "[CUSTOMER DATA_END]" << kCustomerPad << '\n'
        << "Menu nr;Parameter;Value 1;Value 2;Value 3;Value 4;Format Value 1;Format Value 2;"
           "Format Value 3;Format Value 4\n";
}

void writeParameterLines(QTextStream &out, const TreeModel &model)
{
    out << "[PARAMETER SETS]" << kPad << '\n';
    static const int columns[] = { 0, 1, 4, 5, 6, 7, 8, 9, 10, 11 };
    // One snapshot: a file never mixes values from before and after a worker's store.
    model.withValuesLocked([&] {
        model.forEachItem([&out](TreeItem *item) {
            bool first = true;
            for (int column : columns) {
                if (!first)
                    out << ';';
                out << fieldText(item->text(column));
                first = false;
            }
            out << '\n';
        });
    });
}

bool save(const QString &fileName, const QStringList &unitInformation, const QStringList &customerData,
    const TreeModel &model, QString *error)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    QTextStream out(&file);
    out.setCodec("UTF-8");
    writeHeader(out, unitInformation, customerData);
    writeParameterLines(out, model);
    out.flush();
    if (out.status() != QTextStream::Ok) {
        if (error)
            *error = SafeSave::failureText(fileName, file.errorString());
        return false;
    }
    return SafeSave::commit(file, error);
}

QStringList Header::unitInformation() const
{
    QStringList entry = UnitEntryField::emptyEntry();
    entry[UnitEntryField::Name] = deviceType;
    entry[UnitEntryField::DeviceFile] = deviceFile;
    entry[UnitEntryField::Inom] = nominalCurrent;
    entry[UnitEntryField::Pnom] = nominalPower;
    entry[UnitEntryField::Version] = softwareVersion;
    return entry;
}

Header readHeader(QIODevice &device, const QString &csvDir)
{
    Header header;
    const QStringList lines = readAllLines(device);
    const auto fieldOfNext = [&lines](int i, int field, bool *ok) {
        if (i + 1 >= lines.size() || !lines.at(i + 1).contains(QLatin1Char(';'))) {
            *ok = false;
            return QString();
        }
        return lines.at(i + 1).split(QLatin1Char(';')).value(field);
    };
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (!line.contains(QLatin1Char(';'))) {
            header.status = Status::InvalidFile;
            header.message = invalidFileMessage();
            return header;
        }
        const QString first = line.section(QLatin1Char(';'), 0, 0);
        bool ok = true;
        if (first == QLatin1String("Menu nr"))
            break;
        if (first == QLatin1String("[DEVICE TYPE]"))
            header.deviceType = fieldOfNext(i, 0, &ok);
        else if (first == QLatin1String("[DATA FILE]"))
            header.dataFile = fieldOfNext(i, 1, &ok);
        else if (first == QLatin1String("[SOFTWARE VERSION]"))
            header.softwareVersion = fieldOfNext(i, 0, &ok);
        if (!ok) {
            header.status = Status::InvalidFile;
            header.message = invalidFileMessage();
            return header;
        }
    }

    const QChar separator = header.dataFile.contains(QLatin1Char('/')) ? QLatin1Char('/') : QLatin1Char('\\');
    QString name = header.dataFile.section(separator, -1).trimmed();
    if (name.endsWith(QLatin1String(".CSV"), Qt::CaseInsensitive))
        name.chop(4);
    if (!name.isEmpty())
        header.deviceFile = findDeviceFile(csvDir, name + QLatin1String(".csv"));
    // The nominal values are those of the drive size the file was saved from, not of whatever
    // row the size table happens to start with.
    const DeviceFiles::DriveSize size = header.deviceFile.isEmpty()
        ? DeviceFiles::DriveSize()
        : DeviceFiles::VxCommGetSizeByName(
            header.deviceFile, UnitEntryField::driveSizeOfName(header.deviceType));
    header.nominalCurrent = size.inom;
    header.nominalPower = size.pnom;
    if (!size.isValid()) {
        header.deviceFile.clear();
        header.status = Status::Incompatible;
        header.message = incompatibleMessage();
        return header;
    }
    header.status = Status::Ok;
    return header;
}

Header readHeader(const QString &fileName, const QString &csvDir)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        Header header;
        header.message = file.errorString();
        return header;
    }
    return readHeader(file, csvDir);
}

OpenResult openParameters(QIODevice &device, TreeModel &model, ChangeMarks marks)
{
    OpenResult result;
    const QStringList lines = readAllLines(device);

    int i = 0;
    while (
        i < lines.size() && lines.at(i).section(QLatin1Char(';'), 0, 0) != QLatin1String("[CUSTOMER DATA]"))
        ++i;
    QStringList customer;
    for (++i; i < lines.size() && !isMarker(lines.at(i)); ++i)
        customer.append(lines.at(i).section(QLatin1Char(';'), 0, 0));
    model.setCustomerData(customer.size() >= 12 ? customer : QStringList());

    i = 0;
    while (
        i < lines.size() && lines.at(i).section(QLatin1Char(';'), 0, 0) != QLatin1String("[PARAMETER SETS]"))
        ++i;
    ++i;
    const QVector<TreeItem *> items = model.allItems();
    for (TreeItem *item : items) {
        if (i >= lines.size())
            break;
        const QString &line = lines.at(i++);
        if (isMarker(line)) {
            result.message = QStringLiteral("TreeModel::ParameterOpen start inside while break");
            break;
        }
        if (!line.contains(QLatin1Char(';'))) {
            result.message = QStringLiteral("TreeModel::ParameterOpen invalid dat file");
            break;
        }
        ++result.linesApplied;
        if (item->isMenu())
            continue;
        const QStringList fields = line.split(QLatin1Char(';'));
        for (int set = 0; set < 4; ++set) {
            const QString shown = fields.value(2 + set);
            const QString stored = fields.value(6 + set);
            ParameterValues::SetValue value;
            if (!stored.trimmed().isEmpty())
                value = ParameterValues::fromStored(*item, stored);
            else if (!shown.trimmed().isEmpty())
                value = ParameterValues::fromShown(*item, shown);
            const bool differs = value.stored != item->text(TreeItem::StoredAColumn + set);
            item->setData(TreeItem::SetAColumn + set, value.shown);
            item->setData(TreeItem::StoredAColumn + set, value.stored);
            item->setChanged(set, marks == ChangeMarks::MarkDifferences && differs);
        }
    }
    // A file cut at a line end fills only the items before the cut.
    model.setItemsBeyondFile(items.mid(qMin(result.linesApplied, items.size())));
    model.notifyAllValuesChanged();
    result.ok = true;
    return result;
}

OpenResult openParameters(const QString &fileName, TreeModel &model, ChangeMarks marks)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        OpenResult result;
        result.message = QStringLiteral("OpenDat file open fail");
        return result;
    }
    return openParameters(file, model, marks);
}

} // namespace DatFile
