// The main window: its start, what the controller's signals make of its actions and alert line,
// quitting, log-off and login, the header's links, the running window switched to each language
// and back, and the customer data texts reaching the settings and the parameters view.
#include "aboutscreen.h"
#include "addunit.h"
#include "apppaths.h"
#include "autoscansettings.h"
#include "commsettings.h"
#include "compareparameters.h"
#include "conditionaltrigger.h"
#include "connect.h"
#include "customerdatadialog.h"
#include "datfile.h"
#include "editfavorites.h"
#include "ftpwindow.h"
#include "headerline.h"
#include "leveltrigger.h"
#include "linkmonitorwindow.h"
#include "loginframe.h"
#include "oscilloscopewidget.h"
#include "oscisettings.h"
#include "oscprintgui.h"
#include "parameters.h"
#include "parametertoolbar.h"
#include "preferences.h"
#include "programoptions.h"
#include "rolechange.h"
#include "scancontroller.h"
#include "scanning.h"
#include "screenfit.h"
#include "scriptedprompter.h"
#include "setlanguage.h"
#include "settingsbinder.h"
#include "startoptions.h"
#include "tabwidget.h"
#include "triggersettings.h"
#include "vxmainwindow.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSignalSpy>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QWindow>
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

    void controllerSignalsDriveTheirOwnAction_data();
    void controllerSignalsDriveTheirOwnAction();
    void alertColourFollowsFailureWord_data();
    void alertColourFollowsFailureWord();
    void alertBlinksSixTicksAndASecondAlertRestartsIt();
    void windowSaysWhatHappened();
    void quitAsksFirst_data();
    void quitAsksFirst();
    void roleChangeLogsOffAndLoginReturns();
    void headerLinksOpenTheirDialogs();
    void userGuidePdfReadsAsABook();
    void loginChecksServicePasswordOnly_data();
    void loginChecksServicePasswordOnly();
    void languageFromDialogAndStoredReachesHeader();
    void eachLanguageChangesTextsAndEnglishReturns();
    void customerDataTextsReachSettingsAndView();
    void filesNamedAtStartGoToTheirViews();
    void panesNeverCollapseAndTheLayoutOutlivesTheWindow();
    // Run by ctest at QT_SCALE_FACTOR=1.5 as well (tst_vxmainwindow_150).
    void everyWindowFitsA1366x768Screen();

private:
    void writePasswordLine(const QByteArray &line);
    static QStringList texts(const VXMainWindow &w);
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
    AppPaths::setBaseDir(m_home.path());
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void TestVXMainWindow::controllerSignalsDriveTheirOwnAction_data()
{
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<int>("id");
    const auto row = [](const char *signal, int id) { QTest::newRow(signal) << QByteArray(signal) << id; };
    row("newAction", VXMainWindow::NewAct);
    row("openAction", VXMainWindow::OpenAct);
    row("saveAction", VXMainWindow::SaveAct);
    row("printAction", VXMainWindow::PrintAct);
    row("compareAction", VXMainWindow::CompareAct);
    row("LFDAction", VXMainWindow::LoadFromDriveAct);
    row("LTDAction", VXMainWindow::LoadToDriveAct);
    row("datFileInfoAction", VXMainWindow::DatFileInfoAct);
    row("LangAction", VXMainWindow::LanguageAct);
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
}

void TestVXMainWindow::alertColourFollowsFailureWord()
{
    QFETCH(QString, text);
    QFETCH(QString, style);
    // Through the controller's signal, the way alerts really arrive.
    emit m_window->tabController()->alertNotifcation(text);
    QLabel *alert = m_window->headerLine()->alertLabel();
    QCOMPARE(alert->styleSheet(), style);
    QVERIFY(m_window->alertTimer()->isActive());
}

void TestVXMainWindow::alertBlinksSixTicksAndASecondAlertRestartsIt()
{
    QLabel *alert = m_window->headerLine()->alertLabel();
    m_window->onAlertNotification("failure: port not open");
    for (int tick = 0; tick < 3; ++tick)
        m_window->onTimeout();
    QCOMPARE(alert->styleSheet(), hidden);

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
}

