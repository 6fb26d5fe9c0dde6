// What a person does with the main window and the simulated drive: add the unit through the
// add-unit dialog, see it in the tree, read its parameters from the File menu with the progress
// dialog, disconnect and reconnect it from the details panel, remove it and quit. First the one
// box for a missing general.csv reported from worker threads.
#include "addunit.h"
#include "apppaths.h"
#include "connect.h"
#include "devicefilenotices.h"
#include "filesetkeeper.h"
#include "paramtransfer.h"
#include "scriptedprompter.h"
#include "settingsfile.h"
#include "simpeer.h"
#include "tabwidget.h"
#include "treemodel.h"
#include "unitstestsupport.h"
#include "unittreeframe.h"
#include "vxmainwindow.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QtTest>
#include <thread>

namespace {
const QString ip = testHost(73);
} // namespace

class TstMainWindowUnits : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void oneMissingGeneralCsvBoxThenAddReadDisconnectReconnectRemoveQuit();

private:
    ScriptedPrompter &prompter() { return static_cast<ScriptedPrompter &>(m_window->prompter()); }
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_device;
    std::unique_ptr<VXMainWindow> m_window;
};

void TstMainWindowUnits::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_device = prepareTestInstallation(m_dir->path());
    QVERIFY(!m_device.isEmpty());
    AppPaths::setBaseDir(m_dir->path());
    SettingsRecord settings;
    settings.importActive = false;
    settings.autoScanActive = false;
    settings.autoSave = false;
    settings.delayMs = 0;
    QVERIFY(SettingsFile::save(settings, AppPaths::settingsPath()));
    m_window = std::make_unique<VXMainWindow>(std::make_unique<ScriptedPrompter>());
}

void TstMainWindowUnits::cleanup()
{
    const QString problems = prompter().problems();
    const int pending = prompter().pending();
    m_window.reset();
    AppPaths::setBaseDir(QString());
    QCOMPARE(problems, QString());
    QCOMPARE(pending, 0);
}

void TstMainWindowUnits::oneMissingGeneralCsvBoxThenAddReadDisconnectReconnectRemoveQuit()
{
    prompter().expectCritical(QStringLiteral("General CSV File Not Found"), QStringLiteral("Error"));
    // Two readers on worker threads miss the file, each in its own reporting round.
    for (int i = 0; i < 2; ++i) {
        DeviceFileNotices::instance()->resetForTests();
        std::thread reader(
            [] { DeviceFileNotices::instance()->reportGeneralCsvMissing(QStringLiteral("x")); });
        reader.join();
    }
    QVERIFY(waitFor([&] { return prompter().pending() == 0; }, 2000));
    QTest::qWait(50);
    QCOMPARE(prompter().seen().size(), 1);

    SKIP_UNLESS_PORT_502();
    SimPeer sim;
    QVERIFY(sim.startTcp(ip, { "--data", m_dir->path(), "--device", m_device, "--size", "1" }));
    TabWidget *tab = m_window->tabController();
    QAction *loadFromDrive = m_window->action(VXMainWindow::LoadFromDriveAct);

    addunit *dialog = tab->detailsPanel()->addUnitDialog();
    // The dialog is filled without being shown: a shown dialog makes the headless platform warn,
    // and these tests make every warning fatal.
    dialog->pages()->setCurrentIndex(addunit::TcpIpPage);
    dialog->unitEdit(addunit::TcpIpPage)->setText(QStringLiteral("1"));
    dialog->ipEdit()->setText(ip);
    dialog->connectButton()->click();
    QVERIFY(!dialog->connectButton()->isEnabled()); // one click, one attempt

    QStandardItemModel *rows = tab->unitTree()->model(UnitTreeFrame::TcpIpGroup);
    QVERIFY(waitFor([&] { return rows->rowCount() == 1; }));
    QVERIFY(
        tab->unitTree()->entries(UnitTreeFrame::TcpIpGroup).first().value(1).startsWith("TST-0010 (*.73)"));
    QVERIFY(loadFromDrive->isEnabled());

    loadFromDrive->trigger();
    QProgressDialog *progress = tab->transfer()->dialog();
    QVERIFY(progress && progress->isVisible());
    QVERIFY(waitFor([&] { return !tab->transfer()->isOpen(); }, 20000));
    TreeModel *model = tab->modelOf(tab->currentUnit());
    const TreeModel::ReadEntry first = model->readList().first();
    TreeModel delivered(m_device, 0, QStringLiteral("12,5"), QStringLiteral("5500"), false);
    QCOMPARE(model->registerWords(first.item, first.set),
        delivered.registerWords(delivered.readList().first().item, first.set));

    QVERIFY(tab->unitTree()->selectUnit(QStringLiteral("TCPIP"), 0));
    QPushButton *linkButton = tab->detailsPanel()->connectButton();
    linkButton->click();
    QCOMPARE(linkButton->text(), QStringLiteral("Connect"));
    // The menu answers as the toolbar button does, instead of going grey.
    prompter().expectCritical(QStringLiteral("Device not connected"), QStringLiteral("Error"));
    loadFromDrive->trigger();
    QCOMPARE(prompter().pending(), 0);
    prompter().expectInformation(QStringLiteral("Device Link is established"), QStringLiteral("Information"));
    linkButton->click();
    QVERIFY(waitFor([&] { return linkButton->text() == QLatin1String("Disconnect"); }));

    tab->detailsPanel()->removeButton()->click();
    QCOMPARE(rows->rowCount(), 0);

    // A set from a file edited and not saved: quitting offers to save it before the quit question.
    auto set
        = std::make_unique<TreeModel>(m_device, 0, QStringLiteral("12,5"), QStringLiteral("5500"), false);
    const QModelIndex value = set->indexOf(set->GetEditableParameters().first(), 4);
    QVERIFY(set->setData(value, value.data()));
    tab->fileSets()->add(QStringLiteral("TST"), m_device, QStringLiteral("12,5"), QStringLiteral("5500"),
        QStringLiteral("V1.0"), QStringLiteral("TST : pump"), set.release());
    // The tree and the details follow the set just opened.
    QCOMPARE(tab->unitTree()->selectedRow(UnitTreeFrame::FileGroup), 0);
    QCOMPARE(tab->detailsPanel()->currentEntry().value(3), QStringLiteral("FILE"));
    const QString saved = m_dir->filePath(QStringLiteral("pump.dat"));
    prompter()
        .expectQuestion(QStringLiteral("These parameter sets have changes that are not saved:\nTST : pump\n\n"
                                       "Do you want to save them?"),
            QMessageBox::Yes)
        .expectSaveFile(saved)
        .expectQuestion(QStringLiteral("Do you want to quit the Application?"), QMessageBox::Yes);
    QVERIFY(m_window->close());
    QVERIFY(QFileInfo::exists(saved));
}

TARVOLINK_WIDGET_TEST_MAIN(TstMainWindowUnits)

#include "tst_mainwindowunits.moc"
