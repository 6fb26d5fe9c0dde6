#include "ctrlpanelcontroller.h"

#include "controlbox.h"
#include "controlmodule.h"
#include "ctrlpanelframe.h"
#include "importfilethread.h"
#include "prompter.h"
#include "registerword.h"
#include "unitentryfields.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace F = UnitEntryField;
using namespace WorkerOps;

namespace {

bool showDialog(QWidget *parent, const QStringList &entry, int *runSource, int *refSource)
{
    ControlBox box(F::at(entry, F::Name), parent);
    box.exec();
    *runSource = box.runStopSource();
    *refSource = box.referenceSource();
    return box.isConfirmed();
}

// "00" to "03" as a source or command index; -1 for anything else.
int indexOf(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : -1;
}

} // namespace

CtrlPanelController::CtrlPanelController(const Context &context, QObject *parent)
    : QObject(parent)
    , m_ctx(context)
    , m_ask(showDialog)
{
    CtrlPanelFrame *f = m_ctx.frame;
    connect(f, &CtrlPanelFrame::vxUISigFwdClicked, this, &CtrlPanelController::vxUIslotCtrlFwdBtnClicked);
    connect(f, &CtrlPanelFrame::vxUISigBwdClicked, this, &CtrlPanelController::vxUIslotCtrlBwdBtnClicked);
    connect(f, &CtrlPanelFrame::vxUISigStpClicked, this, &CtrlPanelController::vxUIslotCtrlStpBtnClicked);
    connect(f, &CtrlPanelFrame::vxUISigRefValEntered, this, &CtrlPanelController::vxUISlotCtrlRefValEntered);
    connect(f, &CtrlPanelFrame::vxUISigRefSrcChanged, this, &CtrlPanelController::vxUISlotCtrlRefSrcChanged);
    connect(f, &CtrlPanelFrame::vxUISigRunStopSrcChanged, this,
        &CtrlPanelController::vxUISlotCtrlRunStopSrcChanged);
}

ControlModule *CtrlPanelController::moduleOf(const QStringList &entry, QStringList *live) const
{
    QStringList now;
    QObject *module = m_ctx.findUnit ? m_ctx.findUnit(entry, &now) : nullptr;
    if (live)
        *live = now;
    return qobject_cast<ControlModule *>(module);
}

importfileThread *CtrlPanelController::write(
    const QStringList &entry, int kind, double value, bool removeSetting)
{
    if (F::at(entry, F::Interface).isEmpty())
        return nullptr;
    // Found again in the registry: a unit removed meanwhile gets nothing, and no other unit gets
    // its value.
    QStringList live;
    ControlModule *module = moduleOf(entry, &live);
    if (!module || F::at(live, F::State) != F::connected())
        return nullptr;
    module->record()->apply(kind, value);
    importfileThread *worker = m_ctx.makeWorker(live, kind);
    if (!worker)
        return nullptr;
    worker->setOperationArg(value);
    worker->setRunFlag(true);
    if (removeSetting) {
        worker->setOutlivesRemoval(true);
        return worker;
    }
    connect(
        worker, &QThread::finished, this, [this, module] { startNext(module); }, Qt::QueuedConnection);
    QList<QPointer<importfileThread>> &queue = m_queues[module];
    queue.append(worker);
    if (queue.size() == 1)
        worker->start(QThread::InheritPriority);
    return worker;
}

void CtrlPanelController::startNext(QObject *module)
{
    auto it = m_queues.find(module);
    if (it == m_queues.end())
        return;
    QList<QPointer<importfileThread>> &queue = *it;
    // Workers the unit's removal deleted are gone from the queue too.
    while (!queue.isEmpty() && (!queue.first() || queue.first()->isOperationFinished()))
        queue.removeFirst();
    if (queue.isEmpty()) {
        m_queues.erase(it);
        if (auto *control = qobject_cast<ControlModule *>(module))
            control->record()->writesDone();
        return;
    }
    if (!queue.first()->isRunning())
        queue.first()->start(QThread::InheritPriority);
}

void CtrlPanelController::startInTurn(const QList<importfileThread *> &workers)
{
    for (int i = 1; i < workers.size(); ++i) {
        // Connected before the first starts, so no end is missed. The unit's removal frees no
        // worker while a later hand-back has not ended, so `next` is still there.
        QPointer<importfileThread> next(workers.at(i));
        connect(
            workers.at(i - 1), &QThread::finished, this,
            [next] {
                if (next && !next->isRunning() && !next->isFinished())
                    next->start(QThread::InheritPriority);
            },
            Qt::QueuedConnection);
    }
    if (!workers.isEmpty())
        workers.first()->start(QThread::InheritPriority);
}

void CtrlPanelController::setInitialValues(const QStringList &entry, double reference,
    const QString &referenceSource, const QString &runSource, const QString &motorDirection)
{
    ControlModule *module = moduleOf(entry);
    if (!module)
        return;
    ControlRecord::Values v;
    v.reference = reference;
    v.referenceSource = qMax(0, indexOf(referenceSource));
    v.runSource = qMax(0, indexOf(runSource));
    v.command = indexOf(motorDirection);
    module->record()->set(v);
}

