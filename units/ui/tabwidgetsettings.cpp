// The tab controller's settings slots, each handed to the settings dialogs, the role, and the
// wiring of the automatic scan.
#include "commsettings.h"
#include "currentunitpresenter.h"
#include "filesetkeeper.h"
#include "oscilloscopewidget.h"
#include "parameters.h"
#include "paramtransfer.h"
#include "preferences.h"
#include "prompter.h"
#include "scancontroller.h"
#include "settingsbinder.h"
#include "settingsdialogs.h"
#include "tabwidget.h"
#include "threadsupervisor.h"
#include "treemodel.h"
#include "unitconnector.h"
#include "unitregistry.h"
#include "unittreeframe.h"
#include "vxcommmodbusmaster.h"

#include <QPushButton>

void TabWidget::vxUISlotPreferencesSelected()
{
    m_dialogs->openPreferences();
}

void TabWidget::vxUISlotPrefOkClicked()
{
    m_dialogs->preferencesAccepted();
}

void TabWidget::vxUISlotCustomerDataSelected()
{
    m_dialogs->openCustomerData();
}

void TabWidget::vxUISlotCommSettingsSelected()
{
    m_dialogs->openCommSettings();
}

void TabWidget::vxUISlotCommOkClicked()
{
    m_dialogs->commSettingsAccepted();
}

void TabWidget::vxUILanIndexChanged(int index)
{
    m_dialogs->changeLanguage(index);
}

CommSettings *TabWidget::commSettingsDialog() const
{
    return m_dialogs->commSettings();
}

Preferences *TabWidget::preferencesDialog() const
{
    return m_dialogs->preferences();
}

void TabWidget::setUserRole(int roleIndex)
{
    m_accessLevel = roleIndex == 1 ? 2 : 1;
    emit accessLevelChanged(m_accessLevel);
}

void TabWidget::onMainViewEntered()
{
    m_scan->offerAtStart();
}

void TabWidget::onScanUnitsBtnClicked()
{
    m_scan->showSettings();
}

void TabWidget::onContinueScanClicked()
{
    m_scan->showSettings();
}

void TabWidget::vxUISlotStartScanClicked(
    rs232InfoForAutoScan rs232Info, rs485InfoForAutoScan rs485Info, ethernetInfoForAutoScan tcpIpstruct)
{
    m_scan->start(rs232Info, rs485Info, tcpIpstruct);
}

void TabWidget::vxUISlotCancelAutoScan()
{
    m_scan->cancel();
}

void TabWidget::vxUISlotSetSignalValue(int scanned, int found)
{
    m_scan->setProgress(scanned, found);
}

void TabWidget::vxUISlotForScanningWindow()
{
    m_scan->closeScanningWindow();
}

void TabWidget::vxAllConnectedUnitsInfo()
{
    m_scan->allUnitsInfo();
}

void TabWidget::vxUISlotAutoScanChangeUnitName()
{
    for (int i = 0; i < UnitRegistry::InterfaceCount; ++i)
        m_presenter->refreshTree(i);
}

void TabWidget::wireSettingsAndScan()
{
    SettingsDialogs::Context dialogs;
    dialogs.prompter = &m_prompter;
    dialogs.parent = this;
    dialogs.settings = m_settings.get();
    dialogs.registry = m_registry.get();
    dialogs.params = m_params;
    dialogs.fileSets = m_fileSets;
    m_dialogs = new SettingsDialogs(dialogs, this);
    connect(this, &TabWidget::langTranslation, m_dialogs->commSettings(), &CommSettings::onLangTranslation);
    connect(this, &TabWidget::langTranslation, m_dialogs->preferences(), &Preferences::onLangTranslation);

    ScanController::Context ctx;
    ctx.prompter = &m_prompter;
    ctx.parent = this;
    ctx.registry = m_registry.get();
    ctx.connector = m_connector;
    ctx.factory = m_factory.get();
    ctx.settings = m_settings.get();
    ctx.control = [this] { return m_control; };
    ctx.osc = [this] { return m_osc; };
    ctx.removeAllUnits = [this] {
        cleanallData(true);
        // The scan opens the same ports next: the removed units' last workers must have let go.
        m_connector->drainRetiring(ThreadSupervisor::StopWaitMs);
        m_oscView->resetView();
    };
    ctx.makeWorker = [this](UnitRecord *unit, int op) { return makeWorker(unit, op); };
    ctx.report = [this](int kind, int unit, int channel, const QString &link, const QString &message) {
        vxUISlotCatchCommErr(kind, unit, channel, link, message, {}, {});
    };
    m_scan = new ScanController(ctx, this);
    connect(m_scan, &ScanController::finished, this, &TabWidget::vxUISlotAutoScanChangeUnitName);
    // The reads after a scan are transfers: nothing else loads, writes or edits meanwhile.
    connect(m_scan, &ScanController::importBusy, this, [this](bool busy) {
        m_params->vxUISlotDisableImpExpWid(busy || m_transfer->isOpen());
        vxUISlotEnableParamSettings();
    });
    connect(m_scan, &ScanController::statusText, this, &TabWidget::statusMessage);
    connect(m_scan, &ScanController::bringAppToForeGround, this, &TabWidget::bringAppToForeGround);
    connect(this, &TabWidget::langTranslation, m_scan, &ScanController::langTranslation);
    connect(m_tree, &UnitTreeFrame::vxUISigScanUnitsBtnClicked, this, &TabWidget::onScanUnitsBtnClicked);
    m_tree->scanUnitsButton()->show();
}
