#include "oscunitdev.h"

#include "apppaths.h"
#include "devicefiles.h"
#include "recformat.h"
#include "safesave.h"
#include "unitentryfields.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMetaMethod>
#include <QMutexLocker>
#include <QSaveFile>
#include <QTextStream>

namespace {
// Failed cycles in a row that still repeat the previous values; the next one stores 0.
constexpr int RepeatedFailures = 2;
} // namespace

OscUnitDev::OscUnitDev(
    const QStringList &entry, int runningNumber, int unitNumber, int language, QObject *parent)
    : QObject(parent)
    , m_entry(entry)
    , m_runningNumber(runningNumber)
    , m_unitNumber(unitNumber)
    , m_deviceFile(DeviceFiles::resolveDeviceFile(UnitEntryField::at(entry, UnitEntryField::DeviceFile)))
{
    // The signals reach the view queued: their argument types must be known by then.
    qRegisterMetaType<OscUnitDev *>("OscUnitDev*");
    qRegisterMetaType<QList<QStringList>>("QList<QStringList>");
    qRegisterMetaType<QVector<QVector<QStringList>>>("QVector<QVector<QStringList> >");
    m_catalogue = SignalCatalogueReader::readFile(m_deviceFile, language);
    m_columns = m_catalogue.signalCount();
    for (const QStringList &row : qAsConst(m_catalogue.signalRows))
        m_formats.append(SignalDecoding::formatOf(row));
}

OscUnitDev::~OscUnitDev() = default;

QStringList OscUnitDev::unitEntry() const
{
    QMutexLocker lock(&m_lock);
    return m_entry;
}

QVector<quint16> OscUnitDev::blockAddresses() const
{
    return m_catalogue.blockAddresses;
}

QVector<quint16> OscUnitDev::blockCounts() const
{
    return m_catalogue.blockCounts;
}

int OscUnitDev::signalCount() const
{
    return m_columns;
}

QStringList OscUnitDev::signalNames() const
{
    QMutexLocker lock(&m_lock);
    return m_catalogue.signalNames();
}

QList<QStringList> OscUnitDev::signalRows() const
{
    QMutexLocker lock(&m_lock);
    return m_catalogue.signalRows;
}

SignalDecoding::Format OscUnitDev::signalFormat(int signal) const
{
    return m_formats.value(signal);
}

