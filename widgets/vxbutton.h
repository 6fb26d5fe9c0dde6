#pragma once

#include <QIcon>
#include <QPushButton>

// A push button that shows one icon while the mouse is over it and another when it is not.
class VXButton : public QPushButton
{
    Q_OBJECT
public:
    explicit VXButton(QWidget *parent = nullptr);
    VXButton(const QIcon &normalIcon, const QIcon &hoverIcon, QWidget *parent = nullptr);

    void setIcons(const QIcon &normalIcon, const QIcon &hoverIcon);
    QIcon normalIcon() const { return m_normal; }
    QIcon hoverIcon() const { return m_hover; }
    bool isHovered() const { return m_hovered; }

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void showIcon();

    QIcon m_normal;
    QIcon m_hover;
    bool m_hovered = false;
};
