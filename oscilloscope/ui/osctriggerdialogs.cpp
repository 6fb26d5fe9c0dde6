#include "osctriggerdialogs.h"

#include "conditionaltrigger.h"
#include "leveltrigger.h"
#include "osccontrolbar.h"
#include "oscunitdev.h"
#include "triggersettings.h"

OscTriggerDialogs::OscTriggerDialogs(
    Prompter &prompter, QWidget *owner, const TriggerDialog::DeviceList &units)
    : QObject(owner)
    , m_prompter(prompter)
    , m_owner(owner)
    , m_units(units)
{ }

OscTriggerDialogs::~OscTriggerDialogs() = default;

void OscTriggerDialogs::setTrigger(OscUnitDev *device, const TriggerSetup &setup)
{
    m_device = device;
    m_setup = std::make_unique<TriggerSetup>(setup);
}

OscUnitDev *OscTriggerDialogs::device() const
{
    return m_device;
}

bool OscTriggerDialogs::isArmed() const
{
    return m_setup && m_setup->kind != TriggerSetup::NoTrigger && m_device;
}

TriggerSettings *OscTriggerDialogs::settings()
{
    if (!m_settings) {
        m_settings = new TriggerSettings(m_owner);
        connect(m_settings, &TriggerSettings::vxUISigNoTrigger, this, [this](int) {
            TriggerSetup none;
            setTrigger(nullptr, none);
            emit statusChanged(OscControlBar::NotActive);
        });
        connect(m_settings, &TriggerSettings::levelTriggerChosen, this, [this] {
            level()->setUnitSource(m_units);
            level()->show();
        });
        connect(m_settings, &TriggerSettings::conditionalTriggerChosen, this, [this] {
            conditional()->setUnitSource(m_units);
            conditional()->show();
        });
        connect(this, &OscTriggerDialogs::langTranslation, m_settings, &TriggerSettings::onLangTranslation);
        connect(m_settings, &TriggerSettings::bringAppToForeGround, this,
            &OscTriggerDialogs::bringAppToForeGround);
    }
    return m_settings;
}

LevelTrigger *OscTriggerDialogs::level()
{
    if (!m_level) {
        m_level = new LevelTrigger(m_prompter, m_owner);
        connect(m_level, &LevelTrigger::vxUISigChangeTriggerstatus, this, &OscTriggerDialogs::statusChanged);
        connect(m_level, &LevelTrigger::confirmed, this,
            [this] { setTrigger(m_level->device(), m_level->setup()); });
        connect(this, &OscTriggerDialogs::langTranslation, m_level, &LevelTrigger::onLangTranslation);
        connect(m_level, &LevelTrigger::bringAppToForeGround, this, &OscTriggerDialogs::bringAppToForeGround);
    }
    return m_level;
}

ConditionalTrigger *OscTriggerDialogs::conditional()
{
    if (!m_conditional) {
        m_conditional = new ConditionalTrigger(m_prompter, m_owner);
        connect(m_conditional, &ConditionalTrigger::vxUISigChangeTriggerstatus, this,
            &OscTriggerDialogs::statusChanged);
        connect(m_conditional, &ConditionalTrigger::confirmed, this,
            [this] { setTrigger(m_conditional->device(), m_conditional->setup()); });
        connect(
            this, &OscTriggerDialogs::langTranslation, m_conditional, &ConditionalTrigger::onLangTranslation);
        connect(m_conditional, &ConditionalTrigger::bringAppToForeGround, this,
            &OscTriggerDialogs::bringAppToForeGround);
    }
    return m_conditional;
}
