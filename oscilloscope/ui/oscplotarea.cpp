#include "oscplotarea.h"

#include "oscplotexport.h"
#include "prompter.h"

#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <qcustomplot.h>

namespace {

// A graph drawn on screen as one-pixel polylines in a single call each (the raster engine's
// fastest path): a fat pen as three of them, each shifted by a pixel, since Qt's stroker takes a
// hundred times longer for a wide line of thousands of short segments. Saved (antialiased)
// pictures are drawn by the graph itself with the real pen. The view's samples are never NaN.
class OscGraph : public QCPGraph
{
public:
    using QCPGraph::QCPGraph;

protected:
    void drawLinePlot(QCPPainter *painter, const QVector<QPointF> &lines) const override
    {
        const QPen pen = painter->pen();
        if (lines.size() < 2 || pen.style() != Qt::SolidLine
            || !mParentPlot->notAntialiasedElements().testFlag(QCP::aePlottables)) {
            QCPGraph::drawLinePlot(painter, lines);
            return;
        }
        QPen thin(pen);
        thin.setWidth(0);
        painter->setPen(thin);
        painter->setRenderHint(QPainter::Antialiasing, false);
        // The neighbours cover the middle too: a line shifted along itself lies on itself. Three
        // passes give flat stretches their three pixels and steep ones two, which on screen
        // reads as the same fat line at three quarters of the cost of a fourth pass.
        static const QPointF thinPass[] = { { 0, 0 } };
        static const QPointF fatPasses[] = { { 0, -1 }, { 0, 1 }, { 1, 0 } };
        const bool fat = pen.widthF() >= 2.0;
        const QPointF *shifts = fat ? fatPasses : thinPass;
        const int passes = fat ? 3 : 1;
        for (int i = 0; i < passes; ++i) {
            painter->translate(shifts[i]);
            painter->drawPolyline(lines.constData(), lines.size());
            painter->translate(-shifts[i]);
        }
        painter->setPen(pen);
    }
};

} // namespace

OscPlotArea::OscPlotArea(Prompter &prompter, QWidget *parent)
    : QWidget(parent)
    , m_prompter(prompter)
    , m_analog(new QCustomPlot(this))
    , m_digital(new QCustomPlot(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_analog, 3);
    layout->addWidget(m_digital, 2);
    setupPlot(m_analog, QStringLiteral("maplayer"));
    setupPlot(m_digital, QStringLiteral("maplayer_d"));
    m_digital->yAxis->setTicks(false);
    m_analog->yAxis->setRange(-1.0, 1.0);
    m_digital->yAxis->setRange(-0.5, 1.5);
    m_markerText = new QCPItemText(m_analog);
    m_markerText->setLayer(QStringLiteral("legendlayer"));
    m_markerText->position->setType(QCPItemPosition::ptAxisRectRatio);
    m_markerText->position->setCoords(0.01, 0.02);
    m_markerText->setPositionAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_markerText->setTextAlignment(Qt::AlignLeft);
    m_markerText->setBrush(QColor(255, 255, 224, 220));
    m_markerText->setPadding(QMargins(4, 2, 4, 2));
    m_markerText->setVisible(false);
    applyWindow();
    setBackground(255);
}