void OscUnitDev::addSample(const QByteArray &bytes, bool valid)
{
    const qint64 stampMs = nowMs();
    OscTrigger::Outcome outcome;
    Capture capture;
    QList<QStringList> rows;
    QStringList names, current;
    bool triggerStopped = false;
    bool display = false;
    {
        QMutexLocker lock(&m_lock);
        const int n = m_columns;
        m_times.push_back(stampMs);
        const size_t base = m_words.size();
        m_words.resize(base + size_t(n));
        quint16 *out = m_words.data() + base;
        // The whole cycle must have delivered exactly one word per signal.
        const bool complete
            = valid && bytes.size() == 2 * m_catalogue.registerCount() && bytes.size() == 2 * n;
        if (!complete) {
            const bool havePrevious = m_states.size() > 0;
            if (m_failures < RepeatedFailures && havePrevious) {
                std::copy(out - n, out, out);
                m_states.push_back(m_states.back() == Zeroed ? Zeroed : Repeated);
            } else {
                std::fill(out, out + n, quint16(0));
                m_states.push_back(Zeroed);
            }
            ++m_failures;
            // Never evaluated by the trigger; the view learns that the unit gave no data (the
            // current values of a failed cycle are empty).
            if (isSignalConnected(QMetaMethod::fromSignal(&OscUnitDev::vxOscsigSendForDisplay))) {
                lock.unlock();
                emit vxOscsigSendForDisplay(this, signalNames(), {}, QStringList());
            }
            return;
        }
        m_failures = 0;
        const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
        for (int i = 0; i < n; ++i)
            out[i] = quint16((data[2 * i] << 8) | data[2 * i + 1]);
        m_states.push_back(Valid);
        const int newest = int(m_times.size()) - 1;
        if (m_firstValidTime < 0) {
            m_firstValidTime = m_times.back();
            m_firstValidX = (m_times.back() - m_times.front()) * 0.001;
        }

        // The texts are made only for a view that listens (the command line has none).
        display = isSignalConnected(QMetaMethod::fromSignal(&OscUnitDev::vxOscsigSendForDisplay));
        if (display) {
            QStringList row;
            row.reserve(n + 1);
            row.append(RecFormat::timeText(stampMs));
            for (int i = 0; i < n; ++i)
                row.append(valueTextLocked(i, newest, false));
            rows.append(row);
            names = m_catalogue.signalNames();
            current = currentValuesLocked();
        }

        if (m_trigger.kind() != TriggerSetup::NoTrigger) {
            const auto valueAt = [this, n](int column, int index) {
                const int signal = column - 1;
                if (signal < 0 || signal >= n || index < 0 || index >= int(m_states.size()))
                    return 0.0;
                return SignalDecoding::value(
                    m_formats.at(signal), m_words[size_t(index) * size_t(n) + size_t(signal)]);
            };
            const auto bitAt = [this, n](int column, int index, int bit) {
                const int signal = column - 1;
                if (signal < 0 || signal >= n || index < 0 || index >= int(m_states.size()) || bit < 0
                    || bit > 15)
                    return '-';
                const quint16 mask = m_formats.at(signal).mask;
                const quint16 w = m_words[size_t(index) * size_t(n) + size_t(signal)];
                const quint16 b = quint16(1u << bit);
                if (m_formats.at(signal).kind == SignalDecoding::Kind::BitPattern && !(mask & b))
                    return '-';
                return (w & b) ? 'H' : 'L';
            };
            // UTC: only differences are taken, and making it costs nothing per sample.
            const QDateTime stamp = QDateTime::fromMSecsSinceEpoch(stampMs, Qt::UTC);
            m_trigger.setSamplingInterval(m_intervalMs.load());
            outcome = m_trigger.evaluate(newest, valueAt, bitAt, stamp);
            if (outcome.capture)
                capture = copyCapture(outcome.from, outcome.to, outcome.triggerTime.toLocalTime());
        }
    }
    if (outcome.capture) {
        QString path;
        const qint64 size = writeTriggerFile(capture, &path);
        const QDateTime stamp = QDateTime::fromMSecsSinceEpoch(nowMs(), Qt::UTC);
        QMutexLocker lock(&m_lock);
        if (size >= 0)
            m_triggerFiles.append(path);
        m_trigger.captureWritten(size, stamp);
        triggerStopped = true;
    }
    if (display)
        emit vxOscsigSendForDisplay(this, names, rows, current);
    if (outcome.started)
        emit vxOscTriggerStart();
    if (triggerStopped)
        emit vxOscTriggerStop();
}

void OscUnitDev::startRecording()
{
    {
        QMutexLocker lock(&m_lock);
        m_writePointer = 0;
        m_firstValidTime = -1;
        m_firstValidX = 0.0;
        m_failures = 0;
        m_triggerFiles.clear();
    }
    const QDir base(AppPaths::baseDir());
    QFile::remove(base.filePath(tempFileName()));
    QFile::remove(base.filePath(offsetFileName()));
}

void OscUnitDev::clearSamples()
{
    resizebuffer();
}

void OscUnitDev::resizebuffer()
{
    QMutexLocker lock(&m_lock);
    // Emptied, and the memory handed back: the next recording may be much shorter.
    std::vector<qint64>().swap(m_times);
    std::vector<quint16>().swap(m_words);
    std::vector<quint8>().swap(m_states);
    m_writePointer = 0;
}

void OscUnitDev::applyTrigger(const TriggerSetup &settings)
{
    const QDateTime stamp = QDateTime::fromMSecsSinceEpoch(nowMs(), Qt::UTC);
    QMutexLocker lock(&m_lock);
    m_trigger.apply(settings, stamp);
}

void OscUnitDev::stopTrigger()
{
    QMutexLocker lock(&m_lock);
    m_trigger.stop();
}

bool OscUnitDev::isTriggerWaiting() const
{
    QMutexLocker lock(&m_lock);
    return m_trigger.isWaiting();
}

bool OscUnitDev::isTriggerCapturing() const
{
    QMutexLocker lock(&m_lock);
    return m_trigger.isCapturing();
}

int OscUnitDev::triggerFilesWritten() const
{
    QMutexLocker lock(&m_lock);
    return m_trigger.capturesWritten();
}

QStringList OscUnitDev::triggerFiles() const
{
    QMutexLocker lock(&m_lock);
    return m_triggerFiles;
}

int OscUnitDev::sampleCount() const
{
    QMutexLocker lock(&m_lock);
    return int(m_times.size());
}

OscUnitDev::SampleState OscUnitDev::sampleState(int sample) const
{
    QMutexLocker lock(&m_lock);
    return sample >= 0 && sample < int(m_states.size()) ? SampleState(m_states[size_t(sample)]) : Zeroed;
}

