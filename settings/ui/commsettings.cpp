#include "commsettings.h"

#include "prompter.h"
#include "settingsrecord.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>

CommSettings::CommSettings(Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_prompter(prompter)
    , m_continue(new QCheckBox(this))
    , m_delayCaption(new QLabel(this))
    , m_delay(new QLineEdit(this))
    , m_retry(new QCheckBox(this))
    , m_retriesCaption(new QLabel(this))
    , m_retries(new QSpinBox(this))
    , m_ok(new QPushButton(this))
    , m_cancel(new QPushButton(this))
{
    setObjectName(QStringLiteral("commSettings"));
    setModal(true);
    // At most five digits: the delay is read as an unsigned number of milliseconds.
    m_delay->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,5}")), m_delay));
    m_delay->setMaxLength(5);
    m_retries->setRange(int(SettingsRecord::minRetries), int(SettingsRecord::maxRetries));

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_continue, 0, 0, 1, 2);
    grid->addWidget(m_delayCaption, 1, 0);
    grid->addWidget(m_delay, 1, 1);
    grid->addWidget(m_retry, 2, 0, 1, 2);
    grid->addWidget(m_retriesCaption, 3, 0);
    grid->addWidget(m_retries, 3, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    grid->addLayout(buttons, 4, 0, 1, 2);
    m_ok->setDefault(true);

    connect(m_ok, &QPushButton::clicked, this, &CommSettings::vxUISlotOkBtnClicked);
    connect(m_cancel, &QPushButton::clicked, this, &CommSettings::vxUSlotICancelBtnReleased);
    connect(m_retry, &QCheckBox::toggled, this, &CommSettings::vxUISlotRetryChckBoxClicked);
    showValues(m_accepted);
    onLangTranslation(0);
}

void CommSettings::setValues(bool continueDespiteFault, uint delayMs, bool retriesEnabled, uint retries)
{
    m_accepted.continueDespiteFault = continueDespiteFault;
    m_accepted.delayMs = delayMs;
    m_accepted.retriesEnabled = retriesEnabled;
    m_accepted.retries = qBound(SettingsRecord::minRetries, retries, SettingsRecord::maxRetries);
    showValues(m_accepted);
}

void CommSettings::loadFrom(const SettingsRecord &record)
{
    setValues(record.continueDespiteFault, record.delayMs, record.retriesEnabled, record.retries);
}

void CommSettings::storeIn(SettingsRecord &record) const
{
    record.continueDespiteFault = m_accepted.continueDespiteFault;
    record.delayMs = m_accepted.delayMs;
    record.retriesEnabled = m_accepted.retriesEnabled;
    record.retries = m_accepted.retries;
}

void CommSettings::showValues(const Values &values)
{
    m_continue->setChecked(values.continueDespiteFault);
    m_delay->setText(QString::number(values.delayMs));
    m_retry->setChecked(values.retriesEnabled);
    m_retries->setValue(int(values.retries));
    vxUISlotRetryChckBoxClicked();
}

void CommSettings::vxUISlotOkBtnClicked()
{
    const uint delay = m_delay->text().toUInt();
    if (delay < SettingsRecord::minDelayMs) {
        m_prompter.critical(this, tr("Error"), tr("Delay should be at least 35 ms."));
        m_delay->setText(QString::number(m_accepted.delayMs));
        return;
    }
    m_accepted.continueDespiteFault = m_continue->isChecked();
    m_accepted.delayMs = delay;
    m_accepted.retriesEnabled = m_retry->isChecked();
    m_accepted.retries = uint(m_retries->value());
    accept();
    emit vxUISigCommOkClicked();
}

void CommSettings::vxUSlotICancelBtnReleased()
{
    reject();
}

void CommSettings::reject()
{
    showValues(m_accepted);
    QDialog::reject();
    emit vxUISigCommCancelClicked();
}

void CommSettings::vxUISlotRetryChckBoxClicked()
{
    const bool on = m_retry->isChecked();
    m_retries->setEnabled(on);
    m_retriesCaption->setStyleSheet(on
            ? QStringLiteral("color:rgb(58, 58, 58);border-width:0px;border-color:none")
            : QStringLiteral("color:gray;border-width:0px;border-color:none"));
}

void CommSettings::onLangTranslation(int)
{
    setWindowTitle(tr("Communication Settings"));
    m_continue->setText(tr("Continue despite communication fault"));
    m_delayCaption->setText(tr("Delay between messages  (ms) :"));
    m_retry->setText(tr("Retry"));
    m_retriesCaption->setText(tr("Number of retries"));
    m_ok->setText(tr("OK"));
    m_cancel->setText(tr("Cancel"));
}
