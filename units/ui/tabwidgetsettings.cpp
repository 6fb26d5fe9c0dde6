// The tab controller's settings: preferences, customer data, communication settings, language
// and role, and the automatic scan.
#include "commsettings.h"
#include "customerdatadialog.h"
#include "filesetkeeper.h"
#include "oscilloscopewidget.h"
#include "parameters.h"
#include "paramtransfer.h"
#include "preferences.h"
#include "prompter.h"
#include "scancontroller.h"
#include "settingsbinder.h"
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
    m_preferences->open();
}

void TabWidget::vxUISlotPrefOkClicked()
{
    m_preferences->storeIn(m_settings->record());
    m_settings->options().blockReads = m_preferences->getBlockReads();
    m_settings->saveOptions();
}

void TabWidget::vxUISlotCustomerDataSelected()
{
    auto *dialog = new CustomerDataDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(QStringLiteral("customerDataDialog"));
    const auto &customer = m_settings->record().customer;
    dialog->setTexts(QStringList(customer.begin(), customer.end()));
    connect(dialog, &CustomerDataDialog::bringAppToForeGround, this, &TabWidget::bringAppToForeGround);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        // Kept in the settings file and written into every parameter set file and printout.
        const QStringList texts = dialog->texts();
        auto &kept = m_settings->record().customer;
        for (int i = 0; i < int(kept.size()); ++i)
            kept[size_t(i)] = texts.value(i);
        m_params->setCustomerData(texts);
    });
    dialog->open();
}

void TabWidget::vxUISlotCommSettingsSelected()
{
    m_commSettings->open();
}

void TabWidget::vxUISlotCommOkClicked()
{
    m_commSettings->storeIn(m_settings->record());
    for (int i = 0; i < UnitRegistry::InterfaceCount; ++i)
        for (VxCommModbusMaster *master : m_registry->commModList(i))
            m_settings->configureMaster(master);
}

void TabWidget::vxUILanIndexChanged(int index)
{
    m_settings->record().language = uint(index);
    m_params->setLanguage(uint(index));
    // Every open tree, of a unit or of a set opened from a file, reads its texts from its own
    // device description file.
    QList<TreeModel *> models = m_fileSets->sets();
    for (int i = 0; i < UnitRegistry::InterfaceCount; ++i)
        for (int n = 0; n < m_registry->count(i); ++n)
            models.append(m_registry->record(i, n)->model);
    for (TreeModel *model : models)
        if (model)
            model->changelang(model->deviceFileName(), uint(index));
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
        refreshTree(i);
}

void TabWidget::wireSettingsAndScan()
{
    m_commSettings = new CommSettings(m_prompter, this);
    m_preferences = new Preferences(this);
    m_commSettings->setWindowFlag(Qt::Window);
    m_preferences->setWindowFlag(Qt::Window);
    connect(m_commSettings, &CommSettings::vxUISigCommOkClicked, this, &TabWidget::vxUISlotCommOkClicked);
    connect(m_preferences, &Preferences::vxUISigPrefOkClicked, this, &TabWidget::vxUISlotPrefOkClicked);
    connect(this, &TabWidget::langTranslation, m_commSettings, &CommSettings::onLangTranslation);
    connect(this, &TabWidget::langTranslation, m_preferences, &Preferences::onLangTranslation);
    m_commSettings->loadFrom(m_settings->record());
    m_preferences->loadFrom(m_settings->record());
    m_preferences->setBlockReads(m_settings->options().blockReads);

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
