#pragma once

class OscPlotArea;
class QPagedPaintDevice;
class QTableWidget;

// The oscilloscope's printout on a printer or PDF writer: the graphs, or the legend table.
namespace OscPrintout {

// what: OscPrintGui::Graph or OscPrintGui::Table. False when the device cannot be painted on.
bool render(QPagedPaintDevice *device, int what, OscPlotArea *plots, QTableWidget *legend);

} // namespace OscPrintout
