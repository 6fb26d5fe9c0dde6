// The tab controller's control panel: the panel's controller and the slots it forwards.
#include "alarms.h"
#include "ctrlpanelcontroller.h"
#include "ctrlpanelframe.h"
#include "tabwidget.h"
#include "unitregistry.h"

void TabWidget::wireStatusAndControl()
{
    CtrlPanelController::Context ctx;
    ctx.prompter = &m_prompter;
    ctx.parent = this;
    ctx.frame = m_ctrlFrame;
    ctx.findUnit = [this](const QStringList &entry, QStringList *live) -> QObject * {
        UnitRecord *record = m_registry->find(entry);
        if (live)
            *live = record ? record->entry : QStringList();
        return record ? record->controlModule : nullptr;
    };
    ctx.makeWorker = [this](const QStringList &entry, int operation) {
        return makeWorker(m_registry->find(entry), operation);
    };
    ctx.currentEntry = [this] { return currentUnit(); };
    m_ctrl = new CtrlPanelController(ctx, this);
    setControlPanelHook(m_ctrl);
    connect(this, &TabWidget::langTranslation, m_ctrlFrame, &CtrlPanelFrame::onLangTranslation);
    connect(this, &TabWidget::langTranslation, m_alarms, &alarms::onLangTranslation);
}

void TabWidget::vxUISlotCatchCtrlPanelSignal(
    QStringList filelist, int f_type, double val, bool RemoveSettingFlag)
{
    m_ctrl->write(filelist, f_type, val, RemoveSettingFlag);
}

void TabWidget::vxUIslotCtrlFwdBtnClicked()
{
    m_ctrl->vxUIslotCtrlFwdBtnClicked();
}

void TabWidget::vxUIslotCtrlBwdBtnClicked()
{
    m_ctrl->vxUIslotCtrlBwdBtnClicked();
}

void TabWidget::vxUIslotCtrlStpBtnClicked()
{
    m_ctrl->vxUIslotCtrlStpBtnClicked();
}

void TabWidget::vxUISlotCtrlRefValEntered()
{
    m_ctrl->vxUISlotCtrlRefValEntered();
}

void TabWidget::vxUISlotCtrlRefSrcChanged(int index)
{
    m_ctrl->vxUISlotCtrlRefSrcChanged(index);
}

void TabWidget::vxUISlotCtrlRunStopSrcChanged(int index)
{
    m_ctrl->vxUISlotCtrlRunStopSrcChanged(index);
}

void TabWidget::vxUISlotCtrlSetChanged(QStringList list, bool flag)
{
    m_ctrl->vxUISlotCtrlSetChanged(list, flag);
}

void TabWidget::vxUICtrlUpdate()
{
    m_ctrl->vxUICtrlUpdate();
}
