// Subcommands on recordings: record a unit's signals into a .rec file, and turn a .rec file into
// a plain CSV file.
#include "clicommon.h"
#include "cliprogress.h"
#include "cliunit.h"
#include "oscunitdev.h"
#include "reccsv.h"
#include "recfilereader.h"
#include "recordingwriter.h"
#include "vxcommmodbusmaster.h"
#include "workeroperations.h"

#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <QThread>
#include <csignal>

namespace {

// --trigger "SIGNAL,TYPE,LEVEL[,HIGH][,before=S][,after=S][,multiple=MB]": SIGNAL is a signal
// name or its 1-based position, TYPE falling, rising or both (both needs LOW,HIGH).
bool parseTrigger(const QString &text, const OscUnitDev &device, TriggerSetup *out, QString *error)
{
    const QStringList parts = text.split(QLatin1Char(','));
    QStringList plain;
    TriggerSetup s;
    s.kind = TriggerSetup::Level;
    for (const QString &part : parts) {
        const int eq = part.indexOf(QLatin1Char('='));
        if (eq < 0) {
            plain.append(part.trimmed());
            continue;
        }
        const QString key = part.left(eq).trimmed();
        bool ok = false;
        const double value = part.mid(eq + 1).trimmed().toDouble(&ok);
        if (!ok || value < 0) {
            *error = QStringLiteral("--trigger: bad number in '%1'").arg(part);
            return false;
        }
        if (key == QLatin1String("before"))
            s.beforeMs = int(value * 1000);
        else if (key == QLatin1String("after"))
            s.afterMs = int(value * 1000);
        else if (key == QLatin1String("multiple")) {
            s.stopRule = TriggerSetup::TotalSize;
            s.maxTotalBytes = value * 1000000.0;
        } else {
            *error = QStringLiteral("--trigger: unknown setting '%1'").arg(key);
            return false;
        }
    }
    const QStringList names = device.signalNames();
    bool isIndex = false;
    const int index = plain.value(0).toInt(&isIndex);
    const int signal = isIndex ? index - 1 : names.indexOf(plain.value(0));
    if (signal < 0 || signal >= names.size()) {
        *error
            = QStringLiteral("--trigger: no signal '%1' (signals: %2)").arg(plain.value(0), names.join(", "));
        return false;
    }
    const QStringList types { "falling", "rising", "both" };
    const int type = types.indexOf(plain.value(1).toLower());
    bool okLow = false, okHigh = false;
    const double first = plain.value(2).toDouble(&okLow);
    const double second = plain.value(3).toDouble(&okHigh);
    if (type < 0 || !okLow || (type == TriggerSetup::Both && (!okHigh || first > second))
        || plain.size() != (type == TriggerSetup::Both ? 4 : 3)) {
        *error = QStringLiteral("--trigger needs SIGNAL,falling|rising,LEVEL or SIGNAL,both,LOW,HIGH");
        return false;
    }
    s.a.column = signal + 1;
    s.a.type = type;
    // Rising watches the low level, Falling the high level.
    s.a.low = type == TriggerSetup::Falling ? 0.0 : first;
    s.a.high = type == TriggerSetup::Rising ? 0.0 : (type == TriggerSetup::Both ? second : first);
    s.comment = QStringList { QStringLiteral("Level Trigger"),
        QStringLiteral("Signal Name:") + names.at(signal), QStringLiteral("Trigger Type:") + types.at(type),
        QStringLiteral("Value:") + plain.mid(2).join(", ") };
    *out = s;
    return true;
}

// Set by SIGINT or SIGTERM while a recording runs: it ends at the next sample and is saved.
volatile std::sig_atomic_t stopSignal = 0;

extern "C" void onStopSignal(int signal)
{
    stopSignal = signal;
}

// Catches SIGINT and SIGTERM for its lifetime, then restores what was there.
class StopSignals
{
public:
    StopSignals()
    {
        stopSignal = 0;
        struct sigaction action = {};
        action.sa_handler = onStopSignal;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &m_int);
        sigaction(SIGTERM, &action, &m_term);
    }
    ~StopSignals()
    {
        sigaction(SIGINT, &m_int, nullptr);
        sigaction(SIGTERM, &m_term, nullptr);
    }
    StopSignals(const StopSignals &) = delete;
    StopSignals &operator=(const StopSignals &) = delete;

private:
    struct sigaction m_int = {}, m_term = {};
};

} // namespace

