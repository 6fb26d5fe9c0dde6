#include "osccontrolbar.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

// The texts keep the translation context of the oscilloscope view, whichever part shows them.

QPixmap OscControlBar::ledPicture(const QColor &colour)
{
    QPixmap pixmap(14, 14);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(colour);
    painter.setPen(Qt::darkGray);
    painter.drawEllipse(1, 1, 12, 12);
    return pixmap;
}

OscControlBar::OscControlBar(QWidget *parent)
    : QWidget(parent)
{
    auto *rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    m_graphLabel = new QLabel(this);
    m_showAnalog = new QRadioButton(this);
    m_showDigital = new QRadioButton(this);
    m_showBoth = new QRadioButton(this);
    m_showBoth->setChecked(true);
    m_zoomLabel = new QLabel(this);
    m_zoomOut = new QPushButton(QStringLiteral("-"), this);
    m_zoomIn = new QPushButton(QStringLiteral("+"), this);
    m_zoomBar = new QSlider(Qt::Horizontal, this);
    m_zoomBar->setRange(0, 4);
    m_zoomBar->setPageStep(1);
    m_zoomBar->setFixedWidth(90);
    m_zoomOut->setFixedWidth(m_zoomOut->fontMetrics().horizontalAdvance(QStringLiteral("+")) * 4);
    m_zoomIn->setFixedWidth(m_zoomOut->width());
    m_fitAll = new QPushButton(this);
    m_autoRange = new QPushButton(this);
    m_back2 = new QPushButton(this);
    m_back = new QPushButton(this);
    m_forward = new QPushButton(this);
    m_forward2 = new QPushButton(this);
    m_samplingLabel = new QLabel(this);
    m_samplingTime = new QLineEdit(this);
    m_samplingTime->setMaximumWidth(60);
    m_msecLabel = new QLabel(this);
    m_slowest = new QLabel(this);
    m_response = new QLabel(this);
    m_recordLabel = new QLabel(this);
    m_record = new QPushButton(this);
    m_pause = new QPushButton(this);
    m_pause->setEnabled(false);
    m_trigger = new QPushButton(this);
    m_triggerLed = new QLabel(this);
    m_triggerLed->setPixmap(ledPicture(Qt::lightGray));
    m_triggerText = new QLabel(this);
    m_triggerNote = new QLabel(this);
    m_triggerNote->hide();
    m_settingsLink = new QLabel(this);
    m_settingsLink->setTextFormat(Qt::RichText);
    // Three rows: what is shown, where and what is recorded, and how often.
    const QList<QList<QWidget *>> order {
        { m_graphLabel, m_showAnalog, m_showDigital, m_showBoth, nullptr, m_zoomLabel, m_zoomOut, m_zoomBar,
            m_zoomIn, m_fitAll, m_autoRange },
        { m_back2, m_back, m_forward, m_forward2, nullptr, m_recordLabel, m_record, m_pause, nullptr,
            m_trigger, m_triggerLed, m_triggerText, m_triggerNote },
        { m_samplingLabel, m_samplingTime, m_msecLabel, nullptr, m_slowest, nullptr, m_response, nullptr,
            m_settingsLink },
    };
    for (const QList<QWidget *> &line : order) {
        auto *layout = new QHBoxLayout;
        for (QWidget *w : line) {
            if (w)
                layout->addWidget(w);
            else
                layout->addSpacing(16);
        }
        layout->addStretch(1);
        rows->addLayout(layout);
    }
    m_flash.setInterval(500);
    connect(&m_flash, &QTimer::timeout, this, [this] {
        m_flashOn = !m_flashOn;
        m_triggerLed->setPixmap(ledPicture(m_flashOn ? Qt::red : Qt::lightGray));
    });
}

QPushButton *OscControlBar::stepButton(int ticks) const
{
    switch (ticks) {
    case -4:
        return m_back2;
    case -1:
        return m_back;
    case 1:
        return m_forward;
    case 4:
        return m_forward2;
    default:
        return nullptr;
    }
}

