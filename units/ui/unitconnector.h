#pragma once

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class ControlPanelHook;
class OscilloscopeHook;
class Prompter;
class QWidget;
class SettingsBinder;
class TreeModel;
class UnitFactory;
class UnitRegistry;
class VxCommModbusMaster;
class importfileThread;
struct UnitRecord;

// The life of a unit in the registry: the checks of a connect, identification and its result,
// disconnect and reconnect, link-state reports, and removal in its fixed order of steps.
class UnitConnector : public QObject
{
    Q_OBJECT
public:
    // What the connector works with; all owned elsewhere and outliving it.
    struct Context
    {
        Prompter *prompter = nullptr;
        QWidget *parent = nullptr; // parent of message boxes
        UnitRegistry *registry = nullptr;
        UnitFactory *factory = nullptr;
        SettingsBinder *settings = nullptr;
        ControlPanelHook *control = nullptr;
        OscilloscopeHook *osc = nullptr;
        // Creates a configured worker for the unit, registered in its thread list, not started.
        std::function<importfileThread *(UnitRecord *, int operation)> makeWorker;
        // Connects a new master's link reports to the log.
        std::function<void(QObject *master)> watchMaster;
    };

    // A connect request as the add-unit dialog sends it.
    struct Request
    {
        int deviceNo = 0;
        QString port;
        int baudrate = 0;
        QString parity;
        int tcpDevineNo = 0;
        QString ipAddr;
        QString connectMode;
        int datafilemode = 1;
        QString filepath;
    };

    explicit UnitConnector(const Context &context, QObject *parent = nullptr);
    ~UnitConnector() override;

    // Checks the request and starts identification; false when it was refused (box shown).
    bool connectUnit(const Request &request);
    // The identification result of a connect. status >= 0: the unit is accepted.
    void identificationResult(const QStringList &entry, const QString &deviceFile, int status);
    // Registers a unit the scan identified on master (taken over; shared by the units of one
    // RS485 port) exactly as a connect does; false when its device description file is faulty.
    bool acceptScanned(const QStringList &entry, VxCommModbusMaster *master);
    // str holds the details panel's button text: "Disconnect" disconnects, anything else reconnects.
    void disconnectOrReconnect(const QString &str, const QStringList &entry);
    // Removes the unit; false when refused (recording) or the control hand-back was cancelled.
    bool removeUnit(const QStringList &entry, bool cleanUp);
    // A master's report of one exchange: byte lines and failures to the log, warnings and errors
    // also as alerts, link-state changes to the units.
    void healthReport(int msgType, int unitId, int commType, const QString &portName, const QString &errMsg,
        const QStringList &txData, const QStringList &rxData);
    // The status update read the unit's active trip: a new trip, or a trip that cleared, becomes an
    // alert row and the alert line.
    void activeFaultRead(UnitRecord *record, int code);
    // A link-state report ("Device-Active" / "Device-Inactive") of a master.
    void activityChanged(int unitId, int commType, const QString &linkName, const QString &message);

    // The control panel and oscilloscope hooks in force from now on.
    void setHooks(ControlPanelHook *control, OscilloscopeHook *osc);
    // Abandons the units still being identified (close-down): their workers are stopped.
    void abandonPending();

    // A worker has ended: it leaves its unit's thread list and is deleted; a unit waiting only for
    // its workers is freed now.
    void workerFinished(importfileThread *worker);
    // Units whose removal waits for a worker that did not end in time.
    int retiringCount() const;
    // Waits up to timeoutMs for the retiring units' workers, then frees what it can.
    void drainRetiring(int timeoutMs);

    // Where the device description file named by identification is.
    static QString deviceFilePath(const QString &deviceFile);

signals:
    void linkInformation(QString row);
    void alertNotifcation(QString text);
    // A warning or error row for the alert list.
    void alertRow(QString row);
    // The info list of an interface changed (tree to rebuild).
    void unitsChanged(int iface);
    void unitAccepted(UnitRecord *record);
    // A unit's connection state changed (tree colour, details button).
    void unitStateChanged(QStringList entry);
    // The connect attempt ended, accepted or not: the dialog may be used again.
    void connectAttemptEnded();
    // Identification of a unit started on its link; `what` names the unit and its link.
    void connectStarted(QString what);
    // What a connect attempt came to, for the status bar.
    void statusText(QString text);
    void unitAboutToBeRemoved(UnitRecord *record);
    void unitRemoved(QStringList entry);
    // Views must let go of a model that is deleted next.
    void modelAboutToBeDeleted(TreeModel *model);
    // "ImportActive": read all parameters of a unit just connected.
    void importRequested(TreeModel *model, QStringList entry);

private:
    bool accept(std::unique_ptr<UnitRecord> record, const QString &deviceFile, bool manual);
    void reconnectResult(UnitRecord *record, importfileThread *worker, int status);
    void log(const QStringList &entry, const QString &result, const QString &message);
    void error(const QString &text);
    // "unit 5 on /dev/ttyUSB0" or "unit 1 at 192.168.0.10".
    static QString describe(const QStringList &entry);
    // Flags the workers of a record taken out of every list and frees it, or keeps it until its
    // last worker has ended; nothing is waited for.
    void dispose(std::unique_ptr<UnitRecord> record);
    void finalize(std::unique_ptr<UnitRecord> record);
    void markInMaster(UnitRecord *record, bool connected);
    // Sets and tells the views of a new connection state; a unit answering again after it was
    // disconnected ends its alert on the alert line.
    void stateChanged(UnitRecord *record, const QString &state);

    Context m_ctx;
};
