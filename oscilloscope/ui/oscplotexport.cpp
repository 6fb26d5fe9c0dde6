#include "oscplotexport.h"

#include "safesave.h"

#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <memory>
#include <qcustomplot.h>

namespace {

// Where each legend entry goes: rows as wide as the page, each entry a colour swatch and a name.
QList<QRect> legendPlaces(const QList<OscPlotExport::LegendEntry> &legend, const QFontMetrics &fm, int width)
{
    const int line = fm.height();
    const int pad = line / 2;
    QList<QRect> places;
    int x = pad;
    int y = pad;
    for (const OscPlotExport::LegendEntry &e : legend) {
        const int w = 2 * line + pad + fm.horizontalAdvance(e.name);
        if (x > pad && x + w > width - pad) {
            x = pad;
            y += line + pad;
        }
        places << QRect(x, y, w, line);
        x += w + 2 * line;
    }
    return places;
}

} // namespace

namespace OscPlotExport {

bool write(const QString &path, const Page &page)
{
    if (page.plots.isEmpty())
        return false;
    QCustomPlot *first = page.plots.first();
    const int w = std::max(640, first->width());
    const int h = std::max(240, first->height());
    const QFont font = first->font();
    const QFontMetrics fm(font, first);
    const int line = fm.height();
    const int pad = line / 2;
    const int captionHeight = page.caption.isEmpty() ? 0 : page.caption.size() * line + 2 * pad;
    const QList<QRect> places = legendPlaces(page.legend, fm, w);
    const int legendHeight = places.isEmpty() ? 0 : places.last().bottom() + 1 + pad;
    const int height = captionHeight + h * page.plots.size() + legendHeight;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImage image;
    std::unique_ptr<QPdfWriter> pdf;
    QCPPainter painter;
    if (path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        // The page is the plots' own size at the screen's resolution, as QCustomPlot::savePdf
        // makes it: texts keep their size against the lines, and the axis labels fit.
        pdf = std::make_unique<QPdfWriter>(&file);
        const int dpi = first->logicalDpiX();
        pdf->setResolution(dpi);
        pdf->setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf->setPageSize(QPageSize(QSizeF(w, height) * 72.0 / dpi, QPageSize::Point));
        if (!painter.begin(pdf.get()))
            return false;
        painter.setMode(QCPPainter::pmVectorized);
        painter.setMode(QCPPainter::pmNoCaching);
    } else {
        image = QImage(w, height, QImage::Format_ARGB32);
        image.fill(Qt::white);
        if (!painter.begin(&image))
            return false;
    }
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int i = 0; i < page.caption.size(); ++i)
        painter.drawText(QRect(pad, pad + i * line, w - 2 * pad, line), Qt::AlignLeft | Qt::AlignVCenter,
            page.caption.at(i));
    int y = captionHeight;
    for (QCustomPlot *plot : page.plots) {
        painter.save();
        painter.translate(0, y);
        plot->toPainter(&painter, w, h);
        painter.restore();
        y += h;
    }
    painter.setFont(font);
    for (int i = 0; i < places.size(); ++i) {
        const QRect r = places.at(i).translated(0, y);
        painter.fillRect(QRect(r.left(), r.center().y() - line / 6, 2 * line, std::max(2, line / 3)),
            page.legend.at(i).colour);
        painter.setPen(Qt::black);
        painter.drawText(
            r.adjusted(2 * line + pad, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, page.legend.at(i).name);
    }
    if (!painter.end())
        return false;
    if (!pdf && !image.save(&file, QFileInfo(path).suffix().toLatin1().constData()))
        return false;
    pdf.reset(); // the writer has handed over every page
    return SafeSave::commit(file);
}

} // namespace OscPlotExport
