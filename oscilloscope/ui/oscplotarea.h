#pragma once

#include <QHash>
#include <QPointer>
#include <QVector>
#include <QWidget>
#include <functional>

class Prompter;
class QCPGraph;
class QCPItemStraightLine;
class QCPItemText;
class QCustomPlot;
class QKeyEvent;
class QMouseEvent;
class QWheelEvent;

// The analog and the digital plot of the oscilloscope with their shared time window: zoom
// levels, stepping, the value cursor, the two measurement markers, the look (background, grid,
// line width) and saving a plot as an image. It knows nothing of units; the view hands it traces.
//
// Both plots draw with adaptive sampling and fast polylines, and on screen without antialiasing:
// a fat pen otherwise costs many times the replot, and an antialiased one some fifteen times
// more again. Saved pictures are drawn smooth. A trace that grows by addPoints() keeps at most
// PointBound points (24 h at 250 ms and some to spare), older points dropped; setPoints() keeps
// every point it is given (a loaded recording), and the adaptive sampling draws them as the minimum
// and maximum of each pixel column.
//
// The wheel over a plot zooms the time axis about the mouse, with Ctrl over the analog plot its
// value axis; a drawn rectangle zooms the time axis. Keys while a plot has the focus: F shows the
// whole recording, A gives the value axis back its automatic range.
class OscPlotArea : public QWidget
{
    Q_OBJECT
public:
    enum Display { AnalogOnly = 0, DigitalOnly = 1, AnalogAndDigital = 2 };
    static constexpr int MaxZoom = 16;
    static constexpr int PointBound = 400000;
    static constexpr double BaseSpanSeconds = 64.0; // visible span at zoom level 1
    static constexpr double DigitalPitch = 1.5; // vertical distance of two stacked bit traces
    static constexpr double ScaleLow = 0.0; // display band of auto-scaled signals
    static constexpr double ScaleHigh = 100.0;
    static constexpr int LeftMargin = 64; // pixels for the value axis labels

    OscPlotArea(Prompter &prompter, QWidget *parent = nullptr);

    QCustomPlot *analogPlot() const { return m_analog; }
    QCustomPlot *digitalPlot() const { return m_digital; }

    QCPGraph *addTrace(const QString &name, const QColor &colour, bool digital);
    void removeTrace(QCPGraph *graph);
    void clearTraces();
    bool isDigital(QCPGraph *graph) const;
    // Appends points (y as the signal gives it: 0/1 for bits) and drops what passes the bound.
    void addPoints(QCPGraph *graph, const QVector<double> &x, const QVector<double> &y);
    void setPoints(QCPGraph *graph, const QVector<double> &x, const QVector<double> &y);
    void setTraceColour(QCPGraph *graph, const QColor &colour);
    // What the cursor and the markers report of a trace: the signal's value from the plotted one
    // (an auto-scaled trace is drawn in the display band) and the unit shown after it.
    void setTraceUnit(QCPGraph *graph, const QString &unit, const std::function<double(double)> &real);

    // The newest x: the window follows it unless paused.
    void follow(double newestX);
    void setPaused(bool paused) { m_paused = paused; }
    bool isPaused() const { return m_paused; }
    int zoomLevel() const { return m_zoom; }
    double span() const { return m_freeSpan > 0 ? m_freeSpan : BaseSpanSeconds / m_zoom; }
    double tickStep() const { return span() / 10.0; }
    double windowStart() const { return m_start; }
    double windowEnd() const { return m_start + span(); }
    bool zoomIn();
    bool zoomOut();
    // 1, 2, 4, 8 or 16; other values are taken to the next lower level.
    void setZoomLevel(int level);
    // Moves the window by `ticks` tick steps (negative: back), never before 0.
    void step(int ticks);
    // Shows the window [from, to] (area zoom); the display stops following.
    void showRange(double from, double to);
    // Shows every point of every trace from 0 (also past the widest zoom level); false when
    // there is none. The display stops following, as after an area zoom.
    bool fitAll();
    // The time window by `factor` (below 1 narrower) about time x, kept within MinSpanSeconds and
    // the recording; the wheel over a plot does this about the mouse.
    void zoomTimeAbout(double x, double factor);
    // The analog value axis by `factor` about value y (Ctrl and the wheel over the analog plot):
    // the axis then no longer follows the values, until autoValueRange().
    void zoomValueAbout(double y, double factor);
    void autoValueRange();
    bool isValueRangeManual() const { return m_yManual; }
    static constexpr double MinSpanSeconds = 0.1;

