#include "osctraceset.h"

#include "oscplotarea.h"
#include "oscunitdev.h"
#include "recfilereader.h"
#include "unitentryfields.h"

#include <qcustomplot.h>

namespace F = UnitEntryField;

namespace {

const QList<QColor> &traceColours()
{
    static const QList<QColor> colours { QColor(0, 90, 200), QColor(210, 40, 40), QColor(20, 150, 60),
        QColor(230, 140, 0), QColor(140, 60, 180), QColor(0, 160, 170), QColor(150, 100, 40),
        QColor(220, 60, 160) };
    return colours;
}

double rawValue(const OscUnitDev *device, const GraphEntry &entry, int sample)
{
    return entry.isDigital() ? device->word(entry.signal, sample) : device->value(entry.signal, sample);
}

} // namespace

OscTraceSet::OscTraceSet(OscPlotArea *plots, const Recording *loaded, QObject *parent)
    : QObject(parent)
    , m_plots(plots)
    , m_loaded(loaded)
{ }

int OscTraceSet::indexOf(const OscUnitDev *device, int fileUnit, int number) const
{
    for (int i = 0; i < m_traces.size(); ++i) {
        const OscTrace &t = m_traces.at(i);
        if (t.number == number && t.fileUnit == fileUnit && (fileUnit >= 0 || t.device == device))
            return i;
    }
    return -1;
}

bool OscTraceSet::selectEntry(OscUnitDev *device, int number, bool on)
{
    if (!device)
        return false;
    const int index = indexOf(device, -1, number);
    if (!on) {
        if (index >= 0)
            remove(index);
        return index >= 0;
    }
    if (index >= 0)
        return true;
    const QList<QStringList> rows = device->signalRows();
    OscTrace trace;
    trace.device = device;
    trace.number = number;
    trace.entry = GraphEntries::at(GraphEntries::build(rows), number);
    if (!trace.entry.isValid())
        return false;
    GraphEntries::range(rows, trace.entry.signal, &trace.min, &trace.max);
    add(trace);
    return true;
}

bool OscTraceSet::selectFileEntry(int fileUnit, int number, bool on)
{
    if (fileUnit < 0 || fileUnit >= m_loaded->units.size())
        return false;
    const int index = indexOf(nullptr, fileUnit, number);
    if (!on) {
        if (index >= 0)
            remove(index);
        return index >= 0;
    }
    if (index >= 0)
        return true;
    const RecordingUnit &unit = m_loaded->units.at(fileUnit);
    OscTrace trace;
    trace.fileUnit = fileUnit;
    trace.number = number;
    trace.entry = GraphEntries::at(GraphEntries::build(unit.catalogue.signalRows), number);
    if (!trace.entry.isValid() || trace.entry.signal >= unit.signalCount())
        return false;
    GraphEntries::range(unit.catalogue.signalRows, trace.entry.signal, &trace.min, &trace.max);
    add(trace);
    return true;
}

void OscTraceSet::add(OscTrace trace)
{
    trace.colour = traceColours().at(m_nextColour++ % traceColours().size());
    trace.graph = m_plots->addTrace(QString(), trace.colour, trace.entry.isDigital());
    describe(trace);
    loadPoints(trace);
    m_traces.append(trace);
    emit changed();
    m_plots->replot();
}

void OscTraceSet::describe(OscTrace &trace)
{
    if (trace.fileUnit >= 0) {
        const QList<QStringList> &rows = m_loaded->units.at(trace.fileUnit).catalogue.signalRows;
        trace.name = QString::number(trace.fileUnit + 1) + QStringLiteral(": ")
            + GraphEntries::name(rows, trace.entry);
        trace.unit = GraphEntries::unit(rows, trace.entry);
    } else if (trace.device) {
        const QList<QStringList> rows = trace.device->signalRows();
        trace.name = GraphEntries::name(rows, trace.entry);
        trace.unit = GraphEntries::unit(rows, trace.entry);
    }
    trace.graph->setName(trace.name);
    // The cursor and the markers report the signal's own value, also of an auto-scaled trace.
    const QCPGraph *graph = trace.graph;
    m_plots->setTraceUnit(trace.graph, trace.unit, [this, graph](double y) {
        for (const OscTrace &t : qAsConst(m_traces))
            if (t.graph == graph && t.autoScale && !t.entry.isDigital())
                return GraphEntries::unscaled(t.min, t.max, OscPlotArea::ScaleLow, OscPlotArea::ScaleHigh, y);
        return y;
    });
}

void OscTraceSet::retranslate()
{
    for (OscTrace &trace : m_traces)
        describe(trace);
    emit changed();
}

QStringList OscTraceSet::unitNames() const
{
    QStringList names;
    for (const OscTrace &t : m_traces) {
        QString name;
        if (t.fileUnit >= 0)
            name = QString::number(t.fileUnit + 1) + QStringLiteral(": ")
                + m_loaded->units.at(t.fileUnit).unitLine.value(2);
        else if (t.device)
            name = F::at(t.device->unitEntry(), F::Number) + QStringLiteral(": ")
                + F::at(t.device->unitEntry(), F::Name);
        if (!name.isEmpty() && !names.contains(name))
            names << name;
    }
    return names;
}

