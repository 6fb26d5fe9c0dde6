#include "scanimport.h"

#include "importfilethread.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

ScanImport::ScanImport(QWidget *parent)
    : QDialog(parent)
    , m_wait(new QLabel(this))
    , m_counters(new QLabel(this))
    , m_rowsLayout(new QVBoxLayout)
    , m_cancel(new QPushButton(this))
{
    setObjectName(QStringLiteral("scanImport"));
    auto *layout = new QVBoxLayout(this);
    // Rows and counts change while it is shown: its minimum size is left alone meanwhile.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->addWidget(m_wait);
    layout->addWidget(m_counters);
    layout->addLayout(m_rowsLayout);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
    connect(m_cancel, &QPushButton::clicked, this, &ScanImport::cancelAll);
    onLangTranslation(0);
}

void ScanImport::addUnit(const QString &name, importfileThread *worker)
{
    auto *widget = new QWidget(this);
    auto *row = new QHBoxLayout(widget);
    row->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(name, widget);
    auto *bar = new QProgressBar(widget);
    auto *cancel = new QPushButton(tr("Cancel"), widget);
    row->addWidget(label);
    row->addWidget(bar, 1);
    row->addWidget(cancel);
    m_rowsLayout->addWidget(widget);
    m_rows.append({ worker, widget, bar });
    ++m_total;

    // The worker's signals come from its own thread: queued into this one.
    connect(worker, &importfileThread::ImportThreadSigProgressBarSetRange, bar, &QProgressBar::setRange,
        Qt::QueuedConnection);
    connect(worker, &importfileThread::ImportThreadSigProgressBarSetProgress, bar, &QProgressBar::setValue,
        Qt::QueuedConnection);
    QPointer<importfileThread> guard(worker);
    connect(
        worker, &QThread::finished, this, [this, guard] { removeRow(guard.data()); }, Qt::QueuedConnection);
    connect(cancel, &QPushButton::clicked, worker, &importfileThread::CancelbtnSlotClicked);
    connect(this, &ScanImport::cancelAll, worker, &importfileThread::CancelbtnSlotClicked);
    showCounters();
}

void ScanImport::removeRow(importfileThread *worker)
{
    for (int i = 0; i < m_rows.size(); ++i) {
        // A worker freed meanwhile (unit removed) leaves a null guard: its row goes too.
        if (m_rows.at(i).worker != worker && worker)
            continue;
        delete m_rows.at(i).widget;
        m_rows.removeAt(i);
        ++m_done;
        break;
    }
    showCounters();
    if (m_rows.isEmpty())
        accept();
}

void ScanImport::showCounters()
{
    m_counters->setText(tr("No. of devices: ") + QString::number(m_total) + QStringLiteral("   ")
        + tr("In progress: ") + QString::number(m_rows.size()) + QStringLiteral("   ") + tr("Done: ")
        + QString::number(m_done));
}

void ScanImport::onLangTranslation(int)
{
    setWindowTitle(tr("Load from Drive"));
    m_wait->setText(tr("Please Wait..."));
    m_cancel->setText(tr("Cancel"));
    showCounters();
}
