#pragma once

#include "clioptions.h"

#include <QObject>
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
    // The failed identification lies in a file of the installation, not in the link.
    bool isFileFault() const { return m_fileFault; }

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
    bool continueOnFault() const { return m_options.continueOnFault; }
    bool blockReads() const { return m_options.blockReads; }
    const CliOptions &options() const { return m_options; }

    // The parameter tree of the identified device description file, values empty.
    std::unique_ptr<TreeModel> makeModel() const;

    VxCommModbusMaster *master() const { return m_master.get(); }

    // Why the last exchange failed, from the master's reports: "exception 2, illegal data
    // address" or "no answer after 3 attempts"; empty when the last exchange succeeded or nothing
    // was reported. failureRegister() is the register it addressed.
    QString lastFailure() const;
    QString failureRegister() const { return m_failure.address; }
    // The last failure was a read (a write before it went through).
    bool lastFailureWasRead() const { return m_failure.read; }

private:
    int identify();
    void noteHealth(int kind, const QString &message, const QStringList &replyBytes);
    // Identification said "No Device Link": a file of the installation that names no register
    // is the cause when the unit did answer. Empty when the files are sound.
    QString fileFault() const;

    struct Failure
    {
        QString address;
        int code = 0; // transaction result of the last attempt
        int exception = 0; // Modbus exception code; 0 for none
        int attempts = 0;
        bool read = false;
    };
    QMetaObject::Connection m_healthConnection;
    Failure m_failure;
    bool m_fileFault = false;

    CliOptions m_options;
    UnitTarget m_target;
    std::unique_ptr<VxCommModbusMaster> m_master;
    int m_status = 0;
    QString m_message;
    QString m_deviceFile, m_driveSize, m_version, m_inom, m_pnom;
};
