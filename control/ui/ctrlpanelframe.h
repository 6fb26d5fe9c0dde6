#pragma once

#include <QFrame>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The control panel: the unit it drives, the reference value and its source, the run/stop
// source and the forward, backward and stop buttons. Only shows and reports; what an action
// writes is the control panel controller's.
class CtrlPanelFrame : public QFrame
{
    Q_OBJECT
public:
    // Which picture shows pressed: 0 forward, 1 backward, 2 stop, anything else none.
    enum Pressed { ForwardPressed = 0, BackwardPressed = 1, StopPressed = 2, NonePressed = 3 };

    explicit CtrlPanelFrame(QWidget *parent = nullptr);

    QLabel *unitLabel() const { return m_unit; }
    QLineEdit *refValue() const { return m_refValue; }
    QComboBox *refSource() const { return m_refSource; }
    QComboBox *runStopSource() const { return m_runSource; }
    QPushButton *forwardButton() const { return m_fwd; }
    QPushButton *backwardButton() const { return m_bwd; }
    QPushButton *stopButton() const { return m_stp; }
    int pressed() const { return m_pressed; }

    void setUnitName(const QString &name);
    // "No Unit" in grey, everything disabled, all pictures default.
    void showNoUnit();
    void setPressed(int which);
    void setMotorButtonsEnabled(bool enabled);

public slots:
    void onLangTranslation(int index);

signals:
    void vxUISigFwdClicked();
    void vxUISigBwdClicked();
    void vxUISigStpClicked();
    void vxUISigRefValEntered();
    void vxUISigRefSrcChanged(int index);
    void vxUISigRunStopSrcChanged(int index);

private:
    void retranslateUi();

    QLabel *m_caption = nullptr;
    QLabel *m_unit = nullptr;
    QLabel *m_refValueLabel = nullptr;
    QLabel *m_refSourceLabel = nullptr;
    QLabel *m_runSourceLabel = nullptr;
    QLineEdit *m_refValue = nullptr;
    QComboBox *m_refSource = nullptr;
    QComboBox *m_runSource = nullptr;
    QPushButton *m_fwd = nullptr;
    QPushButton *m_bwd = nullptr;
    QPushButton *m_stp = nullptr;
    int m_pressed = NonePressed;
    bool m_noUnit = true;
};
