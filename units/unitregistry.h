#pragma once

#include "unitrecord.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// The connected units per interface, one record each, and the Modbus masters they use. The
// registry owns the records and the masters: a master is deleted with the last record using it.
class UnitRegistry
{
public:
    enum Interface { RS232 = 0, RS485 = 1, TCPIP = 2, InterfaceCount = 3 };

    // "RS232" -> RS232 ... ; -1 for anything else.
    static int interfaceIndex(const QString &name);
    static QString interfaceName(int iface);
    // Channel number of the Modbus master (1 RS232, 2 RS485, 3 TCP/IP) and back.
    static int channelOf(int iface) { return iface + 1; }

    // Outcome of checking a new serial unit against one interface's units.
    struct PortCheck
    {
        enum Outcome { Free, Shared, Refused } outcome = Free;
        int sharedIndex = -1; // Shared: the RS485 unit whose master the new unit joins
        QString message; // Refused: the box text
    };
    // A unit with the same number on the port, or any unit of another interface there, refuses;
    // RS485 units on the port are shared with.
    static PortCheck checkPort(
        const QList<QStringList> &infoList, int unitNumber, const QString &port, const QString &newInterface);

    UnitRegistry();
    ~UnitRegistry();
    UnitRegistry(const UnitRegistry &) = delete;
    UnitRegistry &operator=(const UnitRegistry &) = delete;

    int count(int iface) const;
    int total() const;
    UnitRecord *record(int iface, int index) const;
    // The record of the unit an entry describes (same interface, number, port or address).
    UnitRecord *find(const QStringList &entry, int *iface = nullptr, int *index = nullptr) const;
    // The interface and position of a record; false when it is not registered.
    bool locate(const UnitRecord *record, int *iface, int *index) const;

    // The lists by their usual names, element i belonging to unit i of the interface.
    QList<QStringList> infoList(int iface) const;
    QList<VxCommModbusMaster *> commModList(int iface) const;
    QList<QList<importfileThread *>> threadList(int iface) const;

    // A unit being identified: its master is in use but it is on no list yet.
    UnitRecord *addPending(std::unique_ptr<UnitRecord> record);
    std::unique_ptr<UnitRecord> takePending(UnitRecord *record);
    bool isPending(const UnitRecord *record) const;
    QList<UnitRecord *> pending() const;

    // A removed unit whose workers have not ended yet: its master stays in use until it is freed.
    UnitRecord *addRetiring(std::unique_ptr<UnitRecord> record);
    std::unique_ptr<UnitRecord> takeRetiring(UnitRecord *record);
    QList<UnitRecord *> retiring() const;

    // Accepts a unit on its interface (by entry field 3).
    UnitRecord *append(std::unique_ptr<UnitRecord> record);
    std::unique_ptr<UnitRecord> take(int iface, int index);

    // Masters: the registry owns every master handed to adopt().
    void adoptMaster(VxCommModbusMaster *master);
    // Records (listed or pending) using the master.
    int usersOf(const VxCommModbusMaster *master) const;
    // Closes and deletes the master when no record uses it any more; returns whether it did.
    bool releaseMaster(VxCommModbusMaster *master);
    bool ownsMaster(const VxCommModbusMaster *master) const;

private:
    std::vector<std::unique_ptr<UnitRecord>> m_units[InterfaceCount];
    std::vector<std::unique_ptr<UnitRecord>> m_pending;
    std::vector<std::unique_ptr<UnitRecord>> m_retiring;
    std::vector<std::unique_ptr<VxCommModbusMaster>> m_masters;
};
