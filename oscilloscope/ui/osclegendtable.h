#pragma once

#include "osctraceset.h"

#include <QTableWidget>

// The legend of the shown traces: one row per trace with its auto scale, name (in its colour),
// current value, unit and range. The range and the auto scale are edited in place; a range that
// maps nothing is refused and the old bound put back.
class OscLegendTable : public QTableWidget
{
    Q_OBJECT
public:
    enum Column { AutoScaleColumn = 0, NameColumn, ValueColumn, UnitColumn, MinColumn, MaxColumn };

    OscLegendTable(const OscTraceSet &traces, QWidget *parent = nullptr);

    // Rows anew from the traces; the current values stay.
    void refresh();
    void setCurrentValue(int row, const QString &text);
    void retranslateUi();

signals:
    void autoScaleToggled(int row, bool on);
    void rangeEdited(int row, double min, double max);
    // The name was double-clicked: the trace's colour is to be chosen.
    void colourRequested(int row);

private:
    void onCellChanged(int row, int column);

    const OscTraceSet &m_traces;
    bool m_filling = false; // the rows being filled: their change signals are ours
};
