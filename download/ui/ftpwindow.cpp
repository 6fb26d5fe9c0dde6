#include "ftpwindow.h"

#include "apppaths.h"
#include "ftpicons.h"
#include "ftpnames.h"
#include "ftpworker.h"
#include "prompter.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

namespace {
const QString kTitle = QStringLiteral("FTP");
enum Column { NameColumn, SizeColumn, OwnerColumn, GroupColumn, TimeColumn };
} // namespace

FtpWindow::FtpWindow(Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_prompter(prompter)
{
    m_serverLabel = new QLabel(this);
    m_serverEdit = new QLineEdit(this);
    // The link comes from the link file; the field shows where it leads, never the password.
    m_serverEdit->setReadOnly(true);
    m_serverLabel->setBuddy(m_serverEdit);
    m_statusLabel = new QLabel(this);
    m_statusLabel->setWordWrap(true);

    m_fileList = new QTreeWidget(this);
    m_fileList->setEnabled(false);
    m_fileList->setRootIsDecorated(false);
    m_fileList->header()->setStretchLastSection(false);
    m_fileList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_fileList->header()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);

    m_connectButton = new QPushButton(this);
    m_connectButton->setDefault(true);
    m_cdToParentButton = new QPushButton(this);
    m_cdToParentButton->setIcon(FtpIcons::parentDirectory());
    m_cdToParentButton->setEnabled(false);
    m_downloadButton = new QPushButton(this);
    m_downloadButton->setEnabled(false);
    m_downloadAllButton = new QPushButton(this);
    m_downloadAllButton->setEnabled(false);
    m_quitButton = new QPushButton(this);

    auto *buttonBox = new QDialogButtonBox(this);
    buttonBox->addButton(m_downloadButton, QDialogButtonBox::ActionRole);
    buttonBox->addButton(m_downloadAllButton, QDialogButtonBox::ActionRole);
    buttonBox->addButton(m_quitButton, QDialogButtonBox::RejectRole);

    m_progressDialog = new QProgressDialog(this);
    m_progressDialog->setWindowTitle(kTitle);
    m_progressDialog->setAutoClose(false);
    m_progressDialog->setAutoReset(false);
    m_progressDialog->reset();
    m_progressDialog->hide();

    auto *topLayout = new QHBoxLayout;
    topLayout->addWidget(m_serverLabel);
    topLayout->addWidget(m_serverEdit);
    topLayout->addWidget(m_cdToParentButton);
    topLayout->addWidget(m_connectButton);
    auto *mainLayout = new QVBoxLayout(this);
    mainLayout->addLayout(topLayout);
    mainLayout->addWidget(m_fileList);
    mainLayout->addWidget(m_statusLabel);
    mainLayout->addWidget(buttonBox);

    connect(m_fileList, &QTreeWidget::itemActivated, this, &FtpWindow::processItem);
    connect(m_fileList, &QTreeWidget::currentItemChanged, this, &FtpWindow::enableDownloadButton);
    connect(m_connectButton, &QPushButton::clicked, this, &FtpWindow::connectOrDisconnect);
    connect(m_cdToParentButton, &QPushButton::clicked, this, &FtpWindow::cdToParent);
    connect(m_downloadButton, &QPushButton::clicked, this, &FtpWindow::downloadFile);
    connect(m_downloadAllButton, &QPushButton::clicked, this, &FtpWindow::downloadAllNewFiles);
    connect(m_quitButton, &QPushButton::clicked, this, &FtpWindow::CloseAction);
    connect(m_progressDialog, &QProgressDialog::canceled, this, &FtpWindow::cancelDownload);

    resize(640, 420);
    retranslateUi();
}

FtpWindow::~FtpWindow()
{
    stopWorker();
    setWaitCursor(false);
}

void FtpWindow::retranslateUi()
{
    setWindowTitle(kTitle);
    m_serverLabel->setText(tr("Ftp &server:"));
    m_serverEdit->setPlaceholderText(tr("ftp://<UserName>:<Password>@<Hostname>"));
    m_fileList->setHeaderLabels({ tr("Name"), tr("Size"), tr("Owner"), tr("Group"), tr("Time") });
    m_connectButton->setText(isConnected() ? tr("Disconnect") : tr("Connect"));
    m_cdToParentButton->setToolTip(tr("Go to the parent directory"));
    m_downloadButton->setText(tr("Download"));
    m_downloadAllButton->setText(tr("Download All New"));
    m_quitButton->setText(tr("Quit"));
}

