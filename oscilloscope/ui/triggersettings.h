#pragma once

#include <QDialog>

class QPushButton;
class QRadioButton;

// "Trigger Options": level, conditional or no trigger; Apply opens the chosen trigger's dialog.
class TriggerSettings : public QDialog
{
    Q_OBJECT
public:
    explicit TriggerSettings(QWidget *parent = nullptr);

signals:
    void vxUISigFillSignalInfo();
    void bringAppToForeGround();
    void vxUISigNoTrigger(int);
    void levelTriggerChosen();
    void conditionalTriggerChosen();

public slots:
    void vxUISlotLevelTriggerClicked();
    void vxUISlotConditionalTriggerClicked();
    void vxUISlotNoTriggerClicked();
    void vxUISlotApplyBtnClicked();
    void vxUISlotTriggerSettingsCancelBtnClicked();
    void onLangTranslation(int);

private:
    QRadioButton *m_level;
    QRadioButton *m_conditional;
    QRadioButton *m_none;
    QPushButton *m_apply;
    QPushButton *m_cancel;
};