namespace CliCommands {

int record(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Records the signals of one unit into a recording file (.rec) that the "
                       "oscilloscope opens."));
    CliArgs::addUnitOptions(parser);
    parser.addOption(
        { QStringLiteral("seconds"), QStringLiteral("Length of the recording."), QStringLiteral("S") });
    parser.addOption({ QStringLiteral("interval"), QStringLiteral("Sampling interval, 10 or more (250)."),
        QStringLiteral("MS"), QStringLiteral("250") });
    parser.addOption(
        { QStringLiteral("out"), QStringLiteral("The .rec file to write."), QStringLiteral("FILE") });
    parser.addOption({ QStringLiteral("comment"), QStringLiteral("Comment saved with the recording."),
        QStringLiteral("TEXT") });
    parser.addOption({ QStringLiteral("trigger"),
        QStringLiteral("Level trigger writing captures into TRIGGER/: SIGNAL,falling|rising,LEVEL or "
                       "SIGNAL,both,LOW,HIGH, then optionally before=S, after=S, multiple=MB."),
        QStringLiteral("SPEC") });
    int exitCode = 0;
    const QString usage = QStringLiteral("record --seconds S --out FILE.rec --tcp ADDRESS | --rtu PORT");
    if (!CliCommon::parse(parser, args, &exitCode)
        || !CliCommon::expectPositional(parser, 0, usage, &exitCode))
        return exitCode;
    bool ok = false;
    const double seconds = parser.value(QStringLiteral("seconds")).toDouble(&ok);
    if (!ok || seconds <= 0 || seconds > 7 * 86400.0)
        return CliCommon::fail(CliExit::Usage, QStringLiteral("record needs --seconds S (more than 0)"));
    const int interval = parser.value(QStringLiteral("interval")).toInt(&ok);
    if (!ok || interval < 10)
        return CliCommon::fail(CliExit::Usage, QStringLiteral("--interval must be 10 ms or more"));
    const QString out = parser.value(QStringLiteral("out"));
    if (out.isEmpty())
        return CliCommon::fail(CliExit::Usage, QStringLiteral("record needs --out FILE.rec"));
    if (!QFileInfo(out).absoluteDir().exists())
        return CliCommon::fail(CliExit::Usage, QStringLiteral("folder not found for %1").arg(out));
    CliOptions options;
    QString error;
    if (!CliArgs::readUnitOptions(parser, true, options, &error))
        return CliCommon::fail(CliExit::Usage, error);
    const auto unit = CliCommon::connectUnit(options, options.target, &exitCode);
    if (!unit)
        return exitCode;
    OscUnitDev device(unit->unitEntry(), 1, options.target.unit);
    if (!device.catalogueValid())
        return CliCommon::fail(
            CliExit::File, QStringLiteral("no valid recording signals in %1").arg(unit->deviceFile()));
    device.setInterval(ulong(interval));
    if (parser.isSet(QStringLiteral("trigger"))) {
        TriggerSetup trigger;
        if (!parseTrigger(parser.value(QStringLiteral("trigger")), device, &trigger, &error))
            return CliCommon::fail(CliExit::Usage, error);
        device.applyTrigger(trigger);
    }

    // The running file lives beside the output, so the window's own TEMP.peb stays untouched.
    const QString running = out + QStringLiteral(".running");
    const StopSignals signalsCaught;
    RecordingWriter writer(running);
    writer.setDevices({ &device });
    writer.start();
    device.startRecording();

    WorkerOps::Context ctx;
    ctx.master = unit->master();
    ctx.unitAddress = options.target.unit;
    ctx.entry = unit->unitEntry();
    const qint64 total = qint64(seconds * 1000);
    QElapsedTimer clock;
    clock.start();
    CliProgress progress(QStringLiteral("Recording"));
    ctx.running = [&] { return stopSignal == 0 && clock.elapsed() < total; };
    qint64 lastAppend = 0;
    ctx.pause = [&](int msecs) {
        progress.update(int(qMin(clock.elapsed(), total) / 1000), int(total / 1000));
        // Appended as the window does, so an interrupted recording keeps what it had.
        if (clock.elapsed() - lastAppend >= 30000) {
            writer.append();
            lastAppend = clock.elapsed();
        }
        // In short slices, so a signal ends the recording at once.
        const qint64 until
            = clock.elapsed() + qBound<qint64>(0, qMin<qint64>(msecs, total - clock.elapsed()), msecs);
        while (stopSignal == 0 && clock.elapsed() < until)
            QThread::msleep(ulong(qMin<qint64>(50, until - clock.elapsed())));
    };
    WorkerOps::acquire(ctx, &device, [interval] { return interval; });
    progress.finish();

    QStringList comment { parser.value(QStringLiteral("comment")) };
    const QString silent = RecCsv::silentNote(1, device);
    if (!silent.isEmpty())
        comment << silent;
    comment.removeAll(QString());
    QString saveError;
    if (writer.save(out, comment.join(QLatin1Char('\n')), &saveError) != RecordingWriter::Written)
        return CliCommon::fail(CliExit::File,
            QStringLiteral("cannot write %1: %2; the recording is kept in %3")
                .arg(out, saveError, QDir::toNativeSeparators(running)));
    // Only a confirmed save may take the running file away.
    QFile::remove(running);
    int valid = 0;
    for (int i = 0; i < device.sampleCount(); ++i)
        valid += device.sampleState(i) == OscUnitDev::Valid ? 1 : 0;
    const int failed = device.sampleCount() - valid;
    QTextStream text(stdout);
    text << "Recorded " << device.sampleCount() << " samples of " << device.signalCount() << " signals ("
         << failed << " failed) to " << out << '\n';
    for (const QString &file : device.triggerFiles())
        text << "Trigger capture: " << file << '\n';
    text.flush();
    if (stopSignal != 0)
        return CliCommon::fail(128 + stopSignal,
            QStringLiteral("recording stopped by signal %1 after %2 s; what was recorded is saved in %3")
                .arg(stopSignal)
                .arg(clock.elapsed() / 1000)
                .arg(out));
    if (failed > 0 || valid == 0)
        return CliCommon::fail(CliExit::Link,
            QStringLiteral(
                "%1 of %2 samples got no answer from the unit; %3 is saved, its comment names them "
                "and rec2csv leaves their cells empty")
                .arg(failed)
                .arg(device.sampleCount())
                .arg(out));
    return CliExit::Ok;
}

