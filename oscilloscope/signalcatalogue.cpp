#include "signalcatalogue.h"

#include "csvline.h"
#include "parametertableloader.h"

#include <QFile>
#include <QTextStream>

int SignalCatalogue::registerCount() const
{
    int sum = 0;
    for (quint16 count : blockCounts)
        sum += count;
    return sum;
}

int SignalCatalogue::activeTripRegister() const
{
    int row = 0;
    for (int block = 0; block < blockAddresses.size() && block < blockCounts.size(); ++block) {
        for (int k = 0; k < blockCounts[block]; ++k, ++row) {
            if (signalRows.value(row).value(FaultCodeField) == QLatin1String("Y"))
                return blockAddresses[block] + k;
        }
    }
    return 0;
}

QStringList SignalCatalogue::signalNames() const
{
    QStringList names;
    names.reserve(signalRows.size());
    for (const QStringList &row : signalRows)
        names.append(row.value(NameField));
    return names;
}

namespace SignalCatalogueReader {

namespace {

const QLatin1String kRecordStart("[RECORD VALUES]");
const QLatin1String kRecordEnd("[RECORD VALUES]END");
constexpr int MinimumDataFields = 11;

// Walks the record section line by line. A fault leaves the catalogue invalid; reading stops
// there so no half-built block list reaches the worker.
class Walker
{
public:
    explicit Walker(const QString &language)
        : m_language(language)
    { }

    SignalCatalogue run(QTextStream &in)
    {
        // The record section follows the fault texts: a file without them has none either.
        m_cat.trips = TripMessages::read(in);
        QString line;
        bool closed = false;
        while (!m_failed && !closed && in.readLineInto(&line)) {
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
            const QString first = line.section(QLatin1Char(';'), 0, 0).trimmed();
            // The markers are taken with or without a trailing ";".
            switch (m_state) {
            case State::AfterTrip:
                if (first == kRecordStart) {
                    m_state = State::Languages;
                    m_cat.present = true;
                }
                continue;
            case State::Languages:
            case State::InRecord:
                if (first == kRecordEnd) {
                    closed = true;
                    continue;
                }
                if (line.contains(QLatin1Char(';')))
                    recordLine(line.split(QLatin1Char(';')));
                continue;
            }
        }
        if (closed && !m_failed) {
            closeBlock();
            m_cat.valid = !m_failed && m_declaredBlocks >= 0 && m_blockLines == m_declaredBlocks;
        }
        return m_cat;
    }

private:
    enum class State { AfterTrip, Languages, InRecord };

    void recordLine(const QStringList &fields)
    {
        const QString first = fields.value(0).trimmed();
        if (first.contains(QLatin1String("//")))
            return;
        if (m_state == State::Languages) {
            if (first.startsWith(QLatin1Char('*'))) {
                m_markers.append(first.mid(1));
                return;
            }
            // The first data line: the number of blocks. The selected language is now settled.
            bool ok = false;
            m_declaredBlocks = first.toInt(&ok);
            if (!ok)
                m_failed = true;
            if (!m_markers.contains(m_language) && !m_markers.isEmpty())
                m_language = m_markers.first();
            m_state = State::InRecord;
            return;
        }
        if (first == QLatin1String("%Block")) {
            closeBlock();
            ++m_blockLines;
            m_expectHeader = true;
            return;
        }
        if (m_expectHeader) {
            m_expectHeader = false;
            bool okStart = false, okCount = false;
            const uint start = fields.value(1).trimmed().toUInt(&okStart);
            const uint count = fields.value(2).trimmed().toUInt(&okCount);
            if (fields.size() < 3 || !okStart || !okCount || start > 0xFFFF || count > 125) {
                m_failed = true;
                return;
            }
            m_cat.blockAddresses.append(quint16(start));
            m_cat.blockCounts.append(quint16(count));
            m_inBlock = 0;
            return;
        }
        if (m_cat.blockCounts.isEmpty())
            return; // before the first block: nothing belongs to a signal
        if (first.startsWith(QLatin1Char('*'))) {
            if (fields.size() < 2) {
                m_failed = true;
                return;
            }
            if (m_data.isEmpty())
                return;
            m_names.append({ first.mid(1), fields.at(1).trimmed() });
            if (first.mid(1) == m_language && !m_taken) {
                m_cat.signalRows.append(QStringList { fields.at(1).trimmed() } + m_data);
                m_cat.namesInAllLanguages.append(QVector<QStringList>());
                m_taken = true;
                ++m_inBlock;
            }
            if (m_taken)
                m_cat.namesInAllLanguages.last() = m_names;
            return;
        }
        if (fields.size() < MinimumDataFields) {
            m_failed = true;
            return;
        }
        m_data = fields;
        for (QString &field : m_data)
            field = field.trimmed();
        m_names.clear();
        m_taken = false;
    }

    // The rows counted for a block must be the count its header declared.
    void closeBlock()
    {
        if (!m_cat.blockCounts.isEmpty() && m_inBlock != m_cat.blockCounts.last())
            m_failed = true;
        m_inBlock = 0;
        m_data.clear();
    }

    SignalCatalogue m_cat;
    QString m_language;
    QStringList m_markers;
    State m_state = State::AfterTrip;
    int m_declaredBlocks = -1;
    int m_blockLines = 0;
    int m_inBlock = 0;
    bool m_expectHeader = false;
    bool m_failed = false;
    bool m_taken = false;
    QStringList m_data;
    QVector<QStringList> m_names;
};

} // namespace

SignalCatalogue read(QTextStream &in, const QString &language)
{
    return Walker(language).run(in);
}

QString languageName(int languageIndex)
{
    return ParameterTableLoader::languageKeys().value(
        languageIndex, ParameterTableLoader::languageKeys().first());
}

SignalCatalogue readFile(const QString &path, int languageIndex)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return SignalCatalogue();
    QTextStream in(&file);
    in.setCodec(CsvLine::codecForDeviceFile(path));
    return read(in, languageName(languageIndex));
}

} // namespace SignalCatalogueReader
