// The status view, the fault logger and the alert list widget over real device description files.
#include "alarms.h"
#include "faultlogger.h"
#include "scriptedprompter.h"
#include "status.h"
#include "statuspages.h"
#include "treeitem.h"
#include "treemodel.h"
#include "tripdecoding.h"
#include "unitentryfields.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>
#include <memory>

namespace {

const QString kDeviceFile = QStringLiteral(TARVOLINK_SOURCE_DIR "/data/csv_file/RVNV2.05.csv");

std::unique_ptr<TreeModel> makeModel()
{
    return std::make_unique<TreeModel>(kDeviceFile, 0, QString("12,5"), QString("5.5"), true);
}

QStringList entry(const QString &name)
{
    namespace F = UnitEntryField;
    QStringList e = F::emptyEntry();
    e[F::Number] = "1";
    e[F::Name] = name;
    e[F::State] = F::connected();
    e[F::Interface] = F::tcpIp();
    return e;
}

QList<int> visibleRows(const QTreeView *view)
{
    QList<int> rows;
    for (int r = 0; r < view->model()->rowCount(); ++r)
        if (!view->isRowHidden(r, QModelIndex()))
            rows << r;
    return rows;
}

} // namespace

class TstStatusViews : public QObject
{
    Q_OBJECT
private slots:
    void viewsShowTheirRows_data();
    void viewsShowTheirRows();
    void expansionSurvivesSwitchingUnits();
    void onlyTheFirstValueOfATripGroupIsItsFaultNumber();
    void alertListFoldsPagesClearsCopiesAndSaves();
};

void TstStatusViews::viewsShowTheirRows_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("keepRows");
    QTest::addColumn<QList<int>>("status");
    QTest::addColumn<QList<int>>("faults");
    QTest::newRow("full tree") << "RVN48-010 (1)" << 99 << QList<int> { 2, 6 } << QList<int> { 7 };
    QTest::newRow("QRT unit") << "QRT48-010 (1)" << 99 << QList<int> { 2 } << QList<int> {};
    QTest::newRow("five top rows") << "RVN48-010 (1)" << 5 << QList<int> { 2 } << QList<int> {};
    QTest::newRow("seven top rows") << "RVN48-010 (1)" << 7 << QList<int> { 2, 6 } << QList<int> {};
}