quint16 OscUnitDev::word(int signal, int sample) const
{
    QMutexLocker lock(&m_lock);
    if (signal < 0 || signal >= m_columns || sample < 0 || sample >= int(m_times.size()))
        return 0;
    return m_words[size_t(sample) * size_t(m_columns) + size_t(signal)];
}

double OscUnitDev::value(int signal, int sample) const
{
    const quint16 w = word(signal, sample);
    return SignalDecoding::value(m_formats.value(signal), w);
}

QString OscUnitDev::valueText(int signal, int sample) const
{
    QMutexLocker lock(&m_lock);
    return valueTextLocked(signal, sample, false);
}

QString OscUnitDev::fileText(int signal, int sample) const
{
    QMutexLocker lock(&m_lock);
    return valueTextLocked(signal, sample, true);
}

QString OscUnitDev::valueTextLocked(int signal, int sample, bool forFile) const
{
    if (signal < 0 || signal >= m_columns || sample < 0 || sample >= int(m_times.size()))
        return QString();
    return wordText(signal, m_words[size_t(sample) * size_t(m_columns) + size_t(signal)],
        m_states[size_t(sample)], forFile);
}

QString OscUnitDev::wordText(int signal, quint16 word, quint8 state, bool forFile) const
{
    const SignalDecoding::Format &format = m_formats.at(signal);
    // A zeroed sample holds the number 0, also in a bit-field column.
    if (state == Zeroed && format.kind == SignalDecoding::Kind::BitPattern)
        return forFile && format.faultCode ? QStringLiteral("F:0") : QStringLiteral("0");
    return forFile ? SignalDecoding::fileText(format, word) : SignalDecoding::text(format, word);
}

qint64 OscUnitDev::sampleTime(int sample) const
{
    QMutexLocker lock(&m_lock);
    return sample >= 0 && sample < int(m_times.size()) ? m_times[size_t(sample)] : 0;
}

double OscUnitDev::timeColumn(int sample) const
{
    return double(sampleTime(sample) / 1000);
}

QString OscUnitDev::timeText(int sample) const
{
    return RecFormat::timeText(sampleTime(sample));
}

double OscUnitDev::xValue(int sample) const
{
    QMutexLocker lock(&m_lock);
    if (sample < 0 || sample >= int(m_times.size()))
        return 0.0;
    return (m_times[size_t(sample)] - m_times.front()) * 0.001;
}

double OscUnitDev::lastXValue() const
{
    QMutexLocker lock(&m_lock);
    return m_times.empty() ? 0.0 : (m_times.back() - m_times.front()) * 0.001;
}

double OscUnitDev::savedLastXValue() const
{
    QMutexLocker lock(&m_lock);
    return m_savedLastX;
}

QStringList OscUnitDev::currentValues() const
{
    QMutexLocker lock(&m_lock);
    return currentValuesLocked();
}

QStringList OscUnitDev::currentValuesLocked() const
{
    QStringList values;
    // A failed cycle has no current values: repeated or zeroed words are no reading of the unit.
    if (m_times.empty() || m_states.back() != Valid)
        return values;
    const int newest = int(m_times.size()) - 1;
    values.reserve(m_columns);
    for (int i = 0; i < m_columns; ++i) {
        const SignalDecoding::Format &format = m_formats.at(i);
        if (format.faultCode) {
            const quint16 w = m_words[size_t(newest) * size_t(m_columns) + size_t(i)];
            values.append(m_catalogue.trips.faultText(int(SignalDecoding::value(format, w))));
        } else {
            values.append(valueTextLocked(i, newest, false));
        }
    }
    return values;
}

QString OscUnitDev::tempFileName() const
{
    return QStringLiteral("temp%1.rec").arg(m_runningNumber);
}

QString OscUnitDev::offsetFileName() const
{
    return QStringLiteral("Offset%1.txt").arg(m_runningNumber);
}

int OscUnitDev::writePointer() const
{
    QMutexLocker lock(&m_lock);
    return m_writePointer;
}

bool OscUnitDev::rowsWritable() const
{
    if (m_catalogue.registerCount() != m_columns)
        return false;
    for (const QStringList &row : m_catalogue.signalRows)
        if (row.size() < 8)
            return false;
    return true;
}

QString OscUnitDev::rowText(int sample, int unitNumber) const
{
    return rowTextOf(m_times[size_t(sample)], m_words.data() + size_t(sample) * size_t(m_columns),
        m_states[size_t(sample)], unitNumber);
}

