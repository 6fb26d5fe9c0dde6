#include "osclegendtable.h"

#include "registerword.h"

#include <QCoreApplication>
#include <QHeaderView>

// The texts keep the translation context of the oscilloscope view, whichever part shows them.

OscLegendTable::OscLegendTable(const OscTraceSet &traces, QWidget *parent)
    : QTableWidget(0, 6, parent)
    , m_traces(traces)
{
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    connect(this, &QTableWidget::cellChanged, this, &OscLegendTable::onCellChanged);
    connect(this, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        if (column == NameColumn && row >= 0 && row < m_traces.size())
            emit colourRequested(row);
    });
}

void OscLegendTable::retranslateUi()
{
    setHorizontalHeaderLabels({ QCoreApplication::translate("OscilloscopeWidget", "Auto\nScale"),
        QCoreApplication::translate("OscilloscopeWidget", "Param Name"),
        QCoreApplication::translate("OscilloscopeWidget", "Curr\nValue"),
        QCoreApplication::translate("OscilloscopeWidget", "Unit"),
        QCoreApplication::translate("OscilloscopeWidget", "Min"),
        QCoreApplication::translate("OscilloscopeWidget", "Max") });
}

void OscLegendTable::refresh()
{
    const QList<OscTrace> &traces = m_traces.traces();
    m_filling = true;
    setRowCount(traces.size());
    for (int r = 0; r < traces.size(); ++r) {
        const OscTrace &t = traces.at(r);
        auto *scale = new QTableWidgetItem;
        if (t.entry.isDigital()) {
            scale->setFlags(Qt::NoItemFlags);
        } else {
            scale->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            scale->setCheckState(t.autoScale ? Qt::Checked : Qt::Unchecked);
        }
        setItem(r, AutoScaleColumn, scale);
        auto *name = new QTableWidgetItem(t.name);
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        name->setForeground(t.colour);
        name->setToolTip(QCoreApplication::translate("OscilloscopeWidget", "Select Color"));
        setItem(r, NameColumn, name);
        const QString old = item(r, ValueColumn) ? item(r, ValueColumn)->text() : QString();
        auto *value = new QTableWidgetItem(old);
        value->setFlags(Qt::ItemIsEnabled);
        setItem(r, ValueColumn, value);
        auto *unit = new QTableWidgetItem(t.unit);
        unit->setFlags(Qt::ItemIsEnabled);
        setItem(r, UnitColumn, unit);
        for (int c : { MinColumn, MaxColumn }) {
            auto *cell = new QTableWidgetItem(
                t.entry.isDigital() ? QString() : QString::number(c == MinColumn ? t.min : t.max));
            cell->setFlags(t.entry.isDigital() ? Qt::NoItemFlags : Qt::ItemIsEnabled | Qt::ItemIsEditable);
            setItem(r, c, cell);
        }
    }
    m_filling = false;
}

void OscLegendTable::setCurrentValue(int row, const QString &text)
{
    if (QTableWidgetItem *cell = item(row, ValueColumn))
        cell->setText(text);
}

void OscLegendTable::onCellChanged(int row, int column)
{
    if (m_filling || row < 0 || row >= m_traces.size())
        return;
    const OscTrace &t = m_traces.traces().at(row);
    if (column == AutoScaleColumn) {
        emit autoScaleToggled(row, item(row, column)->checkState() == Qt::Checked);
    } else if (column == MinColumn || column == MaxColumn) {
        bool ok = false;
        const double v = RegisterWord::parseNumber(item(row, column)->text(), &ok);
        const double min = column == MinColumn ? v : t.min;
        const double max = column == MaxColumn ? v : t.max;
        if (!ok || max <= min) {
            // A range that maps nothing is refused: the old bound is put back.
            refresh();
            return;
        }
        emit rangeEdited(row, min, max);
    }
}
