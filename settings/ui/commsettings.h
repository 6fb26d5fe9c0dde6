#pragma once

#include <QDialog>

class Prompter;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
struct SettingsRecord;

// "Communication Settings": delay between messages and retries used with every unit. The widgets
// hold the values; OK accepts them, Cancel puts back the ones accepted last.
class CommSettings : public QDialog
{
    Q_OBJECT
public:
    explicit CommSettings(Prompter &prompter, QWidget *parent = nullptr);

    bool getContinueDespiteFault() const { return m_accepted.continueDespiteFault; }
    uint getDelay() const { return m_accepted.delayMs; }
    bool getRetriesEnabled() const { return m_accepted.retriesEnabled; }
    uint getNoOfRetries() const { return m_accepted.retries; }

    // Setters used when the settings file is applied: they become the accepted values.
    void setValues(bool continueDespiteFault, uint delayMs, bool retriesEnabled, uint retries);
    void loadFrom(const SettingsRecord &record);
    void storeIn(SettingsRecord &record) const;

    QCheckBox *continueBox() const { return m_continue; }
    QLineEdit *delayEdit() const { return m_delay; }
    QCheckBox *retryBox() const { return m_retry; }
    QSpinBox *retriesBox() const { return m_retries; }
    QLabel *retriesCaption() const { return m_retriesCaption; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

signals:
    void vxUISigCommOkClicked();
    void vxUISigCommCancelClicked();
    void bringAppToForeGround();

public slots:
    void vxUISlotOkBtnClicked();
    void vxUSlotICancelBtnReleased();
    void vxUISlotRetryChckBoxClicked();
    void onLangTranslation(int index);
    // Cancel, Escape and the window's close button alike: the values shown go back to the accepted ones.
    void reject() override;

private:
    struct Values
    {
        bool continueDespiteFault = true;
        uint delayMs = 70;
        bool retriesEnabled = true;
        uint retries = 2;
    };
    void showValues(const Values &values);

    Prompter &m_prompter;
    Values m_accepted;
    QCheckBox *m_continue;
    QLabel *m_delayCaption;
    QLineEdit *m_delay;
    QCheckBox *m_retry;
    QLabel *m_retriesCaption;
    QSpinBox *m_retries;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};
