#include "preferences.h"

#include "settingsrecord.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

Preferences::Preferences(QWidget *parent)
    : QDialog(parent)
    , m_ok(new QPushButton(this))
    , m_cancel(new QPushButton(this))
{
    setObjectName(QStringLiteral("preferences"));
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    for (QCheckBox *&box : m_boxes) {
        box = new QCheckBox(this);
        layout->addWidget(box);
    }
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &Preferences::vxUISlotOkBtnReleased);
    connect(m_cancel, &QPushButton::clicked, this, &Preferences::vxUSlotICancelBtnReleased);
    showValues();
    onLangTranslation(0);
}

void Preferences::set(Option option, bool on)
{
    m_accepted[option] = on;
    m_boxes[option]->setChecked(on);
}

void Preferences::showValues()
{
    for (int i = 0; i < OptionCount; ++i)
        m_boxes[size_t(i)]->setChecked(m_accepted[size_t(i)]);
}

void Preferences::loadFrom(const SettingsRecord &r)
{
    m_accepted = { { r.autoImportActive, r.importActive, r.autoScanActive, r.autoSave, r.exportOnlyChanged,
        m_accepted[BlockReads] } };
    showValues();
}

void Preferences::storeIn(SettingsRecord &r) const
{
    r.autoImportActive = m_accepted[AutoImportActive];
    r.importActive = m_accepted[ImportActive];
    r.autoScanActive = m_accepted[AutoScanActive];
    r.autoSave = m_accepted[AutoSave];
    r.exportOnlyChanged = m_accepted[ExportOnlyChanged];
}

void Preferences::vxUISlotOkBtnReleased()
{
    for (int i = 0; i < OptionCount; ++i)
        m_accepted[size_t(i)] = m_boxes[size_t(i)]->isChecked();
    accept();
    emit vxUISigPrefOkClicked();
}

void Preferences::vxUSlotICancelBtnReleased()
{
    reject();
}

void Preferences::reject()
{
    showValues();
    QDialog::reject();
    emit vxUISigPrefCancelClicked();
}

void Preferences::onLangTranslation(int)
{
    setWindowTitle(tr("Preferences"));
    m_boxes[AutoImportActive]->setText(tr("\"Load from Drive\" on Automatic scan (scan unit)"));
    m_boxes[ImportActive]->setText(tr("\"Load from Drive\" in Manual Add unit, on Connect"));
    m_boxes[AutoScanActive]->setText(tr("Automatic scan on application startup"));
    m_boxes[AutoSave]->setText(tr("Automatic save Setting on Exit"));
    m_boxes[ExportOnlyChanged]->setText(tr("\"Load to Drive\" only offline Changed Parameters"));
    m_boxes[BlockReads]->setText(tr("Read in blocks"));
    m_ok->setText(tr("OK"));
    m_cancel->setText(tr("Cancel"));
}
