#include "settingsrecord.h"

bool ScanSerialChoice::operator==(const ScanSerialChoice &o) const
{
    return baudChoice == o.baudChoice && parityChoice == o.parityChoice && unitNumbers == o.unitNumbers;
}

bool FavouriteEntry::operator==(const FavouriteEntry &o) const
{
    return text0 == o.text0 && flag1 == o.flag1 && text2 == o.text2 && text3 == o.text3 && text4 == o.text4
        && flag5 == o.flag5 && extra == o.extra;
}

bool FavouriteSet::operator==(const FavouriteSet &o) const
{
    return name == o.name && entries == o.entries && extra == o.extra;
}

bool OscSignalChoice::operator==(const OscSignalChoice &o) const
{
    return text0 == o.text0 && value1 == o.value1 && value2 == o.value2 && value3 == o.value3
        && text4 == o.text4 && value5 == o.value5 && extra == o.extra;
}

bool OscUnitChoice::operator==(const OscUnitChoice &o) const
{
    return unitNumber == o.unitNumber && text1 == o.text1 && text2 == o.text2
        && signalChoices == o.signalChoices && extra == o.extra && linesAfter == o.linesAfter;
}

bool LastConfigPair::operator==(const LastConfigPair &o) const
{
    return first == o.first && second == o.second && extra == o.extra;
}

bool SettingsKept::operator==(const SettingsKept &o) const
{
    return extraFields == o.extraFields && linesAfter == o.linesAfter;
}

SettingsRecord::SettingsRecord()
{
    favourites[0].name = QStringLiteral("Set A");
    favourites[1].name = QStringLiteral("Set B");
    favourites[2].name = QStringLiteral("Set C");
    favourites[3].name = QStringLiteral("Set D");
}

bool SettingsRecord::operator==(const SettingsRecord &o) const
{
    return language == o.language && rs232Scan == o.rs232Scan && rs485Scan == o.rs485Scan
        && tcpStartIp == o.tcpStartIp && tcpEndIp == o.tcpEndIp && rs232Ports == o.rs232Ports
        && rs485Ports == o.rs485Ports && continueDespiteFault == o.continueDespiteFault
        && delayMs == o.delayMs && retriesEnabled == o.retriesEnabled && retries == o.retries
        && autoImportActive == o.autoImportActive && importActive == o.importActive
        && autoScanActive == o.autoScanActive && autoSave == o.autoSave
        && exportOnlyChanged == o.exportOnlyChanged && oscBackground == o.oscBackground
        && oscLineWidth == o.oscLineWidth && oscGrid == o.oscGrid && oscGraphView == o.oscGraphView
        && oscSamplingTime == o.oscSamplingTime && oscTimeUnit == o.oscTimeUnit && customer == o.customer
        && favourites == o.favourites && oscUnits == o.oscUnits && lastConfig == o.lastConfig
        && kept == o.kept;
}
