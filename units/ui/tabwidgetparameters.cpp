// The tab controller's parameter slots, each handed to the parameter actions, and the wiring of
// the parameters view.
#include "filesetkeeper.h"
#include "parameteractions.h"
#include "parameters.h"
#include "scancontroller.h"
#include "tabwidget.h"
#include "unitentryfields.h"
#include "unithooks.h"
#include "unitregistry.h"

#include <QTreeView>

namespace F = UnitEntryField;

void TabWidget::GetTreeModelslotImport(TreeModel *model, QStringList entry)
{
    m_actions->startTransfer(false, model, entry);
}

void TabWidget::GetTreeModelslotExport(TreeModel *_treemodel, QStringList filelist)
{
    m_actions->startTransfer(true, _treemodel, filelist);
}

void TabWidget::vxUISlotParamWrite(TreeModel *model, QModelIndex index)
{
    m_actions->writeParameter(model, index);
}

void TabWidget::VxUISlotmoProgressBarSetRange(int start, int end)
{
    m_actions->setProgressRange(start, end);
}

void TabWidget::VxUISlotmoProgressBarSetProgress(int value)
{
    m_actions->setProgress(value);
}

void TabWidget::VxUISlotmoProgressBarClose()
{
    m_actions->closeProgress();
}

void TabWidget::vxUISlotShowComparePrmScreen()
{
    m_actions->showCompareScreen();
}

QTreeView *TabWidget::parametersView() const
{
    return m_params->treeView();
}

void TabWidget::wireParameters()
{
    ParameterActions::Context ctx;
    ctx.prompter = &m_prompter;
    ctx.parent = this;
    ctx.registry = m_registry.get();
    ctx.settings = m_settings.get();
    ctx.params = m_params;
    ctx.tree = m_tree;
    ctx.details = m_details;
    ctx.transfer = m_transfer;
    ctx.connector = m_connector;
    ctx.makeWorker = [this](UnitRecord *unit, int op) { return makeWorker(unit, op); };
    ctx.scanImporting = [this] { return m_scan && m_scan->isImporting(); };
    m_actions = new ParameterActions(ctx, this);
    connect(m_actions, &ParameterActions::newAction, this, &TabWidget::newAction);
    connect(m_actions, &ParameterActions::openAction, this, &TabWidget::openAction);
    connect(m_actions, &ParameterActions::saveAction, this, &TabWidget::saveAction);
    connect(m_actions, &ParameterActions::printAction, this, &TabWidget::printAction);
    connect(m_actions, &ParameterActions::compareAction, this, &TabWidget::compareAction);
    connect(m_actions, &ParameterActions::LFDAction, this, &TabWidget::LFDAction);
    connect(m_actions, &ParameterActions::LTDAction, this, &TabWidget::LTDAction);
    connect(m_actions, &ParameterActions::datFileInfoAction, this, &TabWidget::datFileInfoAction);
    connect(m_actions, &ParameterActions::statusMessage, this, &TabWidget::statusMessage);
    connect(m_actions, &ParameterActions::bringAppToForeGround, this, &TabWidget::bringAppToForeGround);
    connect(this, &TabWidget::langTranslation, m_actions, &ParameterActions::langTranslation);

    Parameters::DriveContext context;
    context.isRecording = [this] { return m_osc->isRecording(); };
    context.connectedUnits = [this] {
        QList<QStringList> units;
        for (int i = 0; i < UnitRegistry::InterfaceCount; ++i)
            for (const QStringList &entry : m_registry->infoList(i))
                if (F::at(entry, F::State) == F::connected())
                    units.append(entry);
        return units;
    };
    context.isMotorRunning = [this](const QStringList &entry) { return m_control->isMotorRunning(entry); };
    m_params->setDriveContext(context);

    connect(m_params, &Parameters::vxUISigImportBtnClicked, this, &TabWidget::GetTreeModelslotImport);
    connect(m_params, &Parameters::vxUISigExportBtnClicked, this, &TabWidget::GetTreeModelslotExport);
    connect(m_params, &Parameters::sendDataToControl, this,
        [this](QModelIndex index, QString, QString, TreeModel *model, bool, QStringList) {
            vxUISlotParamWrite(model, index);
        });
    connect(m_params, &Parameters::vxUISigSendFileName, m_fileSets, &FileSetKeeper::add);
    connect(m_params, &Parameters::vxUISigEnableParamSettings, this, &TabWidget::vxUISlotEnableParamSettings);
    connect(
        m_params, &Parameters::vxUISigComparePrmScreenShow, this, &TabWidget::vxUISlotShowComparePrmScreen);
    connect(m_params, &Parameters::alertNotification, this, &TabWidget::alertNotifcation);
    connect(m_params, &Parameters::statusMessage, this, &TabWidget::statusMessage);
    connect(m_params, &Parameters::bringAppToForeGround, this, &TabWidget::bringAppToForeGround);
    connect(this, &TabWidget::langTranslation, m_params, &Parameters::onLangTranslation);

    // The File menu does what the view's buttons do.
    connect(this, &TabWidget::newFileActionTriggered, m_params, &Parameters::vxUISlotNewBtnClicked);
    connect(this, &TabWidget::openFileActionTriggered, m_params, &Parameters::vxUISlotOpenBtnClicked);
    connect(this, &TabWidget::saveFileActionTriggered, m_params, &Parameters::vxUISlotSaveBtnClicked);
    connect(this, &TabWidget::printFileActionTriggered, m_params, &Parameters::vxUISlotPrintBtnClicked);
    connect(this, &TabWidget::LFDriveActionTriggered, m_params, &Parameters::vxUISlotImportBtnClicked);
    connect(this, &TabWidget::LTDriveActionTriggered, m_params, &Parameters::vxUISlotExportBtnClicked);
    connect(this, &TabWidget::datFileInfoActionTriggered, m_params, &Parameters::vxUISlotDatFileInfo);
}
