// A parameter set file written by tarvolink-cli opens through the window's parameters view into a
// model holding exactly the unit's values, and the window saves the same bytes, so either front
// end reads the other's files.
#include "apppaths.h"
#include "clitestsupport.h"
#include "datfile.h"
#include "parameters.h"
#include "scriptedprompter.h"
#include "settingsfile.h"
#include "treeitem.h"
#include "treemodel.h"
#include "unitentryfields.h"
#include "vxcommmodbusmaster.h"
#include "workeroperations.h"

#include <QtTest>
#include <memory>

class TestCliDatFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void parametersViewOpensTheUnitsValues();
    void readEqualsWhatTheWindowSaves();

private:
    void compareWithUnit(const TreeModel &opened);

    QTemporaryDir dir;
    QString file;
    std::unique_ptr<TreeModel> unit;
};

void TestCliDatFile::initTestCase()
{
    QVERIFY(dir.isValid());
    QVERIFY(makeInstallation(dir.path()));
    AppPaths::setBaseDir(dir.path());
    const QString link = QStringLiteral("127.0.0.94:15094");
    SimPeer sim;
    QVERIFY2(sim.startTcp(link,
                 { QStringLiteral("--data"), dir.path(), QStringLiteral("--device"),
                     QStringLiteral("CLTV1.00.csv") }),
        qPrintable(sim.errorOutput()));

    // The unit as the simulator holds it: the delivered values of its description file, as
    // register words, plus two values another master changed behind our back.
    unit = std::make_unique<TreeModel>(AppPaths::csvDir() + QStringLiteral("/CLTV1.00.csv"), 0,
        QStringLiteral("4,1"), QStringLiteral("1500"), false);
    QVERIFY(unit->isValid());
    for (const TreeModel::ReadEntry &entry : unit->readList())
        unit->storeRegisters(entry.item, entry.set, unit->registerWords(entry.item, entry.set));
    const QList<QPair<int, int>> changes { { 41225, 1800 }, { 42311, 2 } };
    for (const auto &change : changes) {
        QProcess mbpoll;
        mbpoll.start(QStringLiteral("mbpoll"),
            { QStringLiteral("-m"), QStringLiteral("tcp"), QStringLiteral("-p"), QStringLiteral("15094"),
                QStringLiteral("-a"), QStringLiteral("1"), QStringLiteral("-t"), QStringLiteral("4"),
                QStringLiteral("-r"), QString::number(change.first - 40000), QStringLiteral("-1"),
                QStringLiteral("127.0.0.94"), QString::number(change.second) });
        QVERIFY(mbpoll.waitForFinished(10000));
        QCOMPARE(mbpoll.exitCode(), 0);
    }
    unit->storeRegisters(unit->findItem(QStringLiteral("225")), 1, { 1800 });
    unit->storeRegisters(unit->findItem(QStringLiteral("311")), 2, { 2 });

    file = dir.filePath(QStringLiteral("unit.dat"));
    const CliRun read
        = runCli({ QStringLiteral("read"), QStringLiteral("--out"), file, QStringLiteral("--tcp"), link,
            QStringLiteral("--delay"), QStringLiteral("35"), QStringLiteral("--data"), dir.path() });
    QVERIFY2(read.exitCode == 0, qPrintable(read.err));
}

void TestCliDatFile::compareWithUnit(const TreeModel &opened)
{
    const QVector<TreeItem *> expected = unit->allItems();
    const QVector<TreeItem *> actual = opened.allItems();
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        for (int column = TreeItem::SetAColumn; column < TreeItem::ColumnCount; ++column) {
            const QString where
                = expected[i]->text(TreeItem::MenuColumn) + QLatin1Char('/') + QString::number(column);
            QVERIFY2(actual[i]->text(column) == expected[i]->text(column),
                qPrintable(where + QStringLiteral(": ") + actual[i]->text(column) + QStringLiteral(" != ")
                    + expected[i]->text(column)));
        }
    }
    QCOMPARE(opened.findItem(QStringLiteral("225"))->text(TreeItem::SetAColumn + 1), QStringLiteral("1800"));
    QCOMPARE(
        opened.findItem(QStringLiteral("311"))->text(TreeItem::SetAColumn + 2), QStringLiteral("Torque"));
}