void OscControlBar::retranslateUi(bool recording, bool paused)
{
    m_graphLabel->setText(QCoreApplication::translate("OscilloscopeWidget", "Graph"));
    m_showAnalog->setText(QCoreApplication::translate("OscilloscopeWidget", "Analog"));
    m_showAnalog->setToolTip(
        QCoreApplication::translate("OscilloscopeWidget", "display only analog signals"));
    m_showDigital->setText(QCoreApplication::translate("OscilloscopeWidget", "Digital"));
    m_showDigital->setToolTip(
        QCoreApplication::translate("OscilloscopeWidget", "display only digital signals"));
    m_showBoth->setText(QCoreApplication::translate("OscilloscopeWidget", "Analog-Digital"));
    m_zoomLabel->setText(QCoreApplication::translate("OscilloscopeWidget", "Zoom"));
    m_fitAll->setText(QCoreApplication::translate("OscilloscopeWidget", "Fit All"));
    m_fitAll->setToolTip(QCoreApplication::translate(
        "OscilloscopeWidget", "Shows the whole recording (key F over the plots)"));
    m_autoRange->setText(QCoreApplication::translate("OscilloscopeWidget", "Auto Y"));
    m_autoRange->setToolTip(QCoreApplication::translate("OscilloscopeWidget",
        "Gives the analog plot its automatic value range again (key A over the plots; Ctrl and the "
        "mouse wheel zoom the values)"));
    m_back2->setText(QCoreApplication::translate("OscilloscopeWidget", "Back 2"));
    m_back->setText(QCoreApplication::translate("OscilloscopeWidget", "Back"));
    m_forward->setText(QCoreApplication::translate("OscilloscopeWidget", "Forward"));
    m_forward2->setText(QCoreApplication::translate("OscilloscopeWidget", "Forward 2"));
    m_samplingLabel->setText(QCoreApplication::translate("OscilloscopeWidget", "Set Sampling Time"));
    m_samplingTime->setToolTip(QCoreApplication::translate(
        "OscilloscopeWidget", "Data from unit will be retrieved at this interval."));
    m_msecLabel->setText(QCoreApplication::translate("OscilloscopeWidget", "msec"));
    m_recordLabel->setText(QCoreApplication::translate("OscilloscopeWidget", "Record"));
    m_trigger->setText(QCoreApplication::translate("OscilloscopeWidget", "Trigger"));
    m_settingsLink->setText(QStringLiteral("<a href=\"settings\">%1</a>")
                                .arg(QCoreApplication::translate("OscilloscopeWidget", "Settings")));
    setRecordTexts(recording, paused);
}

void OscControlBar::setRecordTexts(bool recording, bool paused)
{
    m_recording = recording;
    setTriggerStatus(m_triggerStatus);
    if (recording) {
        m_record->setText(QCoreApplication::translate("OscilloscopeWidget", "Stop"));
        m_record->setToolTip(QCoreApplication::translate(
            "OscilloscopeWidget", "Stops the recording and displaying the graphs"));
    } else {
        m_record->setText(QCoreApplication::translate("OscilloscopeWidget", "Start"));
        m_record->setToolTip(QCoreApplication::translate(
            "OscilloscopeWidget", "Starts the recording and displaying the selected graphs"));
    }
    if (paused) {
        m_pause->setText(QCoreApplication::translate("OscilloscopeWidget", "Resume"));
        m_pause->setToolTip(
            QCoreApplication::translate("OscilloscopeWidget", "Resumes the displaying of selected graphs"));
    } else {
        m_pause->setText(QCoreApplication::translate("OscilloscopeWidget", "Pause"));
        m_pause->setToolTip(QCoreApplication::translate("OscilloscopeWidget",
            "Pauses the displaying of selected graphs \nwhile recording continues in background"));
    }
}

void OscControlBar::showZoomLevel(int level, int maxLevel)
{
    m_zoomIn->setEnabled(level < maxLevel);
    m_zoomOut->setEnabled(level > 1);
    int position = 0;
    while ((1 << position) < level)
        ++position;
    const QSignalBlocker block(m_zoomBar);
    m_zoomBar->setValue(position);
}

void OscControlBar::showResponseTimes(int responseMs, int slowestMs)
{
    m_response->setText(QCoreApplication::translate("OscilloscopeWidget", "Response Time")
        + QStringLiteral(": %1 ms").arg(responseMs));
    m_slowest->setText(QCoreApplication::translate("OscilloscopeWidget", "Slowest Device")
        + QStringLiteral(": %1 ms").arg(slowestMs));
}

void OscControlBar::setTriggerStatus(int status)
{
    static const char *const texts[] = { QT_TRANSLATE_NOOP("OscilloscopeWidget", "Configured"),
        QT_TRANSLATE_NOOP("OscilloscopeWidget", "Not Active"),
        QT_TRANSLATE_NOOP("OscilloscopeWidget", "Waiting..."),
        QT_TRANSLATE_NOOP("OscilloscopeWidget", "Running..."),
        QT_TRANSLATE_NOOP("OscilloscopeWidget", "Completed") };
    m_triggerStatus = status >= Configured && status <= Completed ? status : NotActive;
    m_triggerText->setText(QCoreApplication::translate("OscilloscopeWidget", texts[m_triggerStatus]));
    m_triggerNote->setText(QCoreApplication::translate("OscilloscopeWidget", "(armed at the next Start)"));
    m_triggerNote->setVisible(m_recording && m_triggerStatus == Configured);
}

QString OscControlBar::triggerNote() const
{
    return m_triggerNote->isHidden() ? QString() : m_triggerNote->text();
}

QString OscControlBar::triggerStatusText() const
{
    return m_triggerText->text();
}

void OscControlBar::setTriggerFlashing(bool on)
{
    if (on) {
        m_flash.start();
        return;
    }
    m_flash.stop();
    m_triggerLed->setPixmap(ledPicture(Qt::lightGray));
}
