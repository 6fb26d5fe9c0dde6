#include "paramtransfer.h"

#include "importfilethread.h"

#include <QProgressDialog>

ParamTransfer::ParamTransfer(QWidget *dialogParent)
    : QObject(dialogParent)
    , m_parent(dialogParent)
{ }

ParamTransfer::~ParamTransfer()
{
    delete m_dialog;
}

QString ParamTransfer::captionFor(bool write)
{
    return write ? tr("Parameters Loading To Drive") : tr("Parameters Loading from Drive");
}

void ParamTransfer::begin(bool write, const QString &unitName, importfileThread *worker, int skipped)
{
    close();
    m_worker = worker;
    m_last = Summary { worker, write, unitName, 0, skipped };
    m_dialog = new QProgressDialog(m_parent);
    m_dialog->setWindowTitle(tr("Progress"));
    m_dialog->setLabelText(captionFor(write) + QLatin1Char(' ') + unitName + QStringLiteral("\n\n")
        + tr("Please Wait...") + QStringLiteral("\n\n")
        + tr("Note: User cannot perform any operation while the parameters \n   are \"Load From Drive\" or "
             "\"Load To Drive\" in the parameter window.\n   To cancel operation click cancel."));
    m_dialog->setCancelButtonText(tr("Cancel"));
    // The worker decides when the operation is over; the dialog must not close or reset by itself
    // when the bar reaches its end or "Cancel" is pressed.
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setMinimumDuration(0);
    // Not modal: a modal progress dialog runs nested event loops from setValue(), which would
    // deliver the worker's next signals, including the one that closes it, in the middle of this one.
    m_dialog->setWindowModality(Qt::NonModal);
    m_dialog->setRange(0, 0);
    connect(m_dialog, &QProgressDialog::canceled, worker, &importfileThread::CancelbtnSlotClicked);
    m_dialog->show();
}

bool ParamTransfer::isOpen() const
{
    return m_dialog && m_dialog->isVisible();
}

void ParamTransfer::raise()
{
    if (isOpen())
        m_dialog->raise();
}

void ParamTransfer::setRange(int start, int end)
{
    m_last.total = end - start + 1;
    if (m_dialog)
        m_dialog->setRange(start, end);
}

QString ParamTransfer::outcomeText(int result, int handled) const
{
    const QString name = m_last.unitName;
    const int done = qMax(handled, 0);
    const QString skipped = m_last.write && m_last.skipped > 0
        ? tr("; %1 parameters without a value were skipped").arg(m_last.skipped)
        : QString();
    switch (result) {
    case WorkerOps::Completed:
        return m_last.write ? tr("Wrote %n parameter(s) to %1", nullptr, done).arg(name) + skipped
                            : tr("Read %n parameter(s) from %1", nullptr, done).arg(name);
    case WorkerOps::Cancelled:
        return m_last.write
            ? tr("Write to %1 cancelled after %2 of %3 parameters").arg(name).arg(done).arg(m_last.total)
            : tr("Read from %1 cancelled after %2 of %3 parameters").arg(name).arg(done).arg(m_last.total);
    case WorkerOps::Removed:
        return m_last.write ? tr("Write to %1 ended: the unit was removed").arg(name)
                            : tr("Read from %1 ended: the unit was removed").arg(name);
    default:
        return m_last.write
            ? tr("Write to %1 failed after %2 of %3 parameters").arg(name).arg(done).arg(m_last.total)
            : tr("Read from %1 failed after %2 of %3 parameters").arg(name).arg(done).arg(m_last.total);
    }
}

void ParamTransfer::setProgress(int value)
{
    if (m_dialog)
        m_dialog->setValue(value);
}

void ParamTransfer::close()
{
    if (!m_dialog)
        return;
    m_dialog->hide();
    m_dialog->deleteLater();
    m_dialog = nullptr;
    m_worker.clear();
}
