#include "ftpsession.h"

#include <QIODevice>
#include <QLocale>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QUrl>
#include <algorithm>
#include <curl/curl.h>
#include <mutex>

Q_LOGGING_CATEGORY(lcFtp, "tarvolink.ftp")

namespace {

CURL *handle(void *curl)
{
    return static_cast<CURL *>(curl);
}

// "Dec 06 12:00" (this year) or "Dec 06  2025", as Unix-style listings give the time.
QDateTime listingTime(const char *text)
{
    const QStringList parts = QString::fromLatin1(text).simplified().split(QLatin1Char(' '));
    if (parts.size() != 3)
        return QDateTime();
    static const QStringList months { QStringLiteral("jan"), QStringLiteral("feb"), QStringLiteral("mar"),
        QStringLiteral("apr"), QStringLiteral("may"), QStringLiteral("jun"), QStringLiteral("jul"),
        QStringLiteral("aug"), QStringLiteral("sep"), QStringLiteral("oct"), QStringLiteral("nov"),
        QStringLiteral("dec") };
    const int month = months.indexOf(parts.at(0).toLower()) + 1;
    const int day = parts.at(1).toInt();
    QTime time(0, 0);
    int year = parts.at(2).toInt();
    if (parts.at(2).contains(QLatin1Char(':'))) {
        time = QTime::fromString(parts.at(2), QStringLiteral("H:mm"));
        const QDate today = QDate::currentDate();
        year = today.year();
        // A listing shows hours only for the last six months, so a date ahead of today is last year's.
        if (QDate(year, month, qMax(1, day)) > today.addDays(1))
            --year;
    }
    const QDate date(year, month, day);
    return date.isValid() ? QDateTime(date, time.isValid() ? time : QTime(0, 0)) : QDateTime();
}

} // namespace

FtpEntry FtpSession::entryOf(const curl_fileinfo *info)
{
    FtpEntry entry;
    entry.name = QString::fromUtf8(info->filename);
    entry.isDir = info->filetype == CURLFILETYPE_DIRECTORY;
    entry.size = (info->flags & CURLFINFOFLAG_KNOWN_SIZE) ? qint64(info->size) : 0;
    entry.owner = QString::fromUtf8(info->strings.user ? info->strings.user : "");
    entry.group = QString::fromUtf8(info->strings.group ? info->strings.group : "");
    if ((info->flags & CURLFINFOFLAG_KNOWN_TIME) && info->time > 0)
        entry.time = QDateTime::fromSecsSinceEpoch(info->time);
    else if (info->strings.time)
        entry.time = listingTime(info->strings.time);
    return entry;
}

// Far beyond any folder of device description files, and any name a file system keeps.
constexpr int kMaxListedEntries = 10000;
constexpr int kMaxNameBytes = 255;

struct FtpSession::Transfer
{
    FtpSession *session = nullptr;
    QIODevice *out = nullptr;
    qint64 received = 0;
    qint64 maxBytes = -1; // the listed size: a longer body is cut off at once
    bool tooLong = false;
    Progress progress;
    QList<FtpEntry> *entries = nullptr;
    QString listingRefused; // why the listing was stopped
};

namespace {

size_t writeData(char *data, size_t size, size_t count, void *userData)
{
    auto *transfer = static_cast<FtpSession::Transfer *>(userData);
    const qint64 length = qint64(size * count);
    if (transfer->maxBytes >= 0 && transfer->received + length > transfer->maxBytes) {
        transfer->tooLong = true;
        return 0;
    }
    if (transfer->out && transfer->out->write(data, length) != length)
        return 0; // curl ends the transfer with a write error
    transfer->received += length;
    return size_t(length);
}

// curl calls this about once a second even while no byte moves, which bounds how long a
// cancel waits.
int progressOf(void *userData, curl_off_t total, curl_off_t now, curl_off_t, curl_off_t)
{
    auto *transfer = static_cast<FtpSession::Transfer *>(userData);
    if (transfer->session->cancelRequested())
        return 1;
    if (transfer->progress && transfer->out)
        transfer->progress(qint64(now), qint64(total));
    return 0;
}

// The listing is read by curl's own parser; every entry is noted and skipped, so the wildcard
// transfer downloads nothing.
long chunkBegin(const void *info, void *userData, int)
{
    auto *transfer = static_cast<FtpSession::Transfer *>(userData);
    const auto *file = static_cast<const curl_fileinfo *>(info);
    if (transfer->entries->size() >= kMaxListedEntries)
        transfer->listingRefused
            = QStringLiteral("The folder lists more than %1 entries").arg(kMaxListedEntries);
    else if (!file->filename || qstrlen(file->filename) > uint(kMaxNameBytes))
        transfer->listingRefused
            = QStringLiteral("The folder lists a name longer than %1 bytes").arg(kMaxNameBytes);
    if (!transfer->listingRefused.isEmpty())
        return CURL_CHUNK_BGN_FUNC_FAIL;
    transfer->entries->append(FtpSession::entryOf(file));
    return CURL_CHUNK_BGN_FUNC_SKIP;
}

} // namespace

FtpSession::FtpSession(const FtpLink &link)
    : m_link(link)
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    m_curl = curl_easy_init();
    m_errorBuffer[0] = 0;
}

FtpSession::~FtpSession()
{
    curl_easy_cleanup(handle(m_curl));
}

bool FtpSession::cancelRequested() const
{
    return m_cancel && m_cancel->load();
}

