// The Link Monitor's table under load, offscreen: 100,000 exchanges appended in batches to the
// ring model behind its filter and a shown QTableView that follows the newest row, beside a plain
// QStandardItemModel (one item per cell, a row appended per exchange) shown the same way. Time per
// batch (append, scroll, repaint) and heap in use after the last batch, as ratios of the same run.
#include "linkdescriber.h"
#include "linkmonitormodel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>
#include <algorithm>
#include <cstdio>
#include <malloc.h>
#include <vector>

namespace {

constexpr int Total = 100000;

qint64 heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
}

LinkExchange exchangeNumber(int i)
{
    LinkExchange e;
    e.timeMs = 1796600000000 + 10 * i;
    e.link = QStringLiteral("/dev/ttyUSB0");
    e.channel = 2;
    e.unit = 1 + i % 4;
    e.attempt = i % 97 == 0 ? 2 : 1;
    e.outcome = i % 211 == 0 ? LinkOutcome::Timeout : LinkOutcome::Ok;
    e.durationUs = 9000 + i % 700;
    e.purpose = LinkPurpose::Parameters;
    const int reg = i % 400;
    const quint8 request[8] = { quint8(e.unit), 3, quint8(reg >> 8), quint8(reg), 0, 1, 0x12, 0x34 };
    const quint8 reply[7] = { quint8(e.unit), 3, 2, quint8(i >> 8), quint8(i), 0x56, 0x78 };
    e.request = QByteArray(reinterpret_cast<const char *>(request), 8);
    e.reply = e.failed() ? QByteArray() : QByteArray(reinterpret_cast<const char *>(reply), 7);
    e.decodeFrames();
    return e;
}

struct Figures
{
    double mean = 0, median = 0, worst = 0;
    double early = 0, late = 0; // mean of the first and of the last tenth of the batches
    qint64 heap = 0;
};

Figures summarise(std::vector<double> samples, qint64 heap)
{
    Figures f;
    f.heap = heap;
    double sum = 0;
    for (double s : samples)
        sum += s;
    f.mean = sum / double(samples.size());
    const size_t tenth = std::max<size_t>(1, samples.size() / 10);
    for (size_t i = 0; i < tenth; ++i) {
        f.early += samples[i] / double(tenth);
        f.late += samples[samples.size() - 1 - i] / double(tenth);
    }
    std::sort(samples.begin(), samples.end());
    f.median = samples[samples.size() / 2];
    f.worst = samples.back();
    return f;
}

void showTable(QTableView &view, QAbstractItemModel *model)
{
    view.setModel(model);
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.resize(1280, 600);
    view.show();
}

void step(QTableView &view)
{
    view.scrollToBottom();
    view.viewport()->repaint();
    QCoreApplication::processEvents();
}

// `capacity` below the total makes the ring drop its oldest rows all along, as after an hour.
Figures ring(int batchSize, int capacity = LinkMonitorModel::DefaultCapacity)
{
    const qint64 before = heapInUse();
    LinkDescriber describer;
    LinkDictionary dictionary;
    for (int r = 0; r < 4000; ++r)
        dictionary.add(40001 + r, { QStringLiteral("%1 Parameter number %1").arg(r), r / 1000 });
    for (int unit = 1; unit <= 4; ++unit)
        describer.setUnit(
            QStringLiteral("/dev/ttyUSB0"), unit, QStringLiteral("KTZ 4 (%1)").arg(unit), dictionary);
    LinkMonitorModel model(capacity);
    LinkMonitorFilter filter;
    filter.setSourceModel(&model);
    QTableView view;
    showTable(view, &filter);
    std::vector<double> samples;
    for (int done = 0; done < Total; done += batchSize) {
        std::deque<LinkExchange> batch;
        for (int i = done; i < done + batchSize; ++i)
            batch.push_back(exchangeNumber(i));
        QElapsedTimer t;
        t.start();
        model.append(std::move(batch), &describer);
        step(view);
        samples.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    return summarise(samples, heapInUse() - before);
}

Figures standard(int batchSize)
{
    const qint64 before = heapInUse();
    LinkDescriber describer; // the same words, made the same way
    QStandardItemModel model(0, LinkMonitorModel::ColumnCount);
    QTableView view;
    showTable(view, &model);
    std::vector<double> samples;
    for (int done = 0; done < Total; done += batchSize) {
        std::vector<LinkExchange> batch;
        for (int i = done; i < done + batchSize; ++i)
            batch.push_back(exchangeNumber(i));
        QElapsedTimer t;
        t.start();
        for (const LinkExchange &e : batch) {
            QList<QStandardItem *> row;
            for (const QString &text :
                { LinkMonitorModel::timeText(e.timeMs), e.link, QString::number(e.unit),
                    QStringLiteral("%1 Parameter number %1").arg(e.firstRegister - 40001),
                    QString::number(e.function), QString::number(e.firstRegister), QString::number(e.count),
                    LinkDescriber::valuesText(e), LinkDescriber::outcomeText(e), QString::number(e.attempt),
                    QString::number(double(e.durationUs) / 1000.0, 'f', 1) }) {
                auto *item = new QStandardItem(text);
                if (e.failed())
                    item->setBackground(QColor(230, 40, 40, 70));
                row << item;
            }
            model.appendRow(row);
        }
        step(view);
        samples.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    return summarise(samples, heapInUse() - before);
}

void line(const char *name, const Figures &f)
{
    std::printf("  %-24s batch mean %7.3f ms  median %7.3f  worst %7.3f  first/last tenth %7.3f / %7.3f ms"
                "  heap %6.1f MB\n",
        name, f.mean, f.median, f.worst, f.early, f.late, double(f.heap) / 1e6);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int batchSize = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    std::printf("%d exchanges in batches of %d, shown in a 1280x600 table that follows the newest row\n",
        Total, batchSize);
    const Figures a = ring(batchSize);
    malloc_trim(0);
    const Figures wrapping = ring(batchSize, Total / 2);
    malloc_trim(0);
    const Figures b = standard(batchSize);
    line("ring model + filter", a);
    line("ring of 50,000, wrapping", wrapping);
    line("QStandardItemModel", b);
    std::printf("  ring / standard: batch mean %.3f, median %.3f, worst %.3f, heap %.3f\n", a.mean / b.mean,
        a.median / b.median, a.worst / b.worst, double(a.heap) / double(b.heap));
    return 0;
}
