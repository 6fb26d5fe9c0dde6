#include "unitregistry.h"

#include "unitentryfields.h"
#include "vxcommmodbusmaster.h"

#include <algorithm>

namespace F = UnitEntryField;

int UnitRegistry::interfaceIndex(const QString &name)
{
    return F::interfacePosition(name);
}

QString UnitRegistry::interfaceName(int iface)
{
    switch (iface) {
    case RS232:
        return F::rs232();
    case RS485:
        return F::rs485();
    case TCPIP:
        return F::tcpIp();
    default:
        return QString();
    }
}

UnitRegistry::PortCheck UnitRegistry::checkPort(
    const QList<QStringList> &infoList, int unitNumber, const QString &port, const QString &newInterface)
{
    // Every unit on the port is looked at, not only the first: on a shared RS485 port the unit
    // with the same number may come after another one.
    PortCheck check;
    for (int i = 0; i < infoList.size(); ++i) {
        const QStringList &entry = infoList.at(i);
        if (F::at(entry, F::Port) != port)
            continue;
        const QString used = F::at(entry, F::Interface);
        if (F::at(entry, F::Number).toInt() == unitNumber) {
            check.outcome = PortCheck::Refused;
            check.sharedIndex = -1;
            check.message
                = QStringLiteral("Unit already connected on ") + used + QStringLiteral(" Interface");
            return check;
        }
        if (newInterface != F::rs485() || used != F::rs485()) {
            check.outcome = PortCheck::Refused;
            check.sharedIndex = -1;
            check.message = QStringLiteral("port already in use on ") + used;
            return check;
        }
        if (check.outcome == PortCheck::Free) {
            check.outcome = PortCheck::Shared;
            check.sharedIndex = i;
        }
    }
    return check;
}

UnitRegistry::UnitRegistry() = default;

UnitRegistry::~UnitRegistry()
{
    // Masters go last: records only point at them.
    for (auto &list : m_units)
        list.clear();
    m_pending.clear();
    m_retiring.clear();
    for (auto &master : m_masters)
        master->VxCommCloseLink();
    m_masters.clear();
}

int UnitRegistry::count(int iface) const
{
    return iface >= 0 && iface < InterfaceCount ? int(m_units[iface].size()) : 0;
}

int UnitRegistry::total() const
{
    return count(RS232) + count(RS485) + count(TCPIP);
}

UnitRecord *UnitRegistry::record(int iface, int index) const
{
    if (index < 0 || index >= count(iface))
        return nullptr;
    return m_units[iface][size_t(index)].get();
}

UnitRecord *UnitRegistry::find(const QStringList &entry, int *iface, int *index) const
{
    const int i = interfaceIndex(F::at(entry, F::Interface));
    for (int n = 0; n < count(i); ++n) {
        if (F::sameUnit(m_units[i][size_t(n)]->entry, entry)) {
            if (iface)
                *iface = i;
            if (index)
                *index = n;
            return m_units[i][size_t(n)].get();
        }
    }
    return nullptr;
}

bool UnitRegistry::locate(const UnitRecord *record, int *iface, int *index) const
{
    for (int i = 0; i < InterfaceCount; ++i) {
        for (size_t n = 0; n < m_units[i].size(); ++n) {
            if (m_units[i][n].get() == record) {
                *iface = i;
                *index = int(n);
                return true;
            }
        }
    }
    return false;
}

QList<QStringList> UnitRegistry::infoList(int iface) const
{
    QList<QStringList> list;
    for (int n = 0; n < count(iface); ++n)
        list.append(m_units[iface][size_t(n)]->entry);
    return list;
}

QList<VxCommModbusMaster *> UnitRegistry::commModList(int iface) const
{
    QList<VxCommModbusMaster *> list;
    for (int n = 0; n < count(iface); ++n)
        list.append(m_units[iface][size_t(n)]->master);
    return list;
}

QList<QList<importfileThread *>> UnitRegistry::threadList(int iface) const
{
    QList<QList<importfileThread *>> list;
    for (int n = 0; n < count(iface); ++n)
        list.append(m_units[iface][size_t(n)]->threads);
    return list;
}

UnitRecord *UnitRegistry::addPending(std::unique_ptr<UnitRecord> record)
{
    m_pending.push_back(std::move(record));
    return m_pending.back().get();
}

std::unique_ptr<UnitRecord> UnitRegistry::takePending(UnitRecord *record)
{
    auto it = std::find_if(
        m_pending.begin(), m_pending.end(), [record](const auto &p) { return p.get() == record; });
    if (it == m_pending.end())
        return nullptr;
    std::unique_ptr<UnitRecord> taken = std::move(*it);
    m_pending.erase(it);
    return taken;
}

bool UnitRegistry::isPending(const UnitRecord *record) const
{
    return std::any_of(
        m_pending.begin(), m_pending.end(), [record](const auto &p) { return p.get() == record; });
}

QList<UnitRecord *> UnitRegistry::pending() const
{
    QList<UnitRecord *> list;
    for (const auto &p : m_pending)
        list.append(p.get());
    return list;
}

UnitRecord *UnitRegistry::addRetiring(std::unique_ptr<UnitRecord> record)
{
    m_retiring.push_back(std::move(record));
    return m_retiring.back().get();
}

std::unique_ptr<UnitRecord> UnitRegistry::takeRetiring(UnitRecord *record)
{
    auto it = std::find_if(
        m_retiring.begin(), m_retiring.end(), [record](const auto &p) { return p.get() == record; });
    if (it == m_retiring.end())
        return nullptr;
    std::unique_ptr<UnitRecord> taken = std::move(*it);
    m_retiring.erase(it);
    return taken;
}

QList<UnitRecord *> UnitRegistry::retiring() const
{
    QList<UnitRecord *> list;
    for (const auto &p : m_retiring)
        list.append(p.get());
    return list;
}

UnitRecord *UnitRegistry::append(std::unique_ptr<UnitRecord> record)
{
    const int iface = interfaceIndex(F::at(record->entry, F::Interface));
    if (iface < 0)
        return nullptr;
    m_units[iface].push_back(std::move(record));
    return m_units[iface].back().get();
}

std::unique_ptr<UnitRecord> UnitRegistry::take(int iface, int index)
{
    if (index < 0 || index >= count(iface))
        return nullptr;
    auto &list = m_units[iface];
    std::unique_ptr<UnitRecord> taken = std::move(list[size_t(index)]);
    list.erase(list.begin() + index);
    return taken;
}

void UnitRegistry::adoptMaster(VxCommModbusMaster *master)
{
    if (master && !ownsMaster(master))
        m_masters.emplace_back(master);
}

int UnitRegistry::usersOf(const VxCommModbusMaster *master) const
{
    int users = 0;
    for (const auto &list : m_units)
        users += int(
            std::count_if(list.begin(), list.end(), [master](const auto &r) { return r->master == master; }));
    for (const auto *list : { &m_pending, &m_retiring })
        users += int(std::count_if(
            list->begin(), list->end(), [master](const auto &r) { return r->master == master; }));
    return users;
}

bool UnitRegistry::releaseMaster(VxCommModbusMaster *master)
{
    if (!master || usersOf(master) > 0)
        return false;
    auto it = std::find_if(
        m_masters.begin(), m_masters.end(), [master](const auto &m) { return m.get() == master; });
    if (it == m_masters.end())
        return false;
    master->VxCommCloseLink();
    m_masters.erase(it);
    return true;
}

bool UnitRegistry::ownsMaster(const VxCommModbusMaster *master) const
{
    return std::any_of(
        m_masters.begin(), m_masters.end(), [master](const auto &m) { return m.get() == master; });
}
