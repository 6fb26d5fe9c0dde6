// A parameter set file written by tarvolink-cli opens through the window's parameters view into a
// model holding exactly the unit's values, and the window saves the same bytes, so either front
// end reads the other's files.
#include "apppaths.h"
#include "clitestsupport.h"
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
    QTemporaryDir dir;
    SimPeer sim;
    SettingsRecord settings;
    QString file;
    std::unique_ptr<TreeModel> unit;
};

void TestCliDatFile::initTestCase()
{
    QVERIFY(dir.isValid());
    QVERIFY(makeInstallation(dir.path()));
    AppPaths::setBaseDir(dir.path());
    // The installation's settings, which both front ends take: customer data, link timing, faults stop.
    settings.customer = { "Ackerly Pumps", "1 Mill Lane", "", "Yard 3", "Leeds", "UK", "+44 113", "J. Doe",
        "Line 2", "Cooling", "R. Roe", "SN-0042" };
    settings.delayMs = 40;
    settings.retries = 1;
    settings.continueDespiteFault = false;
    QVERIFY(SettingsFile::save(settings, AppPaths::settingsPath()));
    QVERIFY2(sim.startTcp(testHost(94) + ":15094", { "--data", dir.path(), "--device", "CLTV1.00.csv" }),
        qPrintable(sim.errorOutput()));

    // The unit as the simulator holds it: the delivered values of its description file, as
    // register words, plus two values another master changed behind our back.
    unit = std::make_unique<TreeModel>(AppPaths::csvDir() + "/CLTV1.00.csv", 0, "4,1", "1500", false);
    QVERIFY(unit->isValid());
    for (const TreeModel::ReadEntry &entry : unit->readList())
        unit->storeRegisters(entry.item, entry.set, unit->registerWords(entry.item, entry.set));
    const QList<QPair<int, int>> changes { { 41225, 1800 }, { 42311, 2 } };
    for (const auto &change : changes) {
        QProcess mbpoll;
        mbpoll.start("mbpoll",
            { "-m", "tcp", "-p", "15094", "-a", "1", "-t", "4", "-r", QString::number(change.first - 40000),
                "-1", testHost(94), QString::number(change.second) });
        QVERIFY(mbpoll.waitForFinished(10000));
        QCOMPARE(mbpoll.exitCode(), 0);
    }
    unit->storeRegisters(unit->findItem("225"), 1, { 1800 });
    unit->storeRegisters(unit->findItem("311"), 2, { 2 });

    file = dir.filePath("cli.dat");
    const CliRun read
        = runCli({ "read", "--out", file, "--tcp", testHost(94) + ":15094", "--data", dir.path() });
    QVERIFY2(read.exitCode == 0, qPrintable(read.err));
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
    QCOMPARE(opened.at(0).at(0).toString(), QString("CLT-0040 (*.94)"));
    const auto *model = opened.at(0).at(6).value<TreeModel *>();
    QVERIFY(model);
    const QVector<TreeItem *> expected = unit->allItems();
    const QVector<TreeItem *> actual = model->allItems();
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        for (int column = TreeItem::SetAColumn; column < TreeItem::ColumnCount; ++column) {
            const QString where = expected[i]->text(TreeItem::MenuColumn) + '/' + QString::number(column);
            QVERIFY2(actual[i]->text(column) == expected[i]->text(column),
                qPrintable(where + ": " + actual[i]->text(column) + " != " + expected[i]->text(column)));
        }
    }
    QCOMPARE(model->findItem("225")->text(TreeItem::SetAColumn + 1), QString("1800"));
    QCOMPARE(model->findItem("311")->text(TreeItem::SetAColumn + 2), QString("Torque"));
}

void TestCliDatFile::readEqualsWhatTheWindowSaves()
{
    // The window's road: the add-unit and read-all operations of its worker, the model the tab
    // controller builds, and "Save" in the parameters view with the settings' customer data.
    namespace F = UnitEntryField;
    VxCommModbusMaster master(3);
    master.VxCommSetMsgDelay(int(settings.delayMs));
    master.VxCommSetNoOfRetries(int(settings.retries));
    WorkerOps::Context ctx;
    ctx.master = &master;
    ctx.entry = F::emptyEntry();
    ctx.entry[F::Number] = "1";
    ctx.entry[F::Interface] = F::tcpIp();
    ctx.entry[F::IpAddress] = testHost(94);
    WorkerOps::AddUnitRequest request;
    request.tcpPort = 15094;
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
    const QString fromWindow = dir.filePath("window.dat");
    prompter.expectSaveFile(fromWindow);
    view.vxUISlotSaveBtnClicked();
    QVERIFY2(prompter.problems().isEmpty(), qPrintable(prompter.problems()));

    QFile cli(file), window(fromWindow);
    QVERIFY(cli.open(QIODevice::ReadOnly) && window.open(QIODevice::ReadOnly));
    const QByteArray cliBytes = cli.readAll();
    QVERIFY(cliBytes.contains("Ackerly Pumps;;;;;;;;;\n"));
    QCOMPARE(cliBytes, window.readAll());
}

QTEST_MAIN(TestCliDatFile)
#include "tst_clidatfile.moc"
