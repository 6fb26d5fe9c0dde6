#pragma once

#include "graphentries.h"

#include <QColor>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

class OscPlotArea;
class OscUnitDev;
class QCPGraph;
struct Recording;

// One shown line: a graph entry of a live unit or of a unit of the loaded recording.
struct OscTrace
{
    QPointer<OscUnitDev> device;
    int fileUnit = -1; // index into the loaded recording's units
    int number = -1; // graph entry number
    GraphEntry entry;
    QCPGraph *graph = nullptr;
    QString name;
    QString unit;
    QColor colour;
    bool autoScale = false;
    double min = 0.0;
    double max = 0.0;
};

// The shown traces and their points on the plot area: graph entries of live devices (drawn as
// their samples come) and of the loaded recording (drawn whole). Each new trace takes the next
// colour of a fixed round.
class OscTraceSet : public QObject
{
    Q_OBJECT
public:
    OscTraceSet(OscPlotArea *plots, const Recording *loaded, QObject *parent = nullptr);

    const QList<OscTrace> &traces() const { return m_traces; }
    int size() const { return m_traces.size(); }
    // -1 when graph entry `number` of the device (or of file unit `fileUnit`) is not shown.
    int indexOf(const OscUnitDev *device, int fileUnit, int number) const;

    // Shows or hides graph entry `number` of a live device (or of file unit `fileUnit`).
    bool selectEntry(OscUnitDev *device, int number, bool on);
    bool selectFileEntry(int fileUnit, int number, bool on);
    void remove(int index);
    // The traces of the loaded recording go, those of live devices keep no points.
    void clearForLive();
    // Traces whose device went with its unit go.
    void removeGone();
    void removeLive();
    void removeAll();

    // Changes of one trace; each redraws its points from the source.
    void setAutoScale(int index, bool on);
    void setRange(int index, double min, double max);
    void setColour(int index, const QColor &colour);

    // Names and units anew from their source, the device's catalogue or the loaded recording's
    // (the language changed).
    void retranslate();
    // The units of the shown traces ("1: KTZ23-2P5"), each once, and the time of the first
    // sample among them (invalid without one): what a saved plot names.
    QStringList unitNames() const;
    QDateTime firstSampleTime() const;

    // A new recording: no sample of a live device is drawn yet.
    void forgetDrawnSamples() { m_drawn.clear(); }
    // Draws the samples of `device` not drawn yet: their number, or -1 when the device's store
    // was emptied for a new recording (nothing drawn). *newest is the x of the last one.
    int drawNewSamples(OscUnitDev *device, double *newest);
    // The x of the newest point of any live trace (0 without one).
    double newestLiveX() const;

signals:
    // A trace came or went.
    void changed();

private:
    void add(OscTrace trace);
    // Names the trace from its source and hands name and unit to the plot.
    void describe(OscTrace &trace);
    void loadPoints(OscTrace &trace);
    double plotted(const OscTrace &trace, double raw) const;

    OscPlotArea *m_plots;
    const Recording *m_loaded;
    QList<OscTrace> m_traces;
    QHash<const OscUnitDev *, int> m_drawn; // samples already drawn per device
    int m_nextColour = 0;
};
