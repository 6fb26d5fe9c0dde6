// The toolbar operations of the parameters view: new set, files, print, transfers, compare.
#include "apppaths.h"
#include "customerdatadialog.h"
#include "datfile.h"
#include "fileexport.h"
#include "parameters.h"
#include "parametertoolbar.h"
#include "printgui.h"
#include "prompter.h"
#include "selectcsvdialog.h"
#include "treemodel.h"
#include "unitentryfields.h"

#include <QDir>
#include <QFileInfo>
#include <QTreeView>

namespace {

const QString kInformation = QStringLiteral("Information");

// "RVNV2.05.csv" -> "V2.05": the version part of a device description file name.
QString versionOfFile(const QString &path)
{
    QString base = QFileInfo(path).completeBaseName();
    base.remove(QLatin1String("_UTF8"), Qt::CaseInsensitive);
    const int v = base.lastIndexOf(QRegularExpression(QStringLiteral("[VPBA]\\d")));
    return v >= 0 ? base.mid(v) : QString();
}

} // namespace

QStringList Parameters::effectiveCustomerData() const
{
    const QStringList own = m_model ? m_model->customerData() : QStringList();
    const bool any
        = std::any_of(own.begin(), own.end(), [](const QString &t) { return !t.trimmed().isEmpty(); });
    return any ? own : m_customerData;
}

// ---- New ----

void Parameters::vxUISlotNewBtnPressed()
{
    m_toolBar->showPressed(ParameterToolBar::New, true);
}

void Parameters::vxUISlotNewBtnClicked()
{
    m_toolBar->showPressed(ParameterToolBar::New, false);
    delete m_csvDialog;
    m_csvDialog = new SelectCsvDialog(m_prompter, AppPaths::csvDir(), this);
    m_csvDialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_csvDialog, &SelectCsvDialog::bringAppToForeGround, this, &Parameters::bringAppToForeGround);
    connect(m_csvDialog, &SelectCsvDialog::fileAndSizeChosen, this,
        [this](const QString &file, const SelectCsvDialog::Size &size) {
            vxUIGetCSVFile({ file, size.name, size.inom, size.pnom });
        });
    m_csvDialog->open();
}

void Parameters::vxUIGetCSVFile(QStringList filelist)
{
    const QString file = filelist.value(0);
    auto *model = new TreeModel(file, m_language, filelist.value(2), filelist.value(3), false, this);
    // A table without a single parameter is as useless as a broken one.
    if (!model->isValid() || model->rowCount() == 0) {
        delete model;
        m_prompter.critical(this, tr("Error"), tr("invalid CSV file"));
        return;
    }
    QStringList entry = UnitEntryField::emptyEntry();
    entry[UnitEntryField::Name] = filelist.value(1);
    entry[UnitEntryField::Interface] = UnitEntryField::file();
    entry[UnitEntryField::DeviceFile] = file;
    entry[UnitEntryField::Inom] = filelist.value(2);
    entry[UnitEntryField::Pnom] = filelist.value(3);
    entry[UnitEntryField::Version] = versionOfFile(file);
    entry[UnitEntryField::FileDisplayName]
        = entry[UnitEntryField::Name] + QStringLiteral(" : ") + QFileInfo(file).completeBaseName();
    model->setUnitName(entry[UnitEntryField::Name]);
    emit vxUISigSendFileName(entry[UnitEntryField::Name], file, entry[UnitEntryField::Inom],
        entry[UnitEntryField::Pnom], entry[UnitEntryField::Version], entry[UnitEntryField::FileDisplayName],
        model);
    vxUISlotSetTreeView(entry, model);
}

// ---- Open and Save ----

void Parameters::vxUISlotOpenBtnPressed()
{
    m_toolBar->showPressed(ParameterToolBar::Open, true);
}

void Parameters::vxUISlotOpenBtnClicked()
{
    m_toolBar->showPressed(ParameterToolBar::Open, false);
    const QString fileName = m_prompter.openFileName(this, tr("Open File"), QString(), tr("csv File(*.dat)"));
    if (!fileName.isEmpty())
        openFile(fileName);
}

