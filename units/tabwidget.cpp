#include "tabwidget.h"

#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

TabWidget::TabWidget(Prompter &prompter, QWidget *parent)
    : QWidget(parent)
    , m_prompter(prompter)
    , m_tabs(new QTabWidget(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);
    // Empty pages keep the tab indices stable for everyone that switches tabs by number.
    for (int i = ParametersTab; i <= LinkInformationTab; ++i)
        m_tabs->addTab(new QWidget(m_tabs), QString());
    retranslateUi();
    connect(m_tabs, &QTabWidget::currentChanged, this, &TabWidget::onTabChange);
}

int TabWidget::currentIndex() const
{
    return m_tabs->currentIndex();
}

void TabWidget::setCurrentIndex(int index)
{
    m_tabs->setCurrentIndex(index);
}

bool TabWidget::closeFunction()
{
    return true;
}

void TabWidget::onTabChange(int)
{ }

void TabWidget::vxUISlotEnableParamSettings()
{
    emit newAction(false);
    emit openAction(false);
    emit saveAction(false);
    emit printAction(false);
    emit compareAction(false);
    emit LFDAction(false);
    emit LTDAction(false);
}

void TabWidget::vxUISlotShowComparePrmScreen()
{ }

void TabWidget::vxUISlotPreferencesSelected()
{ }

void TabWidget::vxUISlotCustomerDataSelected()
{ }

void TabWidget::vxUISlotCommSettingsSelected()
{ }

void TabWidget::onLangTranslation(int)
{
    retranslateUi();
}

void TabWidget::retranslateUi()
{
    m_tabs->setTabText(ParametersTab, tr("Parameters"));
    m_tabs->setTabText(OscilloscopeTab, tr("Oscilloscope"));
    m_tabs->setTabText(StatusTab, tr("Status"));
    m_tabs->setTabText(FaultLoggerTab, tr("Fault Logger"));
    m_tabs->setTabText(AlertsTab, tr("Alerts"));
    m_tabs->setTabText(LinkInformationTab, tr("Link Information"));
}
