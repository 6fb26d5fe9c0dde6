// The Link Monitor window: it listens while open, shows what the masters hand over with failures
// marked, filters as the user types and clicks, keeps its place when paused, saves the rows shown
// and keeps statistics per unit.
#include "linkmonitorwindow.h"
#include "scriptedprompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

class TestLinkMonitorWindow : public QObject
{
    Q_OBJECT
private slots:
    void recordsFiltersPausesAndSaves();
};

static void publish(int unit, LinkOutcome outcome, int attempt = 1, int count = 1)
{
    for (int i = 0; i < count; ++i) {
        LinkExchange e;
        e.timeMs = QDateTime::currentMSecsSinceEpoch();
        e.link = "COM3";
        e.channel = 2;
        e.unit = unit;
        e.attempt = attempt;
        e.outcome = outcome;
        e.durationUs = 4000;
        e.request = QByteArray::fromHex("010300000001840a");
        e.decodeFrames();
        LinkTap::publish(e);
    }
}

void TestLinkMonitorWindow::recordsFiltersPausesAndSaves()
{
    ScriptedPrompter prompter;
    LinkMonitorWindow window(prompter, [](const QString &, int unit, QString *name, const TreeModel **model) {
        *name = QStringLiteral("KTZ 4 (%1)").arg(unit);
        *model = nullptr;
        return true;
    });
    QVERIFY(!LinkTap::listening());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(LinkTap::listening());
    publish(1, LinkOutcome::Ok, 1, 3);
    publish(1, LinkOutcome::Ok, 2); // a resend that got through
    publish(2, LinkOutcome::Timeout);
    QTRY_COMPARE_WITH_TIMEOUT(window.model()->rowCount(), 5, 2000); // the window's own timer
    const LinkMonitorModel &model = *window.model();
    QVERIFY(!model.data(model.index(0, LinkMonitorModel::Time), Qt::BackgroundRole).isValid());
    for (int row : { 3, 4 }) {
        QVERIFY(model.data(model.index(row, LinkMonitorModel::Time), Qt::BackgroundRole).isValid());
        QVERIFY(!model.data(model.index(row, LinkMonitorModel::Time), Qt::DecorationRole)
                     .value<QIcon>()
                     .isNull());
    }
    QCOMPARE(model.data(model.index(4, LinkMonitorModel::Unit)).toString(), QString("2 KTZ 4 (2)"));

    auto *search = window.findChild<QLineEdit *>();
    QTest::keyClicks(search, "time-out");
    QCOMPARE(window.filter()->rowCount(), 1);
    search->clear();
    window.findChild<QCheckBox *>()->click(); // failures and resends only
    QCOMPARE(window.filter()->rowCount(), 2);
    QComboBox *units = window.findChildren<QComboBox *>().at(0);
    QCOMPARE(units->count(), 3);
    units->setCurrentIndex(units->findData("COM3@2"));
    QCOMPARE(window.filter()->rowCount(), 1);

    QTemporaryDir dir;
    prompter.expectSaveFile(dir.filePath("shown"));
    QPushButton *save = nullptr, *pause = nullptr;
    for (QPushButton *button : window.findChildren<QPushButton *>()) {
        save = button->text() == "Save as CSV..." ? button : save;
        pause = button->text() == "Pause" ? button : pause;
    }
    save->click();
    QFile csv(dir.filePath("shown.csv"));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = csv.readAll().trimmed().split('\n');
    QCOMPARE(lines.size(), 2); // the header and the one row shown
    QVERIFY(lines.at(1).contains(",COM3,2,KTZ 4 (2),"));

    // Paused, the view stays where the user scrolled while the ring fills.
    units->setCurrentIndex(0);
    window.findChild<QCheckBox *>()->click();
    publish(1, LinkOutcome::Ok, 1, 400);
    window.drain();
    QScrollBar *bar = window.table()->verticalScrollBar();
    QCOMPARE(bar->value(), bar->maximum());
    pause->click();
    bar->setValue(10);
    publish(1, LinkOutcome::Ok, 1, 400);
    window.drain();
    QCOMPARE(model.rowCount(), 805);
    QCOMPARE(bar->value(), 10);
    pause->click();
    QCOMPARE(bar->value(), bar->maximum());

    auto *statistics = window.findChild<QTreeWidget *>();
    QCOMPARE(statistics->topLevelItemCount(), 2);
    QCOMPARE(window.statistics().units().at(0).exchanges, qint64(804));
    QCOMPARE(window.statistics().units().at(1).failures(), qint64(1));
    // However narrow the pane, a figure is never cut to "…": the column is as wide as its longest line.
    window.resize(640, 400);
    QCoreApplication::processEvents();
    QTreeWidgetItem *times = statistics->topLevelItem(0)->child(3)->child(0);
    QVERIFY2(statistics->columnWidth(0) >= statistics->fontMetrics().horizontalAdvance(times->text(0)),
        qPrintable(times->text(0)));
    window.close();
    QVERIFY(!LinkTap::listening());
    QCOMPARE(prompter.problems(), QString());
}

QTEST_MAIN(TestLinkMonitorWindow)
#include "tst_linkmonitorwindow.moc"
