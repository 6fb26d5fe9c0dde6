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

// Why one value of a parameter line cannot be taken; empty when it can. `stored` is the form
// that is sent to a unit, `shown` the one read when the stored form is empty.
QString valueFault(const TreeModel &model, const TreeItem &item, const QString &shown, const QString &stored)
{
    const QString value = stored.trimmed().isEmpty() ? shown.trimmed() : stored.trimmed();
    if (value.isEmpty())
        return QString();
    const auto quoted = [](const QString &text) {
        QString printable;
        for (const QChar c : text)
            printable += c.isPrint() ? QString(c)
                                     : QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        return QLatin1Char('\'') + printable + QLatin1Char('\'');
    };
    const bool fromStored = !stored.trimmed().isEmpty();
    switch (item.kind()) {
    case TreeItem::Text:
    case TreeItem::Menu:
        return QString();
    case TreeItem::Time:
    case TreeItem::TimeHhMmSsT:
    case TreeItem::Date: {
        const QStringList parts = value.split(QLatin1Char(':'));
        for (const QString &part : parts) {
            bool ok = false;
            part.toUInt(&ok);
            if (!ok)
                return QStringLiteral("%1 is no time").arg(quoted(value));
        }
        return QString();
    }
    case TreeItem::Enumerated:
    case TreeItem::EnumeratedNegative: {
        if (!fromStored) // a value text, in whatever language the file was saved
            return QString();
        bool ok = false;
        const int v = value.toInt(&ok);
        if (!ok)
            return QStringLiteral("%1 is not a number").arg(quoted(value));
        bool okMin = false, okMax = false;
        const int lo = item.field(ParameterValues::FieldMin).toInt(&okMin);
        const int hi = item.field(ParameterValues::FieldMax).toInt(&okMax);
        if ((okMin && v < lo) || (okMax && v > hi))
            return QStringLiteral("%1 is outside %2 .. %3").arg(value).arg(lo).arg(hi);
        return QString();
    }
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
    // Limits that follow other parameters are the unit's to judge, and a read-only value (a
    // measured one may exceed its rated range) is never written; the other limits are checked here.
    if (model.DepPrmItemList().contains(const_cast<TreeItem *>(&item))
        || item.field(ParameterValues::FieldAccess).toInt() <= 0)
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

} // namespace

Check check(QIODevice &device, const TreeModel &model)
{
    Check result;
    const QByteArray bytes = device.readAll();
    // With its size: a NUL byte inside the file is part of it, not its end.
    const QStringList lines = QString::fromUtf8(bytes.constData(), bytes.size()).split(QLatin1Char('\n'));
    int i = 0;
    while (i < lines.size()
        && lines.at(i).section(QLatin1Char(';'), 0, 0).trimmed() != QLatin1String("[PARAMETER SETS]"))
        ++i;
    if (i >= lines.size()) {
        result.message = QStringLiteral("no \"[PARAMETER SETS]\" line: the file holds no parameters");
        return result;
    }
    ++i;
    const QVector<TreeItem *> items = model.allItems();
    // The text after the last line end: a file cut short ends inside a line.
    const int last = lines.size() - 1;
    int parameters = 0;
    static const char *const setNames[] = { "A", "B", "C", "D" };
    bool reachedEnd = items.isEmpty();
    for (TreeItem *item : items) {
        if (i >= last) {
            reachedEnd = true;
            break;
        }
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
        ++i;
        if (isMarker(line))
            break;
        if (!line.contains(QLatin1Char(';')))
            return fault(QStringLiteral("the line is incomplete (no \";\")"));
        if (item->isMenu())
            continue;
        const QStringList fields = line.split(QLatin1Char(';'));
        if (fields.size() < 10)
            return fault(QStringLiteral("the line is incomplete (%1 of 10 fields)").arg(fields.size()));
        for (int set = 0; set < 4; ++set) {
            const QString why = valueFault(model, *item, fields.at(2 + set), fields.at(6 + set));
            if (!why.isEmpty())
                return fault(QStringLiteral("value of set %1: %2").arg(QLatin1String(setNames[set]), why));
        }
        ++parameters;
    }
    if (reachedEnd && !lines.at(last).trimmed().isEmpty()) {
        result.line = last + 1;
        result.message = QStringLiteral("line %1: the file ends inside a line (cut short?)").arg(last + 1);
        return result;
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
