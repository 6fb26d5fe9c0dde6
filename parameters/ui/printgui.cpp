#include "printgui.h"

#include "parameterprint.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QHBoxLayout *buttonRow(QPushButton *print, QPushButton *cancel)
{
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(print);
    row->addWidget(cancel);
    return row;
}

} // namespace

PrintGui::PrintGui(QWidget *parent)
    : QDialog(parent)
    , m_pdf(new QCheckBox(this))
    , m_all(new QRadioButton(this))
    , m_readOnly(new QRadioButton(this))
    , m_changed(new QRadioButton(this))
    , m_print(new QPushButton(this))
    , m_cancel(new QPushButton(this))
    , m_mode(ParameterPrint::WithoutReadOnly)
{
    // Closing a dialog gives the focus back to the main window.
    connect(this, &QDialog::finished, this, &PrintGui::bringAppToForeGround);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pdf);
    layout->addWidget(m_all);
    layout->addWidget(m_readOnly);
    layout->addWidget(m_changed);
    layout->addLayout(buttonRow(m_print, m_cancel));
    m_all->setChecked(true);
    m_print->setDefault(true);
    connect(m_all, &QRadioButton::clicked, this, &PrintGui::vxUIAllRbClicked);
    connect(m_readOnly, &QRadioButton::clicked, this, &PrintGui::vxUIReadOnlyRbClicked);
    connect(m_changed, &QRadioButton::clicked, this, &PrintGui::vxUIchangeonlyRbClicked);
    connect(m_print, &QPushButton::clicked, this, &PrintGui::vxUISlotOkClciked);
    connect(m_cancel, &QPushButton::clicked, this, &PrintGui::vxUISlotcancelClciked);
    onLangTranslation(0);
}

bool PrintGui::saveAsPdf() const
{
    return m_pdf->isChecked();
}

void PrintGui::vxUISlotOkClciked()
{
    accept();
    emit printRequested(m_mode, saveAsPdf());
}

void PrintGui::vxUISlotcancelClciked()
{
    reject();
}

void PrintGui::vxUIReadOnlyRbClicked()
{
    m_mode = ParameterPrint::WithReadOnly;
}

void PrintGui::vxUIAllRbClicked()
{
    m_mode = ParameterPrint::WithoutReadOnly;
}

void PrintGui::vxUIchangeonlyRbClicked()
{
    m_mode = ParameterPrint::ChangedValues;
}

void PrintGui::onLangTranslation(int)
{
    setWindowTitle(tr("Printer Option"));
    m_pdf->setText(tr("Save As Pdf"));
    // Read-only values are measurements and states, not settings: left out unless asked for.
    m_all->setText(tr("All Parameters"));
    m_readOnly->setText(tr("With ReadOnly"));
    m_changed->setText(tr("Changed Values"));
    m_print->setText(tr("Print"));
    m_cancel->setText(tr("Cancel"));
}

CompPrintGui::CompPrintGui(QWidget *parent)
    : QDialog(parent)
    , m_pdf(new QCheckBox(this))
    , m_print(new QPushButton(this))
    , m_cancel(new QPushButton(this))
{
    // Closing a dialog gives the focus back to the main window.
    connect(this, &QDialog::finished, this, &CompPrintGui::bringAppToForeGround);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pdf);
    layout->addLayout(buttonRow(m_print, m_cancel));
    m_print->setDefault(true);
    connect(m_print, &QPushButton::clicked, this, &CompPrintGui::vxUISlotOkbtnClciked);
    connect(m_cancel, &QPushButton::clicked, this, &CompPrintGui::vxUISlotcancelbtnClciked);
    onLangTranslation(0);
}

void CompPrintGui::vxUISlotOkbtnClciked()
{
    accept();
    emit vxUiComparisonPrint(m_pdf->isChecked() ? ToPdf : ToPrinter);
}

void CompPrintGui::vxUISlotcancelbtnClciked()
{
    reject();
}

void CompPrintGui::onLangTranslation(int)
{
    setWindowTitle(tr("Printer Option"));
    m_pdf->setText(tr("Save As Pdf"));
    m_print->setText(tr("Print"));
    m_cancel->setText(tr("Cancel"));
}