int rec2csv(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes a recording file (.rec) as a plain CSV file: a header row, ISO 8601 time "
                       "stamps, a decimal point, one column per signal."));
    CliArgs::addDataOption(parser);
    parser.addPositionalArgument(QStringLiteral("FILE.rec"), QStringLiteral("Recording file to convert."));
    parser.addOption({ QStringLiteral("out"), QStringLiteral("CSV file to write (default: standard output)."),
        QStringLiteral("FILE") });
    int exitCode = 0;
    if (!CliCommon::parse(parser, args, &exitCode)
        || !CliCommon::expectPositional(
            parser, 1, QStringLiteral("rec2csv FILE.rec [--out FILE.csv]"), &exitCode))
        return exitCode;
    CliOptions options;
    QString error;
    if (!CliArgs::applyDataDir(parser, options, &error))
        return CliCommon::fail(CliExit::Usage, error);
    const QString in = parser.positionalArguments().first();
    Recording rec;
    const RecFileReader::Status status = RecFileReader::read(in, &rec);
    if (status != RecFileReader::Loaded)
        return CliCommon::fail(
            CliExit::File, QStringLiteral("%1: %2").arg(in, RecFileReader::message(status)));

    if (!parser.isSet(QStringLiteral("out"))) {
        QFile console;
        console.open(stdout, QIODevice::WriteOnly);
        RecCsv::write(rec, &console);
        return CliExit::Ok;
    }
    const QString out = parser.value(QStringLiteral("out"));
    QString saveError;
    if (!RecCsv::writeFile(rec, out, &saveError))
        return CliCommon::fail(CliExit::File, QStringLiteral("cannot write %1: %2").arg(out, saveError));
    return CliExit::Ok;
}

} // namespace CliCommands
