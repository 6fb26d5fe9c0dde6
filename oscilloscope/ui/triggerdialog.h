#pragma once

#include "graphentries.h"
#include "osctrigger.h"

#include <QDialog>
#include <QPointer>
#include <functional>

class OscUnitDev;
class Prompter;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// What the level and the conditional trigger dialogs share: the unit and signal choice, types,
// levels, the capture window, the stop rule, validation and the comment lines. The level dialog
// shows one group, the conditional dialog two and the condition.
class TriggerDialog : public QDialog
{
    Q_OBJECT
public:
    using DeviceList = std::function<QList<OscUnitDev *>(int iface)>;

    // The units of each interface (0 RS232, 1 RS485, 2 TCP/IP), asked when the mode changes.
    void setUnitSource(const DeviceList &devices);
    OscUnitDev *device() const;
    // The trigger as it will be applied at record start.
    TriggerSetup setup() const;
    QStringList comments() const { return m_comments; }

    // The widgets by role, for the tests and the view.
    QComboBox *modeBox() const { return m_mode; }
    QComboBox *unitBox() const { return m_unit; }
    QComboBox *signalBox(int group) const { return m_groups[group].signal; }
    QComboBox *typeBox(int group) const { return m_groups[group].type; }
    QLineEdit *valueEdit(int group) const { return m_groups[group].value; }
    QLineEdit *highEdit(int group) const { return m_groups[group].high; }
    QComboBox *conditionBox() const { return m_condition; }
    void setBeforeTime(int minutes, int seconds);
    void setAfterTime(int minutes, int seconds);
    // Single capture, or Multiple with a total size (MB) or a total duration.
    void setSingle();
    void setMultipleBySize(double megabytes);
    void setMultipleByDuration(int hours, int minutes, int seconds);
    void setSamplingInterval(int msecs);
    // The number of samples one capture holds at the current sampling interval.
    int sampleCount() const;

signals:
    void vxUISigModeChanged(int);
    void vxUISigUnitChanged(int);
    void bringAppToForeGround();
    void vxUISigChangeTriggerstatus(int);
    // Confirm passed validation: the view takes setup() for the next record start.
    void confirmed();

public slots:
    void vxUISlotConfirmBtnClicked();
    void vxUISlotMultipleRBClicked();
    void vxUISlotSingleRBClicked();
    void vxUISlotfileSizeLblClicked();
    void vxUISlotmaxDurationLblClicked();
    void updateComments();
    void onLangTranslation(int);

protected:
    TriggerDialog(Prompter &prompter, int groups, QWidget *parent);
    void signalTypeChosen(int group);

private:
    struct Group
    {
        QLabel *title = nullptr;
        QLabel *signalLabel = nullptr;
        QComboBox *signal = nullptr;
        QLabel *typeLabel = nullptr;
        QComboBox *type = nullptr;
        QLabel *valueLabel = nullptr;
        QLineEdit *value = nullptr;
        QLabel *highLabel = nullptr;
        QLineEdit *high = nullptr;
    };
    void retranslateUi();
    void fillUnits();
    void fillSignals();
    bool validate(int group);
    TriggerSetup::Group groupSetup(int group) const;
    void updateSampleCount();

    Prompter &m_prompter;
    int m_groupCount;
    DeviceList m_devices;
    QList<QPointer<OscUnitDev>> m_unitDevices;
    QVector<GraphEntry> m_entries;
    QLabel *m_modeLabel = nullptr;
    QComboBox *m_mode = nullptr;
    QLabel *m_unitLabel = nullptr;
    QComboBox *m_unit = nullptr;
    Group m_groups[2];
    QLabel *m_conditionLabel = nullptr;
    QComboBox *m_condition = nullptr;
    QLabel *m_beforeLabel = nullptr;
    QSpinBox *m_beforeMin = nullptr;
    QSpinBox *m_beforeSec = nullptr;
    QLabel *m_afterLabel = nullptr;
    QSpinBox *m_afterMin = nullptr;
    QSpinBox *m_afterSec = nullptr;
    QLabel *m_captureLabel = nullptr;
    QRadioButton *m_single = nullptr;
    QRadioButton *m_multiple = nullptr;
    QRadioButton *m_bySize = nullptr;
    QLineEdit *m_size = nullptr;
    QLabel *m_mbLabel = nullptr;
    QRadioButton *m_byDuration = nullptr;
    QSpinBox *m_hours = nullptr;
    QSpinBox *m_minutes = nullptr;
    QSpinBox *m_seconds = nullptr;
    QLabel *m_samplesLabel = nullptr;
    QLabel *m_samples = nullptr;
    QPushButton *m_confirm = nullptr;
    QPushButton *m_close = nullptr;
    QStringList m_comments;
    int m_intervalMs = 250;
};