void FtpWindow::onLangTranslation(int)
{
    retranslateUi();
}

QString FtpWindow::statusText() const
{
    return m_statusLabel->text();
}

void FtpWindow::setBusy(bool busy)
{
    m_busy = busy;
    m_downloadAllButton->setEnabled(!busy && m_loggedOn && !m_entries.isEmpty());
    m_cdToParentButton->setEnabled(!busy && m_loggedOn && !m_currentPath.isEmpty());
    enableDownloadButton();
}

void FtpWindow::setWaitCursor(bool wait)
{
    // Only our own cursor is taken back, never one that another part of the program set.
    if (wait && !m_waitCursor)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else if (!wait && m_waitCursor)
        QApplication::restoreOverrideCursor();
    m_waitCursor = wait;
}

void FtpWindow::connectOrDisconnect()
{
    if (isConnected()) {
        stopWorker();
        m_fileList->setEnabled(false);
        m_connectButton->setEnabled(true);
        m_connectButton->setText(tr("Connect"));
        m_statusLabel->clear();
        setBusy(false);
        setWaitCursor(false);
        return;
    }
    m_fileList->clear();
    m_isDirectory.clear();
    m_entries.clear();

    const FtpLink::ReadResult read
        = FtpLink::readFile(AppPaths::configDir() + QStringLiteral("/ftpLink.txt"), &m_link);
    if (read == FtpLink::ReadResult::NotFound) {
        m_prompter.information(this, tr("Information"), tr("FTP Link file is not found"));
        return;
    }
    if (read == FtpLink::ReadResult::Invalid) {
        m_prompter.information(this, tr("Information"), tr("The FTP URL is not valid"));
        return;
    }
    m_serverEdit->setText(m_link.publicText());
    setWaitCursor(true);

    m_thread = new QThread(this);
    m_worker = new FtpWorker(m_link, m_timeoutMs);
    m_worker->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    // Queued: the worker's answers are handled on this window's thread, between two paints.
    connect(m_worker, &FtpWorker::listed, this, &FtpWindow::listFinished, Qt::QueuedConnection);
    connect(m_worker, &FtpWorker::downloaded, this, &FtpWindow::getFinished, Qt::QueuedConnection);
    connect(m_worker, &FtpWorker::allNewDone, this, &FtpWindow::allNewFinished, Qt::QueuedConnection);
    connect(m_worker, &FtpWorker::transferProgress, this, &FtpWindow::updateDataTransferProgress,
        Qt::QueuedConnection);
    connect(m_worker, &FtpWorker::allNewProgress, this, &FtpWindow::allNewProgress, Qt::QueuedConnection);
    m_thread->start();

    m_loggedOn = false;
    m_connectButton->setText(tr("Disconnect"));
    m_statusLabel->setText(tr("Connecting to FTP server %1...").arg(m_link.host));
    listDirectory(m_link.path);
}

void FtpWindow::stopWorker()
{
    if (!m_worker)
        return;
    // Order matters: cancel makes curl give up within about a second, so the thread's event loop
    // gets to quit; the worker is deleted by the thread as it ends. The thread is parked, not
    // waited for: the window never blocks on the network, and a thread still running is never
    // deleted (that aborts the program); it deletes itself once it has finished.
    m_worker->setCancelled(true);
    m_worker->disconnect(this);
    m_thread->setParent(nullptr);
    connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
    m_thread->quit();
    m_thread = nullptr;
    m_worker = nullptr;
    m_loggedOn = false;
    // Answers the worker posted before it stopped belong to the old connection.
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
    m_progressDialog->hide();
}

void FtpWindow::listDirectory(const QStringList &dir)
{
    m_fileList->clear();
    m_isDirectory.clear();
    m_entries.clear();
    m_fileList->setEnabled(false);
    setBusy(true);
    m_worker->setCancelled(false);
    QMetaObject::invokeMethod(m_worker, "list", Qt::QueuedConnection, Q_ARG(QStringList, dir));
}

QString FtpWindow::connectFailureText(const FtpStatus &status) const
{
    switch (status.code) {
    case FtpStatus::TlsUntrusted:
        return tr("The FTP server at %1 shows a certificate that no trusted authority has signed. "
                  "The connection was refused.")
            .arg(m_link.host);
    case FtpStatus::TlsFailed:
        return tr("The FTP server at %1 did not set up a protected (TLS) connection. "
                  "The connection was refused.")
            .arg(m_link.host);
    default:
        return tr("Unable to connect to the FTP server at %1. Please check that the host name is correct.")
            .arg(m_link.host);
    }
}

