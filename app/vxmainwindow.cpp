#include "vxmainwindow.h"

#include "aboutscreen.h"
#include "apppaths.h"
#include "devicefilenotices.h"
#include "ftpwindow.h"
#include "headerline.h"
#include "linkmonitorwindow.h"
#include "loginframe.h"
#include "parameters.h"
#include "passwordfile.h"
#include "programoptions.h"
#include "prompter.h"
#include "rolechange.h"
#include "screenfit.h"
#include "setlanguage.h"
#include "tabwidget.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

namespace {
struct ActionText
{
    const char *text;
    const char *statusTip;
    QKeySequence::StandardKey standardKey; // UnknownKey: use `shortcut`
    const char *shortcut; // empty: no shortcut
};

// Indexed by VXMainWindow::ActionId. Texts stay untranslated here and pass through tr() whenever
// the language changes.
const ActionText actionTexts[VXMainWindow::ActionCount] = {
    { QT_TRANSLATE_NOOP("VXMainWindow", "&New"), QT_TRANSLATE_NOOP("VXMainWindow", "Create a new parameter"),
        QKeySequence::New, "" },
    { QT_TRANSLATE_NOOP("VXMainWindow", "&Open..."),
        QT_TRANSLATE_NOOP("VXMainWindow", "Open parameter setting"), QKeySequence::Open, "" },
    { QT_TRANSLATE_NOOP("VXMainWindow", "&Save..."),
        QT_TRANSLATE_NOOP("VXMainWindow", "Save parameter setting"), QKeySequence::Save, "" },
    { QT_TRANSLATE_NOOP("VXMainWindow", "&Print..."),
        QT_TRANSLATE_NOOP("VXMainWindow", "Print parameter setting"), QKeySequence::Print, "" },
    { QT_TRANSLATE_NOOP("VXMainWindow", "Co&mpare..."),
        QT_TRANSLATE_NOOP("VXMainWindow", "Compares two files"), QKeySequence::UnknownKey, "Ctrl+M" },
    { QT_TRANSLATE_NOOP("VXMainWindow", "&Load from drive"),
        QT_TRANSLATE_NOOP("VXMainWindow", "Load parameter setting from drive"), QKeySequence::UnknownKey,
        "Ctrl+L" },
    { QT_TRANSLATE_NOOP("VXMainWindow", "Load &to drive"),
        QT_TRANSLATE_NOOP("VXMainWindow", "Load parameter setting to drive"), QKeySequence::UnknownKey,
        "Ctrl+T" },
    { QT_TRANSLATE_NOOP("VXMainWindow", "&Dat File Information..."),
        QT_TRANSLATE_NOOP("VXMainWindow", "Customer information of dat file"), QKeySequence::UnknownKey,
        "Ctrl+D" },
    { QT_TRANSLATE_NOOP("VXMainWindow", "E&xit"), QT_TRANSLATE_NOOP("VXMainWindow", "Quit application"),
        QKeySequence::UnknownKey, "Ctrl+Q" },
    { QT_TRANSLATE_NOOP("VXMainWindow", "Language..."), QT_TRANSLATE_NOOP("VXMainWindow", "Change language"),
        QKeySequence::UnknownKey, "Ctrl+Shift+L" },
    { QT_TRANSLATE_NOOP("VXMainWindow", "Preferences..."),
        QT_TRANSLATE_NOOP("VXMainWindow", "Change preferences"), QKeySequence::UnknownKey, "Ctrl+Shift+P" },
    { QT_TRANSLATE_NOOP("VXMainWindow", "Customer data..."),
        QT_TRANSLATE_NOOP("VXMainWindow", "Customer data"), QKeySequence::UnknownKey, "Ctrl+Shift+U" },
    { QT_TRANSLATE_NOOP("VXMainWindow", "Communication..."),
        QT_TRANSLATE_NOOP("VXMainWindow", "Communication settings"), QKeySequence::UnknownKey,
        "Ctrl+Shift+K" },
    { QT_TRANSLATE_NOOP("VXMainWindow", "Link Monitor..."),
        QT_TRANSLATE_NOOP("VXMainWindow", "Every exchange on the bus, with link statistics per unit"),
        QKeySequence::UnknownKey, "Ctrl+Shift+M" },
    { QT_TRANSLATE_NOOP("VXMainWindow", "About Tarvolink..."),
        QT_TRANSLATE_NOOP("VXMainWindow", "About Tarvolink"), QKeySequence::UnknownKey, "Ctrl+F1" },
    { QT_TRANSLATE_NOOP("VXMainWindow", "User guide..."), QT_TRANSLATE_NOOP("VXMainWindow", "User guide"),
        QKeySequence::HelpContents, "" },
};

// Disabled until the main view is entered (File actions: until the tab controller enables them).
constexpr VXMainWindow::ActionId mainViewOnly[] = {
    VXMainWindow::NewAct,
    VXMainWindow::OpenAct,
    VXMainWindow::SaveAct,
    VXMainWindow::PrintAct,
    VXMainWindow::CompareAct,
    VXMainWindow::LoadFromDriveAct,
    VXMainWindow::LoadToDriveAct,
    VXMainWindow::PreferencesAct,
    VXMainWindow::CustomerDataAct,
    VXMainWindow::CommunicationAct,
};

const char alertBase[] = "background-color: black; border-radius: 5px; color: ";

QFont arial(int pointSize, int weight)
{
    return QFont(QStringLiteral("Arial"), pointSize, weight);
}
} // namespace

