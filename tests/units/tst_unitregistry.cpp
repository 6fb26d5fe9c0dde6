// The registry's own rules: which serial requests share, which are refused, when a master goes.
#include "unitentryfields.h"
#include "unitregistry.h"
#include "vxcommmodbusmaster.h"

#include <QtTest>

namespace F = UnitEntryField;

namespace {
QStringList serialEntry(const QString &iface, const QString &port, int unit)
{
    QStringList e = QVector<QString>(F::Count).toList();
    e[F::Number] = QString::number(unit);
    e[F::Interface] = iface;
    e[F::Port] = port;
    e[F::State] = QStringLiteral("connect");
    return e;
}
} // namespace

class TstUnitRegistry : public QObject
{
    Q_OBJECT
private slots:
    void portCheck_data();
    void portCheck();
    void sharedMasterGoesWithItsLastUnit();
};

void TstUnitRegistry::portCheck_data()
{
    QTest::addColumn<QList<QStringList>>("units");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("sharedIndex");
    QTest::addColumn<QString>("message");
    using C = UnitRegistry::PortCheck;
    const QList<QStringList> rs485 { serialEntry("RS485", "/dev/ttyA", 3),
        serialEntry("RS485", "/dev/ttyB", 4) };
    const QList<QStringList> rs232 { serialEntry("RS232", "/dev/ttyA", 3) };
    const auto row = [](const char *name, const QList<QStringList> &units, int unit, const char *port,
                         const char *mode, C::Outcome outcome, int sharedIndex, const char *message) {
        QTest::newRow(name) << units << unit << port << mode << int(outcome) << sharedIndex << message;
    };
    const QString on485 = "Unit already connected on RS485 Interface";
    // A free port, an RS485 unit joining another's port and the same number twice on it are
    // connected through the tab controller in tst_tabwidget.
    row("rs232 onto an rs485 port", rs485, 5, "/dev/ttyA", "RS232", C::Refused, -1,
        "port already in use on RS485");
    row("rs485 onto an rs232 port", rs232, 5, "/dev/ttyA", "RS485", C::Refused, -1,
        "port already in use on RS232");
    row("rs232 same number", rs232, 3, "/dev/ttyA", "RS485", C::Refused, -1,
        "Unit already connected on RS232 Interface");
    row("same number as the second unit on a shared port",
        rs485 + QList<QStringList> { serialEntry("RS485", "/dev/ttyA", 5) }, 5, "/dev/ttyA", "RS485",
        C::Refused, -1, qPrintable(on485));
    // A port name that is a prefix of another is another port.
    row("prefix is not the port", rs232, 5, "/dev/tty", "RS232", C::Free, -1, "");
}

void TstUnitRegistry::portCheck()
{
    QFETCH(QList<QStringList>, units);
    QFETCH(int, unit);
    QFETCH(QString, port);
    QFETCH(QString, mode);
    QFETCH(int, outcome);
    QFETCH(int, sharedIndex);
    QFETCH(QString, message);
    const auto check = UnitRegistry::checkPort(units, unit, port, mode);
    QCOMPARE(int(check.outcome), outcome);
    QCOMPARE(check.sharedIndex, sharedIndex);
    QCOMPARE(check.message, message);
}

void TstUnitRegistry::sharedMasterGoesWithItsLastUnit()
{
    UnitRegistry reg;
    QPointer<VxCommModbusMaster> master = new VxCommModbusMaster(2);
    reg.adoptMaster(master);
    for (int unit : { 3, 5 }) {
        auto record = std::make_unique<UnitRecord>();
        record->entry = serialEntry("RS485", "/dev/ttyA", unit);
        record->master = master;
        reg.append(std::move(record));
    }
    // A unit still being identified on the same port also holds the master.
    auto pending = std::make_unique<UnitRecord>();
    pending->entry = serialEntry("RS485", "/dev/ttyA", 7);
    pending->master = master;
    UnitRecord *p = reg.addPending(std::move(pending));

    QCOMPARE(
        reg.commModList(UnitRegistry::RS485), QList<VxCommModbusMaster *>({ master.data(), master.data() }));
    QCOMPARE(reg.usersOf(master), 3);
    int iface = -1, index = -1;
    QVERIFY(reg.find(serialEntry("RS485", "/dev/ttyA", 5), &iface, &index));
    QCOMPARE(index, 1);

    reg.take(UnitRegistry::RS485, 0);
    QVERIFY(!reg.releaseMaster(master));
    reg.take(UnitRegistry::RS485, 0);
    QVERIFY(!reg.releaseMaster(master));
    QVERIFY(master);
    reg.takePending(p);
    QVERIFY(reg.releaseMaster(master));
    QVERIFY(master.isNull());
    QCOMPARE(reg.total(), 0);
}

QTEST_GUILESS_MAIN(TstUnitRegistry)
#include "tst_unitregistry.moc"