QByteArray FtpSession::url(const QStringList &dir, const QString &name) const
{
    // FTPS here is explicit TLS: the session starts on the FTP port and upgrades with AUTH TLS,
    // which curl does for an "ftp://" URL when TLS is required below.
    QByteArray text = "ftp://" + QUrl::toAce(m_link.host);
    if (m_link.host.contains(QLatin1Char(':')))
        text = "ftp://[" + m_link.host.toUtf8() + ']';
    text += ':' + QByteArray::number(m_link.port) + '/';
    for (const QString &segment : dir)
        text += QUrl::toPercentEncoding(segment) + '/';
    return text + QUrl::toPercentEncoding(name, "*");
}

void FtpSession::setCommonOptions()
{
    CURL *curl = handle(m_curl);
    curl_easy_reset(curl);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, m_errorBuffer);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "ftp");
    // Without a user name curl logs in as "anonymous", which is what a link without one asks for.
    if (!m_link.user.isEmpty()) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, m_link.user.toUtf8().constData());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, m_link.password.toUtf8().constData());
    }
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, long(m_timeoutMs));
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, long(qMin(m_timeoutMs, 15000)));
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, progressOf);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, writeData);
    if (m_link.isTls()) {
        curl_easy_setopt(curl, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
        if (m_link.acceptSelfSigned) {
            curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 0L);
            curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 0L);
        }
    }
}

QString FtpSession::scrubbed(QString text)
{
    // Only the password field of a URL's user info: replacing the password wherever it occurs
    // would mangle other words and show which letters it is made of.
    static const QRegularExpression userInfo(QStringLiteral("(\\b[a-z][a-z0-9+.-]*://[^\\s/@:]*:)[^\\s/@]*@"),
        QRegularExpression::CaseInsensitiveOption);
    return text.replace(userInfo, QStringLiteral("\\1***@"));
}

FtpStatus FtpSession::perform(Transfer &transfer)
{
    CURL *curl = handle(m_curl);
    transfer.session = this;
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);
    m_errorBuffer[0] = 0;
    FtpStatus status;
    if (cancelRequested()) {
        status.code = FtpStatus::Cancelled;
        return status;
    }
    const CURLcode result = curl_easy_perform(curl);
    m_curlResult = int(result);
    switch (result) {
    case CURLE_OK:
        return status;
    case CURLE_ABORTED_BY_CALLBACK:
        status.code = FtpStatus::Cancelled;
        break;
    case CURLE_OPERATION_TIMEDOUT:
        status.code = FtpStatus::TimedOut;
        break;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
    case CURLE_WEIRD_SERVER_REPLY:
        status.code = FtpStatus::ConnectFailed;
        break;
    case CURLE_LOGIN_DENIED:
        status.code = FtpStatus::LoginFailed;
        break;
    case CURLE_PEER_FAILED_VERIFICATION:
        status.code = FtpStatus::TlsUntrusted;
        break;
    case CURLE_USE_SSL_FAILED:
    case CURLE_SSL_CONNECT_ERROR:
        status.code = FtpStatus::TlsFailed;
        break;
    case CURLE_WRITE_ERROR:
        status.code = FtpStatus::FileError;
        break;
    default:
        status.code = FtpStatus::TransferFailed;
        break;
    }
    status.detail
        = scrubbed(QString::fromUtf8(m_errorBuffer[0] ? m_errorBuffer : curl_easy_strerror(result)));
    qCDebug(lcFtp) << m_link.publicText() << "curl" << int(result) << status.detail;
    return status;
}

FtpStatus FtpSession::list(const QStringList &dir, QList<FtpEntry> *entries)
{
    entries->clear();
    setCommonOptions();
    CURL *curl = handle(m_curl);
    Transfer transfer;
    transfer.entries = entries;
    curl_easy_setopt(curl, CURLOPT_URL, url(dir, QStringLiteral("*")).constData());
    curl_easy_setopt(curl, CURLOPT_WILDCARDMATCH, 1L);
    curl_easy_setopt(curl, CURLOPT_CHUNK_BGN_FUNCTION, chunkBegin);
    curl_easy_setopt(curl, CURLOPT_CHUNK_DATA, &transfer);
    FtpStatus status = perform(transfer);
    if (!transfer.listingRefused.isEmpty()) {
        entries->clear();
        status.code = FtpStatus::TransferFailed;
        status.detail = transfer.listingRefused;
        return status;
    }
    // An empty directory: curl changed into it and read the listing, but nothing matched "*".
    // (A directory that does not exist fails earlier, on the change of directory.)
    if (m_curlResult == CURLE_REMOTE_FILE_NOT_FOUND && entries->isEmpty())
        status = FtpStatus();
    std::stable_sort(entries->begin(), entries->end(),
        [](const FtpEntry &a, const FtpEntry &b) { return a.isDir != b.isDir ? a.isDir : a.name < b.name; });
    return status;
}

FtpStatus FtpSession::fetch(const QStringList &dir, const QString &name, QIODevice *out, qint64 *received,
    const Progress &progress, qint64 maxBytes)
{
    setCommonOptions();
    Transfer transfer;
    transfer.out = out;
    transfer.progress = progress;
    transfer.maxBytes = maxBytes;
    curl_easy_setopt(handle(m_curl), CURLOPT_URL, url(dir, name).constData());
    FtpStatus status = perform(transfer);
    *received = transfer.received;
    if (transfer.tooLong) {
        status.code = FtpStatus::SizeMismatch;
        status.detail = QStringLiteral("more than the %1 bytes listed").arg(maxBytes);
    }
    return status;
}
