#include "aboutscreen.h"
#include "apppaths.h"
#include "ftpwindow.h"
#include "headerline.h"
#include "loginframe.h"
#include "parameters.h"
#include "parametertoolbar.h"
#include "rolechange.h"
#include "scriptedprompter.h"
#include "setlanguage.h"
#include "tabwidget.h"
#include "vxmainwindow.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace {
const QString red = "background-color: black; border-radius: 5px; color: red";
const QString white = "background-color: black; border-radius: 5px; color: white";
const QString hidden = "background-color: black; border-radius: 5px; color: black";
const QString quitText = "Do you want to quit the Application?";
} // namespace

class TestVXMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsInMainViewAsNormal();
    void menusMatchTheirTable_data();
    void menusMatchTheirTable();
    void controllerSignalsDriveTheirOwnAction_data();
    void controllerSignalsDriveTheirOwnAction();
    void alertColourFollowsFailureWord_data();
    void alertColourFollowsFailureWord();
    void alertBlinksSixTicksAndStaysVisible();
    void secondAlertRestartsTheBlink();
    void alertBlinkEndsOnItsOwnTimer();
    void quitAnsweredNoKeepsWindow();
    void quitAnsweredYesClosesAndDropsController();
    void exitActionAsksBeforeQuitting();
    void roleChangeLogsOffAndLoginReturns();
    void loginFrameControls();
    void headerLinksOpenTheirDialogs();
    void languageChangeUpdatesLinkAndViews_data();
    void languageChangeUpdatesLinkAndViews();
    void languageDialogCancelChangesNothing();
    void storedLanguageReachesDialogAndHeader();
    void centredOnFirstShowOnly();
    void foregroundRequestReachesController();

private:
    std::unique_ptr<VXMainWindow> m_window;
    ScriptedPrompter *m_prompter = nullptr;
    QTemporaryDir m_home;
};

