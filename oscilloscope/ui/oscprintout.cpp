#include "oscprintout.h"

#include "osclegendtable.h"
#include "oscplotarea.h"
#include "oscprintgui.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QTableWidget>
#include <algorithm>
#include <qcustomplot.h>

namespace OscPrintout {

bool render(QPagedPaintDevice *device, int what, OscPlotArea *plots, QTableWidget *legend)
{
    QPainter painter;
    if (!painter.begin(device))
        return false;
    const QRect page = painter.viewport();
    if (what == OscPrintGui::Graph) {
        // The plots as pictures (the former "analog.bmp" and "digital.bmp"), one above the other.
        int y = 0;
        const int h = page.height() / 2;
        for (QCustomPlot *plot : { plots->analogPlot(), plots->digitalPlot() }) {
            if (plot->graphCount() == 0 && plot == plots->digitalPlot())
                continue;
            const QPixmap picture
                = plot->toPixmap(std::max(plot->width(), 800), std::max(plot->height(), 300));
            painter.drawPixmap(QRect(0, y, page.width(), h), picture);
            y += h;
        }
        return painter.end();
    }
    const int rowHeight = page.height() / 40;
    QFont font = painter.font();
    font.setPixelSize(rowHeight * 2 / 3);
    painter.setFont(font);
    const QList<int> columns { OscLegendTable::NameColumn, OscLegendTable::ValueColumn,
        OscLegendTable::UnitColumn, OscLegendTable::MinColumn, OscLegendTable::MaxColumn };
    const int colWidth = page.width() / columns.size();
    int y = rowHeight;
    for (int c = 0; c < columns.size(); ++c)
        painter.drawText(
            c * colWidth, y, legend->horizontalHeaderItem(columns.at(c))->text().replace('\n', ' '));
    for (int r = 0; r < legend->rowCount(); ++r) {
        y += rowHeight;
        if (y > page.height()) {
            device->newPage();
            y = rowHeight;
        }
        for (int c = 0; c < columns.size(); ++c)
            if (QTableWidgetItem *item = legend->item(r, columns.at(c)))
                painter.drawText(c * colWidth, y, item->text());
    }
    return painter.end();
}

} // namespace OscPrintout
