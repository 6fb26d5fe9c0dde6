#include "settingsformat.h"

namespace SettingsFormat {

namespace {

struct MarkerText
{
    Marker marker;
    const char *text;
};

// No marker is contained in another, so the order of this table does not matter.
const MarkerText markerTexts[] = {
    { Marker::Language, "[Language]" },
    { Marker::AutoConfig, "[AUTO CONFIG START]" },
    { Marker::Rs232PortsStart, "[AUTO CONFIG RS232-PORTS START]" },
    { Marker::Rs232PortsEnd, "[AUTO CONFIG RS232-PORTS END]" },
    { Marker::Rs485PortsStart, "[AUTO CONFIG RS485-PORTS START]" },
    { Marker::Rs485PortsEnd, "[AUTO CONFIG RS485-PORTS END]" },
    { Marker::Comm, "[COMMUNICATION SETTINGS START]" },
    { Marker::Prefs, "[PREFERENCES SETTINGS START]" },
    { Marker::OscSettings, "[OSCILLOSCOPE SETTINGS START]" },
    { Marker::Customer, "[CUSTOMER INFORMATION START]" },
    { Marker::FavAStart, "[FAVOURITES SETA START]" },
    { Marker::FavBStart, "[FAVOURITES SETB START]" },
    { Marker::FavCStart, "[FAVOURITES SETC START]" },
    { Marker::FavDStart, "[FAVOURITES SETD START]" },
    { Marker::FavAEnd, "[FAVOURITES SETA END]" },
    { Marker::FavBEnd, "[FAVOURITES SETB END]" },
    { Marker::FavCEnd, "[FAVOURITES SETC END]" },
    { Marker::FavDEnd, "[FAVOURITES SETD END]" },
    { Marker::OscParamsStart, "[OSCILLOSCOPE PARAMS START]" },
    { Marker::OscParamsEnd, "[OSCILLOSCOPE PARAMS END]" },
    { Marker::UnitStart, "[UNIT INFORMATION START]" },
    { Marker::UnitEnd, "[UNIT INFORMATION END]" },
    { Marker::LastConfigStart, "[LAST CONFIG START]" },
    { Marker::LastConfigEnd, "[LAST CONFIG END]" },
};

} // namespace

QString markerText(Marker marker)
{
    for (const MarkerText &m : markerTexts) {
        if (m.marker == marker)
            return QString::fromLatin1(m.text);
    }
    return QString();
}

Marker markerOf(const QStringList &fields)
{
    if (fields.isEmpty())
        return Marker::None;
    const QString &first = fields.first();
    if (!first.contains(QLatin1Char('[')))
        return Marker::None;
    for (const MarkerText &m : markerTexts) {
        if (first.contains(QLatin1String(m.text)))
            return m.marker;
    }
    return Marker::None;
}

Marker offset(Marker base, int by)
{
    return static_cast<Marker>(static_cast<int>(base) + by);
}

// Header lines as written; the oscilloscope and customer markers carry their first name
// without a ";" in between, and "BgGraound" / "Authendicated By" are spelled as other files expect.
const QStringList &autoConfigHeader()
{
    static const QStringList h { "[AUTO CONFIG START]", "Baudrate", "Parity", "noOfUnits" };
    return h;
}
const QStringList &commHeader()
{
    static const QStringList h { "[COMMUNICATION SETTINGS START]", "ContinueDespiteCOMFault",
        "Delay between Msgs", "isRetriesChecked", "NumOfRetries" };
    return h;
}
const QStringList &prefsHeader()
{
    static const QStringList h { "[PREFERENCES SETTINGS START]", "AutoImportActive", "ImportActive",
        "AutoScanActive", "AutoSave", "ExportOnlyChanged" };
    return h;
}
const QStringList &oscHeader()
{
    static const QStringList h { "[OSCILLOSCOPE SETTINGS START]BgGraound", "LineWidth", "Grid", "GraphView",
        "SamplingTime", "Timeunit" };
    return h;
}
const QStringList &customerHeader()
{
    static const QStringList h { "[CUSTOMER INFORMATION START]Company Name", "Street1", "Street2", "Location",
        "City", "Country", "Telephone", "Company Contact", "Project Name", "Application Name",
        "Authendicated By", "Serial No" };
    return h;
}

} // namespace SettingsFormat
