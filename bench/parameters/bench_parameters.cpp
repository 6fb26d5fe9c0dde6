// Times the parameter tree for a large unit: loading a device description file of 3,000
// parameters with eleven language rows each, saving its parameter set file and opening it
// again. Prints the figures and the memory the model takes; exits 1 when a target is missed.

#include "datfile.h"
#include "treeitem.h"
#include "treemodel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QVector>
#include <algorithm>
#include <cstdio>
#include <malloc.h>

namespace {

constexpr int kParameters = 3000;
constexpr int kRuns = 7;
constexpr double kLoadTargetMs = 150.0;
constexpr double kSaveTargetMs = 100.0;
constexpr double kOpenTargetMs = 100.0;

const char *const kLanguages[] = { "English", "Svenska", "Nederlands", "Deutsch", "Français", "Español",
    "Russian", "Italiano", "Czech", "Turkish", "Português" };

void writeLanguageRows(QTextStream &out, const QString &text, const QString &valueTexts)
{
    for (const char *key : kLanguages)
        out << '*' << QString::fromUtf8(key) << ';' << text << ' ' << QString::fromUtf8(key).left(3)
            << valueTexts << '\n';
}

// 30 top menus of 10 sub-menus of 10 parameters; every fifth parameter has value texts.
QString generateDeviceFile(const QString &dir)
{
    const QString path = dir + QStringLiteral("/BNCV1.00.csv");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return {};
    QTextStream out(&file);
    out.setCodec("Windows-1252");
    out << "[SIZES];;;\n1;BNC-0100;125,5;55000\n[SIZES]END;;;\n[PARAMETER SETS];;;\nheading;;;\n";
    int count = 0;
    for (int top = 1; top <= 30; ++top) {
        out << "P;" << top << ";1;M;1;x;;;;;;;;;;;;;;;;;;;;N\n";
        writeLanguageRows(out, QStringLiteral("Menü %1").arg(top), QString());
        for (int sub = 0; sub < 10; ++sub) {
            const QString subMenu = QStringLiteral("%1%2").arg(top).arg(sub);
            out << "P;" << subMenu << ";2;M;1;x;;;;;;;;;;;;;;;;;;;;N\n";
            writeLanguageRows(out, QStringLiteral("Gruppe ") + subMenu, QString());
            for (int p = 0; p < 10; ++p, ++count) {
                const QString menu = subMenu + QString::number(p);
                const bool texts = p % 5 == 0;
                const QString type = texts ? QStringLiteral("4") : QStringLiteral("0");
                const QString value = p % 3 == 0 ? QStringLiteral("12.5") : QString::number(count % 2000);
                out << "P;" << menu << ";3;" << type << ";1;" << 40001 + count << ";0;30000;"
                    << (texts ? QStringLiteral("1") : value) << ';' << (texts ? QStringLiteral("2") : value)
                    << ';' << (texts ? QStringLiteral("3") : value) << ';'
                    << (texts ? QStringLiteral("0") : value) << ";;Hz;;;;;;U_Int;1;;;;;N\n";
                writeLanguageRows(out, QStringLiteral("Parameter ") + menu,
                    texts ? QStringLiteral(";Aus;Ein;Automatik;Hand") : QString());
            }
        }
    }
    out << "[PARAMETER SETS]END;;;\n";
    return count == kParameters ? path : QString();
}

long vmRssKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

double median(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString csv = generateDeviceFile(dir.path());
    if (csv.isEmpty()) {
        std::fprintf(stderr, "could not generate the device description file\n");
        return 2;
    }

    QVector<double> load, save, open;
    size_t heapBytes = 0;
    long rssKb = 0;
    int items = 0;
    const QString dat = dir.path() + QStringLiteral("/bench.dat");
    QStringList unitInformation;
    for (int i = 0; i < 21; ++i)
        unitInformation << QString();
    unitInformation[1] = QStringLiteral("BNC-0100 (1)");
    unitInformation[8] = csv;
    unitInformation[11] = QStringLiteral("V1.00");

    for (int run = 0; run < kRuns; ++run) {
        malloc_trim(0);
        const size_t heapBefore = mallinfo2().uordblks;
        const long rssBefore = vmRssKb();
        QElapsedTimer timer;
        timer.start();
        auto *model = new TreeModel(csv, 3, QStringLiteral("125,5"), QStringLiteral("55000"), false);
        load.append(timer.nsecsElapsed() / 1e6);
        if (!model->isValid()) {
            std::fprintf(stderr, "generated file did not load\n");
            return 2;
        }
        heapBytes = mallinfo2().uordblks - heapBefore;
        rssKb = vmRssKb() - rssBefore;
        items = model->allItems().size();

        timer.restart();
        if (!DatFile::save(dat, unitInformation, model->customerData(), *model)) {
            std::fprintf(stderr, "save failed\n");
            return 2;
        }
        save.append(timer.nsecsElapsed() / 1e6);

        auto *reopened = new TreeModel(csv, 3, QStringLiteral("125,5"), QStringLiteral("55000"), true);
        timer.restart();
        const DatFile::Header header = DatFile::readHeader(dat, dir.path());
        const bool ok = header.status == DatFile::Status::Ok && reopened->ParameterOpen(dat);
        open.append(timer.nsecsElapsed() / 1e6);
        if (!ok) {
            std::fprintf(stderr, "open failed: %s\n", qPrintable(header.message));
            return 2;
        }
        delete reopened;
        delete model;
    }

    const double loadMs = median(load), saveMs = median(save), openMs = median(open);
    std::printf("parameters: %d parameters, %d items, 11 language rows each, %lld bytes of device file\n",
        kParameters, items, QFile(csv).size());
    std::printf("load  median %7.1f ms  (min %6.1f)  target < %.0f ms\n", loadMs,
        *std::min_element(load.begin(), load.end()), kLoadTargetMs);
    std::printf("save  median %7.1f ms  (min %6.1f)  target < %.0f ms  (%lld bytes)\n", saveMs,
        *std::min_element(save.begin(), save.end()), kSaveTargetMs, QFile(dat).size());
    std::printf("open  median %7.1f ms  (min %6.1f)  target < %.0f ms  (header + values)\n", openMs,
        *std::min_element(open.begin(), open.end()), kOpenTargetMs);
    std::printf("model memory: %.2f MiB heap in use, VmRSS delta %ld KiB\n", heapBytes / 1048576.0, rssKb);
    const bool met = loadMs < kLoadTargetMs && saveMs < kSaveTargetMs && openMs < kOpenTargetMs;
    std::printf("%s\n", met ? "all targets met" : "TARGET MISSED");
    return met ? 0 : 1;
}
