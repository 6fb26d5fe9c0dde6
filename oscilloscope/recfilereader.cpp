#include "recfilereader.h"

#include "devicefiles.h"
#include "recformat.h"
#include "signaldecoding.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTextCodec>
#include <charconv>
#include <cstring>
#include <limits>

namespace {

constexpr qint64 DayMs = 86400000;
// A row whose time of day lies less than this behind the previous row's is the clock being set
// (a time server, the autumn change of the clock), not the start of the next day.
constexpr int ClockStepBackMs = 3600000;

struct Piece
{
    const char *begin;
    const char *end;
    int size() const { return int(end - begin); }
    bool equals(const char *text) const
    {
        const size_t n = std::strlen(text);
        return size_t(size()) == n && std::memcmp(begin, text, n) == 0;
    }
    bool contains(char c) const { return std::memchr(begin, c, size_t(size())) != nullptr; }
    QByteArray bytes() const { return QByteArray(begin, size()); }
};

// Splits a line at ";". `raw` counts every piece (the empty one after the last ";" included).
void splitFields(const Piece &line, std::vector<Piece> *fields, int *raw)
{
    fields->clear(); // keeps its capacity: no allocation per line
    const char *p = line.begin;
    for (;;) {
        const char *semi = static_cast<const char *>(std::memchr(p, ';', size_t(line.end - p)));
        if (!semi) {
            fields->push_back(Piece { p, line.end });
            break;
        }
        fields->push_back(Piece { p, semi });
        p = semi + 1;
    }
    *raw = int(fields->size());
    if (!fields->empty() && fields->back().size() == 0)
        fields->pop_back();
}

bool parseUnitNumber(const Piece &piece, const char *prefix, int *number)
{
    // Plain digits, the form every sample row has, without a copy.
    if (!prefix && piece.size() > 0 && piece.size() < 9) {
        int v = 0;
        const char *p = piece.begin;
        while (p < piece.end && *p >= '0' && *p <= '9')
            v = v * 10 + (*p++ - '0');
        if (p == piece.end) {
            *number = v;
            return true;
        }
    }
    QByteArray text = piece.bytes();
    if (prefix) {
        if (!text.startsWith(prefix))
            return false;
        text.remove(0, int(std::strlen(prefix)));
    }
    text.replace("PEBB", "");
    bool ok = false;
    *number = text.trimmed().toInt(&ok);
    return ok;
}

bool isPattern(const Piece &piece, quint32 *encoded)
{
    if (piece.size() != 16)
        return false;
    quint32 mask = 0, bits = 0;
    for (int i = 0; i < 16; ++i) {
        const quint32 b = 1u << (15 - i);
        switch (piece.begin[i]) {
        case 'H':
            mask |= b;
            bits |= b;
            break;
        case 'L':
            mask |= b;
            break;
        case '-':
            break;
        default:
            return false;
        }
    }
    *encoded = (mask << 16) | bits;
    return true;
}

// Everything read so far; texts stay bytes until the codec of the whole file is known.
struct RawUnit
{
    QVector<QByteArray> unitFields;
    QVector<QByteArray> names;
    bool hasHeader = false;
    int dayOffset = 0;
    int lastTime = -1;
    qint64 lastStamp = 0;
    qint64 lastGap = 0; // between the last two rows, carried over a clock set back
    qint64 elapsed = 0; // since the unit's first row
};

class Parser
{
public:
    Parser(const char *data, qint64 size)
        : m_p(data)
        , m_end(data + size)
    { }

    bool nextLine(Piece *line)
    {
        if (m_p >= m_end)
            return false;
        const char *nl = static_cast<const char *>(std::memchr(m_p, '\n', size_t(m_end - m_p)));
        const char *stop = nl ? nl : m_end;
        line->begin = m_p;
        line->end = stop;
        if (line->end > line->begin && line->end[-1] == '\r')
            --line->end;
        m_p = nl ? nl + 1 : m_end;
        return true;
    }

    bool atEnd() const { return m_p >= m_end; }

private:
    const char *m_p;
    const char *m_end;
};

} // namespace

