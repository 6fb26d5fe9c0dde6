#pragma once

#include "seriallinechoices.h"

#include <QList>
#include <QMap>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <array>

// Automatic-scan choices of one serial interface; the choices are positions in the lists of
// SerialLineChoices.
struct ScanSerialChoice
{
    // 19200 baud, even parity: the usual factory setting of a Modbus RTU unit.
    uint baudChoice = 3;
    uint parityChoice = 2;
    QString unitNumbers; // numbers and ranges separated by commas, e.g. "1-5,8"

    bool operator==(const ScanSerialChoice &o) const;
};

// One entry of a favourite set: four texts and two yes/no flags. Their meaning belongs to the
// oscilloscope view, so they are kept by position.
struct FavouriteEntry
{
    QString text0;
    bool flag1 = false;
    QString text2;
    QString text3;
    QString text4;
    bool flag5 = false;
    QStringList extra; // fields written by a newer program, kept for writing back

    bool operator==(const FavouriteEntry &o) const;
};

// A named favourite signal set ("Set A" to "Set D").
struct FavouriteSet
{
    QString name;
    QList<FavouriteEntry> entries;
    QStringList extra;

    bool operator==(const FavouriteSet &o) const;
};

// One stored oscilloscope signal choice of a unit, kept by position like FavouriteEntry.
struct OscSignalChoice
{
    QString text0;
    uint value1 = 0;
    int value2 = 0;
    int value3 = 0;
    QString text4;
    int value5 = 0;
    QStringList extra;

    bool operator==(const OscSignalChoice &o) const;
};

// The stored oscilloscope signal choices of one unit.
struct OscUnitChoice
{
    int unitNumber = 0; // 1 to 255; 0 when the file held none
    QString text1;
    QString text2;
    QList<OscSignalChoice> signalChoices;
    QStringList extra;
    QStringList linesAfter; // lines not understood that followed this unit's block

    bool operator==(const OscUnitChoice &o) const;
};

// One pair of the last configuration handed to and taken back from the connect dialog.
struct LastConfigPair
{
    QString first;
    QString second;
    QStringList extra;

    bool operator==(const LastConfigPair &o) const;
};

// What this version of the program does not understand in a settings file. It is written back
// where it was found, so a file of a newer program is not cut down by this one.
struct SettingsKept
{
    // Fixed lines that can carry fields beyond the ones known here.
    enum Line {
        LanguageLine,
        AutoConfigHeader,
        Rs232ScanLine,
        Rs485ScanLine,
        TcpScanLine,
        Rs232PortsHeader,
        Rs485PortsHeader,
        CommHeader,
        CommValues,
        PrefsHeader,
        PrefsValues,
        OscHeader,
        OscValues,
        CustomerHeader,
        CustomerValues,
        OscParamsHeader,
        LastConfigHeader,
    };
    // The places after which unknown lines are written back, in file order.
    enum Block {
        BeforeAll,
        AfterLanguage,
        AfterAutoConfig,
        AfterRs232Ports,
        AfterRs485Ports,
        AfterComm,
        AfterPrefs,
        AfterOscSettings,
        AfterCustomer,
        AfterFavA,
        AfterFavB,
        AfterFavC,
        AfterFavD,
        InsideOscParams, // before the first unit block
        AfterOscParams,
        AfterLastConfig,
    };

    QMap<int, QStringList> extraFields; // Line -> fields after the known ones
    QMap<int, QStringList> linesAfter; // Block -> whole lines

    bool operator==(const SettingsKept &o) const;
};

// Every value of the settings file, with the program's defaults; the tab controller fills its
// dialogs and views from it after start-up and collects it back before writing at exit.
struct SettingsRecord
{
    enum CustomerField {
        CompanyName,
        Street1,
        Street2,
        Location,
        City,
        Country,
        Telephone,
        CompanyContact,
        ProjectName,
        ApplicationName,
        AuthenticatedBy,
        SerialNo,
        CustomerFieldCount
    };
    enum { FavouriteSetCount = 4 };

    SettingsRecord();

    uint language = 0; // 0 English ... 10 Português

    ScanSerialChoice rs232Scan;
    ScanSerialChoice rs485Scan;
    QString tcpStartIp;
    QString tcpEndIp;
    QString rs232Ports; // selected port names, one text
    QString rs485Ports;

    bool continueDespiteFault = true;
    uint delayMs = 70;
    bool retriesEnabled = true;
    uint retries = 2;

    bool autoImportActive = true;
    bool importActive = true;
    bool autoScanActive = true;
    bool autoSave = true;
    bool exportOnlyChanged = false;

    uint oscBackground = 255; // grey level, 255 white
    uint oscLineWidth = 0; // 0 thin, other values fat
    bool oscGrid = true;
    uint oscGraphView = 2; // 0 analog, 1 digital, other values both
    uint oscSamplingTime = 250; // ms
    uint oscTimeUnit = 0;

    std::array<QString, CustomerFieldCount> customer;

    std::array<FavouriteSet, FavouriteSetCount> favourites; // Set A to Set D
    QList<OscUnitChoice> oscUnits;
    QList<LastConfigPair> lastConfig;

    SettingsKept kept;

    // Value limits; a value read from a file outside them keeps the default.
    static constexpr uint maxLanguage = 10;
    static constexpr uint minDelayMs = 35;
    static constexpr uint maxDelayMs = 99999; // the dialog's field takes five digits
    static constexpr uint minRetries = 1;
    static constexpr uint maxRetries = 5;
    static constexpr uint maxBackground = 255;
    static constexpr uint minSamplingTime = 10;

    bool operator==(const SettingsRecord &o) const;
    bool operator!=(const SettingsRecord &o) const { return !(*this == o); }
};

Q_DECLARE_METATYPE(SettingsRecord)