void TestVXMainWindow::windowSaysWhatHappened()
{
    TabWidget *tab = m_window->tabController();
    // It starts in the main view as "Normal".
    QVERIFY(m_window->isMainViewShown());
    QCOMPARE(tab->currentIndex(), 0);
    QVERIFY(m_window->headerLine()->userLabel()->isEnabled());
    // The pictures the header names are compiled in.
    for (const char *picture : { ":/EnglandFlag.png", ":/VXLogo.png", ":/Divider.png" })
        QVERIFY2(!QPixmap(picture).isNull(), picture);
    // Foreground requests of the controller reach the window's controller signal.
    QSignalSpy forwarded(tab, &TabWidget::raiseWidget);
    emit tab->bringAppToForeGround();
    QCOMPARE(forwarded.count(), 1);

    emit tab->statusMessage(QStringLiteral("Saved pump-21.dat"));
    QCOMPARE(m_window->statusBar()->currentMessage(), QStringLiteral("Saved pump-21.dat"));
    emit tab->busy(QStringLiteral("Connecting to unit 1 at 127.0.0.9..."));
    QVERIFY(m_window->busyLabel()->isVisibleTo(m_window.get()));
    emit tab->busy(QString());
    QVERIFY(!m_window->busyLabel()->isVisibleTo(m_window.get()));

    // The alert line shows a row as a sentence, clipped: the tool tip holds it whole, a click opens
    // the list. The unit answering again ends it.
    const QString row = "1\tRVN48-003 (*.83)\t10.0.0.83\t%1\t%2\t----\terror information";
    m_window->onAlertNotification(row.arg("failure", "No Connection with given IP"));
    QCOMPARE(m_window->headerLine()->alertLabel()->toolTip(),
        QString("RVN48-003 (*.83): No Connection with given IP"));
    QTest::mouseClick(m_window->headerLine()->alertLabel(), Qt::LeftButton);
    QCOMPARE(tab->currentIndex(), int(TabWidget::AlertsTab));
    m_window->onAlertNotification(row.arg("success", "device answers again"));
    QVERIFY(m_window->headerLine()->alertLabel()->text().isEmpty());
    QVERIFY(!m_window->alertTimer()->isActive());

    // Every menu action lists its shortcut.
    for (int i = 0; i < VXMainWindow::ActionCount; ++i)
        QVERIFY2(!m_window->action(VXMainWindow::ActionId(i))->shortcut().isEmpty(),
            qPrintable(QString::number(i)));

    // The user guide: said when missing, handed to the desktop when present.
    QList<QUrl> opened;
    m_window->setUrlOpener([&](const QUrl &url) {
        opened << url;
        return true;
    });
    QFile::remove(VXMainWindow::userGuidePath());
    m_prompter->expectWarning(
        QStringLiteral("The user guide was not found:\n%1").arg(VXMainWindow::userGuidePath()), "Warning");
    m_window->action(VXMainWindow::UserGuideAct)->trigger();
    QFile guide(VXMainWindow::userGuidePath());
    QVERIFY(guide.open(QIODevice::WriteOnly));
    guide.close();
    m_window->action(VXMainWindow::UserGuideAct)->trigger();
    QCOMPARE(opened, QList<QUrl> { QUrl::fromLocalFile(VXMainWindow::userGuidePath()) });
}

void TestVXMainWindow::quitAsksFirst_data()
{
    QTest::addColumn<bool>("viaExitAction");
    QTest::addColumn<bool>("yes");
    QTest::newRow("close, No keeps the window") << false << false;
    QTest::newRow("close, Yes closes and drops the controller") << false << true;
    QTest::newRow("Exit action, No keeps the window") << true << false;
}

