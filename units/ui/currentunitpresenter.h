#pragma once

#include <QModelIndex>
#include <QObject>
#include <QStringList>
#include <functional>

class alarms;
class Connect;
class CtrlPanelController;
class CtrlPanelFrame;
class FaultLogger;
class OscilloscopeHook;
class Parameters;
class Prompter;
class QPlainTextEdit;
class QTabWidget;
class Status;
class ThreadSupervisor;
class UnitConnector;
class UnitRegistry;
class UnitTreeFrame;
struct UnitRecord;

// The current unit and what the views show of it: the unit tree, the details, the parameters,
// status and fault logger views and the control panel follow the user's choice of unit and tab
// and what the unit connector reports (units accepted, changing state, removed), and the
// supervisor runs the cycles of the shown tab.
class CurrentUnitPresenter : public QObject
{
    Q_OBJECT
public:
    // The views and helpers it works with; all of them outlive this object.
    struct Views
    {
        Prompter *prompter = nullptr;
        QWidget *parent = nullptr; // parent of boxes
        QTabWidget *tabs = nullptr;
        UnitTreeFrame *tree = nullptr;
        Connect *details = nullptr;
        Parameters *params = nullptr;
        Status *status = nullptr;
        FaultLogger *faults = nullptr;
        alarms *alerts = nullptr;
        QPlainTextEdit *linkLog = nullptr;
        CtrlPanelFrame *ctrlFrame = nullptr;
        CtrlPanelController *ctrl = nullptr;
        UnitRegistry *registry = nullptr;
        ThreadSupervisor *supervisor = nullptr;
        std::function<OscilloscopeHook *()> osc;
        // Tells the menu actions whether they can be used now.
        std::function<void()> updateActions;
        // Closes the progress of a parameter transfer when its unit goes.
        std::function<void(const UnitRecord *unit)> unitGoing;
    };

    CurrentUnitPresenter(const Views &views, QObject *parent = nullptr);

    // Follows what the connector reports about units.
    void follow(UnitConnector *connector);

    const QStringList &currentEntry() const { return m_currentEntry; }
    // Makes the unit current (null: none) and restarts the cycles of the shown tab.
    void setCurrentUnit(UnitRecord *record);
    void tabChanged(int index);
    void unitTreeClicked(const QModelIndex &index, const QStringList &entry);
    // Lists the units of the interface (0 RS232, 1 RS485, 2 TCP/IP) in the tree again.
    void refreshTree(int iface);
    // A link-information row: logged, and an alert when it is a link outcome.
    void appendLog(const QString &line);

signals:
    void linkInformation(QString row);
    void busy(QString text);

private:
    void showUnitModel(UnitRecord *record);
    // Shows the current unit in the views beside the shown tab (status, fault logger, panel).
    void showUnitInTabViews();

    Views m_v;
    QStringList m_currentEntry;
    int m_shownTab = 0;
};
