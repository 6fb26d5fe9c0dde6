#include "setlanguage.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
struct Language
{
    const char *name; // shown in its own language, never translated
    const char *catalogue;
    const char *flag;
};

const Language languages[SetLanguage::LanguageCount] = {
    { "English", "", ":/EnglandFlag.png" },
    { "Svenska", "/vx_sv_SV", ":/Sweden.png" },
    { "Nederlands", "/vx_nl_NL", ":/Netherlands.png" },
    { "Deutsch", "/vx_de_DE", ":/German.png" },
    { "Fran\u00e7ais", "/vx_fr_FR", ":/French.png" },
    { "Espa\u00f1ol", "/vx_es_ES", ":/Spain.png" },
    { "Russian", "/vx_ru_RU", ":/Russian.png" },
    { "Italiano", "/vx_it_IT", ":/Italian.png" },
    { "Cesky", "/vx_cs_CS", ":/Czech.png" },
    { "T\u00fcrk\u00e7e", "/vx_tr_TR", ":/Turkish.png" },
    { "Portugu\u00eas", "/vx_pt_PT", ":/Portugues.png" },
};
} // namespace

int SetLanguage::validIndex(int index)
{
    return index >= 0 && index < LanguageCount ? index : 0;
}

QString SetLanguage::languageName(int index)
{
    return QString::fromUtf8(languages[validIndex(index)].name);
}

QString SetLanguage::flagPath(int index)
{
    return QString::fromLatin1(languages[validIndex(index)].flag);
}

QString SetLanguage::catalogueName(int index)
{
    return QString::fromLatin1(languages[validIndex(index)].catalogue);
}

SetLanguage::SetLanguage(QWidget *parent)
    : QDialog(parent)
    , m_box(new QComboBox(this))
    , m_caption(new QLabel(this))
    , m_ok(new QPushButton(this))
    , m_cancel(new QPushButton(this))
{
    setModal(true);
    // Every language name whole, whichever is chosen.
    m_box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (int i = 0; i < LanguageCount; ++i)
        m_box->addItem(QIcon(flagPath(i)), languageName(i));

    auto *layout = new QVBoxLayout(this);
    auto *row = new QHBoxLayout;
    row->addWidget(m_caption);
    row->addWidget(m_box, 1);
    layout->addLayout(row);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
    m_ok->setDefault(true);

    connect(
        m_box, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &SetLanguage::vxUILanIndexChanged);
    connect(m_ok, &QPushButton::clicked, this, &SetLanguage::onLangOkClicked);
    connect(m_cancel, &QPushButton::clicked, this, &SetLanguage::vxUISlotCancelBtnReleased);
    onLangTranslation(0);
}

void SetLanguage::onLangOkClicked()
{
    m_applied = validIndex(m_box->currentIndex());
    accept();
    emit langSelectionChanged(uint(m_applied));
}

void SetLanguage::vxUISlotCancelBtnReleased()
{
    m_box->setCurrentIndex(m_applied);
    reject();
}

void SetLanguage::setComboIndex(uint index)
{
    m_applied = index < uint(LanguageCount) ? int(index) : 0;
    m_box->setCurrentIndex(m_applied);
}

void SetLanguage::onLangTranslation(int)
{
    setWindowTitle(tr("Set Language"));
    m_caption->setText(tr("Language"));
    m_ok->setText(tr("OK"));
    m_cancel->setText(tr("Cancel"));
}
