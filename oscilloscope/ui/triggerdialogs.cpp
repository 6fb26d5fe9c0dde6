#include "conditionaltrigger.h"
#include "leveltrigger.h"
#include "triggersettings.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

LevelTrigger::LevelTrigger(Prompter &prompter, QWidget *parent)
    : TriggerDialog(prompter, 1, parent)
{ }

ConditionalTrigger::ConditionalTrigger(Prompter &prompter, QWidget *parent)
    : TriggerDialog(prompter, 2, parent)
{ }

TriggerSettings::TriggerSettings(QWidget *parent)
    : QDialog(parent)
{
    auto *layout = new QVBoxLayout(this);
    m_level = new QRadioButton(this);
    m_conditional = new QRadioButton(this);
    m_none = new QRadioButton(this);
    m_none->setChecked(true);
    layout->addWidget(m_level);
    layout->addWidget(m_conditional);
    layout->addWidget(m_none);
    auto *buttons = new QHBoxLayout;
    m_apply = new QPushButton(this);
    m_cancel = new QPushButton(this);
    buttons->addWidget(m_apply);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
    connect(m_level, &QRadioButton::clicked, this, &TriggerSettings::vxUISlotLevelTriggerClicked);
    connect(m_conditional, &QRadioButton::clicked, this, &TriggerSettings::vxUISlotConditionalTriggerClicked);
    connect(m_none, &QRadioButton::clicked, this, &TriggerSettings::vxUISlotNoTriggerClicked);
    connect(m_apply, &QPushButton::clicked, this, &TriggerSettings::vxUISlotApplyBtnClicked);
    connect(m_cancel, &QPushButton::clicked, this, &TriggerSettings::vxUISlotTriggerSettingsCancelBtnClicked);
    onLangTranslation(0);
}

void TriggerSettings::onLangTranslation(int)
{
    setWindowTitle(tr("Trigger Options"));
    m_level->setText(tr("Level Trigger"));
    m_conditional->setText(tr("Conditional Trigger"));
    m_none->setText(tr("No Trigger"));
    m_apply->setText(tr("Apply"));
    m_cancel->setText(tr("Cancel"));
}

void TriggerSettings::vxUISlotLevelTriggerClicked()
{
    m_level->setChecked(true);
}

void TriggerSettings::vxUISlotConditionalTriggerClicked()
{
    m_conditional->setChecked(true);
}

void TriggerSettings::vxUISlotNoTriggerClicked()
{
    m_none->setChecked(true);
}

void TriggerSettings::vxUISlotApplyBtnClicked()
{
    emit vxUISigFillSignalInfo();
    if (m_level->isChecked())
        emit levelTriggerChosen();
    else if (m_conditional->isChecked())
        emit conditionalTriggerChosen();
    else
        emit vxUISigNoTrigger(0);
    close();
}

void TriggerSettings::vxUISlotTriggerSettingsCancelBtnClicked()
{
    close();
}
