#include "linkdescriber.h"

#include "treeitem.h"
#include "treemodel.h"

#include <QMutexLocker>

LinkDictionary LinkDictionary::fromModel(const TreeModel &model)
{
    LinkDictionary dictionary;
    for (const TreeModel::ReadEntry &entry : model.readList()) {
        const QString name = (entry.item->text(TreeItem::MenuColumn) + QLatin1Char(' ')
            + entry.item->text(TreeItem::TextColumn))
                                 .trimmed();
        dictionary.add(entry.registerNumber, { name, entry.setValue ? entry.set : -1 });
    }
    return dictionary;
}

const LinkDictionary::Entry *LinkDictionary::find(int registerNumber) const
{
    const auto it = m_entries.constFind(registerNumber);
    return it == m_entries.constEnd() ? nullptr : &it.value();
}

void LinkDescriber::setUnit(
    const QString &link, int unit, const QString &name, const LinkDictionary &dictionary)
{
    QMutexLocker locker(&m_lock);
    m_units.insert(key(link, unit), { name, dictionary });
}

void LinkDescriber::forgetUnits()
{
    QMutexLocker locker(&m_lock);
    m_units.clear();
}

QString LinkDescriber::unitName(const QString &link, int unit) const
{
    QMutexLocker locker(&m_lock);
    return m_units.value(key(link, unit)).name;
}

QString LinkDescriber::describe(const LinkExchange &e) const
{
    switch (e.purpose) {
    case LinkPurpose::DeviceCode:
    case LinkPurpose::SoftwareVersion:
    case LinkPurpose::DriveSize:
    case LinkPurpose::ControlPanel:
    case LinkPurpose::Scan:
        return purposeText(e.purpose);
    case LinkPurpose::Oscilloscope:
        return tr("oscilloscope block %1").arg(e.purposeDetail);
    default:
        break;
    }
    QString name;
    {
        QMutexLocker locker(&m_lock);
        const auto unit = m_units.constFind(key(e.link, e.unit));
        const LinkDictionary::Entry *entry
            = unit == m_units.constEnd() ? nullptr : unit->dictionary.find(e.firstRegister);
        if (entry) {
            name = entry->name;
            if (entry->set >= 0)
                name = tr("%1, set %2").arg(name, setLetter(entry->set));
        }
    }
    if (name.isEmpty())
        return purposeText(e.purpose);
    // A read of a run of parameters is named by its first one.
    if (e.count > 1 && e.function != 16 && e.function != 15)
        name = tr("%1 (%2 registers)").arg(name).arg(e.count);
    if (e.purpose == LinkPurpose::Status || e.purpose == LinkPurpose::TripLog)
        return purposeText(e.purpose) + QStringLiteral(": ") + name;
    return name;
}

QString LinkDescriber::purposeText(LinkPurpose purpose)
{
    switch (purpose) {
    case LinkPurpose::Parameters:
        return tr("parameters");
    case LinkPurpose::DeviceCode:
        return tr("device code");
    case LinkPurpose::SoftwareVersion:
        return tr("software version");
    case LinkPurpose::DriveSize:
        return tr("drive size");
    case LinkPurpose::Status:
        return tr("status");
    case LinkPurpose::TripLog:
        return tr("trip log");
    case LinkPurpose::ControlPanel:
        return tr("control panel");
    case LinkPurpose::Oscilloscope:
        return tr("oscilloscope");
    case LinkPurpose::Scan:
        return tr("scan");
    default:
        return QString();
    }
}

QString LinkDescriber::outcomeText(const LinkExchange &e)
{
    if (e.outcome == LinkOutcome::Exception)
        return tr("exception %1").arg(e.exception);
    if (e.outcome == LinkOutcome::LinkError)
        return tr("link error %1").arg(e.code);
    return outcomeKindText(e.outcome);
}

QString LinkDescriber::outcomeKindText(LinkOutcome outcome)
{
    switch (outcome) {
    case LinkOutcome::Ok:
        return tr("ok");
    case LinkOutcome::Exception:
        return tr("exception");
    case LinkOutcome::Timeout:
        return tr("time-out");
    case LinkOutcome::BadCrc:
        return tr("bad CRC");
    case LinkOutcome::WrongUnit:
        return tr("wrong unit");
    case LinkOutcome::WrongFunction:
        return tr("wrong function");
    case LinkOutcome::WrongLength:
        return tr("wrong length");
    case LinkOutcome::WrongTransaction:
        return tr("wrong transaction");
    case LinkOutcome::ConnectionRefused:
        return tr("connection refused");
    case LinkOutcome::ConnectionLost:
        return tr("connection lost");
    default:
        return tr("link error");
    }
}

QString LinkDescriber::valuesText(const LinkExchange &e, int most)
{
    const bool write = e.function == 5 || e.function == 6 || e.function == 15 || e.function == 16;
    const QVector<quint16> values = write ? e.writtenValues() : e.replyValues();
    QStringList texts;
    for (int i = 0; i < values.size() && i < most; ++i)
        texts << QString::number(values.at(i));
    if (values.size() > most)
        texts << QStringLiteral("… (%1)").arg(values.size());
    return texts.join(QLatin1Char(' '));
}