void TestCliDatFile::parametersViewOpensTheUnitsValues()
{
    ScriptedPrompter prompter;
    Parameters view(prompter);
    QSignalSpy opened(&view, &Parameters::vxUISigSendFileName);
    prompter.expectOpenFile(file);
    view.vxUISlotOpenBtnClicked();
    QVERIFY2(prompter.problems().isEmpty(), qPrintable(prompter.problems()));
    QCOMPARE(opened.count(), 1);
    QCOMPARE(opened.at(0).at(0).toString(), QStringLiteral("CLT-0040 (*.94)"));
    const auto *model = opened.at(0).at(6).value<TreeModel *>();
    QVERIFY(model);
    compareWithUnit(*model);
}

void TestCliDatFile::readEqualsWhatTheWindowSaves()
{
    // The installation's settings: customer data, link timing, faults stop.
    SettingsRecord settings;
    settings.customer = { "Ackerly Pumps", "1 Mill Lane", "", "Yard 3", "Leeds", "UK", "+44 113", "J. Doe",
        "Line 2", "Cooling", "R. Roe", "SN-0042" };
    settings.delayMs = 40;
    settings.retries = 1;
    settings.continueDespiteFault = false;
    QVERIFY(SettingsFile::save(settings, AppPaths::settingsPath()));
    const auto removeSettings = qScopeGuard([] { QFile::remove(AppPaths::settingsPath()); });
    SimPeer sim;
    QVERIFY2(sim.startTcp(QStringLiteral("127.0.0.94:15194"),
                 { QStringLiteral("--data"), dir.path(), QStringLiteral("--device"),
                     QStringLiteral("CLTV1.00.csv") }),
        qPrintable(sim.errorOutput()));

    const QString fromCli = dir.filePath(QStringLiteral("cli.dat"));
    const CliRun read = runCli({ QStringLiteral("read"), QStringLiteral("--out"), fromCli,
        QStringLiteral("--tcp"), QStringLiteral("127.0.0.94:15194"), QStringLiteral("--data"), dir.path() });
    QVERIFY2(read.exitCode == 0, qPrintable(read.err));

    // The window's road: the add-unit and read-all operations of its worker, the model the tab
    // controller builds, and "Save" in the parameters view with the settings' customer data.
    namespace F = UnitEntryField;
    VxCommModbusMaster master(3);
    master.VxCommSetMsgDelay(int(settings.delayMs));
    master.VxCommSetNoOfRetries(int(settings.retries));
    WorkerOps::Context ctx;
    ctx.master = &master;
    ctx.entry = F::emptyEntry();
    ctx.entry[F::Number] = QStringLiteral("1");
    ctx.entry[F::Interface] = F::tcpIp();
    ctx.entry[F::IpAddress] = QStringLiteral("127.0.0.94");
    WorkerOps::AddUnitRequest request;
    request.tcpPort = 15194;
    QCOMPARE(WorkerOps::addUnit(ctx, request), 1);
    QString deviceFile = ctx.entry[F::DeviceFile];
    if (QFileInfo(deviceFile).isRelative())
        deviceFile = QDir(AppPaths::csvDir()).filePath(deviceFile);
    TreeModel model(deviceFile, settings.language, ctx.entry[F::Inom], ctx.entry[F::Pnom], true);
    ctx.model = &model;
    QCOMPARE(WorkerOps::readAllParameters(ctx), WorkerOps::Completed);
    master.VxCommCloseLink();

    ScriptedPrompter prompter;
    Parameters view(prompter);
    view.setCustomerData(QStringList(settings.customer.begin(), settings.customer.end()));
    view.vxUISlotSetTreeView(ctx.entry, &model);
    const QString fromWindow = dir.filePath(QStringLiteral("window.dat"));
    prompter.expectSaveFile(fromWindow);
    view.vxUISlotSaveBtnClicked();
    QVERIFY2(prompter.problems().isEmpty(), qPrintable(prompter.problems()));

    QFile cli(fromCli), window(fromWindow);
    QVERIFY(cli.open(QIODevice::ReadOnly) && window.open(QIODevice::ReadOnly));
    const QByteArray cliBytes = cli.readAll();
    QVERIFY(cliBytes.contains("Ackerly Pumps;;;;;;;;;\n"));
    QCOMPARE(cliBytes, window.readAll());
}

QTEST_MAIN(TestCliDatFile)
#include "tst_clidatfile.moc"
