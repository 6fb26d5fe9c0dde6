#pragma once

#include <QObject>

class CommSettings;
class FileSetKeeper;
class Parameters;
class Preferences;
class Prompter;
class SettingsBinder;
class UnitRegistry;
class QWidget;

// The settings dialogs of the tab controller (preferences, communication settings, customer
// data) and the language switch: each hands what the user chose to the settings record and to
// what depends on it.
class SettingsDialogs : public QObject
{
    Q_OBJECT
public:
    // What the dialogs work with; all of it outlives this object.
    struct Context
    {
        Prompter *prompter = nullptr;
        QWidget *parent = nullptr; // parent of the dialogs
        SettingsBinder *settings = nullptr;
        UnitRegistry *registry = nullptr;
        Parameters *params = nullptr;
        FileSetKeeper *fileSets = nullptr;
    };

    SettingsDialogs(const Context &context, QObject *parent = nullptr);

    CommSettings *commSettings() const { return m_commSettings; }
    Preferences *preferences() const { return m_preferences; }

    void openPreferences();
    void openCommSettings();
    void openCustomerData();
    // The preferences were confirmed: kept in the record, the block-read choice in the options.
    void preferencesAccepted();
    // The communication settings were confirmed: every master takes the delay and retries.
    void commSettingsAccepted();
    // The parameter texts of every unit's tree and every set from file switch to the language.
    void changeLanguage(int index);

signals:
    void bringAppToForeGround();

private:
    Context m_ctx;
    CommSettings *m_commSettings = nullptr;
    Preferences *m_preferences = nullptr;
};
