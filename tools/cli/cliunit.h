#pragma once

#include "clioptions.h"

#include <QStringList>
#include <memory>

class TreeModel;
class VxCommModbusMaster;

// One unit reached from the command line: its link and its identity.
class CliUnit
{
public:
    CliUnit(const CliOptions &options, const UnitTarget &target);
    ~CliUnit();
    CliUnit(const CliUnit &) = delete;
    CliUnit &operator=(const CliUnit &) = delete;

    // Opens the link and identifies the unit. On failure message() is the text the window
    // shows for that identification result ("No Device Link", ...).
    bool connect();
    int status() const { return m_status; }
    QString message() const { return m_message; }

    QString deviceFile() const { return m_deviceFile; }
    QString driveSize() const { return m_driveSize; }
    QString version() const { return m_version; }
    QString inom() const { return m_inom; }
    QString pnom() const { return m_pnom; }
    // Drive size followed by " (N)" for serial units or " (*.octet)" for TCP units.
    QString unitName() const;
    // The 21-field unit entry the parameter set file header is written from.
    QStringList unitEntry() const;
    const UnitTarget &target() const { return m_target; }

    // The parameter tree of the identified device description file, values empty.
    std::unique_ptr<TreeModel> makeModel() const;

    VxCommModbusMaster *master() const { return m_master.get(); }

private:
    int identify();

    CliOptions m_options;
    UnitTarget m_target;
    std::unique_ptr<VxCommModbusMaster> m_master;
    int m_status = 0;
    QString m_message;
    QString m_deviceFile, m_driveSize, m_version, m_inom, m_pnom;
};