QDateTime OscTraceSet::firstSampleTime() const
{
    qint64 first = -1;
    for (const OscTrace &t : m_traces) {
        qint64 time = -1;
        if (t.fileUnit >= 0 && !m_loaded->units.at(t.fileUnit).times.isEmpty())
            time = m_loaded->units.at(t.fileUnit).times.first();
        else if (t.fileUnit < 0 && t.device && t.device->sampleCount() > 0)
            time = t.device->sampleTime(0);
        if (time >= 0 && (first < 0 || time < first))
            first = time;
    }
    return first < 0 ? QDateTime() : QDateTime::fromMSecsSinceEpoch(first);
}

void OscTraceSet::remove(int index)
{
    m_plots->removeTrace(m_traces.at(index).graph);
    m_traces.removeAt(index);
    emit changed();
    m_plots->replot();
}

void OscTraceSet::clearForLive()
{
    for (int i = m_traces.size() - 1; i >= 0; --i) {
        if (m_traces.at(i).fileUnit >= 0)
            remove(i);
        else
            m_plots->setPoints(m_traces.at(i).graph, {}, {});
    }
}

void OscTraceSet::removeGone()
{
    for (int i = m_traces.size() - 1; i >= 0; --i)
        if (m_traces.at(i).fileUnit < 0 && !m_traces.at(i).device)
            remove(i);
}

void OscTraceSet::removeLive()
{
    for (int i = m_traces.size() - 1; i >= 0; --i)
        if (m_traces.at(i).fileUnit < 0)
            remove(i);
}

void OscTraceSet::removeAll()
{
    for (int i = m_traces.size() - 1; i >= 0; --i)
        remove(i);
}

void OscTraceSet::setAutoScale(int index, bool on)
{
    m_traces[index].autoScale = on;
    loadPoints(m_traces[index]);
}

void OscTraceSet::setRange(int index, double min, double max)
{
    m_traces[index].min = min;
    m_traces[index].max = max;
    loadPoints(m_traces[index]);
}

void OscTraceSet::setColour(int index, const QColor &colour)
{
    m_traces[index].colour = colour;
    m_plots->setTraceColour(m_traces.at(index).graph, colour);
}

double OscTraceSet::plotted(const OscTrace &trace, double raw) const
{
    if (trace.entry.isDigital())
        return (quint32(raw) >> trace.entry.bit) & 1u;
    if (trace.autoScale)
        return GraphEntries::scaled(trace.min, trace.max, OscPlotArea::ScaleLow, OscPlotArea::ScaleHigh, raw);
    return raw;
}

// Every point the source holds, read again (a new trace, a changed auto scale or range).
void OscTraceSet::loadPoints(OscTrace &trace)
{
    QVector<double> xs;
    QVector<double> ys;
    if (trace.fileUnit >= 0) {
        const RecordingUnit &unit = m_loaded->units.at(trace.fileUnit);
        xs.reserve(unit.rowCount());
        ys.reserve(unit.rowCount());
        for (int r = 0; r < unit.rowCount(); ++r) {
            xs.append(unit.x.at(r));
            ys.append(plotted(trace, unit.value(r, trace.entry.signal)));
        }
    } else if (trace.device) {
        const int n = m_drawn.value(trace.device, 0);
        for (int i = 0; i < n; ++i) {
            xs.append(trace.device->xValue(i));
            ys.append(plotted(trace, rawValue(trace.device, trace.entry, i)));
        }
    }
    m_plots->setPoints(trace.graph, xs, ys);
}

int OscTraceSet::drawNewSamples(OscUnitDev *device, double *newest)
{
    const int from = m_drawn.value(device, 0);
    const int to = device->sampleCount();
    if (to < from) { // the store was cleared for a new recording
        m_drawn.insert(device, 0);
        return -1;
    }
    m_drawn.insert(device, to);
    QVector<double> xs;
    for (int i = from; i < to; ++i)
        xs.append(device->xValue(i));
    if (xs.isEmpty())
        return 0;
    *newest = xs.last();
    for (const OscTrace &trace : qAsConst(m_traces)) {
        if (trace.device != device)
            continue;
        QVector<double> ys;
        ys.reserve(xs.size());
        for (int i = from; i < to; ++i)
            ys.append(plotted(trace, rawValue(device, trace.entry, i)));
        m_plots->addPoints(trace.graph, xs, ys);
    }
    return xs.size();
}

double OscTraceSet::newestLiveX() const
{
    double newest = 0.0;
    for (const OscTrace &t : m_traces)
        if (t.device && t.graph->dataCount() > 0)
            newest = std::max(newest, (t.graph->data()->constEnd() - 1)->key);
    return newest;
}