void TestVXMainWindow::quitAsksFirst()
{
    QFETCH(bool, viaExitAction);
    QFETCH(bool, yes);
    m_window->show();
    QPointer<TabWidget> tab = m_window->tabController();
    m_prompter->expectQuestion(quitText, yes ? QMessageBox::Yes : QMessageBox::No, "Warning");
    if (viaExitAction)
        m_window->action(VXMainWindow::ExitAct)->trigger();
    else
        QCOMPARE(m_window->close(), yes);
    QCOMPARE(m_window->isVisible(), !yes);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(tab.isNull(), yes);
    if (yes) { // once confirmed, a further close does not ask again
        QVERIFY(m_window->close());
        QCOMPARE(m_prompter->seen().size(), 1);
    }
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
    QVERIFY(!w.headerLine()->userLabel()->isEnabled());
    // Only the language and the exit stay available while logged off.
    for (int i = 0; i < VXMainWindow::ActionCount; ++i) {
        const auto id = VXMainWindow::ActionId(i);
        if (id <= VXMainWindow::LoadToDriveAct
            || (id >= VXMainWindow::PreferencesAct && id <= VXMainWindow::CommunicationAct))
            QVERIFY2(!w.action(id)->isEnabled(), qPrintable(w.action(id)->text()));
    }
    QVERIFY(w.action(VXMainWindow::LanguageAct)->isEnabled());
    QVERIFY(w.action(VXMainWindow::ExitAct)->isEnabled());
    // A unit changing state meanwhile brings none of them back.
    w.tabController()->vxUISlotEnableParamSettings();
    QVERIFY(!w.action(VXMainWindow::NewAct)->isEnabled() && !w.action(VXMainWindow::OpenAct)->isEnabled());

    // "Reset" returns to "Normal" and disables the password field.
    w.loginFrame()->roleBox()->setCurrentIndex(1);
    QVERIFY(w.loginFrame()->passwordEdit()->isEnabled());
    w.loginFrame()->passwordEdit()->setText("secret");
    w.loginFrame()->resetButton()->click();
    QCOMPARE(w.loginFrame()->roleBox()->currentIndex(), 0);
    QVERIFY(w.loginFrame()->passwordEdit()->text().isEmpty() && !w.loginFrame()->passwordEdit()->isEnabled());

    // Back in as "Service": the header names the role chosen in the login frame.
    w.tabController()->setCurrentIndex(3);
    writePasswordLine("83 119 101 35 53"); // "Svc 1": each code raised by its position
    w.loginFrame()->roleBox()->setCurrentIndex(1);
    QTest::keyClicks(w.loginFrame()->passwordEdit(), "Svc 1");
    QTest::keyClick(w.loginFrame()->passwordEdit(), Qt::Key_Return);
    QVERIFY(w.isMainViewShown());
    QCOMPARE(w.tabController()->currentIndex(), 0);
    QVERIFY(w.headerLine()->userLabel()->text().contains("<a href=\"User\">Service</a>"));
    QVERIFY(w.action(VXMainWindow::CustomerDataAct)->isEnabled());
    QVERIFY(w.action(VXMainWindow::NewAct)->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(w.isMaximized(), 2000);
}

void TestVXMainWindow::writePasswordLine(const QByteArray &line)
{
    QFile file(m_home.path() + "/configData/pwFile.txt");
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(line + "\nsecond line is ignored\n");
}

void TestVXMainWindow::loginChecksServicePasswordOnly_data()
{
    QTest::addColumn<QByteArray>("fileLine"); // "-" for no file
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("admitted");
    QTest::addColumn<QString>("alert");
    const QByteArray pw = "84 119 37 58 36 125"; // "Tv#7 x"
    QTest::newRow("exact password") << pw << 1 << "Tv#7 x" << true << "View for alert(s) / notification(s)";
    QTest::newRow("trailing blank fails") << pw << 1 << "Tv#7 x " << false << "Invalid password";
    QTest::newRow("numbers taken as codes") << pw << 1 << "Tw%:$}" << false << "Invalid password";
    QTest::newRow("number at the 64-bit limit")
        << QByteArray("84 -9223372036854775808") << 1 << "T" << false << "Invalid password";
    QTest::newRow("missing file") << QByteArray("-") << 1 << "Tv#7 x" << false << "Password File is missing";
    QTest::newRow("empty first line lets nobody in")
        << QByteArray("") << 1 << "" << false << "Invalid password";
    QString longPassword(1200, 'a'), longLine;
    for (int i = 0; i < longPassword.size(); ++i)
        longLine += QString::number('a' + i) + ' ';
    QTest::newRow("line far beyond any password")
        << longLine.toLatin1() << 1 << longPassword << false << "Invalid password";
    QTest::newRow("normal ignores disabled field") << QByteArray("-") << 0 << "junk" << true << "";
}

void TestVXMainWindow::loginChecksServicePasswordOnly()
{
    QFETCH(QByteArray, fileLine);
    QFETCH(int, role);
    QFETCH(QString, typed);
    QFETCH(bool, admitted);
    QFETCH(QString, alert);
    QFile::remove(m_home.path() + "/configData/pwFile.txt");
    if (fileLine != "-")
        writePasswordLine(fileLine);
    VXMainWindow &w = *m_window;
    QSignalSpy level(w.tabController(), &TabWidget::accessLevelChanged);
    w.onRoleChangeClicked();
    w.loginFrame()->roleBox()->setCurrentIndex(role);
    w.loginFrame()->passwordEdit()->setText(typed);
    if (fileLine == "-" && role == 1) // the box names the command that makes the file
        m_prompter->expectWarning("Password File is missing\n\nAn administrator creates it on this computer "
                                  "with the command\ntarvolink-cli password");
    w.loginFrame()->loginButton()->click();
    QCOMPARE(w.isMainViewShown(), admitted);
    QCOMPARE(w.headerLine()->alertLabel()->text(), alert);
    QCOMPARE(w.action(VXMainWindow::CommunicationAct)->isEnabled(), admitted);
    QCOMPARE(level.count() ? level.at(0).at(0).toInt() : 0, admitted ? role + 1 : 0);
    // A wrong password is cleared for the next attempt.
    if (alert == "Invalid password")
        QVERIFY(w.loginFrame()->passwordEdit()->text().isEmpty());
}

// The built guide as a reader meets it (pdftotext, pdfimages): a contents list on the first two
// pages naming each chapter with the page it begins on, no page ending with a heading, the table
// on one page, every picture drawn, the service password explained, no developer's steps.
void TestVXMainWindow::userGuidePdfReadsAsABook()
{
    QFile source(TARVOLINK_SOURCE_DIR "/docs/user-guide.md");
    QVERIFY(source.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString markdown = QString::fromUtf8(source.readAll());
    QStringList headings, tableRows;
    for (const QString &line : markdown.split('\n')) {
        if (line.startsWith("## "))
            headings << line.mid(3);
        else if (line.startsWith("| "))
            tableRows << line.section('|', 1, 1).simplified();
    }
    const QString pdf = TARVOLINK_BIN_DIR "/UserGuideTarvolink.pdf";
    const auto run = [](const QString &program, const QStringList &arguments) {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput());
    };
    const QStringList pages = run("pdftotext", { "-layout", pdf, "-" }).split('\f');
    QVERIFY2(pages.size() > 3, "pdftotext (poppler-utils) could not read the guide");
    const QRegularExpression footer(" page \\d+ of \\d+$");
    QList<QStringList> lines; // each page's lines without the footer
    for (const QString &page : pages) {
        lines << QStringList();
        for (const QString &line : page.split('\n')) {
            if (!line.trimmed().isEmpty() && !footer.match(line).hasMatch())
                lines.last() << line.simplified();
        }
    }
    for (const QString &heading : headings) {
        const QRegularExpressionMatch entry = QRegularExpression(
            "^" + QRegularExpression::escape(heading) + " +(\\d+)$", QRegularExpression::MultilineOption)
                                                  .match(pages.at(0) + pages.at(1));
        QVERIFY2(entry.hasMatch(), qPrintable("not in the contents: " + heading));
        QVERIFY2(lines.value(entry.captured(1).toInt() - 1).contains(heading),
            qPrintable(heading + " is not on page " + entry.captured(1)));
    }
    for (int page = 0; page < lines.size(); ++page)
        QVERIFY2(lines.at(page).isEmpty() || !headings.contains(lines.at(page).last()),
            qPrintable(QString("page %1 ends with its heading").arg(page + 1)));
    QVERIFY(tableRows.size() > 3);
    // The table's first and last rows on one page.
    int tablePage = 0;
    while (tablePage < pages.size() && !pages.at(tablePage).simplified().contains(tableRows.at(1)))
        ++tablePage;
    QVERIFY(pages.value(tablePage).simplified().contains(tableRows.last()));
    const QString text = pages.join(' ');
    QVERIFY(text.contains("tarvolink-cli password"));
    for (const char *developerWord : { "scripts/", "run.sh", "tarvolink-sim", "pseudo-terminal", "/tmp/" })
        QVERIFY2(!text.contains(developerWord), developerWord);
    // pdfimages lists two heading lines, then one line per picture drawn.
    QCOMPARE(run("pdfimages", { "-list", pdf }).trimmed().split('\n').size() - 2,
        markdown.count("](screenshots/"));
}

void TestVXMainWindow::headerLinksOpenTheirDialogs()
{
    HeaderLine *header = m_window->headerLine();
    emit header->userLabel()->linkActivated("User");
    QVERIFY(m_window->roleChangeDialog()->isVisible());
    m_window->roleChangeDialog()->cancelButton()->click();
    QVERIFY(m_window->isMainViewShown());

    m_window->action(VXMainWindow::AboutAct)->trigger();
    QVERIFY(m_window->aboutDialog()->isVisible());

    QLabel *upgrade = m_window->tabController()->parameters()->findChild<ParameterToolBar *>()->upgradeLink();
    QVERIFY(!upgrade->isHidden());
    emit upgrade->linkActivated("Ftp");
    QVERIFY(m_window->ftpWindow() && m_window->ftpWindow()->isVisible());

    // The Link Monitor stays open beside the main window and listens only while it is open.
    m_window->action(VXMainWindow::LinkMonitorAct)->trigger();
    QVERIFY(
        m_window->linkMonitor()->isVisible() && !m_window->linkMonitor()->isModal() && LinkTap::listening());
    QVERIFY(m_window->linkMonitor()->close());
    QVERIFY(!LinkTap::listening());
}

void TestVXMainWindow::languageFromDialogAndStoredReachesHeader()
{
    SetLanguage *dialog = m_window->languageDialog();
    QSignalSpy views(m_window.get(), &VXMainWindow::langTranslation);
    // Opened from the header's link; "Cancel" changes nothing.
    emit m_window->headerLine()->languageLabel()->linkActivated("Lang");
    QVERIFY(dialog->isVisible());
    dialog->languageBox()->setCurrentIndex(5);
    dialog->cancelButton()->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(views.count(), 0);

    m_window->onLanguageActionTriggered();
    dialog->languageBox()->setCurrentIndex(5);
    dialog->okButton()->click();
    QCOMPARE(views.count(), 1);
    QCOMPARE(views.first().first().toInt(), 5);
    QVERIFY(m_window->headerLine()->languageLabel()->text().contains(QString::fromUtf8("Español")));

    // The language stored in the settings file.
    emit m_window->tabController()->vxUISetLangCombo(7);
    QCOMPARE(dialog->languageBox()->currentIndex(), 7);
    QVERIFY(m_window->headerLine()->languageLabel()->text().contains("Italiano"));
    QCOMPARE(views.count(), 2);

    // A damaged settings file with an unknown index shows English in both places.
    emit m_window->tabController()->vxUISetLangCombo(42);
    QCOMPARE(dialog->languageBox()->currentIndex(), 0);
    QVERIFY(m_window->headerLine()->languageLabel()->text().contains("English"));
}

QStringList TestVXMainWindow::texts(const VXMainWindow &w)
{
    TabWidget *tab = w.tabController();
    return { w.menuBar()->actions().at(1)->text(), w.action(VXMainWindow::ExitAct)->text(),
        w.action(VXMainWindow::NewAct)->statusTip(), w.loginFrame()->loginButton()->text(),
        tab->tabs()->tabText(TabWidget::LinkInformationTab), tab->commSettingsDialog()->windowTitle(),
        tab->scanController()->progressWindow()->windowTitle(), w.roleChangeDialog()->windowTitle(),
        // The toolkit's own texts: the buttons of every box and the file dialog.
        QDialogButtonBox(QDialogButtonBox::Cancel).button(QDialogButtonBox::Cancel)->text(),
        QCoreApplication::translate("QFileDialog", "&Open") };
}

void TestVXMainWindow::eachLanguageChangesTextsAndEnglishReturns()
{
    // The build's own folder: general.csv and the catalogues as the build installs them.
    QCOMPARE(QDir(TARVOLINK_BIN_DIR "/configData").entryList({ "vx_*.qm" }).size(),
        SetLanguage::LanguageCount - 1);
    AppPaths::setBaseDir(TARVOLINK_BIN_DIR);
    VXMainWindow w(std::make_unique<ScriptedPrompter>());
    const QStringList english = texts(w);
    const char *const settingsMenus[] = { "Inställningar", "Instellingen", "Einstellungen", "Paramètres",
        "Configuración", "Настройки", "Impostazioni", "Nastavení", "Ayarlar", "Definições" };
    for (int index = 1; index < SetLanguage::LanguageCount; ++index) {
        w.onLangSelectionChanged(uint(index));
        const QStringList translated = texts(w);
        QCOMPARE(translated.at(0), QString::fromUtf8(settingsMenus[index - 1]));
        for (int i = 0; i < translated.size(); ++i)
            QVERIFY2(translated.at(i) != english.at(i), qPrintable(english.at(i) + " stayed English"));
        QVERIFY(w.headerLine()->languageLabel()->text().contains(SetLanguage::flagPath(index)));
        QCOMPARE(w.tabController()->settings().record().language, uint(index));
        w.onLangSelectionChanged(0);
        QCOMPARE(texts(w), english);
    }
    // An index beyond the table, as a damaged settings file may hold, shows English.
    w.onLangSelectionChanged(3);
    w.onLangSelectionChanged(11);
    QCOMPARE(texts(w), english);
    QVERIFY(w.headerLine()->languageLabel()->text().contains("English"));
}

void TestVXMainWindow::customerDataTextsReachSettingsAndView()
{
    TabWidget &t = *m_window->tabController();
    t.settings().record().customer[0] = QStringLiteral("Old Pumps AB");
    // "Cancel" keeps the old texts, then "OK" keeps the edit.
    for (const bool accept : { false, true }) {
        t.vxUISlotCustomerDataSelected();
        auto *dialog = t.findChild<CustomerDataDialog *>(QStringLiteral("customerDataDialog"));
        QVERIFY(dialog);
        QCOMPARE(dialog->field(0)->text(), QStringLiteral("Old Pumps AB"));
        QVERIFY(!dialog->field(0)->isReadOnly());
        dialog->field(0)->setText(QStringLiteral("Müller Pumpen GmbH"));
        dialog->field(8)->setText(QStringLiteral("Pumpwerk 3"));
        accept ? dialog->accept() : dialog->reject();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // each opening makes a new one
        const QString company
            = accept ? QStringLiteral("Müller Pumpen GmbH") : QStringLiteral("Old Pumps AB");
        QCOMPARE(t.settings().record().customer[0], company);
        QCOMPARE(t.settings().record().customer[8], accept ? QStringLiteral("Pumpwerk 3") : QString());
    }
    QCOMPARE(t.parameters()->customerData().value(8), QStringLiteral("Pumpwerk 3"));
}

// "tarvolink FILE.rec FILE.dat", as the desktop hands over a double-clicked file: each goes to
// the view that opens it, which speaks for a file it cannot read.
void TestVXMainWindow::filesNamedAtStartGoToTheirViews()
{
    TabWidget *tab = m_window->tabController();
    const QString rec = m_home.filePath("run.rec"), dat = m_home.filePath("pump.dat");
    for (const QString &path : { rec, dat }) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("no file of ours\n") > 0);
    }
    m_prompter->expectCritical("Invalid Rec file", "Error");
    StartOptions::openFiles(*tab, { rec });
    QCOMPARE(tab->currentIndex(), int(TabWidget::OscilloscopeTab));
    m_prompter->expectCritical(DatFile::readHeader(dat, AppPaths::csvDir()).message, "Error");
    StartOptions::openFiles(*tab, { dat });
    QCOMPARE(tab->currentIndex(), int(TabWidget::ParametersTab));
    QCOMPARE(m_prompter->pending(), 0);
}

