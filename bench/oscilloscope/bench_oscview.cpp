// Replot benchmarks of the oscilloscope view, offscreen, each figure beside its comparison in the
// same run:
//   steady   8 analog graphs, one new sample each, then a replot of the 1000-sample window
//   full     8 graphs of 100,000 points replotted whole, thin and fat pens
//   day      8 graphs of a day at 250 ms (345,600 points each) shown over the whole span
// "view" is the oscilloscope's plot (adaptive sampling, fast polylines, no antialiasing on
// screen); "defaults" is a QCustomPlot as it comes (adaptive sampling, antialiased, no fast
// polylines); "naive" draws every point. A fat naive replot takes minutes and is left out.
#include "oscplotarea.h"
#include "scriptedprompter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <qcustomplot.h>

namespace {

constexpr int Graphs = 8;
constexpr int Width = 1280;
constexpr int Height = 480;

enum class Kind { View, Defaults, Naive };

const char *kindName(Kind kind)
{
    return kind == Kind::View ? "view" : kind == Kind::Defaults ? "defaults" : "naive";
}

double sample(int graph, int i)
{
    return 100.0 * std::sin(i * 0.01 + graph) + 10.0 * std::sin(i * 0.37 * (graph + 1)) + graph * 30.0;
}

// One plot of each kind with the same graphs and data.
struct Bench
{
    ScriptedPrompter prompter;
    std::unique_ptr<OscPlotArea> area;
    std::unique_ptr<QCustomPlot> plain;
    QList<QCPGraph *> graphs;
    QCustomPlot *plot = nullptr;

    Bench(Kind kind, bool fat)
    {
        if (kind == Kind::View) {
            area = std::make_unique<OscPlotArea>(prompter);
            area->resize(Width, Height * 2);
            area->setDisplay(OscPlotArea::AnalogOnly);
            area->setFat(fat);
            area->show();
            plot = area->analogPlot();
            for (int g = 0; g < Graphs; ++g)
                graphs << area->addTrace(QString("g%1").arg(g), Qt::blue, false);
        } else {
            plain = std::make_unique<QCustomPlot>();
            plain->resize(Width, Height);
            plain->show();
            plot = plain.get();
            for (int g = 0; g < Graphs; ++g) {
                QCPGraph *graph = plot->addGraph();
                graph->setPen(QPen(Qt::blue, fat ? 3 : 0));
                graph->setAdaptiveSampling(kind == Kind::Defaults);
                graphs << graph;
            }
        }
        plot->resize(Width, Height);
    }

    void fill(int points, double step)
    {
        for (int g = 0; g < Graphs; ++g) {
            QVector<double> x(points);
            QVector<double> y(points);
            for (int i = 0; i < points; ++i) {
                x[i] = i * step;
                y[i] = sample(g, i);
            }
            if (area)
                area->setPoints(graphs.at(g), x, y);
            else
                graphs.at(g)->setData(x, y, true);
        }
        plot->yAxis->setRange(-150, 400);
    }

    double replotMs()
    {
        QElapsedTimer t;
        t.start();
        plot->replot(QCustomPlot::rpImmediateRefresh);
        return t.nsecsElapsed() / 1e6;
    }
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

// One new sample per graph and a replot; the window shows the newest 1000 samples.
double steady(Kind kind)
{
    Bench b(kind, false);
    const double step = OscPlotArea::BaseSpanSeconds / 1000.0;
    b.fill(5000, step);
    std::vector<double> times;
    for (int i = 5000; i < 5300; ++i) {
        QElapsedTimer t;
        t.start();
        const double x = i * step;
        for (int g = 0; g < Graphs; ++g) {
            if (b.area)
                b.area->addPoints(b.graphs.at(g), { x }, { sample(g, i) });
            else
                b.graphs.at(g)->addData(x, sample(g, i));
        }
        if (b.area)
            b.area->follow(x);
        else
            b.plot->xAxis->setRange(x - OscPlotArea::BaseSpanSeconds, x);
        b.plot->replot(QCustomPlot::rpImmediateRefresh);
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    return median(times);
}

// Median replot of everything over the whole span.
double whole(Kind kind, bool fat, int points, double step)
{
    Bench b(kind, fat);
    b.fill(points, step);
    b.plot->xAxis->setRange(0, points * step);
    b.replotMs(); // first paint builds the caches
    std::vector<double> times;
    const int runs = kind == Kind::View ? 15 : 3;
    for (int i = 0; i < runs; ++i)
        times.push_back(b.replotMs());
    return median(times);
}

void line(const char *what, double view, double other, Kind otherKind, double target)
{
    std::printf("%-34s view %9.3f ms   %-8s %9.3f ms   ratio %7.1fx   target %5.1f ms %s\n", what, view,
        kindName(otherKind), other, view > 0 ? other / view : 0.0, target, view <= target ? "met" : "MISSED");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // each figure as soon as it is measured
    const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (only.isEmpty() || only == "steady")
        line("steady: 8 x (1 sample + replot)", steady(Kind::View), steady(Kind::Defaults), Kind::Defaults,
            2.0);
    if (only.isEmpty() || only == "full") {
        line("full: 8 x 100,000 thin", whole(Kind::View, false, 100000, 0.25),
            whole(Kind::Naive, false, 100000, 0.25), Kind::Naive, 16.7);
        line("full: 8 x 100,000 fat (width 3)", whole(Kind::View, true, 100000, 0.25),
            whole(Kind::Defaults, true, 100000, 0.25), Kind::Defaults, 16.7);
    }
    if (only.isEmpty() || only == "day") {
        const int day = 24 * 3600 * 4;
        line("day: 8 x 345,600 at 250 ms, thin", whole(Kind::View, false, day, 0.25),
            whole(Kind::Defaults, false, day, 0.25), Kind::Defaults, 50.0);
        line("day: 8 x 345,600 at 250 ms, fat", whole(Kind::View, true, day, 0.25),
            whole(Kind::Defaults, true, day, 0.25), Kind::Defaults, 50.0);
    }
    std::printf(
        "point bound per trace: %d (a day at 250 ms is %d)\n", OscPlotArea::PointBound, 24 * 3600 * 4);
    return 0;
}