void TestVXMainWindow::initTestCase()
{
    QVERIFY(m_home.isValid());
    QVERIFY(QDir(m_home.path()).mkpath("configData"));
    QFile csv(m_home.path() + "/configData/general.csv");
    QVERIFY(csv.open(QIODevice::WriteOnly));
    AppPaths::setBaseDir(m_home.path());
    // Closing the window in a test must not end the test program.
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestVXMainWindow::init()
{
    auto prompter = std::make_unique<ScriptedPrompter>();
    m_prompter = prompter.get();
    m_window = std::make_unique<VXMainWindow>(std::move(prompter));
}

void TestVXMainWindow::cleanup()
{
    const QString problems = m_prompter->problems();
    m_window.reset();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void TestVXMainWindow::startsInMainViewAsNormal()
{
    VXMainWindow &w = *m_window;
    QCOMPARE(w.windowTitle(), QString("Tarvolink"));
    QCOMPARE(w.minimumSize(), QSize(400, 300));
    QVERIFY(w.isMainViewShown());
    QCOMPARE(w.tabController()->currentIndex(), 0);
    QVERIFY(w.headerLine()->userLabel()->text().contains("Logged on as: <a href=\"User\">Normal</a>"));
    QVERIFY(w.headerLine()->userLabel()->isEnabled());
    QVERIFY(w.headerLine()->languageLabel()->text().contains("<img src=\":/EnglandFlag.png\"> English"));
    QVERIFY(!QPixmap(":/EnglandFlag.png").isNull());
    QVERIFY(!QPixmap(":/VXLogo.png").isNull());
    QVERIFY(!QPixmap(":/Divider.png").isNull());
    QCOMPARE(w.centralWidget()->styleSheet(), QString("#centralWidget {background-color:#5792c6}"));
    QCOMPARE(w.headerLine()->styleSheet(), QString("background-color:#cdcdc8"));

    const QStringList tabs { "Parameters", "Oscilloscope", "Status", "Fault Logger", "Alerts",
        "Link Information" };
    QTabWidget *tabWidget = w.tabController()->tabs();
    QCOMPARE(tabWidget->count(), tabs.size());
    for (int i = 0; i < tabs.size(); ++i)
        QCOMPARE(tabWidget->tabText(i), tabs.at(i));
}

void TestVXMainWindow::menusMatchTheirTable_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<bool>("enabled");
    using W = VXMainWindow;
    auto row = [](int id, const char *menu, const char *text, QKeySequence key, const char *tip, bool on) {
        QTest::newRow(text) << id << QString(menu) << QString(text) << key << QString(tip) << on;
    };
    // A new or opened parameter set needs no unit; everything else needs a set to act on.
    row(W::NewAct, "File", "&New", QKeySequence::New, "Create a new parameter", true);
    row(W::OpenAct, "File", "&Open...", QKeySequence::Open, "Open parameter setting", true);
    row(W::SaveAct, "File", "&Save...", QKeySequence::Save, "Save parameter setting", false);
    row(W::PrintAct, "File", "&Print...", QKeySequence::Print, "Print parameter setting", false);
    row(W::CompareAct, "File", "Co&mpare...", QKeySequence("Ctrl+M"), "Compares two files", false);
    row(W::LoadFromDriveAct, "File", "&Load from drive", QKeySequence("Ctrl+L"),
        "Load parameter setting from drive", false);
    row(W::LoadToDriveAct, "File", "Load &to drive", QKeySequence("Ctrl+T"),
        "Load parameter setting to drive", false);
    row(W::DatFileInfoAct, "File", "&Dat File Information...", QKeySequence("Ctrl+D"),
        "Customer information of dat file", false);
    row(W::ExitAct, "File", "E&xit", QKeySequence("Ctrl+Q"), "Quit application", true);
    row(W::LanguageAct, "Settings", "Language...", QKeySequence(), "Change language", true);
    // Customer data becomes available once the main view is entered, which start-up does;
    // preferences and communication settings have no dialog yet and stay off.
    row(W::PreferencesAct, "Settings", "Preferences...", QKeySequence(), "Change preferences", false);
    row(W::CustomerDataAct, "Settings", "Customer data...", QKeySequence(), "Customer data", true);
    row(W::CommunicationAct, "Settings", "Communication...", QKeySequence(), "Communication settings", false);
    row(W::AboutAct, "Help", "About Tarvolink...", QKeySequence(), "About Tarvolink", true);
    row(W::UserGuideAct, "Help", "User guide...", QKeySequence(), "User guide", true);
}

void TestVXMainWindow::menusMatchTheirTable()
{
    QFETCH(int, id);
    QFETCH(QString, menu);
    QFETCH(QString, text);
    QFETCH(QKeySequence, shortcut);
    QFETCH(QString, tip);
    QFETCH(bool, enabled);
    QAction *a = m_window->action(VXMainWindow::ActionId(id));
    QCOMPARE(a->text(), text);
    QCOMPARE(a->shortcut(), shortcut);
    QCOMPARE(a->statusTip(), tip);
    QCOMPARE(a->isEnabled(), enabled);
    QCOMPARE(a->parent(), m_window.get());

    QMenu *owner = nullptr;
    for (QAction *menuAction : m_window->menuBar()->actions()) {
        if (menuAction->menu() && menuAction->menu()->actions().contains(a))
            owner = menuAction->menu();
    }
    QVERIFY(owner);
    QCOMPARE(owner->title(), menu);
}

void TestVXMainWindow::controllerSignalsDriveTheirOwnAction_data()
{
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<int>("id");
    QTest::newRow("new") << QByteArray("newAction") << int(VXMainWindow::NewAct);
    QTest::newRow("open") << QByteArray("openAction") << int(VXMainWindow::OpenAct);
    QTest::newRow("save") << QByteArray("saveAction") << int(VXMainWindow::SaveAct);
    QTest::newRow("print") << QByteArray("printAction") << int(VXMainWindow::PrintAct);
    QTest::newRow("compare") << QByteArray("compareAction") << int(VXMainWindow::CompareAct);
    QTest::newRow("load from drive") << QByteArray("LFDAction") << int(VXMainWindow::LoadFromDriveAct);
    QTest::newRow("load to drive") << QByteArray("LTDAction") << int(VXMainWindow::LoadToDriveAct);
    QTest::newRow("dat file info") << QByteArray("datFileInfoAction") << int(VXMainWindow::DatFileInfoAct);
    QTest::newRow("language") << QByteArray("LangAction") << int(VXMainWindow::LanguageAct);
}

void TestVXMainWindow::controllerSignalsDriveTheirOwnAction()
{
    QFETCH(QByteArray, signal);
    QFETCH(int, id);
    TabWidget *tab = m_window->tabController();
    QList<bool> before;
    for (int i = 0; i < VXMainWindow::ActionCount; ++i)
        before << m_window->action(VXMainWindow::ActionId(i))->isEnabled();

    const bool target = !before.at(id);
    QVERIFY(QMetaObject::invokeMethod(tab, signal.constData(), Q_ARG(bool, target)));
    for (int i = 0; i < VXMainWindow::ActionCount; ++i)
        QCOMPARE(m_window->action(VXMainWindow::ActionId(i))->isEnabled(), i == id ? target : before.at(i));

    // With no parameter set shown only "New" and "Open" are available.
    tab->vxUISlotEnableParamSettings();
    for (int i = VXMainWindow::NewAct; i <= VXMainWindow::LoadToDriveAct; ++i)
        QCOMPARE(m_window->action(VXMainWindow::ActionId(i))->isEnabled(),
            i == VXMainWindow::NewAct || i == VXMainWindow::OpenAct);
}

void TestVXMainWindow::alertColourFollowsFailureWord_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("style");
    QTest::newRow("lower-case word inside") << "1\tVX\tCOM3\tfailure\tport not open" << red;
    QTest::newRow("upper-case word") << "LINK FAILURE" << red;
    QTest::newRow("word glued to others") << "commfailures" << red;
    QTest::newRow("plain notification") << "device link established" << white;
    QTest::newRow("capitalised word is not the word") << "Failure" << white;
    QTest::newRow("empty") << "" << white;
}

