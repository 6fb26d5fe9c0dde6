// Benchmarks of the oscilloscope, each figure beside the one it is measured against:
//   overhead  one acquisition cycle of a unit with 30 signals in 3 blocks against the drive
//             simulator, against the same three exchanges alone; and the device's own part
//   memory    a day at 250 ms with 30 signals in the sample store (no bus); "memory variant"
//             keeps the same samples one QVariant per value with a time text per sample
//   load      a 50 MB recording read by the recording reader and by a QTextStream + split reader
//   textcells a recording of short text cells ("ab") read back: resident memory against its size
#include "apppaths.h"
#include "oscunitdev.h"
#include "recfilereader.h"
#include "recordingwriter.h"
#include "simpeer.h"
#include "unitentryfields.h"
#include "vxcommmodbusmaster.h"
#include "workeroperations.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QVariant>
#include <cmath>
#include <cstdio>

namespace {

constexpr int Signals = 30;
constexpr int Blocks = 3;

// The shipped RVN file with its record section replaced by 3 blocks of 10 signals of every kind.
QByteArray thirtySignals(QByteArray bytes)
{
    QByteArray section = "[RECORD VALUES]\r\n*English;English\r\n3;Blocks\r\n";
    const char *formats[] = { "N;N;1;0;E", "N;N;1;0;N", "N;N;1;0;U", "N;255;1;0;U", "Y;255;1;0;U" };
    for (int b = 0; b < Blocks; ++b) {
        const int start = 31001 + 100 * b;
        section
            += "%Block;" + QByteArray::number(b + 1) + "\r\nB;" + QByteArray::number(start) + ";10;Block\r\n";
        for (int i = 0; i < 10; ++i) {
            const int n = b * 10 + i;
            section += "S" + QByteArray::number(n) + ';' + QByteArray::number(start + i) + ";V;0;65535;1;"
                + formats[n % 5] + "\r\n*English;Signal " + QByteArray::number(n + 1) + "\r\n";
        }
    }
    const int from = bytes.indexOf("[RECORD VALUES]\r\n");
    const int to = bytes.indexOf("[RECORD VALUES]END");
    if (from < 0 || to < 0)
        return QByteArray();
    return bytes.replace(from, to - from, section);
}

QStringList entryFor(const QString &deviceFile)
{
    QStringList e;
    for (int i = 0; i < UnitEntryField::Count; ++i)
        e.append(QString());
    e[UnitEntryField::Number] = "1";
    e[UnitEntryField::Name] = "RVN-BENCH (1)";
    e[UnitEntryField::Interface] = "TCPIP";
    e[UnitEntryField::DeviceFile] = deviceFile;
    e[UnitEntryField::Version] = "V2.05";
    return e;
}

QByteArray sampleBytes(int k)
{
    QByteArray bytes(2 * Signals, 0);
    for (int i = 0; i < Signals; ++i) {
        const quint16 w = quint16((k * 7 + i * 131) % 30000);
        bytes[2 * i] = char(w >> 8);
        bytes[2 * i + 1] = char(w & 0xFF);
    }
    return bytes;
}

double procStatusMb(const char *key)
{
    QFile f("/proc/self/status");
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(int(strlen(key))).trimmed().split(' ').first().toDouble() / 1024.0;
    return -1;
}

struct Installation
{
    QTemporaryDir dir;
    QString deviceFile;
    bool make()
    {
        TestInstallation inst(dir.path());
        if (!inst.addGeneralCsv() || !inst.addDeviceFile("RVNV2.05.csv", thirtySignals))
            return false;
        AppPaths::setBaseDir(dir.path());
        deviceFile = inst.deviceFilePath("RVNV2.05.csv");
        return true;
    }
};

int overhead()
{
    Installation inst;
    if (!inst.make())
        return 1;
    OscUnitDev device(entryFor(inst.deviceFile), 1, 1);
    if (!device.catalogueValid() || device.signalCount() != Signals)
        return 1;
    // The device's own part of a cycle: decoding, storing, texts for the display.
    const int n = 100000;
    QElapsedTimer t;
    t.start();
    for (int k = 0; k < n; ++k)
        device.addSample(sampleBytes(k), true);
    const double deviceUs = t.nsecsElapsed() / 1000.0 / n;
    // With a view listening, the row and current value texts are made too.
    QObject::connect(&device, &OscUnitDev::vxOscsigSendForDisplay, &device,
        [](OscUnitDev *, QStringList, QList<QStringList>, QStringList) {});
    t.restart();
    for (int k = 0; k < n; ++k)
        device.addSample(sampleBytes(k), true);
    const double shownUs = t.nsecsElapsed() / 1000.0 / n;

    SimPeer sim;
    if (!sim.startTcp("127.0.0.84", 15084, { "--device", inst.deviceFile, "--size", "1" })) {
        std::fprintf(stderr, "simulator: %s\n", qPrintable(sim.errorOutput()));
        return 1;
    }
    VxCommModbusMaster master(3);
    master.VxCommConnectTcpLink("127.0.0.84", 15084);
    master.VxCommSetMsgDelay(1);
    master.VxCommSetNoOfRetries(0);
    master.VxCommAddUnitHealth(1, "connect", "1");
    WorkerOps::Context ctx;
    ctx.master = &master;
    ctx.unitAddress = 1;
    OscUnitDev live(entryFor(inst.deviceFile), 2, 1);
    const int cycles = 300;
    qint64 cycleNs = 0, exchangeNs = 0;
    int valid = 0;
    for (int k = 0; k < cycles; ++k) {
        // Interleaved, so drift of the link hits both alike.
        t.restart();
        valid += WorkerOps::acquisitionCycle(ctx, &live) ? 1 : 0;
        cycleNs += t.nsecsElapsed();
        t.restart();
        for (int b = 0; b < Blocks; ++b) {
            QVector<quint16> words;
            WorkerOps::readWords(ctx, 3, 31001 + 100 * b, 10, &words);
        }
        exchangeNs += t.nsecsElapsed();
    }
    const double cycleMs = cycleNs / 1e6 / cycles, exchangeMs = exchangeNs / 1e6 / cycles;
    std::printf("acquisition, 30 signals in 3 blocks, loopback TCP, %d cycles (%d valid):\n", cycles, valid);
    std::printf("  full cycle %.3f ms, the 3 exchanges alone %.3f ms: overhead %.3f ms per cycle (%.2fx)\n",
        cycleMs, exchangeMs, cycleMs - exchangeMs, cycleMs / exchangeMs);
    std::printf("  device part alone (addSample, no bus): %.1f us per cycle, %.1f us with a view listening\n",
        deviceUs, shownUs);
    return valid == cycles ? 0 : 1;
}

int memory(bool variant)
{
    const int samples = 24 * 3600 * 4; // a day at 250 ms
    const double before = procStatusMb("VmRSS:");
    QElapsedTimer t;
    t.start();
    if (!variant) {
        Installation inst;
        if (!inst.make())
            return 1;
        OscUnitDev device(entryFor(inst.deviceFile), 1, 1);
        qint64 clock = QDateTime(QDate(2026, 3, 1), QTime(8, 0)).toMSecsSinceEpoch();
        device.setClock([&clock] { return clock; });
        for (int k = 0; k < samples; ++k) {
            clock += 250;
            device.addSample(sampleBytes(k), true);
        }
        std::printf("sample store, %d samples x %d signals: resident %.1f MB (peak %.1f MB, %.1f MB before), "
                    "%.1f s\n",
            device.sampleCount(), Signals, procStatusMb("VmRSS:"), procStatusMb("VmHWM:"), before,
            t.elapsed() / 1000.0);
        return 0;
    }
    // One QVariant per value, a time text, the time and x per sample.
    QVector<QVector<QVariant>> columns(Signals + 1);
    QStringList timeTexts;
    QVector<double> x;
    QDateTime clock(QDate(2026, 3, 1), QTime(8, 0));
    for (int k = 0; k < samples; ++k) {
        clock = clock.addMSecs(250);
        const QByteArray bytes = sampleBytes(k);
        columns[0].append(QVariant(double(clock.toMSecsSinceEpoch() / 1000)));
        for (int i = 0; i < Signals; ++i) {
            const quint16 w = quint16((uchar(bytes[2 * i]) << 8) | uchar(bytes[2 * i + 1]));
            if (i % 5 == 3)
                columns[i + 1].append(QVariant(QString::number(w, 2)));
            else
                columns[i + 1].append(QVariant(double(w)));
        }
        timeTexts.append(clock.toString("hh:mm:ss AP,zzz"));
        x.append(k * 0.25);
    }
    std::printf("one QVariant per value, %d samples x %d signals: resident %.1f MB (peak %.1f MB)\n", samples,
        Signals, procStatusMb("VmRSS:"), procStatusMb("VmHWM:"));
    return 0;
}

// The reader most code would start with: a text stream, a split per line, a number per field.
int naiveRead(const QString &path, QVector<double> *values)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    QTextStream in(&f);
    in.setCodec("UTF-8");
    QString line;
    int rows = 0;
    bool headers = false;
    in.readLineInto(&line);
    while (in.readLineInto(&line)) {
        if (line == QLatin1String("[COMMENT]"))
            break;
        const QStringList fields = line.split(QLatin1Char(';'));
        if (fields.first() == QLatin1String("Time ")) {
            headers = true;
            continue;
        }
        if (!headers)
            continue;
        for (int i = 2; i < fields.size() - 1; ++i) {
            QString v = fields.at(i);
            v.replace(QLatin1Char(','), QLatin1Char('.'));
            if (v.startsWith(QLatin1String("F:")))
                v.remove(0, 2);
            values->append(v.toDouble());
        }
        ++rows;
    }
    return rows;
}