void OscPlotArea::setupPlot(QCustomPlot *plot, const QString &cursorLayer)
{
    plot->setPlottingHint(QCP::phFastPolylines, true);
    plot->setNotAntialiasedElements(QCP::aePlottables);
    // The same left margin on both plots keeps their time axes one above the other.
    plot->axisRect()->setAutoMargins(QCP::msRight | QCP::msTop | QCP::msBottom);
    plot->axisRect()->setMargins(QMargins(LeftMargin, 0, 0, 0));
    plot->setNoAntialiasingOnDrag(true);
    plot->addLayer(cursorLayer, plot->layer(QStringLiteral("main")), QCustomPlot::limAbove);
    plot->addLayer(QStringLiteral("legendlayer"), plot->layer(cursorLayer), QCustomPlot::limAbove);
    plot->setSelectionRectMode(QCP::srmZoom);
    plot->axisRect()->setRangeZoom(Qt::Horizontal);
    plot->setContextMenuPolicy(Qt::CustomContextMenu);
    auto *cursor = new QCPItemText(plot);
    cursor->setLayer(cursorLayer);
    cursor->setPositionAlignment(Qt::AlignLeft | Qt::AlignTop);
    cursor->setTextAlignment(Qt::AlignLeft);
    cursor->setPadding(QMargins(3, 1, 3, 1));
    cursor->setBrush(QColor(240, 240, 240, 200));
    cursor->setVisible(false);
    m_cursor.insert(plot, cursor);
    plot->setMouseTracking(true);
    plot->setFocusPolicy(Qt::StrongFocus); // a click or the wheel gives it the keys of the class comment
    plot->installEventFilter(this);
    connect(plot, &QCustomPlot::mouseMove, this, [this, plot](QMouseEvent *e) { moveCursor(plot, e); });
    connect(plot, &QCustomPlot::mouseWheel, this, [this, plot](QWheelEvent *e) { onWheel(plot, e); });
    connect(plot, &QCustomPlot::customContextMenuRequested, this,
        [this, plot](const QPoint &pos) { showContextMenu(plot, pos); });
    // A drawn rectangle zooms the time axis of both plots (the value axis stays).
    connect(plot->xAxis, QOverload<const QCPRange &>::of(&QCPAxis::rangeChanged), this,
        [this, plot](const QCPRange &range) {
            if (m_applying)
                return;
            showRange(range.lower, range.upper);
            Q_UNUSED(plot)
        });
    for (int i = 0; i < 2; ++i) {
        auto *line = new QCPItemStraightLine(plot);
        line->setLayer(QStringLiteral("legendlayer"));
        line->setPen(QPen(QColor(200, 0, 200), 1, Qt::DashLine));
        line->setVisible(false);
        m_markerLines[i][plot == m_analog ? 0 : 1] = line;
    }
}

QCPGraph *OscPlotArea::addTrace(const QString &name, const QColor &colour, bool digital)
{
    QCustomPlot *plot = digital ? m_digital : m_analog;
    QCPGraph *graph = new OscGraph(plot->xAxis, plot->yAxis); // the plot owns it from here
    graph->setName(name);
    graph->setAdaptiveSampling(true);
    graph->setPen(QPen(colour, m_fat ? 3 : 0));
    if (digital) {
        graph->setLineStyle(QCPGraph::lsStepLeft);
        m_offsets.insert(graph, 0.0);
        layoutDigital();
    }
    return graph;
}

void OscPlotArea::removeTrace(QCPGraph *graph)
{
    if (!graph)
        return;
    hideCursors(); // its text names the trace until the mouse moves again
    const bool digital = m_offsets.remove(graph) > 0;
    m_units.remove(graph);
    graph->parentPlot()->removeGraph(graph);
    if (digital)
        layoutDigital();
    updateMarkers();
}

void OscPlotArea::clearTraces()
{
    hideCursors();
    m_yManual = false;
    m_analog->clearGraphs();
    m_digital->clearGraphs();
    m_offsets.clear();
    m_units.clear();
    m_yEmpty = true;
    m_analog->yAxis->setRange(-1.0, 1.0);
    layoutDigital();
    updateMarkers();
}

bool OscPlotArea::isDigital(QCPGraph *graph) const
{
    return m_offsets.contains(graph);
}

// Bit traces are stacked in bands of DigitalPitch; a removed trace closes its gap.
void OscPlotArea::layoutDigital()
{
    int slot = 0;
    for (int i = 0; i < m_digital->graphCount(); ++i) {
        QCPGraph *graph = m_digital->graph(i);
        const double old = m_offsets.value(graph);
        const double offset = slot++ * DigitalPitch;
        if (!qFuzzyCompare(old + 1.0, offset + 1.0)) {
            for (auto it = graph->data()->begin(); it != graph->data()->end(); ++it)
                it->value += offset - old;
            m_offsets[graph] = offset;
        }
    }
    m_digital->yAxis->setRange(-0.5, std::max(1.5, slot * DigitalPitch));
}

void OscPlotArea::addPoints(QCPGraph *graph, const QVector<double> &x, const QVector<double> &y)
{
    if (!graph || x.isEmpty())
        return;
    appendPoints(graph, x, y);
    const int excess = graph->dataCount() - PointBound;
    if (excess > 0)
        graph->data()->removeBefore((graph->data()->constBegin() + excess)->key);
}