// The pictures live in a static library, whose resource initialiser the linker would drop unless
// something refers to it.
static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

VXMainWindow::VXMainWindow(std::unique_ptr<Prompter> prompter, QWidget *parent)
    : QMainWindow(parent)
    , m_prompter(prompter ? std::move(prompter) : std::make_unique<MessageBoxPrompter>())
    , m_font9(arial(9, QFont::Normal))
    , m_font9Bold(arial(9, 75))
    , m_font8Bold(arial(8, 75))
    , m_font7(arial(7, QFont::Normal))
    , m_font11(arial(11, QFont::Normal))
{
    initResources();
    // No dialog of the program opens larger than the screen, at any scale.
    ScreenFit::watchApplication();
    setWindowTitle(tr("Tarvolink"));
    setMinimumSize(400, 300);
    buildForm();
    connectTabController();
    createMenus();
    connectDialogs();
    m_loginFrame->passwordEdit()->setEnabled(false);
    // The stored language arrives through vxUISetLangCombo while the controller reads the settings file.
    m_tabWidget->readSettings();
    enterMainView(false);
}

VXMainWindow::~VXMainWindow()
{
    m_alertTimer->stop();
    // The controller holds a reference to the prompter, which goes before the child widgets do.
    delete m_tabWidget.data();
    delete m_langDialog;
    delete m_roleDialog;
}

void VXMainWindow::buildForm()
{
    m_alertTimer = new QTimer(this);
    m_alertTimer->setInterval(500);
    connect(m_alertTimer, &QTimer::timeout, this, &VXMainWindow::onTimeout);

    m_central = new QWidget(this);
    m_central->setObjectName(QStringLiteral("centralWidget"));
    auto *layout = new QVBoxLayout(m_central);
    layout->setContentsMargins(2, 2, 2, 2);

    m_header = new HeaderLine({ m_font9Bold, m_font9, m_font11 }, m_central);
    m_header->setStyleSheet(QStringLiteral("background-color:#C0C0C0"));
    layout->addWidget(m_header);

    m_stack = new QStackedWidget(m_central);
    layout->addWidget(m_stack, 1);
    m_loginFrame = new LoginFrame(m_stack);
    m_stack->addWidget(m_loginFrame);
    setCentralWidget(m_central);
    menuBar()->setFont(m_font9);
    statusBar()->setFont(m_font7);
    m_busyLabel = new QLabel(this);
    m_busyBar = new QProgressBar(this);
    m_busyBar->setRange(0, 0);
    m_busyBar->setMaximumWidth(120);
    m_busyBar->setMaximumHeight(14);
    statusBar()->addPermanentWidget(m_busyLabel);
    statusBar()->addPermanentWidget(m_busyBar);
    showBusy(QString());
    m_loginFrame->setFont(m_font8Bold);

    m_langDialog = new SetLanguage(this);
    m_tabWidget = new TabWidget(*m_prompter, m_stack);
    m_tabWidget->setCurrentIndex(0);
    m_tabWidget->hide();
}

