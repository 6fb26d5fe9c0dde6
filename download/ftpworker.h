#pragma once

#include "ftpoperations.h"
#include "ftpsession.h"

#include <QObject>
#include <atomic>
#include <memory>

// Runs the FTP commands of the download window on its own thread, so the window keeps
// drawing while curl waits on the network. Each slot runs one command and answers with one
// signal; the window connects them queued across the threads.
class FtpWorker : public QObject
{
    Q_OBJECT
public:
    FtpWorker(const FtpLink &link, int timeoutMs);
    ~FtpWorker() override;

    // Set from the user-interface thread: true aborts the running command within about a second;
    // false before each new command.
    void setCancelled(bool cancelled) { m_cancel.store(cancelled); }

public slots:
    void list(const QStringList &dir);
    void download(const QStringList &dir, const FtpEntry &entry, const QString &csvDir);
    void downloadAllNew(const QStringList &dir, const QList<FtpEntry> &entries, const QString &csvDir);

signals:
    void listed(const QStringList &dir, const QList<FtpEntry> &entries, const FtpStatus &status);
    void downloaded(const FtpEntry &entry, const FtpStatus &status);
    void allNewDone(const FtpOperations::AllNewResult &result);
    void transferProgress(qint64 received, qint64 total);
    void allNewProgress(int done, int total, const QString &name);

private:
    FtpSession &session();

    FtpLink m_link;
    int m_timeoutMs;
    std::atomic_bool m_cancel { false };
    std::unique_ptr<FtpSession> m_session; // made on the worker's thread by its first command
};
