// The oscilloscope view's legend table: one row per shown trace with its auto scale, name,
// current value, unit and range; editing the range or the auto scale redraws the trace.
#include "oscilloscopewidget.h"
#include "oscplotarea.h"
#include "registerword.h"

#include <QTableWidget>

// ---- Legend ----

void OscilloscopeWidget::refreshLegend()
{
    if (!m_legend)
        return;
    m_filling = true;
    m_legend->setRowCount(m_traces.size());
    for (int r = 0; r < m_traces.size(); ++r) {
        const Trace &t = m_traces.at(r);
        auto *scale = new QTableWidgetItem;
        if (t.entry.isDigital()) {
            scale->setFlags(Qt::NoItemFlags);
        } else {
            scale->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            scale->setCheckState(t.autoScale ? Qt::Checked : Qt::Unchecked);
        }
        m_legend->setItem(r, AutoScaleColumn, scale);
        auto *name = new QTableWidgetItem(t.name);
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        name->setForeground(t.colour);
        name->setToolTip(tr("Select Color"));
        m_legend->setItem(r, NameColumn, name);
        const QString old
            = m_legend->item(r, ValueColumn) ? m_legend->item(r, ValueColumn)->text() : QString();
        auto *value = new QTableWidgetItem(old);
        value->setFlags(Qt::ItemIsEnabled);
        m_legend->setItem(r, ValueColumn, value);
        auto *unit = new QTableWidgetItem(t.unit);
        unit->setFlags(Qt::ItemIsEnabled);
        m_legend->setItem(r, UnitColumn, unit);
        for (int c : { MinColumn, MaxColumn }) {
            auto *cell = new QTableWidgetItem(
                t.entry.isDigital() ? QString() : QString::number(c == MinColumn ? t.min : t.max));
            cell->setFlags(t.entry.isDigital() ? Qt::NoItemFlags : Qt::ItemIsEnabled | Qt::ItemIsEditable);
            m_legend->setItem(r, c, cell);
        }
    }
    m_filling = false;
}

void OscilloscopeWidget::onLegendChanged(int row, int column)
{
    if (m_filling || row < 0 || row >= m_traces.size())
        return;
    Trace &t = m_traces[row];
    if (column == AutoScaleColumn) {
        t.autoScale = m_legend->item(row, column)->checkState() == Qt::Checked;
    } else if (column == MinColumn || column == MaxColumn) {
        bool ok = false;
        const double v = RegisterWord::parseNumber(m_legend->item(row, column)->text(), &ok);
        const double min = column == MinColumn ? v : t.min;
        const double max = column == MaxColumn ? v : t.max;
        if (!ok || max <= min) {
            // A range that maps nothing is refused: the old bound is put back.
            refreshLegend();
            return;
        }
        t.min = min;
        t.max = max;
    } else {
        return;
    }
    loadTracePoints(t);
    m_plots->replot();
}

void OscilloscopeWidget::onLegendDoubleClicked(int row, int column)
{
    if (column != NameColumn || row < 0 || row >= m_traces.size())
        return;
    const QColor colour = m_pickColour(m_traces.at(row).colour);
    if (!colour.isValid())
        return;
    m_traces[row].colour = colour;
    m_plots->setTraceColour(m_traces.at(row).graph, colour);
    refreshLegend();
    m_plots->replot();
}
