#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;

// The controls above the plots, in three rows: what is shown and the zoom; the time window,
// record and pause, and the trigger with its status light; the sampling time, the response times
// and the settings link. It shows the state it is given; the view wires its buttons.
class OscControlBar : public QWidget
{
    Q_OBJECT
public:
    // Trigger status texts by number.
    enum TriggerStatus { Configured = 0, NotActive = 1, Waiting = 2, Running = 3, Completed = 4 };

    explicit OscControlBar(QWidget *parent = nullptr);

    QRadioButton *analogButton() const { return m_showAnalog; }
    QRadioButton *digitalButton() const { return m_showDigital; }
    QRadioButton *bothButton() const { return m_showBoth; }
    QPushButton *zoomInButton() const { return m_zoomIn; }
    QPushButton *zoomOutButton() const { return m_zoomOut; }
    QSlider *zoomBar() const { return m_zoomBar; }
    QPushButton *fitAllButton() const { return m_fitAll; }
    QPushButton *autoRangeButton() const { return m_autoRange; }
    // Back 2, Back, Forward, Forward 2: steps of -4, -1, 1 and 4 ticks.
    QPushButton *stepButton(int ticks) const;
    QLineEdit *samplingTimeEdit() const { return m_samplingTime; }
    QPushButton *recordButton() const { return m_record; }
    QPushButton *pauseButton() const { return m_pause; }
    QPushButton *triggerButton() const { return m_trigger; }
    QLabel *settingsLink() const { return m_settingsLink; }

    void setRecordTexts(bool recording, bool paused);
    // Zoom level 1..maxLevel: the buttons at the ends are off, the bar shows the level.
    void showZoomLevel(int level, int maxLevel);
    void showResponseTimes(int responseMs, int slowestMs);
    void setTriggerStatus(int status);
    int triggerStatus() const { return m_triggerStatus; }
    QString triggerStatusText() const;
    // Beside the light while a recording runs and a trigger is configured: it is applied only at
    // the next Start. Empty when not shown.
    QString triggerNote() const;
    // The status light blinks red while a trigger captures.
    void setTriggerFlashing(bool on);
    void retranslateUi(bool recording, bool paused);

private:
    // The round indicator of the trigger state in a colour.
    static QPixmap ledPicture(const QColor &colour);

    QLabel *m_graphLabel = nullptr;
    QRadioButton *m_showAnalog = nullptr;
    QRadioButton *m_showDigital = nullptr;
    QRadioButton *m_showBoth = nullptr;
    QLabel *m_zoomLabel = nullptr;
    QPushButton *m_zoomIn = nullptr;
    QPushButton *m_zoomOut = nullptr;
    QSlider *m_zoomBar = nullptr;
    QPushButton *m_fitAll = nullptr;
    QPushButton *m_autoRange = nullptr;
    QPushButton *m_back2 = nullptr;
    QPushButton *m_back = nullptr;
    QPushButton *m_forward = nullptr;
    QPushButton *m_forward2 = nullptr;
    QLabel *m_samplingLabel = nullptr;
    QLineEdit *m_samplingTime = nullptr;
    QLabel *m_msecLabel = nullptr;
    QLabel *m_slowest = nullptr;
    QLabel *m_response = nullptr;
    QLabel *m_recordLabel = nullptr;
    QPushButton *m_record = nullptr;
    QPushButton *m_pause = nullptr;
    QPushButton *m_trigger = nullptr;
    QLabel *m_triggerLed = nullptr;
    QLabel *m_triggerText = nullptr;
    QLabel *m_triggerNote = nullptr;
    QLabel *m_settingsLink = nullptr;
    QTimer m_flash;
    bool m_flashOn = false;
    int m_triggerStatus = NotActive;
    bool m_recording = false;
};
