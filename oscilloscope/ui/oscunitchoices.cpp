// The signals shown per unit, kept in the settings file between runs. A unit block holds the
// unit number, its interface and its name; a signal line the signal's name, its graph entry
// number, the fixed range, the colour and whether the signal is scaled automatically.
#include "oscilloscopewidget.h"
#include "osclegendtable.h"
#include "oscplotarea.h"
#include "oscunitdev.h"
#include "recordingcontroller.h"
#include "unitentryfields.h"

#include <cmath>

namespace F = UnitEntryField;

namespace {

bool isUnit(const OscUnitChoice &choice, const OscUnitDev *device)
{
    const QStringList entry = device->unitEntry();
    return choice.unitNumber == device->unitNumber() && choice.text1 == F::at(entry, F::Interface)
        && choice.text2 == F::at(entry, F::Name);
}

} // namespace

void OscilloscopeWidget::restoreUnitChoices()
{
    if (!m_recording || m_unitChoices.isEmpty())
        return;
    m_choicesGiven.removeAll(nullptr);
    bool changed = false;
    for (OscUnitDev *device : m_recording->devices()) {
        if (m_choicesGiven.contains(device))
            continue;
        m_choicesGiven.append(device);
        for (const OscUnitChoice &choice : qAsConst(m_unitChoices)) {
            if (!isUnit(choice, device))
                continue;
            for (const OscSignalChoice &s : choice.signalChoices) {
                // An entry the unit's catalogue no longer has is passed over.
                if (!selectEntry(device, int(s.value1), true))
                    continue;
                const int index = m_traces->indexOf(device, -1, int(s.value1));
                const Trace &trace = traces().at(index);
                m_traces->setAutoScale(index, s.value5 != 0);
                // The file holds whole numbers: a range that rounds to the catalogue's own stays
                // the catalogue's, so a fractional default is not cut.
                const bool ownRange
                    = s.value2 == int(std::floor(trace.min)) && s.value3 == int(std::ceil(trace.max));
                if (s.value3 > s.value2 && !ownRange)
                    m_traces->setRange(index, s.value2, s.value3);
                const QColor colour(s.text4);
                if (colour.isValid())
                    m_traces->setColour(index, colour);
                changed = true;
            }
        }
    }
    if (!changed)
        return;
    fillUnitLists();
    m_legend->refresh();
    m_plots->replot();
}

QList<OscUnitChoice> OscilloscopeWidget::unitChoices() const
{
    // Units absent in this run keep what they had; a present unit's block is written anew.
    QList<OscUnitChoice> choices = m_unitChoices;
    if (!m_recording)
        return choices;
    for (OscUnitDev *device : m_recording->devices()) {
        OscUnitChoice now;
        now.unitNumber = device->unitNumber();
        now.text1 = F::at(device->unitEntry(), F::Interface);
        now.text2 = F::at(device->unitEntry(), F::Name);
        for (const Trace &t : traces()) {
            if (t.device != device)
                continue;
            OscSignalChoice s;
            s.text0 = t.name;
            s.value1 = uint(t.number);
            s.value2 = int(std::floor(t.min));
            s.value3 = int(std::ceil(t.max));
            s.text4 = t.colour.name();
            s.value5 = t.autoScale ? 1 : 0;
            now.signalChoices.append(s);
        }
        auto old = std::find_if(
            choices.begin(), choices.end(), [device](const OscUnitChoice &c) { return isUnit(c, device); });
        if (old != choices.end()) {
            now.extra = old->extra;
            now.linesAfter = old->linesAfter;
            *old = now;
        } else if (!now.signalChoices.isEmpty()) {
            choices.append(now);
        }
    }
    return choices;
}
