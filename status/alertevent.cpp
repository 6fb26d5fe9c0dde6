#include "alertevent.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// The result field of a row is written in the language of the moment; the English word is
// recognised too, so rows made before a language change still read right.
bool isWord(const QString &field, const char *english)
{
    return field == QLatin1String(english) || field == QCoreApplication::translate("UnitConnector", english);
}

bool containsFailureWord(const QString &text)
{
    const QString word = QCoreApplication::translate("UnitConnector", "failure");
    return text.contains(QLatin1String("failure")) || text.contains(QLatin1String("FAILURE"))
        || (!word.isEmpty() && text.contains(word));
}

// The engine's codes for an exchange that got no reply in time.
bool isSilence(int code)
{
    return code == -12 || code == -7 || code == -3;
}

// "error Information", code, text, register, "read failure"; a resend says "resending the same
// message:n" where the text stands. "warning message", number, text, register, direction.
void readExchange(AlertEvent &e, const QStringList &m)
{
    const QString head = m.value(0).toLower();
    e.code = m.value(1).trimmed().toInt();
    e.address = m.value(3).trimmed();
    e.write = m.value(4).trimmed() == QLatin1String("write failure");
    if (head == QLatin1String("warning message")) {
        e.kind = AlertEvent::Refused;
        e.detail = m.value(2).trimmed();
        if (e.detail.endsWith(QLatin1Char(':')))
            e.detail.chop(1);
        e.detail = e.detail.trimmed();
        return;
    }
    const QString resend = QStringLiteral("resending the same message:");
    const QString text = m.value(2).trimmed();
    if (text.startsWith(resend))
        e.attempt = text.mid(resend.size()).toInt() + 1;
    else
        e.detail = text;
    e.kind = isSilence(e.code) ? AlertEvent::NoAnswer : AlertEvent::CommError;
}

} // namespace

AlertEvent AlertEvent::parse(const QString &text)
{
    AlertEvent e;
    const QStringList f = text.split(QLatin1Char('\t'));
    const int dashes = f.indexOf(QStringLiteral("----"));
    // unit number, name, port or address, result, message..., "----", kind
    if (dashes < 5) {
        e.detail = text.simplified();
        e.severity = containsFailureWord(text) ? Failure : Notice;
        return e;
    }
    e.kind = LinkRow;
    e.unitId = f.at(0).trimmed();
    e.unitName = f.at(1).trimmed();
    e.link = f.at(2).trimmed();
    const QString result = f.at(3).trimmed();
    e.severity = isWord(result, "success") ? Success
        : isWord(result, "failure")        ? Failure
        : isWord(result, "warning")        ? Warning
                                           : Notice;
    const QStringList message = f.mid(4, dashes - 4);
    const QString head = message.value(0).toLower();
    if (message.size() >= 5
        && (head == QLatin1String("error information") || head == QLatin1String("warning message")))
        readExchange(e, message);
    else if (head == QLatin1String("link info"))
        e.kind = LinkDetail; // the socket's side of an exchange that reports itself as well
    else
        e.detail = message.join(QLatin1Char(' ')).simplified();
    if (f.value(dashes + 1).trimmed() == QLatin1String("scan result"))
        e.kind = ScanCandidate;
    return e;
}

QString AlertEvent::unitKey() const
{
    return unitId.isEmpty() ? QString() : unitId + QLatin1Char('@') + link;
}

QString AlertEvent::foldKey() const
{
    const QString sep = QStringLiteral("\x1f");
    // A silent unit, or a link failing the same way, is one fault whichever register was asked for.
    if (kind == NoAnswer)
        return unitKey() + sep + QString::number(kind);
    if (kind == CommError)
        return unitKey() + sep + QString::number(kind) + sep + QString::number(code);
    if (kind == Refused)
        return unitKey() + sep + QString::number(kind) + sep + QString::number(code) + sep + address + sep
            + (write ? QLatin1Char('w') : QLatin1Char('r'));
    return unitKey() + sep + QString::number(severity) + sep + detail;
}

QString AlertEvent::unitLabel() const
{
    if (!unitName.isEmpty() && unitName != QLatin1String("no device name"))
        return unitName;
    if (unitId.isEmpty())
        return QString();
    return link.isEmpty() ? QCoreApplication::translate("AlertEvent", "unit %1").arg(unitId)
                          : QCoreApplication::translate("AlertEvent", "unit %1 on %2").arg(unitId, link);
}

QString AlertEvent::sentence(int attempts) const
{
    QString body;
    const bool again = attempts > 1;
    switch (kind) {
    case NoAnswer:
        if (write)
            body = again
                ? QCoreApplication::translate("AlertEvent", "no answer to a write of %1 after %2 attempts")
                      .arg(address, QString::number(attempts))
                : QCoreApplication::translate("AlertEvent", "no answer to a write of %1").arg(address);
        else
            body = again
                ? QCoreApplication::translate("AlertEvent", "no answer to a read of %1 after %2 attempts")
                      .arg(address, QString::number(attempts))
                : QCoreApplication::translate("AlertEvent", "no answer to a read of %1").arg(address);
        break;
    case CommError:
        if (write)
            body = again
                ? QCoreApplication::translate("AlertEvent", "write of %1 failed after %2 attempts: %3")
                      .arg(address, QString::number(attempts), detail)
                : QCoreApplication::translate("AlertEvent", "write of %1 failed: %2").arg(address, detail);
        else
            body = again
                ? QCoreApplication::translate("AlertEvent", "read of %1 failed after %2 attempts: %3")
                      .arg(address, QString::number(attempts), detail)
                : QCoreApplication::translate("AlertEvent", "read of %1 failed: %2").arg(address, detail);
        break;
    case Refused:
        body = write ? QCoreApplication::translate("AlertEvent", "the unit refused a write of %1: %2")
                           .arg(address, detail)
                     : QCoreApplication::translate("AlertEvent", "the unit refused a read of %1: %2")
                           .arg(address, detail);
        break;
    default:
        body = detail;
        break;
    }
    const QString label = unitLabel();
    return label.isEmpty() ? body : QCoreApplication::translate("AlertEvent", "%1: %2").arg(label, body);
}

AlertFold::AlertFold(const AlertEvent &e, const QDateTime &when)
    : event(e)
    , first(when)
    , last(when)
    , attempts(e.attempt)
{ }

bool AlertFold::absorb(const AlertEvent &e, const QDateTime &when)
{
    if (e.foldKey() != event.foldKey())
        return false;
    last = when;
    if (e.attempt > 1) {
        attempts = qMax(attempts, e.attempt);
    } else {
        ++count;
        const int most = attempts;
        event = e; // the newest occurrence names the register
        attempts = most;
    }
    return true;
}

QString AlertFold::sentenceWithCount() const
{
    return count > 1
        ? QCoreApplication::translate("AlertEvent", "%1 (%2×)").arg(sentence(), QString::number(count))
        : sentence();
}

AlertLineState::Outcome AlertLineState::take(const QString &text, const QDateTime &when)
{
    const AlertEvent event = AlertEvent::parse(text);
    if (!event.isAlert()) {
        if (!m_shown || event.severity != AlertEvent::Success || event.unitKey().isEmpty()
            || event.unitKey() != m_fold.event.unitKey())
            return Ignored;
        m_shown = false;
        return Cleared;
    }
    if (m_shown && m_fold.absorb(event, when))
        return Counted;
    m_fold = AlertFold(event, when);
    m_shown = true;
    return Shown;
}