namespace RecFileReader {

QString message(Status status)
{
    switch (status) {
    case Loaded:
        return QString();
    case FileNotFound:
    case DeviceFileNotFound:
        return QCoreApplication::translate("RecFileReader", "CSV file not found");
    case Invalid:
        return QCoreApplication::translate("RecFileReader", "Invalid Rec file");
    }
    return QString();
}

QString title(Status status)
{
    return status == Loaded ? QString() : QCoreApplication::translate("RecFileReader", "Error");
}

CatalogueLookup deviceFileLookup(int language)
{
    return [language](const QString &fileName, SignalCatalogue *catalogue) {
        const QString base = fileName.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)
            ? fileName.left(fileName.size() - 4)
            : fileName;
        if (base.isEmpty() || base.contains(QLatin1Char('/')) || base.contains(QLatin1Char('\\')))
            return false;
        const QString stored = DeviceFiles::findCsvFromRsrc(base);
        if (stored.isEmpty())
            return false;
        *catalogue = SignalCatalogueReader::readFile(DeviceFiles::resolveDeviceFile(stored), language);
        return true;
    };
}

int parseTimeText(const char *t, int n)
{
    // "hh:mm:ss AP,zzz"
    if (n != 15 || t[2] != ':' || t[5] != ':' || t[8] != ' ' || t[11] != ',')
        return -1;
    auto digits = [t](int at, int count, int *out) {
        int v = 0;
        for (int i = 0; i < count; ++i) {
            const char c = t[at + i];
            if (c < '0' || c > '9')
                return false;
            v = v * 10 + (c - '0');
        }
        *out = v;
        return true;
    };
    int h = 0, m = 0, s = 0, ms = 0;
    if (!digits(0, 2, &h) || !digits(3, 2, &m) || !digits(6, 2, &s) || !digits(12, 3, &ms))
        return -1;
    const char ap = t[9];
    if ((t[10] != 'M' && t[10] != 'm') || h < 1 || h > 12 || m > 59 || s > 59)
        return -1;
    if (ap == 'A' || ap == 'a')
        h = h % 12;
    else if (ap == 'P' || ap == 'p')
        h = h % 12 + 12;
    else
        return -1;
    return ((h * 60 + m) * 60 + s) * 1000 + ms;
}

bool parseNumber(const char *begin, const char *end, double *value)
{
    const char *p = begin;
    bool negative = false;
    if (p < end && *p == '-') {
        negative = true;
        ++p;
    }
    if (p == end)
        return false;
    // Whole numbers, the usual case, without the general parser.
    qint64 whole = 0;
    const char *digits = p;
    while (p < end && *p >= '0' && *p <= '9' && p - digits < 15)
        whole = whole * 10 + (*p++ - '0');
    if (p == end) {
        *value = negative ? -double(whole) : double(whole);
        return true;
    }
    // "12,5": both parts exact in a double and one correctly rounded division give the same
    // value as the general parser.
    if ((*p == ',' || *p == '.') && p > digits) {
        const char *fraction = ++p;
        while (p < end && *p >= '0' && *p <= '9' && p - digits <= 15)
            whole = whole * 10 + (*p++ - '0');
        if (p == end && p > fraction) {
            static const double powers[] = { 1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12,
                1e13, 1e14, 1e15, 1e16 };
            const double v = double(whole) / powers[p - fraction];
            *value = negative ? -v : v;
            return true;
        }
    }
    char buffer[64];
    const size_t length = size_t(end - begin);
    if (length >= sizeof buffer)
        return false;
    for (size_t i = 0; i < length; ++i) {
        const char c = begin[i];
        buffer[i] = c == ',' ? '.' : c;
    }
    const auto result = std::from_chars(buffer, buffer + length, *value);
    return result.ec == std::errc() && result.ptr == buffer + length;
}

