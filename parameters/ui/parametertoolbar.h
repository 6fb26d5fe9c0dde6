#pragma once

#include <QWidget>

class QCheckBox;
class QHBoxLayout;
class QLabel;
class QPushButton;

// The row of buttons above the parameter tree: drive transfers, files, print, compare, expand,
// "Send changes directly", the upgrade link and the unit label.
class ParameterToolBar : public QWidget
{
    Q_OBJECT
public:
    enum Button { Import, Export, New, Open, Save, Print, Compare, ButtonCount };

    explicit ParameterToolBar(QWidget *parent = nullptr);

    QPushButton *button(Button b) const { return m_buttons[b]; }
    QPushButton *expandButton() const { return m_expand; }
    QCheckBox *sendDirectly() const { return m_sendDirectly; }
    QLabel *upgradeLink() const { return m_upgrade; }
    QLabel *unitLabel() const { return m_unit; }

    // Icon ":/<name>_pressed.png" while pressed, ":/<name>_default.png" otherwise.
    void showPressed(Button b, bool pressed);
    // "Expand All" / "Collapse All" with their icon and tool tip.
    void showExpanded(bool expanded);
    // Greys a button out with the disabled text colour.
    void setButtonEnabled(Button b, bool enabled);
    void setUnitName(const QString &name);
    void retranslateUi();
    // 0: every text shown; 1: only the drive transfers keep their texts; 2: pictures only.
    int compactLevel() const { return m_compact; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void setCompactLevel(int level);
    void applyCompactLevel(int level);
    QString buttonText(Button b) const;
    QString buttonTip(Button b) const;
    void showUnitName();

    QPushButton *m_buttons[ButtonCount];
    QPushButton *m_expand;
    QCheckBox *m_sendDirectly;
    QLabel *m_upgrade;
    QLabel *m_unit;
    // The narrowest level puts the check box, the link and the unit name on a second row.
    QHBoxLayout *m_rows[2];
    bool m_expanded = false;
    int m_compact = 0;
    int m_widthAt[2] = { 0, 0 }; // width needed by levels 0 and 1
    QString m_unitName;
};
