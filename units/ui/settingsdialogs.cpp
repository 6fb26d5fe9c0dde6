#include "settingsdialogs.h"

#include "commsettings.h"
#include "customerdatadialog.h"
#include "filesetkeeper.h"
#include "parameters.h"
#include "preferences.h"
#include "settingsbinder.h"
#include "treemodel.h"
#include "unitregistry.h"
#include "vxcommmodbusmaster.h"

SettingsDialogs::SettingsDialogs(const Context &context, QObject *parent)
    : QObject(parent)
    , m_ctx(context)
{
    m_commSettings = new CommSettings(*m_ctx.prompter, m_ctx.parent);
    m_preferences = new Preferences(m_ctx.parent);
    m_commSettings->setWindowFlag(Qt::Window);
    m_preferences->setWindowFlag(Qt::Window);
    connect(
        m_commSettings, &CommSettings::vxUISigCommOkClicked, this, &SettingsDialogs::commSettingsAccepted);
    connect(m_preferences, &Preferences::vxUISigPrefOkClicked, this, &SettingsDialogs::preferencesAccepted);
    m_commSettings->loadFrom(m_ctx.settings->record());
    m_preferences->loadFrom(m_ctx.settings->record());
    m_preferences->setBlockReads(m_ctx.settings->options().blockReads);
}

void SettingsDialogs::openPreferences()
{
    m_preferences->open();
}

void SettingsDialogs::openCommSettings()
{
    m_commSettings->open();
}

void SettingsDialogs::preferencesAccepted()
{
    m_preferences->storeIn(m_ctx.settings->record());
    m_ctx.settings->options().blockReads = m_preferences->getBlockReads();
    m_ctx.settings->saveOptions();
}

void SettingsDialogs::commSettingsAccepted()
{
    m_commSettings->storeIn(m_ctx.settings->record());
    for (int i = 0; i < UnitRegistry::InterfaceCount; ++i)
        for (VxCommModbusMaster *master : m_ctx.registry->commModList(i))
            m_ctx.settings->configureMaster(master);
}

void SettingsDialogs::openCustomerData()
{
    auto *dialog = new CustomerDataDialog(m_ctx.parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(QStringLiteral("customerDataDialog"));
    const auto &customer = m_ctx.settings->record().customer;
    dialog->setTexts(QStringList(customer.begin(), customer.end()));
    connect(dialog, &CustomerDataDialog::bringAppToForeGround, this, &SettingsDialogs::bringAppToForeGround);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        // Kept in the settings file and written into every parameter set file and printout.
        const QStringList texts = dialog->texts();
        auto &kept = m_ctx.settings->record().customer;
        for (int i = 0; i < int(kept.size()); ++i)
            kept[size_t(i)] = texts.value(i);
        m_ctx.params->setCustomerData(texts);
    });
    dialog->open();
}

void SettingsDialogs::changeLanguage(int index)
{
    m_ctx.settings->record().language = uint(index);
    m_ctx.params->setLanguage(uint(index));
    // Every open tree, of a unit or of a set opened from a file, reads its texts from its own
    // device description file.
    QList<TreeModel *> models = m_ctx.fileSets->sets();
    for (int i = 0; i < UnitRegistry::InterfaceCount; ++i)
        for (int n = 0; n < m_ctx.registry->count(i); ++n)
            models.append(m_ctx.registry->record(i, n)->model);
    for (TreeModel *model : models)
        if (model)
            model->changelang(model->deviceFileName(), uint(index));
}