int load()
{
    Installation inst;
    if (!inst.make())
        return 1;
    OscUnitDev device(entryFor(inst.deviceFile), 1, 1);
    qint64 clock = QDateTime(QDate(2026, 3, 1), QTime(8, 0)).toMSecsSinceEpoch();
    device.setClock([&clock] { return clock; });
    const QString path = inst.dir.filePath("big.rec");
    RecordingWriter writer(inst.dir.filePath("TEMP.peb"));
    writer.setDevices({ &device });
    writer.start();
    int k = 0;
    while (QFileInfo(writer.runningFile()).size() < 50 * 1000 * 1000) {
        for (int i = 0; i < 5000; ++i, ++k) {
            clock += 250;
            device.addSample(sampleBytes(k), true);
        }
        writer.append();
    }
    if (writer.save(path, "bench") != RecordingWriter::Written)
        return 1;
    if (qEnvironmentVariableIsSet("BENCH_KEEP_REC")) {
        QFile::copy(path, qEnvironmentVariable("BENCH_KEEP_REC") + "/big.rec");
        QFile::copy(inst.deviceFile, qEnvironmentVariable("BENCH_KEEP_REC") + "/csv_file/RVNV2.05.csv");
    }
    const double mb = QFileInfo(path).size() / 1e6;
    double best = 1e9, bestNaive = 1e9;
    int rows = 0, naiveRows = 0;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer t;
        t.start();
        Recording rec;
        if (RecFileReader::read(path, &rec) != RecFileReader::Loaded)
            return 1;
        best = qMin(best, t.elapsed() / 1000.0);
        rows = rec.units.first().rowCount();
        t.restart();
        QVector<double> values;
        naiveRows = naiveRead(path, &values);
        bestNaive = qMin(bestNaive, t.elapsed() / 1000.0);
    }
    std::printf("loading a %.1f MB recording (%d rows x %d signals), best of 3:\n", mb, rows, Signals);
    std::printf("  recording reader %.3f s, QTextStream + split reader %.3f s (%d rows): %.1fx faster\n",
        best, bestNaive, naiveRows, bestNaive / best);
    return rows == naiveRows ? 0 : 1;
}

