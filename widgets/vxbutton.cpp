#include "vxbutton.h"

VXButton::VXButton(QWidget *parent)
    : QPushButton(parent)
{ }

VXButton::VXButton(const QIcon &normalIcon, const QIcon &hoverIcon, QWidget *parent)
    : QPushButton(parent)
{
    setIcons(normalIcon, hoverIcon);
}

void VXButton::setIcons(const QIcon &normalIcon, const QIcon &hoverIcon)
{
    m_normal = normalIcon;
    m_hover = hoverIcon;
    showIcon();
}

void VXButton::enterEvent(QEvent *event)
{
    m_hovered = true;
    showIcon();
    QPushButton::enterEvent(event);
}

void VXButton::leaveEvent(QEvent *event)
{
    m_hovered = false;
    showIcon();
    QPushButton::leaveEvent(event);
}

void VXButton::showIcon()
{
    // Without a hover picture the normal one stays, so a half-configured button never goes blank.
    setIcon(m_hovered && !m_hover.isNull() ? m_hover : m_normal);
}