bool CtrlPanelController::offerControlSource(const QList<QStringList> &units)
{
    for (const QStringList &entry : units) {
        QStringList live;
        ControlModule *module = moduleOf(entry, &live);
        if (!module || F::at(live, F::State) != F::connected() || !module->isControlledHere())
            continue;
        int runSource = SourceKeyboard, refSource = SourceKeyboard;
        if (!m_ask(m_ctx.parent, live, &runSource, &refSource))
            return false;
        // One after the other and not waited for here: the unit's removal that follows leaves
        // these writes to end by themselves and frees the unit after them.
        QList<importfileThread *> handBack;
        for (const auto &kindValue :
            { qMakePair(int(RunStopSource), runSource), qMakePair(int(ReferenceSource), refSource) }) {
            if (kindValue.second < 0)
                continue;
            if (importfileThread *worker = write(live, kindValue.first, kindValue.second, true))
                handBack.append(worker);
        }
        startInTurn(handBack);
    }
    return true;
}

QObject *CtrlPanelController::createControlModule(const QStringList &entry, const QString &deviceFile)
{
    return new ControlModule(entry, DeviceFiles::VxCommGetControlPanel(deviceFile), this);
}

void CtrlPanelController::removeControlModule(QObject *module)
{
    m_queues.remove(module);
    delete module;
}

bool CtrlPanelController::isMotorRunning(const QStringList &entry) const
{
    const ControlModule *module = moduleOf(entry);
    if (!module)
        return false;
    const int command = module->record()->values().command;
    return command == 0 || command == 1;
}

void CtrlPanelController::showNoUnit()
{
    m_ctx.frame->showNoUnit();
}

void CtrlPanelController::prepareWorker(importfileThread *worker, QObject *module, int operation)
{
    auto *control = qobject_cast<ControlModule *>(module);
    if (!worker || !control)
        return;
    worker->setControlPanel(control->panel());
    if (operation != importfileThread::ControlUpdate)
        return;
    // The record travels with the sink: a worker ending after its unit went still writes into
    // memory of its own.
    std::shared_ptr<ControlRecord> record = control->record();
    worker->setControlSink([record](const ControlReadings &readings) { record->update(readings); });
    // Emitted on the worker thread; the panel is shown in this one.
    connect(worker, &importfileThread::vxCtrlUpdate, this, &CtrlPanelController::vxUICtrlUpdate,
        Qt::QueuedConnection);
}

void CtrlPanelController::vxUIslotCtrlFwdBtnClicked()
{
    m_ctx.frame->setPressed(CtrlPanelFrame::ForwardPressed);
    write(m_ctx.currentEntry(), RunForward, 0);
}

void CtrlPanelController::vxUIslotCtrlBwdBtnClicked()
{
    m_ctx.frame->setPressed(CtrlPanelFrame::BackwardPressed);
    write(m_ctx.currentEntry(), RunBackward, 0);
}

void CtrlPanelController::vxUIslotCtrlStpBtnClicked()
{
    m_ctx.frame->setPressed(CtrlPanelFrame::StopPressed);
    write(m_ctx.currentEntry(), StopMotor, 0);
}

void CtrlPanelController::vxUISlotCtrlRefValEntered()
{
    bool ok = false;
    const double value = RegisterWord::parseNumber(m_ctx.frame->refValue()->text(), &ok);
    // A text that is no number would otherwise go out as 0 %.
    if (!ok || value < 0.0 || value > 100.0) {
        m_ctx.prompter->critical(m_ctx.parent, tr("Error"), tr("Range is 0 to 100"));
        return;
    }
    write(m_ctx.currentEntry(), ReferenceValue, value);
}

void CtrlPanelController::vxUISlotCtrlRefSrcChanged(int index)
{
    m_ctx.frame->refValue()->setEnabled(index == SourceCom);
    write(m_ctx.currentEntry(), ReferenceSource, index);
}

void CtrlPanelController::vxUISlotCtrlRunStopSrcChanged(int index)
{
    m_ctx.frame->setMotorButtonsEnabled(index == SourceCom);
    m_ctx.frame->setPressed(CtrlPanelFrame::StopPressed);
    write(m_ctx.currentEntry(), RunStopSource, index);
}

void CtrlPanelController::vxUISlotCtrlSetChanged(QStringList list, bool flag)
{
    Q_UNUSED(flag)
    CtrlPanelFrame *f = m_ctx.frame;
    QStringList live;
    ControlModule *module = moduleOf(list, &live);
    if (!module) {
        f->showNoUnit();
        return;
    }
    // Filling the selectors must not write anything to the unit.
    const QSignalBlocker quietRef(f->refSource());
    const QSignalBlocker quietRun(f->runStopSource());
    const ControlRecord::Values v = module->record()->values();
    f->setUnitName(F::at(live, F::Name));
    const bool connected = F::at(live, F::State) == F::connected();
    if (module->panel().hasReferenceControl()) {
        f->refValue()->setText(QString::number(v.reference, 'g', 6));
        f->refSource()->setCurrentIndex(qBound(0, v.referenceSource, int(SourceOption)));
        f->refSource()->setEnabled(connected);
        f->refValue()->setEnabled(connected && v.referenceSource == SourceCom);
    } else {
        f->refValue()->clear();
        f->refSource()->setCurrentIndex(0);
        f->refSource()->setEnabled(false);
        f->refValue()->setEnabled(false);
    }
    if (module->panel().hasRunControl()) {
        f->runStopSource()->setCurrentIndex(qBound(0, v.runSource, int(SourceOption)));
        f->runStopSource()->setEnabled(connected);
        f->setMotorButtonsEnabled(connected && v.runSource == SourceCom);
        f->setPressed(v.command);
    } else {
        f->runStopSource()->setEnabled(false);
        f->setMotorButtonsEnabled(false);
        f->setPressed(CtrlPanelFrame::NonePressed);
    }
}

void CtrlPanelController::vxUICtrlUpdate()
{
    const QStringList entry = m_ctx.currentEntry();
    if (entry.size() > 3)
        vxUISlotCtrlSetChanged(entry, true);
}