void FtpWindow::listFinished(const QStringList &dir, const QList<FtpEntry> &entries, const FtpStatus &status)
{
    setWaitCursor(false);
    if (!status.ok()) {
        m_statusLabel->setText(status.detail);
        if (!m_loggedOn) {
            stopWorker();
            m_connectButton->setText(tr("Connect"));
            setBusy(false);
            if (status.code != FtpStatus::Cancelled)
                m_prompter.information(this, kTitle, connectFailureText(status));
        } else {
            setBusy(false);
            m_fileList->setEnabled(true);
            m_prompter.warning(this, kTitle, tr("Unable to list the directory: %1").arg(status.detail));
        }
        emit commandFinished();
        return;
    }
    if (!m_loggedOn) {
        m_loggedOn = true;
        if (!m_link.user.isEmpty())
            m_statusLabel->setText(tr("Logged onto %1.").arg(m_link.host));
        m_fileList->setFocus();
    }
    m_currentPath = dir;
    m_entries = entries;
    for (const FtpEntry &entry : entries)
        addToList(entry);
    if (entries.isEmpty()) {
        m_fileList->addTopLevelItem(new QTreeWidgetItem({ tr("<empty>") }));
        m_fileList->setEnabled(false);
    } else {
        m_fileList->setEnabled(true);
        m_fileList->setCurrentItem(m_fileList->topLevelItem(0));
    }
    setBusy(false);
    emit commandFinished();
}

void FtpWindow::addToList(const FtpEntry &entry)
{
    auto *item = new QTreeWidgetItem;
    item->setText(NameColumn, FtpNames::shown(entry.name));
    item->setData(NameColumn, Qt::UserRole, entry.name);
    item->setText(SizeColumn, QString::number(entry.size));
    item->setText(OwnerColumn, entry.owner);
    item->setText(GroupColumn, entry.group);
    item->setText(TimeColumn, QLocale::c().toString(entry.time.date(), QStringLiteral("MMM dd yyyy")));
    item->setIcon(NameColumn, entry.isDir ? FtpIcons::directory() : FtpIcons::file());
    m_isDirectory[entry.name] = entry.isDir;
    m_fileList->addTopLevelItem(item);
}

void FtpWindow::processItem(QTreeWidgetItem *item, int)
{
    const QString name = item ? item->data(NameColumn, Qt::UserRole).toString() : QString();
    if (m_busy || !isConnected() || !m_isDirectory.value(name))
        return;
    setWaitCursor(true);
    listDirectory(m_currentPath + QStringList { name });
}

void FtpWindow::cdToParent()
{
    if (m_busy || !isConnected() || m_currentPath.isEmpty())
        return;
    setWaitCursor(true);
    listDirectory(m_currentPath.mid(0, m_currentPath.size() - 1));
}

void FtpWindow::enableDownloadButton()
{
    const QTreeWidgetItem *item = m_fileList->currentItem();
    const QString name = item ? item->data(NameColumn, Qt::UserRole).toString() : QString();
    m_downloadButton->setEnabled(!m_busy && m_loggedOn && !name.isEmpty() && !m_isDirectory.value(name));
}

