#pragma once

#include "unithooks.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>

class ControlModule;
class CtrlPanelFrame;
class Prompter;
class importfileThread;

// The control panel's logic for the tab controller: each panel action updates the unit's control
// record and starts one worker that writes the value; the control-update worker's passes show in
// the panel; the "Control Source" hand-back runs before units go.
class CtrlPanelController : public QObject, public ControlPanelHook
{
    Q_OBJECT
public:
    // What the controller works with; owned by the tab controller and outliving this object.
    struct Context
    {
        Prompter *prompter = nullptr;
        QWidget *parent = nullptr; // parent of boxes and of the "Control Source" dialog
        CtrlPanelFrame *frame = nullptr;
        // The unit's control module and its entry as the registry holds it now; nullptr when the
        // unit is not (or no longer) registered.
        std::function<QObject *(const QStringList &entry, QStringList *live)> findUnit;
        // A configured worker of the registered unit with the operation set, not started; nullptr
        // when the unit is gone.
        std::function<importfileThread *(const QStringList &entry, int operation)> makeWorker;
        // The unit the panel acts on.
        std::function<QStringList()> currentEntry;
    };
    // Asks for the sources a unit's control is handed back to; false: cancelled. The default shows
    // the "Control Source" dialog; tests answer it themselves.
    using SourceAsker
        = std::function<bool(QWidget *parent, const QStringList &entry, int *runSource, int *refSource)>;

    explicit CtrlPanelController(const Context &context, QObject *parent = nullptr);

    void setSourceAsker(SourceAsker asker) { m_ask = std::move(asker); }
    CtrlPanelFrame *frame() const { return m_ctx.frame; }

    // Writes a control value (WorkerOps::ControlKind) to the unit: nothing for no unit, a unit no
    // longer registered or one not connected. Returns the started worker (nullptr when nothing
    // was written). A hand-back write (removeSetting) outlives the unit's removal and is returned
    // unstarted, outside the unit's queue, which goes with the unit.
    importfileThread *write(const QStringList &entry, int kind, double value, bool removeSetting = false);
    // The values identification read, as the unit's control record starts with them.
    void setInitialValues(const QStringList &entry, double reference, const QString &referenceSource,
        const QString &runSource, const QString &motorDirection);

    // ControlPanelHook
    bool offerControlSource(const QList<QStringList> &units) override;
    QObject *createControlModule(const QStringList &entry, const QString &deviceFile) override;
    void removeControlModule(QObject *module) override;
    bool isMotorRunning(const QStringList &entry) const override;
    void showNoUnit() override;
    void prepareWorker(importfileThread *worker, QObject *module, int operation) override;

public slots:
    void vxUIslotCtrlFwdBtnClicked();
    void vxUIslotCtrlBwdBtnClicked();
    void vxUIslotCtrlStpBtnClicked();
    void vxUISlotCtrlRefValEntered();
    void vxUISlotCtrlRefSrcChanged(int index);
    void vxUISlotCtrlRunStopSrcChanged(int index);
    // Shows the panel for a unit without writing anything.
    void vxUISlotCtrlSetChanged(QStringList list, bool flag = true);
    // A pass of the control update: the panel shows the current unit again.
    void vxUICtrlUpdate();

private:
    ControlModule *moduleOf(const QStringList &entry, QStringList *live = nullptr) const;
    // Starts the unit's next queued write once the one before has ended.
    void startNext(QObject *module);
    // Starts the workers one after the other, each when the one before has ended.
    void startInTurn(const QList<importfileThread *> &workers);

    Context m_ctx;
    // Each unit's writes in the order of the actions: one worker per action, each started only
    // when the one before has ended, so "COM" reaches the unit before the value that needs it.
    QHash<QObject *, QList<QPointer<importfileThread>>> m_queues;
    SourceAsker m_ask;
};
