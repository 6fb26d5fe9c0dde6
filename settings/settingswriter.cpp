#include "settingsformat.h"
#include "settingsrecord.h"

#include <QTextStream>

namespace SettingsFormat {

namespace {

// A ";" inside a text would shift every later field of its line, a line break would split the
// line: both are replaced so that what is written can be read back in place.
QString cleanText(const QString &text)
{
    QString t = text;
    t.replace(QLatin1Char(';'), QLatin1Char(','));
    t.replace(QLatin1Char('\r'), QLatin1Char(' '));
    t.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return t;
}

class Writer
{
public:
    Writer(QTextStream &out, const SettingsRecord &record)
        : m_out(out)
        , m_r(record)
    { }

    void run()
    {
        kept(SettingsKept::BeforeAll);
        line({ markerText(Marker::Language), num(m_r.language) }, SettingsKept::LanguageLine);
        kept(SettingsKept::AfterLanguage);

        line(autoConfigHeader(), SettingsKept::AutoConfigHeader);
        scanLine(m_r.rs232Scan, SettingsKept::Rs232ScanLine);
        scanLine(m_r.rs485Scan, SettingsKept::Rs485ScanLine);
        line({ cleanText(m_r.tcpStartIp), cleanText(m_r.tcpEndIp) }, SettingsKept::TcpScanLine);
        kept(SettingsKept::AfterAutoConfig);

        ports(Marker::Rs232PortsStart, "RS232 Selected Ports", Marker::Rs232PortsEnd, m_r.rs232Ports,
            SettingsKept::Rs232PortsHeader);
        kept(SettingsKept::AfterRs232Ports);
        ports(Marker::Rs485PortsStart, "RS485 Selected Ports", Marker::Rs485PortsEnd, m_r.rs485Ports,
            SettingsKept::Rs485PortsHeader);
        kept(SettingsKept::AfterRs485Ports);

        line(commHeader(), SettingsKept::CommHeader);
        line({ flag(m_r.continueDespiteFault), num(m_r.delayMs), flag(m_r.retriesEnabled), num(m_r.retries) },
            SettingsKept::CommValues);
        kept(SettingsKept::AfterComm);

        line(prefsHeader(), SettingsKept::PrefsHeader);
        line({ flag(m_r.autoImportActive), flag(m_r.importActive), flag(m_r.autoScanActive),
                 flag(m_r.autoSave), flag(m_r.exportOnlyChanged) },
            SettingsKept::PrefsValues);
        kept(SettingsKept::AfterPrefs);

        line(oscHeader(), SettingsKept::OscHeader);
        line({ num(m_r.oscBackground), num(m_r.oscLineWidth), flag(m_r.oscGrid), num(m_r.oscGraphView),
                 num(m_r.oscSamplingTime), num(m_r.oscTimeUnit) },
            SettingsKept::OscValues);
        kept(SettingsKept::AfterOscSettings);

        line(customerHeader(), SettingsKept::CustomerHeader);
        QStringList customer;
        for (const QString &text : m_r.customer)
            customer.append(cleanText(text));
        line(customer, SettingsKept::CustomerValues);
        kept(SettingsKept::AfterCustomer);

        for (int i = 0; i < SettingsRecord::FavouriteSetCount; ++i)
            favourites(i);

        fields({ markerText(Marker::OscParamsStart) }, extra(SettingsKept::OscParamsHeader));
        kept(SettingsKept::InsideOscParams);
        for (const OscUnitChoice &unit : m_r.oscUnits)
            oscUnit(unit);
        fields({ markerText(Marker::OscParamsEnd) });
        kept(SettingsKept::AfterOscParams);

        fields({ markerText(Marker::LastConfigStart) }, extra(SettingsKept::LastConfigHeader));
        for (const LastConfigPair &pair : m_r.lastConfig)
            fields({ cleanText(pair.first), cleanText(pair.second) }, pair.extra);
        fields({ markerText(Marker::LastConfigEnd) });
        kept(SettingsKept::AfterLastConfig);
    }

private:
    static QString num(uint v) { return QString::number(v); }
    static QString num(int v) { return QString::number(v); }
    static QString flag(bool v) { return v ? QStringLiteral("1") : QStringLiteral("0"); }

    QStringList extra(SettingsKept::Line id) const { return m_r.kept.extraFields.value(id); }

    void fields(const QStringList &known, const QStringList &more = QStringList())
    {
        for (const QString &f : known)
            m_out << f << ';';
        for (const QString &f : more)
            m_out << f << ';';
        m_out << '\n';
    }

    void line(const QStringList &known, SettingsKept::Line id) { fields(known, extra(id)); }

    void kept(SettingsKept::Block block)
    {
        const QStringList lines = m_r.kept.linesAfter.value(block);
        for (const QString &l : lines)
            m_out << l << '\n';
    }

    void scanLine(const ScanSerialChoice &scan, SettingsKept::Line id)
    {
        line({ num(scan.baudChoice), num(scan.parityChoice), cleanText(scan.unitNumbers) }, id);
    }

    void ports(Marker start, const char *caption, Marker end, const QString &text, SettingsKept::Line id)
    {
        line({ markerText(start), QString::fromLatin1(caption) }, id);
        // The port text fills its line, so a ";" in it shifts nothing; only line breaks must go.
        QString portLine = text;
        portLine.replace(QLatin1Char('\r'), QLatin1Char(' '));
        portLine.replace(QLatin1Char('\n'), QLatin1Char(' '));
        if (!portLine.isEmpty())
            fields({ portLine });
        fields({ markerText(end) });
    }

    void favourites(int index)
    {
        const FavouriteSet &set = m_r.favourites[size_t(index)];
        fields({ markerText(offset(Marker::FavAStart, index)), cleanText(set.name) }, set.extra);
        for (const FavouriteEntry &e : set.entries) {
            fields({ cleanText(e.text0), flag(e.flag1), cleanText(e.text2), cleanText(e.text3),
                       cleanText(e.text4), flag(e.flag5) },
                e.extra);
        }
        fields({ markerText(offset(Marker::FavAEnd, index)) });
        kept(SettingsKept::Block(SettingsKept::AfterFavA + index));
    }

    void oscUnit(const OscUnitChoice &unit)
    {
        fields({ markerText(Marker::UnitStart), num(unit.unitNumber), cleanText(unit.text1),
                   cleanText(unit.text2) },
            unit.extra);
        for (const OscSignalChoice &s : unit.signalChoices) {
            fields({ cleanText(s.text0), num(s.value1), num(s.value2), num(s.value3), cleanText(s.text4),
                       num(s.value5) },
                s.extra);
        }
        fields({ markerText(Marker::UnitEnd) });
        for (const QString &l : unit.linesAfter)
            m_out << l << '\n';
    }

    QTextStream &m_out;
    const SettingsRecord &m_r;
};

} // namespace

void writeRecord(QTextStream &out, const SettingsRecord &record)
{
    Writer(out, record).run();
}

} // namespace SettingsFormat