void TestVXMainWindow::panesNeverCollapseAndTheLayoutOutlivesTheWindow()
{
    QFile::remove(ProgramOptions::defaultPath());
    ScreenFit::setAvailableArea(QRect(0, 0, 1000, 640));
    m_window->showRestored();
    // The first start fills the screen's available area, window manager or not.
    QCOMPARE(m_window->frameGeometry(), QRect(0, 0, 1000, 640));
    QSplitter *panes = m_window->tabController()->splitter();
    m_window->tabController()->setCurrentIndex(TabWidget::OscilloscopeTab);
    panes->setSizes({ 0, 1000 });
    QVERIFY(panes->sizes().at(0) >= panes->widget(0)->minimumSizeHint().width());
    QVERIFY(panes->widget(0)->minimumSizeHint().width() > 150); // room for its buttons and names
    m_window->showNormal();
    QCoreApplication::processEvents();
    m_window->setGeometry(20, 30, 1250, 700);
    QCoreApplication::processEvents();
    panes->setSizes({ 300, panes->sizes().at(0) + panes->sizes().at(1) - 300 });
    const QList<int> divided = panes->sizes();
    m_prompter->expectQuestion(quitText, QMessageBox::Yes, "Warning");
    QVERIFY(m_window->close());

    // The next start: where the window was, its panes as they were.
    init();
    m_window->showRestored();
    QCOMPARE(m_window->geometry(), QRect(20, 30, 1250, 700));
    QCOMPARE(divided.at(0), 300);
    QCOMPARE(m_window->tabController()->splitter()->sizes().at(0), 300);
    ScreenFit::setAvailableArea(QRect());
}