void Parameters::openFile(const QString &fileName)
{
    const DatFile::Header header = DatFile::readHeader(fileName, AppPaths::csvDir());
    switch (header.status) {
    case DatFile::Status::Ok:
        break;
    case DatFile::Status::Incompatible:
        emit alertNotification(header.message);
        return;
    case DatFile::Status::InvalidFile:
        m_prompter.critical(this, tr("Error"), header.message);
        return;
    case DatFile::Status::CannotOpen:
        m_prompter.critical(this, tr("Error"), tr("The file could not be opened:\n%1").arg(header.message));
        return;
    }
    auto *model = new TreeModel(
        header.deviceFile, m_language, header.nominalCurrent, header.nominalPower, false, this);
    if (!model->isValid()) {
        delete model;
        m_prompter.critical(this, tr("Error"), DatFile::invalidFileMessage());
        return;
    }
    // The same check as before a write to a unit: a damaged file is refused as a whole.
    const DatFile::Check check = DatFile::check(fileName, *model);
    if (!check.ok) {
        delete model;
        m_prompter.critical(
            this, tr("Error"), DatFile::invalidFileMessage() + QLatin1Char('\n') + check.message);
        return;
    }
    QString message;
    if (!model->ParameterOpen(fileName, &message)) {
        delete model;
        m_prompter.critical(this, tr("Error"), tr("The file could not be opened:\n%1").arg(message));
        return;
    }
    QStringList entry = header.unitInformation();
    entry[UnitEntryField::Interface] = UnitEntryField::file();
    entry[UnitEntryField::FileDisplayName]
        = header.deviceType + QStringLiteral(" : ") + QFileInfo(fileName).completeBaseName();
    model->setUnitName(header.deviceType);
    emit vxUISigSendFileName(header.deviceType, fileName, header.nominalCurrent, header.nominalPower,
        header.softwareVersion, entry[UnitEntryField::FileDisplayName], model);
    // An opened set starts folded.
    m_expandStates.remove(
        QStringList { entry.value(UnitEntryField::Interface), entry.value(UnitEntryField::Number),
            entry.value(UnitEntryField::Port), entry.value(UnitEntryField::IpAddress),
            entry.value(UnitEntryField::DeviceFile), entry.value(UnitEntryField::FileDisplayName) }
            .join(QLatin1Char('|')));
    vxUISlotSetTreeView(entry, model);
    emit vxUISigOpenBtnClicked(model);
    emit statusMessage(tr("Opened %1").arg(QFileInfo(fileName).fileName()));
}

void Parameters::vxUISlotSaveBtnPressed()
{
    m_toolBar->showPressed(ParameterToolBar::Save, true);
}

void Parameters::vxUISlotSaveBtnClicked()
{
    m_toolBar->showPressed(ParameterToolBar::Save, false);
    if (!m_model)
        return;
    // A set cut short by a cancelled or failed read would be saved, and later written back, without
    // the values it never got.
    const int unread = m_model->parametersWithoutValues().size();
    if (unread > 0
        && m_prompter.question(this, kInformation,
               tr("%1 parameters were not read from the unit. Save anyway?").arg(unread),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No, QMessageBox::Warning)
            != QMessageBox::Yes)
        return;
    QString fileName = m_prompter.saveFileName(this, tr("Save dat file"), QString(), tr("(*.dat)"));
    if (fileName.isEmpty())
        return;
    fileName = DatFile::withDatExtension(fileName);
    QString error;
    if (!DatFile::save(fileName, m_unitInfo, effectiveCustomerData(), *m_model, &error)) {
        // Nothing was written and an existing file is untouched; say so rather than stay silent.
        m_prompter.critical(this, tr("Error"), tr("The file could not be saved:\n%1").arg(error));
        return;
    }
    if (QFileInfo(m_model->datFileName()) == QFileInfo(fileName))
        m_model->ParameterOpen(fileName);
    m_model->markSaved();
    emit vxUISigSaveBtnClicked(m_model);
    emit statusMessage(tr("Saved %1").arg(QFileInfo(fileName).fileName()));
}

// ---- Print and customer data ----

void Parameters::vxUISlotPrintBtnPressed()
{
    m_toolBar->showPressed(ParameterToolBar::Print, true);
}

void Parameters::vxUISlotPrintBtnClicked()
{
    m_toolBar->showPressed(ParameterToolBar::Print, false);
    if (!m_model)
        return;
    delete m_printGui;
    m_printGui = new PrintGui(this);
    m_printGui->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_printGui, &PrintGui::bringAppToForeGround, this, &Parameters::bringAppToForeGround);
    connect(m_printGui, &PrintGui::printRequested, this, &Parameters::printWith);
    m_printGui->open();
}

void Parameters::printWith(int mode, bool pdf)
{
    if (!m_model)
        return;
    ParameterPrint::Header header;
    header.customerData = effectiveCustomerData();
    header.unitName = shownName();
    header.driveVersion = m_unitInfo.value(UnitEntryField::Version);
    // Commands and codes that are no setting stay out of the plain list.
    const bool hideNotCompared = mode == ParameterPrint::WithoutReadOnly;
    const QString html = ParameterPrint::parameterHtml(*m_model, mode, hideNotCompared, header);
    const QString outcome = ParameterPrint::printOrSavePdf(html, pdf, this, m_prompter, m_printDialog);
    if (!outcome.isEmpty())
        emit statusMessage(outcome);
}

void Parameters::vxUISlotDatFileInfo()
{
    if (!m_model)
        return;
    delete m_customerDialog;
    m_customerDialog = new CustomerDataDialog(this);
    m_customerDialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(
        m_customerDialog, &CustomerDataDialog::bringAppToForeGround, this, &Parameters::bringAppToForeGround);
    m_customerDialog->setTexts(m_model->customerData());
    m_customerDialog->setReadOnly(true);
    m_customerDialog->open();
}

// ---- Transfers ----

void Parameters::vxUISlotImportBtnPressed()
{
    m_toolBar->showPressed(ParameterToolBar::Import, true);
}