void TstStatusViews::viewsShowTheirRows()
{
    QFETCH(QString, name);
    QFETCH(int, keepRows);
    auto model = makeModel();
    QVERIFY(model->isValid() && model->rowCount() > 7);
    if (keepRows < model->rowCount())
        model->removeRows(keepRows, model->rowCount() - keepRows);
    FaultLogger faults;
    faults.vxUIGetTreeModel(entry(name), model.get());
    QTEST(visibleRows(faults.treeView()), "faults");
    Status view;
    view.vxUIGetTreeModel(entry(name), model.get());
    QTEST(visibleRows(view.treeView()), "status");
    QCOMPARE(view.label()->text(), name);
    const QModelIndex process = model->index(2, 0);
    QVERIFY(model->rowCount(process) > 1);
    QVERIFY(!view.treeView()->isRowHidden(0, process));
    QVERIFY(view.treeView()->isRowHidden(1, process));
    QVERIFY(view.treeView()->isExpanded(process));
    QCOMPARE(view.treeView()->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(!view.treeView()->isColumnHidden(TreeItem::SetAColumn));
}

void TstStatusViews::expansionSurvivesSwitchingUnits()
{
    auto a = makeModel();
    auto b = makeModel();
    FaultLogger view;
    view.vxUIGetTreeModel(entry("RVN A (1)"), a.get());
    const QModelIndex tripRow = a->index(StatusPages::TriplogRow, 0);
    // Nothing remembered yet: the trip row opens down to the newest trip.
    const QModelIndex newest = a->indexOf(TripDecoding::tripGroups(*a).first());
    QVERIFY(view.treeView()->isExpanded(tripRow) && view.treeView()->isExpanded(newest));
    const QModelIndex firstGroup = a->indexOf(TripDecoding::tripGroups(*a).at(1));
    view.treeView()->expand(firstGroup);
    view.treeView()->collapse(newest);

    view.vxUIGetTreeModel(entry("RVN B (2)"), b.get());
    QVERIFY(!view.treeView()->isExpanded(b->indexOf(TripDecoding::tripGroups(*b).at(1))));
    view.vxUIGetTreeModel(entry("RVN A (1)"), a.get());
    QVERIFY(view.treeView()->isExpanded(firstGroup));
    QVERIFY(view.treeView()->isExpanded(tripRow));
    QVERIFY(!view.treeView()->isExpanded(newest));
    // No model: expansion reports are ignored.
    auto c = makeModel();
    FaultLogger empty;
    empty.UpdateExpandedTreeState(c->index(StatusPages::TriplogRow, 0));
    QVERIFY(!c->hasExpandState(FaultLogger::ExpansionView));
}

void TstStatusViews::onlyTheFirstValueOfATripGroupIsItsFaultNumber()
{
    auto model = makeModel();
    const QList<const TreeItem *> groups = TripDecoding::tripGroups(*model);
    QVERIFY(groups.size() >= 2);
    QVERIFY(TripDecoding::isFaultNumber(*model, groups.at(0)->child(0)));
    QVERIFY(!TripDecoding::isFaultNumber(*model, groups.at(0)->child(1)));
}

void TstStatusViews::alertListFoldsPagesClearsCopiesAndSaves()
{
    QTemporaryDir dir;
    alarms list(nullptr, dir.filePath("a.log"));
    ScriptedPrompter prompter;
    list.setPrompter(&prompter);
    const QString silent = "7\tRVN48-010 (7)\tCOM3\tfailure\terror Information\t-12\ttimeout\t44501\tread "
                           "failure\t----\terror information";
    list.addAlert(silent);
    list.addAlert(silent);
    list.addAlert("7\tRVN48-010 (7)\tCOM3\tsuccess\tdevice link established\t----\tLink Information");
    QCOMPARE(list.currentPage()->topLevelItemCount(), 1);
    QTreeWidgetItem *row = list.currentPage()->topLevelItem(0);
    QCOMPARE(row->text(alarms::CountColumn), QString("2"));
    QCOMPARE(row->text(alarms::AlertColumn), QString("RVN48-010 (7): no answer to a read of 44501"));
    for (int i = 0; i < 100; ++i)
        list.addAlert(QString("message %1").arg(i));
    QCOMPARE(list.currentPage()->topLevelItemCount(), 1);
    QCOMPARE(list.historyPage()->topLevelItemCount(), 100);
    QCOMPARE(list.currentPage()->topLevelItem(0)->text(alarms::AlertColumn), QString("message 99"));

    // Copy takes the selected rows, or the whole page; Save writes the page the user names.
    list.onTabChange(1);
    list.historyPage()->topLevelItem(0)->setSelected(true);
    QTest::mouseClick(list.copyButton(), Qt::LeftButton);
    QVERIFY(QApplication::clipboard()->text().endsWith("\t2\tRVN48-010 (7): no answer to a read of 44501\n"));
    prompter.expectSaveFile(dir.filePath("alerts.txt"));
    QTest::mouseClick(list.saveButton(), Qt::LeftButton);
    QFile saved(dir.filePath("alerts.txt"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll().count('\n'), 100);
    QTest::mouseClick(list.clearButton(), Qt::LeftButton);
    QCOMPARE(list.historyPage()->topLevelItemCount() + list.currentPage()->topLevelItemCount(), 0);
    QCOMPARE(prompter.pending(), 0);
}

QTEST_MAIN(TstStatusViews)
#include "tst_statusviews.moc"