void TestVXMainWindow::alertColourFollowsFailureWord()
{
    QFETCH(QString, text);
    QFETCH(QString, style);
    // Through the controller's signal, the way alerts really arrive.
    emit m_window->tabController()->alertNotifcation(text);
    QLabel *alert = m_window->headerLine()->alertLabel();
    QCOMPARE(alert->text(), text);
    QCOMPARE(alert->styleSheet(), style);
    QVERIFY(m_window->alertTimer()->isActive());
    QCOMPARE(m_window->alertTimer()->interval(), 500);
}

void TestVXMainWindow::alertBlinksSixTicksAndStaysVisible()
{
    QLabel *alert = m_window->headerLine()->alertLabel();
    m_window->onAlertNotification("failure: No Device Link");
    const QStringList expected { hidden, red, hidden, red, hidden };
    for (int tick = 0; tick < 5; ++tick) {
        m_window->onTimeout();
        QCOMPARE(alert->styleSheet(), expected.at(tick));
        QVERIFY2(
            m_window->alertTimer()->isActive(), qPrintable(QString("stopped after tick %1").arg(tick + 1)));
    }
    m_window->onTimeout();
    QVERIFY(!m_window->alertTimer()->isActive());
    QCOMPARE(alert->styleSheet(), red);
    QCOMPARE(alert->text(), QString("failure: No Device Link"));
}

