#pragma once

#include "alertevent.h"

#include <QDesktopServices>
#include <QFont>
#include <QMainWindow>
#include <QPointer>
#include <QTranslator>
#include <QUrl>
#include <functional>
#include <memory>

class AboutScreen;
class HeaderLine;
class LoginFrame;
class FtpWindow;
class LinkMonitorWindow;
class Prompter;
class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QStackedWidget;
class QTimer;
class RoleChange;
class SetLanguage;
class TabWidget;

// The program's one window: menus, header line, and either the login frame or the tab controller.
class VXMainWindow : public QMainWindow
{
    Q_OBJECT
public:
    enum ActionId {
        NewAct,
        OpenAct,
        SaveAct,
        PrintAct,
        CompareAct,
        LoadFromDriveAct,
        LoadToDriveAct,
        DatFileInfoAct,
        ExitAct,
        LanguageAct,
        PreferencesAct,
        CustomerDataAct,
        CommunicationAct,
        LinkMonitorAct,
        AboutAct,
        UserGuideAct,
        ActionCount
    };

    // Every box and question of the program goes through the prompter; null means real message boxes.
    explicit VXMainWindow(std::unique_ptr<Prompter> prompter = nullptr, QWidget *parent = nullptr);
    ~VXMainWindow() override;

    Prompter &prompter() const { return *m_prompter; }
    QAction *action(ActionId id) const { return m_actions[id]; }
    // Null once the window has closed down.
    TabWidget *tabController() const;
    LoginFrame *loginFrame() const { return m_loginFrame; }
    HeaderLine *headerLine() const { return m_header; }
    SetLanguage *languageDialog() const { return m_langDialog; }
    RoleChange *roleChangeDialog() const { return m_roleDialog; }
    AboutScreen *aboutDialog() const { return m_aboutDialog; }
    // Made on the first "Upgrade CSV"; null before.
    FtpWindow *ftpWindow() const { return m_ftpWindow; }
    LinkMonitorWindow *linkMonitor() const { return m_linkMonitor; }
    QStackedWidget *centralStack() const { return m_stack; }
    QTimer *alertTimer() const { return m_alertTimer; }
    bool isMainViewShown() const;

    static constexpr int BlinkTicks = 6;
    static constexpr int StatusMessageMs = 30000;

    // The first start opens maximised on the screen's available area; later starts open where
    // the window was closed, its panes divided as they were.
    void showRestored();

    // Says in the status bar what an action came to.
    void showStatus(const QString &text);
    // A running bar and its text while something takes time; empty text hides both.
    void showBusy(const QString &text);
    QLabel *busyLabel() const { return m_busyLabel; }
    // The guide the Help menu opens, beside the program.
    static QString userGuidePath();
    // How a file is handed to the desktop (tests record it instead).
    void setUrlOpener(std::function<bool(const QUrl &)> opener) { m_openUrl = std::move(opener); }
    // Positions of the login frame's role box.
    enum Role { NormalRole = 0, ServiceRole = 1 };

signals:
    void langTranslation(int index);
    void raiseWidget();

public slots:
    void onLoginClicked();
    void onLinkActivated(const QString &link);
    void onRoleChangeClicked();
    void onTimeout();
    void onLangSelectionChanged(unsigned int index);
    void onAlertNotification(const QString &text);
    void onAppToForeGround();
    void onUpgradeCsvClicked();
    void onLinkMonitorTriggered();
    void onLanguageActionTriggered();
    void onAboutActionTriggered();
    void onUGActionTriggered();
    void enableNewAction(bool enabled);
    void enableOpenAction(bool enabled);
    void enableSaveAction(bool enabled);
    void enablePrintAction(bool enabled);
    void enableCompareAction(bool enabled);
    void enableLFDAction(bool enabled);
    void enableLTDAction(bool enabled);
    void enabledatFileInfoAction(bool enabled);
    void enableLangAction(bool enabled);
    void onReset();
    void onLoginIndexChanged(int index);
    // A reader found no general.csv: one box for the whole run.
    void onGeneralCsvMissing();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildForm();
    void createMenus();
    void connectTabController();
    void connectDialogs();
    void retranslateUi();
    // Shows the tab controller; after a login also brings the window up maximised.
    void enterMainView(bool showWindow);
    void showDialog(QDialog *dialog);
    void enableFileAction(ActionId id, bool enabled);
    void saveLayout() const;
    void setAlertStyle(bool visible);

    std::unique_ptr<Prompter> m_prompter;
    QFont m_font9;
    QFont m_font9Bold;
    QFont m_font8Bold;
    QFont m_font7;
    QFont m_font11;
    QTranslator m_translator;
    QTranslator m_qtTranslator;

    QTimer *m_alertTimer = nullptr;
    // True while the alert text is hidden in the blink.
    AlertLineState m_alertLine;
    bool m_blinkPhase = false;
    int m_blinkCount = 0;
    bool m_centred = false;
    // Set once the quit was confirmed, so a second close does not ask again.
    bool m_closing = false;
    bool m_generalCsvReported = false;

    QWidget *m_central = nullptr;
    QLabel *m_busyLabel = nullptr;
    std::function<bool(const QUrl &)> m_openUrl
        = [](const QUrl &url) { return QDesktopServices::openUrl(url); };
    QProgressBar *m_busyBar = nullptr;
    HeaderLine *m_header = nullptr;
    QStackedWidget *m_stack = nullptr;
    LoginFrame *m_loginFrame = nullptr;
    // Guarded: the controller is deleted as soon as the quit is confirmed.
    QPointer<TabWidget> m_tabWidget;
    SetLanguage *m_langDialog = nullptr;
    RoleChange *m_roleDialog = nullptr;
    AboutScreen *m_aboutDialog = nullptr;
    FtpWindow *m_ftpWindow = nullptr;
    LinkMonitorWindow *m_linkMonitor = nullptr;

    QMenu *m_fileMenu = nullptr;
    QMenu *m_settingsMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QAction *m_actions[ActionCount] = {};
};
