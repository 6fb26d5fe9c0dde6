#pragma once

#include <QDialog>

class QButtonGroup;
class QDialogButtonBox;
class QGroupBox;

// "Control Source": before a unit controlled through this program goes, asks to which sources
// its run/stop commands and its reference are handed back.
class ControlBox : public QDialog
{
    Q_OBJECT
public:
    explicit ControlBox(const QString &unitName, QWidget *parent = nullptr);

    bool isConfirmed() const { return m_confirmed; }
    // The checked choices as source indices (WorkerOps::ControlSource).
    int runStopSource() const;
    int referenceSource() const;
    void setChoices(int runStopSource, int referenceSource);

public slots:
    void vxUISlotOkBtnClicked();
    void vxUISlotCancelBtnClicked();

private:
    QGroupBox *makeGroup(QButtonGroup **group);

    QButtonGroup *m_run = nullptr;
    QButtonGroup *m_ref = nullptr;
    QGroupBox *m_runBox = nullptr;
    QGroupBox *m_refBox = nullptr;
    bool m_confirmed = false;
};