void OscPlotArea::appendPoints(QCPGraph *graph, const QVector<double> &x, const QVector<double> &y)
{
    const double offset = offsetOf(graph);
    QVector<double> shifted = y;
    for (double &v : shifted) {
        v += offset;
        if (!isDigital(graph)) {
            m_yMin = m_yEmpty ? v : std::min(m_yMin, v);
            m_yMax = m_yEmpty ? v : std::max(m_yMax, v);
            m_yEmpty = false;
        }
    }
    graph->addData(x, shifted, true);
    if (!isDigital(graph) && !m_yManual) {
        // The value axis only grows, by a margin, so it does not jitter with every sample.
        const QCPRange r = m_analog->yAxis->range();
        if (m_yMin < r.lower || m_yMax > r.upper) {
            const double margin = std::max(1.0, (m_yMax - m_yMin) * 0.1);
            m_analog->yAxis->setRange(std::min(r.lower, m_yMin - margin), std::max(r.upper, m_yMax + margin));
        }
    }
}

void OscPlotArea::setPoints(QCPGraph *graph, const QVector<double> &x, const QVector<double> &y)
{
    if (!graph)
        return;
    graph->data()->clear();
    if (!x.isEmpty())
        appendPoints(graph, x, y);
}

void OscPlotArea::setTraceColour(QCPGraph *graph, const QColor &colour)
{
    if (graph)
        graph->setPen(QPen(colour, m_fat ? 3 : 0));
}

void OscPlotArea::setTraceUnit(
    QCPGraph *graph, const QString &unit, const std::function<double(double)> &real)
{
    if (graph)
        m_units.insert(graph, TraceUnit { unit, real });
}

QString OscPlotArea::valueText(QCPGraph *graph, double value) const
{
    const QString unit = m_units.value(graph).unit;
    return QString::number(value, 'g', 6) + (unit.isEmpty() ? QString() : QLatin1Char(' ') + unit);
}

void OscPlotArea::follow(double newestX)
{
    m_newest = newestX;
    if (m_paused)
        return;
    m_start = std::max(0.0, newestX - span());
    applyWindow();
}

bool OscPlotArea::zoomIn()
{
    if (m_zoom >= MaxZoom)
        return false;
    setZoomLevel(m_zoom * 2);
    return true;
}

bool OscPlotArea::zoomOut()
{
    if (m_zoom <= 1)
        return false;
    setZoomLevel(m_zoom / 2);
    return true;
}

void OscPlotArea::setZoomLevel(int level)
{
    int z = 1;
    while (z * 2 <= std::min(level, int(MaxZoom)))
        z *= 2;
    const double end = windowEnd();
    m_zoom = z;
    m_freeSpan = 0.0;
    m_start = std::max(0.0, end - span());
    applyWindow();
    emit zoomChanged(m_zoom);
}

void OscPlotArea::step(int ticks)
{
    m_start = std::max(0.0, m_start + ticks * tickStep());
    applyWindow();
}

void OscPlotArea::showRange(double from, double to)
{
    if (!(to > from))
        return;
    m_freeSpan = to - from;
    m_start = std::max(0.0, from);
    m_paused = true;
    applyWindow();
    emit followingStopped();
}

double OscPlotArea::dataEnd() const
{
    double end = 0.0;
    for (QCustomPlot *plot : { m_analog, m_digital })
        for (int i = 0; i < plot->graphCount(); ++i)
            if (!plot->graph(i)->data()->isEmpty())
                end = std::max(end, (plot->graph(i)->data()->constEnd() - 1)->key);
    return end;
}

bool OscPlotArea::fitAll()
{
    const double end = dataEnd();
    if (!(end > 0.0))
        return false;
    showRange(0.0, end);
    return true;
}

void OscPlotArea::zoomTimeAbout(double x, double factor)
{
    const double old = span();
    const double wanted = std::clamp(old * factor, MinSpanSeconds, std::max(BaseSpanSeconds, dataEnd()));
    const double from = std::max(0.0, x - (x - m_start) * wanted / old);
    showRange(from, from + wanted);
}