QString OscUnitDev::rowTextOf(qint64 time, const quint16 *words, quint8 state, int unitNumber) const
{
    QString line
        = RecFormat::timeText(time) + QLatin1Char(';') + QString::number(unitNumber) + QLatin1Char(';');
    for (int i = 0; i < m_columns; ++i)
        line += wordText(i, words[i], state, true) + QLatin1Char(';');
    return line;
}

int OscUnitDev::writePendingRows(QTextStream &out, int unitNumber)
{
    QMutexLocker lock(&m_lock);
    if (!rowsWritable())
        return 0;
    const int end = int(m_times.size());
    const int from = qMin(m_writePointer, end);
    for (int i = from; i < end; ++i)
        out << rowText(i, unitNumber) << '\n';
    m_writePointer = end;
    return end - from;
}

int OscUnitDev::writeRows(QTextStream &out, int unitNumber, int from, int to) const
{
    QMutexLocker lock(&m_lock);
    if (!rowsWritable())
        return 0;
    from = qMax(0, from);
    to = qMin(to, int(m_times.size()) - 1);
    for (int i = from; i <= to; ++i)
        out << rowText(i, unitNumber) << '\n';
    return qMax(0, to - from + 1);
}

OscUnitDev::Capture OscUnitDev::copyCapture(int from, int to, const QDateTime &triggerTime) const
{
    // Under m_lock, from addSample.
    Capture c;
    c.triggerTime = triggerTime;
    c.entry = m_entry;
    c.names = m_catalogue.signalNames();
    c.comment = m_trigger.settings().comment;
    c.writable = rowsWritable();
    from = qMax(0, from);
    to = qMin(to, int(m_times.size()) - 1);
    if (from > to)
        return c;
    c.times.assign(m_times.begin() + from, m_times.begin() + to + 1);
    c.states.assign(m_states.begin() + from, m_states.begin() + to + 1);
    c.words.assign(
        m_words.begin() + ptrdiff_t(from) * m_columns, m_words.begin() + ptrdiff_t(to + 1) * m_columns);
    return c;
}

qint64 OscUnitDev::writeTriggerFile(const Capture &capture, QString *path) const
{
    QDir().mkpath(AppPaths::triggerDir());
    *path = AppPaths::triggerDir() + QStringLiteral("/TRIGGER_")
        + QLocale::c().toString(capture.triggerTime, QStringLiteral("yyyy_M_d  hh_mm_ss_zzz"))
        + QStringLiteral(".rec");
    QSaveFile file(*path);
    if (capture.times.empty() || !file.open(QIODevice::WriteOnly | QIODevice::Text))
        return -1;
    QTextStream out(&file);
    out.setCodec(RecFormat::writeCodec());
    out << RecFormat::dateText(QDateTime::fromMSecsSinceEpoch(capture.times.front()).date()) << '\n';
    out << RecFormat::unitLine(1, capture.entry) << '\n';
    out << RecFormat::headerLine(1, capture.names) << '\n';
    if (capture.writable)
        for (size_t i = 0; i < capture.times.size(); ++i)
            out << rowTextOf(
                capture.times[i], capture.words.data() + i * size_t(m_columns), capture.states[i], 1)
                << '\n';
    out << RecFormat::commentMarker() << '\n';
    for (const QString &line : capture.comment)
        out << line << '\n';
    out.flush();
    const qint64 size = file.pos();
    if (!SafeSave::commit(file))
        return -1;
    return size;
}

void OscUnitDev::setInterval(ulong msecs)
{
    m_intervalMs.store(int(qMin<ulong>(msecs, 86400000ul)));
}

void OscUnitDev::vxOscSlotUpdateLastxaxis2value()
{
    const double last = lastXValue();
    QMutexLocker lock(&m_lock);
    m_savedLastX = last;
}

void OscUnitDev::onLangTranslation(int langindex)
{
    const SignalCatalogue fresh = SignalCatalogueReader::readFile(m_deviceFile, langindex);
    {
        QMutexLocker lock(&m_lock);
        // Only the names change; a file edited since would not fit the store's columns.
        if (fresh.signalCount() == m_catalogue.signalCount()) {
            for (int i = 0; i < fresh.signalCount(); ++i)
                m_catalogue.signalRows[i][SignalCatalogue::NameField] = fresh.signalRows.at(i).value(0);
        }
    }
    emit langTranslationDone(this);
    emit ParametersInAllLanguage(fresh.namesInAllLanguages);
}
