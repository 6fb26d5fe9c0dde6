#include "scancontroller.h"

#include "autoscansettings.h"
#include "importfilethread.h"
#include "prompter.h"
#include "scandialog.h"
#include "scanimport.h"
#include "scanning.h"
#include "settingsbinder.h"
#include "unitconnector.h"
#include "unitentryfields.h"
#include "unitfactory.h"
#include "unithooks.h"
#include "unitregistry.h"
#include "vxcommdevicestatus.h"
#include "vxcommmodbusmaster.h"

#include <QWidget>

namespace F = UnitEntryField;

ScanController::ScanController(const Context &context, QObject *parent)
    : QObject(parent)
    , m_ctx(context)
    , m_scanner(std::make_unique<vxCommDeviceStatus>())
    , m_offer(new scanDialog(context.parent))
    , m_settingsDialog(new AutoScanSettings(*context.prompter, context.parent))
    , m_progress(new scanning(context.parent))
{
    connect(m_offer, &scanDialog::continueScanClicked, this, &ScanController::showSettings);
    connect(m_settingsDialog, &AutoScanSettings::vxUISigStartScanClicked, this, &ScanController::start);
    connect(m_progress, &scanning::vxUISigCancelAutoScanClicked, this, &ScanController::cancel);
    for (QObject *dialog : { static_cast<QObject *>(m_offer), static_cast<QObject *>(m_settingsDialog),
             static_cast<QObject *>(m_progress) })
        connect(dialog, SIGNAL(bringAppToForeGround()), this, SIGNAL(bringAppToForeGround()));
    connect(this, &ScanController::langTranslation, m_offer, &scanDialog::onLangTranslation);
    connect(this, &ScanController::langTranslation, m_settingsDialog, &AutoScanSettings::onLangTranslation);
    connect(this, &ScanController::langTranslation, m_progress, &scanning::onLangTranslation);
}

ScanController::~ScanController()
{
    abandon();
    delete m_offer;
    delete m_settingsDialog;
    delete m_progress;
}

void ScanController::offerAtStart()
{
    if (m_offered)
        return;
    m_offered = true;
    if (m_ctx.settings->record().autoScanActive) {
        m_offer->adjustSize();
        m_offer->show();
    }
}

void ScanController::showSettings()
{
    if (isScanning())
        return;
    m_settingsDialog->refreshPorts();
    m_settingsDialog->adjustSize();
    m_settingsDialog->show();
    m_settingsDialog->raise();
}

