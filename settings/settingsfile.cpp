#include "settingsfile.h"

#include "safesave.h"
#include "settingsformat.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>
#include <QVector>
#include <climits>

namespace {

using namespace SettingsFormat;

// Every field ends with ";", the last one too, so a trailing ";" ends the line rather than
// opening an empty field. The shared line format of the device files is not used here: it
// drops "," which the unit-number texts need ("1-5,8").
QStringList splitLine(const QString &line)
{
    QStringList fields = line.split(QLatin1Char(';'));
    if (line.endsWith(QLatin1Char(';')))
        fields.removeLast();
    return fields;
}

QString rightTrimmed(const QString &s)
{
    int end = s.size();
    while (end > 0 && s.at(end - 1).isSpace())
        --end;
    return s.left(end);
}

QString fieldAt(const QStringList &f, int i)
{
    return i < f.size() ? f.at(i) : QString();
}

void takeText(const QStringList &f, int i, QString &target)
{
    const QString value = fieldAt(f, i);
    if (!value.isEmpty())
        target = value;
}

void takeUInt(const QStringList &f, int i, uint &target, uint min = 0, uint max = UINT_MAX)
{
    const QString text = fieldAt(f, i).trimmed();
    if (text.isEmpty())
        return;
    bool ok = false;
    const uint value = text.toUInt(&ok);
    if (ok && value >= min && value <= max)
        target = value;
}

void takeInt(const QStringList &f, int i, int &target, int min = INT_MIN, int max = INT_MAX)
{
    const QString text = fieldAt(f, i).trimmed();
    if (text.isEmpty())
        return;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (ok && value >= min && value <= max)
        target = value;
}

// Yes/no values are stored as 1 and 0; anything else is not a yes/no value.
void takeFlag(const QStringList &f, int i, bool &target)
{
    const QString text = fieldAt(f, i).trimmed();
    if (text == QLatin1String("0"))
        target = false;
    else if (text == QLatin1String("1"))
        target = true;
}

bool isAsciiDigits(const QString &s)
{
    if (s.isEmpty())
        return false;
    for (const QChar c : s) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// What the scan dialog's unit field accepts: numbers and ranges "a-b" separated by commas.
// Checked piece by piece: a regular expression of nested repetitions would backtrack
// exponentially on a long damaged text.
bool isUnitText(const QString &text)
{
    if (text.isEmpty())
        return false;
    const QStringList pieces = text.split(QLatin1Char(','));
    for (const QString &piece : pieces) {
        if (piece.isEmpty())
            continue;
        const QStringList ends = piece.split(QLatin1Char('-'));
        if (ends.size() > 2)
            return false;
        for (const QString &end : ends) {
            if (!isAsciiDigits(end))
                return false;
        }
    }
    return true;
}

class Reader
{
public:
    Reader(const QVector<QString> &lines, SettingsRecord &record)
        : m_raw(lines)
        , m_r(record)
    {
        m_fields.reserve(lines.size());
        for (const QString &line : lines)
            m_fields.append(splitLine(line));
    }

    void run()
    {
        m_r.kept = SettingsKept();
        while (m_pos < m_fields.size()) {
            const QStringList &f = m_fields.at(m_pos);
            const Marker marker = markerOf(f);
            switch (marker) {
            case Marker::None:
                keepLine(m_anchor);
                break;
            case Marker::Language:
                takeUInt(f, 1, m_r.language, 0, SettingsRecord::maxLanguage);
                keepExtra(SettingsKept::LanguageLine, f, 2);
                ++m_pos;
                m_anchor = SettingsKept::AfterLanguage;
                break;
            case Marker::AutoConfig:
                readAutoConfig(f);
                break;
            case Marker::Rs232PortsStart:
                readPorts(Marker::Rs232PortsEnd, SettingsKept::Rs232PortsHeader, m_r.rs232Ports,
                    SettingsKept::AfterRs232Ports);
                break;
            case Marker::Rs485PortsStart:
                readPorts(Marker::Rs485PortsEnd, SettingsKept::Rs485PortsHeader, m_r.rs485Ports,
                    SettingsKept::AfterRs485Ports);
                break;
            case Marker::Comm:
                readComm(f);
                break;
            case Marker::Prefs:
                readPrefs(f);
                break;
            case Marker::OscSettings:
                readOscSettings(f);
                break;
            case Marker::Customer:
                readCustomer(f);
                break;
            case Marker::FavAStart:
            case Marker::FavBStart:
            case Marker::FavCStart:
            case Marker::FavDStart:
                readFavourites(static_cast<int>(marker) - static_cast<int>(Marker::FavAStart));
                break;
            case Marker::OscParamsStart:
                readOscParams(f);
                break;
            case Marker::LastConfigStart:
                readLastConfig(f);
                break;
            default:
                // An end marker without its start carries nothing; the writer adds its own.
                ++m_pos;
                break;
            }
        }
    }

private:
    Marker markerAt(int i) const { return markerOf(m_fields.at(i)); }
    bool atValueLine() const { return m_pos < m_fields.size() && markerAt(m_pos) == Marker::None; }

    void consumeIf(Marker end)
    {
        if (m_pos < m_fields.size() && markerAt(m_pos) == end)
            ++m_pos;
    }

    void keepLine(int block)
    {
        m_r.kept.linesAfter[block].append(m_raw.at(m_pos));
        ++m_pos;
    }

    void keepExtra(SettingsKept::Line line, const QStringList &f, int known)
    {
        if (f.size() > known)
            m_r.kept.extraFields[line] = f.mid(known);
    }

    void readScanLine(const QStringList &f, ScanSerialChoice &scan, SettingsKept::Line line)
    {
        takeUInt(f, 0, scan.baudChoice, 0, uint(SerialLineChoices::baudRates.size() - 1));
        takeUInt(f, 1, scan.parityChoice, 0, uint(SerialLineChoices::framings.size() - 1));
        const QString units = fieldAt(f, 2);
        if (isUnitText(units))
            scan.unitNumbers = units;
        keepExtra(line, f, 3);
    }

    void readAutoConfig(const QStringList &header)
    {
        keepExtra(SettingsKept::AutoConfigHeader, header, autoConfigHeader().size());
        ++m_pos;
        if (atValueLine())
            readScanLine(m_fields.at(m_pos++), m_r.rs232Scan, SettingsKept::Rs232ScanLine);
        if (atValueLine())
            readScanLine(m_fields.at(m_pos++), m_r.rs485Scan, SettingsKept::Rs485ScanLine);
        if (atValueLine()) {
            const QStringList &f = m_fields.at(m_pos++);
            takeText(f, 0, m_r.tcpStartIp);
            takeText(f, 1, m_r.tcpEndIp);
            keepExtra(SettingsKept::TcpScanLine, f, 2);
        }
        m_anchor = SettingsKept::AfterAutoConfig;
    }

    // The port names are one text that fills its line; only the last line of the block counts.
    // A block without its end marker stops at the next section instead of swallowing the file.
    void readPorts(Marker end, SettingsKept::Line header, QString &ports, SettingsKept::Block block)
    {
        keepExtra(header, m_fields.at(m_pos), 2);
        ++m_pos;
        QStringList inside;
        while (atValueLine())
            inside.append(m_raw.at(m_pos++));
        consumeIf(end);
        if (!inside.isEmpty()) {
            QString last = inside.takeLast();
            if (last.endsWith(QLatin1Char(';')))
                last.chop(1);
            if (!last.isEmpty())
                ports = last;
        }
        if (!inside.isEmpty())
            m_r.kept.linesAfter[block].append(inside);
        m_anchor = block;
    }

    void readComm(const QStringList &header)
    {
        keepExtra(SettingsKept::CommHeader, header, commHeader().size());
        ++m_pos;
        if (atValueLine()) {
            const QStringList &f = m_fields.at(m_pos++);
            takeFlag(f, 0, m_r.continueDespiteFault);
            takeUInt(f, 1, m_r.delayMs, SettingsRecord::minDelayMs, SettingsRecord::maxDelayMs);
            takeFlag(f, 2, m_r.retriesEnabled);
            takeUInt(f, 3, m_r.retries, SettingsRecord::minRetries, SettingsRecord::maxRetries);
            keepExtra(SettingsKept::CommValues, f, 4);
        }
        m_anchor = SettingsKept::AfterComm;
    }

    void readPrefs(const QStringList &header)
    {
        keepExtra(SettingsKept::PrefsHeader, header, prefsHeader().size());
        ++m_pos;
        if (atValueLine()) {
            const QStringList &f = m_fields.at(m_pos++);
            takeFlag(f, 0, m_r.autoImportActive);
            takeFlag(f, 1, m_r.importActive);
            takeFlag(f, 2, m_r.autoScanActive);
            takeFlag(f, 3, m_r.autoSave);
            takeFlag(f, 4, m_r.exportOnlyChanged);
            keepExtra(SettingsKept::PrefsValues, f, 5);
        }
        m_anchor = SettingsKept::AfterPrefs;
    }

    void readOscSettings(const QStringList &header)
    {
        keepExtra(SettingsKept::OscHeader, header, oscHeader().size());
        ++m_pos;
        if (atValueLine()) {
            const QStringList &f = m_fields.at(m_pos++);
            takeUInt(f, 0, m_r.oscBackground, 0, SettingsRecord::maxBackground);
            takeUInt(f, 1, m_r.oscLineWidth);
            // The grid is on for every value but 0, as the view reads it.
            uint grid = m_r.oscGrid ? 1 : 0;
            takeUInt(f, 2, grid);
            m_r.oscGrid = grid != 0;
            takeUInt(f, 3, m_r.oscGraphView);
            takeUInt(f, 4, m_r.oscSamplingTime, SettingsRecord::minSamplingTime);
            takeUInt(f, 5, m_r.oscTimeUnit);
            keepExtra(SettingsKept::OscValues, f, 6);
        }
        m_anchor = SettingsKept::AfterOscSettings;
    }

    void readCustomer(const QStringList &header)
    {
        keepExtra(SettingsKept::CustomerHeader, header, customerHeader().size());
        ++m_pos;
        if (atValueLine()) {
            const QStringList &f = m_fields.at(m_pos++);
            for (int i = 0; i < SettingsRecord::CustomerFieldCount; ++i)
                takeText(f, i, m_r.customer[size_t(i)]);
            keepExtra(SettingsKept::CustomerValues, f, SettingsRecord::CustomerFieldCount);
        }
        m_anchor = SettingsKept::AfterCustomer;
    }

    void readFavourites(int index)
    {
        const QStringList &header = m_fields.at(m_pos++);
        FavouriteSet &set = m_r.favourites[size_t(index)];
        takeText(header, 1, set.name);
        set.extra = header.mid(2);
        set.entries.clear();
        while (atValueLine()) {
            const QStringList &f = m_fields.at(m_pos++);
            FavouriteEntry e;
            takeText(f, 0, e.text0);
            takeFlag(f, 1, e.flag1);
            takeText(f, 2, e.text2);
            takeText(f, 3, e.text3);
            takeText(f, 4, e.text4);
            takeFlag(f, 5, e.flag5);
            e.extra = f.mid(6);
            set.entries.append(e);
        }
        consumeIf(offset(Marker::FavAEnd, index));
        m_anchor = SettingsKept::AfterFavA + index;
    }

    void readOscParams(const QStringList &header)
    {
        keepExtra(SettingsKept::OscParamsHeader, header, 1);
        ++m_pos;
        m_r.oscUnits.clear();
        while (m_pos < m_fields.size()) {
            const Marker marker = markerAt(m_pos);
            if (marker == Marker::OscParamsEnd) {
                ++m_pos;
                break;
            }
            if (marker == Marker::UnitEnd) {
                ++m_pos;
            } else if (marker == Marker::UnitStart) {
                readOscUnit();
            } else if (marker == Marker::None) {
                if (m_r.oscUnits.isEmpty())
                    keepLine(SettingsKept::InsideOscParams);
                else
                    m_r.oscUnits.last().linesAfter.append(m_raw.at(m_pos++));
            } else {
                break; // another section: the end marker is missing
            }
        }
        m_anchor = SettingsKept::AfterOscParams;
    }

    void readOscUnit()
    {
        const QStringList &header = m_fields.at(m_pos++);
        OscUnitChoice unit;
        takeInt(header, 1, unit.unitNumber, 1, 255);
        takeText(header, 2, unit.text1);
        takeText(header, 3, unit.text2);
        unit.extra = header.mid(4);
        while (atValueLine()) {
            const QStringList &f = m_fields.at(m_pos++);
            OscSignalChoice s;
            takeText(f, 0, s.text0);
            takeUInt(f, 1, s.value1);
            takeInt(f, 2, s.value2);
            takeInt(f, 3, s.value3);
            takeText(f, 4, s.text4);
            takeInt(f, 5, s.value5);
            s.extra = f.mid(6);
            unit.signalChoices.append(s);
        }
        consumeIf(Marker::UnitEnd);
        m_r.oscUnits.append(unit);
    }

    void readLastConfig(const QStringList &header)
    {
        keepExtra(SettingsKept::LastConfigHeader, header, 1);
        ++m_pos;
        m_r.lastConfig.clear();
        while (atValueLine()) {
            const QStringList &f = m_fields.at(m_pos++);
            LastConfigPair pair;
            takeText(f, 0, pair.first);
            takeText(f, 1, pair.second);
            pair.extra = f.mid(2);
            m_r.lastConfig.append(pair);
        }
        consumeIf(Marker::LastConfigEnd);
        m_anchor = SettingsKept::AfterLastConfig;
    }

    const QVector<QString> &m_raw;
    QVector<QStringList> m_fields;
    SettingsRecord &m_r;
    int m_pos = 0;
    int m_anchor = SettingsKept::BeforeAll;
};
} // namespace

namespace SettingsFile {

bool load(const QString &path, SettingsRecord &record, QString *error)
{
    // Every unit, favourite and setting together stay far below this; a larger file is damaged
    // and reading it whole would stall every start for seconds.
    constexpr qint64 kMaxBytes = 4 * 1024 * 1024;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    if (file.size() > kMaxBytes) {
        if (error)
            *error = QStringLiteral("%1 holds %2 MB, far more than any settings file: not read, and not "
                                    "replaced at exit")
                         .arg(QDir::toNativeSeparators(path))
                         .arg(file.size() / (1024 * 1024));
        record.autoSave = false;
        return false;
    }
    read(file, record);
    return true;
}

void read(QIODevice &device, SettingsRecord &record)
{
    QTextStream in(&device);
    in.setCodec("UTF-8");
    QVector<QString> lines;
    QString line;
    while (in.readLineInto(&line)) {
        line = rightTrimmed(line);
        if (!line.isEmpty())
            lines.append(line);
    }
    Reader(lines, record).run();
}

bool write(QIODevice &device, const SettingsRecord &record)
{
    QTextStream out(&device);
    out.setCodec("UTF-8");
    out.setGenerateByteOrderMark(false);
    writeRecord(out, record);
    out.flush();
    return out.status() == QTextStream::Ok;
}

bool save(const SettingsRecord &record, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    // A failed write discards the temporary file; the old file is replaced only by commit().
    if (!write(file, record)) {
        file.cancelWriting();
        return false;
    }
    return SafeSave::commit(file);
}

bool saveIfAutoSave(const SettingsRecord &record, const QString &path)
{
    if (!record.autoSave)
        return false;
    return save(record, path);
}

} // namespace SettingsFile
