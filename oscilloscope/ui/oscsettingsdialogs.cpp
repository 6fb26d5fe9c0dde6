#include "oscisettings.h"
#include "oscprintgui.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

OsciSettings::OsciSettings(QWidget *parent)
    : QDialog(parent)
{
    auto *grid = new QGridLayout(this);
    m_backLabel = new QLabel(this);
    m_white = new QPushButton(this);
    m_black = new QPushButton(this);
    m_bar = new QSlider(Qt::Horizontal, this);
    m_bar->setRange(0, 255);
    m_bar->setValue(255);
    m_widthLabel = new QLabel(this);
    m_thin = new QRadioButton(this);
    m_fat = new QRadioButton(this);
    m_gridLabel = new QLabel(this);
    m_gridOn = new QRadioButton(this);
    m_gridOff = new QRadioButton(this);
    m_ok = new QPushButton(this);
    // Line width and grid are two separate choices.
    auto *width = new QButtonGroup(this);
    width->addButton(m_thin);
    width->addButton(m_fat);
    auto *gridChoice = new QButtonGroup(this);
    gridChoice->addButton(m_gridOn);
    gridChoice->addButton(m_gridOff);
    m_thin->setChecked(true);
    m_gridOn->setChecked(true);
    grid->addWidget(m_backLabel, 0, 0);
    grid->addWidget(m_white, 0, 1);
    grid->addWidget(m_black, 0, 2);
    grid->addWidget(m_bar, 1, 0, 1, 3);
    grid->addWidget(m_widthLabel, 2, 0);
    grid->addWidget(m_thin, 2, 1);
    grid->addWidget(m_fat, 2, 2);
    grid->addWidget(m_gridLabel, 3, 0);
    grid->addWidget(m_gridOn, 3, 1);
    grid->addWidget(m_gridOff, 3, 2);
    grid->addWidget(m_ok, 4, 2);
    connect(m_white, &QPushButton::clicked, this, &OsciSettings::vxUISlotWhiteClrClicked);
    connect(m_black, &QPushButton::clicked, this, &OsciSettings::vxUISlotBlackClrClicked);
    connect(m_bar, &QSlider::valueChanged, this, &OsciSettings::vxUISlotColorBarMoved);
    connect(m_thin, &QRadioButton::clicked, this, &OsciSettings::vxUISlotThinBtnClicked);
    connect(m_fat, &QRadioButton::clicked, this, &OsciSettings::vxUISlotFatBtnClicked);
    connect(m_gridOn, &QRadioButton::clicked, this, &OsciSettings::vxUISlotYesGridClicked);
    connect(m_gridOff, &QRadioButton::clicked, this, &OsciSettings::vxUISlotNoGridClicked);
    connect(m_ok, &QPushButton::clicked, this, &OsciSettings::vxUISlotOkClciked);
    onLangTranslation(0);
    styleHandle(255);
}

void OsciSettings::onLangTranslation(int)
{
    setWindowTitle(tr("Settings"));
    m_backLabel->setText(tr("Background Color"));
    m_white->setText(tr("White"));
    m_white->setToolTip(tr("Changes plot area color to white"));
    m_black->setText(tr("Black"));
    m_black->setToolTip(tr("Changes plot area color to black"));
    m_bar->setToolTip(tr("Colorbar for setting plot color to \ndifferent shades between black and white"));
    m_widthLabel->setText(tr("Line Width"));
    m_thin->setText(tr("Thin"));
    m_thin->setToolTip(tr("Changes the width of graph to thin"));
    m_fat->setText(tr("Fat"));
    m_fat->setToolTip(tr("Changes the width of graph to fat"));
    m_gridLabel->setText(tr("Grid"));
    m_gridOn->setText(tr("On"));
    m_gridOn->setToolTip(tr("keeps the grid for plot areas"));
    m_gridOff->setText(tr("Off"));
    m_gridOff->setToolTip(tr("removes the grid for plot areas"));
    m_ok->setText(tr("OK"));
}

void OsciSettings::setState(int grey, bool fat, bool grid)
{
    const QSignalBlocker block(m_bar);
    m_bar->setValue(grey);
    styleHandle(grey);
    (fat ? m_fat : m_thin)->setChecked(true);
    (grid ? m_gridOn : m_gridOff)->setChecked(true);
}

