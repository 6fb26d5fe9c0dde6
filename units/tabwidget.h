#pragma once

#include <QWidget>

class Prompter;
class QTabWidget;

// The tab controller: holds the views of the connected units and answers the main window's menus.
// For now it only carries the tabs and the interface the main window talks to; the unit registry,
// the views and their threads are not built yet.
class TabWidget : public QWidget
{
    Q_OBJECT
public:
    enum Tab { ParametersTab = 0, OscilloscopeTab, StatusTab, FaultLoggerTab, AlertsTab, LinkInformationTab };

    // The prompter belongs to the main window and outlives this controller.
    explicit TabWidget(Prompter &prompter, QWidget *parent = nullptr);

    Prompter &prompter() const { return m_prompter; }
    QTabWidget *tabs() const { return m_tabs; }
    int currentIndex() const;
    void setCurrentIndex(int index);

    // No oscilloscope exists yet, so nothing can be recording.
    bool isOscRecording() const { return false; }

    // Whether the program may close. Nothing is connected yet, so there is nothing to close down.
    bool closeFunction();

signals:
    void newFileActionTriggered();
    void openFileActionTriggered();
    void saveFileActionTriggered();
    void printFileActionTriggered();
    void LFDriveActionTriggered();
    void LTDriveActionTriggered();
    void datFileInfoActionTriggered();
    void bringAppToForeGround();
    void newAction(bool enabled);
    void openAction(bool enabled);
    void saveAction(bool enabled);
    void printAction(bool enabled);
    void compareAction(bool enabled);
    void LFDAction(bool enabled);
    void LTDAction(bool enabled);
    void LangAction(bool enabled);
    void datFileInfoAction(bool enabled);
    void vxUISetLangCombo(uint index);
    void alertNotifcation(QString text);
    void langTranslation(int index);
    void raiseWidget();

public slots:
    // Tab switched. Starts no threads yet: the views that need them do not exist.
    void onTabChange(int index);
    // Emits the enabled state of every File action. Without a parameters view no operation is
    // possible, so every state is false.
    void vxUISlotEnableParamSettings();
    // The following open dialogs that do not exist yet; until then they do nothing.
    void vxUISlotShowComparePrmScreen();
    void vxUISlotPreferencesSelected();
    void vxUISlotCustomerDataSelected();
    void vxUISlotCommSettingsSelected();
    void onLangTranslation(int index);

private:
    void retranslateUi();

    Prompter &m_prompter;
    QTabWidget *m_tabs;
};
