#include "parametervalues.h"

#include "registerword.h"
#include "treeitem.h"

#include <cmath>

namespace ParameterValues {

bool isTimeKind(int kind)
{
    return kind == TreeItem::Time || kind == TreeItem::TimeHhMmSsT || kind == TreeItem::Date;
}

namespace {

// Parts of a time or date text; missing or non-numeric parts count as 0.
QVector<int> timeParts(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    QVector<int> numbers(3, 0);
    for (int i = 0; i < 3 && i < parts.size(); ++i)
        numbers[i] = qBound(0, int(std::lround(RegisterWord::parseNumber(parts.at(i)))), 65535);
    return numbers;
}

QString two(int value)
{
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

SetValue timeFromStoredParts(int kind, const QVector<int> &p)
{
    SetValue v;
    v.stored = QStringLiteral("%1:%2:%3").arg(p[0]).arg(p[1]).arg(p[2]);
    const int first = kind == TreeItem::TimeHhMmSsT ? p[0] / 10 : p[0];
    v.shown = (kind == TreeItem::Date ? two(first) : QString::number(first)) + QLatin1Char(':') + two(p[1])
        + QLatin1Char(':') + two(p[2]);
    return v;
}

// One-word forms of a time or date value, for a parameter with room for one register only.
quint16 timeToWord(int kind, const QVector<int> &p)
{
    if (kind == TreeItem::Date)
        return quint16((qBound(0, p[0] % 100, 127) << 9) | (qBound(0, p[1], 15) << 5) | qBound(0, p[2], 31));
    const int hours = kind == TreeItem::TimeHhMmSsT ? p[0] / 10 : p[0];
    return quint16(qBound(0, hours * 3600 + p[1] * 60 + p[2], 65535));
}

QVector<int> timeFromWord(int kind, quint16 word)
{
    if (kind == TreeItem::Date)
        return { word >> 9, (word >> 5) & 0xF, word & 0x1F };
    const int hours = word / 3600;
    return { kind == TreeItem::TimeHhMmSsT ? hours * 10 : hours, (word % 3600) / 60, word % 60 };
}

bool isSigned(const TreeItem &item)
{
    return item.field(FieldDataType) == QLatin1String("S_Int");
}

QString textOf(const TreeItem &item, const QString &text)
{
    QString t = text;
    t.remove(QLatin1Char(';'));
    const int length = item.field(FieldLength).toInt();
    if (length > 0 && t.size() > length)
        t.truncate(length);
    return t;
}

int enumValue(const QString &text)
{
    return int(std::lround(RegisterWord::parseNumber(text)));
}

} // namespace

int kindFor(const QStringList &definition)
{
    const QString type = definition.value(FieldType);
    if (type == QLatin1String("M"))
        return TreeItem::Menu;
    const QString dataType = definition.value(FieldDataType);
    if (dataType == QLatin1String("T"))
        return TreeItem::Time;
    if (dataType == QLatin1String("T_HHMMSST"))
        return TreeItem::TimeHhMmSsT;
    if (dataType == QLatin1String("T_YYMMDD"))
        return TreeItem::Date;
    if (type.toInt() > 0)
        return definition.value(FieldNegativeTexts) == QLatin1String("N") ? TreeItem::EnumeratedNegative
                                                                          : TreeItem::Enumerated;
    if (definition.value(FieldRole) == QLatin1String("String"))
        return TreeItem::Text;
    return TreeItem::Numeric;
}

int scaleFactor(const TreeItem &item)
{
    const QString type = item.field(FieldDataType);
    if (type != QLatin1String("U_Int") && type != QLatin1String("S_Int"))
        return 0;
    const int factor = item.field(FieldScale).toInt();
    return factor >= 2 ? factor : 0;
}

QString valueText(const TreeItem &item, int v)
{
    const int index = item.kind() == TreeItem::EnumeratedNegative ? -v : v;
    const QString text = index >= 0 ? item.valueTexts().value(index) : QString();
    return text.isEmpty() ? QString::number(v) : text;
}

SetValue fromStored(const TreeItem &item, const QString &stored)
{
    if (stored.trimmed().isEmpty() || item.isMenu())
        return {};
    const int kind = item.kind();
    if (kind == TreeItem::Enumerated || kind == TreeItem::EnumeratedNegative) {
        const int v = enumValue(stored);
        return { valueText(item, v), QString::number(v) };
    }
    if (kind == TreeItem::Text) {
        const QString t = textOf(item, stored);
        return { t, t };
    }
    if (isTimeKind(kind))
        return timeFromStoredParts(kind, timeParts(stored));
    const int factor = scaleFactor(item);
    if (factor) {
        const qint64 raw = std::llround(RegisterWord::parseNumber(stored));
        return { RegisterWord::formatNumber(double(raw) / factor), QString::number(raw) };
    }
    const quint16 word = quint16(qBound<qint64>(0, std::llround(RegisterWord::parseNumber(stored)), 65535));
    return { RegisterWord::decodeText(word), QString::number(word) };
}

SetValue fromShown(const TreeItem &item, const QString &shown)
{
    if (shown.trimmed().isEmpty() || item.isMenu())
        return {};
    const int kind = item.kind();
    if (kind == TreeItem::Enumerated || kind == TreeItem::EnumeratedNegative) {
        // A choice from the value texts first: a text may itself look like a number.
        const int index = item.valueTexts().indexOf(shown.trimmed());
        if (index >= 0 && !shown.trimmed().isEmpty()) {
            const int v = kind == TreeItem::EnumeratedNegative ? -index : index;
            return { valueText(item, v), QString::number(v) };
        }
        return fromStored(item, shown);
    }
    if (kind == TreeItem::Text)
        return fromStored(item, shown);
    if (isTimeKind(kind)) {
        QVector<int> p = timeParts(shown);
        if (kind == TreeItem::TimeHhMmSsT)
            p[0] = qMin(p[0] * 10, 65535);
        return timeFromStoredParts(kind, p);
    }
    const double x = RegisterWord::parseNumber(shown);
    const int factor = scaleFactor(item);
    if (factor) {
        const double lo = isSigned(item) ? -32768.0 : 0.0;
        const double hi = isSigned(item) ? 32767.0 : 65535.0;
        const qint64 raw = std::llround(qBound(lo, x * factor, hi));
        return { RegisterWord::formatNumber(double(raw) / factor), QString::number(raw) };
    }
    const quint16 word = RegisterWord::encode(x);
    return { RegisterWord::decodeText(word), QString::number(word) };
}

SetValue fromRegisters(const TreeItem &item, const QVector<quint16> &words)
{
    if (words.isEmpty() || item.isMenu())
        return {};
    const int kind = item.kind();
    if (kind == TreeItem::Text) {
        QString text;
        for (quint16 w : words) {
            const char high = char(w >> 8), low = char(w & 0xFF);
            if (!high)
                break;
            text += QLatin1Char(high);
            if (!low)
                break;
            text += QLatin1Char(low);
        }
        return fromStored(item, text.trimmed());
    }
    if (isTimeKind(kind)) {
        if (words.size() < 3)
            return timeFromStoredParts(kind, timeFromWord(kind, words.first()));
        QVector<int> p(3, 0);
        for (int i = 0; i < 3; ++i)
            p[i] = words.at(i);
        return timeFromStoredParts(kind, p);
    }
    if (kind == TreeItem::Enumerated || kind == TreeItem::EnumeratedNegative)
        return fromStored(item, QString::number(std::lround(RegisterWord::decode(words.first()))));
    if (scaleFactor(item)) {
        const int raw = isSigned(item) ? int(qint16(words.first())) : int(words.first());
        return fromStored(item, QString::number(raw));
    }
    return fromStored(item, QString::number(words.first()));
}

QVector<quint16> toRegisters(const TreeItem &item, const QString &stored)
{
    if (stored.trimmed().isEmpty() || item.isMenu())
        return {};
    const int kind = item.kind();
    if (kind == TreeItem::Text) {
        const QByteArray bytes = textOf(item, stored).toLatin1();
        QVector<quint16> words(registerCount(item), 0);
        for (int i = 0; i < bytes.size() && i / 2 < words.size(); ++i)
            words[i / 2] |= quint16(quint8(bytes.at(i))) << (i % 2 ? 0 : 8);
        return words;
    }
    if (isTimeKind(kind)) {
        const QVector<int> p = timeParts(stored);
        if (registerCount(item) < 3)
            return { timeToWord(kind, p) };
        return { quint16(p[0]), quint16(p[1]), quint16(p[2]) };
    }
    if (kind == TreeItem::Enumerated || kind == TreeItem::EnumeratedNegative)
        return { RegisterWord::encode(double(enumValue(stored))) };
    const qint64 raw = std::llround(RegisterWord::parseNumber(stored));
    if (scaleFactor(item))
        return { quint16(
            qint16(qBound<qint64>(isSigned(item) ? -32768 : 0, raw, isSigned(item) ? 32767 : 65535))) };
    return { quint16(qBound<qint64>(0, raw, 65535)) };
}

int registerCount(const TreeItem &item)
{
    if (item.registerSpan() > 0)
        return item.registerSpan();
    if (item.kind() == TreeItem::Text)
        // One Modbus read carries at most 125 registers.
        return qBound(1, (item.field(FieldLength).toInt() + 1) / 2, 125);
    if (isTimeKind(item.kind()))
        return 3;
    return 1;
}

} // namespace ParameterValues
