#pragma once

#include "ftplink.h"
#include "ftpoperations.h"
#include "ftpsession.h"

#include <QDialog>
#include <QHash>

class FtpWorker;
class Prompter;
class QLabel;
class QLineEdit;
class QProgressDialog;
class QPushButton;
class QThread;
class QTreeWidget;
class QTreeWidgetItem;

// The device file download window: lists the FTP server of configData/ftpLink.txt and fetches
// new device description files into csv_file/. Every command runs on an FtpWorker thread; the
// window only presents what it reports, so it never freezes while the network is slow.
class FtpWindow : public QDialog
{
    Q_OBJECT
public:
    // The prompter belongs to the main window and outlives this window.
    explicit FtpWindow(Prompter &prompter, QWidget *parent = nullptr);
    ~FtpWindow() override;

    // Bound of one listing or one file transfer; 90000 ms unless a test shortens it.
    void setTransferTimeout(int ms) { m_timeoutMs = ms; }
    bool isConnected() const { return m_worker != nullptr; }
    QStringList currentPath() const { return m_currentPath; }
    QTreeWidget *fileList() const { return m_fileList; }
    QString statusText() const;

public slots:
    void connectOrDisconnect();
    void downloadFile();
    void cancelDownload();
    void processItem(QTreeWidgetItem *item, int column);
    void cdToParent();
    void updateDataTransferProgress(qint64 readBytes, qint64 totalBytes);
    void enableDownloadButton();
    void CloseAction();
    void downloadAllNewFiles();
    void onLangTranslation(int language);

signals:
    void bringAppToForeGround();
    // A listing, a download or "Download All New" has ended and its messages were shown.
    void commandFinished();

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void listFinished(const QStringList &dir, const QList<FtpEntry> &entries, const FtpStatus &status);
    void getFinished(const FtpEntry &entry, const FtpStatus &status);
    void allNewFinished(const FtpOperations::AllNewResult &result);
    void allNewProgress(int done, int total, const QString &name);

private:
    void retranslateUi();
    void addToList(const FtpEntry &entry);
    void listDirectory(const QStringList &dir);
    void stopWorker();
    void setBusy(bool busy);
    void setWaitCursor(bool wait);
    QString connectFailureText(const FtpStatus &status) const;

    Prompter &m_prompter;
    QLabel *m_serverLabel;
    QLineEdit *m_serverEdit;
    QLabel *m_statusLabel;
    QTreeWidget *m_fileList;
    QPushButton *m_cdToParentButton;
    QPushButton *m_connectButton;
    QPushButton *m_downloadButton;
    QPushButton *m_downloadAllButton;
    QPushButton *m_quitButton;
    QProgressDialog *m_progressDialog;

    FtpLink m_link;
    QThread *m_thread = nullptr;
    FtpWorker *m_worker = nullptr;
    bool m_loggedOn = false; // the first listing after connecting succeeded
    bool m_busy = false;
    bool m_waitCursor = false;
    QStringList m_currentPath;
    QList<FtpEntry> m_entries;
    QHash<QString, bool> m_isDirectory;
    int m_timeoutMs = 90000;
};