void OscPlotArea::zoomValueAbout(double y, double factor)
{
    const QCPRange r = m_analog->yAxis->range();
    m_yManual = true;
    m_analog->yAxis->setRange(y - (y - r.lower) * factor, y + (r.upper - y) * factor);
}

// The range the values would have given the axis: all points shown, with the usual margin.
void OscPlotArea::autoValueRange()
{
    m_yManual = false;
    m_yEmpty = true;
    for (int i = 0; i < m_analog->graphCount(); ++i) {
        bool found = false;
        const QCPRange r = m_analog->graph(i)->getValueRange(found);
        if (!found)
            continue;
        m_yMin = m_yEmpty ? r.lower : std::min(m_yMin, r.lower);
        m_yMax = m_yEmpty ? r.upper : std::max(m_yMax, r.upper);
        m_yEmpty = false;
    }
    if (m_yEmpty) {
        m_analog->yAxis->setRange(-1.0, 1.0);
        return;
    }
    const double margin = std::max(1.0, (m_yMax - m_yMin) * 0.1);
    m_analog->yAxis->setRange(m_yMin - margin, m_yMax + margin);
}

void OscPlotArea::onWheel(QCustomPlot *plot, QWheelEvent *event)
{
    const double notches = event->angleDelta().y() / 120.0;
    if (notches == 0.0)
        return;
    const double factor = std::pow(0.8, notches); // up (away from the user) zooms in
    const QPointF pos = event->position();
    if (event->modifiers() & Qt::ControlModifier) {
        if (plot == m_analog)
            zoomValueAbout(m_analog->yAxis->pixelToCoord(pos.y()), factor);
    } else {
        zoomTimeAbout(plot->xAxis->pixelToCoord(pos.x()), factor);
    }
    replot();
}

void OscPlotArea::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F && fitAll()) {
        replot();
    } else if (event->key() == Qt::Key_A) {
        autoValueRange();
        replot();
    } else {
        QWidget::keyPressEvent(event);
    }
}

bool OscPlotArea::eventFilter(QObject *watched, QEvent *event)
{
    auto *plot = qobject_cast<QCustomPlot *>(watched);
    if (!plot)
        return false;
    if (event->type() == QEvent::Leave) {
        hideCursors();
    } else if (event->type() == QEvent::MouseButtonPress) {
        // Only the left button draws a zoom rectangle: one begun by the right button would stay on
        // the plot, empty, once its context menu took the release.
        const bool left = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
        plot->setSelectionRectMode(left ? QCP::srmZoom : QCP::srmNone);
    }
    return false;
}

void OscPlotArea::applyWindow()
{
    m_applying = true;
    for (QCustomPlot *plot : { m_analog, m_digital }) {
        plot->xAxis->setRange(m_start, m_start + span());
        // The ticker stays; only its step follows the span (a new ticker per sample costs).
        auto ticker = qSharedPointerDynamicCast<QCPAxisTickerFixed>(plot->xAxis->ticker());
        if (!ticker) {
            ticker.reset(new QCPAxisTickerFixed);
            ticker->setScaleStrategy(QCPAxisTickerFixed::ssMultiples);
            plot->xAxis->setTicker(ticker);
        }
        ticker->setTickStep(tickStep());
    }
    m_applying = false;
}

void OscPlotArea::setDisplay(int display)
{
    m_display = display == AnalogOnly || display == DigitalOnly ? display : AnalogAndDigital;
    m_analog->setVisible(m_display != DigitalOnly);
    m_digital->setVisible(m_display != AnalogOnly);
}

void OscPlotArea::setBackground(int grey)
{
    m_grey = std::clamp(grey, 0, 255);
    applyLook(m_analog);
    applyLook(m_digital);
}

void OscPlotArea::setGrid(bool on)
{
    m_grid = on;
    applyLook(m_analog);
    applyLook(m_digital);
}

QColor OscPlotArea::gridColour() const
{
    return m_grey < 128 ? Qt::white : Qt::black;
}

void OscPlotArea::applyLook(QCustomPlot *plot)
{
    const QColor back(m_grey, m_grey, m_grey);
    const QColor fore = gridColour();
    plot->setBackground(back);
    plot->axisRect()->setBackground(back);
    for (QCPAxis *axis : { plot->xAxis, plot->yAxis }) {
        axis->setBasePen(QPen(fore));
        axis->setTickPen(QPen(fore));
        axis->setSubTickPen(QPen(fore));
        axis->setTickLabelColor(fore);
        axis->setLabelColor(fore);
        axis->grid()->setVisible(m_grid);
        axis->grid()->setPen(QPen(fore, 0, Qt::DotLine));
        axis->grid()->setSubGridVisible(false);
    }
}