void VXMainWindow::connectTabController()
{
    TabWidget *tab = m_tabWidget;
    connect(tab, &TabWidget::vxUISetLangCombo, m_langDialog, &SetLanguage::setComboIndex);
    connect(tab, &TabWidget::vxUISetLangCombo, this, &VXMainWindow::onLangSelectionChanged);
    connect(m_langDialog, &SetLanguage::langSelectionChanged, this, &VXMainWindow::onLangSelectionChanged);

    connect(tab, &TabWidget::newAction, this, &VXMainWindow::enableNewAction);
    connect(tab, &TabWidget::openAction, this, &VXMainWindow::enableOpenAction);
    connect(tab, &TabWidget::saveAction, this, &VXMainWindow::enableSaveAction);
    connect(tab, &TabWidget::printAction, this, &VXMainWindow::enablePrintAction);
    connect(tab, &TabWidget::compareAction, this, &VXMainWindow::enableCompareAction);
    connect(tab, &TabWidget::LFDAction, this, &VXMainWindow::enableLFDAction);
    connect(tab, &TabWidget::LTDAction, this, &VXMainWindow::enableLTDAction);
    connect(tab, &TabWidget::datFileInfoAction, this, &VXMainWindow::enabledatFileInfoAction);
    connect(tab, &TabWidget::LangAction, this, &VXMainWindow::enableLangAction);
    connect(tab, &TabWidget::alertNotifcation, this, &VXMainWindow::onAlertNotification);
    connect(tab, &TabWidget::bringAppToForeGround, this, &VXMainWindow::onAppToForeGround);
    connect(tab, &TabWidget::statusMessage, this, [this](const QString &text) { showStatus(text); });
    connect(tab, &TabWidget::busy, this, &VXMainWindow::showBusy);
    connect(m_header, &HeaderLine::alertClicked, this, [this] {
        if (isMainViewShown())
            m_tabWidget->setCurrentIndex(TabWidget::AlertsTab);
    });
    connect(this, &VXMainWindow::langTranslation, tab, &TabWidget::onLangTranslation);
    connect(this, &VXMainWindow::raiseWidget, tab, &TabWidget::raiseWidget);
    connect(
        tab->parameters(), &Parameters::vxUISigUpgradeCsvClicked, this, &VXMainWindow::onUpgradeCsvClicked);

    // The file readers run on worker threads and only report; the box is shown here, queued into
    // this thread, and only once however many readers miss the file.
    connect(DeviceFileNotices::instance(), &DeviceFileNotices::generalCsvMissing, this,
        &VXMainWindow::onGeneralCsvMissing, Qt::QueuedConnection);
}

void VXMainWindow::onUpgradeCsvClicked()
{
    if (!m_ftpWindow) {
        m_ftpWindow = new FtpWindow(*m_prompter, this);
        connect(this, &VXMainWindow::langTranslation, m_ftpWindow, &FtpWindow::onLangTranslation);
        connect(m_ftpWindow, &FtpWindow::bringAppToForeGround, this, &VXMainWindow::onAppToForeGround);
    }
    m_ftpWindow->show();
    m_ftpWindow->raise();
    m_ftpWindow->activateWindow();
}

void VXMainWindow::onLinkMonitorTriggered()
{
    if (!m_linkMonitor) {
        m_linkMonitor
            = new LinkMonitorWindow(*m_prompter, LinkMonitorWindow::unitsOf(m_tabWidget->registry()), this);
        connect(this, &VXMainWindow::langTranslation, m_linkMonitor, &LinkMonitorWindow::onLangTranslation);
        connect(
            m_linkMonitor, &LinkMonitorWindow::bringAppToForeGround, this, &VXMainWindow::onAppToForeGround);
    }
    m_linkMonitor->show();
    m_linkMonitor->raise();
    m_linkMonitor->activateWindow();
}

void VXMainWindow::onGeneralCsvMissing()
{
    if (m_generalCsvReported)
        return;
    m_generalCsvReported = true;
    m_prompter->critical(this, tr("Error"), tr("General CSV File Not Found"));
}

