#include "unitentryfields.h"
#include "unittreeframe.h"

#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeView>
#include <QtTest>

namespace F = UnitEntryField;

// The unit tree is how the user picks the unit every view works on: a click that reports the
// wrong row's entry, or a status mark on the wrong row, makes the user act on the wrong drive.
class TestUnitTreeFrame : public QObject
{
    Q_OBJECT
private slots:
    void rowsAndMarksFollowTheEntries_data();
    void rowsAndMarksFollowTheEntries();
    void statusChangeRecoloursOnlyThatUnit();
    void clickReportsEntryOfClickedRowAndRebuildKeepsTheSelectedUnit();
    void fileUnitsCarryTheirSetAndCanBeRemoved();
    void groupsFoldAndUnfold();
};

static QStringList entry(const QString &number, const QString &name, const QString &state,
    const QString &iface, const QString &port = QString(), const QString &ip = QString())
{
    QStringList e = QVector<QString>(F::Count).toList();
    e[F::Number] = number;
    e[F::Name] = name;
    e[F::State] = state;
    e[F::Interface] = iface;
    e[F::Port] = port;
    e[F::IpAddress] = ip;
    e[F::DeviceFile] = "csv_file/" + name.section(' ', 0, 0) + ".csv";
    return e;
}

static const QString green = "background-color:green;border-style: outset; border-width: 2px; "
                             "border-color:transparent;border-radius:5px";
static const QString yellow = "background-color:yellow;border-style: outset; border-width: 2px; "
                              "border-color:transparent;border-radius:5px";

void TestUnitTreeFrame::rowsAndMarksFollowTheEntries_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<QList<QStringList>>("entries");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("styles");
    QTest::newRow("RS232") << int(UnitTreeFrame::RS232Group)
                           << QList<QStringList> { entry("1", "RVN 4kW (1)", "connect", "RS232", "ttyS0"),
                                  entry("2", "RVN 7kW (2)", "disconnect", "RS232", "ttyS1") }
                           << QStringList { "RVN 4kW (1)", "RVN 7kW (2)" } << QStringList { green, yellow };
    QTest::newRow("RS485 not yet named")
        << int(UnitTreeFrame::RS485Group) << QList<QStringList> { entry("5", "", "", "RS485", "ttyUSB0") }
        << QStringList { "5" } << QStringList { yellow };
    QTest::newRow("TCP/IP") << int(UnitTreeFrame::TcpIpGroup)
                            << QList<QStringList> { entry("1", "B (*.7)", "disconnect", "TCPIP", "",
                                                        "10.0.0.7"),
                                   entry("1", "B (*.8)", "connect", "TCPIP", "", "10.0.0.8"),
                                   entry("1", "C (*.9)", "connect", "TCPIP", "", "10.0.0.9") }
                            << QStringList { "B (*.7)", "B (*.8)", "C (*.9)" }
                            << QStringList { yellow, green, green };
}

void TestUnitTreeFrame::rowsAndMarksFollowTheEntries()
{
    QFETCH(int, group);
    QFETCH(QList<QStringList>, entries);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, styles);
    UnitTreeFrame frame;
    const auto g = static_cast<UnitTreeFrame::Group>(group);
    // Rebuilding twice must replace the rows, not add to them.
    for (int pass = 0; pass < 2; ++pass) {
        if (g == UnitTreeFrame::RS232Group)
            frame.constructRS232Tree(entries);
        else if (g == UnitTreeFrame::RS485Group)
            frame.constructRS485Tree(entries);
        else
            frame.constructTcpIpTree(entries);
    }
    QCOMPARE(frame.model(g)->rowCount(), texts.size());
    for (int row = 0; row < texts.size(); ++row) {
        QCOMPARE(frame.model(g)->item(row, UnitTreeFrame::NameColumn)->text(), texts.at(row));
        QCOMPARE(frame.statusMark(g, row)->styleSheet(), styles.at(row));
    }
}

void TestUnitTreeFrame::statusChangeRecoloursOnlyThatUnit()
{
    UnitTreeFrame frame;
    // Unit number 1 on two RS232 ports and on RS485 at the same port name: only interface, number
    // and port together name a unit.
    frame.constructRS232Tree({ entry("1", "A (1)", "connect", "RS232", "ttyS0"),
        entry("1", "A (1)", "connect", "RS232", "ttyS1") });
    frame.constructRS485Tree({ entry("1", "A (1)", "connect", "RS485", "ttyS1"),
        entry("2", "A (2)", "connect", "RS485", "ttyS1") });
    frame.constructTcpIpTree({ entry("1", "T (*.1)", "connect", "TCPIP", "", "10.0.0.1"),
        entry("1", "T (*.2)", "connect", "TCPIP", "", "10.0.0.2") });

    frame.vxUISlotUnitStatusChanged(entry("1", "A (1)", "disconnect", "RS232", "ttyS1"));
    frame.vxUISlotUnitStatusChanged(entry("1", "T (*.2)", "disconnect", "TCPIP", "", "10.0.0.2"));
    QCOMPARE(frame.statusMark(UnitTreeFrame::RS232Group, 0)->styleSheet(), green);
    QCOMPARE(frame.statusMark(UnitTreeFrame::RS232Group, 1)->styleSheet(), yellow);
    QCOMPARE(frame.statusMark(UnitTreeFrame::RS485Group, 1)->styleSheet(), green);
    QCOMPARE(frame.statusMark(UnitTreeFrame::TcpIpGroup, 1)->styleSheet(), yellow);
    // The new state is kept: a later click hands it on.
    QCOMPARE(frame.entries(UnitTreeFrame::RS232Group).at(1).at(F::State), QString("disconnect"));

    // An entry of a unit that is not listed changes nothing.
    frame.vxUISlotUnitStatusChanged(entry("3", "A (3)", "disconnect", "RS485", "ttyS1"));
    QCOMPARE(frame.statusMark(UnitTreeFrame::RS485Group, 0)->styleSheet(), green);

    frame.vxUISlotUnitStatusChanged(entry("1", "A (1)", "connect", "RS232", "ttyS1"));
    QCOMPARE(frame.statusMark(UnitTreeFrame::RS232Group, 1)->styleSheet(), green);
}