void TestVXMainWindow::everyWindowFitsA1366x768Screen()
{
    // The screen's area in the window's own units: at 150 % a 1366 x 768 screen holds 911 x 512.
    const qreal scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
        ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
        : 1.0;
    const QRect screen(0, 0, qFloor(1366 / scale), qFloor(768 / scale));
    ScreenFit::setAvailableArea(screen);
    QFile::remove(ProgramOptions::defaultPath());
    VXMainWindow &w = *m_window;
    TabWidget *tab = w.tabController();
    w.showRestored();
    // The headless platform maximises to a screen of its own: put the window where a screen
    // without a window manager leaves it, on the whole area.
    w.showNormal();
    QCoreApplication::processEvents();
    w.setGeometry(screen.marginsRemoved(w.windowHandle()->frameMargins()));
    QStringList problems;
    const auto check = [&](QWidget *window, const QString &what) {
        QTest::qWait(50); // layouts settle through a few rounds of posted requests
        if (!screen.contains(window->frameGeometry()))
            problems << QString("%1 at %2,%3 %4x%5")
                            .arg(what)
                            .arg(window->x())
                            .arg(window->y())
                            .arg(window->width())
                            .arg(window->height());
        // Content cut at the side of an area that only scrolls up and down.
        for (QScrollArea *area : window->findChildren<QScrollArea *>())
            if (area->isVisibleTo(window) && area->widget()
                && area->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff
                && area->widget()->width() > area->viewport()->width())
                problems << QString("%1: content %2 wide in %3")
                                .arg(what)
                                .arg(area->widget()->width())
                                .arg(area->viewport()->width());
        // A text cut off although the window could give it its room.
        for (QWidget *child : window->findChildren<QWidget *>()) {
            // A width fixed on purpose (a one-sign button) is the designer's choice.
            if (!child->isVisibleTo(window) || child->window() != window
                || child->minimumWidth() == child->maximumWidth())
                continue;
            const auto *label = qobject_cast<QLabel *>(child);
            const auto *button = qobject_cast<QAbstractButton *>(child);
            if ((label && !label->wordWrap() && !label->text().isEmpty())
                || (button && !button->text().isEmpty()))
                if (child->width() < child->minimumSizeHint().width())
                    problems << QString("%1: \"%2\" %3 < %4")
                                    .arg(what, label ? label->text() : button->text())
                                    .arg(child->width())
                                    .arg(child->minimumSizeHint().width());
        }
    };
    // In every language: translations are longer than the English texts, some by half.
    for (const QString &qm : QDir(TARVOLINK_BIN_DIR "/configData").entryList({ "vx_*.qm" }))
        QFile::copy(TARVOLINK_BIN_DIR "/configData/" + qm, m_home.path() + "/configData/" + qm);
    OscilloscopeWidget *scope = tab->oscilloscope();
    QList<QWidget *> dialogs;
    dialogs << w.languageDialog() << w.roleChangeDialog() << w.aboutDialog() << tab->commSettingsDialog()
            << tab->preferencesDialog() << tab->detailsPanel()->addUnitDialog()
            << tab->scanController()->settingsDialog() << scope->triggerSettings() << scope->levelTrigger()
            << scope->conditionalTrigger() << scope->settingsDialog() << scope->printDialog()
            << scope->favoritesDialog();
    w.action(VXMainWindow::LinkMonitorAct)->trigger();
    dialogs << w.linkMonitor();
    for (int language = 0; language < SetLanguage::LanguageCount; ++language) {
        w.onLangSelectionChanged(uint(language));
        const QString in = SetLanguage::languageName(language) + ", ";
        for (int i = 0; i < tab->tabs()->count(); ++i) {
            tab->setCurrentIndex(i);
            check(&w, in + "main window, tab " + tab->tabs()->tabText(i));
        }
        for (QWidget *dialog : dialogs) {
            dialog->show();
            check(dialog, in + dialog->windowTitle());
            dialog->hide();
        }
    }
    w.onLangSelectionChanged(0);
    tab->vxUISlotShowComparePrmScreen();
    auto *compare = w.findChild<CompareParameters *>();
    QVERIFY(compare);
    check(compare, compare->windowTitle());
    compare->close();
    ScreenFit::setAvailableArea(QRect());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

QTEST_MAIN(TestVXMainWindow)
#include "tst_vxmainwindow.moc"