void VXMainWindow::createMenus()
{
    for (int i = 0; i < ActionCount; ++i) {
        auto *a = new QAction(this);
        const ActionText &t = actionTexts[i];
        if (t.standardKey != QKeySequence::UnknownKey)
            a->setShortcut(QKeySequence(t.standardKey));
        else if (*t.shortcut)
            a->setShortcut(QKeySequence(QString::fromLatin1(t.shortcut)));
        m_actions[i] = a;
    }
    for (ActionId id : mainViewOnly)
        m_actions[id]->setEnabled(false);
    m_actions[DatFileInfoAct]->setEnabled(false);

    m_fileMenu = menuBar()->addMenu(QString());
    for (int i = NewAct; i <= ExitAct; ++i)
        m_fileMenu->addAction(m_actions[i]);
    m_fileMenu->insertSeparator(m_actions[ExitAct]);
    m_settingsMenu = menuBar()->addMenu(QString());
    for (int i = LanguageAct; i <= LinkMonitorAct; ++i)
        m_settingsMenu->addAction(m_actions[i]);
    m_helpMenu = menuBar()->addMenu(QString());
    m_helpMenu->addAction(m_actions[AboutAct]);
    m_helpMenu->addAction(m_actions[UserGuideAct]);

    // The File actions are carried out by the controller, which knows the current unit and view.
    TabWidget *tab = m_tabWidget;
    connect(m_actions[NewAct], &QAction::triggered, tab, &TabWidget::newFileActionTriggered);
    connect(m_actions[OpenAct], &QAction::triggered, tab, &TabWidget::openFileActionTriggered);
    connect(m_actions[SaveAct], &QAction::triggered, tab, &TabWidget::saveFileActionTriggered);
    connect(m_actions[PrintAct], &QAction::triggered, tab, &TabWidget::printFileActionTriggered);
    connect(m_actions[CompareAct], &QAction::triggered, tab, &TabWidget::vxUISlotShowComparePrmScreen);
    connect(m_actions[LoadFromDriveAct], &QAction::triggered, tab, &TabWidget::LFDriveActionTriggered);
    connect(m_actions[LoadToDriveAct], &QAction::triggered, tab, &TabWidget::LTDriveActionTriggered);
    connect(m_actions[DatFileInfoAct], &QAction::triggered, tab, &TabWidget::datFileInfoActionTriggered);
    connect(m_actions[ExitAct], &QAction::triggered, this, &QWidget::close);
    connect(m_actions[LanguageAct], &QAction::triggered, this, &VXMainWindow::onLanguageActionTriggered);
    connect(m_actions[PreferencesAct], &QAction::triggered, tab, &TabWidget::vxUISlotPreferencesSelected);
    connect(m_actions[CustomerDataAct], &QAction::triggered, tab, &TabWidget::vxUISlotCustomerDataSelected);
    connect(m_actions[CommunicationAct], &QAction::triggered, tab, &TabWidget::vxUISlotCommSettingsSelected);
    connect(m_actions[LinkMonitorAct], &QAction::triggered, this, &VXMainWindow::onLinkMonitorTriggered);
    connect(m_actions[AboutAct], &QAction::triggered, this, &VXMainWindow::onAboutActionTriggered);
    connect(m_actions[UserGuideAct], &QAction::triggered, this, &VXMainWindow::onUGActionTriggered);

    connect(m_header, &HeaderLine::linkActivated, this, &VXMainWindow::onLinkActivated);
    retranslateUi();
}

void VXMainWindow::connectDialogs()
{
    m_roleDialog = new RoleChange(this);
    m_aboutDialog = new AboutScreen(this);

    connect(m_loginFrame->loginButton(), &QPushButton::clicked, this, &VXMainWindow::onLoginClicked);
    connect(m_loginFrame->resetButton(), &QPushButton::clicked, this, &VXMainWindow::onReset);
    connect(m_loginFrame->roleBox(), QOverload<int>::of(&QComboBox::currentIndexChanged), this,
        &VXMainWindow::onLoginIndexChanged);
    connect(m_roleDialog, &RoleChange::roleChangeClicked, this, &VXMainWindow::onRoleChangeClicked);

    connect(this, &VXMainWindow::langTranslation, m_langDialog, &SetLanguage::onLangTranslation);
    connect(this, &VXMainWindow::langTranslation, m_roleDialog, &RoleChange::onLangTranslation);
    connect(this, &VXMainWindow::langTranslation, m_aboutDialog, &AboutScreen::onLangTranslation);
    connect(m_langDialog, &SetLanguage::bringAppToForeGround, this, &VXMainWindow::onAppToForeGround);
    connect(m_roleDialog, &RoleChange::bringAppToForeGround, this, &VXMainWindow::onAppToForeGround);
    connect(m_aboutDialog, &AboutScreen::bringAppToForeGround, this, &VXMainWindow::onAppToForeGround);
}

