#pragma once

#include "ftplink.h"

#include <QDateTime>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>

class QIODevice;
struct curl_fileinfo;

// One entry of a server listing, as libcurl's own listing parser read it.
struct FtpEntry
{
    QString name;
    qint64 size = 0;
    QString owner;
    QString group;
    QDateTime time; // invalid when the server gave none that could be read
    bool isDir = false;
};

// How an FTP command ended. `detail` is libcurl's own explanation, never containing the password.
struct FtpStatus
{
    enum Code {
        Ok,
        ConnectFailed, // host not reached, or not an FTP server
        LoginFailed, // user name or password refused
        TlsUntrusted, // FTPS: the certificate is not signed by a trusted authority
        TlsFailed, // FTPS: the server offers no TLS, or the handshake failed
        TimedOut, // the per-file time-out ran out
        Cancelled,
        SizeMismatch, // bytes received differ from the listed size
        FileError, // the local file could not be written
        RefusedName, // the listed name is not a plain file name
        TransferFailed, // any other failure of the server or the connection
    };
    Code code = Ok;
    QString detail;

    bool ok() const { return code == Ok; }
};

// A connection to one FTP or FTPS server through one libcurl handle, so the control connection
// (and the login) stays open between commands. Not thread-safe: one thread uses it at a time;
// only the cancel flag may be set from another thread.
class FtpSession
{
public:
    using Progress = std::function<void(qint64 received, qint64 total)>;

    explicit FtpSession(const FtpLink &link);
    ~FtpSession();
    FtpSession(const FtpSession &) = delete;
    FtpSession &operator=(const FtpSession &) = delete;

    const FtpLink &link() const { return m_link; }
    bool cancelRequested() const;
    // Checked at least once a second during every command; true aborts it.
    void setCancelFlag(const std::atomic_bool *cancel) { m_cancel = cancel; }
    // Bound of one listing or one file transfer, connection included.
    void setTimeoutMs(int ms) { m_timeoutMs = ms; }
    int timeoutMs() const { return m_timeoutMs; }

    // Lists `dir` (segments below the login directory). Directories come first, then files, each by name.
    FtpStatus list(const QStringList &dir, QList<FtpEntry> *entries);
    // Writes the file `name` of `dir` into `out`; `*received` counts the bytes. A body longer
    // than maxBytes (when not negative) is cut off there and ends in SizeMismatch.
    FtpStatus fetch(const QStringList &dir, const QString &name, QIODevice *out, qint64 *received,
        const Progress &progress = Progress(), qint64 maxBytes = -1);
    // `text` with the password of any URL's user info replaced by "***".
    static QString scrubbed(QString text);

    struct Transfer; // what one curl transfer writes to, defined beside the callbacks

    // One listing entry as curl's parser hands it over. The texts come from the server.
    static FtpEntry entryOf(const curl_fileinfo *info);

private:
    QByteArray url(const QStringList &dir, const QString &name) const;
    void setCommonOptions();
    FtpStatus perform(Transfer &transfer);

    FtpLink m_link;
    void *m_curl = nullptr;
    const std::atomic_bool *m_cancel = nullptr;
    int m_timeoutMs = 90000;
    int m_curlResult = 0; // of the last command
    char m_errorBuffer[256];
};

Q_DECLARE_METATYPE(FtpEntry)
Q_DECLARE_METATYPE(FtpStatus)
