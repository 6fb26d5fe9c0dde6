#pragma once

#include <QString>
#include <QStringList>

class QTextStream;
struct SettingsRecord;

// The layout of the settings file shared by its reader and its writer: the section markers,
// the header lines as written, and the writer itself.
namespace SettingsFormat {

enum class Marker {
    None,
    Language,
    AutoConfig,
    Rs232PortsStart,
    Rs232PortsEnd,
    Rs485PortsStart,
    Rs485PortsEnd,
    Comm,
    Prefs,
    OscSettings,
    Customer,
    FavAStart,
    FavBStart,
    FavCStart,
    FavDStart,
    FavAEnd,
    FavBEnd,
    FavCEnd,
    FavDEnd,
    OscParamsStart,
    OscParamsEnd,
    UnitStart,
    UnitEnd,
    LastConfigStart,
    LastConfigEnd,
};

QString markerText(Marker marker);
// The marker a line starts with, or Marker::None.
Marker markerOf(const QStringList &fields);
Marker offset(Marker base, int by);

const QStringList &autoConfigHeader();
const QStringList &commHeader();
const QStringList &prefsHeader();
const QStringList &oscHeader();
const QStringList &customerHeader();

// Writes the whole record in the file's layout.
void writeRecord(QTextStream &out, const SettingsRecord &record);

} // namespace SettingsFormat