void VXMainWindow::retranslateUi()
{
    m_fileMenu->setTitle(tr("File"));
    m_settingsMenu->setTitle(tr("Settings"));
    m_helpMenu->setTitle(tr("Help"));
    for (int i = 0; i < ActionCount; ++i) {
        m_actions[i]->setText(tr(actionTexts[i].text));
        m_actions[i]->setStatusTip(tr(actionTexts[i].statusTip));
    }
    m_header->retranslateUi();
    m_loginFrame->retranslateUi();
}

TabWidget *VXMainWindow::tabController() const
{
    return m_tabWidget;
}

bool VXMainWindow::isMainViewShown() const
{
    return m_tabWidget && m_stack->currentWidget() == m_tabWidget;
}

void VXMainWindow::enterMainView(bool showWindow)
{
    if (!m_tabWidget)
        return;
    m_alertTimer->stop();
    m_alertLine.clear();
    m_header->alertLabel()->clear();
    setAlertStyle(true);
    m_tabWidget->setCurrentIndex(0);
    m_central->setStyleSheet(QStringLiteral("#centralWidget {background-color:#5792c6}"));
    m_header->setStyleSheet(QStringLiteral("background-color:#cdcdc8"));
    m_header->userLabel()->setEnabled(true);

    if (m_stack->indexOf(m_tabWidget) < 0)
        m_stack->addWidget(m_tabWidget);
    m_stack->setCurrentWidget(m_tabWidget);
    // The controller prepares the views behind tabs 1 and 2 before settling on tab 0.
    m_tabWidget->onTabChange(1);
    m_tabWidget->onTabChange(2);
    m_tabWidget->onTabChange(0);

    m_header->setUser(m_loginFrame->roleBox()->currentText());
    if (showWindow && !isMaximized())
        showMaximized();

    m_tabWidget->vxUISlotEnableParamSettings();
    for (ActionId id : { PreferencesAct, CustomerDataAct, CommunicationAct })
        m_actions[id]->setEnabled(true);
    m_tabWidget->onMainViewEntered();
}

void VXMainWindow::onLoginClicked()
{
    const int role = m_loginFrame->roleBox()->currentIndex();
    // "Normal" needs no password: whatever the disabled field holds is not looked at.
    if (role == ServiceRole) {
        QLineEdit *password = m_loginFrame->passwordEdit();
        switch (PasswordFile::check(PasswordFile::path(), password->text())) {
        case PasswordFile::Check::Missing:
            onAlertNotification(tr("Password File is missing"));
            // No password file is shipped: say how an administrator makes one.
            m_prompter->warning(this, tr("Warning"),
                tr("Password File is missing") + QStringLiteral("\n\n")
                    + tr("An administrator creates it on this computer with the command\n%1")
                          .arg(QStringLiteral("tarvolink-cli password")));
            return;
        case PasswordFile::Check::Invalid:
            onAlertNotification(tr("Invalid password"));
            password->clear();
            password->setFocus();
            return;
        case PasswordFile::Check::Accepted:
            break;
        }
    }
    enterMainView(true);
    if (role == ServiceRole)
        m_header->alertLabel()->setText(tr("View for alert(s) / notification(s)"));
    m_tabWidget->setUserRole(role);
}

void VXMainWindow::onRoleChangeClicked()
{
    m_central->setStyleSheet(QStringLiteral("#centralWidget {background-color:#C8C8D8}"));
    m_header->userLabel()->setEnabled(false);
    if (m_tabWidget) {
        m_tabWidget->setCurrentIndex(0);
        m_stack->removeWidget(m_tabWidget);
        m_tabWidget->hide();
    }
    m_stack->setCurrentWidget(m_loginFrame);
    for (ActionId id : mainViewOnly)
        m_actions[id]->setEnabled(false);
}

