#include "ftpworker.h"

FtpWorker::FtpWorker(const FtpLink &link, int timeoutMs)
    : m_link(link)
    , m_timeoutMs(timeoutMs)
{
    qRegisterMetaType<FtpEntry>();
    qRegisterMetaType<QList<FtpEntry>>();
    qRegisterMetaType<FtpStatus>();
    qRegisterMetaType<FtpOperations::AllNewResult>();
}

FtpWorker::~FtpWorker() = default;

FtpSession &FtpWorker::session()
{
    if (!m_session) {
        m_session = std::make_unique<FtpSession>(m_link);
        m_session->setCancelFlag(&m_cancel);
        m_session->setTimeoutMs(m_timeoutMs);
    }
    return *m_session;
}

void FtpWorker::list(const QStringList &dir)
{
    QList<FtpEntry> entries;
    const FtpStatus status = session().list(dir, &entries);
    emit listed(dir, entries, status);
}

void FtpWorker::download(const QStringList &dir, const FtpEntry &entry, const QString &csvDir)
{
    // Progress is sent only when it moved, so a fast transfer does not flood the window's queue.
    qint64 last = -1;
    const FtpStatus status = FtpOperations::downloadFile(
        session(), dir, entry, csvDir, [this, &last, &entry](qint64 now, qint64) {
            if (now != last) {
                last = now;
                emit transferProgress(now, entry.size);
            }
        });
    emit downloaded(entry, status);
}

void FtpWorker::downloadAllNew(const QStringList &dir, const QList<FtpEntry> &entries, const QString &csvDir)
{
    const FtpOperations::AllNewResult result = FtpOperations::downloadAllNew(session(), dir, entries, csvDir,
        [this](int done, int total, const QString &name) { emit allNewProgress(done, total, name); });
    emit allNewDone(result);
}