void FtpWindow::downloadFile()
{
    const QTreeWidgetItem *item = m_fileList->currentItem();
    if (!item || m_busy || !isConnected())
        return;
    const QString name = item->data(NameColumn, Qt::UserRole).toString();
    const auto found = std::find_if(
        m_entries.cbegin(), m_entries.cend(), [&name](const FtpEntry &e) { return e.name == name; });
    if (found != m_entries.cend() && !found->isDir && !FtpNames::isSafeLocalName(name)) {
        m_prompter.warning(this, kTitle,
            tr("The server lists the name %1, which is not a plain file name. Nothing was written.")
                .arg(FtpNames::shown(name)));
        return;
    }
    if (found == m_entries.cend() || found->isDir || !FtpNames::isCsvName(name)) {
        m_prompter.information(this, kTitle, tr("Select only CSV file to download."));
        return;
    }
    if (FtpOperations::isPresent(AppPaths::csvDir(), name)
        && m_prompter.question(this, kTitle, tr("File already downloaded, do you want to overwrite?"),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            != QMessageBox::Yes)
        return;

    m_progressDialog->setLabelText(tr("Downloading %1...").arg(name));
    m_progressDialog->setMaximum(int(qMin<qint64>(found->size, INT_MAX)));
    m_progressDialog->setValue(0);
    m_progressDialog->show();
    setBusy(true);
    m_worker->setCancelled(false);
    QMetaObject::invokeMethod(m_worker, "download", Qt::QueuedConnection, Q_ARG(QStringList, m_currentPath),
        Q_ARG(FtpEntry, *found), Q_ARG(QString, AppPaths::csvDir()));
}

void FtpWindow::cancelDownload()
{
    if (m_worker)
        m_worker->setCancelled(true);
}

void FtpWindow::updateDataTransferProgress(qint64 readBytes, qint64 totalBytes)
{
    // Files beyond 2 GB are no device description files; the dialog counts in int.
    m_progressDialog->setMaximum(int(qMin<qint64>(totalBytes, INT_MAX)));
    m_progressDialog->setValue(int(qMin<qint64>(readBytes, INT_MAX)));
}

void FtpWindow::getFinished(const FtpEntry &entry, const FtpStatus &status)
{
    m_progressDialog->hide();
    setBusy(false);
    const QString name = FtpNames::shown(entry.name);
    switch (status.code) {
    case FtpStatus::Ok:
        m_statusLabel->setText(tr("Downloaded %1 to current directory.").arg(name));
        m_prompter.information(this, kTitle, tr("File Downloaded Successfully"));
        break;
    case FtpStatus::SizeMismatch:
        m_statusLabel->setText(tr("Download Failed %1 to current directory.").arg(name));
        m_prompter.information(this, kTitle, tr("File Size mismatched"));
        break;
    case FtpStatus::Cancelled:
        m_statusLabel->setText(tr("Canceled download of %1.").arg(name));
        break;
    case FtpStatus::FileError:
        m_statusLabel->setText(tr("Canceled download of %1.").arg(name));
        m_prompter.information(this, kTitle, tr("Unable to save the file %1: %2.").arg(name, status.detail));
        break;
    default:
        m_statusLabel->setText(tr("Canceled download of %1.").arg(name));
        m_prompter.information(this, kTitle, tr("File Download Error:") + QLatin1Char(' ') + status.detail);
        break;
    }
    emit commandFinished();
}

void FtpWindow::downloadAllNewFiles()
{
    if (m_busy || !isConnected() || !m_loggedOn)
        return;
    m_progressDialog->setWindowModality(Qt::WindowModal);
    m_progressDialog->setLabelText(tr("Downloading %1...").arg(FtpNames::shown(m_entries.value(0).name)));
    m_progressDialog->setMaximum(m_entries.size());
    m_progressDialog->setValue(0);
    m_progressDialog->show();
    setBusy(true);
    m_worker->setCancelled(false);
    QMetaObject::invokeMethod(m_worker, "downloadAllNew", Qt::QueuedConnection,
        Q_ARG(QStringList, m_currentPath), Q_ARG(QList<FtpEntry>, m_entries),
        Q_ARG(QString, AppPaths::csvDir()));
}

void FtpWindow::allNewProgress(int done, int total, const QString &)
{
    // Reported after each entry: the label names the one that comes next.
    if (done < m_entries.size())
        m_progressDialog->setLabelText(tr("Downloading %1...").arg(FtpNames::shown(m_entries.at(done).name)));
    m_progressDialog->setMaximum(total);
    m_progressDialog->setValue(done);
}

void FtpWindow::allNewFinished(const FtpOperations::AllNewResult &result)
{
    m_progressDialog->hide();
    m_progressDialog->setWindowModality(Qt::NonModal);
    setBusy(false);
    if (!result.refused.isEmpty())
        m_prompter.warning(this, kTitle,
            tr("The server lists names that are not plain file names. Nothing was written for them:\n%1")
                .arg(result.refused.join(QLatin1Char('\n'))));
    if (!result.failed.isEmpty() || result.cancelled) {
        if (!result.lastError.detail.isEmpty())
            m_statusLabel->setText(result.lastError.detail);
        m_prompter.information(this, kTitle, tr("Error in downloading new files. Please download again."));
    } else if (result.downloaded == 0) {
        m_prompter.information(
            this, kTitle, tr("Operation is successful. All files are updated and no file is downloaded."));
    } else {
        m_prompter.information(this, kTitle,
            tr("Operation is successful. The total number of files downloaded is %1.")
                .arg(result.downloaded));
    }
    emit commandFinished();
}

void FtpWindow::CloseAction()
{
    close();
}

void FtpWindow::closeEvent(QCloseEvent *event)
{
    if (isConnected())
        connectOrDisconnect();
    emit bringAppToForeGround();
    QDialog::closeEvent(event);
}