void VXMainWindow::onLinkActivated(const QString &link)
{
    if (link == QLatin1String("Lang")) {
        showDialog(m_langDialog);
    } else if (link == QLatin1String("User")) {
        if (m_tabWidget && m_tabWidget->isOscRecording()) {
            m_prompter->warning(
                this, tr("Error"), tr("Oscilloscope Record in Progress.Please stop before Role Change"));
            return;
        }
        m_loginFrame->passwordEdit()->clear();
        showDialog(m_roleDialog);
    }
}

void VXMainWindow::showDialog(QDialog *dialog)
{
    // Shown modal without a nested event loop, so nothing waits inside this slot.
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void VXMainWindow::setAlertStyle(bool visible)
{
    QLabel *alert = m_header->alertLabel();
    const char *colour = !visible ? "black" : m_alertLine.isFailure() ? "red" : "white";
    alert->setStyleSheet(QLatin1String(alertBase) + QLatin1String(colour));
}

void VXMainWindow::showBusy(const QString &text)
{
    // A running bar beside the text: the attempt may take as long as the link's timeouts.
    m_busyLabel->setText(text);
    m_busyLabel->setVisible(!text.isEmpty());
    m_busyBar->setVisible(!text.isEmpty());
}

void VXMainWindow::showStatus(const QString &text)
{
    // Long enough to be read after looking up from the drive; the next action replaces it.
    statusBar()->showMessage(text, StatusMessageMs);
}

void VXMainWindow::onAlertNotification(const QString &text)
{
    const AlertLineState::Outcome outcome = m_alertLine.take(text);
    if (outcome == AlertLineState::Ignored)
        return;
    m_header->alertLabel()->setText(m_alertLine.text());
    m_header->alertLabel()->setToolTip(m_alertLine.text());
    if (outcome == AlertLineState::Counted)
        return; // a repeat keeps the blink it has
    if (outcome == AlertLineState::Cleared)
        m_alertTimer->stop();
    else
        m_alertTimer->start(); // a new alert blinks its full time
    m_blinkPhase = false;
    m_blinkCount = 0;
    setAlertStyle(true);
}

void VXMainWindow::onTimeout()
{
    m_alertTimer->start();
    ++m_blinkCount;
    setAlertStyle(m_blinkPhase);
    m_blinkPhase = !m_blinkPhase;
    if (m_blinkCount < BlinkTicks)
        return;
    m_alertTimer->stop();
    m_blinkPhase = false;
    setAlertStyle(true);
}

void VXMainWindow::onLangSelectionChanged(unsigned int index)
{
    const int language = index < unsigned(SetLanguage::LanguageCount) ? int(index) : 0;
    // A catalogue that cannot be loaded leaves the translator empty: the built-in English texts show.
    QApplication::removeTranslator(&m_translator);
    QApplication::removeTranslator(&m_qtTranslator);
    const QString catalogue = SetLanguage::catalogueName(language);
    if (!catalogue.isEmpty() && m_translator.load(AppPaths::configDir() + catalogue))
        QApplication::installTranslator(&m_translator);
    // The toolkit's own texts (Yes, Cancel, the file dialog) switch with ours; without the system's
    // catalogue they stay English, as ours do without theirs.
    const QString qtCatalogue = SetLanguage::qtCatalogueName(language);
    if (!qtCatalogue.isEmpty()
        && m_qtTranslator.load(qtCatalogue, QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&m_qtTranslator);
    m_header->setLanguage(language);
    retranslateUi();
    emit langTranslation(language);
}

void VXMainWindow::onAppToForeGround()
{
    if (isMinimized())
        showMaximized();
    raise();
    emit raiseWidget();
}

void VXMainWindow::onLanguageActionTriggered()
{
    showDialog(m_langDialog);
}

void VXMainWindow::onAboutActionTriggered()
{
    showDialog(m_aboutDialog);
}

QString VXMainWindow::userGuidePath()
{
    // An installed program keeps the guide in its own folder, not in the user's data folder.
    const QString name = QStringLiteral("/UserGuideTarvolink.pdf");
    const QString beside = AppPaths::baseDir() + name;
    const QString installed = AppPaths::installDir() + name;
    if (!QFileInfo::exists(beside) && AppPaths::baseDir() == AppPaths::userDataDir()
        && QFileInfo::exists(installed))
        return installed;
    return beside;
}

void VXMainWindow::onUGActionTriggered()
{
    const QString path = userGuidePath();
    if (!QFileInfo::exists(path)) {
        m_prompter->warning(this, tr("Warning"), tr("The user guide was not found:\n%1").arg(path));
        return;
    }
    showStatus(tr("Opening the user guide..."));
    if (!m_openUrl(QUrl::fromLocalFile(path)))
        m_prompter->warning(this, tr("Warning"),
            tr("No program to show PDF files was found.\nThe user guide is here:\n%1").arg(path));
}

void VXMainWindow::enableNewAction(bool enabled)
{
    enableFileAction(NewAct, enabled);
}
void VXMainWindow::enableOpenAction(bool enabled)
{
    enableFileAction(OpenAct, enabled);
}
void VXMainWindow::enableSaveAction(bool enabled)
{
    enableFileAction(SaveAct, enabled);
}
void VXMainWindow::enablePrintAction(bool enabled)
{
    enableFileAction(PrintAct, enabled);
}
void VXMainWindow::enableCompareAction(bool enabled)
{
    enableFileAction(CompareAct, enabled);
}
void VXMainWindow::enableLFDAction(bool enabled)
{
    enableFileAction(LoadFromDriveAct, enabled);
}
void VXMainWindow::enableLTDAction(bool enabled)
{
    enableFileAction(LoadToDriveAct, enabled);
}
void VXMainWindow::enabledatFileInfoAction(bool enabled)
{
    enableFileAction(DatFileInfoAct, enabled);
}
void VXMainWindow::enableFileAction(ActionId id, bool enabled)
{
    // A unit changing state while the login frame shows must not bring the File actions back.
    m_actions[id]->setEnabled(enabled && isMainViewShown());
}

void VXMainWindow::enableLangAction(bool enabled)
{
    m_actions[LanguageAct]->setEnabled(enabled);
}

void VXMainWindow::onReset()
{
    m_loginFrame->passwordEdit()->clear();
    m_loginFrame->roleBox()->setCurrentIndex(0);
}

void VXMainWindow::onLoginIndexChanged(int index)
{
    m_loginFrame->passwordEdit()->setEnabled(index != 0);
}

void VXMainWindow::closeEvent(QCloseEvent *event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    if (m_tabWidget && !m_tabWidget->offerToSaveFileSets()) {
        event->ignore();
        return;
    }
    const auto answer = m_prompter->question(this, tr("Warning"), tr("Do you want to quit the Application?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, QMessageBox::Warning);
    // The controller refuses while the oscilloscope records or the user keeps control of a unit.
    if (answer != QMessageBox::Yes || (m_tabWidget && !m_tabWidget->closeFunction())) {
        event->ignore();
        return;
    }
    m_closing = true;
    saveLayout();
    if (m_tabWidget)
        m_tabWidget->deleteLater();
    event->accept();
}

void VXMainWindow::showRestored()
{
    const WindowLayout layout = WindowLayout::load();
    if (!layout.geometry.isEmpty() && restoreGeometry(layout.geometry)) {
        m_centred = true; // where it was left
        show();
        // Once shown: a splitter laid out for the first time shares its width anew.
        if (m_tabWidget && !layout.panes.isEmpty())
            m_tabWidget->splitter()->restoreState(layout.panes);
        return;
    }
    // The first start fills the screen. Without a window manager a maximised window would keep
    // its first size: it is given the screen's available area as well.
    m_centred = true;
    create(); // the platform window knows the frame it will have
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    setGeometry(ScreenFit::available(this).marginsRemoved(frame));
    showMaximized();
}

void VXMainWindow::saveLayout() const
{
    WindowLayout layout;
    layout.geometry = saveGeometry();
    if (m_tabWidget)
        layout.panes = m_tabWidget->splitter()->saveState();
    layout.save();
}

void VXMainWindow::showEvent(QShowEvent *event)
{
    if (!m_centred) {
        m_centred = true;
        if (QScreen *s = screen())
            move(s->availableGeometry().center() - rect().center());
    }
    QMainWindow::showEvent(event);
}
