#pragma once

#include <QColor>
#include <QList>
#include <QStringList>

class QCustomPlot;

// A saved picture of the oscilloscope's plots, PNG or PDF by the file's suffix: caption lines
// above (units, time of the recording), the plots one above the other at their screen size, and
// below them a legend of the traces with their colours. Written through a QSaveFile, so a failed
// export keeps the file that was there.
namespace OscPlotExport {

struct LegendEntry
{
    QString name;
    QColor colour;
};

struct Page
{
    QStringList caption;
    QList<QCustomPlot *> plots;
    QList<LegendEntry> legend;
};

bool write(const QString &path, const Page &page);

} // namespace OscPlotExport