void TestVXMainWindow::secondAlertRestartsTheBlink()
{
    QLabel *alert = m_window->headerLine()->alertLabel();
    m_window->onAlertNotification("failure: port not open");
    for (int tick = 0; tick < 3; ++tick)
        m_window->onTimeout();
    QCOMPARE(alert->styleSheet(), hidden);

    m_window->onAlertNotification("device link established");
    QCOMPARE(alert->styleSheet(), white);
    for (int tick = 0; tick < 5; ++tick) {
        m_window->onTimeout();
        QVERIFY2(
            m_window->alertTimer()->isActive(), qPrintable(QString("stopped after tick %1").arg(tick + 1)));
    }
    m_window->onTimeout();
    QVERIFY(!m_window->alertTimer()->isActive());
    QCOMPARE(alert->styleSheet(), white);
}

void TestVXMainWindow::alertBlinkEndsOnItsOwnTimer()
{
    QElapsedTimer clock;
    clock.start();
    m_window->onAlertNotification("Password File is missing");
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->alertTimer()->isActive(), 8000);
    // Six ticks of half a second; the bound allows for coarse timers firing slightly early.
    QVERIFY2(clock.elapsed() >= 2500, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(m_window->headerLine()->alertLabel()->styleSheet(), white);
}

void TestVXMainWindow::quitAnsweredNoKeepsWindow()
{
    m_window->show();
    QPointer<TabWidget> tab = m_window->tabController();
    m_prompter->expectQuestion(quitText, QMessageBox::No, "Warning");
    QVERIFY(!m_window->close());
    QVERIFY(m_window->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(tab);
    QVERIFY(m_window->isMainViewShown());
    const ScriptedPrompter::Prompt &asked = m_prompter->seen().last();
    QCOMPARE(asked.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(asked.defaultButton, QMessageBox::Yes);
}

void TestVXMainWindow::quitAnsweredYesClosesAndDropsController()
{
    m_window->show();
    QPointer<TabWidget> tab = m_window->tabController();
    m_prompter->expectQuestion(quitText, QMessageBox::Yes, "Warning");
    QVERIFY(m_window->close());
    QVERIFY(!m_window->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!tab);
    QVERIFY(!m_window->tabController());
    // Once confirmed, a further close does not ask again.
    QVERIFY(m_window->close());
    QCOMPARE(m_prompter->seen().size(), 1);
}

void TestVXMainWindow::exitActionAsksBeforeQuitting()
{
    m_window->show();
    m_prompter->expectQuestion(quitText, QMessageBox::No, "Warning");
    m_window->action(VXMainWindow::ExitAct)->trigger();
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_prompter->pending(), 0);
}

void TestVXMainWindow::roleChangeLogsOffAndLoginReturns()
{
    VXMainWindow &w = *m_window;
    // Confirming in the role-change dialog leads to the login frame.
    w.onLinkActivated("User");
    QVERIFY(w.roleChangeDialog()->isVisible());
    w.roleChangeDialog()->changeButton()->click();
    QVERIFY(!w.roleChangeDialog()->isVisible());

    QVERIFY(!w.isMainViewShown());
    QCOMPARE(w.centralStack()->currentWidget(), w.loginFrame());
    QCOMPARE(w.centralWidget()->styleSheet(), QString("#centralWidget {background-color:#C8C8D8}"));
    QVERIFY(!w.headerLine()->userLabel()->isEnabled());
    const QList<VXMainWindow::ActionId> offWhileLoggedOff { VXMainWindow::NewAct, VXMainWindow::OpenAct,
        VXMainWindow::SaveAct, VXMainWindow::PrintAct, VXMainWindow::CompareAct,
        VXMainWindow::LoadFromDriveAct, VXMainWindow::LoadToDriveAct, VXMainWindow::PreferencesAct,
        VXMainWindow::CustomerDataAct, VXMainWindow::CommunicationAct };
    for (int i = 0; i < VXMainWindow::ActionCount; ++i) {
        const auto id = VXMainWindow::ActionId(i);
        if (offWhileLoggedOff.contains(id))
            QVERIFY2(!w.action(id)->isEnabled(), qPrintable(w.action(id)->text()));
    }
    QVERIFY(w.action(VXMainWindow::LanguageAct)->isEnabled());
    QVERIFY(w.action(VXMainWindow::ExitAct)->isEnabled());

    // Back in as "Service": the header names the role chosen in the login frame.
    w.tabController()->setCurrentIndex(3);
    w.loginFrame()->roleBox()->setCurrentIndex(1);
    w.loginFrame()->loginButton()->click();
    QVERIFY(w.isMainViewShown());
    QCOMPARE(w.tabController()->currentIndex(), 0);
    QVERIFY(w.headerLine()->userLabel()->text().contains("<a href=\"User\">Service</a>"));
    QVERIFY(w.headerLine()->userLabel()->isEnabled());
    QVERIFY(w.action(VXMainWindow::CustomerDataAct)->isEnabled());
    QVERIFY(!w.action(VXMainWindow::PreferencesAct)->isEnabled());
    QVERIFY(w.action(VXMainWindow::NewAct)->isEnabled());
    QVERIFY(!w.action(VXMainWindow::SaveAct)->isEnabled()); // no parameter set is shown yet
    QTRY_VERIFY_WITH_TIMEOUT(w.isMaximized(), 2000);
}

void TestVXMainWindow::loginFrameControls()
{
    LoginFrame *login = m_window->loginFrame();
    QLineEdit *password = login->passwordEdit();
    QCOMPARE(password->echoMode(), QLineEdit::Password);
    QVERIFY(!password->isEnabled());
    QCOMPARE(login->roleBox()->count(), 2);
    QCOMPARE(login->roleBox()->itemText(0), QString("Normal"));
    QCOMPARE(login->roleBox()->itemText(1), QString("Service"));

    login->roleBox()->setCurrentIndex(1);
    QVERIFY(password->isEnabled());
    password->setText("secret");
    login->resetButton()->click();
    QCOMPARE(login->roleBox()->currentIndex(), 0);
    QVERIFY(password->text().isEmpty());
    QVERIFY(!password->isEnabled());

    // The "User" link clears what was typed before the role-change dialog opens.
    password->setText("left over");
    m_window->onLinkActivated("User");
    QVERIFY(password->text().isEmpty());
}

void TestVXMainWindow::headerLinksOpenTheirDialogs()
{
    HeaderLine *header = m_window->headerLine();
    emit header->languageLabel()->linkActivated("Lang");
    QVERIFY(m_window->languageDialog()->isVisible());
    QVERIFY(m_window->languageDialog()->isModal());
    m_window->languageDialog()->cancelButton()->click();
    QVERIFY(!m_window->languageDialog()->isVisible());

    emit header->changeLabel()->linkActivated("Lang");
    QVERIFY(m_window->languageDialog()->isVisible());
    m_window->languageDialog()->hide();

    emit header->userLabel()->linkActivated("User");
    QVERIFY(m_window->roleChangeDialog()->isVisible());
    m_window->roleChangeDialog()->cancelButton()->click();
    QVERIFY(m_window->isMainViewShown());

    m_window->action(VXMainWindow::AboutAct)->trigger();
    QVERIFY(m_window->aboutDialog()->isVisible());

    QLabel *upgrade = m_window->tabController()->parameters()->findChild<ParameterToolBar *>()->upgradeLink();
    QVERIFY(!upgrade->isHidden());
    QVERIFY(upgrade->text().contains("Upgrade CSV"));
    emit upgrade->linkActivated("Ftp");
    QVERIFY(m_window->ftpWindow() && m_window->ftpWindow()->isVisible());
}

void TestVXMainWindow::languageChangeUpdatesLinkAndViews_data()
{
    QTest::addColumn<uint>("index");
    QTest::addColumn<int>("applied");
    QTest::addColumn<QString>("link");
    QTest::newRow("Deutsch keeps its blank")
        << 3u << 3 << "<a href=\"Lang\" style=\"color:blue;\"> <img src=\":/German.png\"> Deutsch</a>";
    QTest::newRow("Svenska")
        << 1u << 1 << "<a href=\"Lang\" style=\"color:blue;\"><img src=\":/Sweden.png\"> Svenska</a>";
    QTest::newRow("out of range is English")
        << 11u << 0 << "<a href=\"Lang\" style=\"color:blue;\"><img src=\":/EnglandFlag.png\"> English</a>";
}

void TestVXMainWindow::languageChangeUpdatesLinkAndViews()
{
    QFETCH(uint, index);
    QFETCH(int, applied);
    QFETCH(QString, link);
    QSignalSpy views(m_window.get(), &VXMainWindow::langTranslation);
    m_window->onLangSelectionChanged(index);
    QCOMPARE(m_window->headerLine()->languageLabel()->text(), link);
    QCOMPARE(views.count(), 1);
    QCOMPARE(views.first().first().toInt(), applied);
    // No catalogue exists in the test installation: the English texts stay.
    QCOMPARE(m_window->action(VXMainWindow::NewAct)->text(), QString("&New"));
    QCOMPARE(m_window->tabController()->tabs()->tabText(0), QString("Parameters"));
}

void TestVXMainWindow::languageDialogCancelChangesNothing()
{
    SetLanguage *dialog = m_window->languageDialog();
    QCOMPARE(dialog->languageBox()->count(), SetLanguage::LanguageCount);
    QCOMPARE(dialog->languageBox()->itemText(9), QString::fromUtf8("Türkçe"));
    QSignalSpy views(m_window.get(), &VXMainWindow::langTranslation);

    m_window->onLanguageActionTriggered();
    dialog->languageBox()->setCurrentIndex(5);
    dialog->cancelButton()->click();
    QCOMPARE(views.count(), 0);
    QCOMPARE(dialog->languageBox()->currentIndex(), 0);
    QVERIFY(m_window->headerLine()->languageLabel()->text().contains("English"));

    m_window->onLanguageActionTriggered();
    dialog->languageBox()->setCurrentIndex(5);
    dialog->okButton()->click();
    QCOMPARE(views.count(), 1);
    QCOMPARE(views.first().first().toInt(), 5);
    QVERIFY(m_window->headerLine()->languageLabel()->text().contains(QString::fromUtf8("Español")));
}

void TestVXMainWindow::storedLanguageReachesDialogAndHeader()
{
    QSignalSpy views(m_window.get(), &VXMainWindow::langTranslation);
    emit m_window->tabController()->vxUISetLangCombo(7);
    QCOMPARE(m_window->languageDialog()->languageBox()->currentIndex(), 7);
    QVERIFY(m_window->headerLine()->languageLabel()->text().contains("Italiano"));
    QCOMPARE(views.count(), 1);

    // A damaged settings file with an unknown index shows English in both places.
    emit m_window->tabController()->vxUISetLangCombo(42);
    QCOMPARE(m_window->languageDialog()->languageBox()->currentIndex(), 0);
    QVERIFY(m_window->headerLine()->languageLabel()->text().contains("English"));
}

void TestVXMainWindow::centredOnFirstShowOnly()
{
    m_window->resize(500, 400);
    m_window->show();
    const QPoint screenCentre = m_window->screen()->availableGeometry().center();
    const QPoint windowCentre = m_window->geometry().center();
    QVERIFY2((screenCentre - windowCentre).manhattanLength() <= 4,
        qPrintable(QString("%1,%2").arg(windowCentre.x()).arg(windowCentre.y())));
    m_window->hide();
    m_window->move(10, 20);
    m_window->show();
    QCOMPARE(m_window->pos(), QPoint(10, 20));
}

void TestVXMainWindow::foregroundRequestReachesController()
{
    QSignalSpy forwarded(m_window->tabController(), &TabWidget::raiseWidget);
    emit m_window->tabController()->bringAppToForeGround();
    QCOMPARE(forwarded.count(), 1);
}

QTEST_MAIN(TestVXMainWindow)
#include "tst_vxmainwindow.moc"
