#include "scanning.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

scanning::scanning(QWidget *parent)
    : QDialog(parent)
    , m_caption(new QLabel(this))
    , m_animation(new QLabel(this))
    , m_scanning(new QLabel(this))
    , m_note(new QLabel(this))
    , m_bar(new QProgressBar(this))
    , m_count(new QLabel(this))
    , m_cancelBtn(new QPushButton(this))
    , m_spin(new QTimer(this))
{
    setObjectName(QStringLiteral("scanning"));
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    // Rows and counts change while it is shown: its minimum size is left alone meanwhile.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->addWidget(m_caption);
    auto *row = new QHBoxLayout;
    row->addWidget(m_animation);
    row->addWidget(m_scanning, 1);
    layout->addLayout(row);
    layout->addWidget(m_note);
    layout->addWidget(m_bar);
    layout->addWidget(m_count);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cancelBtn);
    layout->addLayout(buttons);
    m_animation->setMinimumWidth(40);
    m_spin->setInterval(150);
    connect(m_spin, &QTimer::timeout, this, [this] {
        static const char *const frames[] = { "|", "/", "-", "\\" };
        m_phase = (m_phase + 1) % 4;
        m_animation->setText(QString::fromLatin1(frames[m_phase]));
    });
    connect(m_cancelBtn, &QPushButton::clicked, this, &scanning::vxUISigCancelAutoScanClicked);
    onLangTranslation(0);
}

void scanning::begin(int total)
{
    m_empty = total <= 0;
    m_found = 0;
    m_bar->setRange(0, m_empty ? 100 : total);
    m_bar->setValue(m_empty ? 100 : 0);
    showCount();
    // Sized before it is shown, so showing it does not resize a window that exists already.
    adjustSize();
    if (!m_empty)
        m_spin->start();
}

void scanning::setValue(int scanned, int found)
{
    // Candidates on several ports count once in the total: the bar stops at full.
    m_bar->setValue(qMin(scanned, m_bar->maximum()));
    m_found = found;
    showCount();
}

void scanning::showCount()
{
    m_count->setText(m_empty
            ? tr("No units connected")
            : QStringLiteral("       ") + tr("No of devices found:") + QString::number(m_found));
}

void scanning::reject()
{
    emit vxUISigCancelAutoScanClicked();
}

void scanning::onLangTranslation(int)
{
    setWindowTitle(tr("Scan Progress"));
    m_caption->setText(tr("Auto Scan"));
    m_scanning->setText(tr("Scanning"));
    m_note->setText(tr("Note: User cannot perform any operation while \nscanning for units. To stop scanning "
                       "click cancel."));
    m_cancelBtn->setText(tr("Cancel"));
    showCount();
}