void OscPlotArea::setFat(bool fat)
{
    m_fat = fat;
    for (QCustomPlot *plot : { m_analog, m_digital })
        for (int i = 0; i < plot->graphCount(); ++i) {
            QPen pen = plot->graph(i)->pen();
            pen.setWidth(fat ? 3 : 0);
            plot->graph(i)->setPen(pen);
        }
}

bool OscPlotArea::valueAt(QCPGraph *graph, double x, double *value) const
{
    if (!graph || graph->data()->isEmpty())
        return false;
    auto it = graph->data()->findEnd(x, false); // first point after x
    if (it == graph->data()->constBegin())
        return false;
    --it;
    *value = it->value - offsetOf(graph);
    const auto unit = m_units.constFind(graph);
    if (unit != m_units.constEnd() && unit->real)
        *value = unit->real(*value);
    return true;
}

QString OscPlotArea::cursorText(QCustomPlot *plot, double x) const
{
    QStringList lines { QStringLiteral("t = %1 s").arg(x, 0, 'f', 3) };
    for (int i = 0; i < plot->graphCount(); ++i) {
        double v = 0.0;
        if (valueAt(plot->graph(i), x, &v))
            lines << plot->graph(i)->name() + QStringLiteral(": ") + valueText(plot->graph(i), v);
    }
    return lines.join(QLatin1Char('\n'));
}

void OscPlotArea::moveCursor(QCustomPlot *plot, QMouseEvent *event)
{
    QCPItemText *cursor = m_cursor.value(plot);
    if (!plot->axisRect()->rect().contains(event->pos())) {
        cursor->setVisible(false);
    } else {
        const double x = plot->xAxis->pixelToCoord(event->pos().x());
        cursor->position->setPixelPosition(event->pos() + QPoint(12, 12));
        cursor->setText(cursorText(plot, x));
        cursor->setVisible(true);
    }
    plot->layer(cursor->layer()->name())->replot();
}

void OscPlotArea::hideCursors()
{
    for (auto it = m_cursor.constBegin(); it != m_cursor.constEnd(); ++it)
        if (it.value()->visible()) {
            it.value()->setVisible(false);
            it.key()->layer(it.value()->layer()->name())->replot();
        }
}

void OscPlotArea::setMarker(int which, double x)
{
    if (which < 0 || which > 1)
        return;
    m_markerX[which] = x;
    updateMarkers();
}

void OscPlotArea::clearMarkers()
{
    m_markerX[0] = m_markerX[1] = -1.0;
    updateMarkers();
}

QString OscPlotArea::markerReport() const
{
    if (!hasMarkers())
        return QString();
    const double t0 = m_markerX[0];
    const double t1 = m_markerX[1];
    QStringList lines { QStringLiteral("\u0394t = %1 s").arg(t1 - t0, 0, 'f', 3) };
    for (QCustomPlot *plot : { m_analog, m_digital }) {
        if (!plot->isVisible() && plot->graphCount() && m_display != AnalogAndDigital)
            continue;
        for (int i = 0; i < plot->graphCount(); ++i) {
            double v0 = 0.0;
            double v1 = 0.0;
            if (valueAt(plot->graph(i), t0, &v0) && valueAt(plot->graph(i), t1, &v1))
                lines << plot->graph(i)->name() + QStringLiteral(": \u0394 = ")
                        + valueText(plot->graph(i), v1 - v0);
        }
    }
    return lines.join(QLatin1Char('\n'));
}

void OscPlotArea::updateMarkers()
{
    for (int m = 0; m < 2; ++m)
        for (int p = 0; p < 2; ++p) {
            QCPItemStraightLine *line = m_markerLines[m][p];
            line->setVisible(m_markerX[m] >= 0);
            line->point1->setCoords(m_markerX[m], 0.0);
            line->point2->setCoords(m_markerX[m], 1.0);
        }
    m_markerText->setText(markerReport());
    // The Δ box goes with the markers when both have left the window.
    const auto inView = [this](double x) { return x >= m_start && x <= windowEnd(); };
    m_markerText->setVisible(hasMarkers() && (inView(m_markerX[0]) || inView(m_markerX[1])));
}

