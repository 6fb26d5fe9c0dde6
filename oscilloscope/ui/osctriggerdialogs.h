#pragma once

#include "triggerdialog.h"

#include <QObject>
#include <QPointer>
#include <memory>

class ConditionalTrigger;
class LevelTrigger;
class Prompter;
class TriggerSettings;
struct TriggerSetup;

// The trigger dialogs of the oscilloscope view, made on first use, and the trigger they set up
// for the next recording with the unit it watches.
class OscTriggerDialogs : public QObject
{
    Q_OBJECT
public:
    // The dialogs open over `owner`; `units` gives the devices of an interface to choose from.
    OscTriggerDialogs(Prompter &prompter, QWidget *owner, const TriggerDialog::DeviceList &units);
    ~OscTriggerDialogs() override;

    TriggerSettings *settings();
    LevelTrigger *level();
    ConditionalTrigger *conditional();

    void setTrigger(OscUnitDev *device, const TriggerSetup &setup);
    // A trigger is set up and its unit is still there.
    bool isArmed() const;
    OscUnitDev *device() const;
    const TriggerSetup &setup() const { return *m_setup; }

signals:
    // A trigger status (OscControlBar::TriggerStatus) for the view to show.
    void statusChanged(int status);
    void langTranslation(int language);
    void bringAppToForeGround();

private:
    Prompter &m_prompter;
    QWidget *m_owner;
    TriggerDialog::DeviceList m_units;
    TriggerSettings *m_settings = nullptr;
    LevelTrigger *m_level = nullptr;
    ConditionalTrigger *m_conditional = nullptr;
    QPointer<OscUnitDev> m_device;
    std::unique_ptr<TriggerSetup> m_setup;
};