    void setDisplay(int display);
    int display() const { return m_display; }
    void setBackground(int grey);
    int background() const { return m_grey; }
    void setGrid(bool on);
    bool grid() const { return m_grid; }
    QColor gridColour() const;
    void setFat(bool fat);
    bool isFat() const { return m_fat; }

    // Measurement markers 0 and 1 on both plots; the readout shows the time difference and, per
    // shown trace, the value difference.
    void setMarker(int which, double x);
    void clearMarkers();
    bool hasMarkers() const { return m_markerX[0] >= 0 && m_markerX[1] >= 0; }
    QString markerReport() const;
    // The signal's value of a trace at x (the sample at or before x); false without one.
    bool valueAt(QCPGraph *graph, double x, double *value) const;
    // The value cursor's text at x for one plot.
    QString cursorText(QCustomPlot *plot, double x) const;

    // The lines above a saved plot (units, time of the recording) and the value axis's title
    // there; the view knows what the traces are.
    void setExportTexts(
        const std::function<QStringList()> &caption, const std::function<QString()> &valueTitle)
    {
        m_caption = caption;
        m_valueTitle = valueTitle;
    }
    // PNG or PDF by the file's suffix; the caption, the plots shown one above the other, and a
    // legend of their traces.
    bool savePlot(const QString &path);
    // The context menu's save: asks for the file, adds the filter's suffix, says what it did.
    void saveWithPrompt(const QString &filter);
    // What the plots show over their traces: the value cursor of a plot and the markers' Δ box.
    QCPItemText *cursorItem(QCustomPlot *plot) const { return m_cursor.value(plot); }
    QCPItemText *markerBox() const { return m_markerText; }
    void replot();

signals:
    void zoomChanged(int level);
    // An area was zoomed: the display no longer follows.
    void followingStopped();
    // A plot was saved through the context menu (its path).
    void plotSaved(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setupPlot(QCustomPlot *plot, const QString &cursorLayer);
    void appendPoints(QCPGraph *graph, const QVector<double> &x, const QVector<double> &y);
    void applyWindow();
    void applyLook(QCustomPlot *plot);
    void showContextMenu(QCustomPlot *plot, const QPoint &pos);
    void moveCursor(QCustomPlot *plot, QMouseEvent *event);
    void hideCursors();
    void onWheel(QCustomPlot *plot, QWheelEvent *event);
    double dataEnd() const;
    void layoutDigital();
    void updateMarkers();
    double offsetOf(QCPGraph *graph) const { return m_offsets.value(graph, 0.0); }
    QString valueText(QCPGraph *graph, double value) const;

    struct TraceUnit
    {
        QString unit;
        std::function<double(double)> real;
    };

    Prompter &m_prompter;
    QCustomPlot *m_analog;
    QCustomPlot *m_digital;
    QHash<QCPGraph *, double> m_offsets; // digital traces: their band's base line
    QHash<QCPGraph *, TraceUnit> m_units;
    QHash<QCustomPlot *, QCPItemText *> m_cursor;
    QCPItemStraightLine *m_markerLines[2][2] = {}; // [marker][plot]
    QCPItemText *m_markerText = nullptr;
    double m_markerX[2] = { -1.0, -1.0 };
    double m_start = 0.0;
    double m_newest = 0.0;
    int m_zoom = 1;
    int m_display = AnalogAndDigital;
    int m_grey = 255;
    bool m_grid = true;
    bool m_fat = false;
    bool m_paused = false;
    double m_yMin = 0.0;
    double m_yMax = 0.0;
    bool m_yEmpty = true;
    bool m_yManual = false; // zoomed by the user: the value axis no longer grows with the values
    bool m_applying = false; // our own range changes are not user zooms
    double m_freeSpan = 0.0; // an area zoom's span until the next zoom level is chosen
    std::function<QStringList()> m_caption;
    std::function<QString()> m_valueTitle;
};
