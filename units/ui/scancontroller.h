#pragma once

#include "autoscaninfo.h"
#include "scanimport.h"
#include "scanoperation.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class AutoScanSettings;
class ControlPanelHook;
class OscilloscopeHook;
class Prompter;
class QWidget;
class SettingsBinder;
class UnitConnector;
class UnitFactory;
class UnitRegistry;
class importfileThread;
class scanDialog;
class scanning;
class vxCommDeviceStatus;
struct UnitRecord;

// The automatic scan from the window: the offer at start-up, the settings dialog, clearing the
// units, the scan worker with its progress window, registration of the units found and the
// reading of their parameters.
class ScanController : public QObject
{
    Q_OBJECT
public:
    struct Context
    {
        Prompter *prompter = nullptr;
        QWidget *parent = nullptr;
        UnitRegistry *registry = nullptr;
        UnitConnector *connector = nullptr;
        UnitFactory *factory = nullptr;
        SettingsBinder *settings = nullptr;
        std::function<ControlPanelHook *()> control;
        std::function<OscilloscopeHook *()> osc;
        // Removes every unit (the parameter sets from files stay).
        std::function<void()> removeAllUnits;
        std::function<importfileThread *(UnitRecord *, int operation)> makeWorker;
        // A candidate's report, for the link information.
        std::function<void(int kind, int unit, int channel, const QString &link, const QString &message)>
            report;
    };

    explicit ScanController(const Context &context, QObject *parent = nullptr);
    ~ScanController() override;

    scanDialog *offerDialog() const { return m_offer; }
    AutoScanSettings *settingsDialog() const { return m_settingsDialog; }
    scanning *progressWindow() const { return m_progress; }
    // The "Load from Drive" window of the last scan; null when none is open.
    ScanImport *importWindow() const { return m_import; }
    bool isScanning() const { return m_worker != nullptr; }
    // Whether the reads after a scan still run: like any transfer, they own the units' models.
    bool isImporting() const { return m_importing > 0; }
    void setScanOptions(const ScanOps::Options &options) { m_options = options; }

    // The first entry into the main view offers a scan once, when "AutoScanActive" is set.
    void offerAtStart();
    void showSettings();
    // The request of the settings dialog: checks, clears the units, starts the scan.
    void start(const rs232InfoForAutoScan &rs232, const rs485InfoForAutoScan &rs485,
        const ethernetInfoForAutoScan &range);
    void cancel();
    // The scan thread's reports: progress (candidates tried, units found), the end with the units
    // found, and the progress window to close.
    void setProgress(int scanned, int found);
    void allUnitsInfo();
    void closeScanningWindow();
    // Waits for a running scan to end (close-down); its units are dropped.
    void abandon();

signals:
    void progress(int scanned, int found);
    // The scan has ended and its units are registered.
    void finished(int found);
    // The reads after a scan began (true) or the last of them ended (false).
    void importBusy(bool busy);
    // What a scan or the reads after it came to, for the status bar.
    void statusText(const QString &text);
    void bringAppToForeGround();
    void langTranslation(int index);

private:
    void startImport();

    Context m_ctx;
    ScanOps::Options m_options;
    std::unique_ptr<vxCommDeviceStatus> m_scanner;
    scanDialog *m_offer;
    AutoScanSettings *m_settingsDialog;
    scanning *m_progress;
    QPointer<ScanImport> m_import;
    importfileThread *m_worker = nullptr;
    int m_importing = 0; // reads after the scan not yet ended
    QString m_scanned; // the ports and range of the running scan, for its summary
    bool m_offered = false;
};
