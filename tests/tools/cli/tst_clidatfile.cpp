// A parameter set file written by tarvolink-cli opens into a model holding exactly the unit's
// values, through the readers and through the window's parameters view, so either front end
// reads the other's files.
#include "apppaths.h"
#include "clitestsupport.h"
#include "datfile.h"
#include "parameters.h"
#include "scriptedprompter.h"
#include "treeitem.h"
#include "treemodel.h"

#include <QtTest>
#include <memory>

class TestCliDatFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readersOpenTheUnitsValues();
    void parametersViewOpensTheUnitsValues();

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

void TestCliDatFile::readersOpenTheUnitsValues()
{
    const DatFile::Header header = DatFile::readHeader(file, AppPaths::csvDir());
    QCOMPARE(int(header.status), int(DatFile::Status::Ok));
    QCOMPARE(header.deviceType, QStringLiteral("CLT-0040 (*.94)"));
    QCOMPARE(header.softwareVersion, QStringLiteral("V1.00"));
    TreeModel opened(header.deviceFile, 0, header.nominalCurrent, header.nominalPower, true);
    QVERIFY(opened.ParameterOpen(file));
    compareWithUnit(opened);
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

QTEST_MAIN(TestCliDatFile)
#include "tst_clidatfile.moc"
