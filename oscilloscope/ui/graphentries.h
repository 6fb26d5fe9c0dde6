#pragma once

#include <QList>
#include <QStringList>
#include <QVector>

// One selectable line of a unit: an analog signal, or one bit of a bit-field signal.
struct GraphEntry
{
    int signal = -1; // -1: no signal
    int bit = -1; // 0..15 for a bit of a bit-field signal, -1 for an analog one
    bool isDigital() const { return bit >= 0; }
    bool isValid() const { return signal >= 0; }
};

// The graph entries of a signal catalogue, in catalogue order: an analog signal (fault numbers
// included) is one entry, a bit-field signal one entry per bit 0..15. The numbering follows the
// catalogue, so a drive with another signal layout gets entries that match its own signals.
namespace GraphEntries {

QVector<GraphEntry> build(const QList<QStringList> &signalRows);
// The entry of a number; an invalid entry for a number outside the list.
GraphEntry at(const QVector<GraphEntry> &entries, int number);
// "Name" for an analog entry, "Name.Bit5" for a bit.
QString name(const QList<QStringList> &signalRows, const GraphEntry &entry);
// The unit text of the signal row ("rpm"), empty for a bit.
QString unit(const QList<QStringList> &signalRows, const GraphEntry &entry);
// The minimum and maximum of the signal row; false when the row holds no numbers.
bool range(const QList<QStringList> &signalRows, int signal, double *min, double *max);
// Maps a value of [min, max] onto the display band [low, high] (auto scale).
double scaled(double min, double max, double low, double high, double value);
// The value of [min, max] that scaled() put at y.
double unscaled(double min, double max, double low, double high, double y);

} // namespace GraphEntries
