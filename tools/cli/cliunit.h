#pragma once

#include "clioptions.h"

#include <QStringList>
#include <QVector>
#include <memory>

class TreeModel;
class VxCommModbusMaster;

// One unit reached from the command line: its link, its identity and register access with the
// master's lock held for each exchange, the way the program's worker threads do it.
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

    // Result of an exchange with a unit whose link is no longer open.
    static constexpr int NotConnected = -100;

    // One exchange each; the result is the master's (bytes of the reply, or a negative code).
    int readRegisters(int tableType, int number, int count, QVector<quint16> *words);
    int writeRegisters(int tableType, int number, const QVector<quint16> &words);

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
