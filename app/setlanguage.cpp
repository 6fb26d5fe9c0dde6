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
    const char *qtCatalogue; // the toolkit's own texts (buttons, file dialog) in that language
};

const Language languages[SetLanguage::LanguageCount] = {
    { "English", "", ":/EnglandFlag.png", "" },
    { "Svenska", "/vx_sv_SV", ":/Sweden.png", "qt_sv" },
    { "Nederlands", "/vx_nl_NL", ":/Netherlands.png", "qt_nl" },
    { "Deutsch", "/vx_de_DE", ":/German.png", "qt_de" },
    { "Fran\u00e7ais", "/vx_fr_FR", ":/French.png", "qt_fr" },
    { "Espa\u00f1ol", "/vx_es_ES", ":/Spain.png", "qt_es" },
    { "Russian", "/vx_ru_RU", ":/Russian.png", "qt_ru" },
    { "Italiano", "/vx_it_IT", ":/Italian.png", "qt_it" },
    { "Cesky", "/vx_cs_CS", ":/Czech.png", "qt_cs" },
    { "T\u00fcrk\u00e7e", "/vx_tr_TR", ":/Turkish.png", "qt_tr" },
    { "Portugu\u00eas", "/vx_pt_PT", ":/Portugues.png", "qt_pt_PT" },
};
// The toolkit's button texts, kept in our catalogues as well: the system's catalogues of some
// languages (Swedish, European Portuguese) predate the context these are looked up in, and the
// buttons of every box would stay English there. Only marked here, never used: the toolkit asks.
[[maybe_unused]] const char *const toolkitButtonTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Yes to &All"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "N&o to All"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Save"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Save All"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Open"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Close"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Discard"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Apply"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Reset"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Restore Defaults"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Help"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Abort"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Retry"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Ignore"),
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

QString SetLanguage::qtCatalogueName(int index)
{
    return QString::fromLatin1(languages[validIndex(index)].qtCatalogue);
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