void OsciSettings::styleHandle(int grey)
{
    // The handle stays visible on the bar: dark on a light plot, light on a dark one.
    m_bar->setStyleSheet(grey >= 128
            ? QStringLiteral("QSlider::handle{background-color: rgb(0, 0, 0);}")
            : QStringLiteral("QSlider::handle{background-color: rgb(255, 255, 255);}"));
}

void OsciSettings::vxUISlotWhiteClrClicked()
{
    const QSignalBlocker block(m_bar);
    m_bar->setValue(255);
    styleHandle(255);
    emit vxUISigWhiteClrClicked();
}

void OsciSettings::vxUISlotBlackClrClicked()
{
    const QSignalBlocker block(m_bar);
    m_bar->setValue(0);
    styleHandle(0);
    emit vxUISigBlackClrClicked();
}

void OsciSettings::vxUISlotThinBtnClicked()
{
    m_thin->setChecked(true);
    emit vxUISigThinBtnClicked();
}

void OsciSettings::vxUISlotFatBtnClicked()
{
    m_fat->setChecked(true);
    emit vxUISigFatBtnClicked();
}

void OsciSettings::vxUISlotYesGridClicked()
{
    m_gridOn->setChecked(true);
    emit vxUISigYesGridClicked(m_bar->value());
}

void OsciSettings::vxUISlotNoGridClicked()
{
    m_gridOff->setChecked(true);
    emit vxUISigNoGridClicked();
}

void OsciSettings::vxUISlotColorBarMoved(int grey)
{
    styleHandle(grey);
    emit vxUISigColorBarMoved(grey);
}

void OsciSettings::vxUISlotOkClciked()
{
    accept();
}

OscPrintGui::OscPrintGui(QWidget *parent)
    : QDialog(parent)
{
    auto *grid = new QGridLayout(this);
    m_graph = new QRadioButton(this);
    m_table = new QRadioButton(this);
    m_printer = new QRadioButton(this);
    m_pdf = new QRadioButton(this);
    auto *what = new QButtonGroup(this);
    what->addButton(m_graph);
    what->addButton(m_table);
    auto *output = new QButtonGroup(this);
    output->addButton(m_printer);
    output->addButton(m_pdf);
    m_graph->setChecked(true);
    m_pdf->setChecked(true);
    m_ok = new QPushButton(this);
    m_cancel = new QPushButton(this);
    grid->addWidget(m_graph, 0, 0);
    grid->addWidget(m_table, 0, 1);
    grid->addWidget(m_printer, 1, 0);
    grid->addWidget(m_pdf, 1, 1);
    grid->addWidget(m_ok, 2, 0);
    grid->addWidget(m_cancel, 2, 1);
    connect(m_graph, &QRadioButton::clicked, this, &OscPrintGui::vxUIGraphRbClicked);
    connect(m_table, &QRadioButton::clicked, this, &OscPrintGui::vxUIOppRbClicked);
    connect(m_ok, &QPushButton::clicked, this, &OscPrintGui::vxUISlotOkbtnClciked);
    connect(m_cancel, &QPushButton::clicked, this, &OscPrintGui::vxUISlotcancelbtnClciked);
    onLangTranslation(0);
}

void OscPrintGui::onLangTranslation(int)
{
    setWindowTitle(tr("Print"));
    m_graph->setText(tr("Graph"));
    m_table->setText(tr("Table"));
    m_printer->setText(tr("Printer"));
    m_pdf->setText(tr("PDF"));
    m_ok->setText(tr("OK"));
    m_cancel->setText(tr("Cancel"));
}

void OscPrintGui::vxUIGraphRbClicked()
{
    m_graph->setChecked(true);
}

void OscPrintGui::vxUIOppRbClicked()
{
    m_table->setChecked(true);
}

void OscPrintGui::vxUISlotOkbtnClciked()
{
    hide();
    emit vxUIOscilloscopePrinting(m_graph->isChecked() ? Graph : Table, m_pdf->isChecked() ? Pdf : Printer);
}

void OscPrintGui::vxUISlotcancelbtnClciked()
{
    hide();
}