void Parameters::vxUISlotImportBtnClicked()
{
    m_toolBar->showPressed(ParameterToolBar::Import, false);
    if (!m_model || !isUnitSet() || m_impExpDisabled)
        return;
    if (m_context.isRecording && m_context.isRecording()
        && m_prompter.question(this, kInformation,
               tr("oscView Record in Progress.\nYou can stop recording for faster performance\n"
                  "Do you want to Continue?"),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            != QMessageBox::Yes)
        return;
    emit vxUISigImportBtnClicked(m_model, m_unitInfo);
}

void Parameters::vxUISlotExportBtnPressed()
{
    m_toolBar->showPressed(ParameterToolBar::Export, true);
}

void Parameters::vxUISlotExportBtnClicked()
{
    m_toolBar->showPressed(ParameterToolBar::Export, false);
    if (!m_model || m_impExpDisabled)
        return;
    QStringList target;
    if (confirmExport(&target))
        emit vxUISigExportBtnClicked(m_model, target);
}

bool Parameters::confirmExport(QStringList *target)
{
    const auto ask = [this](const QString &title, const QString &text, QMessageBox::Icon icon) {
        return m_prompter.question(
                   this, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No, icon)
            == QMessageBox::Yes;
    };
    if (m_context.isRecording && m_context.isRecording()
        && !ask(kInformation,
            tr("oscView Record in Progress.\nYou can stop recording for faster performance\n"
               "Do you want to Continue?"),
            QMessageBox::Information))
        return false;

    *target = m_unitInfo;
    if (!isUnitSet()) {
        const QList<QStringList> units
            = m_context.connectedUnits ? m_context.connectedUnits() : QList<QStringList>();
        if (units.isEmpty()) {
            m_prompter.information(this, kInformation, tr("No unit is connected to load the parameters to."));
            return false;
        }
        const TargetChooser choose
            = m_chooseTarget ? m_chooseTarget : [](const QList<QStringList> &all, QWidget *parent) {
                  FileExport dialog(all, parent);
                  return dialog.exec() == QDialog::Accepted ? dialog.selectedUnit() : QStringList();
              };
        *target = choose(units, this);
        if (target->isEmpty())
            return false;
        if (UnitEntryField::driveSizeOfName(m_unitInfo.value(UnitEntryField::Name))
                != UnitEntryField::driveSizeOfName(target->value(UnitEntryField::Name))
            && !ask(kInformation, tr("Sizes of drives are differ\n Do you want to continue?"),
                QMessageBox::Information))
            return false;
        if (m_unitInfo.value(UnitEntryField::Name).left(3) != target->value(UnitEntryField::Name).left(3)
            && !ask(kInformation, tr("Type of drives are differ\n Do you want to continue?"),
                QMessageBox::Information))
            return false;
        if (m_unitInfo.value(UnitEntryField::Version) != target->value(UnitEntryField::Version)
            && !ask(kInformation, tr("Version of drives are differ\n Do you want to continue?"),
                QMessageBox::Information))
            return false;
    }
    if (m_context.isMotorRunning && m_context.isMotorRunning(*target)
        && !ask(kInformation,
            tr("Motor is running, some of configuration parameter may not set properly.\nDo you want to "
               "Continue?"),
            QMessageBox::Warning))
        return false;
    // A backup lists every parameter; a file that holds fewer writes only those, if so wished.
    if (m_model->endsBeforeLastItem()) {
        const DatFile::Coverage held = DatFile::coverage(*m_model);
        if (!ask(kInformation,
                tr("The file holds %1 of %2 parameters of %3. Write these %1?")
                    .arg(held.held)
                    .arg(held.total)
                    .arg(QFileInfo(m_model->deviceFileName()).fileName()),
                QMessageBox::Question))
            return false;
    }
    // Values the set does not have are passed over by the write: say so before it starts.
    const int skipped = m_model->parametersWithoutValues(true).size();
    // Which set goes to which unit, and how much of it: the last look before the unit changes.
    const QString fileName = m_unitInfo.value(UnitEntryField::FileDisplayName);
    const QString source
        = isUnitSet() || fileName.isEmpty() ? m_unitInfo.value(UnitEntryField::Name) : fileName;
    // A file cut short speaks only for the parameters it holds.
    const int count = m_model->endsBeforeLastItem() ? DatFile::coverage(*m_model).held
                                                    : m_model->GetWritableParameters().size() - skipped;
    QString text = tr("Copy parameters to Drive") + QLatin1Char('\n')
        + tr("%1 parameters of %2 to %3").arg(count).arg(source, target->value(UnitEntryField::Name));
    if (skipped > 0)
        text += QLatin1Char('\n')
            + tr("%1 parameters have no value in this set and will be skipped.").arg(skipped);
    return ask(tr("Warning"), text, QMessageBox::Warning);
}

// ---- Compare ----

void Parameters::vxUISlotComparePrmBtnPressed()
{
    m_toolBar->showPressed(ParameterToolBar::Compare, true);
}

void Parameters::vxUISlotComparePrmBtnReleased()
{
    m_toolBar->showPressed(ParameterToolBar::Compare, false);
    emit vxUISigComparePrmScreenShow();
}