int textCells(int megabytes)
{
    Installation inst;
    if (!inst.make())
        return 1;
    const QString path = inst.dir.filePath("text.rec");
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        QByteArray head = "3/1/2026\n1;RVN;RVN-BENCH (1);V2.05;RVNV2.05.csv;\nTime ;Unit 1;";
        QByteArray row = "08:00:00 AM,000;1;";
        for (int i = 0; i < Signals; ++i) {
            head += "Signal " + QByteArray::number(i + 1) + ';';
            row += "ab;";
        }
        f.write(head + '\n');
        row += '\n';
        QByteArray chunk;
        for (int i = 0; i < 10000; ++i)
            chunk += row;
        while (f.size() < qint64(megabytes) * 1000 * 1000)
            f.write(chunk);
    }
    const double mb = QFileInfo(path).size() / 1e6;
    const double before = procStatusMb("VmRSS:");
    QElapsedTimer t;
    t.start();
    Recording rec;
    if (RecFileReader::read(path, &rec) != RecFileReader::Loaded)
        return 1;
    const double held = procStatusMb("VmRSS:") - before;
    std::printf("a %.1f MB recording of %d rows of %d text cells read in %.2f s: %.1f MB resident "
                "(%.1fx the file; peak %.1f MB)\n",
        mb, rec.units.first().rowCount(), Signals, t.elapsed() / 1000.0, held, held / mb,
        procStatusMb("VmHWM:"));
    return rec.units.first().cellText(0, 0) == QLatin1String("ab") ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString mode = app.arguments().value(1);
    if (mode == "overhead")
        return overhead();
    if (mode == "memory")
        return memory(app.arguments().value(2) == "variant");
    if (mode == "load")
        return load();
    if (mode == "textcells")
        return textCells(qMax(1, app.arguments().value(2, "100").toInt()));
    if (mode == "read") { // profiling aid: read a given recording ten times
        AppPaths::setBaseDir(app.arguments().value(3));
        for (int i = 0; i < 10; ++i) {
            Recording rec;
            if (RecFileReader::read(app.arguments().value(2), &rec) != RecFileReader::Loaded)
                return 1;
        }
        return 0;
    }
    std::fprintf(stderr, "usage: bench_oscilloscope overhead | memory [variant] | load | textcells [MB]\n");
    return 2;
}