void OscPlotArea::showContextMenu(QCustomPlot *plot, const QPoint &pos)
{
    const double x = std::max(0.0, plot->xAxis->pixelToCoord(pos.x()));
    QMenu menu(this);
    menu.addAction(tr("Set Marker 1 Here"), this, [this, x] {
        setMarker(0, x);
        replot();
    });
    menu.addAction(tr("Set Marker 2 Here"), this, [this, x] {
        setMarker(1, x);
        replot();
    });
    menu.addAction(tr("Clear Markers"), this, [this] {
        clearMarkers();
        replot();
    });
    menu.addSeparator();
    menu.addAction(tr("Fit All") + QStringLiteral("\tF"), this, [this] {
        if (fitAll())
            replot();
    });
    menu.addAction(tr("Automatic Value Range") + QStringLiteral("\tA"), this, [this] {
        autoValueRange();
        replot();
    });
    menu.addSeparator();
    menu.addAction(
        tr("Save plot as PNG..."), this, [this] { saveWithPrompt(QStringLiteral("PNG (*.png)")); });
    menu.addAction(
        tr("Save plot as PDF..."), this, [this] { saveWithPrompt(QStringLiteral("PDF (*.pdf)")); });
    menu.exec(plot->mapToGlobal(pos));
}

void OscPlotArea::saveWithPrompt(const QString &filter)
{
    QString path = m_prompter.saveFileName(this, tr("Save Plot"), QString(), filter);
    if (path.isEmpty())
        return;
    const QString suffix
        = filter.startsWith(QLatin1String("PDF")) ? QStringLiteral(".pdf") : QStringLiteral(".png");
    if (!path.endsWith(suffix, Qt::CaseInsensitive))
        path += suffix;
    if (savePlot(path))
        emit plotSaved(path);
    else
        m_prompter.information(this, tr("Information"), tr("Invalid Filepath"));
}

bool OscPlotArea::savePlot(const QString &path)
{
    replot();
    OscPlotExport::Page page;
    if (m_caption)
        page.caption = m_caption();
    for (QCustomPlot *plot : { m_analog, m_digital }) {
        if (m_display != AnalogAndDigital && (plot == m_analog) != (m_display == AnalogOnly))
            continue;
        page.plots << plot;
        for (int i = 0; i < plot->graphCount(); ++i) {
            const QString unit = m_units.value(plot->graph(i)).unit;
            page.legend << OscPlotExport::LegendEntry { plot->graph(i)->name()
                    + (unit.isEmpty() ? QString() : QStringLiteral(" [") + unit + QLatin1Char(']')),
                plot->graph(i)->pen().color() };
        }
    }
    // Saved smooth, with the axes' titles, and without the value cursor the mouse left somewhere
    // over a plot. The titles take room of the left margin of both plots, which stay aligned.
    hideCursors();
    const QString valueTitle = m_valueTitle ? m_valueTitle() : QString();
    const int titleRoom = valueTitle.isEmpty() ? 0 : QFontMetrics(m_analog->font()).height() + 4;
    for (QCustomPlot *plot : { m_analog, m_digital }) {
        plot->setNotAntialiasedElements(QCP::aeNone);
        plot->xAxis->setLabel(tr("Time (s)"));
        plot->axisRect()->setMargins(QMargins(LeftMargin + titleRoom, 0, 0, 0));
    }
    m_analog->yAxis->setLabel(valueTitle);
    const bool saved = OscPlotExport::write(path, page);
    for (QCustomPlot *plot : { m_analog, m_digital }) {
        plot->setNotAntialiasedElements(QCP::aePlottables);
        plot->xAxis->setLabel(QString());
        plot->axisRect()->setMargins(QMargins(LeftMargin, 0, 0, 0));
    }
    m_analog->yAxis->setLabel(QString());
    return saved;
}

void OscPlotArea::replot()
{
    updateMarkers();
    m_analog->replot(QCustomPlot::rpQueuedRefresh);
    m_digital->replot(QCustomPlot::rpQueuedRefresh);
}