void ScanController::start(const rs232InfoForAutoScan &rs232, const rs485InfoForAutoScan &rs485,
    const ethernetInfoForAutoScan &range)
{
    if (isScanning())
        return;
    m_settingsDialog->storeIn(m_ctx.settings->record());
    if (m_ctx.osc()->isRecording()) {
        m_ctx.prompter->information(
            m_ctx.parent, tr("Information"), tr("Oscilloscope record in progress.\nPlease stop recording"));
        return;
    }
    UnitRegistry &reg = *m_ctx.registry;
    if (reg.total() > 0) {
        const auto answer = m_ctx.prompter->question(m_ctx.parent, tr("Information"),
            tr("Scanning will delete all connected units.\n Do you want to proceed?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, QMessageBox::Question);
        if (answer != QMessageBox::Yes)
            return;
        QList<QStringList> connected;
        for (int i = 0; i < UnitRegistry::InterfaceCount; ++i)
            for (const QStringList &entry : reg.infoList(i))
                if (F::at(entry, F::State) == F::connected())
                    connected.append(entry);
        if (!connected.isEmpty() && !m_ctx.control()->offerControlSource(connected))
            return;
        m_ctx.removeAllUnits();
    }

    QStringList where = rs232.ports + rs485.ports;
    if (!range.startIp.isEmpty())
        where.append(range.startIp.join(QLatin1Char('.')) + QStringLiteral(" - ")
            + range.endIp.join(QLatin1Char('.')));
    m_scanned = where.join(QStringLiteral(", "));
    const int total = ScanRules::progressTotal(rs232, rs485, range);
    m_progress->begin(total);
    m_progress->show();
    if (total == 0)
        return; // nothing to try: the window says so and Cancel closes it

    const SettingsBinder &settings = *m_ctx.settings;
    m_scanner->VxCommSetMsgDelay(int(settings.record().delayMs));
    m_scanner->VxCommSetNoOfRetries(settings.retries());
    m_scanner->VxCommSetStopScanFlag(false);

    m_worker = m_ctx.factory->createWorker(nullptr, QStringList(), nullptr);
    m_worker->setOperation(importfileThread::AutoScan);
    m_worker->setScanRequest(m_scanner.get(), rs232, rs485, range, m_options);
    UnitFactory *factory = m_ctx.factory;
    SettingsBinder *binder = m_ctx.settings;
    // Called on the scan thread: the factory only creates, the binder is only read.
    m_worker->setScanMasterFactory([factory, binder](int channel) {
        VxCommModbusMaster *master = factory->createMaster(channel);
        binder->configureMaster(master);
        return master;
    });
    // The worker's signals come from its thread: queued into this one.
    connect(
        m_worker, &importfileThread::vxUISigSetScanValue, this,
        [this](int scanned, int found) {
            m_progress->setValue(scanned, found);
            emit progress(scanned, found);
        },
        Qt::QueuedConnection);
    connect(
        m_worker, &importfileThread::VxCommHealthOfUnit, this,
        [this](int kind, int unit, int channel, const QString &link, const QString &message) {
            if (m_ctx.report)
                m_ctx.report(kind, unit, channel, link, message);
        },
        Qt::QueuedConnection);
    connect(m_worker, &importfileThread::vxAllUnitsInfo, this, &ScanController::allUnitsInfo,
        Qt::QueuedConnection);
    m_worker->start(QThread::InheritPriority);
}

void ScanController::cancel()
{
    if (m_worker)
        m_worker->vxUISlotCancelAutoScan();
    else
        m_progress->hide(); // nothing was started
}

void ScanController::abandon()
{
    if (!m_worker)
        return;
    m_worker->vxUISlotCancelAutoScan();
    m_worker->wait();
    for (const ScanOps::FoundUnit &unit : m_worker->takeScanResult()) {
        // Masters of a shared RS485 port appear once per unit: free each once.
        if (!m_ctx.registry->ownsMaster(unit.master)) {
            m_ctx.registry->adoptMaster(unit.master);
            m_ctx.registry->releaseMaster(unit.master);
        }
    }
    delete m_worker;
    m_worker = nullptr;
    m_progress->hide();
}

void ScanController::setProgress(int scanned, int found)
{
    m_progress->setValue(scanned, found);
    emit progress(scanned, found);
}

void ScanController::closeScanningWindow()
{
    m_progress->hide();
}

void ScanController::allUnitsInfo()
{
    if (!m_worker)
        return;
    m_worker->wait();
    const QList<ScanOps::FoundUnit> found = m_worker->takeScanResult();
    delete m_worker;
    m_worker = nullptr;
    closeScanningWindow();
    int registered = 0;
    for (const ScanOps::FoundUnit &unit : found)
        registered += m_ctx.connector->acceptScanned(unit.entry, unit.master) ? 1 : 0;
    if (registered == 0)
        m_ctx.prompter->information(
            m_ctx.parent, tr("Information"), tr("No unit found on %1.").arg(m_scanned));
    else
        emit statusText(tr("The scan found %n unit(s)", nullptr, registered));
    if (registered > 0 && m_ctx.settings->record().autoImportActive)
        startImport();
    emit finished(registered);
}

void ScanController::startImport()
{
    auto *window = new ScanImport(m_ctx.parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(this, &ScanController::langTranslation, window, &ScanImport::onLangTranslation);
    m_import = window;
    QList<importfileThread *> workers;
    // RS232 units first, then RS485, then TCP/IP, all read at once.
    for (int i = 0; i < UnitRegistry::InterfaceCount; ++i) {
        for (int n = 0; n < m_ctx.registry->count(i); ++n) {
            UnitRecord *record = m_ctx.registry->record(i, n);
            if (!record->model || F::at(record->entry, F::State) != F::connected())
                continue;
            importfileThread *worker = m_ctx.makeWorker(record, importfileThread::ReadAllParameters);
            if (!worker)
                continue;
            window->addUnit(F::at(record->entry, F::Name), worker);
            workers.append(worker);
        }
    }
    if (workers.isEmpty()) {
        window->deleteLater();
        return;
    }
    window->adjustSize();
    window->show();
    // Counted by the workers, not the window: closing it leaves the reads running.
    m_importing += workers.size();
    emit importBusy(true);
    for (importfileThread *worker : workers) {
        connect(
            worker, &QThread::finished, this,
            [this, count = workers.size()] {
                if (m_importing > 0 && --m_importing == 0) {
                    emit importBusy(false);
                    emit statusText(
                        tr("Parameters read from the %n unit(s) found by the scan", nullptr, count));
                }
            },
            Qt::QueuedConnection);
        worker->setRunFlag(true);
        worker->start(QThread::InheritPriority);
    }
}