void TestUnitTreeFrame::clickReportsEntryOfClickedRowAndRebuildKeepsTheSelectedUnit()
{
    UnitTreeFrame frame;
    const QList<QStringList> rs232 { entry("1", "A (1)", "connect", "RS232", "ttyS0"),
        entry("4", "B (4)", "disconnect", "RS232", "ttyS1") };
    const QList<QStringList> rs485 { entry("2", "C (2)", "connect", "RS485", "ttyUSB0") };
    frame.constructRS232Tree(rs232);
    frame.constructRS485Tree(rs485);
    frame.resize(300, 600);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame, 2000));

    QSignalSpy spy(&frame, &UnitTreeFrame::vxUISigUnitClicked);
    QTreeView *view = frame.view(UnitTreeFrame::RS232Group);
    const QModelIndex second = frame.model(UnitTreeFrame::RS232Group)->index(1, UnitTreeFrame::NameColumn);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(second).center());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(2).toStringList(), rs232.at(1));

    // Picking a unit in another group leaves one selection in the whole tree.
    QTreeView *view485 = frame.view(UnitTreeFrame::RS485Group);
    const QModelIndex first485 = frame.model(UnitTreeFrame::RS485Group)->index(0, UnitTreeFrame::NameColumn);
    QTest::mouseClick(view485->viewport(), Qt::LeftButton, {}, view485->visualRect(first485).center());
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(2).toStringList(), rs485.at(0));
    QVERIFY(!view->selectionModel()->hasSelection());

    // Invalid indexes and indexes of another group's model are ignored.
    QVERIFY(!frame.selectUnit("RS232", 2));
    frame.rs232viewClicked(QModelIndex());
    frame.rs232viewClicked(first485);
    QCOMPARE(spy.count(), 2);

    frame.constructRS485Tree({ entry("1", "A (1)", "connect", "RS485", "ttyS0"),
        entry("2", "B (2)", "connect", "RS485", "ttyS0") });
    QVERIFY(frame.selectUnit("RS485", 1, false));
    // Unit 1 removed: unit 2 moves up a row and must stay the selected one, without a new click.
    frame.constructRS485Tree({ entry("2", "B (2)", "disconnect", "RS485", "ttyS0") });
    QVERIFY(view485->selectionModel()->hasSelection());
    QCOMPARE(view485->currentIndex().row(), 0);
    QCOMPARE(spy.count(), 2);
}

void TestUnitTreeFrame::fileUnitsCarryTheirSetAndCanBeRemoved()
{
    UnitTreeFrame frame;
    // The tree only stores and hands back the model pointer; any distinct address serves here.
    int a = 0, b = 0;
    auto *modelA = reinterpret_cast<TreeModel *>(&a);
    auto *modelB = reinterpret_cast<TreeModel *>(&b);
    frame.constructFileTree("RVN 4kW", "/sets/pump.dat", "8,5", "4000", "V2.10", "RVN 4kW : pump", modelA);
    frame.constructFileTree("RVN 7kW", "/sets/fan.dat", "14", "7500", "V2.11", "RVN 7kW : fan", modelB);
    QCOMPARE(frame.fileModel(1), modelB);

    QSignalSpy spy(&frame, &UnitTreeFrame::vxUISigUnitClicked);
    QVERIFY(frame.selectUnit("FILE", 1));
    QCOMPARE(spy.count(), 1);
    const QStringList e = spy.at(0).at(2).toStringList();
    QCOMPARE(e.mid(F::Inom, 3), (QStringList { "14", "7500", "V2.11" }));
    QCOMPARE(spy.at(0).at(1).toString(), QString("/sets/fan.dat"));

    QVERIFY(frame.removeFileUnit(modelA));
    QVERIFY(!frame.removeFileUnit(modelA));
    QCOMPARE(frame.fileModel(0), modelB);
    frame.clearFileTree();
    QCOMPARE(frame.model(UnitTreeFrame::FileGroup)->rowCount(), 0);
}

void TestUnitTreeFrame::groupsFoldAndUnfold()
{
    UnitTreeFrame frame;
    // The pictures come from a static library's resources, which the linker drops unless pulled in.
    QVERIFY(!QPixmap(":/Panel_UpArrow.png").isNull());
    QVERIFY(!QPixmap(":/Panel_DownArrow.png").isNull());
    using Slot = void (UnitTreeFrame::*)();
    const Slot folders[] = { &UnitTreeFrame::rs232ListVisibility, &UnitTreeFrame::rs485ListVisibility,
        &UnitTreeFrame::tcpIpListVisibility, &UnitTreeFrame::fileListVisibility };
    for (int g = 0; g < UnitTreeFrame::GroupCount; ++g) {
        const auto group = static_cast<UnitTreeFrame::Group>(g);
        QVERIFY(!frame.view(group)->isHidden());
        (frame.*folders[g])();
        QVERIFY(frame.view(group)->isHidden());
        // The header link itself folds it back.
        emit frame.headerLink(group)->linkActivated("fold");
        QVERIFY(!frame.view(group)->isHidden());
    }
}

QTEST_MAIN(TestUnitTreeFrame)
#include "tst_unittreeframe.moc"