bool isUtf8(const char *data, qint64 length)
{
    const auto *s = reinterpret_cast<const unsigned char *>(data);
    const auto *end = s + length;
    while (s < end) {
        const unsigned char c = *s;
        if (c < 0x80) {
            ++s;
            continue;
        }
        int extra = 0;
        quint32 cp = 0;
        if ((c & 0xE0) == 0xC0) {
            extra = 1;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (end - s <= extra)
            return false;
        for (int i = 1; i <= extra; ++i) {
            if ((s[i] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (s[i] & 0x3F);
        }
        static const quint32 minimum[] = { 0, 0x80, 0x800, 0x10000 };
        if (cp < minimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        s += extra + 1;
    }
    return true;
}

Status parse(const QByteArray &bytes, Recording *recording, const CatalogueLookup &lookup)
{
    *recording = Recording();
    Parser parser(bytes.constData(), bytes.size());
    Piece line {};
    if (!parser.nextLine(&line))
        return Invalid;
    QByteArray dateText = line.bytes();
    dateText.replace(",", "");
    const QDate date = QDate::fromString(QString::fromLatin1(dateText.trimmed()), QStringLiteral("M/d/yyyy"));
    if (!date.isValid())
        return Invalid;

    QVector<RawUnit> raw;
    QList<RecordingUnit> units;
    QVector<QByteArray> commentLines;
    bool inComment = false;
    bool headersStarted = false;
    std::vector<Piece> fields;
    int rawCount = 0;
    const qint64 midnight = QDateTime(date, QTime(0, 0)).toMSecsSinceEpoch();

    while (parser.nextLine(&line)) {
        if (inComment) {
            commentLines.append(line.bytes());
            continue;
        }
        if (line.equals("[COMMENT]")) {
            inComment = true;
            continue;
        }
        // The last line end of the file leaves nothing behind it.
        if (line.size() == 0 && parser.atEnd())
            break;
        if (!line.contains(';'))
            return Invalid;
        splitFields(line, &fields, &rawCount);
        // Only a line whose first field holds "[" is foreign text: a signal name such as
        // "Current [A]" must not turn a header line into a comment.
        if (!fields.empty() && fields.front().contains('[')) {
            commentLines.append(line.bytes());
            continue;
        }
        if (rawCount < 3)
            return Invalid;
        const Piece &first = fields.front();
        if (first.equals("Time ")) {
            headersStarted = true;
            int number = 0;
            if (!parseUnitNumber(fields.at(1), "Unit ", &number) || number < 1 || number > raw.size()
                || raw[number - 1].hasHeader)
                return Invalid;
            RawUnit &unit = raw[number - 1];
            unit.hasHeader = true;
            for (size_t i = 2; i < fields.size(); ++i)
                unit.names.append(fields[i].bytes());
            continue;
        }
        if (!headersStarted) {
            if (first.equals("PEBB"))
                continue;
            int number = 0;
            if (fields.size() < 5 || !parseUnitNumber(first, nullptr, &number) || number != raw.size() + 1)
                return Invalid;
            RawUnit unit;
            for (const Piece &field : fields)
                unit.unitFields.append(field.bytes());
            raw.append(unit);
            units.append(RecordingUnit());
            continue;
        }
        // A sample row.
        int number = 0;
        if (!parseUnitNumber(fields.at(1), nullptr, &number) || number < 1 || number > raw.size())
            return Invalid;
        RawUnit &unitRaw = raw[number - 1];
        RecordingUnit &unit = units[number - 1];
        const int n = unitRaw.names.size();
        if (!unitRaw.hasHeader || int(fields.size()) != n + 2)
            return Invalid;
        if (unit.times.isEmpty()) {
            // Room for the rows the rest of the file can hold, judged by this one.
            const qint64 rest = bytes.size() - (first.begin - bytes.constData());
            const qint64 rows
                = rest / qMax(1, int(line.end - line.begin) + 1) / qMax(1, int(raw.size())) + 16;
            if (rows * qMax(1, n) < (qint64(1) << 28)) {
                unit.times.reserve(int(rows));
                unit.x.reserve(int(rows));
                unit.values.reserve(int(rows * n));
                unit.kinds.reserve(int(rows * n));
            }
        }
        const int time = parseTimeText(first.begin, first.size());
        if (time < 0)
            return Invalid;
        // Rows of one unit follow in time: a time of day well before the previous one means the
        // next day began.
        if (time < unitRaw.lastTime - ClockStepBackMs)
            ++unitRaw.dayOffset;
        unitRaw.lastTime = time;
        const qint64 stamp = midnight + unitRaw.dayOffset * DayMs + time;
        // The time axis never runs back: after a clock set back the row follows the previous one
        // by the gap before it.
        if (!unit.times.isEmpty()) {
            const qint64 step = stamp - unitRaw.lastStamp;
            if (step >= 0)
                unitRaw.lastGap = step;
            unitRaw.elapsed += unitRaw.lastGap;
        }
        unitRaw.lastStamp = stamp;
        unit.times.append(stamp);
        unit.x.append(double(unitRaw.elapsed)); // ms for now: the start of all units is not known yet
        // One size check per row; the cells are written in place.
        const int base = unit.values.size();
        unit.values.resize(base + n);
        unit.kinds.resize(base + n);
        double *values = unit.values.data() + base;
        quint8 *kinds = unit.kinds.data() + base;
        for (int i = 0; i < n; ++i) {
            const Piece &cell = fields[size_t(i) + 2];
            double v = 0.0;
            quint32 pattern = 0;
            quint8 kind = RecordingUnit::Number;
            if (cell.size() == 16 && isPattern(cell, &pattern)) {
                kind = RecordingUnit::Pattern;
                v = double(pattern);
            } else if (parseNumber(cell.begin, cell.end, &v)) {
            } else if (cell.size() > 2 && cell.begin[0] == 'F' && cell.begin[1] == ':'
                && parseNumber(cell.begin + 2, cell.end, &v)) {
                kind = RecordingUnit::Fault;
            } else {
                if (cell.size() > RecordingUnit::MaxTextLength || unit.textPool.size() > (1 << 30))
                    return Invalid;
                kind = RecordingUnit::Text;
                v = RecordingUnit::textCell(unit.textPool.size(), cell.size());
                unit.textPool.append(cell.begin, cell.size());
            }
            values[i] = v;
            kinds[i] = kind;
        }
    }
    if (raw.isEmpty())
        return Invalid;
    for (const RawUnit &unit : qAsConst(raw))
        if (!unit.hasHeader)
            return Invalid;

    // Texts: UTF-8 unless any of them is not, then the code page of earlier installations.
    bool utf8 = isUtf8(dateText.constData(), dateText.size());
    auto check = [&utf8](const QVector<QByteArray> &list) {
        for (const QByteArray &b : list)
            utf8 = utf8 && isUtf8(b.constData(), b.size());
    };
    check(commentLines);
    for (const RawUnit &unit : qAsConst(raw)) {
        check(unit.unitFields);
        check(unit.names);
    }
    for (const RecordingUnit &unit : qAsConst(units))
        utf8 = utf8 && isUtf8(unit.textPool.constData(), unit.textPool.size());
    QTextCodec *codec = QTextCodec::codecForName(utf8 ? "UTF-8" : "Windows-1252");
    auto decode = [codec](const QVector<QByteArray> &list) {
        QStringList out;
        out.reserve(list.size());
        for (const QByteArray &b : list)
            out.append(codec->toUnicode(b));
        return out;
    };

    qint64 start = -1;
    for (const RecordingUnit &unit : qAsConst(units))
        if (!unit.times.isEmpty() && (start < 0 || unit.times.first() < start))
            start = unit.times.first();
    for (int i = 0; i < units.size(); ++i) {
        RecordingUnit &unit = units[i];
        unit.unitLine = decode(raw[i].unitFields);
        unit.signalNames = decode(raw[i].names);
        unit.textUtf8 = utf8;
        unit.textPool.squeeze();
        unit.deviceFile = unit.unitLine.value(4);
        const double offset = unit.times.isEmpty() ? 0.0 : double(unit.times.first() - start);
        for (double &x : unit.x)
            x = (x + offset) * 0.001;
        if (lookup && !lookup(unit.deviceFile, &unit.catalogue))
            return DeviceFileNotFound;
    }
    recording->date = date;
    recording->units = units;
    recording->comment = decode(commentLines).join(QLatin1Char('\n'));
    recording->windows1252 = !utf8;
    return Loaded;
}

Status read(const QString &path, Recording *recording, const CatalogueLookup &lookup)
{
    *recording = Recording();
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return FileNotFound;
    const qint64 size = file.size();
    if (size > std::numeric_limits<int>::max())
        return Invalid;
    if (size > 0) {
        // Mapped: a large recording is parsed without a copy.
        if (uchar *mapped = file.map(0, size)) {
            const QByteArray view
                = QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), int(size));
            const Status status = parse(view, recording, lookup);
            file.unmap(mapped);
            return status;
        }
    }
    return parse(file.readAll(), recording, lookup);
}

} // namespace RecFileReader

QString RecordingUnit::cellText(int row, int signal) const
{
    const double v = value(row, signal);
    switch (kind(row, signal)) {
    case Number: {
        QString text = SignalDecoding::numberText(v);
        text.replace(QLatin1Char('.'), QLatin1Char(','));
        return text;
    }
    case Fault:
        return QLatin1String("F:") + SignalDecoding::numberText(v);
    case Pattern: {
        const quint32 encoded = quint32(v);
        return SignalDecoding::bitPattern(quint16(encoded & 0xFFFF), quint16(encoded >> 16));
    }
    case Text: {
        const qint64 packed = qint64(v);
        const QByteArray bytes = textPool.mid(int(packed >> TextLengthBits), int(packed & MaxTextLength));
        return textUtf8 ? QString::fromUtf8(bytes)
                        : QTextCodec::codecForName("Windows-1252")->toUnicode(bytes);
    }
    }
    return QString();
}

QString RecordingUnit::timeText(int row) const
{
    return RecFormat::timeText(times.at(row));
}
